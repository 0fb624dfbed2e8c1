#pragma once

#include <QString>
#include <vector>

namespace esoa::sql {

enum class TokenKind {
    Space,      // a run of blanks, tabs or line breaks
    Word,       // keyword or plain identifier: letters, digits, _, @, #, $
    Bracketed,  // [name] or "name", text includes the delimiters
    String,     // 'text' or N'text', text includes the quotes (doubled quotes kept as written)
    Number,     // 12, 3.5
    Param,      // ? placeholder of a bound parameter
    Comment,    // -- to end of line, or /* ... */
    Symbol,     // one punctuation character, or <>, <=, >=, !=
};

struct Token {
    TokenKind kind;
    QString text;

    bool isWord(const char* word) const { return kind == TokenKind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; }
    bool isSymbol(const char* symbol) const { return kind == TokenKind::Symbol && text == QLatin1String(symbol); }
};

// Splits a T-SQL statement into tokens whose texts, joined, give the statement back unchanged.
// Throws DbError for an unterminated string, bracketed name or comment.
std::vector<Token> Tokenize(const QString& statement);

// The name inside a Word or Bracketed token ("[ESOA_ER]" -> "ESOA_ER", "]]" -> "]").
QString Unquoted(const Token& token);

}  // namespace esoa::sql
