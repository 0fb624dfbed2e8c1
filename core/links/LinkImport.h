#pragma once

#include <QString>
#include <vector>

#include "core/files/Csv.h"
#include "core/links/LinkWrite.h"

namespace esoa {

// Links that a person reviewed in a spreadsheet, loaded back: a CSV file (RFC 4180, UTF-8 with or
// without a byte order mark) whose header line names at least the columns Code, ItemID, InvOrProc,
// RevenueID and SectionID (letter case ignored; other columns are ignored, so a file of
// "export-links" loads back). A cell that the window's export led with an apostrophe (a text that
// a spreadsheet would take for a formula) is read without it.
//
// Each row is written as a save of that link would be (SaveLink): the copies of category,
// description, fee and unit, and the code as written there, come from the code's reference row,
// the item description from the hospital item. A row is refused, with its line number (the header
// is line 1) and the reason, when a needed value is empty or too long for its column, InvOrProc is
// neither INV nor PROC, the code is not in the list, the item is not an active row of the source
// that InvOrProc, RevenueID and SectionID name, or an earlier row names the same item and revenue.
class LinkImport {
public:
    struct Refusal {
        int line = 0;
        QString reason;
        QString Text() const { return QStringLiteral("line %1: %2").arg(line).arg(reason); }
    };
    struct Result {
        int rows = 0;    // rows read (the header not counted)
        int stored = 0;  // rows written (none for a dry run)
        int good = 0;    // rows that passed the checks
        std::vector<Refusal> refused;
        // What the good rows did (inserted, rewritten, moved), in file order; empty for a dry run.
        std::vector<SaveOutcome> outcomes;
    };

    // The columns every file needs: Code, ItemID, InvOrProc, RevenueID, SectionID.
    static QStringList Needed();

    // Checks every row and, unless `dryRun`, writes the good ones, all in one transaction of
    // `action` (kind import-links): all of them or, on a failure of the database, none (DbError).
    // std::runtime_error when there is no header line or it lacks a needed column.
    static Result Run(history::Action& action, const std::vector<csv::ReadRecord>& records, bool dryRun);
};

}  // namespace esoa
