#pragma once

#include <QString>

namespace esoa {

// The naming rule of the hospital's exam tables: for a stem S the table is "tbco" + S, its key
// column S + "ID" and its name column S.
struct ExamTableNames {
    QString table, idField, nameField;

    static ExamTableNames OfStem(const QString& stem);
    // The other-revenue table (stem "OtherRevenue"): where a revenue code without an exam table of its
    // own finds its items, by section.
    static ExamTableNames OtherRevenue();
};

}  // namespace esoa
