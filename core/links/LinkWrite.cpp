#include "core/links/LinkWrite.h"

#include "database/Connection.h"
#include "database/RetryOnBusy.h"
#include "database/SqlText.h"
#include "core/links/LinkSource.h"

namespace esoa {
namespace {

// Inside the write's transaction: the item is a row of its source, or nothing is written.
void RequireItemInSource(Connection& connection, const LinkValues& link, const ItemTable& table,
                         const LinkSource& source) {
    const QString statement = QStringLiteral("SELECT COUNT(*) FROM ") + table.Reference() +
                              QStringLiteral(" WHERE ") + table.idField + QStringLiteral(" = '") +
                              sql::Escaped(link.itemId) + QStringLiteral("'");
    bool found = false;
    try {
        const ReadResult count = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
        found = !count.rows.empty() && count.rows.front().value(0) != QLatin1String("0");
    } catch (const DbError& e) {
        // SQL Server cannot even compare a text that is no number with a numeric key: no such row.
        if (!e.causedByValue()) throw;
    }
    if (found) return;
    throw ItemNotInSource(QStringLiteral("Item %1 is not a row of %2 (%3): the link was not saved.")
                              .arg(link.itemId, table.name, source.Described()),
                          {}, statement, DbError::Cause::Value);
}

}  // namespace

void WriteLink(Connection& connection, const LinkValues& link) {
    const LinkSource source(link.invOrProc, link.revenueId, link.sectionId);
    const ItemTable table = source.Table(source.NeedsRevenueTables()
                                             ? RevenueExamTables::ReadOne(connection, link.revenueId)
                                             : RevenueExamTables());
    RequirePlainNames(table);

    // UPDLOCK, HOLDLOCK: on SQL Server the lookup locks the pair's key range until the commit, so a
    // second workstation saving the same hospital item waits here instead of inserting it too. The
    // embedded database's write lock, taken when the transaction begins, does the same.
    const QString statement = QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") + link.table +
                              QStringLiteral("_LINK ") + QStringLiteral("WITH (UPDLOCK, HOLDLOCK) ") +
                              QStringLiteral(" WHERE ") + QStringLiteral("     RevenueID ='") +
                              sql::Escaped(link.revenueId) + QStringLiteral("'") +
                              QStringLiteral(" AND ItemID    ='") + sql::Escaped(link.itemId) +
                              QStringLiteral("'");
    RetryOnBusy(connection, [&] {
        Transaction transaction(connection);
        RequireItemInSource(connection, link, table, source);
        Recordset rs = connection.OpenRecordset(statement, CursorType::Dynamic, LockType::Optimistic);
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField(QStringLiteral("ItemID"), link.itemId);
            rs.SetField(QStringLiteral("RevenueID"), link.revenueId);
        }
        rs.SetField(QStringLiteral("ItemDesc"), link.itemDesc);
        rs.SetField(QStringLiteral("InvOrProc"), link.invOrProc);
        rs.SetField(QStringLiteral("CODE"), link.code);
        rs.SetField(QStringLiteral("SectionID"), link.sectionId);
        rs.SetField(QStringLiteral("Category"), link.category);
        rs.SetField(QStringLiteral("Description"), link.description);
        rs.SetField(QStringLiteral("FixedFee"), link.fixedFee);
        rs.SetField(QStringLiteral("ChargingUnit"), link.chargingUnit);
        rs.Update();
        rs.Close();
        transaction.Commit();
    });
}

}  // namespace esoa
