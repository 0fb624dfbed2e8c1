#include "core/ListData.h"

#include "database/Connection.h"
#include "database/Money.h"

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

std::vector<ReferenceRow> ReadReferenceRows(Connection& connection, const ReferenceList& list) {
    const ReadResult result = connection.Read(
        QStringLiteral("SELECT ID,Code,Category,Description,FixedFee,ChargingUnit FROM [Build_FIle].[dbo].[") +
            list.table + QStringLiteral("] WITH (NOLOCK) ORDER BY ID"),
        CursorType::ForwardOnly, LockType::ReadOnly);
    std::vector<ReferenceRow> rows;
    rows.reserve(result.rows.size());
    for (const QStringList& r : result.rows) rows.push_back({r[0], r[1], {r[2], r[3], r[4], r[5]}});
    return rows;
}

std::vector<LinkRow> ReadLinks(Connection& connection, const ReferenceList& list) {
    const ReadResult result = connection.Read(
        QStringLiteral("SELECT ID,Code,Category,Description,FixedFee,ChargingUnit,ItemID,ItemDesc,InvOrProc,"
                       "RevenueID,SectionID,SortOrder FROM [Build_FIle].[dbo].[") +
            list.linkTable() + QStringLiteral("] WITH (NOLOCK) ORDER BY ID"),
        CursorType::ForwardOnly, LockType::ReadOnly);
    std::vector<LinkRow> links;
    links.reserve(result.rows.size());
    for (const QStringList& r : result.rows)
        links.push_back({r[0], r[1], {r[2], r[3], r[4], r[5]}, r[6], r[7], r[8], r[9], r[10], r[11]});
    return links;
}

}  // namespace esoa
