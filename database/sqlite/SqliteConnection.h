#pragma once

#include <QHash>
#include <QLoggingCategory>
#include <QString>
#include <functional>
#include <optional>

#include "database/Connection.h"
#include "database/Databases.h"
#include "database/sqlite/InventoryNameIndex.h"

struct sqlite3;
struct sqlite3_stmt;

namespace esoa {

class DbError;

Q_DECLARE_LOGGING_CATEGORY(lcSqlite)

// The embedded database: one SQLite connection, made through SQLite's own interface (no driver in
// between, so that the comparison rules installed here act on this very connection on every
// platform), with the two files of a folder attached as Build_FIle and Inventory. Statements are
// T-SQL, translated before they run; prepared statements are kept for reuse. Text compares as SQL
// Server's default collation does (see SqliteCaseRules.h). Each statement outside a transaction
// commits by itself, in WAL mode with synchronous=NORMAL. A writer that finds the files locked
// waits up to `busyMilliseconds` before failing with DbError::Cause::Busy. Errors of the files
// themselves (locked, read-only, full, damaged) name the file once, with the cause in plain words
// (see SqliteFiles.h).
//
// A file the user may read but not write (or that its folder keeps from being written, see
// sqlite_files::MayWrite) is opened read-only: reading works, and every write fails with
// DbError::Cause::ReadOnly saying so, before anything is changed.
//
// The files are this program's own, so it keeps indexes of its own in them, beside those the
// program's statements create (named by PrivateIndexName, which no statement's index name can
// match): on Code of every reference and link table (Build_FIle tables named "ESOA_..." with a Code
// column), on ItemName (then itemstatus, when present) and on GenericID of Inventory's tbInvMaster,
// and a text index of the item names (see InventoryNameIndex.h). They are made when such a table is
// created (by a statement or a script) and when the files are opened; a file that cannot be written
// simply goes without them. Indexes built under an older text order are rebuilt when the files are
// opened. The SQLite statements of this upkeep and of the narrowed searches are logged under
// "esoa.sqlite", apart from the program's T-SQL.
//
// A search of the items by a part of their name or of their generic name, its filters handed as data
// (ItemFilters), reads, when the indexes say that few items can match, only those items; otherwise
// it walks the items in name order as written. Either way it gives the same rows in the same order.
class SqliteConnection : public Connection {
public:
    // How the files are opened.
    enum class Access {
        Automatic,  // for writing, except a file the user may not write (read-only)
        ReadOnly,   // both read-only
        Inspect,    // both read-only, and nothing brought up to date (see PendingUpkeep)
    };

    struct Options {
        bool createMissing = true;  // false: a missing file is an error that names it
        int busyMilliseconds = 5000;
        Access access = Access::Automatic;
        // Whether a file may be written, for Automatic (default: sqlite_files::MayWrite).
        std::function<bool(const QString& path)> mayWrite;
        // Told how the upkeep of older files goes while the constructor does it (UpkeepProgress).
        UpkeepReport upkeep;
        // An item search whose indexes leave at most `someItems` items reads only those; when the
        // text index of names leaves more than `fewItems`, it first walks the items in name order
        // for up to `walkMicroseconds`, as a text that many items hold ends early that way.
        struct {
            int fewItems = 3000;
            int someItems = 10000;
            int walkMicroseconds = 2000;
        } narrowing;
    };

    // Throws DbError naming the folder or file when the files cannot be opened.
    SqliteConnection(const QString& folder, Options options);
    ~SqliteConnection() override;

    void Begin() override;
    void Commit() override;
    void Rollback() override;
    bool inTransaction() const override;
    QString Target() const override { return folder_; }
    // Asks SQLite whether either file was deleted or moved since it was opened.
    void CheckStillInPlace() override;
    // SQLite's count of the other connections' commits to the file, its schema's version and the
    // number of this connection's own commits (to either file).
    QString ChangeMarker(const QString& database) override;

    // Whether the file attached under `schema` was opened read-only.
    bool IsReadOnly(const QString& schema) const;
    // What opening these files for writing would bring up to date, in plain words ("add its own
    // indexes: ...", "rebuild the indexes made under an older text order"); empty when nothing.
    // Reads only.
    QStringList PendingUpkeep();

    // Whether a DbError says that a file is not a database or is damaged, as SQLite itself reports
    // it (not merely unreadable, locked or read-only).
    static bool IsDamage(const DbError& error);
    // SQLite statements as they stand, several separated by ';' (demo data, set-up). A failure
    // rolls back an open transaction and throws DbError.
    void RunScript(const QString& sqlite);
    // One SQLite statement as it stands, untranslated (PRAGMAs and checks of SQLite's own view).
    QueryResult RunSqlite(const QString& sqlite, const QVariantList& params = {});

    const QString& folder() const { return folder_; }

    // The name of a private index of `table` whose first column is `column` ("ESOA_ER", "Code" ->
    // "ESOA_ER__esoa_Code").
    static QString PrivateIndexName(const QString& table, const QString& column);
    // The full path of the file attached under `schema` ("Build_FIle" or "Inventory").
    QString FilePath(const QString& schema) const;

protected:
    QueryResult Run(const QString& statement, const QVariantList& params) override;
    QueryResult RunEach(const QString& statement, const RowSink& onRow) override;
    QueryResult RunItemSearch(const QString& statement, const ItemFilters& filters) override;

private:
    // The SQLite text of a T-SQL statement (with one table read from elsewhere), kept for reuse.
    QString Translated(const QString& statement, const sql::TableSource* source = nullptr);
    // Runs a prepared statement; each row goes to `onRow` when given, else into the result.
    QueryResult Execute(const QString& sent, const QVariantList& params, const QString& statement,
                        const RowSink* onRow = nullptr);
    std::optional<QueryResult> ExecuteWithin(int microseconds, const QString& sent, const QVariantList& params,
                                             const QString& statement);
    bool NameIndexReady();
    void EnsureNameIndex(const QString& table, const QString& column);
    sqlite3_stmt* Prepared(const QString& sent, const QString& statement);
    [[noreturn]] void Fail(int rc, const QString& statement) const;
    void Attach(const QString& schema, const QString& file, const Options& options);
    // How much of a file (of both, without `schema`) is read through memory mapping.
    void SetMapped(qint64 bytes, const QString& schema = {});
    bool Upkept() const { return options_.access != Access::Inspect; }
    bool CollationStale();
    struct UpkeepSteps;
    void UpdateCollation(UpkeepSteps& steps);
    struct MissingIndexes;
    MissingIndexes FindMissingIndexes();
    void EnsurePrivateIndexes();
    void AddIndexes(const MissingIndexes& missing, UpkeepSteps& steps);
    // What opening the files brings up to date, once, told to Options::upkeep step by step.
    void Upkeep();
    void Close();

    QString folder_;
    sqlite3* db_ = nullptr;
    QHash<QString, sqlite3_stmt*> prepared_;
    QHash<QString, QString> translated_;
    Options options_;
    // Write transactions this connection committed (SQLite's commit hook).
    qint64 commits_ = 0;
    // Whether the text index of item names is complete, as of the Inventory schema version.
    int nameIndexSchema_ = -1;
    bool nameIndexReady_ = false;
};

}  // namespace esoa
