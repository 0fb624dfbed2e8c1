#pragma once

#include <QString>
#include <QStringList>
#include <vector>

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

// One way to narrow a SELECT over tbInvMaster: `candidates` lists the rowids of the items that may
// pass one of its filters, and `restricted` is the statement reading only those items.
struct CandidateRestriction {
    QString candidates;
    QString restricted;
    bool textIndex = false;  // uses the text index of names
};

// The restrictions that can narrow a translated SELECT whose first table is Inventory.tbInvMaster,
// for each filter ANDed at the top of its WHERE clause:
// - "[alias.]ItemName LIKE '...'", through the text index;
// - "[alias.]GenericName LIKE '...'" of Inventory.tbForGeneric joined on "a.GenericID=b.GenericID",
//   through the items' GenericID.
// Any other shape (an OR, a RIGHT JOIN, a LIKE with ESCAPE...) gives none, and the statement runs as
// it is.
std::vector<CandidateRestriction> InventoryFilterRestrictions(const QString& sqlite);

}  // namespace esoa::sql
