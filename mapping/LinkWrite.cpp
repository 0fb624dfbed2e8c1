#include "mapping/LinkWrite.h"

#include "app/Connection.h"
#include "app/RetryOnBusy.h"
#include "app/SqlText.h"

namespace esoa {

void WriteLink(Connection& connection, const LinkValues& link) {
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
