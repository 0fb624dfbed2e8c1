#pragma once

#include <string>
#include <vector>

class QString;
struct sqlite3;

namespace esoa::sql {

// Gives an embedded SQLite connection the text comparison of SQL Server's default collation
// (case-insensitive, accent-sensitive):
// - the NOCASE collation, which the translated CREATE TABLE statements give every text column, is
//   replaced by the database's comparison (Collation.h: letter case ignored in every alphabet,
//   accents count, "Peña" sorts beside "Pena", trailing blanks ignored; CodeKey keys texts by it).
//   A total order, as indexes need; ORDER BY on a text column follows it;
// - the LIKE function: % and _, the character classes [abc], [a-z] and [^a] (ranges in collation
//   order), letter case ignored in every alphabet, accents and blanks exact, ESCAPE as written.
// Call right after opening, before any statement. Throws DbError when ICU or SQLite refuses.
void InstallCaseRules(sqlite3* db);

// The literal runs of a LIKE pattern without ESCAPE, read as the LIKE function reads it: the
// characters between wildcards and character classes, each folded. A text the pattern matches
// holds every run, each character of it matched by one that folds to it (see CaseVariants).
std::vector<std::u32string> LikeLiteralRuns(const QString& pattern);

// Every character that LIKE takes for the folded character `folded` ('k' -> k, K and the Kelvin
// sign), `folded` first.
std::vector<char32_t> CaseVariants(char32_t folded);

}  // namespace esoa::sql
