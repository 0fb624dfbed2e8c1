#include "core/links/ItemJoin.h"

#include "database/Connection.h"

namespace esoa {

ItemJoin::ItemJoin(Connection& connection, const ItemTable& table, const QString& alias)
    : table_(table), alias_(alias) {
    RequirePlainNames(table_);
    const QueryResult probe = connection.ReadEach(
        QStringLiteral("SELECT TOP 1 %1,%2,%3 FROM %4 WITH (NOLOCK)")
            .arg(table_.idField, table_.nameField, table_.statusField(), table_.Reference()),
        [](const QStringList&) {});
    const ColumnKind key = probe.kinds.empty() ? ColumnKind::Text : probe.kinds.front();
    numericKey_ = key == ColumnKind::Integer || key == ColumnKind::Number;
}

QString ItemJoin::Columns() const {
    const QString dot = alias_ + QLatin1Char('.');
    return dot + table_.idField + QLatin1Char(',') + dot + table_.nameField + QLatin1Char(',') + dot +
           table_.statusField();
}

QString ItemJoin::Join(const QString& when, const QString& extra) const {
    QString condition = QLatin1Char('(') + when + QLatin1Char(')');
    if (numericKey_) {
        condition += QStringLiteral(
            " AND RTRIM(L.ItemID) NOT LIKE '__________%' AND RTRIM(L.ItemID) NOT LIKE '%[^0-9]%'");
    }
    QString join = QStringLiteral(" LEFT OUTER JOIN %1 %2 WITH (NOLOCK) ON %2.%3 = CASE WHEN %4 THEN L.ItemID END")
                       .arg(table_.Reference(), alias_, table_.idField, condition);
    if (!extra.isEmpty()) join += QStringLiteral(" AND ") + extra;
    return join;
}

}  // namespace esoa
