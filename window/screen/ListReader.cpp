#include "window/screen/ListReader.h"

#include <algorithm>
#include <map>

#include "database/DbError.h"
#include "core/ListData.h"
#include "core/NeededTables.h"
#include "window/screen/FlexGrid.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

const QString kCreateTables = QStringLiteral("Create tables under Maintenance tab.");

void Report(Screen& screen, const QString& description, FailureHint hint) {
    screen.messages.Show(description);
    if (hint != FailureHint::None) screen.messages.Show(kCreateTables);
}

// The one message about missing tables, some of them the hospital system's.
QString MissingTablesText(const std::vector<NeededTable>& missing) {
    std::map<QString, QStringList> byDatabase;
    QStringList own;
    for (const NeededTable& t : missing) {
        byDatabase[t.database] << t.table;
        if (t.own()) own << t.table;
    }
    QStringList lines{QStringLiteral("The database lacks tables the program needs:")};
    for (const auto& [database, tables] : byDatabase)
        lines << QStringLiteral("    %1: %2").arg(database, tables.join(QStringLiteral(", ")));
    lines << QString();
    // By the list that is chosen when "a. Create Tables" makes them.
    QStringList made;
    for (const ReferenceList& list : ReferenceList::All()) {
        QStringList tables;
        for (const QString& name : {list.table, list.linkTable()}) {
            if (own.contains(name)) tables << name;
        }
        if (!tables.isEmpty()) {
            made << QStringLiteral("%1 with \"%2\" chosen")
                        .arg(tables.join(QStringLiteral(" and ")), list.caption);
        }
    }
    if (!made.isEmpty()) {
        lines << QStringLiteral("\"a. Create Tables\" under Maintenance makes %1.")
                     .arg(made.join(QStringLiteral(", ")));
    }
    lines << QStringLiteral(
        "The other tables come from the hospital system, not from this program: check "
        "that the connection leads to the hospital's database.");
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

bool ReadList(Screen& screen, FlexGrid& grid, const QString& statement, CursorType cursor, LockType lock,
              FailureHint hint, const ItemFilters& filters) {
    grid.Reset();
    QString description;
    bool missingTable = false;
    try {
        ReadResult result = screen.user.sqlconnection().Read(statement, cursor, lock, filters);
        grid.Fill(std::move(result.fields), std::move(result.rows));
        return true;
    } catch (const std::exception& e) {
        description = DescriptionOf(e);
        const auto* db = dynamic_cast<const DbError*>(&e);
        missingTable = db && db->cause() == DbError::Cause::MissingTable;
    }
    if (screen.reportOnce && !screen.reportOnce->ShouldReport(description, hint, missingTable)) return false;
    Report(screen, description, hint);
    return false;
}

ReportOnce::ReportOnce(Screen& screen) : screen_(screen), outer_(screen.reportOnce) {
    screen.reportOnce = this;
}

ReportOnce::~ReportOnce() {
    screen_.reportOnce = outer_;
}

bool ReportOnce::ShouldReport(const QString& description, FailureHint hint, bool missingTable) {
    if (hint == FailureHint::OwnTables) {
        // The reference and link tables are created together: when one read fails, the next fails
        // for the same reason, whatever table its error names.
        const bool first = !ownTablesFailed_;
        ownTablesFailed_ = true;
        if (!first) return false;
    }
    if (missingTable) {
        hospitalMissing_ = hospitalMissing_ || hint != FailureHint::OwnTables;
        if (missingDescription_.isEmpty()) {
            missingDescription_ = description;
            missingHint_ = hint;
        }
        return false;
    }
    // The hospital's own lists are not the program's to create: each different failure of theirs
    // is worth its report, but the same one once is enough.
    const QString key = description + QChar(u'\x1f') + QString::number(int(hint));
    if (reported_.contains(key)) return false;
    reported_.insert(key);
    return true;
}

void ReportOnce::ReportMissingTables() {
    if (missingDescription_.isEmpty()) return;
    std::vector<NeededTable> missing;
    if (hospitalMissing_) {
        try {
            Connection& c = screen_.user.sqlconnection();
            for (const NeededTable& t : NeededTables(c)) {
                if (!TableExists(c, t.database, t.table)) missing.push_back(t);
            }
        } catch (const std::exception&) {
            missing.clear();  // what is missing cannot be told: the first failure stands for them all
        }
    }
    const bool hospital =
        std::any_of(missing.begin(), missing.end(), [](const NeededTable& t) { return !t.own(); });
    if (hospital) {
        screen_.messages.Show(MissingTablesText(missing));
    } else {
        Report(screen_, missingDescription_, missingHint_);
    }
    missingDescription_.clear();
    hospitalMissing_ = false;
}

}  // namespace esoa
