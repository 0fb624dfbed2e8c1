#pragma once

#include <QString>
#include <stdexcept>

#include "core/history/HistoryLog.h"

namespace esoa::history {

// An undo that the rules do not allow; nothing was changed. what() is the one message that says why
// (naming the links and the later action, when one changed them).
class UndoRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    QString text() const { return QString::fromUtf8(what()); }
};

// What an undo did, or would do.
struct UndoResult {
    RecordedAction undone;             // the action undone, with its rows
    std::optional<qint64> undoAction;  // the undo's own action (none for a dry run)
    int rows = 0;                      // rows put back
};

// Undoes action `id` as a whole, in one transaction that is itself an action of the history (kind
// undo, so it can be undone too): links it inserted are removed, links it rewrote get their old
// values back, links it deleted return (with a new ID), items it moved go back to their old code,
// and reference rows it rewrote get their old values back. Refused (UndoRefused, nothing changed)
// when the action does not exist or was undone already, when a later action that is in force (not
// itself undone, and not the undo of another later action) changed one of its rows, when a row no
// longer holds what the action left in it, or when an item put back is no longer in its source.
// With `dryRun` only the checks run. DbError for failures of the database.
UndoResult Undo(Connection& connection, const Actor& actor, qint64 id, bool dryRun = false);

}  // namespace esoa::history
