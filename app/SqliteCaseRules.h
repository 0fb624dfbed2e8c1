#pragma once

struct sqlite3;

namespace esoa::sql {

// Gives an embedded SQLite connection the text comparison of SQL Server's default collation:
// replaces the NOCASE collation (letter case ignored for every alphabet, trailing blanks ignored)
// and the LIKE function (letter case ignored for every alphabet; % and _ as usual). The translated
// CREATE TABLE statements declare their text columns COLLATE NOCASE.
void InstallCaseRules(sqlite3* db);

}  // namespace esoa::sql
