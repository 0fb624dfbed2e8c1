// The embedded files as the user's rights and the disk leave them: files that may only be read, an
// inspection that changes nothing, failures told in plain words, files that vanish during an import.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <cerrno>

#include "database/Databases.h"
#include "database/DbError.h"
#include "database/sqlite/SqliteConnection.h"
#include "database/sqlite/SqliteFiles.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"

namespace esoa::test {
namespace {

// Every file of a folder with a digest of its bytes: what "changes nothing" compares.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden); it.hasNext();) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files[it.fileName()] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    }
    return files;
}

void Insert(Connection& c, const QString& code) {
    c.Execute(QStringLiteral("INSERT INTO [Build_FIle].[dbo].[ESOA_ER] (Code) VALUES ('%1')").arg(code));
}

// Both files, the ER tables made by the program's own statements, and one row; closed again.
void MakeFiles(const QString& folder) {
    SqliteConnection sqlite(folder, {});
    Connection& c = sqlite;
    for (const QString& statement : CreateTableStatements(QStringLiteral("ESOA_ER"))) {
        try {
            c.Execute(statement);
        } catch (const DbError&) {
        }
    }
    Insert(c, QStringLiteral("ER-1"));
}

QStringList Codes(Connection& c) {
    QStringList codes;
    for (const QStringList& row :
         c.Read(QStringLiteral("SELECT Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 "),
                CursorType::ForwardOnly, LockType::ReadOnly)
             .rows)
        codes << row.front();
    return codes;
}

TEST(ReadOnlyFiles, AreReadWithoutAnyWriteAndEveryWriteSaysTheDatabaseIsReadOnly) {
    QTemporaryDir dir;
    MakeFiles(dir.path());
    const auto before = Snapshot(dir.path());
    // Decided from the user's rights (through the seam: these tests may run as root, whom no file
    // refuses), or asked for.
    SqliteConnection::Options noRights;
    noRights.mayWrite = [](const QString&) { return false; };
    SqliteConnection::Options asked;
    asked.access = SqliteConnection::Access::ReadOnly;
    for (const SqliteConnection::Options& options : {noRights, asked}) {
        SqliteConnection c(dir.path(), options);
        EXPECT_TRUE(c.IsReadOnly(QStringLiteral("Build_FIle")) && c.IsReadOnly(QStringLiteral("Inventory")));
        EXPECT_EQ(Codes(c), QStringList{"ER-1"});
        try {
            Insert(c, QStringLiteral("ER-2"));
            ADD_FAILURE() << "a read-only file took a write";
        } catch (const DbError& e) {
            EXPECT_EQ(e.cause(), DbError::Cause::ReadOnly);
            EXPECT_TRUE(e.description().contains(QLatin1String("read-only"))) << qPrintable(e.description());
            EXPECT_EQ(e.description().count(QLatin1String(kBuildFileDb)), 1) << qPrintable(e.description());
        }
    }
    // No log, no shared memory, no index of the program's own, no rebuilt index: nothing at all.
    EXPECT_EQ(Snapshot(dir.path()), before);

    // While a writer has the files open, its last commits are in its log: a reader sees them too.
    SqliteConnection writer(dir.path(), {});
    Insert(writer, QStringLiteral("ER-2"));
    SqliteConnection reader(dir.path(), asked);
    EXPECT_EQ(Codes(reader), (QStringList{"ER-1", "ER-2"}));
}

TEST(EmbeddedInspection, ChangesNothingAndTellsWhatOpeningForRealWould) {
    QTemporaryDir dir;
    MakeFiles(dir.path());
    {
        // Files of an older version: another text order, and without the index of its own on Code.
        SqliteConnection c(dir.path(), {});
        c.RunSqlite(QStringLiteral("PRAGMA Build_FIle.user_version=1"));
        c.RunSqlite(
            QStringLiteral("DROP INDEX Build_FIle.\"%1\"")
                .arg(SqliteConnection::PrivateIndexName(QStringLiteral("ESOA_ER"), QStringLiteral("Code"))));
    }
    const auto before = Snapshot(dir.path());
    SqliteConnection::Options inspect;
    inspect.createMissing = false;
    inspect.access = SqliteConnection::Access::Inspect;
    {
        SqliteConnection c(dir.path(), inspect);
        EXPECT_EQ(Codes(c), QStringList{"ER-1"});
        const QStringList pending = c.PendingUpkeep();
        ASSERT_EQ(pending.size(), 2) << qPrintable(pending.join('\n'));
        EXPECT_TRUE(pending[0].contains(QLatin1String("older text order")));
        EXPECT_TRUE(pending[1].contains(QLatin1String("ESOA_ER__esoa_Code")));
    }
    EXPECT_EQ(Snapshot(dir.path()), before);
    { SqliteConnection forReal(dir.path(), {}); }
    EXPECT_TRUE(SqliteConnection(dir.path(), inspect).PendingUpkeep().isEmpty());
}

// Older files are brought up to date when they are first opened, each step told (so that a window or
// the terminal can say why opening waits) with the step's number among all; a second opening has
// nothing left to do and tells nothing.
TEST(EmbeddedUpkeep, TellsEachStepOfTheFirstOpeningAndNothingAfter) {
    QTemporaryDir dir;
    MakeFiles(dir.path());
    {
        SqliteConnection c(dir.path(), {});
        c.RunSqlite(QStringLiteral("PRAGMA Inventory.user_version=1"));
        c.RunSqlite(
            QStringLiteral("DROP INDEX Build_FIle.\"%1\"")
                .arg(SqliteConnection::PrivateIndexName(QStringLiteral("ESOA_ER"), QStringLiteral("Code"))));
    }
    std::vector<UpkeepProgress> told;
    SqliteConnection::Options options;
    options.upkeep = [&told](const UpkeepProgress& p) { told.push_back(p); };
    {
        SqliteConnection first(dir.path(), options);
        EXPECT_EQ(Codes(first), QStringList{"ER-1"});
    }
    ASSERT_GE(told.size(), 2u);
    EXPECT_EQ(told.front().step, 1);
    EXPECT_TRUE(told.front().why.contains(QLatin1String("older text order"))) << qPrintable(told.front().why);
    EXPECT_EQ(told.back().step, 2);
    EXPECT_TRUE(told.back().why.contains(QLatin1String("ESOA_ER(Code)"))) << qPrintable(told.back().why);
    for (size_t i = 0; i < told.size(); ++i) {
        EXPECT_EQ(told[i].steps, 2);
        EXPECT_GE(told[i].step, i > 0 ? told[i - 1].step : 1);
    }

    told.clear();
    {
        SqliteConnection second(dir.path(), options);
        EXPECT_TRUE(second.PendingUpkeep().isEmpty());
    }
    EXPECT_TRUE(told.empty()) << qPrintable(told.front().why);
}

#ifndef _WIN32  // the operating system's error numbers are POSIX ones here
TEST(DatabaseFileFailures, SayTheCauseInPlainWordsAndNameTheFileOnce) {
    const QString path = QStringLiteral("/data/hospital/Build_FIle.sqlite");
    struct Case {
        int code;
        int systemError;
        QString words;
        QString cause;
        QString shownWords;  // empty: SQLite's words say nothing more
    };
    const Case cases[] = {
        {SQLITE_FULL, 0, "database or disk is full", "the disk is full", "database or disk is full"},
        {SQLITE_IOERR_WRITE, ENOSPC, "disk I/O error", "the disk is full", "disk I/O error"},
        {SQLITE_IOERR_SHMSIZE, EDQUOT, "disk I/O error", "the disk is full", "disk I/O error"},
        {SQLITE_IOERR_READ, EIO, "disk I/O error", "a disk error", "disk I/O error"},
        {SQLITE_NOTADB, 0, "file is not a database", "the file is not a database", ""},
        {SQLITE_CORRUPT, 0, "database disk image is malformed", "the file is damaged",
         "database disk image is malformed"},
        {SQLITE_CANTOPEN, EACCES, "unable to open database file", "no permission",
         "unable to open database file"},
        {SQLITE_CANTOPEN, EISDIR, "unable to open database: file:///data/hospital/Build_FIle.sqlite",
         "a folder, not a file", "unable to open database"},
        {SQLITE_BUSY, 0, "database is locked", "locked by another program", "database is locked"},
        // An earlier, unrelated system error does not change what SQLite's code says.
        {SQLITE_READONLY, ENOSPC, "attempt to write a readonly database", "the database is read-only",
         "attempt to write a readonly database"},
    };
    for (const Case& c : cases) {
        const QString text = sqlite_files::FailureText(path, c.code, c.systemError, c.words);
        SCOPED_TRACE(qPrintable(text));
        EXPECT_TRUE(text.contains(c.cause));
        EXPECT_EQ(text.count(QLatin1String("Build_FIle.sqlite")), 1);
        EXPECT_EQ(text.count(QLatin1Char('[')), c.shownWords.isEmpty() ? 0 : 1);
        if (!c.shownWords.isEmpty()) {
            EXPECT_TRUE(text.contains('[' + c.shownWords + ']'));
        }
    }
}
#endif

TEST(ImportOfMovedFiles, FilesDeletedOrMovedDuringTheImportAreReportedAsLostNotAsAdded) {
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("ER-%1|ED Service|Item %1|1.00|per use").arg(i + 10);
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "moved");
        QTemporaryDir parent;
        const QString folder = QDir(parent.path()).filePath(QStringLiteral("db"));
        MakeFiles(folder);
        SqliteConnection c(folder, {});
        const ImportSummary summary =
            ImportRun(c, QStringLiteral("ESOA_ER"))
                .ImportLines(
                    lines, QStringLiteral("ESOA_ER"), QStringLiteral("ESOA_ER.csv"), [&](int done, int) {
                        if (done > 0 && QFileInfo::exists(folder)) {
                            EXPECT_TRUE(deleted ? QDir(folder).removeRecursively()
                                                : QDir().rename(folder, folder + QStringLiteral("-moved")));
                        }
                        return true;
                    });
        EXPECT_EQ(summary.end, ImportSummary::End::Failed);
        EXPECT_EQ(summary.added, 0);
        const QString message = summary.Message(0, ImportSummary::Reader::Terminal);
        EXPECT_TRUE(message.contains(QLatin1String("deleted or moved"))) << qPrintable(message);
        EXPECT_FALSE(message.contains(QLatin1String("import again"))) << qPrintable(message);
    }
}

// The advice after a stop: the reader's own words, and none where importing again cannot help.
TEST(ImportSummary, AdvisesToImportAgainOnlyWhereItHelpsInTheReadersOwnWords) {
    using Reader = ImportSummary::Reader;
    struct Case {
        DbError::Cause cause;
        Reader reader;
        QString advice;  // empty: none
    };
    const Case cases[] = {
        {DbError::Cause::Busy, Reader::Window, "Run \"b. Scan & Import\" again"},
        {DbError::Cause::Busy, Reader::Terminal, "Run the import again"},
        {DbError::Cause::Connection, Reader::Terminal, "Run the import again"},
        {DbError::Cause::ReadOnly, Reader::Window, ""},
        {DbError::Cause::ReadOnly, Reader::Terminal, ""},
        {DbError::Cause::Storage, Reader::Window, ""},
    };
    for (const Case& c : cases) {
        ImportSummary summary;
        summary.file = QStringLiteral("ESOA_ER.csv");
        summary.total = 10;
        summary.read = 4;
        summary.added = 3;
        summary.end = ImportSummary::End::Failed;
        summary.cause = QStringLiteral("a cause");
        summary.detail = QStringLiteral("the database's words");
        summary.dbCause = c.cause;
        const QString message = summary.Message(0, c.reader);
        SCOPED_TRACE(qPrintable(message));
        EXPECT_TRUE(message.contains(QLatin1String("3 new lines of ESOA_ER.csv were stored")));
        EXPECT_EQ(message.contains(QLatin1String("again")), !c.advice.isEmpty());
        if (!c.advice.isEmpty()) {
            EXPECT_TRUE(message.contains(c.advice));
        }
        EXPECT_EQ(message.contains(QLatin1String("Scan & Import")),
                  c.reader == Reader::Window && !c.advice.isEmpty());
    }
}

}  // namespace
}  // namespace esoa::test
