#include "database/sqlite/SqliteConnection.h"

#include <sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <optional>

#include "database/Databases.h"
#include "database/DbError.h"
#include "database/sqlite/SqliteCaseRules.h"
#include "database/sqlite/SqliteFiles.h"
#include "database/tsql/TsqlToSqlite.h"

namespace esoa {
namespace {

// Prepared statements kept at most; the import's lookups differ line by line and must not pile up.
constexpr int kPreparedLimit = 200;

// Per file: the bytes read through memory mapping, and the page cache (negative: in KiB).
constexpr qint64 kMappedBytes = qint64(1) << 30;
constexpr int kCacheKibibytes = -32768;

ColumnKind kindOf(const char* declared) {
    if (!declared) return ColumnKind::Text;
    const QByteArray type = QByteArray(declared).toUpper();
    if (type.startsWith("REAL")) return ColumnKind::Money;
    if (type.contains("INT")) return ColumnKind::Integer;
    if (type.contains("CHAR") || type.contains("TEXT") || type.isEmpty()) return ColumnKind::Text;
    return ColumnKind::Number;
}

QString cellText(sqlite3_stmt* stmt, int col) {
    switch (sqlite3_column_type(stmt, col)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QString::number(sqlite3_column_int64(stmt, col));
        case SQLITE_FLOAT:
            return QString::number(sqlite3_column_double(stmt, col), 'g', QLocale::FloatingPointShortest);
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
            return QString::fromUtf8(text, sqlite3_column_bytes(stmt, col));
        }
    }
}

void bind(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::Bool:
            sqlite3_bind_int64(stmt, index, value.toLongLong());
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(stmt, index, value.toDouble());
            return;
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

}  // namespace

// Off unless asked for (QT_LOGGING_RULES="esoa.sqlite.debug=true"): the SQLite statements the
// embedded database runs of its own accord (PRAGMAs, index upkeep, the narrowed searches' helper
// queries, scripts), which the program's T-SQL log (esoa.sql) leaves out.
Q_LOGGING_CATEGORY(lcSqlite, "esoa.sqlite", QtCriticalMsg)

SqliteConnection::SqliteConnection(const QString& folder, Options options)
    : Connection(Dialect::Sqlite), folder_(QDir(folder).absolutePath()), options_(std::move(options)) {
    const bool mayCreate = options_.createMissing && options_.access == Access::Automatic;
    if (mayCreate && !QDir().mkpath(folder_)) {
        throw DbError(
            QStringLiteral("Cannot create the database folder %1.").arg(QDir::toNativeSeparators(folder_)),
            {}, {}, DbError::Cause::Storage);
    }
    if (!QFileInfo(folder_).isDir()) {
        throw DbError(
            QStringLiteral("The database folder %1 does not exist.").arg(QDir::toNativeSeparators(folder_)),
            {}, {}, DbError::Cause::Storage);
    }
    // URI file names: a file is attached read-only by its URI's parameters. One thread at a time
    // uses a connection, so SQLite need not lock it for every call (a value read is one call).
    const int rc = sqlite3_open_v2(
        ":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
        nullptr);
    if (rc != SQLITE_OK) {
        const QString text = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        Close();
        throw DbError(QStringLiteral("Cannot open the embedded database: %1").arg(text), QString::number(rc));
    }
    try {
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, options_.busyMilliseconds);
        sql::InstallCaseRules(db_);
        // Counts this connection's own commits (SQLite's data_version counts only the others'); the
        // update hook would miss a DELETE without WHERE.
        sqlite3_commit_hook(
            db_,
            [](void* self) {
                ++static_cast<SqliteConnection*>(self)->commits_;
                return 0;
            },
            this);
        Attach(QStringLiteral("Build_FIle"), QLatin1String(kBuildFileDb), options_);
        Attach(QStringLiteral("Inventory"), QLatin1String(kInventoryDb), options_);
        if (Upkept()) Upkeep();
    } catch (...) {
        Close();
        throw;
    }
}

SqliteConnection::~SqliteConnection() {
    Close();
}

void SqliteConnection::Close() {
    for (sqlite3_stmt* stmt : std::as_const(prepared_)) sqlite3_finalize(stmt);
    prepared_.clear();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

QString SqliteConnection::FilePath(const QString& schema) const {
    const bool inventory = schema.compare(QLatin1String("Inventory"), Qt::CaseInsensitive) == 0;
    return QDir(folder_).filePath(QLatin1String(inventory ? kInventoryDb : kBuildFileDb));
}

void SqliteConnection::Attach(const QString& schema, const QString& file, const Options& options) {
    const QString path = QDir(folder_).filePath(file);
    const bool exists = QFileInfo::exists(path);
    if (!exists && !(options.createMissing && options.access == Access::Automatic)) {
        throw DbError(QStringLiteral("The database file %1 is missing.").arg(QDir::toNativeSeparators(path)),
                      {}, {}, DbError::Cause::MissingFile);
    }
    bool readOnly = options.access != Access::Automatic;
    if (!readOnly && exists)
        readOnly = !(options.mayWrite ? options.mayWrite(path) : sqlite_files::MayWrite(path));
    try {
        RunSqlite(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {sqlite_files::OpenUri(path, readOnly)});
        // Every statement commits by itself; WAL keeps such small commits fast without risking a
        // corrupt file. A read-only file keeps its journal mode.
        if (!readOnly && !IsReadOnly(schema)) {
            RunSqlite(QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(schema));
            RunSqlite(QStringLiteral("PRAGMA %1.synchronous=NORMAL").arg(schema));
        }
        // A large inventory is read page by page by every search: mapped into memory, a page costs
        // no system call, and the cache keeps the index pages of the lists at hand.
        SetMapped(kMappedBytes, schema);
        RunSqlite(QStringLiteral("PRAGMA %1.cache_size=%2").arg(schema).arg(kCacheKibibytes));
        // A file that is not a database fails here, at its first read, rather than later.
        RunSqlite(QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(schema));
    } catch (const DbError& e) {
        if (e.description().contains(QDir::toNativeSeparators(path))) throw;
        throw DbError(sqlite_files::FailureText(path, e.nativeCode().toInt(), sqlite3_system_errno(db_),
                                                e.description()),
                      e.nativeCode(), e.statement(), e.cause());
    }
}

void SqliteConnection::SetMapped(qint64 bytes, const QString& schema) {
    for (const QString& s : schema.isEmpty()
                                ? QStringList{QStringLiteral("Build_FIle"), QStringLiteral("Inventory")}
                                : QStringList{schema})
        RunSqlite(QStringLiteral("PRAGMA %1.mmap_size=%2").arg(s).arg(bytes));
}

bool SqliteConnection::IsReadOnly(const QString& schema) const {
    return sqlite3_db_readonly(db_, schema.toUtf8().constData()) == 1;
}

bool SqliteConnection::IsDamage(const DbError& error) {
    bool number = false;
    const int code = error.nativeCode().toInt(&number);
    return number && sqlite_files::IsDamage(code);
}

void SqliteConnection::CheckStillInPlace() {
    for (const char* schema : {"Build_FIle", "Inventory"}) {
        int moved = 0;
        if (sqlite3_file_control(db_, schema, SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || !moved)
            continue;
        throw DbError(
            QStringLiteral("Database file %1: it was deleted or moved while the program was using it, so "
                           "what the program wrote is not stored there. Start the program again.")
                .arg(QDir::toNativeSeparators(FilePath(QLatin1String(schema)))),
            {}, {}, DbError::Cause::Storage);
    }
}

QString SqliteConnection::ChangeMarker(const QString& database) {
    const bool inventory = database.compare(QLatin1String("Inventory"), Qt::CaseInsensitive) == 0;
    const QString schema = inventory ? QStringLiteral("Inventory") : QStringLiteral("Build_FIle");
    return RunSqlite(QStringLiteral("PRAGMA %1.data_version").arg(schema)).rows.front().front() +
           QLatin1Char('/') +
           RunSqlite(QStringLiteral("PRAGMA %1.schema_version").arg(schema)).rows.front().front() +
           QLatin1Char('/') + QString::number(commits_);
}

void SqliteConnection::Fail(int rc, const QString& statement) const {
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    const DbError::Cause cause = DbError::CauseOfSqlite(rc, message);
    QString text = message;
    if (cause == DbError::Cause::ReadOnly || cause == DbError::Cause::Busy || cause == DbError::Cause::Full ||
        cause == DbError::Cause::Storage) {
        // SQLite's words name neither the file nor the folder, nor say what the user can do.
        static const QRegularExpression inventory(QStringLiteral("\\binventory\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        const QString schema =
            statement.contains(inventory) ? QStringLiteral("Inventory") : QStringLiteral("Build_FIle");
        text = sqlite_files::FailureText(FilePath(schema), rc, sqlite3_system_errno(db_), message);
    }
    throw DbError(text, QString::number(rc), statement, cause);
}

sqlite3_stmt* SqliteConnection::Prepared(const QString& sent, const QString& statement) {
    if (sqlite3_stmt* stmt = prepared_.value(sent)) return stmt;
    if (prepared_.size() >= kPreparedLimit) {
        for (sqlite3_stmt* old : std::as_const(prepared_)) sqlite3_finalize(old);
        prepared_.clear();
    }
    const QByteArray utf8 = sent.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v3(db_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK) Fail(rc, statement);
    if (!stmt) throw DbError(QStringLiteral("An empty statement."), {}, statement, DbError::Cause::Statement);
    if (tail && *tail && !QByteArray(tail).trimmed().isEmpty()) {
        sqlite3_finalize(stmt);
        throw DbError(QStringLiteral("The embedded database runs one statement at a time."), {}, statement,
                      DbError::Cause::Statement);
    }
    prepared_.insert(sent, stmt);
    return stmt;
}

QueryResult SqliteConnection::Execute(const QString& sent, const QVariantList& params,
                                      const QString& statement, const RowSink* onRow) {
    sqlite3_stmt* stmt = Prepared(sent, statement);
    struct Reset {
        sqlite3_stmt* s;
        ~Reset() {
            sqlite3_reset(s);
            sqlite3_clear_bindings(s);
        }
    } reset{stmt};
    if (params.size() != sqlite3_bind_parameter_count(stmt)) {
        throw DbError(QStringLiteral("The statement takes %1 values, %2 given.")
                          .arg(sqlite3_bind_parameter_count(stmt))
                          .arg(params.size()),
                      {}, statement, DbError::Cause::Statement);
    }
    for (qsizetype i = 0; i < params.size(); ++i) bind(stmt, int(i + 1), params[i]);

    QueryResult result;
    const int columns = sqlite3_column_count(stmt);
    result.fields.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        result.fields << QString::fromUtf8(sqlite3_column_name(stmt, c));
        result.kinds.push_back(kindOf(sqlite3_column_decltype(stmt, c)));
    }
    QStringList row;  // handed to onRow row after row: its room is kept unless onRow keeps the row
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) Fail(rc, statement);
        if (onRow) {
            row.resize(columns);
            for (int c = 0; c < columns; ++c) row[c] = cellText(stmt, c);
            (*onRow)(row);
        } else {
            QStringList kept;
            kept.reserve(columns);
            for (int c = 0; c < columns; ++c) kept << cellText(stmt, c);
            result.rows.push_back(std::move(kept));
        }
    }
    return result;
}

QString SqliteConnection::Translated(const QString& statement, const sql::TableSource* source) {
    // A NUL never stands in a statement (Send refuses it): it keeps a narrowed read's key apart.
    const QString key = source ? statement + QChar(0) + source->source : statement;
    const auto cached = translated_.constFind(key);
    if (cached != translated_.constEnd()) return *cached;
    const QString sent =
        source ? sql::TranslateToSqlite(statement, *source) : sql::TranslateToSqlite(statement);
    if (translated_.size() >= kPreparedLimit) translated_.clear();
    translated_.insert(key, sent);
    return sent;
}

QueryResult SqliteConnection::RunEach(const QString& statement, const RowSink& onRow) {
    const QString sent = Translated(statement);
    // A read row by row is one pass over a large result (a report, an export): its pages go through
    // SQLite's own cache, a bounded number of them, rather than the memory mapping, whose pages would
    // stay in the program's memory until the files are closed.
    struct Unmapped {
        SqliteConnection& c;
        explicit Unmapped(SqliteConnection& connection) : c(connection) { c.SetMapped(0); }
        ~Unmapped() {
            try {
                c.SetMapped(kMappedBytes);
            } catch (const DbError&) {
                // Still read correctly, through the cache.
            }
        }
    } unmapped(*this);
    return Execute(sent, {}, statement, &onRow);
}

QueryResult SqliteConnection::Run(const QString& statement, const QVariantList& params) {
    const QString sent = Translated(statement);
    QueryResult result = Execute(sent, params, statement);
    if (sent.trimmed().startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive)) EnsurePrivateIndexes();
    return result;
}

QueryResult SqliteConnection::RunItemSearch(const QString& statement, const ItemFilters& filters) {
    const QString sent = Translated(statement);
    // Inside a transaction the reads stay as plain as the writes around them.
    if (inTransaction()) return Execute(sent, {}, statement);
    const std::vector<sql::CandidateRestriction> restrictions = sql::ItemFilterRestrictions(filters);
    if (restrictions.empty()) return Execute(sent, {}, statement);

    // The narrowest way, by the number of items it leaves (counted up to a bound).
    const auto& limits = options_.narrowing;
    const sql::CandidateRestriction* best = nullptr;
    qint64 fewest = qint64(limits.someItems) + 1;
    for (const sql::CandidateRestriction& r : restrictions) {
        if (r.textIndex && !NameIndexReady()) continue;
        try {
            const qint64 count = RunSqlite(QStringLiteral("SELECT count(*) FROM (%1 LIMIT %2)")
                                               .arg(r.candidates)
                                               .arg(qint64(limits.someItems) + 1))
                                     .rows.front()
                                     .front()
                                     .toLongLong();
            if (count < fewest) {
                fewest = count;
                best = &r;
            }
        } catch (const DbError& e) {
            // An index that cannot be read narrows nothing.
            qCDebug(lcSqlite).noquote() << "An index of the items cannot be read:" << e.description();
        }
    }
    if (!best || fewest > limits.someItems) return Execute(sent, {}, statement);
    qCDebug(lcSqlite).noquote() << "Narrowed to" << fewest << "items by:" << best->candidates;
    // Some thousands of items by their names: a text that many of them hold may end the walk in
    // name order sooner. (A walk tests a generic name through the join, too slowly to gain.)
    if (fewest > limits.fewItems && best->textIndex) {
        if (auto walked = ExecuteWithin(limits.walkMicroseconds, sent, {}, statement))
            return std::move(*walked);
    }
    try {
        const QString narrowed = Translated(statement, &best->items);
        qCDebug(lcSqlite).noquote() << "Narrowed search:" << narrowed;
        return Execute(narrowed, {}, statement);
    } catch (const DbError& e) {
        // A statement the filters do not describe (no alias to read the narrowed items under, say).
        qCDebug(lcSqlite).noquote() << "The narrowed search failed, the walk follows:" << e.description();
        return Execute(sent, {}, statement);
    }
}

std::optional<QueryResult> SqliteConnection::ExecuteWithin(int microseconds, const QString& sent,
                                                           const QVariantList& params,
                                                           const QString& statement) {
    struct Budget {
        QElapsedTimer clock;
        qint64 nanoseconds;
        bool spent = false;
    } budget{{}, qint64(microseconds) * 1000};
    budget.clock.start();
    // Asked every thousand steps of SQLite's engine, a few microseconds apart.
    sqlite3_progress_handler(
        db_, 1000,
        [](void* p) {
            auto* b = static_cast<Budget*>(p);
            b->spent = b->clock.nsecsElapsed() > b->nanoseconds;
            return b->spent ? 1 : 0;
        },
        &budget);
    struct Off {
        sqlite3* db;
        ~Off() { sqlite3_progress_handler(db, 0, nullptr, nullptr); }
    } off{db_};
    try {
        return Execute(sent, params, statement);
    } catch (const DbError&) {
        if (!budget.spent) throw;
        return std::nullopt;
    }
}

QueryResult SqliteConnection::RunSqlite(const QString& sqlite, const QVariantList& params) {
    qCDebug(lcSqlite).noquote() << sqlite;
    return Execute(sqlite, params, sqlite);
}

void SqliteConnection::RunScript(const QString& sqlite) {
    qCDebug(lcSqlite).noquote() << "script:" << sqlite.left(200) << (sqlite.size() > 200 ? "..." : "");
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sqlite.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc == SQLITE_OK) {
        // A script may have made the tables that get private indexes; inside a transaction it
        // left open, they wait for the next opening rather than join it.
        if (!inTransaction()) EnsurePrivateIndexes();
        return;
    }
    const QString text = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
    sqlite3_free(error);
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw DbError(text, QString::number(rc), sqlite.left(200), DbError::CauseOfSqlite(rc, text));
}

void SqliteConnection::Begin() {
    if (inTransaction())
        throw DbError(QStringLiteral("A transaction is already open."), {}, {}, DbError::Cause::Statement);
    // IMMEDIATE: the write lock is taken now, before the lookup that decides what to write.
    SendBound(QStringLiteral("BEGIN TRANSACTION"), [this] { RunSqlite(QStringLiteral("BEGIN IMMEDIATE")); });
}

void SqliteConnection::Commit() {
    SendBound(QStringLiteral("COMMIT TRANSACTION"), [this] { RunSqlite(QStringLiteral("COMMIT")); });
}

void SqliteConnection::Rollback() {
    if (!inTransaction()) return;
    SendBound(QStringLiteral("ROLLBACK TRANSACTION"), [this] { RunSqlite(QStringLiteral("ROLLBACK")); });
}

bool SqliteConnection::inTransaction() const {
    return db_ && !sqlite3_get_autocommit(db_);
}

}  // namespace esoa
