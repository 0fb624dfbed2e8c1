#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace esoa::test {
namespace {

struct TextAnswer {
    QStringList args;
    int exitCode;
    QString inStdout;
    QString inStderr;
};

// The text-only answers must come without any display: the program runs here with no
// platform plugin chosen and no X or Wayland display, as in a terminal or a package check.
TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    const QString version = QStringLiteral("ESOA Mapper " ESOA_VERSION);
    const std::vector<TextAnswer> cases = {
        {{"--version"}, 0, version, {}},
        {{"-v"}, 0, version, {}},
        {{"--help"}, 0, "--version", {}},
        {{"-h"}, 0, "Usage:", {}},
        {{"--version", "--no-such-option"}, 2, {}, "no-such-option"},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ESOA_PROGRAM), c.args);
        ASSERT_TRUE(program.waitForFinished(10000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(c.inStdout)) << out.toStdString();
        EXPECT_TRUE(err.contains(c.inStderr)) << err.toStdString();
    }
}

}  // namespace
}  // namespace esoa::test

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "database/Databases.h"
#include "core/demo/DemoDatabase.h"
#include "database/sqlite/SqliteConnection.h"
#include "cli/Commands.h"

namespace esoa::test {
namespace {

struct ProgramRun {
    int exitCode;
    QString out, err;
};

ProgramRun RunProgram(const QStringList& args, const QString& dataHome = {}, const QString& outputFile = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "ZEMORA_CONNECTION"}) env.remove(name);
    if (!dataHome.isEmpty()) env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    QProcess program;
    program.setProcessEnvironment(env);
    if (!outputFile.isEmpty()) program.setStandardOutputFile(outputFile);
    program.start(QStringLiteral(ESOA_PROGRAM), args);
    if (!program.waitForFinished(60000)) return {-1, {}, QStringLiteral("did not finish")};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The commands against a ready demo database, an empty one and a locked one: what they print and
// their exit codes, as a scheduled job sees them.
TEST(CommandLine, CommandsAnswerWithTheirResultsAndExitCodes) {
    QTemporaryDir demoDir, emptyDir, data, out, itemsOnly;
    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    { SqliteConnection create(emptyDir.path(), {}); }  // files without any table
    const QString demo = QStringLiteral("embedded:") + demoDir.path();
    const QString empty = QStringLiteral("embedded:") + emptyDir.path();
    const QString refs = QStringLiteral(ESOA_REFERENCE_DIR);
    const QString csv = QDir(out.path()).filePath(QStringLiteral("links.csv"));
    {
        QFile items(QDir(itemsOnly.path()).filePath(QStringLiteral("ESOA_ITEM.csv")));
        ASSERT_TRUE(items.open(QIODevice::WriteOnly));
        items.write("CLI-NEW|Lab|New one\r\n");
    }
    const struct {
        QStringList args;
        int exitCode;
        const char* inOut;
        const char* inErr;
    } cases[] = {
        {{"--check-connection", "--connection", demo}, 0, "Everything the program needs is there", ""},
        {{"--check-connection", "--connection", empty}, 1, "MISSING Build_FIle.ESOA_ER", ""},
        {{"--check-connection", "--connection", "embedded:" + demoDir.path() + "/none"},
         1,
         "Connected: no",
         "does not exist"},
        {{"--check-connection", "--connection", "demo"},
         0,
         "(demo)",
         ""},  // --connection overrides the setting
        {{"--check-connection", "--verbose", "--connection", demo},
         0,
         "",
         "SELECT TOP 1 * FROM [Build_FIle].[dbo].[ESOA_ITEM]"},
        {{"--no-such-option"}, 2, "", "no-such-option"},
        {{"frobnicate"}, 2, "", "Unknown command"},
        {{"import", "--connection", demo}, 2, "", "--list"},
        {{"import", "--list", "er", "--connection", demo, "--folder", refs},
         0,
         "ESOA_ER.csv: 126 lines read, 0 added",
         ""},
        {{"import", "--list", "er", "--connection", demo, "--folder", refs + "/none"},
         1,
         "",
         "does not exist"},
        {{"import", "--list", "item", "--connection", empty, "--folder", refs}, 1, "", "ESOA_ITEM.csv"},
        {{"import", "--list", "item", "--connection", demo, "--folder", itemsOnly.path()},
         1,
         "",
         "ESOA_MEDICINE.csv cannot be read"},
        {{"report", "changes", "--list", "item", "--connection", demo, "--folder", itemsOnly.path()},
         1,
         "CLI-NEW",
         "ESOA_MEDICINE.csv cannot be read"},
        {{"import", "--list", "er", "--dry-run", "--connection", demo, "--folder", refs}, 0, "", "0 new"},
        {{"export-links", "--list", "item", "--connection", demo}, 0, "LD-00101", ""},
        {{"--connection", demo, "export-links", "--list", "item"}, 0, "LD-00101", ""},
        {{"export-links", "--list", "er", "--connection", demo, "--output", csv}, 0, "", "1 links"},
        {{"report", "stale", "--list", "item", "--connection", demo, "--format", "csv"}, 0, "", ""},
        {{"report", "changes", "--list", "er", "--connection", demo, "--folder", refs, "--format", "xml"},
         2,
         "",
         "--format"},
        {{"suggest", "--list", "er", "--code", "ERT-0002", "--connection", demo, "--limit", "3"},
         0,
         "1\t",
         ""},
        {{"suggest", "--list", "er", "--code", "NO-SUCH", "--connection", demo}, 1, "", "NO-SUCH"},
        {{"suggest", "--list", "er", "--all", "--connection", demo, "--limit", "1"}, 0, "\nERT-0002\t1\t", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun run = RunProgram(c.args, data.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString() << run.out.left(400).toStdString();
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.inOut))) << run.out.left(400).toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.inErr))) << run.err.toStdString();
    }
    EXPECT_TRUE(QFile::exists(csv));
    SqliteConnection check(demoDir.path(), {});
    EXPECT_TRUE(check.RunSqlite(QStringLiteral("SELECT 1 FROM Build_FIle.ESOA_ITEM WHERE Code='CLI-NEW'")).rows.empty())
        << "nothing is imported from a list one of whose files is missing";

    // A database another program holds locked: the import stops with one message and exit code 1.
    SqliteConnection::Options quick;
    quick.busyMilliseconds = 50;
    SqliteConnection holder(demoDir.path(), quick);
    holder.RunSqlite(QStringLiteral("BEGIN EXCLUSIVE"));
    holder.RunSqlite(QStringLiteral("DELETE FROM Build_FIle.ESOA_ER WHERE Code='ERT-0001'"));
    QElapsedTimer clock;
    clock.start();
    const ProgramRun locked = RunProgram({"import", "--list", "er", "--connection", demo, "--folder", refs}, data.path());
    const qint64 elapsed = clock.elapsed();
    holder.RunSqlite(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_LT(elapsed, 15000) << "with the default lock wait and busy budget";
    EXPECT_TRUE(locked.err.contains(QLatin1String("locked"))) << locked.err.toStdString();
}

// Arguments a command does not take, values it cannot work with, missing or extra ones: exit code 2,
// one line naming the problem and a hint to the command's --help, and nothing done.
TEST(CommandLine, UsageErrorsNameTheProblemAndDoNothing) {
    QTemporaryDir demoDir, data, lists, out;
    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    {
        QFile file(QDir(lists.path()).filePath(QStringLiteral("ESOA_ER.csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("ER-NEW|ED Service|A new item|10.00|per use\r\n");
    }
    const QString csv = QDir(out.path()).filePath(QStringLiteral("links.csv"));
    const QStringList db{"--connection", "embedded:" + demoDir.path(), "--folder", lists.path()};
    const struct {
        QStringList args;
        const char* command;  // whose --help the hint names; empty: the program's
        const char* problem;
    } cases[] = {
        {QStringList{"import", "--list", "er", "--output", "x.csv", "--format", "xml"} + db, "import",
         "output, format"},
        {QStringList{"import", "--list", "er", "--code", "X"} + db, "import", "'code'"},
        {QStringList{"import", "--list", "er", "now"} + db, "import", "Unexpected argument \"now\""},
        {QStringList{"import", "--dry-run=yes", "--list", "er"} + db, "import", "dry-run"},
        {QStringList{"import", "--list", "ESOA ER"} + db, "import",
         "--list must be item or er, not \"ESOA ER\""},
        {QStringList{"import", "--list", "er", "--list", "item"} + db, "import",
         "--list is given more than once"},
        {QStringList{"import"} + db + QStringList{"--list"}, "import", "Missing value after '--list'"},
        {{"export-links", "--list", "er", "extra", "--output", csv}, "export-links", "\"extra\""},
        {{"export-links", "--output", csv}, "export-links", "--list item|er is needed"},
        {{"export-links", "--list", "er", "--output", ""}, "export-links", "--output needs a value"},
        {{"report", "--list", "er"}, "report", "report needs changes, stale or coverage."},
        {{"report", "summary", "--list", "er"}, "report", "not \"summary\""},
        {{"report", "stale", "--list", "er", "--format", "xml"}, "report", "--format must be text or csv"},
        {{"report", "stale", "--list", "er", "--dry-run"}, "report", "'dry-run'"},
        {{"suggest", "--list", "er"}, "suggest", "Either --code CODE or --all is needed"},
        {{"suggest", "--list", "er", "--code", "X", "--all"}, "suggest", "not both"},
        {{"suggest", "--list", "er", "--code", "X", "--limit", "0"}, "suggest", "--limit must be a positive"},
        {{"suggest", "--list", "er", "--code", "X", "--limit", "ten"}, "suggest", "not \"ten\""},
        {{"frobnicate", "--list", "er"}, "", "Unknown command \"frobnicate\""},
        {{"--list", "er"}, "", "'list'"},
        {{"--check-connection", "--connection"}, "", "Missing value after '--connection'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun run = RunProgram(c.args, data.path());
        const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_LE(lines.size(), 3) << run.err.toStdString();
        EXPECT_TRUE(lines[0].contains(QString::fromUtf8(c.problem))) << run.err.toStdString();
        const QString hint =
            QStringLiteral("esoa-mapper %1 --help").arg(QString::fromUtf8(c.command)).simplified();
        EXPECT_TRUE(run.err.contains(hint)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(csv));
    SqliteConnection check(demoDir.path(), {});
    EXPECT_TRUE(
        check.RunSqlite(QStringLiteral("SELECT 1 FROM Build_FIle.ESOA_ER WHERE Code='ER-NEW'")).rows.empty());
}

// Each command's --help shows its own options and the shared ones, none of another command's; the
// program's --help lists the commands, one line each.
TEST(CommandLine, EachCommandHasItsOwnHelp) {
    QTemporaryDir data;
    const ProgramRun program = RunProgram({"--help"}, data.path());
    EXPECT_EQ(program.exitCode, 0);
    EXPECT_TRUE(program.out.contains(QLatin1String("esoa-mapper COMMAND --help")))
        << program.out.toStdString();
    EXPECT_FALSE(program.out.contains(QLatin1String("--list"))) << program.out.toStdString();
    QStringList everyOption;
    for (const cli::Command& command : cli::CommandTable()) {
        EXPECT_TRUE(
            program.out.contains(QStringLiteral("  %1  ").arg(command.name, -12) + command.summary + '\n'))
            << command.name.toStdString();
        for (const cli::CommandOption& o : command.options)
            everyOption << "--" + o.option.names().constLast();
    }
    for (const cli::Command& command : cli::CommandTable()) {
        SCOPED_TRACE(command.name.toStdString());
        const ProgramRun run = RunProgram({command.name, "--help"}, data.path());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith("Usage: esoa-mapper " + command.name + ' ')) << run.out.toStdString();
        QStringList own{"--connection", "--verbose", "--help"};
        for (const cli::CommandOption& o : command.options) own << "--" + o.option.names().constLast();
        for (const QString& option : own + everyOption) {
            const bool shown =
                run.out.contains(QRegularExpression(QRegularExpression::escape(option) + "(?![-a-z])"));
            EXPECT_EQ(shown, own.contains(option)) << option.toStdString();
        }
    }
}

// Without --revenue a code's candidates come from where a click on its category sends the window's
// search; each line names that source after the five columns.
TEST(CommandLine, SuggestSearchesWhereTheCodesCategoryRoutes) {
    QTemporaryDir demoDir, data;
    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    const struct {
        QStringList args;
        QString firstItem;   // "ItemID\tItemName" of the best candidate; empty: not checked
        QStringList source;  // InvOrProc, RevenueID, SectionID; empty: exit 1 and the error below
        const char* inErr;
    } cases[] = {
        {{"--list", "item", "--code", "LD-00101"}, "1\tCBC with Platelet Count", {"PROC", "LB", ""}, ""},
        {{"--list", "item", "--code", "MS-00201"}, "", {"INV", "PH", ""}, ""},
        {{"--list", "item", "--code", "OR-00301"}, "1\tMinor OR Fee", {"PROC", "", "OR"}, ""},
        {{"--list", "er", "--code", "ERI-0001"}, "", {"PROC", "XR", ""}, ""},
        {{"--list", "er", "--code", "ERP-0002"}, "27\tWound Dressing (ER)", {"PROC", "", ""}, ""},
        {{"--list", "item", "--code", "OT-00601"}, "", {}, "--revenue"},
        {{"--list", "item", "--code", "OT-00602", "--revenue", "OR"}, "43\tNebulization per session",
         {"PROC", "OR", ""}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QStringList args{"suggest", "--connection", "embedded:" + demoDir.path()};
        const ProgramRun run = RunProgram(args + c.args, data.path());
        EXPECT_EQ(run.exitCode, c.source.isEmpty() ? 1 : 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.inErr))) << run.err.toStdString();
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.isEmpty(), c.source.isEmpty()) << run.out.toStdString();
        for (const QString& line : lines) {
            const QStringList columns = line.split('\t');
            ASSERT_EQ(columns.size(), 8) << line.toStdString();
            EXPECT_EQ(columns.mid(5), c.source) << line.toStdString();
        }
        if (!c.firstItem.isEmpty() && !lines.isEmpty()) {
            EXPECT_EQ(lines[0].section('\t', 2, 3), c.firstItem) << lines[0].toStdString();
        }
    }
}

// A result that never reached its file is a failure, with its cause, not a success.
TEST(CommandLine, ResultsThatCannotBeWrittenFailTheCommand) {
    QTemporaryDir demoDir, data;
    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    const QStringList args{"export-links", "--list", "item", "--connection", "embedded:" + demoDir.path()};
    const ProgramRun full = RunProgram(args, data.path(), QStringLiteral("/dev/full"));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.contains("the disk is full")) << full.err.toStdString();
}

// --check-connection changes nothing: a demo is neither made nor rebuilt, files are left as they
// are, and what opening for real would do is told instead. --verbose logs the transactions' bounds
// with the T-SQL, and the embedded database's own SQLite statements apart.
TEST(CommandLine, CheckConnectionChangesNothingAndVerboseLogsTransactionsWithTheTsql) {
    QTemporaryDir data, demoDir;
    const QString demoFolder = QDir(data.path()).filePath(QStringLiteral("ZEMORA/demo"));
    const ProgramRun fresh = RunProgram({"--check-connection", "--connection", "demo"}, data.path());
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err.toStdString();
    EXPECT_TRUE(fresh.out.contains(QLatin1String("create the demo database"))) << fresh.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(demoFolder));

    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    const QString buildFile = QDir(demoDir.path()).filePath(QLatin1String(kBuildFileDb));
    {
        QFile f(buildFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }
    const QStringList files = QDir(demoDir.path()).entryList(QDir::Files);
    const ProgramRun damaged =
        RunProgram({"--check-connection", "--connection", "embedded:" + demoDir.path()}, data.path());
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(buildFile + QStringLiteral(": the file is not a database")))
        << damaged.err.toStdString();
    EXPECT_EQ(QDir(demoDir.path()).entryList(QDir::Files), files);
    QFile f(buildFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x'));
    f.close();

    QTemporaryDir lists;
    QFile file(QDir(lists.path()).filePath(QStringLiteral("ESOA_ER.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ER-9|ED Service|A new item|10.00|per use\r\n");
    file.close();
    const ProgramRun verbose = RunProgram(
        {"import", "--verbose", "--list", "er", "--connection", "demo", "--folder", lists.path()}, data.path());
    EXPECT_EQ(verbose.exitCode, 0) << verbose.err.toStdString();
    for (const char* logged : {"esoa.sql: BEGIN TRANSACTION", "esoa.sql: COMMIT TRANSACTION", "esoa.sql: INSERT INTO"})
        EXPECT_TRUE(verbose.err.contains(QLatin1String(logged))) << logged;
    EXPECT_FALSE(verbose.err.contains(QLatin1String("PRAGMA"))) << "SQLite's own statements in the T-SQL log";
}

// SQL Server looks a schema's name up in the current database, in one part only: the rights are
// asked from within Build_FIle, every quote of the inner statement doubled.
TEST(CommandLine, TheRightsAreAskedOfTheSchemaWithinBuildFile) {
    const QString statement = cli::RightsStatement();
    const QString exec = QStringLiteral("EXEC [Build_FIle].sys.sp_executesql N'");
    ASSERT_TRUE(statement.startsWith(exec) && statement.endsWith(QLatin1Char('\''))) << qPrintable(statement);
    QString inner = statement.mid(exec.size(), statement.size() - exec.size() - 1);
    EXPECT_FALSE(QString(inner).remove(QStringLiteral("''")).contains(QLatin1Char('\''))) << "a quote ends the text";
    inner.replace(QStringLiteral("''"), QStringLiteral("'"));
    static const QRegularExpression call(
        QStringLiteral("HAS_PERMS_BY_NAME\\('([^']*)', '([^']*)', '([^']*)'\\) AS (\\w+)"));
    QStringList asked;
    for (auto it = call.globalMatch(inner); it.hasNext();) {
        const auto m = it.next();
        asked << m.captured(4) + '=' + m.captured(2) + ':' + m.captured(1) + ':' + m.captured(3);
    }
    EXPECT_EQ(asked, (QStringList{"CreateTable=DATABASE:Build_FIle:CREATE TABLE", "AlterSchema=SCHEMA:dbo:ALTER",
                                  "ReadInventory=OBJECT:Inventory.dbo.tbInvMaster:SELECT"}));
}

// Links loaded back from an export, with refused rows, their history and their undo.
TEST(CommandLine, ImportLinksHistoryAndUndoAnswerWithTheirExitCodes) {
    QTemporaryDir demoDir, data, files;
    demo::OpenDemo(demoDir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
    const QStringList db{"--connection", "embedded:" + demoDir.path()};
    const QString exported = QDir(files.path()).filePath("exported.csv");
    const QString reviewed = QDir(files.path()).filePath("reviewed.csv");
    ASSERT_EQ(
        RunProgram(QStringList{"export-links", "--list", "item", "--output", exported} + db, data.path())
            .exitCode,
        0);
    {
        QFile file(reviewed);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "\xEF\xBB\xBF"
            "Code,ItemID,InvOrProc,RevenueID,SectionID\r\nLD-00103,2,PROC,LB,\r\n"
            "NOPE,2,PROC,LB,\r\n");
    }
    const QString header =
        "ActionID,At,User,Workstation,Kind,LinkID,Code,PreviousCode,ItemID,RevenueID,SectionID,";
    const struct {
        QStringList args;
        int exitCode;
        QString inOut, inErr;
    } cases[] = {
        {{"--check-connection"}, 0, "History: changes will be recorded", ""},
        {{"import-links", "--list", "item", "--file", exported, "--dry-run"},
         0,
         "3 of 3 rows would be stored",
         ""},
        {{"history", "--list", "item"},
         1,
         "",
         "Changes are not being recorded"},  // no write made the tables yet
        {{"import-links", "--list", "item", "--file", exported},
         0,
         "3 of 3 rows stored in ESOA_ITEM_LINK as action 1",
         ""},
        {{"import-links", "--list", "item", "--file", reviewed},
         1,
         "  line 3: code NOPE is not in ESOA_ITEM\n",
         ""},
        {{"history", "--list", "item", "--format", "csv"}, 0, header, ""},
        {{"history", "--list", "item", "--item", "2"}, 0, "2  ", ""},
        {{"history", "--list", "item", "--since", "2999-01-01"}, 0, "", ""},
        {{"history", "--list", "item", "--since", "01/02/2024"}, 2, "", "--since must be a date"},
        {{"undo", "--action", "1", "--dry-run"}, 0, "can be undone", ""},
        {{"undo", "--action", "1"}, 0, "Action 1 (import-links) undone as action 3: 3 rows put back.", ""},
        {{"undo", "--action", "1"}, 1, "", "Action 1 was undone already, by action 3."},
        {{"undo", "--action", "999"}, 1, "", "There is no action 999."},
        {{"undo"}, 2, "", "--action"},
        {{"--check-connection"}, 0, "History: changes are recorded", ""},
        {{"import-links", "--list", "item", "--file", QDir(files.path()).filePath("none.csv")},
         1,
         "",
         "none.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun run = RunProgram(c.args + db, data.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(c.inOut.isEmpty() ? run.out.isEmpty() : run.out.contains(c.inOut))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(c.inErr)) << run.err.toStdString();
        if (c.inOut == header) {
            EXPECT_EQ(run.out.count('\n'), 5) << "the header and one line per changed link";
        }
    }
}

}  // namespace
}  // namespace esoa::test
