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

// Opens the demo database in `folder`, seeding it on first use. A demo whose files are missing,
// damaged or half-seeded is deleted and built again whole (it holds nothing but demo data).
// Throws DbError when even a new demo cannot be made (the folder cannot be written).
std::unique_ptr<Connection> OpenDemo(const QString& folder);

}  // namespace demo
}  // namespace esoa
