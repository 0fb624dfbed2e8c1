#include "core/demo/DemoDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/ListData.h"
#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"
#include "database/Databases.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/sqlite/SqliteConnection.h"

namespace esoa::demo {
namespace {

SqliteConnection& embedded(Connection& connection) {
    auto* sqlite = dynamic_cast<SqliteConnection*>(&connection);
    if (!sqlite) throw DbError(QStringLiteral("The demo hospital lives in the embedded database only."));
    return *sqlite;
}

void runScript(SqliteConnection& connection, const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Missing demo data %1.").arg(resource));
    connection.RunScript(QString::fromUtf8(file.readAll()));
}

bool hasReferenceTables(SqliteConnection& c) {
    QStringList tables;
    for (const ReferenceList& list : ReferenceList::All())
        tables << sql::Literal(list.table) << sql::Literal(list.linkTable());
    return c.RunSqlite(
                QStringLiteral("SELECT 1 FROM Build_FIle.sqlite_master WHERE type='table' AND name IN (%1)")
                    .arg(tables.join(QLatin1Char(','))))
               .rows.size() == size_t(tables.size());
}

// A link as the mapping screen saves one: looked up by revenue and item, the PhilHealth item's
// values copied from its reference row.
struct ExampleLink {
    ReferenceList (*list)();
    const char* code;
    const char* revenueId;
    const char* sectionId;
    const char* itemId;
    const char* itemDesc;
    const char* invOrProc;
};

constexpr ExampleLink kExampleLinks[] = {
    {&ReferenceList::Er, "ERT-0002", "PH", "", "1001", "Paracetamol 500mg tablet", "INV"},
    {&ReferenceList::Item, "M0001001", "PH", "", "1001", "Paracetamol 500mg tablet", "INV"},
    {&ReferenceList::Item, "LD-00101", "LB", "", "1", "CBC with Platelet Count", "PROC"},
    {&ReferenceList::Item, "LD-00103", "LB", "", "3", "Platelet Count", "PROC"},
};

void addExampleLink(Connection& c, const ExampleLink& link) {
    const QString table = link.list().table;
    const ReadResult code =
        c.Read(QStringLiteral(
                   "SELECT Category, Description, FixedFee, ChargingUnit FROM [Build_FIle].[dbo].[%1] WITH "
                   "(NOLOCK) WHERE Code='%2' ")
                   .arg(table, sql::Escaped(QLatin1String(link.code))),
               CursorType::ForwardOnly, LockType::ReadOnly);
    if (code.rows.empty()) return;  // a sample file without that code
    const QStringList& v = code.rows.front();
    // The demo's own links are no one's action: the history of the demo starts empty.
    history::Action action(c, {}, history::Kind::Save, *ReferenceList::Named(table));
    SaveLink(action, {table, QLatin1String(link.itemId), QLatin1String(link.revenueId),
                      QLatin1String(link.itemDesc), QLatin1String(link.invOrProc), QLatin1String(link.code),
                      QLatin1String(link.sectionId), v.value(0), v.value(1), v.value(2), v.value(3)});
}

}  // namespace

void SeedReferenceLists(Connection& c, const QString& referenceFolder) {
    const QDir files(referenceFolder.isEmpty() ? QCoreApplication::applicationDirPath() : referenceFolder);
    for (const ReferenceList& list : ReferenceList::All()) {
        for (const QString& statement : CreateTableStatements(list.table)) {
            try {
                c.Execute(statement);
            } catch (const DbError&) {
                // The ALTERs of columns already gone: as when the user creates the tables.
            }
        }
        // A sample file that is not there leaves its list empty.
        for (const ListFile& file : ReadListFiles(files.path(), list.names)) {
            if (file.readable()) ImportRun(c, list.table).Import(file);
        }
    }
    for (const ExampleLink& link : kExampleLinks) addExampleLink(c, link);
}

bool IsSeeded(Connection& connection) {
    return !embedded(connection)
                .RunSqlite(QStringLiteral(
                    "SELECT 1 FROM Build_FIle.sqlite_master WHERE type='table' AND name='tbRevenues'"))
                .rows.empty();
}

void Seed(Connection& connection) {
    SqliteConnection& sqlite = embedded(connection);
    runScript(sqlite, QStringLiteral(":/data/demo/inventory.sql"));
    runScript(sqlite, QStringLiteral(":/data/demo/build_file.sql"));
}

namespace {

// The plan for the demo in `folder`; `open` opens its two files as they are. `opened` keeps that
// connection for Use and AddLists.
template <typename Connected>
Plan PlanFor(const QString& folder, const std::function<std::unique_ptr<Connected>()>& open,
             std::unique_ptr<Connected>& opened) {
    const QDir dir(folder);
    QStringList absent;
    for (const char* file : {kBuildFileDb, kInventoryDb}) {
        if (!QFileInfo::exists(dir.filePath(QLatin1String(file))))
            absent << QDir::toNativeSeparators(dir.filePath(QLatin1String(file)));
    }
    if (absent.size() == 2) return {Plan::Step::Create, {}};
    if (!absent.isEmpty())
        return {Plan::Step::Rebuild,
                QStringLiteral("The demo database file %1 is missing.").arg(absent.front())};
    try {
        opened = open();
        if (!IsSeeded(*opened)) {
            opened.reset();
            return {Plan::Step::Rebuild,
                    QStringLiteral("The demo database in %1 is incomplete: its set-up was cut "
                                   "short.")
                        .arg(QDir::toNativeSeparators(folder))};
        }
        // A demo made before its lists came ready-made gets them now.
        return {hasReferenceTables(embedded(*opened)) ? Plan::Step::Use : Plan::Step::AddLists, {}};
    } catch (const DbError& e) {
        opened.reset();
        // Only what SQLite itself calls damaged is rebuilt; a file that cannot be read for any
        // other cause may hold the user's work.
        if (!SqliteConnection::IsDamage(e)) throw;
        return {Plan::Step::Rebuild, e.description()};
    }
}

}  // namespace

Plan Inspect(const QString& folder, std::unique_ptr<SqliteConnection>* opened) {
    std::unique_ptr<SqliteConnection> connection;
    const Plan plan = PlanFor<SqliteConnection>(
        folder,
        [&] {
            SqliteConnection::Options inspect;
            inspect.createMissing = false;
            inspect.access = SqliteConnection::Access::Inspect;
            return std::make_unique<SqliteConnection>(folder, inspect);
        },
        connection);
    if (opened) *opened = std::move(connection);
    return plan;
}

std::unique_ptr<Connection> OpenDemo(const QString& folder, const QString& referenceFolder,
                                     const Notice& notice) {
    std::unique_ptr<Connection> existing;
    const Plan plan = PlanFor<Connection>(
        folder, [&] { return OpenEmbedded(folder, false); }, existing);
    switch (plan.step) {
        case Plan::Step::Use:
            return existing;
        case Plan::Step::AddLists:
            SeedReferenceLists(*existing, referenceFolder);
            return existing;
        case Plan::Step::Rebuild:
            if (notice)
                notice(plan.reason +
                       QStringLiteral("\n\nThe demo database is built again: what was done in it "
                                      "is lost."));
            break;
        case Plan::Step::Create:
            break;
    }
    const QDir dir(folder);
    for (const char* file : {kBuildFileDb, kInventoryDb}) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            const QString path = dir.filePath(QLatin1String(file) + QLatin1String(suffix));
            if (QFile::exists(path) && !QFile::remove(path)) {
                throw DbError(
                    QStringLiteral("The demo database file %1 cannot be removed to build the demo again.")
                        .arg(QDir::toNativeSeparators(path)),
                    {}, {}, DbError::Cause::Storage);
            }
        }
    }
    auto fresh = OpenEmbedded(folder, true);
    Seed(*fresh);
    SeedReferenceLists(*fresh, referenceFolder);
    return fresh;
}

}  // namespace esoa::demo
