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
    // Reads the links with their hospital items (HospitalItems) and writes them to `out` as they are
    // read, header first; returns the number of links. Throws DbError.
    static int Write(Connection& connection, const ReferenceList& list, csv::Writer& out);
};

}  // namespace esoa
