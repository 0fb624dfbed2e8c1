#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "database/Connection.h"

namespace esoa {

// File names of the embedded databases inside their folder.
inline constexpr char kBuildFileDb[] = "Build_FIle.sqlite";
inline constexpr char kInventoryDb[] = "Inventory.sqlite";

// How long the database may keep the program waiting.
struct Timeouts {
    int loginSeconds = 15;
    int statementSeconds = 60;
};

// Opens the embedded default: the files of `folder` attached as Build_FIle and Inventory, T-SQL
// translated. With createMissing false, a missing folder or file is an error that names it; with
// true they are created empty. Throws DbError.
std::unique_ptr<Connection> OpenEmbedded(const QString& folder, bool createMissing = true);

// Opens a connection through Qt's ODBC driver. With Dialect::SqlServer statements go out unchanged;
// `setup` statements run first, as they stand (e.g. ATTACH for an SQLite ODBC data source).
// Throws DbError with the driver's message when the connection cannot be made.
std::unique_ptr<Connection> OpenOdbc(const QString& connectionString, Dialect dialect = Dialect::SqlServer,
                                     const QStringList& setup = {}, Timeouts timeouts = {});

}  // namespace esoa
