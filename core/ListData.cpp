#include "core/ListData.h"

#include <stdexcept>

#include "database/Connection.h"
#include "database/Money.h"
#include "database/SqlText.h"

namespace esoa {
namespace {

const QLatin1String kItemTable("ESOA_ITEM"), kErTable("ESOA_ER"), kMedicineName("ESOA_MEDICINE");

}  // namespace

ReferenceList ReferenceList::Item() {
    return {kItemTable, {kItemTable, kMedicineName}, QStringLiteral("item"), 0, QStringLiteral("ESOA ITEM")};
}

ReferenceList ReferenceList::Er() {
    return {kErTable, {kErTable}, QStringLiteral("er"), 1, QStringLiteral("PHIC ER Item")};
}

bool ReferenceList::IsErTable(const QString& table) {
    return table == kErTable;
}

bool ReferenceList::IsMedicineFile(const QString& name) {
    return name == kMedicineName;
}

std::vector<ReferenceList> ReferenceList::All() {
    return {Item(), Er()};
}

std::optional<ReferenceList> ReferenceList::Named(const QString& name) {
    for (ReferenceList& list : All()) {
        if (name.compare(list.word, Qt::CaseInsensitive) == 0 ||
            name.compare(list.table, Qt::CaseInsensitive) == 0)
            return std::move(list);
    }
    return std::nullopt;
}

std::optional<ReferenceList> ReferenceList::OfTable(const QString& table) {
    for (ReferenceList& list : All()) {
        if (list.table == table) return std::move(list);
    }
    return std::nullopt;
}

std::optional<ReferenceList> ReferenceList::AtOption(int index) {
    for (ReferenceList& list : All()) {
        if (list.option == index) return std::move(list);
    }
    return std::nullopt;
}

bool SameFee(const QString& a, const QString& b) {
    if (a == b) return true;
    const QString ta = a.trimmed(), tb = b.trimmed();
    if (ta.isEmpty() || tb.isEmpty()) return ta.isEmpty() && tb.isEmpty();
    const auto ma = sql::ParseMoney(ta), mb = sql::ParseMoney(tb);
    if (ma && mb) return *ma == *mb;
    return a == b;
}

QStringList DifferingValues(const CodeValues& from, const CodeValues& to) {
    QStringList names;
    if (from.category != to.category) names << QStringLiteral("Category");
    if (from.description != to.description) names << QStringLiteral("Description");
    if (!SameFee(from.fixedFee, to.fixedFee)) names << QStringLiteral("FixedFee");
    if (from.chargingUnit != to.chargingUnit) names << QStringLiteral("ChargingUnit");
    return names;
}

void ForEachReferenceRow(Connection& connection, const ReferenceList& list,
                         const std::function<void(const ReferenceRow& row)>& onRow) {
    connection.ReadEach(
        QStringLiteral(
            "SELECT ID,Code,Category,Description,FixedFee,ChargingUnit FROM [Build_FIle].[dbo].[") +
            list.table + QStringLiteral("] WITH (NOLOCK) ORDER BY ID"),
        [&onRow](const QStringList& r) { onRow({r[0], r[1], {r[2], r[3], r[4], r[5]}}); });
}

std::vector<ReferenceRow> ReadReferenceRows(Connection& connection, const ReferenceList& list) {
    std::vector<ReferenceRow> rows;
    ForEachReferenceRow(connection, list, [&rows](const ReferenceRow& row) { rows.push_back(row); });
    return rows;
}

QString LinkColumns(const QString& alias) {
    static const QStringList columns{
        QStringLiteral("ID"),          QStringLiteral("Code"),      QStringLiteral("Category"),
        QStringLiteral("Description"), QStringLiteral("FixedFee"),  QStringLiteral("ChargingUnit"),
        QStringLiteral("ItemID"),      QStringLiteral("ItemDesc"),  QStringLiteral("InvOrProc"),
        QStringLiteral("RevenueID"),   QStringLiteral("SectionID"), QStringLiteral("SortOrder")};
    if (alias.isEmpty()) return columns.join(QLatin1Char(','));
    const QString dot = alias + QLatin1Char('.');
    return dot + columns.join(QLatin1Char(',') + dot);
}

LinkRow LinkRowFrom(const QStringList& cells, qsizetype first) {
    const auto at = [&](qsizetype i) { return cells.value(first + i); };
    return {at(0), at(1), {at(2), at(3), at(4), at(5)}, at(6), at(7), at(8), at(9), at(10), at(11)};
}

std::vector<LinkRow> ReadLinks(Connection& connection, const ReferenceList& list) {
    std::vector<LinkRow> links;
    connection.ReadEach(QStringLiteral("SELECT ") + LinkColumns() + QStringLiteral(" FROM [Build_FIle].[dbo].[") +
                            list.linkTable() + QStringLiteral("] WITH (NOLOCK) ORDER BY ID"),
                        [&links](const QStringList& r) { links.push_back(LinkRowFrom(r)); });
    return links;
}

namespace {

// The rows of `table` with the given IDs, 500 to a statement.
std::vector<QStringList> RowsById(Connection& connection, const QString& columns, const QString& table,
                                  const QStringList& ids, const QString& hint) {
    constexpr qsizetype kBatch = 500;
    std::vector<QStringList> rows;
    for (qsizetype from = 0; from < ids.size(); from += kBatch) {
        const QStringList batch = ids.mid(from, kBatch);
        for (const QString& id : batch) {
            if (!sql::IsRowId(id))
                throw std::invalid_argument(QStringLiteral("'%1' is not a row ID").arg(id).toStdString());
        }
        const ReadResult result = connection.Read(
            QStringLiteral("SELECT %1 FROM [Build_FIle].[dbo].[%2] WITH (%3) WHERE ID IN (%4) ORDER BY ID")
                .arg(columns, table, hint, batch.join(QLatin1Char(','))),
            CursorType::ForwardOnly, LockType::ReadOnly);
        rows.insert(rows.end(), result.rows.begin(), result.rows.end());
    }
    return rows;
}

}  // namespace

std::vector<LinkRow> ReadLinksById(Connection& connection, const ReferenceList& list, const QStringList& ids,
                                   const QString& hint) {
    std::vector<LinkRow> links;
    for (const QStringList& r : RowsById(connection, LinkColumns(), list.linkTable(), ids, hint))
        links.push_back(LinkRowFrom(r));
    return links;
}

std::vector<ReferenceRow> ReadReferenceRowsById(Connection& connection, const ReferenceList& list,
                                                const QStringList& ids, const QString& hint) {
    std::vector<ReferenceRow> out;
    for (const QStringList& r :
         RowsById(connection, QStringLiteral("ID,Code,Category,Description,FixedFee,ChargingUnit"),
                  list.table, ids, hint))
        out.push_back({r[0], r[1], {r[2], r[3], r[4], r[5]}});
    return out;
}

}  // namespace esoa
