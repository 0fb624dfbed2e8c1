#include "support/TestDatabase.h"

#include "database/sqlite/SqliteConnection.h"

namespace esoa::test {

SqliteConnection& TestDatabase::sqlite() { return static_cast<SqliteConnection&>(*connection_); }

void TestDatabase::Reopen(SqliteConnection::Options options) {
    connection_.reset();
    connection_ = std::make_unique<SqliteConnection>(dir_.path(), std::move(options));
    connection_->SetObserver([this](const QString& statement) { sent << statement; });
}

void TestDatabase::Raw(const QString& sqliteStatements) { sqlite().RunScript(sqliteStatements); }

std::vector<QStringList> TestDatabase::RawRows(const QString& sqliteStatement) {
    return sqlite().RunSqlite(sqliteStatement).rows;
}

QStringList TestDatabase::Column(const QString& statement, int column) {
    const ReadResult result = connection_->Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    QStringList values;
    for (const QStringList& row : result.rows) values << row.value(column);
    return values;
}

}  // namespace esoa::test
