#include "support/TestDatabase.h"

#include <QSqlDriver>
#include <sqlite3.h>

#include "app/DbError.h"

namespace esoa::test {

void TestDatabase::Raw(const QString& sqliteStatements) {
    auto* handle = *static_cast<sqlite3* const*>(connection_->database().driver()->handle().data());
    char* error = nullptr;
    if (sqlite3_exec(handle, sqliteStatements.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error ? error : "sqlite3_exec failed");
        sqlite3_free(error);
        throw DbError(text, {}, sqliteStatements);
    }
}

QStringList TestDatabase::Column(const QString& statement, int column) {
    const ReadResult result = connection_->Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    QStringList values;
    for (const QStringList& row : result.rows) values << row.value(column);
    return values;
}

}  // namespace esoa::test
