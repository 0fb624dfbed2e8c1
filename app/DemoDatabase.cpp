#include "app/DemoDatabase.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlQuery>
#include <sqlite3.h>

#include "app/Connection.h"
#include "app/DbError.h"

namespace esoa::demo {
namespace {

void runScript(sqlite3* handle, const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Missing demo data %1.").arg(resource));
    const QByteArray script = file.readAll();
    char* error = nullptr;
    if (sqlite3_exec(handle, script.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error ? error : "demo data failed");
        sqlite3_free(error);
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
        throw DbError(text, {}, resource);
    }
}

}  // namespace

bool IsSeeded(Connection& embedded) {
    QSqlQuery query(embedded.database());
    return query.exec(QStringLiteral("SELECT 1 FROM Build_FIle.sqlite_master WHERE type='table' AND name='tbRevenues'")) &&
           query.next();
}

void Seed(Connection& embedded) {
    auto* handle = *static_cast<sqlite3* const*>(embedded.database().driver()->handle().data());
    runScript(handle, QStringLiteral(":/data/demo/inventory.sql"));
    runScript(handle, QStringLiteral(":/data/demo/build_file.sql"));
}

}  // namespace esoa::demo
