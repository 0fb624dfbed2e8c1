#pragma once

#include <QString>

#include "database/DbError.h"

namespace esoa {

class Connection;

// The values of one link, as the link table stores them. `table` is the reference table; the link
// table is its name followed by "_LINK".
struct LinkValues {
    QString table;
    QString itemId, revenueId;  // the link's identity, written on insert only
    QString itemDesc, invOrProc, code, sectionId, category, description, fixedFee, chargingUnit;
};

// The item of a link is not a row of the table its InvOrProc, RevenueID and SectionID name
// (LinkSource.h): nothing of that link was written. The description names the item and the source.
class ItemNotInSource : public DbError {
public:
    using DbError::DbError;
};

// Looks the link up by (RevenueID, ItemID) and rewrites its first row, or inserts it when there is
// none, in one short transaction that keeps other writers from adding the same pair meanwhile and
// is tried again when it loses a race with one (RetryOnBusy). Inside that transaction, before
// anything is written, the item must be a row of the link's source (LinkSource.h); otherwise
// ItemNotInSource is thrown. The exam table of a revenue is read before the transaction; a name
// there that is not a plain name is refused (DbError) before anything is written. No other
// validation. Called inside a transaction of the caller's, the write is a part of it (the caller
// commits, or rolls back everything on a failure). Throws DbError.
void WriteLink(Connection& connection, const LinkValues& link);

}  // namespace esoa
