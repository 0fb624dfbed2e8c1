#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "core/links/LinkSource.h"
#include "core/ListData.h"

namespace esoa {

class Connection;

// The hospital items that links point at, as they stand now, each looked for in the table its link's
// source names (LinkSource): an inventory item is active when its itemstatus is 0, a procedure when
// its Status is "A". Item IDs, revenue IDs and the status are matched as the database matches texts
// (CodeKey).
//
// Each table is read once, whole, with a plain SELECT; nothing is joined in the database.
class HospitalItems {
public:
    enum class State { Active, Inactive, Missing };
    struct Item {
        State state = State::Missing;
        QString name;   // the item's current name; empty when missing
        QString table;  // where it was looked for ("Inventory..tbInvMaster", "tbcoLabExam")
        QString note;   // why it could not be looked for, when the table itself is the problem
    };

    // Reads what `links` need. Throws DbError for any failure except an exam table that does not
    // exist (its items are then missing, with a note) or a table name that is not a plain name.
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
