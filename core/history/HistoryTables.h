#pragma once

#include <QString>
#include <QStringList>

namespace esoa {
class Connection;
}

namespace esoa::history {

// The history of the link writes, in Build_FIle beside the link tables:
//   ESOA_HISTORY      one row per action: its link table, kind, user, workstation, time (with the
//                     UTC offset) and, for an undo, the action it undid (UndoOf);
//   ESOA_HISTORY_ROW  one row per changed row of an action: the table and row ID, the change
//                     (insert, update, delete), the link's ItemID and RevenueID, and every other
//                     value before (Old...) and after (New...).
inline constexpr char kActionTable[] = "ESOA_HISTORY";
inline constexpr char kRowTable[] = "ESOA_HISTORY_ROW";

// "[Build_FIle].[dbo].[ESOA_HISTORY]" and the like.
QString TableName(const char* table);

// The T-SQL that creates the two tables and their indexes.
QStringList CreateStatements();

// Whether changes are being recorded on this connection: both tables exist. Throws DbError for a
// failure other than a missing table.
bool Recorded(Connection& connection);

// Whether the history is recorded once Prepare is done, and otherwise why not.
struct Readiness {
    bool recorded = false;
    QString reason;  // when not recorded: the database's words

    // "Changes are not being recorded: <reason>" (empty when recorded).
    QString Notice() const;
};

// Creates the tables when either is missing, all in one transaction (a user without the right to
// create tables, or a read-only database, leaves them missing: mapping still works, unrecorded).
// Another workstation creating them at the same time is no failure. Never throws.
Readiness Prepare(Connection& connection);

}  // namespace esoa::history
