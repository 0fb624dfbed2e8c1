#pragma once

#include <QString>
#include <QStringList>

#include "core/routing/ExamTableNames.h"

namespace esoa {

// Where a click on a PhilHealth category sends the hospital item search: the item source and, for
// the categories the routing knows, the revenue or section and the exam table. One table serves the
// window and the command line.
struct CategoryRoute {
    bool inventory;         // inventory items (revenue "PH"); otherwise procedures
    const char* revenueId;  // nullptr: not written
    const char* sectionId;  // nullptr: not written
    const char* stem;       // the exam table's stem (ExamTableNames); nullptr: not set

    // The route of `category` in the reference table `table`: the routes of "ESOA_ITEM", or of
    // "ESOA_ER" for any other table. Categories are compared exactly (letter case and blanks
    // included); one the table does not name gets its "any other category" route.
    static const CategoryRoute& For(const QString& table, const QString& category);
    // The stems of the exam tables the routes of both lists name, each once, in route order.
    static QStringList ExamStems();
};

}  // namespace esoa
