#pragma once

#include <QSet>
#include <QString>
#include <vector>

#include "database/tsql/SqlTokenizer.h"

namespace esoa::sql {

// A possibly dotted name as a statement writes it, and as SQLite takes it.
struct TsqlName {
    QString text;                 // as written
    QString sqlite;               // "Schema.Table" for a name that gave its database, else as written
    QString schema;               // "Build_FIle" or "Inventory" when the name gave its database
    const Token* last = nullptr;  // the last part: the table or column itself
    bool single = true;           // one part, no dots
};

// SQL Server's reserved words and SQLite's own words, in upper case: none of them may stand where
// the translation expects a name or a keyword it knows.
bool IsReservedWord(const QString& upperWord);

// The upper-case words of a blank-separated list, for the word tables of the translation.
QSet<QString> WordSet(const QString& words);

// A word or a bracketed name: what a name is made of.
inline bool IsNamePart(const Token* t) {
    return t && (t->kind == TokenKind::Word || t->kind == TokenKind::Bracketed);
}

// The reading position of the T-SQL to SQLite translation (TsqlToSqlite.cpp) in one statement, with
// the SQLite text built so far. Blanks are copied as they stand. Every refusal throws DbError
// "The embedded database does not handle <what>." carrying the statement.
class TsqlCursor {
public:
    // Tokenizes (Tokenize throws on unclosed literals) and refuses at once what is refused wherever
    // it stands: comments, ';', GO, variables, temporary tables, punctuation that means something
    // else in SQLite. Drops the N of N'...' literals, which SQLite's texts do not need.
    explicit TsqlCursor(const QString& tsql);

protected:
    [[noreturn]] void Refuse(const QString& what) const;
    // A reserved word at token i, where a name or an allowed keyword should stand.
    [[noreturn]] void RefuseWord(size_t i) const;
    // A piece of the statement as a refusal names it ('WAITFOR'): message text, never SQL.
    static QString Quoted(const QString& text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }

    const Token* At(size_t i) const { return i < tokens_.size() ? &tokens_[i] : nullptr; }
    size_t SkipSpaces(size_t i) const;
    // The next token after blanks, or null at the end.
    const Token* Next() const { return At(SkipSpaces(pos_)); }
    QString NextWordText() const;
    // The tokens from `from` up to `to`, joined.
    QString TextBetween(size_t from, size_t to) const;

    void CopySpaces();
    void Emit() { out_ += tokens_[pos_++].text; }
    void ExpectWord(const char* word, const QString& otherwise);
    void ExpectSymbol(const char* symbol, const QString& otherwise);
    // Only blanks may follow; anything else is refused, named with `where`.
    void End(const QString& where);
    // Leaves out the tokens up to `resume`, keeping the words around them apart by one run of blanks.
    void SkipTo(size_t resume);

    // Reads the name at the position: "T", "A.ItemID", "Build_FIle..T", "[Build_FIle].[dbo].[T]".
    // A trailing dot that starts no part ("A.*") is left unread. Refuses unknown databases, schemas
    // other than dbo and names of more than three parts.
    TsqlName TakeName();
    void EmitName(const TsqlName& name) { out_ += name.sqlite; }

    QString tsql_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    QString out_;
};

}  // namespace esoa::sql
