#pragma once

#include <QString>

namespace esoa {

class Connection;

// The values of one link, as the link table stores them. `table` is the reference table; the link
// table is its name followed by "_LINK".
struct LinkValues {
    QString table;
    QString itemId, revenueId;  // the link's identity, written on insert only
    QString itemDesc, invOrProc, code, sectionId, category, description, fixedFee, chargingUnit;
};

// Looks the link up by (RevenueID, ItemID) and rewrites its first row, or inserts it when there is
// none, in one short transaction that keeps other writers from adding the same pair meanwhile and
// is tried again when it loses a race with one (RetryOnBusy). No validation. Throws DbError.
void WriteLink(Connection& connection, const LinkValues& link);

}  // namespace esoa
