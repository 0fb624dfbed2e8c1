#include "app/DemoDatabase.h"

#include <QDir>
#include <QFile>

#include "app/Databases.h"
#include "app/DbError.h"
#include "app/SqliteConnection.h"

namespace esoa::demo {
namespace {

SqliteConnection& embedded(Connection& connection) {
    auto* sqlite = dynamic_cast<SqliteConnection*>(&connection);
    if (!sqlite) throw DbError(QStringLiteral("The demo hospital lives in the embedded database only."));
    return *sqlite;
}

void runScript(SqliteConnection& connection, const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Missing demo data %1.").arg(resource));
    connection.RunScript(QString::fromUtf8(file.readAll()));
}

}  // namespace

bool IsSeeded(Connection& connection) {
    return !embedded(connection)
                .RunSqlite(QStringLiteral(
                    "SELECT 1 FROM Build_FIle.sqlite_master WHERE type='table' AND name='tbRevenues'"))
                .rows.empty();
}

void Seed(Connection& connection) {
    SqliteConnection& sqlite = embedded(connection);
    runScript(sqlite, QStringLiteral(":/data/demo/inventory.sql"));
    runScript(sqlite, QStringLiteral(":/data/demo/build_file.sql"));
}

std::unique_ptr<Connection> OpenDemo(const QString& folder) {
    const QDir dir(folder);
    try {
        auto existing = OpenEmbedded(folder, false);
        if (IsSeeded(*existing)) return existing;
    } catch (const DbError&) {
        // Missing or damaged: rebuilt below.
    }
    for (const char* file : {kBuildFileDb, kInventoryDb}) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            const QString path = dir.filePath(QLatin1String(file) + QLatin1String(suffix));
            if (QFile::exists(path) && !QFile::remove(path)) {
                throw DbError(QStringLiteral("The damaged demo database file %1 cannot be removed.")
                                  .arg(QDir::toNativeSeparators(path)),
                              {}, {}, DbError::Cause::Storage);
            }
        }
    }
    auto fresh = OpenEmbedded(folder, true);
    Seed(*fresh);
    return fresh;
}

}  // namespace esoa::demo
