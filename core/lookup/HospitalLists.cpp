#include "core/lookup/HospitalLists.h"

namespace esoa {

QString RevenueCodesStatement(bool inventory, const QString& order) {
    QString statement = QStringLiteral(
        "select RevenueID,itemname from Build_FIle..tbcorevenuecode WITH (NOLOCK)  where Recordstatus='A' ");
    if (inventory) {
        statement += QStringLiteral(" AND (LocationID IS NOT NULL AND LocationID <> '')");
    } else {
        statement += QStringLiteral(" AND (LocationID IS NULL OR LocationID = '')");
    }
    return statement + QStringLiteral("ORDER BY ") + order;
}

QString ActiveInventoryStatement(int top) {
    const QString columns = QStringLiteral("A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName  ");
    return QStringLiteral(" SELECT ") + (top > 0 ? QStringLiteral("TOP %1 ").arg(top) : QString()) + columns +
           QStringLiteral("  FROM Inventory..tbInvMaster A  WITH (NOLOCK)   ") +
           QStringLiteral(" LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID ") +
           QStringLiteral(" WHERE  a.itemstatus = 0 ");
}

}  // namespace esoa
