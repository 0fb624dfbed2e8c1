#pragma once

#include <QStringList>

#include "core/reference/ReferenceSchema.h"

namespace esoa {

struct Screen;

// Creates the current reference table (dropping it first, with all its rows) and its link table
// with their indexes; also drops the old ESOA_Code column of four hospital tables. Every failing
// statement is skipped: a link table that exists keeps its rows. The click says "Done." only when
// the reference table was made anew and the link table exists; otherwise one message names what
// could not be made and the database's reason.
class ReferenceTables {
public:
    explicit ReferenceTables(Screen& screen) : s_(screen) {}

    void cmdCreateTable_Click();
    // Sends the statements; returns what could not be made, in plain words (empty: both tables are
    // there).
    QString CreateEsoaTables();

private:
    Screen& s_;
};

}  // namespace esoa
