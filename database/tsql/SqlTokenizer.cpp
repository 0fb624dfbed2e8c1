#include "database/tsql/SqlTokenizer.h"

#include "database/DbError.h"

namespace esoa::sql {
namespace {

bool isWordStart(QChar c) { return c.isLetter() || c == u'_' || c == u'@' || c == u'#'; }
bool isWordPart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

// Index just past the closing delimiter of a quoted run starting at `start`; a doubled closer is
// part of the text. Throws when the run never closes.
qsizetype skipQuoted(const QString& s, qsizetype start, QChar closer, const char* what) {
    qsizetype i = start + 1;
    while (i < s.size()) {
        if (s[i] == closer) {
            if (i + 1 < s.size() && s[i + 1] == closer) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    throw DbError(QStringLiteral("Unclosed %1 in statement.").arg(QLatin1String(what)), {}, s);
}

}  // namespace

std::vector<Token> Tokenize(const QString& s) {
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto push = [&](TokenKind kind, qsizetype from, qsizetype to) { tokens.push_back({kind, s.mid(from, to - from)}); };

    while (i < n) {
        const QChar c = s[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace()) ++i;
            push(TokenKind::Space, start, i);
        } else if ((c == u'N' || c == u'n') && i + 1 < n && s[i + 1] == u'\'') {
            i = skipQuoted(s, i + 1, u'\'', "quotation mark");
            push(TokenKind::String, start, i);
        } else if (c == u'\'') {
            i = skipQuoted(s, i, u'\'', "quotation mark");
            push(TokenKind::String, start, i);
        } else if (c == u'[') {
            i = skipQuoted(s, i, u']', "bracketed name");
            push(TokenKind::Bracketed, start, i);
        } else if (c == u'"') {
            i = skipQuoted(s, i, u'"', "quoted name");
            push(TokenKind::Bracketed, start, i);
        } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            while (i < n && s[i] != u'\n' && s[i] != u'\r') ++i;
            push(TokenKind::Comment, start, i);
        } else if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
            const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0) throw DbError(QStringLiteral("Unclosed comment in statement."), {}, s);
            i = end + 2;
            push(TokenKind::Comment, start, i);
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(s[i])) ++i;
            push(TokenKind::Word, start, i);
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
            while (i < n && (s[i].isDigit() || s[i] == u'.')) ++i;
            push(TokenKind::Number, start, i);
        } else if (c == u'?') {
            ++i;
            push(TokenKind::Param, start, i);
        } else {
            ++i;
            if (i < n) {
                const QString two = s.mid(start, 2);
                if (two == QLatin1String("<>") || two == QLatin1String("<=") || two == QLatin1String(">=") ||
                    two == QLatin1String("!=")) {
                    ++i;
                }
            }
            push(TokenKind::Symbol, start, i);
        }
    }
    return tokens;
}

QString Unquoted(const Token& token) {
    if (token.kind != TokenKind::Bracketed) return token.text;
    const QChar closer = token.text.front() == u'[' ? u']' : u'"';
    QString inner = token.text.mid(1, token.text.size() - 2);
    inner.replace(QString(2, closer), QString(closer));
    return inner;
}

}  // namespace esoa::sql
