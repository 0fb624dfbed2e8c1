#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/ListData.h"
#include "database/DbError.h"

namespace esoa {

class Connection;
namespace history {
class Action;
}

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

// What a save did.
struct SaveOutcome {
    enum class Kind {
        Inserted,   // a new link
        Rewritten,  // the item's link of this code, written again
        Moved,      // the item's link moved from another code (previousCode) to this one
    };
    Kind kind = Kind::Inserted;
    QString linkId;
    QString previousCode;
};

// The one way into a link table. Every write is made in a transaction of its action
// (history::Action), which records what each write changed in the same transaction: a write whose
// history cannot be written is not made. Where an item is written it must be a row of the link's
// source (LinkSource.h), checked inside the transaction. All of them throw DbError.
//
// SaveLink looks the link up by (RevenueID, ItemID) and rewrites its first row, or inserts it when
// there is none, in one short transaction that keeps other writers from adding the same pair
// meanwhile and is tried again when it loses a race with one (RetryOnBusy). Inside that
// transaction, before anything is written, the item must be a row of the link's source;
// otherwise ItemNotInSource is thrown. The exam table of a revenue is read before the transaction;
// a name there that is not a plain name is refused before anything is written. No other
// validation.
SaveOutcome SaveLink(history::Action& action, const LinkValues& link);

// Deletes the link with this ID from the action's link table; false when there is none (nothing
// changed). `id` must be a row ID (digits).
bool DeleteLink(history::Action& action, const QString& id);

// Rewrites the copies (Category, Description, FixedFee, ChargingUnit) of the links `ids` with
// `copies`, inside a transaction of the action that the caller keeps open (Action::Transact). The
// links that no longer exist are skipped. Returns how many were rewritten.
int RewriteLinkCopies(history::Action& action, const QStringList& ids, const CodeValues& copies);

// Inside a transaction of the action: puts the link `current` (the row as it stands, or nullopt
// when it does not exist) into the state `target` (nullopt: deleted), as an undo does. A link that
// is put back or rewritten must have its item in its source (ItemNotInSource otherwise). A deleted
// link put back gets a new ID, which is returned (the ID it has afterwards, empty when deleted).
QString PutLink(history::Action& action, const std::optional<LinkRow>& current,
                const std::optional<LinkRow>& target);

// Reads the links of a list by ID, inside a writer's transaction (UPDLOCK, HOLDLOCK: each is kept
// from other writers until the transaction ends). Links that do not exist are left out.
std::vector<LinkRow> LockedLinks(Connection& connection, const ReferenceList& list, const QStringList& ids);

}  // namespace esoa
