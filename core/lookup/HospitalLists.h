#pragma once

#include <QString>

namespace esoa {

// The statements that read the hospital's own lists, each written once for every reader (the window's
// lists and searches, the suggestions, the coverage). Valid T-SQL on both backends.

// The active revenue codes of tbcorevenuecode (RevenueID, itemname): those of the inventory (with a
// location) or those of the procedures (without), ordered by `order`, a column name of the statement.
QString RevenueCodesStatement(bool inventory, const QString& order = QStringLiteral("itemname"));

// The active inventory items with their generic names (A.ItemID, A.ItemName, A.ItemDesc, B.GenericName;
// A the inventory master, B the generics), the first `top` only when `top` > 0. Conditions follow
// as " AND ...", then an ORDER BY if wanted.
QString ActiveInventoryStatement(int top = 0);

}  // namespace esoa
