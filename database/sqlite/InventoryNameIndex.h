#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "database/Connection.h"
#include "database/tsql/TsqlToSqlite.h"

namespace esoa::sql {

// A text index of the inventory's item names, kept in the embedded Inventory file, so that a search
// for a part of a name ("ItemName like '%amox%'") reads the few items that can match instead of
// every item.
//
// It is an FTS5 table of the names' trigrams (three characters in a row, exactly as written) over
// tbInvMaster's rows, kept current by triggers on tbInvMaster that use nothing but plain SQL, so
// that any SQLite with FTS5 may write the table. The index only narrows the rows a statement reads:
// the statement's own LIKE still decides, so the rows shown and their order are those of a search
// without it. Entries are keyed by the items' rowids, which VACUUM keeps for a table that has
// indexes, as tbInvMaster always has (the private name index is made before this one).
struct ItemNameTextIndex {
    // The index table and its three triggers, all in the Inventory schema; the index is used only
    // when all four are present.
    static QStringList ObjectNames();
    // Statements (SQLite, each alone) that make the index over the rows `table` has now and the
    // triggers that keep it current; run after dropping whatever ObjectNames() left behind.
    static QStringList CreateStatements(const QString& table, const QString& nameColumn);
    static QStringList DropStatements();
};

// The FTS5 query that every text matched by the LIKE `pattern` (no ESCAPE) also matches: for each
// literal run of three characters or more, trigrams of it in every letter case the LIKE takes for
// them. Empty when the pattern has no such run (an index cannot narrow it).
QString TrigramQuery(const QString& pattern);

// One way to narrow an item search (see ItemFilters): `candidates` lists the rowids of the items that
// may pass one of its filters, and `items` reads only those in place of Inventory.tbInvMaster.
struct CandidateRestriction {
    QString candidates;
    TableSource items;
    bool textIndex = false;  // uses the text index of names
};

// The ways to narrow a search by its filters: the name's pattern through the text index (when it
// holds a run of three characters or more), the generic's pattern through the items' GenericID. The
// search's statement still decides, so a way only ever leaves out items that cannot pass.
std::vector<CandidateRestriction> ItemFilterRestrictions(const ItemFilters& filters);

}  // namespace esoa::sql
