#pragma once

#include <QString>

namespace esoa {

// The naming rule of the hospital's exam tables: for a stem S the table is "tbco" + S, its key
// column S + "ID" and its name column S.
struct ExamTableNames {
    QString table, idField, nameField;

    static ExamTableNames OfStem(const QString& stem);
};

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
};

}  // namespace esoa
