#include "database/tsql/TsqlCursor.h"

#include <QSet>
#include <QStringList>
#include <algorithm>

#include "database/DbError.h"

namespace esoa::sql {

QSet<QString> WordSet(const QString& words) {
    QSet<QString> set;
    for (const QString& w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) set.insert(w);
    return set;
}

namespace {

// Punctuation with the same meaning in both dialects. '+' is missing on purpose: T-SQL joins texts
// with it, SQLite adds them as numbers.
const QSet<QString>& symbols() {
    static const QSet<QString> set = WordSet(QStringLiteral("( ) , . = < > <> <= >= != * - /"));
    return set;
}

// The attached schema a T-SQL database name stands for; empty when it names no embedded database.
QString schemaOf(const Token& database) {
    const QString name = Unquoted(database);
    for (const char* schema : {"Build_FIle", "Inventory"}) {
        if (name.compare(QLatin1String(schema), Qt::CaseInsensitive) == 0) return QLatin1String(schema);
    }
    return {};
}

}  // namespace

bool IsReservedWord(const QString& upperWord) {
    static const QSet<QString> words = WordSet(QStringLiteral(
        "ADD ALL ALTER AND ANY AS ASC AUTHORIZATION BACKUP BEGIN BETWEEN BREAK BROWSE BULK BY CASCADE "
        "CASE CHECK CHECKPOINT CLOSE CLUSTERED COALESCE COLLATE COLUMN COMMIT COMPUTE CONSTRAINT CONTAINS "
        "CONTAINSTABLE CONTINUE CONVERT CREATE CROSS CURRENT CURRENT_DATE CURRENT_TIME CURRENT_TIMESTAMP "
        "CURRENT_USER CURSOR DATABASE DBCC DEALLOCATE DECLARE DEFAULT DELETE DENY DESC DISK DISTINCT "
        "DISTRIBUTED DOUBLE DROP DUMP ELSE END ERRLVL ESCAPE EXCEPT EXEC EXECUTE EXISTS EXIT EXTERNAL "
        "FETCH FILE FILLFACTOR FOR FOREIGN FREETEXT FREETEXTTABLE FROM FULL FUNCTION GOTO GRANT GROUP "
        "HAVING HOLDLOCK IDENTITY IDENTITY_INSERT IDENTITYCOL IF IN INDEX INNER INSERT INTERSECT INTO IS "
        "JOIN KEY KILL LEFT LIKE LINENO LOAD MERGE NATIONAL NOCHECK NONCLUSTERED NOT NULL NULLIF OF OFF "
        "OFFSETS ON OPEN OPENDATASOURCE OPENQUERY OPENROWSET OPENXML OPTION OR ORDER OUTER OVER PERCENT "
        "PIVOT PLAN PRECISION PRIMARY PRINT PROC PROCEDURE PUBLIC RAISERROR READ READTEXT RECONFIGURE "
        "REFERENCES REPLICATION RESTORE RESTRICT RETURN REVERT REVOKE RIGHT ROLLBACK ROWCOUNT ROWGUIDCOL "
        "RULE SAVE SCHEMA SECURITYAUDIT SELECT SESSION_USER SET SETUSER SHUTDOWN SOME STATISTICS "
        "SYSTEM_USER TABLE TABLESAMPLE TEXTSIZE THEN TO TOP TRAN TRANSACTION TRIGGER TRUNCATE TRY_CONVERT "
        "TSEQUAL UNION UNIQUE UNPIVOT UPDATE UPDATETEXT USE USER VALUES VARYING VIEW WAITFOR WHEN WHERE "
        "WHILE WITH WITHIN WRITETEXT"
        // SQLite's own, meaningless (or meaning something else) to SQL Server.
        " LIMIT OFFSET GLOB REGEXP MATCH ISNULL NOTNULL PRAGMA ATTACH DETACH VACUUM REINDEX REPLACE"));
    return words.contains(upperWord);
}

TsqlCursor::TsqlCursor(const QString& tsql) : tsql_(tsql), tokens_(Tokenize(tsql)) {
    const Token* previous = nullptr;  // the last token that is not a blank
    for (Token& t : tokens_) {
        // Two literals in a row are no valid T-SQL; SQLite would read the second as the first's
        // alias, or the two as one value.
        if (t.kind == TokenKind::String && previous && previous->kind == TokenKind::String)
            Refuse(QStringLiteral("two literals in a row (") + previous->text + t.text + QLatin1Char(')'));
        if (t.kind != TokenKind::Space) previous = &t;
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

void TsqlCursor::Refuse(const QString& what) const {
    throw DbError(QStringLiteral("The embedded database does not handle %1.").arg(what), {}, tsql_,
                  DbError::Cause::Statement);
}

void TsqlCursor::RefuseWord(size_t i) const {
    const Token* next = At(SkipSpaces(i + 1));
    if (next && next->isSymbol("("))
        Refuse(QStringLiteral("the function ") + Quoted(tokens_[i].text.toUpper()));
    if (tokens_[i].isWord("SELECT")) Refuse(QStringLiteral("a SELECT inside another statement"));
    Refuse(Quoted(tokens_[i].text.toUpper()));
}

size_t TsqlCursor::SkipSpaces(size_t i) const {
    while (i < tokens_.size() && tokens_[i].kind == TokenKind::Space) ++i;
    return i;
}

QString TsqlCursor::NextWordText() const {
    const Token* t = Next();
    return t ? t->text.toUpper() : QString();
}

QString TsqlCursor::TextBetween(size_t from, size_t to) const {
    QString spaces;
    for (size_t i = from; i < to; ++i) spaces += tokens_[i].text;
    return spaces;
}

void TsqlCursor::CopySpaces() {
    while (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Space) out_ += tokens_[pos_++].text;
}

void TsqlCursor::ExpectWord(const char* word, const QString& otherwise) {
    const Token* t = Next();
    if (!t || !t->isWord(word)) Refuse(otherwise);
    CopySpaces();
    Emit();
}

void TsqlCursor::ExpectSymbol(const char* symbol, const QString& otherwise) {
    const Token* t = Next();
    if (!t || !t->isSymbol(symbol)) Refuse(otherwise);
    CopySpaces();
    Emit();
}

void TsqlCursor::End(const QString& where) {
    CopySpaces();
    if (pos_ < tokens_.size()) Refuse(Quoted(tokens_[pos_].text) + QLatin1Char(' ') + where);
}

void TsqlCursor::SkipTo(size_t resume) {
    pos_ = resume;
    const bool atEnd = pos_ >= tokens_.size();
    const bool spaceBefore = !out_.isEmpty() && out_.back().isSpace();
    const bool spaceAfter = !atEnd && tokens_[pos_].kind == TokenKind::Space;
    if (spaceBefore && (spaceAfter || atEnd)) {
        while (!out_.isEmpty() && out_.back().isSpace()) out_.chop(1);
    } else if (!spaceBefore && !spaceAfter && !atEnd && !out_.isEmpty()) {
        out_ += QLatin1Char(' ');
    }
}

TsqlName TsqlCursor::TakeName() {
    const Token* first = At(pos_);
    if (!IsNamePart(first)) {
        Refuse(first ? Quoted(first->text) + QStringLiteral(" where a name belongs")
                     : QStringLiteral("a statement that ends where a name belongs"));
    }
    if (first->kind == TokenKind::Word && IsReservedWord(first->text.toUpper())) RefuseWord(pos_);
    std::vector<const Token*> parts{first};  // null for the empty part of "db..table"
    size_t i = pos_ + 1;
    while (At(i) && At(i)->isSymbol(".")) {
        const Token* next = At(i + 1);
        if (IsNamePart(next)) {
            parts.push_back(next);
            i += 2;
        } else if (next && next->isSymbol(".")) {
            parts.push_back(nullptr);
            i += 1;
        } else {
            break;
        }
    }
    TsqlName name;
    name.text = TextBetween(pos_, i);
    pos_ = i;
    name.sqlite = name.text;
    name.last = parts.back();
    name.single = parts.size() == 1;
    const bool hasEmpty = std::find(parts.begin(), parts.end(), nullptr) != parts.end();
    if (parts.size() > 3 || (hasEmpty && (parts.size() != 3 || !parts[2]))) {
        Refuse(QStringLiteral("the name ") + Quoted(name.text));
    }
    if (parts.size() == 3) {
        // SQLite knows attached databases by their schema name, and has no owner schema like dbo.
        name.schema = schemaOf(*parts[0]);
        if (name.schema.isEmpty()) Refuse(QStringLiteral("the database ") + Quoted(Unquoted(*parts[0])));
        if (parts[1] && Unquoted(*parts[1]).compare(QLatin1String("dbo"), Qt::CaseInsensitive) != 0) {
            Refuse(QStringLiteral("the schema ") + Quoted(Unquoted(*parts[1])));
        }
        name.sqlite = name.schema + QLatin1Char('.') + parts[2]->text;
    }
    return name;
}

}  // namespace esoa::sql
