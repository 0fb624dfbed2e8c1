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
