#pragma once

#include <QString>
#include <memory>

namespace esoa {

class Connection;

// The demo hospital of the embedded database: revenues, revenue codes, exam tables and the
// inventory master.
namespace demo {

bool IsSeeded(Connection& embedded);
// Throws DbError when a script fails; nothing of that script is kept.
void Seed(Connection& embedded);

// Opens the demo database in `folder`, ready to use: the hospital's tables, the reference and link
// tables made by the program's own statements, the sample reference files of `referenceFolder`
// (default: the program's folder) imported by the program's own import, and a few example links.
// A demo whose files are missing, damaged or half-seeded is deleted and built again whole (it holds
// nothing but demo data). Throws DbError when even a new demo cannot be made.
std::unique_ptr<Connection> OpenDemo(const QString& folder, const QString& referenceFolder = {});

// Creates the reference and link tables of both lists, imports the sample files found in
// `referenceFolder` and adds the example links (those whose code and item exist).
void SeedReferenceLists(Connection& embedded, const QString& referenceFolder);

}  // namespace demo
}  // namespace esoa
