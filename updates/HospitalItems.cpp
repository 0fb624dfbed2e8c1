#include "updates/HospitalItems.h"

#include "app/Connection.h"
#include "app/DbError.h"
#include "app/SqlText.h"

namespace esoa {
namespace {

bool IsInventory(const LinkRow& link) { return link.invOrProc == QLatin1String("INV"); }

const QString kOtherRevenue = QStringLiteral("tbcoOtherRevenue");

}  // namespace

HospitalItems::HospitalItems(Connection& connection, const std::vector<LinkRow>& links) {
    bool anyInventory = false, anyProcedure = false, anyRevenue = false;
    for (const LinkRow& l : links) {
        (IsInventory(l) ? anyInventory : anyProcedure) = true;
        anyRevenue = anyRevenue || (!IsInventory(l) && l.sectionId.isEmpty());
    }
    if (anyInventory) {
        inventory_ = {QStringLiteral("Inventory..tbInvMaster"), QStringLiteral("ItemID"), QStringLiteral("ItemName"), {}, {}};
        Load(connection, inventory_, true);
    }
    if (!anyProcedure) return;

    std::vector<Table> wanted{{kOtherRevenue, QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue"), {}, {}}};
    if (anyRevenue) {
        const ReadResult revenues = connection.Read(
            QStringLiteral("SELECT RevenueID,ExamTableName,IDFieldName,ExamFieldName FROM [Build_FIle].[dbo].[tbRevenues] "
                           "WITH (NOLOCK)"),
            CursorType::ForwardOnly, LockType::ReadOnly);
        for (const QStringList& r : revenues.rows) {
            if (r[1].isEmpty()) continue;
            revenues_.insert(CodeKey(r[0]), CodeKey(r[1]));
            wanted.push_back({r[1], r[2], r[3], {}, {}});
        }
    }
    for (Table& table : wanted) {
        const QString key = CodeKey(table.name);
        if (exams_.contains(key)) continue;
        Load(connection, table, false);
        exams_.insert(key, std::move(table));
    }
}

void HospitalItems::Load(Connection& connection, Table& table, bool inventory) {
    // The exam table's names come from the revenue table's data and stand in the statement as names.
    for (const QString& name : {table.name, table.idField, table.nameField}) {
        if (!inventory && !sql::IsPlainName(name)) {
            table.note = QStringLiteral("the exam table or column name \"%1\" is not a plain name").arg(name);
            return;
        }
    }
    const QString statement =
        inventory ? QStringLiteral("SELECT ItemID,ItemName,itemstatus FROM Inventory..tbInvMaster WITH (NOLOCK)")
                  : QStringLiteral("SELECT ") + table.idField + QLatin1Char(',') + table.nameField +
                        QStringLiteral(",Status FROM [Build_FIle].[dbo].[") + table.name +
                        QStringLiteral("] WITH (NOLOCK)");
    ReadResult result;
    try {
        result = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    } catch (const DbError& e) {
        if (inventory || e.cause() != DbError::Cause::MissingTable) throw;
        table.note = QStringLiteral("the exam table %1 does not exist").arg(table.name);
        return;
    }
    for (const QStringList& r : result.rows) {
        const bool active = inventory ? r[2].trimmed() == QLatin1String("0") : CodeKey(r[2]) == QLatin1String("a");
        table.items.insert(CodeKey(r[0]), {active ? State::Active : State::Inactive, r[1], table.name, {}});
    }
}

const HospitalItems::Table* HospitalItems::TableOf(const LinkRow& link) const {
    if (IsInventory(link)) return &inventory_;
    QString key = CodeKey(kOtherRevenue);
    if (link.sectionId.isEmpty()) key = revenues_.value(CodeKey(link.revenueId), key);
    const auto found = exams_.constFind(key);
    return found == exams_.constEnd() ? nullptr : &*found;
}

HospitalItems::Item HospitalItems::Find(const LinkRow& link) const {
    const Table* table = TableOf(link);
    if (!table) return {};
    const auto found = table->items.constFind(CodeKey(link.itemId));
    if (found != table->items.constEnd()) return *found;
    return {State::Missing, {}, table->name, table->note};
}

}  // namespace esoa
