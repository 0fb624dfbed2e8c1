#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

#include "database/Connection.h"

namespace esoa {

// SQL Server through Qt's ODBC driver: statements go out exactly as built (or translated, for an
// SQLite data source used in tests). Logging in waits at most `loginSeconds`; each statement at most
// `statementSeconds` (0: no limit), after which it fails with DbError::Cause::Busy. Owns its Qt
// connection and removes it when destroyed.
class OdbcConnection : public Connection {
public:
    struct Options {
        Dialect dialect = Dialect::SqlServer;
        QStringList setup;  // statements run first, as they stand (e.g. ATTACH for an SQLite source)
        int loginSeconds = 15;
        int statementSeconds = 60;
    };

    // Throws DbError with the driver's message (and the masked connection string) when the
    // connection cannot be made.
    OdbcConnection(const QString& connectionString, Options options);
    ~OdbcConnection() override;

    void Begin() override;
    void Commit() override;
    void Rollback() override;
    bool inTransaction() const override { return inTransaction_; }
    QString Target() const override;

protected:
    QueryResult Run(const QString& statement, const QVariantList& params) override;
    QueryResult RunEach(const QString& statement, const RowSink& onRow) override;

private:
    // Runs a statement; each row goes to `onRow` when given, else into the result.
    QueryResult Execute(const QString& statement, const QVariantList& params, const RowSink* onRow);
    // Ends the transaction with `end` (commit or rollback). The flag is cleared once that succeeded;
    // after a failure it tells whether the transaction is still open (StillInTransaction).
    void EndTransaction(const QString& statement, bool (QSqlDatabase::*end)());
    bool StillInTransaction(const DbError& failure);

    QString name_;
    QString connectionString_;
    int statementSeconds_;
    bool inTransaction_ = false;
};

// The connection string with the value of every password key (PWD, Password) replaced by "*****",
// so that it can be shown or logged.
QString MaskedConnectionString(const QString& connectionString);

}  // namespace esoa
