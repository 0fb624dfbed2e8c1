#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

#include "database/Recordset.h"

namespace esoa {

class DbError;

Q_DECLARE_LOGGING_CATEGORY(lcSql)

// ADO cursor and lock types, with ADO's values, as each routine names them.
enum class CursorType { ForwardOnly = 0, Dynamic = 2 };
enum class LockType { ReadOnly = 1, Optimistic = 3 };

// Statements are written in T-SQL. SqlServer sends them unchanged; Sqlite translates them first.
enum class Dialect { SqlServer, Sqlite };

// A whole result read into memory: the field names as the query returns them, then the rows in
// result order as cell texts (NULL reads as the empty text, numbers in their shortest form).
struct ReadResult {
    QStringList fields;
    std::vector<QStringList> rows;
};

// What a result column holds, as far as writing it back matters.
enum class ColumnKind { Text, Integer, Money, Number };

// A result with the kind of each column, as a backend returns it.
struct QueryResult {
    QStringList fields;
    std::vector<ColumnKind> kinds;
    std::vector<QStringList> rows;
};

// Takes the rows of a result one at a time, as they are read (cells as ReadResult holds them).
using RowSink = std::function<void(const QStringList& row)>;
// The filters of a search of the inventory's items, handed to Read beside its statement, so that a
// backend may narrow what it reads with indexes of its own: the embedded database reads only the
// items its indexes leave when they leave few (SqliteConnection.h); SQL Server gets the statement as
// built. The caller vouches for the statement: a SELECT that reads Inventory..tbInvMaster under an
// alias (columns of other tables named apart), keeps the items of one itemstatus, holds each
// filter given here ANDed at the top of its WHERE clause ("ItemName like '<name>'" and
// "GenericName like '<generic>'" of Inventory..tbForGeneric joined on GenericID, neither with
// ESCAPE) and ends with an ORDER BY of the item name alone. The statement still decides which rows
// come, and in which order.
struct ItemFilters {
    QString name;     // the LIKE pattern of ItemName as the database reads it ("%amox%"); empty: none
    QString generic;  // the LIKE pattern of GenericName; empty: none

    bool any() const { return !name.isEmpty() || !generic.isEmpty(); }
};

// The one open database connection of the run (the current user's `sqlconnection`).
// Every method throws DbError with the database's own description on failure. A value or statement
// holding a character that cannot reach the database as written (a NUL, an unpaired surrogate) is
// refused before anything is sent. Backends: the embedded SQLite files (SqliteConnection) and SQL
// Server through ODBC (OdbcConnection).
class Connection {
public:
    // Observer of every statement sent, as built by the caller (T-SQL), before any translation.
    using Observer = std::function<void(const QString& statement)>;

    explicit Connection(Dialect dialect) : dialect_(dialect) {}
    virtual ~Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A statement without result (DROP, CREATE, ALTER, DELETE, INSERT, UPDATE).
    void Execute(const QString& statement);

    // Reads the whole result of a SELECT; an item search hands its filters with it (ItemFilters). The
    // cursor and lock types are those the routine names; the whole result is copied at once, so they
    // change nothing and are sent to no backend.
    ReadResult Read(const QString& statement, CursorType cursor, LockType lock,
                    const ItemFilters& filters = {});

    // Reads a SELECT forward only, handing each row to `onRow` as it is read, so that a large result
    // is never held whole. Returns the fields and their kinds (no rows). `onRow` must not use this
    // connection: the statement is open until the last row; an exception it throws ends the read
    // and passes on.
    QueryResult ReadEach(const QString& statement, const RowSink& onRow);

    // Opens an updatable recordset on a SELECT that finds a row by its key (insert-or-update).
    // Needs a dynamic cursor with optimistic locking, as an updatable ADO recordset does.
    Recordset OpenRecordset(const QString& statement, CursorType cursor, LockType lock);

    // Transactions, for work that must be atomic against other writers. Begin takes the write lock
    // at once on the embedded database (so that a lookup inside sees what no one else can change).
    // Nested use is refused. Rollback is harmless when no transaction is open. The observer sees
    // them as "BEGIN TRANSACTION", "COMMIT TRANSACTION" and "ROLLBACK TRANSACTION" (a rollback only
    // when one was open).
    virtual void Begin() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    virtual bool inTransaction() const = 0;

    // Where the connection leads, for messages and diagnostics: the folder of the embedded files or
    // the ODBC connection string with its password masked. Never holds a password.
    virtual QString Target() const = 0;

    // A text that differs from the one given before whenever the data of `database` ("Build_FIle" or
    // "Inventory") may have changed in between, through this connection or another; empty when the
    // backend cannot tell cheaply (then compare what was read). Throws DbError.
    virtual QString ChangeMarker(const QString& database) {
        Q_UNUSED(database);
        return {};
    }

    // Throws DbError (Cause::Storage) when the database files this connection writes were deleted
    // or moved since it opened them, so that what was written since reached no file the program
    // will open again. Nothing to check on a server.
    virtual void CheckStillInPlace() {}

    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    Dialect dialect() const { return dialect_; }

    // How long a writer keeps trying work that other writers keep locked (RetryOnBusy), in
    // milliseconds: a further try starts only when it can end within this time from the first.
    int busyBudgetMilliseconds() const { return busyBudgetMilliseconds_; }
    void setBusyBudgetMilliseconds(int milliseconds) { busyBudgetMilliseconds_ = milliseconds; }

protected:
    friend class Recordset;
    // Runs one statement (T-SQL as built; the backend translates it when its dialect asks) with
    // bound parameters and returns its whole result; a statement without result returns no fields.
    virtual QueryResult Run(const QString& statement, const QVariantList& params) = 0;
    // Runs one SELECT as Run does, handing its rows to `onRow` one at a time instead of returning them.
    virtual QueryResult RunEach(const QString& statement, const RowSink& onRow) = 0;
    // Runs an item search with its filters; by default the statement alone.
    virtual QueryResult RunItemSearch(const QString& statement, const ItemFilters&) {
        return Run(statement, {});
    }

    // Checks and observes a statement, then runs it (as an item search when `filters` are given, each
    // row to `onRow` when given): every statement goes through here.
    QueryResult Send(const QString& statement, const QVariantList& params = {},
                     const ItemFilters* filters = nullptr, const RowSink* onRow = nullptr);
    // Sends a statement the backend runs its own way (a transaction's bounds: "BEGIN TRANSACTION",
    // "COMMIT TRANSACTION", "ROLLBACK TRANSACTION"): observed and logged as every other statement,
    // then `run` does it; a DbError it throws is logged and passed on.
    void SendBound(const QString& statement, const std::function<void()>& run);

private:
    void Observe(const QString& statement) const;
    static void LogFailure(const DbError& error, const QString& statement);

    Dialect dialect_;
    Observer observer_;
    int busyBudgetMilliseconds_ = 12000;
};

// A transaction that rolls back unless committed: Commit() ends it, destruction without it undoes.
class Transaction {
public:
    explicit Transaction(Connection& connection) : connection_(connection) { connection_.Begin(); }
    ~Transaction() {
        if (!done_) {
            try {
                connection_.Rollback();
            } catch (...) {
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit() {
        connection_.Commit();
        done_ = true;
    }

private:
    Connection& connection_;
    bool done_ = false;
};

}  // namespace esoa
