#pragma once

#include <QString>
#include <vector>

#include "core/files/Csv.h"
#include "core/ListData.h"

namespace esoa {
class Connection;
}

namespace esoa::assist {

// How far the mapping of one PhilHealth list has come, read in one go: the reference rows, then the
// links joined with their inventory items (ItemJoin) and counted as they are read, and the count of
// active inventory items; nothing else of the inventory is read.
//
// Codes and texts are matched as the database matches them (CodeKey). A code counts once per
// category however often the reference table holds it; a link counts under the category of its
// code's reference row, and a link whose code is no longer in the table counts only in the totals
// (`orphanLinks`). The reference table alone cannot tell a withdrawn code (one the current files no
// longer carry) from any other: MarkWithdrawn compares the table with the reference files and counts
// them per category; without the files they stay counted as codes still to map.
struct Coverage {
    struct Category {
        QString name;  // "-" for the empty category, as the screen writes it
        int codes = 0, linkedCodes = 0, links = 0;
        int withdrawn = 0;  // codes of the table that no reference file carries any more
        // Linked codes as a percentage of the codes, one decimal ("0.0" when there are no codes).
        QString Share() const;
    };
    struct Revenue {
        QString revenueId;  // "-" for links without one
        int links = 0;
    };
    // An inventory revenue code (offered under "INV") and the "INV" links of the list filed under it.
    // Inventory items have no revenue code of their own: the links are the only tie.
    struct InventoryRevenue {
        QString revenueId, name;
        int links = 0;
    };

    ReferenceList list;
    std::vector<Category> categories;  // by name, letter case ignored
    Category total;                    // name "Total"
    std::vector<Revenue> revenues;     // by revenue id
    int orphanLinks = 0;
    int activeItems = 0;
    int unlinkedItems = 0;  // active inventory items that no "INV" link of the list uses
    std::vector<InventoryRevenue> inventoryRevenues;  // by revenue id
    bool withdrawnKnown = false;
    QString withdrawnNote;  // why the withdrawn codes are not known, when they are not

    // Counts the withdrawn codes per category from the list's reference files in `folder` (the change
    // report's comparison). Files that cannot be read leave them unknown, with the reason in
    // withdrawnNote; never throws for the files, throws DbError for the tables.
    void MarkWithdrawn(Connection& connection, const QString& folder);

    // Reads the reference and link tables of `list`, the inventory revenue codes and counts the
    // active inventory items. Throws DbError (a missing reference or link table included).
    static Coverage Build(Connection& connection, const ReferenceList& list);

    // "Unlinked active items of the inventory: 180 of 200".
    QString InventoryFigure() const;
    // The tables as aligned plain text, for a terminal.
    QString Text() const;
    // One RFC 4180 table with a header line; its first column names the part of the report a row
    // belongs to ("Category", "Revenue", "Inventory"). The inventory's figure is the row named
    // "Active items" (UnlinkedItems of Items); each inventory revenue code's row has its INV links.
    csv::Table Csv() const;
};

}  // namespace esoa::assist
