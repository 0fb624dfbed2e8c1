#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "core/ListData.h"
#include "core/links/LinkSource.h"
#include "database/CodeKey.h"

namespace esoa {

class Connection;

// The links of a list with the hospital items they point at, as they stand now, each item looked for
// in the table its link's source names (LinkSource): an inventory item is active when its itemstatus
// is 0, a procedure when its Status is "A". Item IDs, revenue IDs and the status are matched as the
// database matches texts (CodeKey).
//
// One statement reads the links in ID order, joined (ItemJoin) with the tables their items may be in:
// the inventory, the exam tables that tbRevenues names for the revenues the links use, and the
// other-revenue table. Each link is handed on as soon as its rows are read, so only the link under
// way is held and only the items that links point at are read.
class HospitalItems {
public:
    enum class State { Active, Inactive, Missing };
    struct Item {
        State state = State::Missing;
        QString name;   // the item's current name; empty when missing
        QString table;  // where it was looked for ("Inventory..tbInvMaster", "tbcoLabExam")
        QString note;   // why it could not be looked for, when the table itself is the problem
    };
    using Visit = std::function<void(const LinkRow& link, const Item& item)>;

    // Hands every link of `list` with its item to `visit`, in ID order; `visit` must not use the
    // connection. Throws DbError for any failure except an exam table that does not exist (its items
    // are then missing, with a note) or a table name that is not a plain name (likewise); a table
    // that cannot be read for another reason is an error only when a link's item is to be found there,
    // and then nothing is handed on.
    static void ForEachLink(Connection& connection, const ReferenceList& list, const Visit& visit);

    // The items of links that are not (yet) in a link table, such as those of a file to import: each
    // table they name is read once, whole. Throws DbError as ForEachLink does.
    HospitalItems(Connection& connection, const std::vector<LinkRow>& links);

    Item Find(const LinkRow& link) const;

private:
    struct Table {
        ItemTable source;
        QString note;                // set when the table could not be read
        QHash<CodeKey, Item> items;  // by the item ID
    };
    ItemTable TableOf(const LinkRow& link) const;
    static void Load(Connection& connection, Table& table);

    RevenueExamTables revenues_;
    QHash<CodeKey, Table> tables_;  // by the table name
};

}  // namespace esoa
