#pragma once

#include <QString>

namespace esoa::sql {

// Turns one T-SQL statement, of the kinds this program sends, into SQLite SQL for the embedded
// databases (attached as Build_FIle and Inventory). Works on tokens: string literals and bracketed
// names are never touched. Throws DbError naming any construct it does not handle, so nothing is
// ever sent half-translated.
//
// Handled: SELECT (TOP n, DISTINCT(col), WITH (NOLOCK), three-part and two-dot names, joins),
// INSERT INTO ... VALUES, UPDATE ... SET ... WHERE, DELETE FROM, DROP TABLE,
// ALTER TABLE ... DROP COLUMN, CREATE TABLE with the column types the reference and link tables use,
// CREATE CLUSTERED|NONCLUSTERED INDEX.
QString TranslateToSqlite(const QString& tsql);

// SQLite keeps index names per database, SQL Server per table: the index `name` of `table` is
// created under this name.
QString SqliteIndexName(const QString& table, const QString& name);

}  // namespace esoa::sql
