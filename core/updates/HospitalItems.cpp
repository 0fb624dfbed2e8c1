#include "core/updates/HospitalItems.h"

#include "database/Connection.h"
#include "database/DbError.h"

namespace esoa {

HospitalItems::HospitalItems(Connection& connection, const std::vector<LinkRow>& links) {
    bool anyRevenue = false;
    for (const LinkRow& l : links)
        anyRevenue = anyRevenue || LinkSource(l.invOrProc, l.revenueId, l.sectionId).NeedsRevenueTables();
    if (anyRevenue) revenues_ = RevenueExamTables::ReadAll(connection);
    for (const LinkRow& l : links) {
        const ItemTable source = TableOf(l);
        const CodeKey key(source.name);
        if (tables_.contains(key)) continue;
        Table table{source, {}, {}};
        Load(connection, table);
        tables_.insert(key, std::move(table));
    }
}

void HospitalItems::Load(Connection& connection, Table& table) {
    const ItemTable& source = table.source;
    try {
        RequirePlainNames(source);
    } catch (const DbError& e) {
        table.note = e.description();
        return;
    }
    const QString statement =
        source.inventory
            ? QStringLiteral("SELECT ItemID,ItemName,itemstatus FROM Inventory..tbInvMaster WITH (NOLOCK)")
            : QStringLiteral("SELECT ") + source.idField + QLatin1Char(',') + source.nameField +
                  QStringLiteral(",Status FROM [Build_FIle].[dbo].[") + source.name +
                  QStringLiteral("] WITH (NOLOCK)");
    ReadResult result;
    try {
        result = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    } catch (const DbError& e) {
        if (source.inventory || e.cause() != DbError::Cause::MissingTable) throw;
        table.note = QStringLiteral("the exam table %1 does not exist").arg(source.name);
        return;
    }
    const CodeKey activeStatus(QStringLiteral("A"));
    for (const QStringList& r : result.rows) {
        const bool active =
            source.inventory ? r[2].trimmed() == QLatin1String("0") : CodeKey(r[2]) == activeStatus;
        table.items.insert(CodeKey(r[0]), {active ? State::Active : State::Inactive, r[1], source.name, {}});
    }
}

ItemTable HospitalItems::TableOf(const LinkRow& link) const {
    return LinkSource(link.invOrProc, link.revenueId, link.sectionId).Table(revenues_);
}

HospitalItems::Item HospitalItems::Find(const LinkRow& link) const {
    const auto found = tables_.constFind(CodeKey(TableOf(link).name));
    if (found == tables_.constEnd()) return {};
    const auto item = found->items.constFind(CodeKey(link.itemId));
    if (item != found->items.constEnd()) return *item;
    return {State::Missing, {}, found->source.name, found->note};
}

}  // namespace esoa
