#pragma once

#include <QStringList>

#include "reference/ReferenceSchema.h"

namespace esoa {

struct Screen;

// Creates the current reference table (dropping it first, with all its rows) and its link table
// with their indexes; also drops the old ESOA_Code column of four hospital tables. Every failing
// statement is skipped: a link table that exists keeps its rows.
class ReferenceTables {
public:
    explicit ReferenceTables(Screen& screen) : s_(screen) {}

    void cmdCreateTable_Click();
    void CreateEsoaTables();

    // The twelve statements for reference table `table`, in the order they are sent.
    static QStringList CreateStatements(const QString& table) { return CreateTableStatements(table); }

private:
    Screen& s_;
};

}  // namespace esoa
