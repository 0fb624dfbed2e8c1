#include "database/sqlite/InventoryNameIndex.h"

#include <QSet>
#include <algorithm>
#include <optional>

#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/tsql/SqlTokenizer.h"
#include "database/sqlite/SqliteCaseRules.h"

namespace esoa::sql {
namespace {

const QString kIndex = QStringLiteral("tbInvMaster__esoa_ItemNameText");
// The private index of the items' generic (made by the embedded connection with the others).
const QString kGenericIndex = QStringLiteral("tbInvMaster__esoa_GenericID");

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
                alternatives << DoubleQuoted(QString::fromUcs4(trigram, 3));
            }
        }
    }
    return alternatives.size() == 1 ? alternatives.front()
                                    : QLatin1Char('(') + alternatives.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

// The significant tokens of a statement (no blanks, no comments), by position in the full list.
class Statement {
public:
    explicit Statement(const QString& sqlite) : tokens_(Tokenize(sqlite)) {
        for (size_t i = 0; i < tokens_.size(); ++i) {
            if (tokens_[i].kind != TokenKind::Space && tokens_[i].kind != TokenKind::Comment) sig_.push_back(i);
        }
    }
    size_t size() const { return sig_.size(); }
    const Token* at(size_t k) const { return k < sig_.size() ? &tokens_[sig_[k]] : nullptr; }
    bool word(size_t k, const char* w) const { return at(k) && at(k)->isWord(w); }
    bool symbol(size_t k, const char* s) const { return at(k) && at(k)->isSymbol(s); }
    bool name(size_t k) const {
        return at(k) && (at(k)->kind == TokenKind::Word || at(k)->kind == TokenKind::Bracketed);
    }
    bool named(size_t k, const QString& n) const {
        return name(k) && Unquoted(*at(k)).compare(n, Qt::CaseInsensitive) == 0;
    }
    // "Inventory.<table>" starting at k.
    bool inventoryTable(size_t k, const char* table) const {
        return named(k, QStringLiteral("Inventory")) && symbol(k + 1, ".") && named(k + 2, QLatin1String(table));
    }
    // The statement with `text` put after the significant tokens at the given places.
    QString with(const std::vector<std::pair<size_t, QString>>& insertions) const {
        QString out;
        for (size_t i = 0; i < tokens_.size(); ++i) {
            out += tokens_[i].text;
            for (const auto& [k, text] : insertions) {
                if (sig_[k] == i) out += text;
            }
        }
        return out;
    }

private:
    std::vector<Token> tokens_;
    std::vector<size_t> sig_;
};

bool isClauseWord(const Token& t) {
    static const QSet<QString> words = {
        QStringLiteral("WHERE"), QStringLiteral("LEFT"),  QStringLiteral("INNER"),   QStringLiteral("JOIN"),
        QStringLiteral("CROSS"), QStringLiteral("ON"),    QStringLiteral("ORDER"),   QStringLiteral("GROUP"),
        QStringLiteral("LIMIT"), QStringLiteral("NOT"),   QStringLiteral("INDEXED"), QStringLiteral("USING"),
        QStringLiteral("OUTER"), QStringLiteral("RIGHT"), QStringLiteral("FULL"),    QStringLiteral("NATURAL")};
    return t.kind == TokenKind::Word && words.contains(t.text.toUpper());
}

// A table of the FROM clause: where its name (or alias) ends, and how columns name it.
struct TableRef {
    size_t name = 0;  // first token of "Inventory.<table>"
    size_t end = 0;   // last token of the reference (the alias, or the table name)
    QString written;  // the alias as written, or the table name: how a column names it
    QString ref;      // the same, unquoted
};

TableRef readTable(const Statement& s, size_t k) {
    size_t end = k + 2;
    size_t alias = k + 3;
    if (s.word(alias, "AS")) ++alias;
    if (s.name(alias) && !isClauseWord(*s.at(alias))) end = alias;
    return {k, end, s.at(end)->text, Unquoted(*s.at(end))};
}

// "<ref>.<column>" or a bare "<column>" at k: the index of the column's token, if it is one.
std::optional<size_t> columnAt(const Statement& s, size_t k, const QString& column, const QString& ref) {
    if (s.named(k, column) && !s.symbol(k + 1, ".")) return k;
    if (s.named(k, ref) && s.symbol(k + 1, ".") && s.named(k + 2, column)) return k + 2;
    return std::nullopt;
}

// The text of a plain string literal token ('it''s' -> it's).
std::optional<QString> literalText(const Token* t) {
    if (!t || t->kind != TokenKind::String || !t->text.startsWith(QLatin1Char('\''))) return std::nullopt;
    return t->text.mid(1, t->text.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
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
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[1]) +
            QStringLiteral(" AFTER INSERT") + on + add + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[2]) +
            QStringLiteral(" AFTER DELETE") + on + remove + QStringLiteral(" END"),
        QStringLiteral("CREATE TRIGGER Inventory.") + DoubleQuoted(names[3]) +
            QStringLiteral(" AFTER UPDATE") + on + remove + QLatin1Char(' ') + add + QStringLiteral(" END"),
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

std::vector<CandidateRestriction> InventoryFilterRestrictions(const QString& sqlite) {
    std::optional<Statement> parsed;
    try {
        parsed.emplace(sqlite);
    } catch (const DbError&) {
        return {};
    }
    const Statement& s = *parsed;
    if (!s.word(0, "SELECT")) return {};

    // The clauses at the top level; anything that could put a filter under another condition, or
    // an item row on the nullable side of a join, leaves the statement as it is.
    size_t from = 0, where = 0, whereEnd = s.size();
    int depth = 0;
    for (size_t k = 0; k < s.size(); ++k) {
        if (s.symbol(k, "(")) ++depth;
        if (s.symbol(k, ")")) --depth;
        if (depth != 0 || s.at(k)->kind != TokenKind::Word) continue;
        const QString upper = s.at(k)->text.toUpper();
        static const QSet<QString> refused = {QStringLiteral("RIGHT"),  QStringLiteral("FULL"),
                                              QStringLiteral("NATURAL"), QStringLiteral("UNION"),
                                              QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"),
                                              QStringLiteral("ESCAPE")};
        static const QSet<QString> afterWhere = {QStringLiteral("ORDER"), QStringLiteral("GROUP"),
                                                 QStringLiteral("LIMIT"), QStringLiteral("HAVING"),
                                                 QStringLiteral("WINDOW")};
        if (refused.contains(upper)) return {};
        if (upper == QLatin1String("FROM") && from == 0) from = k;
        if (upper == QLatin1String("WHERE") && where == 0) where = k;
        if (where != 0 && whereEnd == s.size() && afterWhere.contains(upper)) whereEnd = k;
        if (where != 0 && whereEnd == s.size() &&
            (upper == QLatin1String("OR") || upper == QLatin1String("BETWEEN") || upper == QLatin1String("CASE")))
            return {};
    }
    if (from == 0 || where <= from || !s.inventoryTable(from + 1, "tbInvMaster")) return {};
    const TableRef items = readTable(s, from + 1);
    if (s.word(items.end + 1, "INDEXED") || s.word(items.end + 1, "NOT")) return {};

    // Inventory.tbForGeneric joined to the items on their GenericID, and nothing else in its ON.
    std::optional<TableRef> generics;
    for (size_t k = items.end + 1; k + 2 < where; ++k) {
        if (!s.inventoryTable(k, "tbForGeneric")) continue;
        if (generics || !s.word(k - 1, "JOIN")) return {};
        TableRef g = readTable(s, k);
        const size_t on = g.end + 1;
        const auto side = [&](size_t at) { return s.name(at) ? Unquoted(*s.at(at)).toLower() : QString(); };
        const QSet<QString> sides{side(on + 1), side(on + 5)};
        const bool next = on + 8 == where || s.word(on + 8, "LEFT") || s.word(on + 8, "INNER") ||
                          s.word(on + 8, "JOIN") || s.word(on + 8, "CROSS");
        if (s.word(on, "ON") && s.symbol(on + 2, ".") && s.named(on + 3, QStringLiteral("GenericID")) &&
            s.symbol(on + 4, "=") && s.symbol(on + 6, ".") && s.named(on + 7, QStringLiteral("GenericID")) && next &&
            sides == QSet<QString>{items.ref.toLower(), g.ref.toLower()} && sides.size() == 2) {
            generics = g;
        }
    }

    // Read in name order, as the walk of the name index gives it: with the status fixed, items of
    // the same name (in the collation) in the order of their rowids. The narrowed statement sorts by
    // the same two keys.
    if (whereEnd + 2 >= s.size() || !s.word(whereEnd, "ORDER") || !s.word(whereEnd + 1, "BY")) return {};
    const auto order = columnAt(s, whereEnd + 2, QStringLiteral("ItemName"), items.ref);
    if (!order) return {};
    const size_t orderEnd = s.word(*order + 1, "ASC") ? *order + 1 : *order;
    if (orderEnd + 1 != s.size() && !s.word(orderEnd + 1, "LIMIT")) return {};

    const QString itemsTable = s.at(items.name)->text + QLatin1Char('.') + s.at(items.name + 2)->text;
    std::vector<CandidateRestriction> out;
    bool statusFixed = false;
    depth = 0;
    for (size_t k = where + 1; k < whereEnd; ++k) {
        if (s.symbol(k - 1, "(")) ++depth;
        if (s.symbol(k - 1, ")")) --depth;
        if (depth != 0 || (!s.word(k - 1, "WHERE") && !s.word(k - 1, "AND"))) continue;
        if (const auto status = columnAt(s, k, QStringLiteral("itemstatus"), items.ref)) {
            statusFixed = statusFixed || (s.symbol(*status + 1, "=") && s.at(*status + 2) &&
                                          s.at(*status + 2)->kind == TokenKind::Number &&
                                          (*status + 3 == whereEnd || s.word(*status + 3, "AND")));
            continue;
        }
        QString candidates;
        QString hint = QStringLiteral(" NOT INDEXED");
        QString condition;
        bool textIndex = false;
        size_t like = 0;
        if (const auto c = columnAt(s, k, QStringLiteral("ItemName"), items.ref)) {
            like = *c + 1;
            const auto pattern = literalText(s.at(like + 1));
            const QString query = pattern ? TrigramQuery(*pattern) : QString();
            if (!query.isEmpty()) {
                candidates = QStringLiteral("SELECT rowid FROM Inventory.%1 WHERE %1 MATCH %2")
                                 .arg(DoubleQuoted(kIndex), Literal(query));
                condition = QStringLiteral(" AND %1.rowid IN (%2)").arg(items.written, candidates);
                textIndex = true;
            }
        } else if (const auto g = generics ? columnAt(s, k, QStringLiteral("GenericName"), generics->ref)
                                           : std::nullopt) {
            like = *g + 1;
            if (literalText(s.at(like + 1))) {
                // The items of the generics whose name matches, read generic by generic.
                const QString matching = QStringLiteral("SELECT G.GenericID FROM %1.%2 G WHERE G.GenericName LIKE %3")
                                             .arg(s.at(generics->name)->text, s.at(generics->name + 2)->text,
                                                  s.at(like + 1)->text);
                candidates = QStringLiteral("SELECT I.rowid FROM %1 I WHERE I.GenericID IN (%2)").arg(itemsTable, matching);
                hint = QStringLiteral(" INDEXED BY ") + DoubleQuoted(kGenericIndex);
                condition = QStringLiteral(" AND %1.GenericID IN (%2)").arg(items.written, matching);
            }
        }
        const size_t after = like + 2;
        if (candidates.isEmpty() || !s.word(like, "LIKE") || !(after == whereEnd || s.word(after, "AND"))) continue;
        out.push_back({candidates,
                       s.with({{items.end, hint},
                               {like + 1, condition},
                               {orderEnd, QStringLiteral(", %1.rowid").arg(items.written)}}),
                       textIndex});
    }
    if (!statusFixed) return {};
    return out;
}

}  // namespace esoa::sql
