#pragma once

#include <QString>

#include "app/Connection.h"

namespace esoa {

class FlexGrid;
struct Screen;

// Which list readers add the hint about the maintenance panel to a failure report.
enum class FailureHint { None, CreateTables };

// Reads a list into a grid, the one way every list is filled: the grid is reset (a blank header
// row and one blank row), the statement is read on the current user's connection and the grid takes
// the whole result (row 0 the field names). A failure is reported here, with the database's own
// description and then, for the reference, link and revenue lists, "Create tables under
// Maintenance tab."; the grid then stays reset. Returns whether the list was read.
// Column widths are not touched: those set at load stay in force.
bool ReadList(Screen& screen, FlexGrid& grid, const QString& statement, CursorType cursor, LockType lock,
              FailureHint hint);

}  // namespace esoa
