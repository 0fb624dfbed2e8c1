#include "database/sqlite/InventoryNameIndex.h"

#include <algorithm>

#include "database/SqlText.h"
#include "database/sqlite/SqliteCaseRules.h"

namespace esoa::sql {
namespace {

const QString kIndex = QStringLiteral("tbInvMaster__esoa_ItemNameText");
// The private index of the items' generic (made by the embedded connection with the others).
const QString kGenericIndex = QStringLiteral("tbInvMaster__esoa_GenericID");
// The items' rowid as a narrowed read gives it, to order items of the same name as the walk does.
const QString kRowid = QStringLiteral("esoa_rowid");

// A trigram in more letter cases than this is left out of a query (it only narrows less).
constexpr size_t kMostCases = 64;
// Trigrams taken from a pattern: enough to make a rare name rare, few enough to look up quickly.
constexpr int kMostTrigrams = 12;

// One trigram in every letter case LIKE takes for it, as FTS5 query strings joined by OR; empty when
// there are too many, or a character no index entry can hold as LIKE reads it.
QString trigramTerm(const std::u32string& run, size_t start) {
    std::vector<char32_t> cases[3];
    size_t product = 1;
    for (size_t k = 0; k < 3; ++k) {
        // A malformed byte reads as U+FFFD in LIKE but not in the index.
        if (run[start + k] == 0xFFFD) return {};
        cases[k] = CaseVariants(run[start + k]);
        product *= cases[k].size();
    }
    if (product > kMostCases) return {};
    QStringList alternatives;
    for (char32_t a : cases[0]) {
        for (char32_t b : cases[1]) {
            for (char32_t c : cases[2]) {
                const char32_t trigram[] = {a, b, c};
                QString text = QString::fromUcs4(trigram, 3);
                alternatives << QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                                    QLatin1Char('"');
            }
        }
    }
    return alternatives.size() == 1 ? alternatives.front()
                                    : QLatin1Char('(') + alternatives.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

// The items read only where `condition` holds, through `hint`, in place of the whole table; items
// of the same name then come in the order of their rowids, as in the walk of the name index.
TableSource itemsWhere(const QString& hint, const QString& condition) {
    return {QStringLiteral("Inventory.tbInvMaster"),
            QStringLiteral("(SELECT rowid AS %1, * FROM Inventory.tbInvMaster%2 WHERE %3)")
                .arg(kRowid, hint, condition),
            kRowid};
}

}  // namespace

QStringList ItemNameTextIndex::ObjectNames() {
    return {kIndex, kIndex + QStringLiteral("_ai"), kIndex + QStringLiteral("_ad"), kIndex + QStringLiteral("_au")};
}

QStringList ItemNameTextIndex::DropStatements() {
    const QStringList names = ObjectNames();
    QStringList out;
    for (qsizetype i = 1; i < names.size(); ++i)
        out << QStringLiteral("DROP TRIGGER IF EXISTS Inventory.") + DoubleQuoted(names[i]);
    out << QStringLiteral("DROP TABLE IF EXISTS Inventory.") + DoubleQuoted(names[0]);
    return out;
}

QStringList ItemNameTextIndex::CreateStatements(const QString& table, const QString& nameColumn) {
    const QStringList names = ObjectNames();
    const QString index = DoubleQuoted(kIndex);
    const QString column = DoubleQuoted(nameColumn);
    const QString add = QStringLiteral("INSERT INTO %1(rowid, %2) VALUES (new.rowid, new.%2);").arg(index, column);
    const QString remove =
        QStringLiteral("INSERT INTO %1(%1, rowid, %2) VALUES ('delete', old.rowid, old.%2);").arg(index, column);
    const QString on = QStringLiteral(" ON ") + DoubleQuoted(table) + QStringLiteral(" BEGIN ");
    return {
        // Trigrams exactly as written: the letter cases LIKE takes are asked for by the query,
        // with the program's own case rules rather than FTS5's.
        QStringLiteral("CREATE VIRTUAL TABLE Inventory.%1 USING fts5(%2, content=%3, content_rowid='rowid', "
                       "tokenize='trigram case_sensitive 1', detail='none', columnsize=0)")
            .arg(index, column, Literal(table)),
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[1]) + QStringLiteral(" AFTER INSERT") + on +
            add + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[2]) + QStringLiteral(" AFTER DELETE") + on +
            remove + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[3]) + QStringLiteral(" AFTER UPDATE") + on +
            remove + QLatin1Char(' ') + add + QStringLiteral(" END"),
        QStringLiteral("INSERT INTO Inventory.%1(%1) VALUES ('rebuild')").arg(index),
    };
}

QString TrigramQuery(const QString& pattern) {
    QStringList terms;
    for (const std::u32string& run : LikeLiteralRuns(pattern)) {
        if (run.size() < 3) continue;
        // Trigrams side by side and the last one first, covering the whole run; then the ones that
        // overlap them, which tell where the pieces meet.
        std::vector<size_t> starts;
        for (size_t i = 0; i + 3 <= run.size(); i += 3) starts.push_back(i);
        if (starts.back() != run.size() - 3) starts.push_back(run.size() - 3);
        for (size_t i = 1; i + 3 <= run.size(); ++i) {
            if (std::find(starts.begin(), starts.end(), i) == starts.end()) starts.push_back(i);
        }
        for (size_t start : starts) {
            if (terms.size() >= kMostTrigrams) break;
            const QString term = trigramTerm(run, start);
            if (!term.isEmpty() && !terms.contains(term)) terms << term;
        }
    }
    return terms.join(QLatin1String(" AND "));
}

std::vector<CandidateRestriction> ItemFilterRestrictions(const ItemFilters& filters) {
    std::vector<CandidateRestriction> out;
    const QString query = filters.name.isEmpty() ? QString() : TrigramQuery(filters.name);
    if (!query.isEmpty()) {
        const QString candidates = QStringLiteral("SELECT rowid FROM Inventory.%1 WHERE %1 MATCH %2")
                                       .arg(DoubleQuoted(kIndex), Literal(query));
        out.push_back(
            {candidates,
             itemsWhere(QStringLiteral(" NOT INDEXED"), QStringLiteral("rowid IN (%1)").arg(candidates)),
             true});
    }
    if (!filters.generic.isEmpty()) {
        // The items of the generics whose name matches, read generic by generic.
        const QString matching =
            QStringLiteral("SELECT G.GenericID FROM Inventory.tbForGeneric G WHERE G.GenericName LIKE %1")
                .arg(Literal(filters.generic));
        const QString condition = QStringLiteral("GenericID IN (%1)").arg(matching);
        out.push_back({QStringLiteral("SELECT I.rowid FROM Inventory.tbInvMaster I WHERE I.") + condition,
                       itemsWhere(QStringLiteral(" INDEXED BY ") + DoubleQuoted(kGenericIndex), condition),
                       false});
    }
    return out;
}

}  // namespace esoa::sql
