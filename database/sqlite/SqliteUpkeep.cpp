// The embedded files' upkeep: the indexes of the program's own and the text order of the indexes.

#include <sqlite3.h>

#include <QElapsedTimer>
#include <QSet>

#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/sqlite/SqliteConnection.h"

namespace esoa {
namespace {

// Bumped whenever the text order of the embedded collation changes: indexes built under another
// order are rebuilt when the files are opened.
constexpr int kCollationVersion = 2;

const char* const kSchemas[] = {"Build_FIle", "Inventory"};

}  // namespace

// The private indexes the files lack.
struct SqliteConnection::MissingIndexes {
    struct Index {
        QString schema;
        QString table;
        QString name;
        QStringList columns;
    };
    std::vector<Index> indexes;
    // The text index of the item names, when it is incomplete: the items' table and name column.
    QString itemTable;
    QString nameColumn;
};

// The steps of an upkeep, each told to the report as it begins and then about every tenth of a second
// while SQLite works on it (asked every few thousand steps of its engine).
struct SqliteConnection::UpkeepSteps {
    sqlite3* db;
    const UpkeepReport* report = nullptr;  // none: nothing is told
    int steps = 0;
    int step = 0;
    UpkeepProgress now{};
    QElapsedTimer sinceTold{};

    template <typename Work>
    void Run(const QString& why, Work&& work) {
        ++step;
        if (!report || !*report) {
            work();
            return;
        }
        now = {why, step, steps};
        Tell();
        sqlite3_progress_handler(
            db, 5000,
            [](void* p) {
                auto* self = static_cast<UpkeepSteps*>(p);
                if (self->sinceTold.elapsed() >= 100) self->Tell();
                return 0;
            },
            this);
        struct Off {
            sqlite3* db;
            ~Off() { sqlite3_progress_handler(db, 0, nullptr, nullptr); }
        } off{db};
        work();
    }

    void Tell() noexcept {
        try {
            (*report)(now);
        } catch (...) {
            // Telling is no part of the upkeep.
        }
        sinceTold.restart();
    }
};

bool SqliteConnection::CollationStale() {
    for (const char* schema : kSchemas) {
        const QString s = QLatin1String(schema);
        if (RunSqlite(QStringLiteral("PRAGMA %1.user_version").arg(s)).rows.front().front().toInt() !=
            kCollationVersion)
            return true;
    }
    return false;
}

void SqliteConnection::UpdateCollation(UpkeepSteps& steps) {
    try {
        steps.Run(QStringLiteral("Rebuilding indexes made under an older text order"),
                  [this] { RunSqlite(QStringLiteral("REINDEX NOCASE")); });
        for (const char* schema : kSchemas)
            RunSqlite(QStringLiteral("PRAGMA %1.user_version=%2")
                          .arg(QLatin1String(schema))
                          .arg(kCollationVersion));
    } catch (const DbError&) {
        // Busy or full: the next opening tries again.
    }
}

QString SqliteConnection::PrivateIndexName(const QString& table, const QString& column) {
    return table + QStringLiteral("__esoa_") + column;
}

SqliteConnection::MissingIndexes SqliteConnection::FindMissingIndexes() {
    // Indexes the program's statements never ask for, for the lookups it makes all the time: a
    // code's row or links, the inventory's first items by name, the items of a generic, and the
    // items whose name holds a text. The name index also holds the status, so that a name filter
    // and the status are tested on the index entry and only matching items are read from the table.
    MissingIndexes missing;
    QSet<QString> existing;
    QString inventory;
    QString nameColumn;
    for (const char* schema : kSchemas) {
        const QString s = QLatin1String(schema);
        const QueryResult objects = RunSqlite(
            QStringLiteral(
                "SELECT type, name FROM %1.sqlite_master WHERE type IN ('table', 'index', 'trigger')")
                .arg(s));
        for (const QStringList& object : objects.rows)
            existing.insert(s + QLatin1Char('.') + object[1].toLower());
        for (const QStringList& object : objects.rows) {
            if (object[0] != QLatin1String("table")) continue;
            const QString& table = object[1];
            const bool reference = s == QLatin1String("Build_FIle") &&
                                   table.startsWith(QLatin1String("ESOA_"), Qt::CaseInsensitive);
            const bool items = s == QLatin1String("Inventory") &&
                               table.compare(QLatin1String("tbInvMaster"), Qt::CaseInsensitive) == 0;
            if (!reference && !items) continue;
            QStringList columns;
            for (const QStringList& column :
                 RunSqlite(QStringLiteral("PRAGMA %1.table_info(%2)").arg(s, sql::DoubleQuoted(table)))
                     .rows) {
                columns << column[1].toLower();
                if (items && columns.back() == QLatin1String("itemname")) nameColumn = column[1];
            }
            std::vector<QStringList> wanted;
            if (reference && columns.contains(QLatin1String("code"))) {
                wanted.push_back({QStringLiteral("Code")});
            } else if (items) {
                inventory = table;
                if (columns.contains(QLatin1String("itemname"))) {
                    QStringList indexed{QStringLiteral("ItemName")};
                    if (columns.contains(QLatin1String("itemstatus")))
                        indexed << QStringLiteral("itemstatus");
                    wanted.push_back(indexed);
                }
                if (columns.contains(QLatin1String("genericid")))
                    wanted.push_back({QStringLiteral("GenericID")});
            }
            for (const QStringList& indexed : wanted) {
                const QString name = PrivateIndexName(table, indexed.front());
                if (!existing.contains(s + QLatin1Char('.') + name.toLower()))
                    missing.indexes.push_back({s, table, name, indexed});
            }
        }
    }
    if (!nameColumn.isEmpty()) {
        for (const QString& object : sql::ItemNameTextIndex::ObjectNames()) {
            if (existing.contains(QStringLiteral("Inventory.") + object.toLower())) continue;
            missing.itemTable = inventory;
            missing.nameColumn = nameColumn;
        }
    }
    return missing;
}

void SqliteConnection::Upkeep() {
    UpkeepSteps steps{db_, &options_.upkeep};
    // Files written under an older text order keep their indexes in that order; rebuild them once.
    // A read-only file cannot be rebuilt; it is still read, and nothing in it is written.
    bool reorder = CollationStale();
    for (const char* schema : kSchemas) reorder = reorder && !IsReadOnly(QLatin1String(schema));
    MissingIndexes missing;
    try {
        missing = FindMissingIndexes();
    } catch (const DbError&) {
        // Unreadable now: the next opening tries again.
    }
    steps.steps = reorder ? 1 : 0;
    for (const MissingIndexes::Index& index : missing.indexes)
        steps.steps += IsReadOnly(index.schema) ? 0 : 1;
    if (!missing.nameColumn.isEmpty() && !IsReadOnly(QStringLiteral("Inventory"))) ++steps.steps;
    if (reorder) UpdateCollation(steps);
    AddIndexes(missing, steps);
}

void SqliteConnection::EnsurePrivateIndexes() {
    if (!Upkept()) return;
    UpkeepSteps quiet{db_};
    try {
        AddIndexes(FindMissingIndexes(), quiet);
    } catch (const DbError&) {
        // A busy or full file keeps working without them; the next opening tries again.
    }
}

void SqliteConnection::AddIndexes(const MissingIndexes& missing, UpkeepSteps& steps) {
    try {
        for (const MissingIndexes::Index& index : missing.indexes) {
            if (IsReadOnly(index.schema)) continue;
            QStringList columns;
            for (const QString& c : index.columns) columns << sql::DoubleQuoted(c);
            steps.Run(QStringLiteral("Adding an index on %1(%2)")
                          .arg(index.table, index.columns.join(QStringLiteral(", "))),
                      [&] {
                          RunSqlite(QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2 ON %3(%4)")
                                        .arg(index.schema, sql::DoubleQuoted(index.name),
                                             sql::DoubleQuoted(index.table), columns.join(QLatin1Char(','))));
                      });
        }
        if (!missing.nameColumn.isEmpty() && !IsReadOnly(QStringLiteral("Inventory"))) {
            steps.Run(QStringLiteral("Building the text index of the item names"),
                      [&] { EnsureNameIndex(missing.itemTable, missing.nameColumn); });
        }
    } catch (const DbError&) {
        // A busy or full file keeps working without them; the next opening tries again.
    }
}

QStringList SqliteConnection::PendingUpkeep() {
    QStringList pending;
    if (CollationStale()) pending << QStringLiteral("rebuild the indexes made under an older text order");
    const MissingIndexes missing = FindMissingIndexes();
    QStringList names;
    for (const MissingIndexes::Index& index : missing.indexes) names << index.name;
    if (!missing.nameColumn.isEmpty()) names << QStringLiteral("the text index of the item names");
    if (!names.isEmpty())
        pending << QStringLiteral("add its own indexes: ") + names.join(QStringLiteral(", "));
    return pending;
}

void SqliteConnection::EnsureNameIndex(const QString& table, const QString& column) {
    // Made whole in one transaction, over the items present, or not at all: a part left by an
    // earlier failure is dropped first.
    const bool own = !inTransaction();
    if (own) RunSqlite(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        for (const QString& statement : sql::ItemNameTextIndex::DropStatements() +
                                            sql::ItemNameTextIndex::CreateStatements(table, column))
            RunSqlite(statement);
        if (own) RunSqlite(QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        if (own && inTransaction()) RunSqlite(QStringLiteral("ROLLBACK"));
        throw;
    }
}

bool SqliteConnection::NameIndexReady() {
    try {
        const int version =
            RunSqlite(QStringLiteral("PRAGMA Inventory.schema_version")).rows.front().front().toInt();
        if (version == nameIndexSchema_) return nameIndexReady_;
        const QStringList names = sql::ItemNameTextIndex::ObjectNames();
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
        const QueryResult found =
            RunSqlite(QStringLiteral("SELECT count(*) FROM Inventory.sqlite_master WHERE name IN (%1)")
                          .arg(marks.join(',')),
                      QVariantList(names.begin(), names.end()));
        nameIndexReady_ = found.rows.front().front().toInt() == names.size();
        nameIndexSchema_ = version;
        return nameIndexReady_;
    } catch (const DbError&) {
        return false;
    }
}

}  // namespace esoa
