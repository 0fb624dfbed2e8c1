#include "database/Databases.h"

#include "database/odbc/OdbcConnection.h"
#include "database/sqlite/SqliteConnection.h"

namespace esoa {

std::unique_ptr<Connection> OpenEmbedded(const QString& folder, bool createMissing, const UpkeepReport& upkeep) {
    SqliteConnection::Options options;
    options.createMissing = createMissing;
    options.upkeep = upkeep;
    return std::make_unique<SqliteConnection>(folder, options);
}

std::unique_ptr<Connection> OpenOdbc(const QString& connectionString, Dialect dialect, const QStringList& setup,
                                     Timeouts timeouts) {
    OdbcConnection::Options options;
    options.dialect = dialect;
    options.setup = setup;
    options.loginSeconds = timeouts.loginSeconds;
    options.statementSeconds = timeouts.statementSeconds;
    return std::make_unique<OdbcConnection>(connectionString, options);
}

}  // namespace esoa
