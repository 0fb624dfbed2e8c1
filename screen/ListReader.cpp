#include "screen/ListReader.h"

#include "app/DbError.h"
#include "screen/FlexGrid.h"
#include "screen/Screen.h"

namespace esoa {

bool ReadList(Screen& screen, FlexGrid& grid, const QString& statement, CursorType cursor, LockType lock,
              FailureHint hint) {
    grid.Reset();
    QString description;
    try {
        ReadResult result = screen.user.sqlconnection().Read(statement, cursor, lock);
        grid.Fill(std::move(result.fields), std::move(result.rows));
        return true;
    } catch (const std::exception& e) {
        description = DescriptionOf(e);
    }
    if (screen.reportOnce && !screen.reportOnce->ShouldReport(description, hint)) return false;
    screen.messages.Show(description);
    if (hint != FailureHint::None)
        screen.messages.Show(QStringLiteral("Create tables under Maintenance tab."));
    return false;
}

ReportOnce::ReportOnce(Screen& screen) : screen_(screen), outer_(screen.reportOnce) {
    screen.reportOnce = this;
}

ReportOnce::~ReportOnce() { screen_.reportOnce = outer_; }

bool ReportOnce::ShouldReport(const QString& description, FailureHint hint) {
    if (hint == FailureHint::OwnTables) {
        // The reference and link tables are created together: when one read fails, the next fails
        // for the same reason, whatever table its error names.
        const bool first = !ownTablesFailed_;
        ownTablesFailed_ = true;
        if (!first) return false;
    }
    // The hospital's own lists are not the program's to create: each different failure of theirs
    // is worth its report, but the same one once is enough.
    const QString key = description + QChar(u'\x1f') + QString::number(int(hint));
    if (reported_.contains(key)) return false;
    reported_.insert(key);
    return true;
}

}  // namespace esoa
