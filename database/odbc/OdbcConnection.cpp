#include "database/odbc/OdbcConnection.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QUuid>

#include "database/DbError.h"
#include "database/tsql/TsqlToSqlite.h"

#ifdef ESOA_HAVE_ODBC_HEADERS
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>
#endif

namespace esoa {
namespace {

ColumnKind kindOf(const QSqlField& field) {
    switch (field.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return ColumnKind::Integer;
        case QMetaType::Double:
            return ColumnKind::Number;
        default:
            return ColumnKind::Text;
    }
}

DbError errorOf(const QSqlError& error, Dialect dialect, const QString& statement) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const DbError::Cause cause = dialect == Dialect::Sqlite
                                     ? DbError::CauseOfSqlite(error.nativeErrorCode().toInt(), text)
                                     : DbError::CauseOfSqlServer(error.nativeErrorCode(), error.text());
    return DbError(text, error.nativeErrorCode(), statement, cause);
}

// The statement time-out is an attribute of the ODBC statement handle, which exists once the
// statement is prepared.
void limitStatement(QSqlQuery& query, int seconds) {
#ifdef ESOA_HAVE_ODBC_HEADERS
    if (seconds <= 0 || !query.result()) return;
    const QVariant handle = query.result()->handle();
    if (!handle.isValid() || !handle.data()) return;
    SQLHANDLE stmt = *static_cast<const SQLHANDLE*>(handle.data());
    if (stmt) SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(seconds)), 0);
#else
    Q_UNUSED(query);
    Q_UNUSED(seconds);
#endif
}

}  // namespace

QString MaskedConnectionString(const QString& connectionString) {
    static const QRegularExpression password(QStringLiteral("((?:^|;)\\s*(?:PWD|Password)\\s*=\\s*)(\\{[^}]*\\}|[^;]*)"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString masked = connectionString;
    masked.replace(password, QStringLiteral("\\1*****"));
    return masked;
}

OdbcConnection::OdbcConnection(const QString& connectionString, Options options)
    : Connection(options.dialect),
      name_(QStringLiteral("odbc-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces))),
      connectionString_(connectionString),
      statementSeconds_(options.statementSeconds) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_);
    db.setDatabaseName(connectionString);
    if (options.loginSeconds > 0) {
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(options.loginSeconds));
    }
    auto fail = [&](const QSqlError& error, const QString& statement) {
        DbError e = errorOf(error, dialect(), statement);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        return e;
    };
    if (!db.open()) {
        const DbError e = fail(db.lastError(), {});
        const QString text = e.description().isEmpty() ? QStringLiteral("Cannot connect through ODBC.") : e.description();
        throw DbError(QStringLiteral("%1\nConnection: %2").arg(text, MaskedConnectionString(connectionString)),
                      e.nativeCode(), {}, DbError::Cause::Connection);
    }
    for (const QString& statement : options.setup) {
        QSqlError error;
        {
            QSqlQuery query(db);
            if (query.exec(statement)) continue;
            error = query.lastError();
        }  // the query goes before its connection is removed
        throw fail(error, statement);
    }
}

OdbcConnection::~OdbcConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QString OdbcConnection::Target() const { return MaskedConnectionString(connectionString_); }

QueryResult OdbcConnection::Run(const QString& statement, const QVariantList& params) {
    return Execute(statement, params, nullptr);
}

QueryResult OdbcConnection::RunEach(const QString& statement, const RowSink& onRow) {
    return Execute(statement, {}, &onRow);
}

QueryResult OdbcConnection::Execute(const QString& statement, const QVariantList& params, const RowSink* onRow) {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (!db.isOpen())
        throw DbError(QStringLiteral("The connection is closed."), {}, statement, DbError::Cause::Connection);
    const QString sent = dialect() == Dialect::Sqlite ? sql::TranslateToSqlite(statement) : statement;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool ok = query.prepare(sent);
    if (ok) {
        limitStatement(query, statementSeconds_);
        for (const QVariant& p : params) query.addBindValue(p);
        ok = query.exec();
    }
    if (!ok) throw errorOf(query.lastError(), dialect(), statement);

    QueryResult result;
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int c = 0; c < columns; ++c) {
        result.fields << record.fieldName(c);
        result.kinds.push_back(kindOf(record.field(c)));
    }
    while (query.next()) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const QVariant value = query.value(c);
            row << (value.isNull() ? QString() : value.toString());
        }
        if (onRow) {
            (*onRow)(row);
        } else {
            result.rows.push_back(std::move(row));
        }
    }
    // A row that could not be read (the connection lost half-way) ends the rows early, not in silence.
    if (query.lastError().isValid()) throw errorOf(query.lastError(), dialect(), statement);
    return result;
}

void OdbcConnection::Begin() {
    if (inTransaction_)
        throw DbError(QStringLiteral("A transaction is already open."), {}, {}, DbError::Cause::Statement);
    const QString statement = QStringLiteral("BEGIN TRANSACTION");
    SendBound(statement, [&] {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (!db.transaction()) throw errorOf(db.lastError(), dialect(), statement);
    });
    inTransaction_ = true;
}

void OdbcConnection::Commit() {
    EndTransaction(QStringLiteral("COMMIT TRANSACTION"), &QSqlDatabase::commit);
}

void OdbcConnection::Rollback() {
    if (!inTransaction_) return;
    EndTransaction(QStringLiteral("ROLLBACK TRANSACTION"), &QSqlDatabase::rollback);
}

void OdbcConnection::EndTransaction(const QString& statement, bool (QSqlDatabase::*end)()) {
    try {
        SendBound(statement, [&] {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            if (!(db.*end)()) throw errorOf(db.lastError(), dialect(), statement);
        });
    } catch (const DbError& e) {
        inTransaction_ = StillInTransaction(e);
        throw;
    }
    inTransaction_ = false;
}

bool OdbcConnection::StillInTransaction(const DbError& failure) {
    // A server that lost the connection has ended its transaction with it.
    if (failure.cause() == DbError::Cause::Connection) return false;
    // The driver keeps its transaction open after a failed end, so that a rollback can still follow;
    // only SQL Server tells whether it still holds one.
    if (dialect() != Dialect::SqlServer) return true;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    int open = 1;
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT @@TRANCOUNT")) || !query.next()) return true;
        open = query.value(0).toInt();
    }
    if (open > 0) return true;
    // The server already ended it (a deadlock, an error that aborts the transaction): the driver ends
    // its own too, so that the statements that follow commit by themselves again. Nothing is left to
    // undo.
    db.rollback();
    return false;
}

}  // namespace esoa
