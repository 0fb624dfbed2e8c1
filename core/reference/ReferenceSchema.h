#pragma once

#include <QString>
#include <QStringList>

namespace esoa {

// The statements that create reference table `table` and its link table `table` + "_LINK" with their
// indexes, in the order they are sent; the first four drop the old ESOA_Code column of four
// hospital tables. Each stands alone: where one fails (a column already gone, a table or index
// already there) the next is still sent.
QStringList CreateTableStatements(const QString& table);

// Positions in CreateTableStatements of the statements that drop and create the reference table and
// create the link table.
inline constexpr int kDropReferenceTable = 4;
inline constexpr int kCreateReferenceTable = 5;
inline constexpr int kCreateLinkTable = 8;

}  // namespace esoa
