// --check-connection: connects as the program would and tells what it reached, changing nothing.
// The embedded files are opened for inspection only: read-only, nothing created, upgraded, rebuilt,
// indexed or switched to another journal mode, the demo neither made nor seeded. What opening them
// for real would do is told instead.

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "database/Connection.h"
#include "core/ConnectionSetting.h"
#include "database/Databases.h"
#include "database/DbError.h"
#include "core/demo/DemoDatabase.h"
#include "core/NeededTables.h"
#include "core/history/HistoryTables.h"
#include "database/sqlite/SqliteConnection.h"
#include "database/sqlite/SqliteFiles.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"

namespace esoa::cli {
namespace {

// What the check found: what keeps the program from working, and what opening for real would do.
struct Findings {
    QStringList problems;
    QStringList wouldDo;
};

// File systems over a network: SQLite's locking is not reliable there.
bool OnNetworkFileSystem(const QString& folder) {
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    for (const char* network : {"nfs", "cifs", "smb", "smbfs", "smb2", "smb3", "fuse.sshfs", "9p", "ncpfs",
                                "afs", "davfs", "fuse.davfs2"}) {
        if (type == network || type.startsWith(QByteArray(network) + '4')) return true;
    }
    return false;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Lists the two files of an embedded folder; a missing or unreadable file is a problem, except a
// demo's missing file (the demo is then made or built again).
void ListFiles(const QDir& folder, bool demo, Findings& f) {
    Out(QStringLiteral("Files:\n"));
    for (const char* name : {kBuildFileDb, kInventoryDb}) {
        const QString path = folder.filePath(QLatin1String(name));
        const QFileInfo file(path);
        if (!file.exists()) {
            Out(QStringLiteral("  MISSING %1\n").arg(Shown(path)));
            if (!demo) f.problems << QStringLiteral("the database file %1 is missing").arg(Shown(path));
        } else if (!file.isReadable()) {
            Out(QStringLiteral("  CANNOT READ %1 (no permission to read it)\n").arg(Shown(path)));
            f.problems << QStringLiteral("no permission to read the database file %1").arg(Shown(path));
        } else {
            Out(QStringLiteral("  present %1 (%2)\n")
                    .arg(Shown(path), sqlite_files::MayWrite(path)
                                          ? QStringLiteral("may be written")
                                          : QStringLiteral("read-only for this user")));
        }
    }
}

// The embedded files, opened for inspection; null when they cannot be (told on the way).
std::unique_ptr<SqliteConnection> InspectEmbedded(const ConnectionSetting& setting, Findings& f) {
    const QDir folder(setting.target);
    std::unique_ptr<SqliteConnection> c;
    try {
        if (!QFileInfo(folder.path()).isDir()) {
            if (setting.demo) {
                f.wouldDo << QStringLiteral("create the demo database in %1").arg(Shown(folder.path()));
                return nullptr;
            }
            throw DbError(QStringLiteral("The database folder %1 does not exist.").arg(Shown(folder.path())));
        }
        ListFiles(folder, setting.demo, f);
        if (!f.problems.isEmpty()) throw DbError(f.problems.front() + QLatin1Char('.'));
        if (setting.demo) {
            const demo::Plan plan = demo::Inspect(folder.path(), &c);
            switch (plan.step) {
                case demo::Plan::Step::Create:
                    f.wouldDo << QStringLiteral("create the demo database in %1").arg(Shown(folder.path()));
                    break;
                case demo::Plan::Step::Rebuild:
                    f.wouldDo << QStringLiteral("build the demo database again, deleting what it holds: ") +
                                     plan.reason;
                    f.problems << plan.reason;
                    break;
                case demo::Plan::Step::AddLists:
                    f.wouldDo << QStringLiteral(
                        "create the demo's reference and link tables and import its lists");
                    break;
                case demo::Plan::Step::Use:
                    break;
            }
        } else {
            SqliteConnection::Options inspect;
            inspect.createMissing = false;
            inspect.access = SqliteConnection::Access::Inspect;
            c = std::make_unique<SqliteConnection>(folder.path(), inspect);
        }
        if (c) f.wouldDo << c->PendingUpkeep();
    } catch (const DbError& e) {
        Out(QStringLiteral("Connected: no\n"));
        Err(QStringLiteral("Cannot connect: %1\n").arg(e.description()));
        if (f.problems.isEmpty()) f.problems << e.description();
        return nullptr;
    }
    return c;
}

void CheckTables(Connection& c, Findings& f) {
    Out(QStringLiteral("Tables:\n"));
    for (const NeededTable& n : NeededTables(c)) {
        const QString name = n.database + QLatin1Char('.') + n.table;
        try {
            const bool exists = TableExists(c, n.database, n.table);
            Out(QStringLiteral("  %1 %2 (%3)\n")
                    .arg(exists ? QStringLiteral("present") : QStringLiteral("MISSING"), name, n.use()));
            if (!exists) f.problems << QStringLiteral("the table %1 is missing").arg(name);
        } catch (const DbError& e) {
            Out(QStringLiteral("  CANNOT READ %1 (%2): %3\n").arg(name, n.use(), e.description()));
            f.problems << QStringLiteral("the table %1 cannot be read").arg(name);
        }
    }
}

// Whether the files may be written (so that tables may be created).
bool CheckFileRights(SqliteConnection& c, Findings& f) {
    QStringList readOnly;
    for (const char* schema : {"Build_FIle", "Inventory"}) {
        const QString path = c.FilePath(QLatin1String(schema));
        if (!sqlite_files::MayWrite(path)) readOnly << Shown(path);
    }
    Out(QStringLiteral("May create tables: %1\n")
            .arg(readOnly.isEmpty()
                     ? QStringLiteral("yes (the database files may be written)")
                     : QStringLiteral("no (read-only for this user: %1)").arg(readOnly.join(", "))));
    if (!readOnly.isEmpty()) {
        f.problems << QStringLiteral(
                          "the database files are read-only for this user (%1): lists, reports and "
                          "exports work, links cannot be saved nor lists imported")
                          .arg(readOnly.join(", "));
    }
    if (OnNetworkFileSystem(c.folder())) {
        Err(QStringLiteral("Warning: %1 is on a network file system. The embedded database is for one "
                           "workstation; several workstations share SQL Server, not these files.\n")
                .arg(Shown(c.folder())));
    }
    return readOnly.isEmpty();
}

// Whether the user may create tables in Build_FIle.
bool CheckServerRights(Connection& c, Findings& f) {
    try {
        const ReadResult rights = c.Read(RightsStatement(), CursorType::ForwardOnly, LockType::ReadOnly);
        const QStringList row = rights.rows.empty() ? QStringList() : rights.rows.front();
        auto shown = [&](int i) { return row.value(i).isEmpty() ? QStringLiteral("unknown") : row.value(i); };
        const bool mayCreate = row.value(0) == QLatin1String("1") && row.value(1) == QLatin1String("1");
        Out(QStringLiteral("May create tables: %1 (CREATE TABLE %2, ALTER on dbo %3, read Inventory %4)\n")
                .arg(mayCreate ? QStringLiteral("yes") : QStringLiteral("no"), shown(0), shown(1), shown(2)));
        if (!mayCreate) {
            f.problems << QStringLiteral(
                              "no right to create tables in Build_FIle (CREATE TABLE %1, ALTER on dbo %2)")
                              .arg(shown(0), shown(1));
        }
        return mayCreate;
    } catch (const std::exception& e) {
        Err(QStringLiteral("Cannot ask the server for the rights: %1\n").arg(DescriptionOf(e)));
        f.problems << QStringLiteral("the rights to create tables are unknown");
    }
    return false;
}

// Whether the link writes are recorded: the history tables exist, or the program may make them
// when it opens the database for writing. Not recording is no reason to fail the check.
void CheckHistory(Connection& c, bool mayCreate, Findings& f) {
    const QString tables = QStringLiteral("%1 and %2")
                               .arg(QLatin1String(history::kActionTable), QLatin1String(history::kRowTable));
    try {
        if (history::Recorded(c)) {
            Out(QStringLiteral("History: changes are recorded (%1)\n").arg(tables));
        } else if (mayCreate) {
            Out(QStringLiteral("History: changes will be recorded (%1 are made when the program opens the "
                               "database)\n")
                    .arg(tables));
            f.wouldDo << QStringLiteral("create the history tables %1").arg(tables);
        } else {
            Out(QStringLiteral(
                    "History: changes are not being recorded (%1 are missing and this user may not "
                    "create tables)\n")
                    .arg(tables));
        }
    } catch (const std::exception& e) {
        Out(QStringLiteral("History: changes are not being recorded (%1 cannot be read: %2)\n")
                .arg(tables, DescriptionOf(e)));
    }
}

}  // namespace

QString RightsStatement() {
    // HAS_PERMS_BY_NAME takes a schema's name in one part and looks it up in the current database,
    // so the question is asked from within Build_FIle; a database's name and an object's
    // three-part name are understood from anywhere.
    return QStringLiteral(
        "EXEC [Build_FIle].sys.sp_executesql N'SELECT "
        "HAS_PERMS_BY_NAME(''Build_FIle'', ''DATABASE'', ''CREATE TABLE'') AS CreateTable, "
        "HAS_PERMS_BY_NAME(''dbo'', ''SCHEMA'', ''ALTER'') AS AlterSchema, "
        "HAS_PERMS_BY_NAME(''Inventory.dbo.tbInvMaster'', ''OBJECT'', ''SELECT'') AS ReadInventory'");
}

int CheckConnection(const Options& options) {
    ConnectionSetting setting;
    try {
        setting = SettingOf(options);
    } catch (const std::exception& e) {
        Err(QString::fromUtf8(e.what()) + QLatin1Char('\n'));
        return 1;
    }
    const bool server = setting.kind == ConnectionSetting::Kind::Odbc;
    Out(QStringLiteral("Connection: %1\n")
            .arg(server ? QStringLiteral("SQL Server through ODBC, ") + ShownSetting(setting.target)
                        : QStringLiteral("embedded database in ") + Shown(setting.target) +
                              (setting.demo ? QStringLiteral(" (demo)") : QString())));
    Findings f;
    std::unique_ptr<Connection> c;
    SqliteConnection* embedded = nullptr;
    if (server) {
        try {
            // Making a server connection changes nothing on the server.
            c = OpenConnection(options);
        } catch (const std::exception& e) {
            Out(QStringLiteral("Connected: no\n"));
            Err(QStringLiteral("Cannot connect: %1\n").arg(DescriptionOf(e)));
            return 1;
        }
    } else {
        auto inspected = InspectEmbedded(setting, f);
        embedded = inspected.get();
        c = std::move(inspected);
    }
    if (c) {
        Out(QStringLiteral("Connected: yes (%1)\n").arg(c->Target()));
        try {
            CheckTables(*c, f);
        } catch (const std::exception& e) {
            Err(QStringLiteral("Cannot read the tables: %1\n").arg(DescriptionOf(e)));
            f.problems << QStringLiteral("the list of exam tables cannot be read");
        }
        const bool mayCreate = embedded ? CheckFileRights(*embedded, f) : CheckServerRights(*c, f);
        CheckHistory(*c, mayCreate, f);
    }
    if (!f.wouldDo.isEmpty()) {
        Out(QStringLiteral("Opening it for real would:\n"));
        for (const QString& step : f.wouldDo) Out(QStringLiteral("  - %1\n").arg(step));
    }
    if (f.problems.isEmpty()) {
        Out(QStringLiteral("Everything the program needs is there.\n"));
        return 0;
    }
    Out(QStringLiteral("Something the program needs is missing or cannot be used:\n"));
    for (const QString& problem : f.problems) Out(QStringLiteral("  - %1\n").arg(problem));
    return 1;
}

}  // namespace esoa::cli
