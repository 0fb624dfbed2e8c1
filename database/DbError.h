#pragma once

#include <QString>
#include <stdexcept>

namespace esoa {

// The one failure type of the data access. It carries the database's own description (what the user
// is shown), the driver's native error code when there is one, the statement that was being run, for
// diagnostics, and what caused it. Thrown by Connection, Recordset and the T-SQL translation. The
// data access catches it only to log it and pass it on, to name the file it concerns, to retry work
// that another writer holds locked (RetryOnBusy), and where its own upkeep or a quicker way of a
// search may fail without harm (the plain way is taken, or the next opening tries again).
class DbError : public std::runtime_error {
public:
    // What a failure says about the work that met it. Only Value belongs to the statement's own
    // values: the same statement with other values may well succeed. Every other cause would fail
    // the next statement too (the table is missing, the database is locked, read-only or full, the
    // connection is gone) or is a fault of the statement itself.
    enum class Cause {
        Other,
        Value,         // a value refused: too long, not a number, out of range, a constraint
        MissingTable,  // the table (or another object) named does not exist
        Busy,          // locked by another writer, a deadlock victim or a lock time-out
        ReadOnly,      // the database or its file cannot be written
        Full,          // the disk or the database is full
        Storage,       // the file cannot be read or written, or is damaged
        MissingFile,   // a database file the connection opens is not there
        Connection,    // the connection was lost or cannot be made
        Statement,     // the statement is not understood (syntax, a construct refused)
    };

    explicit DbError(const QString& description, const QString& nativeCode = {}, const QString& statement = {},
                     Cause cause = Cause::Other);

    const QString& description() const { return description_; }
    const QString& nativeCode() const { return nativeCode_; }
    const QString& statement() const { return statement_; }
    Cause cause() const { return cause_; }
    // True when the failure was caused by the values of one statement, so that other statements
    // (the next line of a file, the next row of a list) stand a chance.
    bool causedByValue() const { return cause_ == Cause::Value; }

    // The cause of an SQLite result code (extended codes accepted) with its message.
    static Cause CauseOfSqlite(int code, const QString& message);
    // The cause of a SQL Server error: its native error number and, through ODBC, its SQLSTATE.
    static Cause CauseOfSqlServer(const QString& nativeCode, const QString& message);

private:
    QString description_;
    QString nativeCode_;
    QString statement_;
    Cause cause_;
};

// The text a user is shown for any failure: a DbError's own description, otherwise what() read
// as UTF-8 (a DbError's what() carries the same description).
inline QString DescriptionOf(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace esoa
