#include "core/updates/ChangeReport.h"

#include <QHash>
#include <algorithm>

#include "database/DbError.h"
#include "core/reference/FirstLines.h"
#include "core/reference/ReferenceFile.h"
#include "core/files/Csv.h"

namespace esoa {
namespace {

using Kind = ChangeReport::Kind;

QString Values(const CodeValues& v, bool erTable) {
    QStringList parts{v.category, v.description};
    if (erTable) parts << v.fixedFee << v.chargingUnit;
    return parts.join(QStringLiteral(" | "));
}

QString Value(const CodeValues& v, const QString& name) {
    if (name == QLatin1String("Category")) return v.category;
    if (name == QLatin1String("Description")) return v.description;
    if (name == QLatin1String("FixedFee")) return v.fixedFee;
    return v.chargingUnit;
}

QString Plural(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(QString::number(n), QLatin1String(n == 1 ? one : many));
}

}  // namespace

QString KindName(Kind kind) {
    switch (kind) {
        case Kind::New:
            return QStringLiteral("new");
        case Kind::Withdrawn:
            return QStringLiteral("withdrawn");
        default:
            return QStringLiteral("changed");
    }
}

QStringList ChangeReport::ChangedValues(const Entry& e) {
    QStringList lines;
    for (const QString& name : e.changed)
        lines << QStringLiteral("%1: \"%2\" -> \"%3\"").arg(name, Value(e.stored, name), Value(e.read, name));
    return lines;
}

QString ChangeReport::LinkText(const LinkRow& l) {
    return QStringLiteral("link %1: %2 item %3 \"%4\" (revenue %5)")
        .arg(l.id, l.invOrProc, l.itemId, l.itemDesc, l.revenueId);
}

int ChangeReport::count(Kind kind) const {
    int n = 0;
    for (const Entry& e : entries) n += e.kind == kind;
    return n;
}

int ChangeReport::linksOf(Kind kind) const {
    int n = 0;
    for (const Entry& e : entries)
        if (e.kind == kind) n += static_cast<int>(e.links.size());
    return n;
}

bool ChangeReport::complete() const {
    return std::all_of(files.begin(), files.end(), [](const FileRead& f) { return f.unreadable.isEmpty(); });
}

ChangeReport ChangeReport::Build(Connection& connection, const ReferenceList& list, const QString& folder) {
    return Build(connection, list, ReadListFiles(folder, list.names));
}

ChangeReport ChangeReport::Build(Connection& connection, const ReferenceList& list,
                                 const std::vector<ListFile>& files) {
    const std::vector<ReferenceRow> rows = ReadReferenceRows(connection, list);
    std::vector<LinkRow> links;
    try {
        links = ReadLinks(connection, list);
    } catch (const DbError& e) {
        // A list imported before its link table was made has no links yet.
        if (e.cause() != DbError::Cause::MissingTable) throw;
    }
    return Compare(list, files, rows, links);
}

ChangeReport ChangeReport::Compare(const ReferenceList& list, const std::vector<QStringList>& fileLines,
                                   const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links) {
    std::vector<ListFile> files;
    for (size_t i = 0; i < fileLines.size() && i < size_t(list.names.size()); ++i)
        files.push_back({list.names[qsizetype(i)], {fileLines[i], true}, {}});
    return Compare(list, files, rows, links);
}

ChangeReport ChangeReport::Compare(const ReferenceList& list, const std::vector<ListFile>& listFiles,
                                   const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links) {
    const bool erTable = list.erTable();
    ChangeReport report;
    report.list = list;

    QHash<CodeKey, std::vector<const ReferenceRow*>> rowsByCode;
    for (const ReferenceRow& row : rows) rowsByCode[CodeKey(row.code)].push_back(&row);
    QHash<CodeKey, std::vector<LinkRow>> linksByCode;
    for (const LinkRow& link : links) linksByCode[CodeKey(link.code)].push_back(link);

    std::vector<Entry> added, changed;
    FirstLines read;  // a later line of a code read before is not stored
    for (const ListFile& listFile : listFiles) {
        const QStringList& lines = listFile.text.lines;
        FileRead file{listFile.fileName(), int(lines.size()), 0, {}, {}, listFile.error};
        const bool medicine = ReferenceList::IsMedicineFile(listFile.name);
        if (const auto cutShort = ImportRun::CutShort(listFile.text, erTable))
            file.warnings.push_back(*cutShort);
        for (int n = 0; n < file.lines; ++n) {
            if (ImportRun::IsBlank(lines[n])) {
                ++file.blank;
                continue;
            }
            ImportRun::Fields f = ImportRun::Cut(lines[n], medicine, erTable);
            const QString fault = ImportRun::Fault(f, erTable);
            if (!fault.isEmpty()) {
                file.refused.push_back({n + 1, fault});
                continue;
            }
            const FirstLines::Noted noted = read.Note(file.file, n + 1, f.code, f.description);
            if (noted.conflict) report.conflicts.push_back(*noted.conflict);
            if (!noted.first) continue;
            const CodeKey key(f.code);
            const CodeValues values{f.category, f.description, f.fixedFee, f.chargingUnit};
            const auto found = rowsByCode.constFind(key);
            if (found == rowsByCode.constEnd()) {
                added.push_back({Kind::New, file.file, n + 1, {}, f.code, {}, values, {}, {}});
                continue;
            }
            for (const ReferenceRow* row : *found) {
                CodeValues target = values;
                // The item files carry no fee or unit: the row's own stand.
                if (!erTable) {
                    target.fixedFee = row->values.fixedFee;
                    target.chargingUnit = row->values.chargingUnit;
                }
                const QStringList differing = DifferingValues(row->values, target);
                if (differing.isEmpty()) {
                    ++report.unchanged;
                    continue;
                }
                changed.push_back({Kind::Changed, file.file, n + 1, row->id, f.code, row->values, target, differing,
                                   linksByCode.value(key)});
            }
        }
        report.files.push_back(std::move(file));
    }
    report.entries = std::move(added);
    for (Entry& e : changed) report.entries.push_back(std::move(e));
    // Without every file, a code missing from those read may well be in the one that is not.
    if (!report.complete()) return report;
    for (const ReferenceRow& row : rows) {
        if (read.Has(row.code)) continue;
        report.entries.push_back({Kind::Withdrawn,
                                  {},
                                  0,
                                  row.id,
                                  row.code,
                                  row.values,
                                  {},
                                  {},
                                  linksByCode.value(CodeKey(row.code))});
    }
    return report;
}

QString ChangeReport::Summary() const {
    int refused = 0, warnings = 0;
    for (const FileRead& f : files) {
        refused += int(f.refused.size());
        warnings += int(f.warnings.size());
    }
    const QString withdrawn = complete() ? QStringLiteral("%1 withdrawn (%2)")
                                               .arg(QString::number(count(Kind::Withdrawn)),
                                                    Plural(linksOf(Kind::Withdrawn), "link", "links"))
                                         : QStringLiteral("withdrawn codes unknown");
    QString text =
        QStringLiteral("%1: %2, %3 changed (%4), %5, %6 unchanged, %7")
            .arg(list.table, Plural(count(Kind::New), "new code", "new codes"),
                 QString::number(count(Kind::Changed)), Plural(linksOf(Kind::Changed), "link", "links"),
                 withdrawn, QString::number(unchanged), Plural(refused, "refused line", "refused lines"));
    if (!conflicts.empty())
        text += QStringLiteral(", ") + Plural(int(conflicts.size()), "conflict", "conflicts");
    if (warnings > 0) text += QStringLiteral(", ") + Plural(warnings, "warning", "warnings");
    text += QLatin1Char('.');
    for (const FileRead& f : files) {
        if (!f.unreadable.isEmpty())
            text += QStringLiteral(" %1 cannot be read: its codes are not imported.").arg(f.file);
    }
    return text;
}

QString ChangeReport::Text() const {
    const bool er = list.erTable();
    QStringList out{Summary()};
    for (const FileRead& f : files) {
        if (!f.unreadable.isEmpty()) out << QStringLiteral("%1: %2").arg(f.file, f.unreadable);
    }
    const struct {
        Kind kind;
        const char* heading;
    } sections[] = {{Kind::New, "New codes:"}, {Kind::Changed, "Changed codes:"}, {Kind::Withdrawn, "Withdrawn codes:"}};
    for (const auto& section : sections) {
        if (count(section.kind) == 0) continue;
        out << QString() << QLatin1String(section.heading);
        for (const Entry& e : entries) {
            if (e.kind != section.kind) continue;
            const QString line = QString::number(e.line);
            if (e.kind == Kind::New) {
                out << QStringLiteral("  %1 line %2: %3 | %4").arg(e.file, line, e.code, Values(e.read, er));
            } else if (e.kind == Kind::Changed) {
                out << QStringLiteral("  %1 (row %2, %3 line %4):").arg(e.code, e.rowId, e.file, line);
                for (const QString& change : ChangedValues(e)) out << QStringLiteral("    ") + change;
            } else {
                out << QStringLiteral("  %1 (row %2): %3").arg(e.code, e.rowId, Values(e.stored, er));
            }
            for (const LinkRow& l : e.links) out << QStringLiteral("    ") + LinkText(l);
        }
    }
    if (!conflicts.empty()) {
        out << QString() << QStringLiteral("Codes in two files with different descriptions:");
        for (const CodeConflict& c : conflicts) out << QStringLiteral("  ") + c.Text();
    }
    for (const FileRead& f : files) {
        if (!f.refused.empty()) {
            out << QString() << QStringLiteral("Refused lines of %1:").arg(f.file);
            for (const LineNote& r : f.refused) out << QStringLiteral("  ") + r.Text();
        }
        if (!f.warnings.empty()) {
            out << QString() << QStringLiteral("Warnings of %1:").arg(f.file);
            for (const LineNote& w : f.warnings) out << QStringLiteral("  ") + w.Text();
        }
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList ChangeReport::CsvHeader() {
    return {QStringLiteral("Change"),          QStringLiteral("File"),          QStringLiteral("Line"),
            QStringLiteral("RowID"),           QStringLiteral("Code"),          QStringLiteral("ChangedValues"),
            QStringLiteral("OldCategory"),     QStringLiteral("NewCategory"),   QStringLiteral("OldDescription"),
            QStringLiteral("NewDescription"),  QStringLiteral("OldFixedFee"),   QStringLiteral("NewFixedFee"),
            QStringLiteral("OldChargingUnit"), QStringLiteral("NewChargingUnit"), QStringLiteral("Links"),
            QStringLiteral("LinkID"),          QStringLiteral("LinkItemID"),    QStringLiteral("LinkItemDesc"),
            QStringLiteral("LinkInvOrProc"),   QStringLiteral("LinkRevenueID"), QStringLiteral("LinkSectionID"),
            QStringLiteral("Reason")};
}

csv::Table ChangeReport::Csv() const {
    csv::Table out;
    out.Add(CsvHeader());
    for (const Entry& e : entries) {
        const QString line = e.line > 0 ? QString::number(e.line) : QString();
        QStringList base{KindName(e.kind),       e.file,           line,
                         e.rowId,                e.code,           e.changed.join(QLatin1Char(' ')),
                         e.stored.category,      e.read.category,  e.stored.description,
                         e.read.description,     e.stored.fixedFee, e.read.fixedFee,
                         e.stored.chargingUnit,  e.read.chargingUnit};
        out.Add(base + QStringList{QString::number(e.links.size()), {}, {}, {}, {}, {}, {}, {}});
        for (const LinkRow& l : e.links) {
            QStringList record{KindName(e.kind), e.file, line, e.rowId, e.code};
            while (record.size() < 14) record << QString();
            out.Add(record +
                    QStringList{{}, l.id, l.itemId, l.itemDesc, l.invOrProc, l.revenueId, l.sectionId, {}});
        }
    }
    // A record of the last column's reason alone, for a line or a file as a whole.
    const auto note = [&](const QString& change, const QString& file, int line, const QString& code,
                          const QString& reason) {
        QStringList record{change, file, line > 0 ? QString::number(line) : QString(), {}, code};
        while (record.size() < 21) record << QString();
        out.Add(record << reason);
    };
    for (const CodeConflict& c : conflicts)
        note(QStringLiteral("conflict"), c.file, c.line, c.code, c.Text());
    for (const FileRead& f : files) {
        if (!f.unreadable.isEmpty()) note(QStringLiteral("unreadable"), f.file, 0, {}, f.unreadable);
        for (const LineNote& r : f.refused) note(QStringLiteral("refused"), f.file, r.line, {}, r.reason);
        for (const LineNote& w : f.warnings) note(QStringLiteral("warning"), f.file, w.line, {}, w.reason);
    }
    return out;
}

}  // namespace esoa
