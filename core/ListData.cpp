#include "core/ListData.h"

#include "database/Connection.h"
#include "database/Money.h"

namespace esoa {

ReferenceList ReferenceList::Item() {
    return {QStringLiteral("ESOA_ITEM"), {QStringLiteral("ESOA_ITEM"), QStringLiteral("ESOA_MEDICINE")}};
}

ReferenceList ReferenceList::Er() { return {QStringLiteral("ESOA_ER"), {QStringLiteral("ESOA_ER")}}; }

std::optional<ReferenceList> ReferenceList::Named(const QString& name) {
    if (name.compare(QLatin1String("item"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("ESOA_ITEM"), Qt::CaseInsensitive) == 0)
        return Item();
    if (name.compare(QLatin1String("er"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("ESOA_ER"), Qt::CaseInsensitive) == 0)
        return Er();
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
