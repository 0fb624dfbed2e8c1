#include "app/Databases.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <sqlite3.h>

#include "app/DbError.h"
#include "app/SqliteCaseRules.h"

namespace esoa {
namespace {

QString uniqueName(const char* kind) {
    return QStringLiteral("%1-%2").arg(QLatin1String(kind), QUuid::createUuid().toString(QUuid::WithoutBraces));
}

[[noreturn]] void fail(QSqlDatabase& db, const QString& name, const QString& what) {
    const QSqlError error = db.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    throw DbError(text.isEmpty() ? what : text, error.nativeErrorCode());
}

void runRaw(QSqlDatabase& db, const QString& statement, const QVariantList& params = {}) {
    QSqlQuery query(db);
    bool ok = query.prepare(statement);
    for (const QVariant& p : params) query.addBindValue(p);
    if (ok) ok = query.exec();
    if (!ok) {
        const QSqlError error = query.lastError();
        throw DbError(error.databaseText().isEmpty() ? error.text() : error.databaseText(), error.nativeErrorCode(),
                      statement);
    }
}

}  // namespace

std::unique_ptr<Connection> OpenEmbedded(const QString& folder) {
    if (!QDir().mkpath(folder)) throw DbError(QStringLiteral("Cannot create the database folder %1.").arg(folder));
    const QString name = uniqueName("embedded");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open()) fail(db, name, QStringLiteral("Cannot open the embedded database."));
        // Debian's Qt uses the system SQLite, so the handle is the same library we link.
        auto* handle = *static_cast<sqlite3* const*>(db.driver()->handle().data());
        sql::InstallCaseRules(handle);
        try {
            const QDir dir(folder);
            runRaw(db, QStringLiteral("ATTACH DATABASE ? AS Build_FIle"),
                   {dir.absoluteFilePath(QLatin1String(kBuildFileDb))});
            runRaw(db, QStringLiteral("ATTACH DATABASE ? AS Inventory"),
                   {dir.absoluteFilePath(QLatin1String(kInventoryDb))});
            // Every statement commits by itself; WAL keeps such small commits fast without
            // risking a corrupt file.
            for (const char* schema : {"Build_FIle", "Inventory"}) {
                runRaw(db, QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(QLatin1String(schema)));
                runRaw(db, QStringLiteral("PRAGMA %1.synchronous=NORMAL").arg(QLatin1String(schema)));
            }
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
    }
    return std::make_unique<Connection>(name, Dialect::Sqlite);
}

std::unique_ptr<Connection> OpenOdbc(const QString& connectionString, Dialect dialect, const QStringList& setup) {
    const QString name = uniqueName("odbc");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        db.setDatabaseName(connectionString);
        if (!db.open()) fail(db, name, QStringLiteral("Cannot connect through ODBC."));
        try {
            for (const QString& statement : setup) runRaw(db, statement);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
    }
    return std::make_unique<Connection>(name, dialect);
}

}  // namespace esoa
