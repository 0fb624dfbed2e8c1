#pragma once

#include <QString>

#include "core/links/LinkSource.h"

namespace esoa {

class Connection;

// How a statement over a link table (alias L) reads, through an item table, the item that a link's
// ItemID names: a LEFT OUTER JOIN whose key is looked up by the database's own index, one link at a
// time, so that only the items the links point at are read. Valid T-SQL on both backends.
//
// The item is matched as the database compares the two columns. A numeric key is compared only with
// an ItemID of at most nine digits (trailing blanks aside): SQL Server would fail the whole statement
// on a text it cannot convert, and no other text can name such an item. Callers that need the
// program's own match (CodeKey) check the key read back.
class ItemJoin {
public:
    // Reads the table's key, name and status columns once (one row at most) and learns whether the
    // key is a number. Throws DbError: the table or a column is missing, or a name is not plain.
    ItemJoin(Connection& connection, const ItemTable& table, const QString& alias);

    const ItemTable& table() const { return table_; }
    // "T1.ItemID,T1.ItemName,T1.itemstatus": the key, name and status, in that order.
    QString Columns() const;
    // " LEFT OUTER JOIN Inventory..tbInvMaster T1 WITH (NOLOCK) ON T1.ItemID = CASE WHEN (when) ... THEN
    // L.ItemID END": a link is looked up only where `when` (a condition on L) holds. `extra`, when
    // given, is ANDed to the join ("T1.itemstatus = 0").
    QString Join(const QString& when, const QString& extra = {}) const;

private:
    ItemTable table_;
    QString alias_;
    bool numericKey_ = false;
};

}  // namespace esoa
