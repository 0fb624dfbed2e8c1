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
