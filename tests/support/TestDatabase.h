#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "database/Connection.h"
#include "database/Databases.h"
#include "database/sqlite/SqliteConnection.h"

namespace esoa::test {

// A fresh embedded database (Build_FIle and Inventory) in a temporary folder, with a log of every
// statement sent through it. Removed with the object.
class TestDatabase {
public:
    TestDatabase() : connection_(OpenEmbedded(dir_.path())) {
        connection_->SetObserver([this](const QString& statement) { sent << statement; });
    }

    Connection& connection() { return *connection_; }
    // Closes the connection and opens the same files again with `options` (read-only, say); the
    // statement log goes on.
    void Reopen(SqliteConnection::Options options);
    QString folder() const { return dir_.path(); }

    // Runs SQLite statements as they stand, without translation (test set-up only).
    void Raw(const QString& sqliteStatements);
    // The rows of one SQLite statement as it stands (PRAGMAs, SQLite's own view of the files).
    std::vector<QStringList> RawRows(const QString& sqliteStatement);
    SqliteConnection& sqlite();
    // One column of a query's rows (translation applied), for checks.
    QStringList Column(const QString& statement, int column = 0);
    int Count(const QString& statement) { return Column(statement).value(0).toInt(); }

    QStringList sent;

private:
    QTemporaryDir dir_;
    std::unique_ptr<Connection> connection_;
};

}  // namespace esoa::test
