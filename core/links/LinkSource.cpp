#include "core/links/LinkSource.h"

#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "core/ListData.h"
#include "core/routing/ExamTableNames.h"

namespace esoa {

ItemTable ItemTable::Inventory() {
    return {QStringLiteral("Inventory..tbInvMaster"), QStringLiteral("ItemID"), QStringLiteral("ItemName"),
            true};
}

ItemTable ItemTable::OtherRevenue() {
    const ExamTableNames names = ExamTableNames::OtherRevenue();
    return {names.table, names.idField, names.nameField, false};
}

QString ItemTable::Reference() const {
    return inventory ? name : QStringLiteral("[Build_FIle].[dbo].[") + name + QLatin1Char(']');
}

QString ItemTable::statusField() const {
    return inventory ? QStringLiteral("itemstatus") : QStringLiteral("Status");
}

bool ItemTable::IsActive(const QString& status) const {
    return inventory ? status.trimmed() == QLatin1String("0") : CodeKey(status) == CodeKey(QStringLiteral("A"));
}

RevenueExamTables RevenueExamTables::ReadAll(Connection& connection) {
    return Read(connection, QStringLiteral("SELECT RevenueID,ExamTableName,IDFieldName,ExamFieldName FROM "
                                           "[Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK)"));
}

RevenueExamTables RevenueExamTables::ReadOne(Connection& connection, const QString& revenueId) {
    return Read(connection,
                QStringLiteral("SELECT RevenueID,ExamTableName,IDFieldName,ExamFieldName FROM "
                               "[Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE RevenueID = '") +
                    sql::Escaped(revenueId) + QStringLiteral("'"));
}

RevenueExamTables RevenueExamTables::Read(Connection& connection, const QString& statement) {
    RevenueExamTables tables;
    const ReadResult revenues = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    for (const QStringList& r : revenues.rows) {
        if (r.value(1).isEmpty()) continue;
        tables.byRevenue_.insert(CodeKey(r.value(0)), {r.value(1), r.value(2), r.value(3), false});
    }
    return tables;
}

const ItemTable* RevenueExamTables::Of(const QString& revenueId) const {
    const auto found = byRevenue_.constFind(CodeKey(revenueId));
    return found == byRevenue_.constEnd() ? nullptr : &*found;
}

bool LinkSource::NeedsRevenueTables() const {
    return invOrProc_ != QLatin1String("INV") && sectionId_.isEmpty();
}

ItemTable LinkSource::Table(const RevenueExamTables& revenues) const {
    if (invOrProc_ == QLatin1String("INV")) return ItemTable::Inventory();
    if (NeedsRevenueTables()) {
        if (const ItemTable* exam = revenues.Of(revenueId_)) return *exam;
    }
    return ItemTable::OtherRevenue();
}

QString LinkSource::Described() const {
    return QStringLiteral("%1, revenue '%2', section '%3'").arg(invOrProc_, revenueId_, sectionId_);
}

void RequirePlainNames(const ItemTable& table) {
    if (table.inventory) return;
    for (const QString& name : {table.name, table.idField, table.nameField}) {
        if (!sql::IsPlainName(name))
            throw DbError(
                QStringLiteral("The exam table or column name \"%1\" is not a plain name.").arg(name), {}, {},
                DbError::Cause::Statement);
    }
}

}  // namespace esoa
