#pragma once

#include <QString>

namespace esoa::sql {

// The one way a value enters a statement: the returned text stands between the single quotes of a
// statement piece ("... WHERE Code = '" + sql::Escaped(code) + "'"). Apostrophes are doubled, so the
// value can never end the quoted string; "%" and "_" are left alone, so a LIKE pattern keeps its
// meaning. Everything else, Unicode included, passes unchanged.
inline QString Escaped(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

// A value as a whole literal, quotes included: "O'Brien" -> 'O''Brien'. For statements the program
// builds of its own; where a statement piece already holds the quotes, Escaped fills them.
inline QString Literal(const QString& value) {
    return QLatin1Char('\'') + Escaped(value) + QLatin1Char('\'');
}

// A name that may hold any character, as T-SQL writes it: between brackets, a closing bracket doubled
// ("a]b" -> "[a]]b]"). SQLite reads the same form for names without a closing bracket.
inline QString Name(const QString& name) {
    QString inner = name;
    inner.replace(QLatin1Char(']'), QLatin1String("]]"));
    return QLatin1Char('[') + inner + QLatin1Char(']');
}

// A text between double quotes, a double quote doubled: a name in the embedded database's own SQLite
// statements, and a string of an FTS5 query, where brackets mean nothing.
inline QString DoubleQuoted(const QString& text) {
    QString inner = text;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// A text value as a whole Unicode literal: N'...', escaped.
inline QString TextLiteral(const QString& value) {
    return QStringLiteral("N'") + Escaped(value) + QLatin1Char('\'');
}

// True for a row ID as read (ASCII digits only), which may stand in a statement unquoted.
inline bool IsRowId(const QString& id) {
    if (id.isEmpty()) return false;
    for (const QChar c : id) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

}  // namespace esoa::sql

namespace esoa::sql {

// True for a name that may stand in a statement as a table or column name taken from data: letters,
// digits and underscore, starting with a letter or underscore. Anything else could change the
// statement's meaning and must not reach the database.
inline bool IsPlainName(const QString& name) {
    if (name.isEmpty()) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(letter || (digit && i > 0))) return false;
    }
    return true;
}

}  // namespace esoa::sql

namespace esoa::sql {

// Characters that cannot reach the database as written: SQLite ends a statement's text at a NUL,
// and a UTF-16 surrogate without its partner has no UTF-8 form (the converters swallow or replace
// it, which can move the rest of a statement). Returns a plain description of the first such
// character ("a NUL character", "an unpaired surrogate (U+D800)"), empty when the value is clean.
inline QString UnsafeCharacter(const QString& value) {
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value[i];
        if (c.unicode() == 0) return QStringLiteral("a NUL character");
        if (c.isHighSurrogate() && i + 1 < n && value[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return QStringLiteral("an unpaired surrogate (U+%1)")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

// The value with NUL characters removed and unpaired surrogates replaced by U+FFFD: what a text box
// keeps of typed or pasted text, so that what the user sees is what reaches the database.
inline QString CleanedText(const QString& value) {
    if (UnsafeCharacter(value).isEmpty()) return value;
    QString out;
    out.reserve(value.size());
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value[i];
        if (c.unicode() == 0) continue;
        if (c.isHighSurrogate() && i + 1 < n && value[i + 1].isLowSurrogate()) {
            out += c;
            out += value[++i];
        } else if (c.isSurrogate()) {
            out += QChar(0xFFFD);
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace esoa::sql
