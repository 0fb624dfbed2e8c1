#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "app/Connection.h"

namespace esoa {

// File names of the embedded databases inside their folder.
inline constexpr char kBuildFileDb[] = "Build_FIle.sqlite";
inline constexpr char kInventoryDb[] = "Inventory.sqlite";

// Opens the embedded default: one SQLite connection with the files of `folder` attached as
// Build_FIle and Inventory (created empty when missing), T-SQL translated. Throws DbError.
std::unique_ptr<Connection> OpenEmbedded(const QString& folder);

// Opens a connection through Qt's ODBC driver. With Dialect::SqlServer statements go out unchanged;
// `setup` statements run first, as they stand (e.g. ATTACH for an SQLite ODBC data source).
// Throws DbError with the driver's message when the connection cannot be made.
std::unique_ptr<Connection> OpenOdbc(const QString& connectionString, Dialect dialect = Dialect::SqlServer,
                                     const QStringList& setup = {});

}  // namespace esoa
