#pragma once

#include <QString>
#include <QStringList>

#include "core/files/Csv.h"
#include "core/ListData.h"

namespace esoa {

class Connection;

// Every link of a list as CSV (RFC 4180, header line): the link table's columns ID, Code, Category,
// Description, FixedFee, ChargingUnit, ItemID, ItemDesc, InvOrProc, RevenueID, SectionID, SortOrder,
// then CurrentItemName, the hospital item's name as it stands now (empty when the item is gone).
class LinkExport {
public:
    static QStringList Header();
    // Reads the links and their hospital items (DbError on failure) and returns them as a CSV table;
    // `count` receives the number of links when given.
    static csv::Table Csv(Connection& connection, const ReferenceList& list, int* count = nullptr);
};

}  // namespace esoa
