#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "updates/ListData.h"

namespace esoa {

class Connection;

// The hospital items that links point at, as they stand now. An inventory link ("INV") points at
// Inventory..tbInvMaster's ItemID (active when itemstatus is 0); any other link at a procedure of an
// exam table (active when its Status is "A"): tbcoOtherRevenue (OtherRevenueID) when the link has a
// SectionID, otherwise the table tbRevenues names for the link's RevenueID, and tbcoOtherRevenue
// again for a revenue that names none, as the screen's other-revenue routes do. Item IDs, revenue
// IDs and the status are matched as the database matches texts (CodeKey).
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
        QString name, idField, nameField;
        QString note;                 // set when the table could not be read
        QHash<QString, Item> items;   // by CodeKey of the item ID
    };
    const Table* TableOf(const LinkRow& link) const;
    void Load(Connection& connection, Table& table, bool inventory);

    Table inventory_;
    QHash<QString, Table> exams_;        // by CodeKey of the table name
    QHash<QString, QString> revenues_;   // CodeKey(RevenueID) -> CodeKey of the table name
};

}  // namespace esoa
