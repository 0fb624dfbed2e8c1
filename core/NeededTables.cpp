#include "core/NeededTables.h"

#include <QStringList>

#include "database/Connection.h"
#include "database/DbError.h"
#include "core/ListData.h"
#include "core/routing/CategoryRoute.h"

namespace esoa {

QString NeededTable::use() const {
    switch (kind) {
        case Kind::Reference:
            return QStringLiteral("reference list, written");
        case Kind::Link:
            return QStringLiteral("links, written");
        case Kind::Exam:
            return QStringLiteral("exam table, read");
        case Kind::Hospital:
            break;
    }
    return QStringLiteral("read");
}

bool TableExists(Connection& c, const QString& database, const QString& table) {
    try {
        c.Read(QStringLiteral("SELECT TOP 1 * FROM [%1].[dbo].[%2] WITH (NOLOCK) WHERE 1=0")
                   .arg(database, table),
               CursorType::ForwardOnly, LockType::ReadOnly);
        return true;
    } catch (const DbError& e) {
        if (e.cause() == DbError::Cause::MissingTable) return false;
        throw;
    }
}

std::vector<NeededTable> NeededTables(Connection& c) {
    using Kind = NeededTable::Kind;
    const QString build = QStringLiteral("Build_FIle"), inventory = QStringLiteral("Inventory");
    std::vector<NeededTable> needed;
    for (const ReferenceList& list : ReferenceList::All()) {
        needed.push_back({build, list.table, Kind::Reference});
        needed.push_back({build, list.linkTable(), Kind::Link});
    }
    const NeededTable hospital[] = {
        {build, QStringLiteral("tbRevenues"), Kind::Hospital},
        {build, QStringLiteral("tbcorevenuecode"), Kind::Hospital},
        {inventory, QStringLiteral("tbInvMaster"), Kind::Hospital},
        {inventory, QStringLiteral("tbForGeneric"), Kind::Hospital},
    };
    needed.insert(needed.end(), std::begin(hospital), std::end(hospital));
    // The other-revenue table, which revenue codes and sections use, the exam tables the category
    // routing names, and those the revenues name.
    QStringList exams{ExamTableNames::OtherRevenue().table};
    for (const QString& stem : CategoryRoute::ExamStems()) {
        const QString table = ExamTableNames::OfStem(stem).table;
        if (!exams.contains(table)) exams << table;
    }
    if (TableExists(c, build, QStringLiteral("tbRevenues"))) {
        const ReadResult revenues =
            c.Read(QStringLiteral("SELECT DISTINCT(ExamTableName) FROM [Build_FIle].[dbo].[tbRevenues] WITH "
                                  "(NOLOCK) WHERE 1=1 "),
                   CursorType::ForwardOnly, LockType::ReadOnly);
        for (const QStringList& row : revenues.rows) {
            if (!row.value(0).isEmpty() && !exams.contains(row.value(0), Qt::CaseInsensitive))
                exams << row.value(0);
        }
    }
    for (const QString& exam : exams) needed.push_back({build, exam, Kind::Exam});
    return needed;
}

}  // namespace esoa
