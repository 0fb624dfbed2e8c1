#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace esoa {

class Connection;
class SqliteConnection;

// The demo hospital of the embedded database: revenues, revenue codes, exam tables and the
// inventory master.
namespace demo {

bool IsSeeded(Connection& embedded);
// Throws DbError when a script fails; nothing of that script is kept.
void Seed(Connection& embedded);

// What opening the demo database of a folder does before it can be used.
struct Plan {
    enum class Step {
        Use,       // ready
        AddLists,  // made before its lists came ready-made: they are added
        Create,    // no files yet: the demo is made
        Rebuild,   // deleted and built again whole, after the user is told `reason`
    } step = Step::Use;
    // Rebuild: why, naming the file: one of them is missing, SQLite says it is not a database or is
    // damaged, or an earlier set-up was cut short.
    QString reason;
};

// Told before a demo is deleted and built again; its text says which file and why.
using Notice = std::function<void(const QString& text)>;

// Opens the demo database in `folder`, ready to use: the hospital's tables, the reference and link
// tables made by the program's own statements, the sample reference files of `referenceFolder`
// (default: the program's folder) imported by the program's own import, and a few example links.
// Only a demo with a file missing, a file SQLite says is not a database or is damaged, or a set-up
// cut short is deleted and built again whole, and `notice` is told first. A file that cannot be
// opened or read for any other cause (no permission, locked, a disk error) is left alone: DbError
// names the file and the cause. Throws DbError, too, when even a new demo cannot be made.
std::unique_ptr<Connection> OpenDemo(const QString& folder, const QString& referenceFolder = {},
                                     const Notice& notice = {});

// What OpenDemo would do in `folder`, found out without changing anything: the files are opened
// for inspection only (SqliteConnection::Access::Inspect). `opened`, when given, receives that
// connection when the files could be opened. Throws DbError as OpenDemo would, without deleting.
Plan Inspect(const QString& folder, std::unique_ptr<SqliteConnection>* opened = nullptr);

// Creates the reference and link tables of both lists, imports the sample files found in
// `referenceFolder` and adds the example links (those whose code and item exist).
void SeedReferenceLists(Connection& embedded, const QString& referenceFolder);

}  // namespace demo
}  // namespace esoa
