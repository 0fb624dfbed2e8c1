#pragma once

namespace esoa {

class Connection;

// The demo hospital of the embedded database: revenues, revenue codes, exam tables and the
// inventory master. Seeded once, on the first connection to an embedded database that does not
// have them yet; the reference and link tables are left for the user to create.
namespace demo {

bool IsSeeded(Connection& embedded);
// Throws DbError when a script fails; nothing of that script is kept.
void Seed(Connection& embedded);

}  // namespace demo
}  // namespace esoa
