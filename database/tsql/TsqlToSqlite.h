#pragma once

#include <QString>

namespace esoa::sql {

// Turns one T-SQL statement, of the kinds this program sends, into SQLite SQL for the embedded
// databases (attached as Build_FIle and Inventory). Works on tokens: string literals and bracketed
// names are never touched. Throws DbError naming any construct it does not handle, so nothing is
// ever sent half-translated.
//
// Handled: SELECT (TOP n, DISTINCT(col), WITH (NOLOCK), three-part and two-dot names, joins, CASE,
// CAST(col AS [n]varchar(n))), INSERT INTO ... [OUTPUT INSERTED.col] VALUES, UPDATE ... SET ... WHERE, DELETE
// FROM, DROP TABLE, ALTER TABLE ... DROP COLUMN, CREATE TABLE with the column types the reference and link
// tables use, CREATE CLUSTERED|NONCLUSTERED INDEX.
//
// "[Build_FIle].[dbo].[T]", "Build_FIle..T", "INVENTORY..T" (any letter case) become "Build_FIle.[T]",
// "Inventory.T"; the table hints "WITH (NOLOCK)" and "WITH (UPDLOCK, HOLDLOCK, ROWLOCK)" (any of
// the three) are dropped, "TOP n" becomes a trailing "LIMIT n", N'..' becomes '..'.
// OUTPUT INSERTED.col becomes a trailing "RETURNING col".
// CREATE TABLE knows [bigint] (also IDENTITY(1,1)), [varchar](n), [nvarchar](n), [datetimeoffset]
// (kept as SQL Server's own text of it), SMALLMONEY and [smallint], each with a
// CHECK so that SQLite refuses the values SQL Server refuses (text too long, money or smallint not a
// number or out of range); text columns are COLLATE NOCASE (see SqliteCaseRules.h).
// Refused, with a description naming the construct ("The embedded database does not handle
// 'EXEC'."): other statement kinds, ';', comments, GO, functions other than COUNT, MIN, MAX, SUM, RTRIM,
// other column types and table hints, subqueries, names of unknown databases.
QString TranslateToSqlite(const QString& tsql);

// A table of a SELECT read from elsewhere: where the statement names `table`
// ("Inventory.tbInvMaster": the database as the translation writes it, then the table; any letter
// case, brackets or not) the translation reads `source` instead (an SQLite subquery in parentheses,
// which the table's alias then names), and `thenBy`, when given, is added to the ORDER BY that ends
// the statement.
struct TableSource {
    QString table;
    QString source;
    QString thenBy;
};

// The translation of a SELECT with one table read from elsewhere. Refuses (DbError) what the plain
// translation refuses, and a statement that is not a SELECT, does not name the table or names it
// twice, or has no ORDER BY to add `thenBy` to.
QString TranslateToSqlite(const QString& tsql, const TableSource& source);

// SQLite keeps index names per database, SQL Server per table: the index `name` of `table` is
// created under this name (both plain names, without brackets: "ESOA_ER", "by_ID" -> "ESOA_ER__by_ID").
QString SqliteIndexName(const QString& table, const QString& name);

}  // namespace esoa::sql
