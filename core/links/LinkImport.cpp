#include "core/links/LinkImport.h"

#include <QHash>
#include <stdexcept>

#include "core/history/Action.h"
#include "core/updates/HospitalItems.h"
#include "database/CodeKey.h"
#include "database/Connection.h"

namespace esoa {
namespace {

// The window's spreadsheet export leads a formula-like text with an apostrophe; the file may come
// straight from there.
QString Cell(const QStringList& fields, qsizetype column) {
    const QString value = fields.value(column);
    if (value.size() < 2 || value.front() != u'\'') return value;
    const QChar next = value[1];
    const bool formula =
        next == u'=' || next == u'+' || next == u'-' || next == u'@' || next == u'\t' || next == u'\r';
    return formula ? value.mid(1) : value;
}

struct Row {
    int line = 0;
    LinkRow link;  // ItemID, InvOrProc, RevenueID, SectionID and the code as the file gives them
};

// The first failed check of a row's own values, or empty.
QString ValueProblem(const Row& row) {
    const struct {
        const char* name;
        const QString& value;
        int most;
    } values[] = {{"Code", row.link.code, 50},
                  {"ItemID", row.link.itemId, 50},
                  {"RevenueID", row.link.revenueId, 20},
                  {"SectionID", row.link.sectionId, 20}};
    for (const auto& v : values) {
        if (v.value.size() > v.most)
            return QStringLiteral("%1 is longer than %2 characters").arg(QLatin1String(v.name)).arg(v.most);
    }
    if (row.link.code.isEmpty()) return QStringLiteral("no Code");
    if (row.link.itemId.isEmpty()) return QStringLiteral("no ItemID");
    if (row.link.invOrProc != QLatin1String("INV") && row.link.invOrProc != QLatin1String("PROC"))
        return QStringLiteral("InvOrProc must be INV or PROC, not \"%1\"").arg(row.link.invOrProc);
    return {};
}

}  // namespace

QStringList LinkImport::Needed() {
    return {QStringLiteral("Code"), QStringLiteral("ItemID"), QStringLiteral("InvOrProc"),
            QStringLiteral("RevenueID"), QStringLiteral("SectionID")};
}

LinkImport::Result LinkImport::Run(history::Action& action, const std::vector<csv::ReadRecord>& records,
                                   bool dryRun) {
    if (records.empty()) throw std::runtime_error("The file has no header line.");
    const QStringList& header = records.front().fields;
    std::vector<qsizetype> column;
    QStringList missing;
    for (const QString& name : Needed()) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < header.size() && at < 0; ++i) {
            if (header[i].trimmed().compare(name, Qt::CaseInsensitive) == 0) at = i;
        }
        if (at < 0) missing << name;
        column.push_back(at);
    }
    if (!missing.isEmpty())
        throw std::runtime_error(
            QStringLiteral("The header line (line %1) has no column %2; the columns %3 are needed.")
                .arg(records.front().line)
                .arg(missing.join(QStringLiteral(", ")), Needed().join(QStringLiteral(", ")))
                .toStdString());

    Result result;
    std::vector<Row> rows;
    for (size_t r = 1; r < records.size(); ++r) {
        const csv::ReadRecord& record = records[r];
        ++result.rows;
        Row row;
        row.line = record.line;
        row.link.code = Cell(record.fields, column[0]);
        row.link.itemId = Cell(record.fields, column[1]);
        row.link.invOrProc = Cell(record.fields, column[2]);
        row.link.revenueId = Cell(record.fields, column[3]);
        row.link.sectionId = Cell(record.fields, column[4]);
        const qsizetype last = *std::max_element(column.begin(), column.end());
        QString problem = record.fields.size() <= last ? QStringLiteral("%1 fields where the header has %2")
                                                             .arg(record.fields.size())
                                                             .arg(header.size())
                                                       : ValueProblem(row);
        if (!problem.isEmpty()) {
            result.refused.push_back({row.line, problem});
            continue;
        }
        rows.push_back(row);
    }

    Connection& connection = action.connection();
    const ReferenceList& list = action.list();
    QHash<CodeKey, ReferenceRow> codes;
    for (const ReferenceRow& r : ReadReferenceRows(connection, list)) {
        if (!codes.contains(CodeKey(r.code))) codes.insert(CodeKey(r.code), r);  // the lookup finds the first
    }
    std::vector<LinkRow> links;
    for (const Row& row : rows) links.push_back(row.link);
    const HospitalItems items(connection, links);

    std::vector<LinkValues> good;
    QHash<std::pair<CodeKey, CodeKey>, int> seen;  // item and revenue -> the line that names them first
    for (const Row& row : rows) {
        const LinkRow& l = row.link;
        QString problem;
        const HospitalItems::Item item = items.Find(l);
        const std::pair<CodeKey, CodeKey> pair{CodeKey(l.revenueId), CodeKey(l.itemId)};
        if (!codes.contains(CodeKey(l.code))) {
            problem = QStringLiteral("code %1 is not in %2").arg(l.code, list.table);
        } else if (!item.note.isEmpty()) {
            problem = QStringLiteral("item %1 cannot be looked for: %2").arg(l.itemId, item.note);
        } else if (item.state == HospitalItems::State::Missing) {
            problem = QStringLiteral("item %1 is not in %2 (InvOrProc %3, RevenueID '%4', SectionID '%5')")
                          .arg(l.itemId, item.table, l.invOrProc, l.revenueId, l.sectionId);
        } else if (item.state == HospitalItems::State::Inactive) {
            problem = QStringLiteral("item %1 is inactive in %2").arg(l.itemId, item.table);
        } else if (item.name.size() > 250) {
            problem = QStringLiteral("the name of item %1 is longer than 250 characters").arg(l.itemId);
        } else if (seen.contains(pair)) {
            problem = QStringLiteral("the same item and revenue as line %1").arg(seen.value(pair));
        }
        if (!problem.isEmpty()) {
            result.refused.push_back({row.line, problem});
            continue;
        }
        seen.insert(pair, row.line);
        const ReferenceRow& code = codes.value(CodeKey(l.code));
        good.push_back({list.table, l.itemId, l.revenueId, item.name, l.invOrProc, code.code, l.sectionId,
                        code.values.category, code.values.description, code.values.fixedFee,
                        code.values.chargingUnit});
    }
    std::sort(result.refused.begin(), result.refused.end(),
              [](const Refusal& a, const Refusal& b) { return a.line < b.line; });
    result.good = int(good.size());
    if (dryRun || good.empty()) return result;
    action.Transact([&] {
        result.outcomes.clear();
        for (const LinkValues& link : good) result.outcomes.push_back(SaveLink(action, link));
    });
    result.stored = int(result.outcomes.size());
    return result;
}

}  // namespace esoa
