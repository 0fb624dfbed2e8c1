#include "database/tsql/TsqlToSqlite.h"

#include <QSet>
#include <QStringList>
#include <vector>

#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/tsql/SqlTokenizer.h"
#include "database/tsql/TsqlCursor.h"

namespace esoa::sql {
namespace {

// The keywords each statement kind may use outside the parts translated on their own.
QSet<QString> conditionWordsAnd(const char* more) {
    return WordSet(QStringLiteral("AND OR NOT LIKE ESCAPE IS NULL IN BETWEEN ") + QLatin1String(more));
}
const QSet<QString>& selectKeywords() {
    static const QSet<QString> words =
        conditionWordsAnd("FROM WHERE AS ON LEFT INNER OUTER JOIN ORDER BY ASC DESC GROUP HAVING DISTINCT CASE WHEN "
                          "THEN ELSE END");
    return words;
}
const QSet<QString>& updateKeywords() {
    static const QSet<QString> words = conditionWordsAnd("SET WHERE");
    return words;
}
const QSet<QString>& deleteKeywords() {
    static const QSet<QString> words = conditionWordsAnd("WHERE");
    return words;
}
const QSet<QString>& insertKeywords() {
    static const QSet<QString> words = WordSet(QStringLiteral("VALUES NULL"));
    return words;
}

// The aggregates and RTRIM (blanks only, NULL for NULL) behave alike in both dialects; every other
// function is T-SQL's own or SQLite's.
const QSet<QString>& functions() {
    static const QSet<QString> words = WordSet(QStringLiteral("COUNT MIN MAX SUM RTRIM"));
    return words;
}

// The statements this program sends, one kind per routine; the reading and the refusals are the
// cursor's.
class Translator : private TsqlCursor {
public:
    explicit Translator(const QString& tsql, const TableSource* source = nullptr)
        : TsqlCursor(tsql), source_(source) {}

    QString Run() {
        CopySpaces();
        const Token* first = At(pos_);
        if (!first) Refuse(QStringLiteral("an empty statement"));
        const QString kind = first->text.toUpper();
        if (first->kind != TokenKind::Word)
            Refuse(Quoted(first->text) + QStringLiteral(" at the start of a statement"));
        Emit();
        if (kind == QLatin1String("SELECT")) {
            Select();
        } else if (source_) {
            Refuse(QStringLiteral("a table read from elsewhere outside a SELECT"));
        } else if (kind == QLatin1String("INSERT")) {
            Insert();
        } else if (kind == QLatin1String("UPDATE")) {
            CopySpaces();
            EmitName(TakeName());
            Expression(updateKeywords(), Part::Other);
        } else if (kind == QLatin1String("DELETE")) {
            ExpectWord("FROM", QStringLiteral("'DELETE' without FROM"));
            CopySpaces();
            EmitName(TakeName());
            Expression(deleteKeywords(), Part::Other);
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
    QString returning_;  // the column an INSERT's OUTPUT asks for

    // The rest of a SELECT, UPDATE, DELETE or INSERT: names are translated, table hints dropped (in
    // a SELECT), everything else checked against the keywords the statement kind allows.
    enum class Part { Select, Insert, Other };
    void Expression(const QSet<QString>& keywords, Part part) {
        const bool hints = part == Part::Select;
        while (pos_ < tokens_.size()) {
            const Token& t = tokens_[pos_];
            if (t.kind == TokenKind::Word) {
                const QString upper = t.text.toUpper();
                if (hints && upper == QLatin1String("WITH")) {
                    TableHint();
                    continue;
                }
                if (part == Part::Insert && upper == QLatin1String("OUTPUT")) {
                    Output();
                    continue;
                }
                if (keywords.contains(upper)) {
                    // Subqueries are refused, so an ORDER BY is the statement's own and its last clause.
                    ordered_ = ordered_ || upper == QLatin1String("ORDER");
                    Emit();
                    continue;
                }
                if (IsReservedWord(upper)) RefuseWord(pos_);
            }
            if (IsNamePart(&t)) {
                const TsqlName name = TakeName();
                const Token* next = Next();
                if (hints && name.single &&
                    name.text.compare(QLatin1String("CAST"), Qt::CaseInsensitive) == 0 && next &&
                    next->isSymbol("(")) {
                    CastToText();
                    continue;
                }
                if (next && next->isSymbol("(") &&
                    !(name.single && functions().contains(name.text.toUpper()))) {
                    Refuse(QStringLiteral("the function ") + Quoted(name.text));
                }
                if (hints && source_ && !name.schema.isEmpty() &&
                    (name.schema + QLatin1Char('.') + Unquoted(*name.last))
                            .compare(source_->table, Qt::CaseInsensitive) == 0) {
                    // Read twice (a self-join), the source would narrow both sides.
                    if (sourced_) Refuse(Quoted(source_->table) + QStringLiteral(" read from elsewhere twice"));
                    out_ += source_->source;
                    sourced_ = true;
                } else {
                    EmitName(name);
                }
                continue;
            }
            Emit();
        }
    }

    // WITH (hint, ...): SQLite has no row locks; a reader takes no lock that NOLOCK could spare, and a
    // writer's transaction (BEGIN IMMEDIATE) already holds the lock that UPDLOCK, HOLDLOCK and
    // ROWLOCK would take. So the hints are left out. NOLOCK goes with no other hint, as on SQL Server.
    void TableHint() {
        static const QSet<QString> known = WordSet(QStringLiteral("NOLOCK UPDLOCK HOLDLOCK ROWLOCK"));
        const size_t open = SkipSpaces(pos_ + 1);
        if (!At(open) || !At(open)->isSymbol("(")) Refuse(QStringLiteral("'WITH'"));
        QSet<QString> hints;
        size_t at = open;
        for (;;) {
            const size_t hint = SkipSpaces(at + 1);
            const Token* word = At(hint);
            const QString upper = word ? word->text.toUpper() : QString();
            if (!word || word->kind != TokenKind::Word || !known.contains(upper) || hints.contains(upper))
                Refuse(QStringLiteral("the table hint ") + Quoted(word ? word->text : QString()));
            hints.insert(upper);
            at = SkipSpaces(hint + 1);
            if (At(at) && At(at)->isSymbol(",")) continue;
            if (!At(at) || !At(at)->isSymbol(")"))
                Refuse(QStringLiteral("table hints other than a list of words"));
            break;
        }
        if (hints.contains(QStringLiteral("NOLOCK")) && hints.size() > 1)
            Refuse(QStringLiteral("NOLOCK together with other table hints"));
        SkipTo(at + 1);
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
            if (At(open) && At(open)->isSymbol("(") && IsNamePart(column) && At(open + 2) &&
                At(open + 2)->isSymbol(")") && !IsReservedWord(column->text.toUpper())) {
                CopySpaces();
                if (!out_.back().isSpace()) out_ += QLatin1Char(' ');
                out_ += column->text;
                pos_ = open + 3;
            }
        }
        Expression(selectKeywords(), Part::Select);
        if (source_) {
            if (!sourced_) Refuse(QStringLiteral("a SELECT without ") + Quoted(source_->table));
            if (!source_->thenBy.isEmpty()) {
                if (!ordered_)
                    Refuse(QStringLiteral("a SELECT without ORDER BY, where one is to be extended"));
                out_ += QStringLiteral(", ") + source_->thenBy;
            }
        }
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
        Expression(insertKeywords(), Part::Insert);
        if (!returning_.isEmpty()) {
            if (!out_.back().isSpace()) out_ += QLatin1Char(' ');
            out_ += QStringLiteral("RETURNING ") + returning_;
        }
    }

    // OUTPUT INSERTED.column: the column of the row inserted, which SQLite gives by a RETURNING
    // clause at the end of the statement.
    void Output() {
        const size_t inserted = SkipSpaces(pos_ + 1);
        const size_t dot = inserted + 1;
        const Token* column = At(dot + 1);
        if (!At(inserted) || !At(inserted)->isWord("INSERTED") || !At(dot) || !At(dot)->isSymbol(".") ||
            !IsNamePart(column) ||
            (column->kind == TokenKind::Word && IsReservedWord(column->text.toUpper())) ||
            !returning_.isEmpty()) {
            Refuse(QStringLiteral("OUTPUT other than of one column of INSERTED"));
        }
        returning_ = column->text;
        SkipTo(dot + 2);
        if (const Token* t = Next(); !t || !t->isWord("VALUES"))
            Refuse(QStringLiteral("OUTPUT other than before VALUES"));
    }

    // CAST(column AS [n]varchar(n)): the column's value as text. The only texts this program casts
    // are already texts in the embedded database (a datetimeoffset is kept as its text).
    void CastToText() {
        const size_t open = SkipSpaces(pos_);
        pos_ = SkipSpaces(open + 1);
        const TsqlName column = TakeName();
        const size_t as = SkipSpaces(pos_);
        const size_t type = SkipSpaces(as + 1);
        const bool text = At(type) && (At(type)->isWord("varchar") || At(type)->isWord("nvarchar"));
        if (!At(as) || !At(as)->isWord("AS") || !text) Refuse(QStringLiteral("CAST other than to a text"));
        pos_ = type + 1;
        TypeLength(At(type)->text.toLower(), At(type)->isWord("varchar") ? 8000 : 4000);
        const size_t close = SkipSpaces(pos_);
        if (!At(close) || !At(close)->isSymbol(")")) Refuse(QStringLiteral("CAST without its ')'"));
        pos_ = close + 1;
        out_ += QStringLiteral("CAST(") + column.sqlite + QStringLiteral(" AS TEXT)");
    }

    // ALTER TABLE t DROP COLUMN c, the only change of a table this program makes.
    void AlterTable() {
        ExpectWord("TABLE", Quoted(QStringLiteral("ALTER ") + NextWordText()));
        CopySpaces();
        EmitName(TakeName());
        ExpectWord("DROP", QStringLiteral("'ALTER TABLE ... ") + NextWordText() + QLatin1Char('\''));
        ExpectWord("COLUMN", QStringLiteral("'ALTER TABLE ... DROP ") + NextWordText() + QLatin1Char('\''));
        CopySpaces();
        const TsqlName column = TakeName();
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

    TsqlName TakeTableWithDatabase(const char* statement) {
        CopySpaces();
        const TsqlName name = TakeName();
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
        const TsqlName name = TakeName();
        if (!name.single) Refuse(QStringLiteral("the column name ") + Quoted(name.text));
        const QString c = name.text;
        out_ += c;
        CopySpaces();
        const Token* type = At(pos_);
        if (!IsNamePart(type)) Refuse(QStringLiteral("a column without a type in CREATE TABLE"));
        const QString typeName = Unquoted(*type).toLower();
        ++pos_;
        if (typeName == QLatin1String("varchar") || typeName == QLatin1String("nvarchar")) {
            const int most = typeName == QLatin1String("varchar") ? 8000 : 4000;
            const int n = TypeLength(typeName, most);
            out_ += QStringLiteral("VARCHAR(%1) COLLATE NOCASE CHECK(length(%2) <= %1)").arg(n).arg(c);
        } else if (typeName == QLatin1String("datetimeoffset")) {
            // Kept as the text SQL Server gives when it turns the value into text
            // ("2024-05-01 10:20:30.1230000 +08:00"); any other form is refused, so that reading it
            // back gives the same text on both databases.
            out_ += QStringLiteral(
                        "TEXT CHECK(%1 IS NULL OR %1 GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] "
                        "[0-2][0-9]:[0-5][0-9]:[0-5][0-9].[0-9][0-9][0-9][0-9][0-9][0-9][0-9] "
                        "[+-][0-1][0-9]:[0-5][0-9]')")
                        .arg(c);
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
            if (const Token* t = Next(); t && t->isWord("IDENTITY")) {
                Identity();
                // AUTOINCREMENT: numbers start at 1 and are never given out again, as an identity's.
                out_ += QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
            } else {
                out_ += QStringLiteral("INTEGER CHECK(%1 IS NULL OR typeof(%1) = 'integer')").arg(c);
            }
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

    // The "(n)" after a text type, n from 1 to `most`.
    int TypeLength(const QString& type, int most) {
        const size_t open = SkipSpaces(pos_);
        const size_t length = SkipSpaces(open + 1);
        const size_t close = SkipSpaces(length + 1);
        bool ok = false;
        const int n = At(length) && At(length)->kind == TokenKind::Number ? At(length)->text.toInt(&ok) : 0;
        if (!At(open) || !At(open)->isSymbol("(") || !ok || n < 1 || n > most || !At(close) ||
            !At(close)->isSymbol(")")) {
            Refuse(QStringLiteral("%1 without a length from 1 to %2").arg(type).arg(most));
        }
        pos_ = close + 1;
        return n;
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
        const QString spaceBeforeName = TextBetween(pos_, nameAt);
        pos_ = nameAt;
        const TsqlName index = TakeName();
        if (!index.single) Refuse(QStringLiteral("the index name ") + Quoted(index.text));
        const QString spaceBeforeOn = TextBetween(pos_, SkipSpaces(pos_));
        pos_ = SkipSpaces(pos_);
        if (!At(pos_) || !At(pos_)->isWord("ON")) Refuse(QStringLiteral("CREATE INDEX without ON"));
        const QString on = tokens_[pos_++].text;
        const QString spaceBeforeTable = TextBetween(pos_, SkipSpaces(pos_));
        pos_ = SkipSpaces(pos_);
        const TsqlName table = TakeName();
        if (table.schema.isEmpty()) {
            Refuse(QStringLiteral("CREATE INDEX on %1 without its database name").arg(Quoted(table.text)));
        }
        out_ += spaceBeforeName + table.schema + QLatin1Char('.') +
                sql::Name(SqliteIndexName(Unquoted(*table.last), Unquoted(*index.last))) + spaceBeforeOn +
                on + spaceBeforeTable + table.last->text;
        ExpectSymbol("(", QStringLiteral("CREATE INDEX without a column list"));
        for (;;) {
            CopySpaces();
            const TsqlName column = TakeName();
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

    const TableSource* source_;
    bool sourced_ = false;
    bool ordered_ = false;
};

}  // namespace

QString TranslateToSqlite(const QString& tsql) {
    return Translator(tsql).Run();
}

QString TranslateToSqlite(const QString& tsql, const TableSource& source) {
    return Translator(tsql, &source).Run();
}

QString SqliteIndexName(const QString& table, const QString& name) {
    return table + QStringLiteral("__") + name;
}

}  // namespace esoa::sql
