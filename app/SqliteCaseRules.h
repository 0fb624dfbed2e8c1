#pragma once

struct sqlite3;

namespace esoa::sql {

// Gives an embedded SQLite connection the text comparison of SQL Server's default collation:
// replaces the NOCASE collation (letter case ignored for every alphabet, trailing blanks ignored)
// and the LIKE function (letter case ignored for every alphabet; % and _ as usual). The translated
// CREATE TABLE statements declare their text columns COLLATE NOCASE. The collation is a total
// order (indexes rely on it); LIKE, as on the server, is exact about blanks. Call right after
// opening, before any statement. Throws DbError when SQLite refuses the registration.
void InstallCaseRules(sqlite3* db);

}  // namespace esoa::sql
