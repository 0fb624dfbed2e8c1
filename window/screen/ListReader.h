#pragma once

#include <QSet>
#include <QString>

#include "database/Connection.h"

namespace esoa {

class FlexGrid;
struct Screen;

// What a failed list read adds to the report of its error.
enum class FailureHint {
    None,          // a search: the error alone
    CreateTables,  // the hospital's revenue lists: the error, then "Create tables under Maintenance tab."
    OwnTables,     // the program's own reference and link tables: the error, then the same hint
};

// Reads a list into a grid, the one way every list is filled: the grid is reset (a blank header
// row and one blank row), the statement is read on the current user's connection and the grid takes
// the whole result (row 0 the field names). A failure is reported here, with the database's own
// description and then, for the reference, link and revenue lists, "Create tables under
// Maintenance tab."; the grid then stays reset. Returns whether the list was read.
// Column widths are not touched: those set at load stay in force.
//
// While a ReportOnce scope of the screen is open, failures are reported more sparingly (see there).
// An item search hands its filters with its statement (ItemFilters).
bool ReadList(Screen& screen, FlexGrid& grid, const QString& statement, CursorType cursor, LockType lock,
              FailureHint hint, const ItemFilters& filters = {});

// A stretch of work that reads many lists in a row (the window's load): one cause must not raise
// the same pair of messages once per list. While the scope lives, a list whose table is missing is
// not reported at once: ReportMissingTables() tells of all of them together. Of the other failures,
// only the first among the program's own tables is reported (the others are the same missing tables
// again), and any other failure once per distinct error text. Lists still stay blank exactly as
// without the scope. Scopes nest; the innermost one counts. Not copyable; lives on the stack of the
// work.
class ReportOnce {
public:
    explicit ReportOnce(Screen& screen);
    ~ReportOnce();
    ReportOnce(const ReportOnce&) = delete;
    ReportOnce& operator=(const ReportOnce&) = delete;

    // Whether a read of the program's own tables failed within the scope.
    bool ownTablesFailed() const { return ownTablesFailed_; }

    // Reports the lists whose tables were missing, once: when only lists of the program's own
    // tables failed so, as any failed list (the database's words, then "Create tables under
    // Maintenance tab."); when a table of the hospital system was missing too, in one message
    // naming every missing table the program needs, which of them "a. Create Tables" makes, and
    // that the others come from the hospital system.
    void ReportMissingTables();

private:
    friend bool ReadList(Screen&, FlexGrid&, const QString&, CursorType, LockType, FailureHint,
                         const ItemFilters&);
    // Whether this failure is to be shown now; records it either way.
    bool ShouldReport(const QString& description, FailureHint hint, bool missingTable);

    Screen& screen_;
    ReportOnce* outer_;
    bool ownTablesFailed_ = false;
    QSet<QString> reported_;
    // The first list whose table was missing: its failure and hint.
    QString missingDescription_;
    FailureHint missingHint_ = FailureHint::None;
    bool hospitalMissing_ = false;
};

}  // namespace esoa
