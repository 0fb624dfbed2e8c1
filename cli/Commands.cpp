#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "app/Connection.h"
#include "app/ConnectionSetting.h"
#include "app/DbError.h"
#include "app/SqliteConnection.h"
#include "cli/Terminal.h"
#include "reference/FirstLines.h"
#include "reference/ImportRun.h"
#include "reference/ReferenceFile.h"

namespace esoa::cli {
namespace {

ConnectionSetting SettingOf(const Options& options) {
    if (!options.connection.isEmpty()) return ConnectionSetting::Parse(options.connection);
    const auto settings = OpenComponentSettings();
    return ConnectionSetting::Current(*settings);
}

// Whether a table can be read: a statement that reads no row, valid on both backends.
bool TableExists(Connection& c, const QString& database, const QString& table) {
    try {
        c.Read(QStringLiteral("SELECT TOP 1 * FROM [%1].[dbo].[%2] WITH (NOLOCK) WHERE 1=0").arg(database, table),
               CursorType::ForwardOnly, LockType::ReadOnly);
        return true;
    } catch (const DbError& e) {
        if (e.cause() == DbError::Cause::MissingTable) return false;
        throw;
    }
}

// File systems over a network: SQLite's locking is not reliable there.
bool OnNetworkFileSystem(const QString& folder) {
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    for (const char* network : {"nfs", "cifs", "smb", "smbfs", "smb2", "smb3", "fuse.sshfs", "9p", "ncpfs", "afs",
                                "davfs", "fuse.davfs2"}) {
        if (type == network || type.startsWith(QByteArray(network) + '4')) return true;
    }
    return false;
}

}  // namespace

ReferenceList ListOf(const Options& options) {
    const QString list = options.Value("list");
    if (const auto named = ReferenceList::Named(list); named && !list.startsWith(QLatin1String("ESOA"), Qt::CaseInsensitive))
        return *named;
    throw UsageError{list.isEmpty() ? QStringLiteral("--list item|er is needed.")
                                    : QStringLiteral("--list must be item or er, not \"%1\".").arg(list)};
}

QString FolderOf(const Options& options) {
    const QString folder = options.Value("folder");
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

std::unique_ptr<Connection> OpenConnection(const Options& options) {
    const auto settings = OpenComponentSettings();
    return OpenSetting(SettingOf(options), ConnectionSetting::CurrentTimeouts(*settings));
}

int CheckConnection(const Options& options) {
    ConnectionSetting setting;
    try {
        setting = SettingOf(options);
    } catch (const std::exception& e) {
        Err(QString::fromUtf8(e.what()) + QLatin1Char('\n'));
        return 1;
    }
    Out(QStringLiteral("Connection: %1\n").arg(setting.kind == ConnectionSetting::Kind::Odbc
                                                   ? QStringLiteral("SQL Server through ODBC, ") + ShownSetting(setting.target)
                                                   : QStringLiteral("embedded database in ") +
                                                         QDir::toNativeSeparators(setting.target) +
                                                         (setting.demo ? QStringLiteral(" (demo)") : QString())));
    std::unique_ptr<Connection> c;
    try {
        c = OpenConnection(options);
    } catch (const std::exception& e) {
        Out(QStringLiteral("Connected: no\n"));
        Err(QStringLiteral("Cannot connect: %1\n").arg(DescriptionOf(e)));
        return 1;
    }
    Out(QStringLiteral("Connected: yes (%1)\n").arg(c->Target()));
    bool complete = true;

    struct Needed {
        const char* database;
        QString table;
        const char* use;
    };
    std::vector<Needed> needed{
        {"Build_FIle", QStringLiteral("ESOA_ITEM"), "reference list, written"},
        {"Build_FIle", QStringLiteral("ESOA_ITEM_LINK"), "links, written"},
        {"Build_FIle", QStringLiteral("ESOA_ER"), "reference list, written"},
        {"Build_FIle", QStringLiteral("ESOA_ER_LINK"), "links, written"},
        {"Build_FIle", QStringLiteral("tbRevenues"), "read"},
        {"Build_FIle", QStringLiteral("tbcorevenuecode"), "read"},
        {"Inventory", QStringLiteral("tbInvMaster"), "read"},
        {"Inventory", QStringLiteral("tbForGeneric"), "read"},
    };
    try {
        // The exam tables the revenues name, and those the category routing names.
        QStringList exams{QStringLiteral("tbcoOtherRevenue"), QStringLiteral("tbcoLabExam"), QStringLiteral("tbcoXRayExam")};
        if (TableExists(*c, QStringLiteral("Build_FIle"), QStringLiteral("tbRevenues"))) {
            const ReadResult revenues = c->Read(
                QStringLiteral("SELECT DISTINCT(ExamTableName) FROM [Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 "),
                CursorType::ForwardOnly, LockType::ReadOnly);
            for (const QStringList& row : revenues.rows) {
                if (!row.value(0).isEmpty() && !exams.contains(row.value(0), Qt::CaseInsensitive)) exams << row.value(0);
            }
        }
        for (const QString& exam : exams) needed.push_back({"Build_FIle", exam, "exam table, read"});
        Out(QStringLiteral("Tables:\n"));
        for (const Needed& n : needed) {
            const bool exists = TableExists(*c, QLatin1String(n.database), n.table);
            complete = complete && exists;
            Out(QStringLiteral("  %1 %2.%3 (%4)\n")
                    .arg(exists ? QStringLiteral("present") : QStringLiteral("MISSING"), QLatin1String(n.database),
                         n.table, QLatin1String(n.use)));
        }
    } catch (const std::exception& e) {
        Err(QStringLiteral("Cannot read the tables: %1\n").arg(DescriptionOf(e)));
        return 1;
    }

    bool mayCreate = false;
    if (auto* sqlite = dynamic_cast<SqliteConnection*>(c.get())) {
        mayCreate = QFileInfo(sqlite->folder()).isWritable();
        for (const char* schema : {"Build_FIle", "Inventory"})
            mayCreate = mayCreate && QFileInfo(sqlite->FilePath(QLatin1String(schema))).isWritable();
        Out(QStringLiteral("May create tables: %1 (the database files %2 writable)\n")
                .arg(mayCreate ? QStringLiteral("yes") : QStringLiteral("no"),
                     mayCreate ? QStringLiteral("are") : QStringLiteral("are not")));
        if (OnNetworkFileSystem(sqlite->folder())) {
            Err(QStringLiteral("Warning: %1 is on a network file system. The embedded database is for one "
                               "workstation; several workstations share SQL Server, not these files.\n")
                    .arg(QDir::toNativeSeparators(sqlite->folder())));
        }
    } else {
        try {
            const ReadResult rights = c->Read(
                QStringLiteral("SELECT HAS_PERMS_BY_NAME('Build_FIle', 'DATABASE', 'CREATE TABLE') AS CreateTable, "
                               "HAS_PERMS_BY_NAME('Build_FIle.dbo', 'SCHEMA', 'ALTER') AS AlterSchema, "
                               "HAS_PERMS_BY_NAME('Inventory.dbo.tbInvMaster', 'OBJECT', 'SELECT') AS ReadInventory"),
                CursorType::ForwardOnly, LockType::ReadOnly);
            const QStringList row = rights.rows.empty() ? QStringList() : rights.rows.front();
            mayCreate = row.value(0) == QLatin1String("1") && row.value(1) == QLatin1String("1");
            Out(QStringLiteral("May create tables: %1 (CREATE TABLE %2, ALTER on dbo %3, read Inventory %4)\n")
                    .arg(mayCreate ? QStringLiteral("yes") : QStringLiteral("no"), row.value(0), row.value(1),
                         row.value(2)));
        } catch (const std::exception& e) {
            Err(QStringLiteral("Cannot ask the server for the rights: %1\n").arg(DescriptionOf(e)));
        }
    }
    const bool ok = complete && mayCreate;
    Out(ok ? QStringLiteral("Everything the program needs is there.\n")
           : QStringLiteral("Something the program needs is missing (see above).\n"));
    return ok ? 0 : 1;
}

int ImportCommand(const Options& options) {
    const ReferenceList list = ListOf(options);
    const QDir folder(FolderOf(options));
    if (!folder.exists()) {
        Err(QStringLiteral("The folder %1 does not exist.\n").arg(QDir::toNativeSeparators(folder.path())));
        return 1;
    }
    if (options.IsSet("dry-run")) return ReportCommand(options, QStringLiteral("changes"));
    // Every file before anything is stored: a list is imported whole or not at all when a file is
    // missing, as no one is there to agree to half of it.
    const std::vector<ListFile> files = ReadListFiles(folder.path(), list.names);
    QStringList needed;
    bool readable = true;
    for (const ListFile& file : files) {
        needed << file.fileName();
        if (file.readable()) continue;
        Err(QStringLiteral("%1 cannot be read: %2\n").arg(file.fileName(), file.error));
        readable = false;
    }
    if (!readable) {
        Err(QStringLiteral("Nothing was imported: the list needs all of %1.\n")
                .arg(needed.join(QStringLiteral(", "))));
        return 1;
    }
    std::unique_ptr<Connection> c = OpenConnection(options);
    bool everything = true;
    FirstLines first;
    for (const ListFile& file : files) {
        ProgressLine progress;
        ImportRun run(*c, list.table);
        run.setFirstLines(first);
        const ImportSummary summary = run.Import(file, [&](int done, int total) {
            if (done % 200 == 0 || done == total)
                progress.Show(QStringLiteral("Importing %1: %2 of %3 lines")
                                  .arg(file.fileName(), QString::number(done), QString::number(total)));
            return true;
        });
        progress.Clear();
        Out(summary.Counts() + QLatin1Char('\n'));
        for (const LineNote& refused : summary.refused)
            Out(QStringLiteral("  ") + refused.Text() + QLatin1Char('\n'));
        for (const LineNote& warning : summary.warnings)
            Out(QStringLiteral("  warning: ") + warning.Text() + QLatin1Char('\n'));
        if (!summary.finished()) {
            Err(summary.Message(0) + QLatin1Char('\n'));
            return 1;
        }
        everything = everything && summary.refused.empty();
    }
    return everything ? 0 : 1;
}

}  // namespace esoa::cli
