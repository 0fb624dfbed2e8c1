#pragma once

#include <QString>
#include <QStringList>
#include <functional>
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

// Where the embedded database's one-time upkeep of files written by an older version stands (it adds
// the indexes of its own, rebuilds those made under an older text order): `why` says what is being
// done, in plain words ("Adding an index on ESOA_ER(Code)"), as step `step` of `steps`. Reported
// when a step begins and then about every tenth of a second while it runs, so that a window stays
// drawn; never when the files need nothing.
struct UpkeepProgress {
    QString why;
    int step = 0;
    int steps = 0;
};
using UpkeepReport = std::function<void(const UpkeepProgress& progress)>;

// Opens the embedded default: the files of `folder` attached as Build_FIle and Inventory, T-SQL
// translated. With createMissing false, a missing folder or file is an error that names it; with
// true they are created empty. `upkeep` hears of the files' upkeep when older files need it (it must
// not use the connection, which does not exist yet, nor throw). Throws DbError.
std::unique_ptr<Connection> OpenEmbedded(const QString& folder, bool createMissing = true,
                                         const UpkeepReport& upkeep = {});

// Opens a connection through Qt's ODBC driver. With Dialect::SqlServer statements go out unchanged;
// `setup` statements run first, as they stand (e.g. ATTACH for an SQLite ODBC data source).
// Throws DbError with the driver's message when the connection cannot be made.
std::unique_ptr<Connection> OpenOdbc(const QString& connectionString, Dialect dialect = Dialect::SqlServer,
                                     const QStringList& setup = {}, Timeouts timeouts = {});

}  // namespace esoa
