#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "core/history/Action.h"

namespace esoa::history {

// One row of an action as the history holds it.
struct RecordedRow {
    QString id;  // the history row's own ID
    RowChange change;

    bool isLink() const { return change.table.endsWith(QLatin1String("_LINK"), Qt::CaseInsensitive); }
    // The row's code after the change, or before it for a delete.
    QString Code() const;
    // The code before the change (empty for an insert).
    QString PreviousCode() const;
    // The values of either state, for the item, revenue and section (after, or before for a delete).
    const LinkRow& Either() const { return change.after ? *change.after : *change.before; }
};

// One action with its rows, in the order they were written.
struct RecordedAction {
    qint64 id = 0;
    QString linkTable;
    QString kind;  // the word (Word(Kind))
    QString user, workstation;
    QString changedAt;  // as stored: "2024-05-01 10:20:30.1230000 +08:00"
    std::optional<qint64> undoOf;
    std::vector<RecordedRow> rows;

    // The time as shown: "2024-05-01 10:20:30 +08:00".
    QString At() const;
    // The local date of the action, as recorded.
    QDate Date() const;
    int Links() const;
    // The code of its first row.
    QString FirstCode() const;
    // "action 60 (map-all by alice on WS-1, 2024-05-01 10:20:30 +08:00)".
    QString Described() const;
};

// What to list. Empty texts and a null date filter nothing; texts compare as the database compares
// them (letter case ignored).
struct Filter {
    QString code;  // rows whose code before or after is this one
    QString item;  // rows of this hospital item (ItemID)
    QString user;
    QDate since;    // actions on or after this date (their own local date)
    int limit = 0;  // at most this many actions, the newest (0: all)
};

// The actions on the list's links (and, for apply-changes, its reference rows), newest first, with
// their rows; with a code or item filter only the actions and rows that match. Reads with NOLOCK.
// DbError (a missing table among them: the history is not recorded).
std::vector<RecordedAction> ReadHistory(Connection& connection, const ReferenceList& list,
                                        const Filter& filter);

// One action with all its rows, or nullopt when there is none. `hint` is the table hint of the
// reads ("NOLOCK", or "UPDLOCK, HOLDLOCK" inside a writer's transaction).
std::optional<RecordedAction> ReadAction(Connection& connection, qint64 id, const QString& hint);

// The actions with these IDs, without their rows.
std::vector<RecordedAction> ReadActions(Connection& connection, const QList<qint64>& ids,
                                        const QString& hint);

// The rows of the actions after `after` on the given tables, in the order written (for the undo).
std::vector<std::pair<qint64, RecordedRow>> ReadLaterRows(Connection& connection, qint64 after,
                                                          const QStringList& tables, const QString& hint);

}  // namespace esoa::history
