#include "screen/ListReader.h"

#include "app/DbError.h"
#include "screen/FlexGrid.h"
#include "screen/Screen.h"

namespace esoa {

bool ReadList(Screen& screen, FlexGrid& grid, const QString& statement, CursorType cursor, LockType lock,
              FailureHint hint) {
    grid.Reset();
    try {
        ReadResult result = screen.user.sqlconnection().Read(statement, cursor, lock);
        grid.Fill(std::move(result.fields), std::move(result.rows));
        return true;
    } catch (const std::exception& e) {
        screen.messages.Show(DescriptionOf(e));
    }
    if (hint == FailureHint::CreateTables) screen.messages.Show(QStringLiteral("Create tables under Maintenance tab."));
    return false;
}

}  // namespace esoa
