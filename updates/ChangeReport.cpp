#include "updates/ChangeReport.h"

#include <QDir>
#include <QHash>
#include <stdexcept>

#include "app/DbError.h"
#include "reference/NextToken.h"
#include "reference/ReferenceFile.h"
#include "updates/Csv.h"

namespace esoa {
namespace {

using Kind = ChangeReport::Kind;

QString FileName(const QString& name) { return name + QStringLiteral(".csv"); }

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
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
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

ChangeReport ChangeReport::Build(Connection& connection, const ReferenceList& list, const QString& folder) {
    std::vector<QStringList> lines;
    for (const QString& name : list.names) lines.push_back(ReadReferenceFile(QDir(folder).filePath(FileName(name))));
    const std::vector<ReferenceRow> rows = ReadReferenceRows(connection, list);
    std::vector<LinkRow> links;
    try {
        links = ReadLinks(connection, list);
    } catch (const DbError& e) {
        // A list imported before its link table was made has no links yet.
        if (e.cause() != DbError::Cause::MissingTable) throw;
    }
    return Compare(list, lines, rows, links);
}

ChangeReport ChangeReport::Compare(const ReferenceList& list, const std::vector<QStringList>& fileLines,
                                   const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links) {
    const bool erTable = list.erTable();
    ChangeReport report;
    report.list = list;

    QHash<QString, std::vector<const ReferenceRow*>> rowsByCode;
    for (const ReferenceRow& row : rows) rowsByCode[CodeKey(row.code)].push_back(&row);
    QHash<QString, std::vector<LinkRow>> linksByCode;
    for (const LinkRow& link : links) linksByCode[CodeKey(link.code)].push_back(link);

    std::vector<Entry> added, changed;
    QHash<QString, bool> read;  // codes read so far: a later line of the same code is not stored
    for (size_t i = 0; i < fileLines.size() && i < size_t(list.names.size()); ++i) {
        const QString& name = list.names[qsizetype(i)];
        FileRead file{FileName(name), int(fileLines[i].size()), {}};
        const bool medicine = name == QLatin1String("ESOA_MEDICINE");
        for (int n = 0; n < file.lines; ++n) {
            ImportRun::Fields f = ImportRun::Cut(fileLines[i][n], medicine, erTable);
            const QString fault = ImportRun::Fault(f, erTable);
            if (!fault.isEmpty()) {
                file.refused.push_back({n + 1, fault});
                continue;
            }
            const QString key = CodeKey(f.code);
            if (read.contains(key)) continue;
            read.insert(key, true);
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
    for (const ReferenceRow& row : rows) {
        const QString key = CodeKey(row.code);
        if (read.contains(key)) continue;
        report.entries.push_back({Kind::Withdrawn, {}, 0, row.id, row.code, row.values, {}, {}, linksByCode.value(key)});
    }
    return report;
}

QString ChangeReport::Summary() const {
    int refused = 0;
    for (const FileRead& f : files) refused += int(f.refused.size());
    return QStringLiteral("%1: %2, %3 changed (%4), %5 withdrawn (%6), %7 unchanged, %8.")
        .arg(list.table, Plural(count(Kind::New), "new code", "new codes"))
        .arg(count(Kind::Changed))
        .arg(Plural(linksOf(Kind::Changed), "link", "links"))
        .arg(count(Kind::Withdrawn))
        .arg(Plural(linksOf(Kind::Withdrawn), "link", "links"))
        .arg(unchanged)
        .arg(Plural(refused, "refused line", "refused lines"));
}

QString ChangeReport::Text() const {
    const bool er = list.erTable();
    QStringList out{Summary()};
    const struct {
        Kind kind;
        const char* heading;
    } sections[] = {{Kind::New, "New codes:"}, {Kind::Changed, "Changed codes:"}, {Kind::Withdrawn, "Withdrawn codes:"}};
    for (const auto& section : sections) {
        if (count(section.kind) == 0) continue;
        out << QString() << QLatin1String(section.heading);
        for (const Entry& e : entries) {
            if (e.kind != section.kind) continue;
            if (e.kind == Kind::New) {
                out << QStringLiteral("  %1 line %2: %3 | %4").arg(e.file).arg(e.line).arg(e.code, Values(e.read, er));
            } else if (e.kind == Kind::Changed) {
                out << QStringLiteral("  %1 (row %2, %3 line %4):").arg(e.code, e.rowId, e.file).arg(e.line);
                for (const QString& line : ChangedValues(e)) out << QStringLiteral("    ") + line;
            } else {
                out << QStringLiteral("  %1 (row %2): %3").arg(e.code, e.rowId, Values(e.stored, er));
            }
            for (const LinkRow& l : e.links) out << QStringLiteral("    ") + LinkText(l);
        }
    }
    for (const FileRead& f : files) {
        if (f.refused.empty()) continue;
        out << QString() << QStringLiteral("Refused lines of %1:").arg(f.file);
        for (const RefusedLine& r : f.refused) out << QStringLiteral("  ") + r.Text();
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
    for (const FileRead& f : files) {
        for (const RefusedLine& r : f.refused) {
            QStringList record{QStringLiteral("refused"), f.file, QString::number(r.line)};
            while (record.size() < 21) record << QString();
            out.Add(record << r.reason);
        }
    }
    return out;
}

}  // namespace esoa
