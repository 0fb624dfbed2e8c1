#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/ListData.h"

namespace esoa {
class Connection;
}

namespace esoa::history {

// What an action did, as the history names it.
enum class Kind { Save, Delete, MapAll, ApplyChanges, Refresh, ImportLinks, Undo };
// "save", "delete", "map-all", "apply-changes", "refresh", "import-links", "undo".
QString Word(Kind kind);

// Who made a change and where.
struct Actor {
    QString user;         // the logged-in user, as the current-user component knows it
    QString workstation;  // the host name
    // `user` on this workstation.
    static Actor Here(const QString& user);
};

// The login name of the user running the program (empty when the system does not tell).
QString LoginName();

// One changed row: a link, or a reference row (whose LinkRow holds only the ID, code and copies).
struct RowChange {
    QString table;  // "ESOA_ER_LINK", or "ESOA_ER" for a reference row
    QString rowId;
    std::optional<LinkRow> before;  // nullopt: the row did not exist (an insert)
    std::optional<LinkRow> after;   // nullopt: the row no longer exists (a delete)

    // "insert", "update" or "delete".
    QString Change() const;
};

// The time as the history keeps it: local date and time with the UTC offset, in the text SQL Server
// gives for a datetimeoffset ("2024-05-01 10:20:30.1230000 +08:00").
QString NowText();

// One action of the history, recorded as its writes are made: every write of the action runs in a
// transaction of the action (Transact), and records each row it changes there (Record). The
// action's own row is written with the first row recorded, in that row's transaction, so that an
// action is never written without its rows nor its rows without the writes. When the history
// tables are missing (see HistoryTables.h), the writes are made and nothing is recorded.
class Action {
public:
    // Reads whether the history is recorded (DbError when that cannot be read).
    Action(Connection& connection, Actor actor, Kind kind, ReferenceList list,
           std::optional<qint64> undoOf = std::nullopt);

    Connection& connection() { return connection_; }
    const ReferenceList& list() const { return list_; }
    Kind kind() const { return kind_; }
    bool recorded() const { return recorded_; }
    // The action's ID once a transaction that recorded a row has committed.
    std::optional<qint64> id() const { return id_; }

    // Runs `work` as one short transaction of the action, tried again when it loses a race with
    // another writer (RetryOnBusy); inside a transaction already open (a larger transaction of the
    // same action), it runs as a part of it. Once the action has an ID, each later transaction
    // first makes sure that no undo of the action was recorded meanwhile (an action being undone
    // is not written to any more: DbError).
    void Transact(const std::function<void()>& work);

    // Inside Transact: records one changed row (the action's row first, when this is its first).
    void Record(const RowChange& change);

private:
    qint64 Open();
    void RequireNotUndone();

    Connection& connection_;
    Actor actor_;
    Kind kind_;
    ReferenceList list_;
    std::optional<qint64> undoOf_;
    bool recorded_ = false;
    std::optional<qint64> id_;
    std::optional<qint64> pending_;  // written in the transaction under way
};

}  // namespace esoa::history
