#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/Recordset.h"

namespace esoa {

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

// The one open database connection of the run (the current user's `sqlconnection`).
// Every method throws DbError with the database's own description on failure.
// Owns its QSqlDatabase connection and removes it when destroyed.
class Connection {
public:
    // Observer of every statement sent, as built by the caller (T-SQL), before any translation.
    using Observer = std::function<void(const QString& statement)>;

    Connection(const QString& qtConnectionName, Dialect dialect);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A statement without result (DROP, CREATE, ALTER, DELETE).
    void Execute(const QString& statement);

    // Reads the whole result of a SELECT.
    ReadResult Read(const QString& statement, CursorType cursor, LockType lock);

    // Opens an updatable recordset on a SELECT that finds a row by its key (insert-or-update).
    // Needs a dynamic cursor with optimistic locking, as an updatable ADO recordset does.
    Recordset OpenRecordset(const QString& statement, CursorType cursor, LockType lock);

    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    Dialect dialect() const { return dialect_; }
    QSqlDatabase database() const;

private:
    friend class Recordset;
    struct Prepared;
    // Runs one statement with bound parameters; returns the open query for reading.
    QSqlQuery Run(const QString& statement, const QVariantList& params, bool forwardOnly);
    QString Translated(const QString& statement) const;

    QString name_;
    Dialect dialect_;
    Observer observer_;
};

}  // namespace esoa
