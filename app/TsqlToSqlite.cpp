#include "app/TsqlToSqlite.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "app/DbError.h"
#include "app/SqlTokenizer.h"

namespace esoa::sql {
namespace {

QSet<QString> wordSet(std::initializer_list<const char*> words) {
    QSet<QString> set;
    for (const char* w : words) set.insert(QLatin1String(w));
    return set;
}

// SQL Server's reserved words, which never stand unbracketed as a name, plus the SQLite-only words
// that SQL Server would refuse. Outside the keywords a statement kind allows, each of them is a
// construct this translation does not handle.
const QSet<QString>& reservedWords() {
    static const QSet<QString> words = wordSet({
        "ADD",
        "ALL",
        "ALTER",
        "AND",
        "ANY",
        "AS",
        "ASC",
        "AUTHORIZATION",
        "BACKUP",
        "BEGIN",
        "BETWEEN",
        "BREAK",
        "BROWSE",
        "BULK",
        "BY",
        "CASCADE",
        "CASE",
        "CHECK",
        "CHECKPOINT",
        "CLOSE",
        "CLUSTERED",
        "COALESCE",
        "COLLATE",
        "COLUMN",
        "COMMIT",
        "COMPUTE",
        "CONSTRAINT",
        "CONTAINS",
        "CONTAINSTABLE",
        "CONTINUE",
        "CONVERT",
        "CREATE",
        "CROSS",
        "CURRENT",
        "CURRENT_DATE",
        "CURRENT_TIME",
        "CURRENT_TIMESTAMP",
        "CURRENT_USER",
        "CURSOR",
        "DATABASE",
        "DBCC",
        "DEALLOCATE",
        "DECLARE",
        "DEFAULT",
        "DELETE",
        "DENY",
        "DESC",
        "DISK",
        "DISTINCT",
        "DISTRIBUTED",
        "DOUBLE",
        "DROP",
        "DUMP",
        "ELSE",
        "END",
        "ERRLVL",
        "ESCAPE",
        "EXCEPT",
        "EXEC",
        "EXECUTE",
        "EXISTS",
        "EXIT",
        "EXTERNAL",
        "FETCH",
        "FILE",
        "FILLFACTOR",
        "FOR",
        "FOREIGN",
        "FREETEXT",
        "FREETEXTTABLE",
        "FROM",
        "FULL",
        "FUNCTION",
        "GOTO",
        "GRANT",
        "GROUP",
        "HAVING",
        "HOLDLOCK",
        "IDENTITY",
        "IDENTITY_INSERT",
        "IDENTITYCOL",
        "IF",
        "IN",
        "INDEX",
        "INNER",
        "INSERT",
        "INTERSECT",
        "INTO",
        "IS",
        "JOIN",
        "KEY",
        "KILL",
        "LEFT",
        "LIKE",
        "LINENO",
        "LOAD",
        "MERGE",
        "NATIONAL",
        "NOCHECK",
        "NONCLUSTERED",
        "NOT",
        "NULL",
        "NULLIF",
        "OF",
        "OFF",
        "OFFSETS",
        "ON",
        "OPEN",
        "OPENDATASOURCE",
        "OPENQUERY",
        "OPENROWSET",
        "OPENXML",
        "OPTION",
        "OR",
        "ORDER",
        "OUTER",
        "OVER",
        "PERCENT",
        "PIVOT",
        "PLAN",
        "PRECISION",
        "PRIMARY",
        "PRINT",
        "PROC",
        "PROCEDURE",
        "PUBLIC",
        "RAISERROR",
        "READ",
        "READTEXT",
        "RECONFIGURE",
        "REFERENCES",
        "REPLICATION",
        "RESTORE",
        "RESTRICT",
        "RETURN",
        "REVERT",
        "REVOKE",
        "RIGHT",
        "ROLLBACK",
        "ROWCOUNT",
        "ROWGUIDCOL",
        "RULE",
        "SAVE",
        "SCHEMA",
        "SECURITYAUDIT",
        "SELECT",
        "SESSION_USER",
        "SET",
        "SETUSER",
        "SHUTDOWN",
        "SOME",
        "STATISTICS",
        "SYSTEM_USER",
        "TABLE",
        "TABLESAMPLE",
        "TEXTSIZE",
        "THEN",
        "TO",
        "TOP",
        "TRAN",
        "TRANSACTION",
        "TRIGGER",
        "TRUNCATE",
        "TRY_CONVERT",
        "TSEQUAL",
        "UNION",
        "UNIQUE",
        "UNPIVOT",
        "UPDATE",
        "UPDATETEXT",
        "USE",
        "USER",
        "VALUES",
        "VARYING",
        "VIEW",
        "WAITFOR",
        "WHEN",
        "WHERE",
        "WHILE",
        "WITH",
        "WITHIN",
        "WRITETEXT",
        // SQLite's own, meaningless (or meaning something else) to SQL Server.
        "LIMIT",
        "OFFSET",
        "GLOB",
        "REGEXP",
        "MATCH",
        "ISNULL",
        "NOTNULL",
        "PRAGMA",
        "ATTACH",
        "DETACH",
        "VACUUM",
        "REINDEX",
        "REPLACE",
    });
    return words;
}

// The keywords each statement kind may use outside the parts translated on their own.
const QSet<QString>& selectKeywords() {
    static const QSet<QString> words =
        wordSet({"AND",     "OR",    "NOT",   "LIKE", "ESCAPE", "IS",    "NULL",   "IN",
                 "BETWEEN", "FROM",  "WHERE", "AS",   "ON",     "LEFT",  "INNER",  "OUTER",
                 "JOIN",    "ORDER", "BY",    "ASC",  "DESC",   "GROUP", "HAVING", "DISTINCT"});
    return words;
}
const QSet<QString>& updateKeywords() {
    static const QSet<QString> words =
        wordSet({"AND", "OR", "NOT", "LIKE", "ESCAPE", "IS", "NULL", "IN", "BETWEEN", "SET", "WHERE"});
    return words;
}
const QSet<QString>& deleteKeywords() {
    static const QSet<QString> words =
        wordSet({"AND", "OR", "NOT", "LIKE", "ESCAPE", "IS", "NULL", "IN", "BETWEEN", "WHERE"});
    return words;
}
const QSet<QString>& insertKeywords() {
    static const QSet<QString> words = wordSet({"VALUES", "NULL"});
    return words;
}

// The aggregates behave alike in both dialects; every other function is T-SQL's own or SQLite's.
const QSet<QString>& functions() {
    static const QSet<QString> words = wordSet({"COUNT", "MIN", "MAX", "SUM"});
    return words;
}

// Punctuation with the same meaning in both dialects. '+' is missing on purpose: T-SQL joins texts
// with it, SQLite adds them as numbers.
const QSet<QString>& symbols() {
    static const QSet<QString> set =
        wordSet({"(", ")", ",", ".", "=", "<", ">", "<>", "<=", ">=", "!=", "*", "-", "/"});
    return set;
}

bool isNamePart(const Token* t) {
    return t && (t->kind == TokenKind::Word || t->kind == TokenKind::Bracketed);
}

QString bracketed(const QString& name) {
    QString inner = name;
    inner.replace(QLatin1Char(']'), QLatin1String("]]"));
    return QLatin1Char('[') + inner + QLatin1Char(']');
}

// The attached schema a T-SQL database name stands for; empty when it names no embedded database.
QString schemaOf(const Token& database) {
    const QString name = Unquoted(database);
    for (const char* schema : {"Build_FIle", "Inventory"}) {
        if (name.compare(QLatin1String(schema), Qt::CaseInsensitive) == 0) return QLatin1String(schema);
    }
    return {};
}

struct Name {
    QString text;    // as written
    QString sqlite;  // as SQLite takes it: "Schema.Table" for a name that gave its database
    QString schema;  // empty unless the name gave its database
    const Token* last = nullptr;
    bool single = true;
};

class Translator {
public:
    explicit Translator(const QString& tsql) : tsql_(tsql), tokens_(Tokenize(tsql)) {}

    QString Run() {
        Screen();
        CopySpaces();
        const Token* first = At(pos_);
        if (!first) Refuse(QStringLiteral("an empty statement"));
        const QString kind = first->text.toUpper();
        if (first->kind != TokenKind::Word)
            Refuse(Quoted(first->text) + QStringLiteral(" at the start of a statement"));
        Emit();
        if (kind == QLatin1String("SELECT")) {
            Select();
        } else if (kind == QLatin1String("INSERT")) {
            Insert();
        } else if (kind == QLatin1String("UPDATE")) {
            CopySpaces();
            EmitName(TakeName());
            Expression(updateKeywords(), false);
        } else if (kind == QLatin1String("DELETE")) {
            ExpectWord("FROM", QStringLiteral("'DELETE' without FROM"));
            CopySpaces();
            EmitName(TakeName());
            Expression(deleteKeywords(), false);
        } else if (kind == QLatin1String("DROP")) {
            ExpectWord("TABLE", Quoted(QStringLiteral("DROP ") + NextWordText()));
            CopySpaces();
            EmitName(TakeName());
            End(QStringLiteral("after DROP TABLE"));
        } else if (kind == QLatin1String("ALTER")) {
            AlterTable();
        } else if (kind == QLatin1String("CREATE")) {
            Create();
        } else {
            Refuse(Quoted(kind));
        }
        return out_;
    }

private:
    [[noreturn]] void Refuse(const QString& what) const {
        throw DbError(QStringLiteral("The embedded database does not handle %1.").arg(what), {}, tsql_);
    }
    static QString Quoted(const QString& text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }

    // A reserved word where a name or an allowed keyword should stand.
    [[noreturn]] void RefuseWord(size_t i) const {
        const Token* next = At(SkipSpaces(i + 1));
        if (next && next->isSymbol("("))
            Refuse(QStringLiteral("the function ") + Quoted(tokens_[i].text.toUpper()));
        if (tokens_[i].isWord("SELECT")) Refuse(QStringLiteral("a SELECT inside another statement"));
        Refuse(Quoted(tokens_[i].text.toUpper()));
    }

    // Refusals that hold wherever the token stands; also drops the N of Unicode literals, which
    // SQLite's texts do not need.
    void Screen() {
        for (Token& t : tokens_) {
            switch (t.kind) {
                case TokenKind::Comment:
                    Refuse(QStringLiteral("comments (") + Quoted(t.text.left(2)) + QLatin1Char(')'));
                case TokenKind::String:
                    if (t.text.front() != u'\'') t.text.remove(0, 1);
                    break;
                case TokenKind::Word:
                    if (t.isWord("GO")) Refuse(QStringLiteral("'GO'"));
                    if (t.text.front() == u'@')
                        Refuse(QStringLiteral("variables (") + Quoted(t.text) + QLatin1Char(')'));
                    if (t.text.front() == u'#') {
                        Refuse(QStringLiteral("temporary tables (") + Quoted(t.text) + QLatin1Char(')'));
                    }
                    break;
                case TokenKind::Symbol:
                    if (t.text == QLatin1String(";")) Refuse(QStringLiteral("more than one statement (';')"));
                    if (!symbols().contains(t.text)) Refuse(Quoted(t.text));
                    break;
                default:
                    break;
            }
        }
    }

    const Token* At(size_t i) const { return i < tokens_.size() ? &tokens_[i] : nullptr; }
    size_t SkipSpaces(size_t i) const {
        while (i < tokens_.size() && tokens_[i].kind == TokenKind::Space) ++i;
        return i;
    }
    const Token* Next() const { return At(SkipSpaces(pos_)); }
    QString NextWordText() const {
        const Token* t = Next();
        return t ? t->text.toUpper() : QString();
    }
    void CopySpaces() {
        while (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Space) out_ += tokens_[pos_++].text;
    }
    void Emit() { out_ += tokens_[pos_++].text; }

    void ExpectWord(const char* word, const QString& otherwise) {
        const Token* t = Next();
        if (!t || !t->isWord(word)) Refuse(otherwise);
        CopySpaces();
        Emit();
    }
    void ExpectSymbol(const char* symbol, const QString& otherwise) {
        const Token* t = Next();
        if (!t || !t->isSymbol(symbol)) Refuse(otherwise);
        CopySpaces();
        Emit();
    }
    // Blanks may follow; anything else is more than this translation understands.
    void End(const QString& where) {
        CopySpaces();
        if (pos_ < tokens_.size()) Refuse(Quoted(tokens_[pos_].text) + QLatin1Char(' ') + where);
    }

    // Leaves out the tokens up to `resume`, keeping the words around them apart by one run of blanks.
    void SkipTo(size_t resume) {
        pos_ = resume;
        const bool spaceBefore = !out_.isEmpty() && out_.back().isSpace();
        const bool spaceAfter = pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Space;
        if (spaceBefore && (spaceAfter || pos_ >= tokens_.size())) {
            while (!out_.isEmpty() && out_.back().isSpace()) out_.chop(1);
        } else if (!spaceBefore && !spaceAfter && pos_ < tokens_.size() && !out_.isEmpty()) {
            out_ += QLatin1Char(' ');
        }
    }

    // A possibly dotted name at pos_: "T", "A.ItemID", "Build_FIle..T", "[Build_FIle].[dbo].[T]".
    // A trailing dot that starts no part ("A.*") is left for the caller.
    Name TakeName() {
        const Token* first = At(pos_);
        if (!isNamePart(first))
            Refuse(first ? Quoted(first->text) + QStringLiteral(" where a name belongs")
                         : QStringLiteral("a statement that ends where a name belongs"));
        if (first->kind == TokenKind::Word && reservedWords().contains(first->text.toUpper()))
            RefuseWord(pos_);
        std::vector<const Token*> parts{first};
        size_t i = pos_ + 1;
        while (At(i) && At(i)->isSymbol(".")) {
            const Token* next = At(i + 1);
            if (isNamePart(next)) {
                parts.push_back(next);
                i += 2;
            } else if (next && next->isSymbol(".")) {
                parts.push_back(nullptr);
                i += 1;
            } else {
                break;
            }
        }
        Name name;
        for (size_t k = pos_; k < i; ++k) name.text += tokens_[k].text;
        pos_ = i;
        name.sqlite = name.text;
        name.last = parts.back();
        name.single = parts.size() == 1;
        const bool hasEmpty = std::find(parts.begin(), parts.end(), nullptr) != parts.end();
        if (parts.size() > 3 || (hasEmpty && (parts.size() != 3 || !parts[2]))) {
            Refuse(QStringLiteral("the name ") + Quoted(name.text));
        }
        if (parts.size() == 3) {
            name.schema = schemaOf(*parts[0]);
            if (name.schema.isEmpty()) Refuse(QStringLiteral("the database ") + Quoted(Unquoted(*parts[0])));
            if (parts[1] && Unquoted(*parts[1]).compare(QLatin1String("dbo"), Qt::CaseInsensitive) != 0) {
                Refuse(QStringLiteral("the schema ") + Quoted(Unquoted(*parts[1])));
            }
            name.sqlite = name.schema + QLatin1Char('.') + parts[2]->text;
        }
        return name;
    }
    void EmitName(const Name& name) { out_ += name.sqlite; }

    // The rest of a SELECT, UPDATE, DELETE or INSERT: names are translated, table hints dropped (in
    // a SELECT), everything else checked against the keywords the statement kind allows.
    void Expression(const QSet<QString>& keywords, bool hints) {
        while (pos_ < tokens_.size()) {
            const Token& t = tokens_[pos_];
            if (t.kind == TokenKind::Word) {
                const QString upper = t.text.toUpper();
                if (hints && upper == QLatin1String("WITH")) {
                    TableHint();
                    continue;
                }
                if (keywords.contains(upper)) {
                    Emit();
                    continue;
                }
                if (reservedWords().contains(upper)) RefuseWord(pos_);
            }
            if (isNamePart(&t)) {
                const Name name = TakeName();
                const Token* next = Next();
                if (next && next->isSymbol("(") &&
                    !(name.single && functions().contains(name.text.toUpper()))) {
                    Refuse(QStringLiteral("the function ") + Quoted(name.text));
                }
                EmitName(name);
                continue;
            }
            Emit();
        }
    }

    // WITH (NOLOCK): SQLite reads without locks of that kind anyway, so the hint is left out.
    void TableHint() {
        const size_t open = SkipSpaces(pos_ + 1);
        const size_t hint = SkipSpaces(open + 1);
        const size_t close = SkipSpaces(hint + 1);
        if (!At(open) || !At(open)->isSymbol("(")) Refuse(QStringLiteral("'WITH'"));
        if (!At(hint) || !At(hint)->isWord("NOLOCK")) {
            Refuse(QStringLiteral("the table hint ") + Quoted(At(hint) ? At(hint)->text : QString()));
        }
        if (!At(close) || !At(close)->isSymbol(")")) Refuse(QStringLiteral("table hints other than NOLOCK"));
        SkipTo(close + 1);
    }

    // SELECT [DISTINCT] [TOP n] ...: TOP becomes a LIMIT at the end, and DISTINCT(col) loses its
    // parentheses so that the column keeps its own name in the result.
    void Select() {
        bool distinct = false;
        if (const Token* t = Next(); t && (t->isWord("DISTINCT") || t->isWord("ALL"))) {
            distinct = t->isWord("DISTINCT");
            CopySpaces();
            Emit();
        }
        QString limit;
        if (const Token* t = Next(); t && t->isWord("TOP")) {
            const size_t count = SkipSpaces(SkipSpaces(pos_) + 1);
            if (!At(count) || At(count)->kind != TokenKind::Number ||
                At(count)->text.contains(QLatin1Char('.'))) {
                Refuse(QStringLiteral("TOP without a plain row count"));
            }
            limit = At(count)->text;
            CopySpaces();
            SkipTo(count + 1);
        }
        if (distinct) {
            const size_t open = SkipSpaces(pos_);
            const Token* column = At(open + 1);
            if (At(open) && At(open)->isSymbol("(") && isNamePart(column) && At(open + 2) &&
                At(open + 2)->isSymbol(")") && !reservedWords().contains(column->text.toUpper())) {
                CopySpaces();
                if (!out_.back().isSpace()) out_ += QLatin1Char(' ');
                out_ += column->text;
                pos_ = open + 3;
            }
        }
        Expression(selectKeywords(), true);
        if (!limit.isEmpty()) {
            if (!out_.back().isSpace()) out_ += QLatin1Char(' ');
            out_ += QStringLiteral("LIMIT ") + limit;
        }
    }

    void Insert() {
        ExpectWord("INTO", QStringLiteral("'INSERT' without INTO"));
        CopySpaces();
        EmitName(TakeName());
        if (const Token* t = Next(); t && t->isWord("DEFAULT")) {
            CopySpaces();
            Emit();
            ExpectWord("VALUES", QStringLiteral("'DEFAULT' other than in DEFAULT VALUES"));
            End(QStringLiteral("after DEFAULT VALUES"));
            return;
        }
        Expression(insertKeywords(), false);
    }

    // ALTER TABLE t DROP COLUMN c, the only change of a table this program makes.
    void AlterTable() {
        ExpectWord("TABLE", Quoted(QStringLiteral("ALTER ") + NextWordText()));
        CopySpaces();
        EmitName(TakeName());
        ExpectWord("DROP", QStringLiteral("'ALTER TABLE ... ") + NextWordText() + QLatin1Char('\''));
        ExpectWord("COLUMN", QStringLiteral("'ALTER TABLE ... DROP ") + NextWordText() + QLatin1Char('\''));
        CopySpaces();
        const Name column = TakeName();
        if (!column.single) Refuse(QStringLiteral("the column name ") + Quoted(column.text));
        EmitName(column);
        End(QStringLiteral("after ALTER TABLE ... DROP COLUMN"));
    }

    void Create() {
        const Token* t = Next();
        if (t && t->isWord("TABLE")) {
            CopySpaces();
            Emit();
            CreateTable();
        } else if (t && (t->isWord("INDEX") || t->isWord("CLUSTERED") || t->isWord("NONCLUSTERED"))) {
            CopySpaces();
            CreateIndex();
        } else {
            Refuse(Quoted(QStringLiteral("CREATE ") + NextWordText()));
        }
    }

    Name TakeTableWithDatabase(const char* statement) {
        CopySpaces();
        const Name name = TakeName();
        if (name.schema.isEmpty()) {
            Refuse(QStringLiteral("%1 on %2 without its database name")
                       .arg(QLatin1String(statement), Quoted(name.text)));
        }
        return name;
    }

    void CreateTable() {
        EmitName(TakeTableWithDatabase("CREATE TABLE"));
        ExpectSymbol("(", QStringLiteral("CREATE TABLE without a column list"));
        bool any = false;
        for (;;) {
            const Token* t = Next();
            if (t && t->isSymbol(")")) break;
            CopySpaces();
            Column();
            any = true;
            t = Next();
            if (t && t->isSymbol(",")) {
                CopySpaces();
                ++pos_;
                // SQL Server lets a comma close the list; SQLite does not.
                const Token* after = Next();
                if (!after || !after->isSymbol(")")) out_ += QLatin1Char(',');
            } else if (!t || !t->isSymbol(")")) {
                Refuse((t ? Quoted(t->text) : QStringLiteral("a missing ')'")) +
                       QStringLiteral(" in CREATE TABLE"));
            }
        }
        if (!any) Refuse(QStringLiteral("CREATE TABLE without columns"));
        CopySpaces();
        Emit();
        End(QStringLiteral("after the column list of CREATE TABLE"));
    }

    // One column definition: name, one of the types the reference and link tables use, NULL or
    // NOT NULL. SQL Server refuses values that do not fit the type; the CHECKs make SQLite refuse
    // them too. The declared types stay plain (REAL, INTEGER) so that Qt reports numeric fields.
    void Column() {
        const Name name = TakeName();
        if (!name.single) Refuse(QStringLiteral("the column name ") + Quoted(name.text));
        const QString c = name.text;
        out_ += c;
        CopySpaces();
        const Token* type = At(pos_);
        if (!isNamePart(type)) Refuse(QStringLiteral("a column without a type in CREATE TABLE"));
        const QString typeName = Unquoted(*type).toLower();
        ++pos_;
        if (typeName == QLatin1String("varchar")) {
            const size_t open = SkipSpaces(pos_);
            const size_t length = SkipSpaces(open + 1);
            const size_t close = SkipSpaces(length + 1);
            bool ok = false;
            const int n =
                At(length) && At(length)->kind == TokenKind::Number ? At(length)->text.toInt(&ok) : 0;
            if (!At(open) || !At(open)->isSymbol("(") || !ok || n < 1 || n > 8000 || !At(close) ||
                !At(close)->isSymbol(")")) {
                Refuse(QStringLiteral("varchar without a length from 1 to 8000"));
            }
            pos_ = close + 1;
            out_ += QStringLiteral("VARCHAR(%1) COLLATE NOCASE CHECK(length(%2) <= %1)").arg(n).arg(c);
        } else if (typeName == QLatin1String("smallmoney")) {
            out_ +=
                QStringLiteral(
                    "REAL CHECK(%1 IS NULL OR (typeof(%1) IN ('integer', 'real') AND %1 BETWEEN -214748.3648 "
                    "AND 214748.3647))")
                    .arg(c);
        } else if (typeName == QLatin1String("smallint")) {
            out_ +=
                QStringLiteral(
                    "INTEGER CHECK(%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -32768 AND 32767))")
                    .arg(c);
        } else if (typeName == QLatin1String("bigint")) {
            Identity();
            // AUTOINCREMENT: numbers start at 1 and are never given out again, as an identity's.
            out_ += QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        } else {
            Refuse(QStringLiteral("the column type ") + Quoted(Unquoted(*type)));
        }
        if (const Token* t = Next(); t && t->isWord("NULL")) {
            CopySpaces();
            Emit();
        } else if (t && t->isWord("NOT")) {
            CopySpaces();
            Emit();
            ExpectWord("NULL", QStringLiteral("'NOT' without NULL in CREATE TABLE"));
        }
        if (const Token* t = Next(); t && !t->isSymbol(",") && !t->isSymbol(")")) {
            Refuse(Quoted(t->text) + QStringLiteral(" in a column of CREATE TABLE"));
        }
    }

    // The only identity the tables use: IDENTITY(1,1) on a bigint.
    void Identity() {
        std::vector<size_t> at;
        size_t i = pos_;
        for (int k = 0; k < 6; ++k) {
            i = SkipSpaces(i);
            at.push_back(i++);
        }
        const char* expected[] = {"IDENTITY", "(", "1", ",", "1", ")"};
        for (int k = 0; k < 6; ++k) {
            const Token* t = At(at[k]);
            if (!t || t->text.compare(QLatin1String(expected[k]), Qt::CaseInsensitive) != 0) {
                Refuse(QStringLiteral("bigint other than IDENTITY(1,1)"));
            }
        }
        pos_ = at[5] + 1;
    }

    // CREATE [NON]CLUSTERED INDEX [name] ON db..table(cols): SQLite has no clustering and keeps index
    // names per database, so the index is made under SqliteIndexName in the table's schema.
    void CreateIndex() {
        if (Next()->isWord("CLUSTERED") || Next()->isWord("NONCLUSTERED")) SkipTo(SkipSpaces(pos_ + 1));
        ExpectWord("INDEX", QStringLiteral("'CREATE ... ") + NextWordText() + QLatin1Char('\''));
        const size_t nameAt = SkipSpaces(pos_);
        const QString spaceBeforeName = SpacesBetween(pos_, nameAt);
        pos_ = nameAt;
        const Name index = TakeName();
        if (!index.single) Refuse(QStringLiteral("the index name ") + Quoted(index.text));
        const QString spaceBeforeOn = SpacesBetween(pos_, SkipSpaces(pos_));
        pos_ = SkipSpaces(pos_);
        if (!At(pos_) || !At(pos_)->isWord("ON")) Refuse(QStringLiteral("CREATE INDEX without ON"));
        const QString on = tokens_[pos_++].text;
        const QString spaceBeforeTable = SpacesBetween(pos_, SkipSpaces(pos_));
        pos_ = SkipSpaces(pos_);
        const Name table = TakeName();
        if (table.schema.isEmpty()) {
            Refuse(QStringLiteral("CREATE INDEX on %1 without its database name").arg(Quoted(table.text)));
        }
        out_ += spaceBeforeName + table.schema + QLatin1Char('.') +
                bracketed(SqliteIndexName(Unquoted(*table.last), Unquoted(*index.last))) + spaceBeforeOn +
                on + spaceBeforeTable + table.last->text;
        ExpectSymbol("(", QStringLiteral("CREATE INDEX without a column list"));
        for (;;) {
            CopySpaces();
            const Name column = TakeName();
            if (!column.single) Refuse(QStringLiteral("the column name ") + Quoted(column.text));
            EmitName(column);
            if (const Token* t = Next(); t && (t->isWord("ASC") || t->isWord("DESC"))) {
                CopySpaces();
                Emit();
            }
            const Token* t = Next();
            if (t && t->isSymbol(",")) {
                CopySpaces();
                Emit();
            } else if (t && t->isSymbol(")")) {
                break;
            } else {
                Refuse((t ? Quoted(t->text) : QStringLiteral("a missing ')'")) +
                       QStringLiteral(" in CREATE INDEX"));
            }
        }
        CopySpaces();
        Emit();
        End(QStringLiteral("after the column list of CREATE INDEX"));
    }

    QString SpacesBetween(size_t from, size_t to) const {
        QString spaces;
        for (size_t i = from; i < to; ++i) spaces += tokens_[i].text;
        return spaces;
    }

    const QString& tsql_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    QString out_;
};

}  // namespace

QString TranslateToSqlite(const QString& tsql) {
    return Translator(tsql).Run();
}

QString SqliteIndexName(const QString& table, const QString& name) {
    return table + QStringLiteral("__") + name;
}

}  // namespace esoa::sql
