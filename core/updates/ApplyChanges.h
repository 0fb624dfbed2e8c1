#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/updates/ChangeReport.h"

namespace esoa {

class Connection;
namespace history {
class Action;
}

// The statements that bring a row up to date, with its values as literals (N'...' texts, the fee as
// a plain amount or NULL). `id` must be a row ID as read (digits); throws std::invalid_argument
// otherwise.
// A reference row: the columns the list's files carry (category and description; fee and unit too
// for the ER list).
QString ReferenceRowUpdate(const ReferenceList& list, const QString& id, const CodeValues& values);

// Writes the changed codes of a change report: each changed reference row gets the values read from
// the file and, with `alsoLinks`, each link that uses it gets them as its copies (through the link
// write). New and withdrawn codes are left alone. All of it in one transaction of `action` (its list
// is the report's), which records every row rewritten, tried again when it loses a race with
// another writer: on any failure nothing is written and the DbError is thrown. The report must
// describe the table as it stands (build it just before).
class ApplyChanges {
public:
    struct Result {
        int rows = 0;
        int links = 0;
    };
    // Told after each statement: statements done and their total. Runs inside the transaction, so
    // it must neither wait for the user nor let the window process events; a transaction that lost
    // a race with another writer is done again, and the count starts again from 1.
    using Progress = std::function<void(int done, int total)>;

    // What Apply will write, for the user to read before saying yes: per changed row a line, then its
    // differing values with old and new value as the change report's text gives them, then (with
    // `alsoLinks`) the links whose copies are rewritten.
    static QString Plan(const ChangeReport& report, bool alsoLinks);
    static Result Apply(history::Action& action, const ChangeReport& report, bool alsoLinks,
                        const Progress& progress = {});
};

}  // namespace esoa
