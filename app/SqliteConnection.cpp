#include "app/SqliteConnection.h"

#include <sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <optional>

#include "app/Databases.h"
#include "app/DbError.h"
#include "app/SqliteCaseRules.h"
#include "app/TsqlToSqlite.h"

namespace esoa {
namespace {

// Prepared statements kept at most; the import's lookups differ line by line and must not pile up.
constexpr int kPreparedLimit = 200;

// Per file: the bytes read through memory mapping, and the page cache (negative: in KiB).
constexpr qint64 kMappedBytes = qint64(1) << 30;
constexpr int kCacheKibibytes = -32768;

// Bumped whenever the text order of the embedded collation changes: indexes built under another
// order are rebuilt when the files are opened.
constexpr int kCollationVersion = 2;

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

// A name as SQLite reads it whatever it holds.
QString quoted(QString name) {
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

}  // namespace

SqliteConnection::SqliteConnection(const QString& folder, Options options)
    : Connection(Dialect::Sqlite), folder_(QDir(folder).absolutePath()), options_(options) {
    if (options.createMissing && !QDir().mkpath(folder_)) {
        throw DbError(QStringLiteral("Cannot create the database folder %1.").arg(QDir::toNativeSeparators(folder_)),
                      {}, {}, DbError::Cause::Storage);
    }
    if (!QFileInfo(folder_).isDir()) {
        throw DbError(QStringLiteral("The database folder %1 does not exist.").arg(QDir::toNativeSeparators(folder_)),
                      {}, {}, DbError::Cause::Storage);
    }
    const int rc = sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        Close();
        throw DbError(QStringLiteral("Cannot open the embedded database: %1").arg(text), QString::number(rc));
    }
    try {
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, options.busyMilliseconds);
        sql::InstallCaseRules(db_);
        Attach(QStringLiteral("Build_FIle"), QLatin1String(kBuildFileDb), options);
        Attach(QStringLiteral("Inventory"), QLatin1String(kInventoryDb), options);
        UpdateCollation();
        EnsurePrivateIndexes();
    } catch (...) {
        Close();
        throw;
    }
}

SqliteConnection::~SqliteConnection() { Close(); }

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
    if (!options.createMissing && !QFileInfo::exists(path)) {
        throw DbError(QStringLiteral("The database file %1 is missing.").arg(QDir::toNativeSeparators(path)), {}, {},
                      DbError::Cause::Storage);
    }
    try {
        RunSqlite(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {path});
        // Every statement commits by itself; WAL keeps such small commits fast without risking a
        // corrupt file. A read-only file keeps its journal mode.
        if (!sqlite3_db_readonly(db_, schema.toUtf8().constData())) {
            RunSqlite(QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(schema));
            RunSqlite(QStringLiteral("PRAGMA %1.synchronous=NORMAL").arg(schema));
        }
        // A large inventory is read page by page by every search: mapped into memory, a page costs
        // no system call, and the cache keeps the index pages of the lists at hand.
        RunSqlite(QStringLiteral("PRAGMA %1.mmap_size=%2").arg(schema).arg(kMappedBytes));
        RunSqlite(QStringLiteral("PRAGMA %1.cache_size=%2").arg(schema).arg(kCacheKibibytes));
        // A file that is not a database fails here, at its first read, rather than later.
        RunSqlite(QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(schema));
    } catch (const DbError& e) {
        throw DbError(QStringLiteral("%1\nDatabase file: %2").arg(e.description(), QDir::toNativeSeparators(path)),
                      e.nativeCode(), e.statement(), e.cause());
    }
}

void SqliteConnection::UpdateCollation() {
    // Files written under an older text order keep their indexes in that order; rebuild them once.
    bool stale = false;
    for (const char* schema : {"Build_FIle", "Inventory"}) {
        const QString s = QLatin1String(schema);
        if (RunSqlite(QStringLiteral("PRAGMA %1.user_version").arg(s)).rows.front().front().toInt() == kCollationVersion)
            continue;
        stale = true;
    }
    if (!stale) return;
    try {
        RunSqlite(QStringLiteral("REINDEX NOCASE"));
        for (const char* schema : {"Build_FIle", "Inventory"})
            RunSqlite(QStringLiteral("PRAGMA %1.user_version=%2").arg(QLatin1String(schema)).arg(kCollationVersion));
    } catch (const DbError&) {
        // A read-only file cannot be rebuilt; it is still read, and nothing in it is written.
    }
}

QString SqliteConnection::PrivateIndexName(const QString& table, const QString& column) {
    return table + QStringLiteral("__esoa_") + column;
}

void SqliteConnection::EnsurePrivateIndexes() {
    // Indexes the program's statements never ask for, for the lookups it makes all the time: a
    // code's row or links, the inventory's first items by name, the items of a generic, and the
    // items whose name holds a text. The name index also holds the status, so that a name filter
    // and the status are tested on the index entry and only matching items are read from the table.
    struct Wanted {
        const char* schema;
        QString table;
        QStringList columns;
    };
    std::vector<Wanted> wanted;
    QSet<QString> existing;
    QString inventory;
    QString nameColumn;
    try {
        for (const char* schema : {"Build_FIle", "Inventory"}) {
            const QString s = QLatin1String(schema);
            const QueryResult objects = RunSqlite(
                QStringLiteral("SELECT type, name FROM %1.sqlite_master WHERE type IN ('table', 'index', 'trigger')")
                    .arg(s));
            for (const QStringList& object : objects.rows) {
                existing.insert(s + QLatin1Char('.') + object[1].toLower());
                if (object[0] != QLatin1String("table")) continue;
                const QString& table = object[1];
                const bool reference = s == QLatin1String("Build_FIle") &&
                                       table.startsWith(QLatin1String("ESOA_"), Qt::CaseInsensitive);
                const bool items =
                    s == QLatin1String("Inventory") && table.compare(QLatin1String("tbInvMaster"), Qt::CaseInsensitive) == 0;
                if (!reference && !items) continue;
                QStringList columns;
                for (const QStringList& column :
                     RunSqlite(QStringLiteral("PRAGMA %1.table_info(%2)").arg(s, quoted(table))).rows) {
                    columns << column[1].toLower();
                    if (items && columns.back() == QLatin1String("itemname")) nameColumn = column[1];
                }
                if (reference && columns.contains(QLatin1String("code"))) {
                    wanted.push_back({schema, table, {QStringLiteral("Code")}});
                } else if (items) {
                    inventory = table;
                    if (columns.contains(QLatin1String("itemname"))) {
                        QStringList indexed{QStringLiteral("ItemName")};
                        if (columns.contains(QLatin1String("itemstatus"))) indexed << QStringLiteral("itemstatus");
                        wanted.push_back({schema, table, indexed});
                    }
                    if (columns.contains(QLatin1String("genericid")))
                        wanted.push_back({schema, table, {QStringLiteral("GenericID")}});
                }
            }
        }
        for (const Wanted& w : wanted) {
            const QString name = PrivateIndexName(w.table, w.columns.front());
            if (existing.contains(QLatin1String(w.schema) + QLatin1Char('.') + name.toLower())) continue;
            QStringList columns;
            for (const QString& c : w.columns) columns << quoted(c);
            RunSqlite(QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2 ON %3(%4)")
                          .arg(QLatin1String(w.schema), quoted(name), quoted(w.table), columns.join(QLatin1Char(','))));
        }
        if (!nameColumn.isEmpty()) {
            int present = 0;
            for (const QString& object : sql::ItemNameTextIndex::ObjectNames())
                present += existing.contains(QStringLiteral("Inventory.") + object.toLower()) ? 1 : 0;
            if (present != sql::ItemNameTextIndex::ObjectNames().size()) EnsureNameIndex(inventory, nameColumn);
        }
    } catch (const DbError&) {
        // A read-only or busy file keeps working without them; the next opening tries again.
    }
}

void SqliteConnection::EnsureNameIndex(const QString& table, const QString& column) {
    // Made whole in one transaction, over the items present, or not at all: a part left by an
    // earlier failure is dropped first.
    const bool own = !inTransaction();
    if (own) RunSqlite(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        for (const QString& statement :
             sql::ItemNameTextIndex::DropStatements() + sql::ItemNameTextIndex::CreateStatements(table, column))
            RunSqlite(statement);
        if (own) RunSqlite(QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        if (own && inTransaction()) RunSqlite(QStringLiteral("ROLLBACK"));
        throw;
    }
}

bool SqliteConnection::NameIndexReady() {
    try {
        const int version = RunSqlite(QStringLiteral("PRAGMA Inventory.schema_version")).rows.front().front().toInt();
        if (version == nameIndexSchema_) return nameIndexReady_;
        const QStringList names = sql::ItemNameTextIndex::ObjectNames();
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
        const QueryResult found = RunSqlite(
            QStringLiteral("SELECT count(*) FROM Inventory.sqlite_master WHERE name IN (%1)").arg(marks.join(',')),
            QVariantList(names.begin(), names.end()));
        nameIndexReady_ = found.rows.front().front().toInt() == names.size();
        nameIndexSchema_ = version;
        return nameIndexReady_;
    } catch (const DbError&) {
        return false;
    }
}

void SqliteConnection::Fail(int rc, const QString& statement) const {
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    const DbError::Cause cause = DbError::CauseOfSqlite(rc, message);
    QString text = message;
    if (cause == DbError::Cause::ReadOnly || cause == DbError::Cause::Busy || cause == DbError::Cause::Full ||
        cause == DbError::Cause::Storage) {
        // SQLite's words name neither the file nor the folder; the user needs both.
        static const QRegularExpression inventory(QStringLiteral("\\binventory\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        const QString schema = statement.contains(inventory) ? QStringLiteral("Inventory") : QStringLiteral("Build_FIle");
        text += QStringLiteral("\nDatabase file: %1").arg(QDir::toNativeSeparators(FilePath(schema)));
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
    const int rc = sqlite3_prepare_v3(db_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
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

QueryResult SqliteConnection::Execute(const QString& sent, const QVariantList& params, const QString& statement) {
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
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) Fail(rc, statement);
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) row << cellText(stmt, c);
        result.rows.push_back(std::move(row));
    }
    return result;
}

QueryResult SqliteConnection::Run(const QString& statement, const QVariantList& params) {
    auto cached = translated_.constFind(statement);
    QString sent;
    if (cached != translated_.constEnd()) {
        sent = *cached;
    } else {
        sent = sql::TranslateToSqlite(statement);
        if (translated_.size() >= kPreparedLimit) translated_.clear();
        translated_.insert(statement, sent);
    }
    QueryResult result = sent.contains(QLatin1String("tbInvMaster"), Qt::CaseInsensitive) && !inTransaction()
                             ? ExecuteNarrowed(sent, params, statement)
                             : Execute(sent, params, statement);
    if (sent.trimmed().startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive)) EnsurePrivateIndexes();
    return result;
}

QueryResult SqliteConnection::ExecuteNarrowed(const QString& sent, const QVariantList& params,
                                              const QString& statement) {
    auto found = restrictions_.constFind(sent);
    if (found == restrictions_.constEnd()) {
        if (restrictions_.size() >= kPreparedLimit) restrictions_.clear();
        found = restrictions_.insert(sent, std::make_shared<const std::vector<sql::CandidateRestriction>>(
                                               sql::InventoryFilterRestrictions(sent)));
    }
    const auto restrictions = *found;
    if (restrictions->empty()) return Execute(sent, params, statement);

    // The narrowest way, by the number of items it leaves (counted up to a bound).
    const auto& limits = options_.narrowing;
    const sql::CandidateRestriction* best = nullptr;
    qint64 fewest = qint64(limits.someItems) + 1;
    for (const sql::CandidateRestriction& r : *restrictions) {
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
            qCDebug(lcSql).noquote() << "An index of the items cannot be read:" << e.description();
        }
    }
    if (!best || fewest > limits.someItems) return Execute(sent, params, statement);
    qCDebug(lcSql).noquote() << "Narrowed to" << fewest << "items by:" << best->candidates;
    // Some thousands of items by their names: a text that many of them hold may end the walk in
    // name order sooner. (A walk tests a generic name through the join, too slowly to gain.)
    if (fewest > limits.fewItems && best->textIndex) {
        if (auto walked = ExecuteWithin(limits.walkMicroseconds, sent, params, statement)) return std::move(*walked);
    }
    try {
        return Execute(best->restricted, params, statement);
    } catch (const DbError& e) {
        qCDebug(lcSql).noquote() << "The narrowed search failed, the walk follows:" << e.description();
        return Execute(sent, params, statement);
    }
}

std::optional<QueryResult> SqliteConnection::ExecuteWithin(int microseconds, const QString& sent,
                                                           const QVariantList& params, const QString& statement) {
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
    return Execute(sqlite, params, sqlite);
}

void SqliteConnection::RunScript(const QString& sqlite) {
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
    Observe(QStringLiteral("BEGIN TRANSACTION"));
    // IMMEDIATE: the write lock is taken now, before the lookup that decides what to write.
    RunSqlite(QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteConnection::Commit() {
    Observe(QStringLiteral("COMMIT TRANSACTION"));
    RunSqlite(QStringLiteral("COMMIT"));
}

void SqliteConnection::Rollback() {
    if (!inTransaction()) return;
    Observe(QStringLiteral("ROLLBACK TRANSACTION"));
    RunSqlite(QStringLiteral("ROLLBACK"));
}

bool SqliteConnection::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

}  // namespace esoa
