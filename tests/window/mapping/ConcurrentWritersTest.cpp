#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <iostream>
#include <thread>

#include "core/history/HistoryTables.h"
#include "database/Databases.h"
#include "database/sqlite/SqliteConnection.h"
#include "window/mapping/MappingBulk.h"
#include "window/mapping/MappingList.h"
#include "window/mapping/MappingSave.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"
#include "window/screen/EventGuard.h"
#include "window/frmESOA_Items.h"
#include "window/support/FakeCurrentUser.h"
#include "window/support/RecordingMessages.h"
#include "support/TestDatabase.h"

// Several workstations writing the same links and codes at once, on one embedded database: the test
// binary starts copies of itself, each running the child test below against a shared folder.
namespace esoa::test {
namespace {

constexpr char kFolderVariable[] = "ESOA_RACE_FOLDER";
constexpr char kChildVariable[] = "ESOA_RACE_CHILD";
constexpr int kChildren = 4;
constexpr int kRounds = 8;
constexpr int kItems = 150;
constexpr int kCodes = 200;

QString Revenue(int round) {
    return QStringLiteral("R%1").arg(round);
}
QString Item(int n) {
    return QStringLiteral("I%1").arg(n, 3, 10, QLatin1Char('0'));
}
QString Code(int round, int n) {
    return QStringLiteral("K%1-%2").arg(round).arg(n);
}

// Every child marks `step` and waits until all have: the children start each round's writes together.
void Barrier(const QDir& dir, const QString& step, int child) {
    QFile mark(dir.filePath(QStringLiteral("%1.%2").arg(step).arg(child)));
    ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    mark.close();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        int arrived = 0;
        for (int c = 0; c < kChildren; ++c)
            arrived += QFile::exists(dir.filePath(QStringLiteral("%1.%2").arg(step).arg(c)));
        if (arrived == kChildren) return;
        ASSERT_LT(waited.elapsed(), 60000) << "the other children never reached " << step.toStdString();
        QThread::usleep(200);
    }
}

SqliteConnection::Options SharedFiles(int busyMilliseconds) {
    SqliteConnection::Options o;
    o.createMissing = false;
    o.busyMilliseconds = busyMilliseconds;
    return o;
}

// A workstation of its own: its own connection to the shared files.
class Workstation : public CurrentUser {
public:
    explicit Workstation(const QString& folder, int busyMilliseconds = 5000)
        : connection_(std::make_unique<SqliteConnection>(folder, SharedFiles(busyMilliseconds))) {}
    void showmain() override {}
    std::optional<bool> Connected() const override { return true; }
    Connection& sqlconnection() override { return *connection_; }
    ZemoraClasses& ZEMORAClasses() override { return classes_; }
    QString UserName() const override { return QStringLiteral("race"); }

private:
    std::unique_ptr<Connection> connection_;
    RecordingClasses classes_;
};

void CreateTables(const QString& folder) {
    auto connection = OpenEmbedded(folder);
    for (const QString& statement : CreateTableStatements(QStringLiteral("ESOA_ER"))) {
        try {
            connection->Execute(statement);
        } catch (const std::exception&) {
            // The ALTERs of absent columns and the DROP of an absent table fail on new files.
        }
    }
    // The hospital side: every round's revenue names one exam table, which lists every item.
    QString script = QStringLiteral(
        "BEGIN;CREATE TABLE Build_FIle.tbRevenues (RevenueID TEXT COLLATE NOCASE, ExamTableName TEXT, "
        "IDFieldName TEXT, ExamFieldName TEXT);CREATE TABLE Build_FIle.tbcoRaceExam (RaceExamID TEXT COLLATE "
        "NOCASE, RaceExam TEXT, Status TEXT);");
    for (int round = 0; round < kRounds; ++round)
        script += QStringLiteral("INSERT INTO Build_FIle.tbRevenues VALUES ('%1', 'tbcoRaceExam', "
                                 "'RaceExamID', 'RaceExam');")
                      .arg(Revenue(round));
    for (int n = 1; n <= kItems; ++n)
        script += QStringLiteral("INSERT INTO Build_FIle.tbcoRaceExam VALUES ('%1', 'Item %2', 'A');")
                      .arg(Item(n))
                      .arg(n);
    SqliteConnection(folder, {}).RunScript(script + QStringLiteral("COMMIT;"));
    ASSERT_TRUE(history::Prepare(*connection).recorded);
}

// The PhilHealth item and revenue of `round` in the screen's boxes.
void SelectCode(ScreenControls& ui, int round) {
    ui.lblESOATableName->setText(QStringLiteral("ESOA_ER"));
    ui.txtESOACode->setText(Code(round, 1));
    ui.txtESOADesc->setText(QStringLiteral("Exam 1"));
    ui.txtAreaCat->setText(QStringLiteral("Lab"));
    ui.txtType->setText(QStringLiteral("PROC"));
    ui.txtRevID->setText(Revenue(round));
    ui.txtSectionID->clear();
}

// Run only as a child of the test below.
TEST(ConcurrentWritersChild, SavesMapsAllAndImportsTheSameRowsAsTheOthers) {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    if (folder.isEmpty()) GTEST_SKIP() << "run by ConcurrentWriters only";
    const int child = qEnvironmentVariableIntValue(kChildVariable);
    const QDir dir(folder);
    Workstation user(folder);
    RecordingMessages messages;
    frmESOA_Items form(user, messages);
    ScreenControls& ui = form.controls();
    std::vector<QStringList> listed;
    for (int n = 1; n <= kItems; ++n) listed.push_back({Item(n), QStringLiteral("Item %1").arg(n)});

    for (int round = 0; round < kRounds; ++round) {
        QStringList lines;
        for (int n = 1; n <= kCodes; ++n)
            lines << Code(round, n) + QStringLiteral("|Lab|Exam %1|100|per test").arg(n);
        Barrier(dir, QStringLiteral("import%1").arg(round), child);
        const ImportSummary summary = ImportRun(user.sqlconnection(), QStringLiteral("ESOA_ER"))
                                          .ImportLines(lines, "ESOA_ER", "race.csv");
        EXPECT_TRUE(summary.finished()) << summary.Message(5).toStdString();
        EXPECT_TRUE(summary.refused.empty()) << summary.Message(5).toStdString();

        SelectCode(ui, round);
        auto save = [&] {
            for (const QStringList& item : listed) {
                ui.txtZEMORAItemID->setText(item[0]);
                ui.txtZEMORAitemDesc->setText(item[1]);
                form.save().cmdEdit_Click();
            }
        };
        auto mapAll = [&] {
            ui.Grid2->Fill({QStringLiteral("OtherRevenueID"), QStringLiteral("OtherRevenue")}, listed);
            form.bulk().cmdMapAll_Click();
        };
        Barrier(dir, QStringLiteral("links%1").arg(round), child);
        // Half the children save first and map all next, the other half the other way round, so
        // that saves race map-all rows as well as each other.
        if (child % 2 == 0) {
            save();
            mapAll();
        } else {
            mapAll();
            save();
        }
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    QFile done(dir.filePath(QStringLiteral("done.%1").arg(child)));
    EXPECT_TRUE(done.open(QIODevice::WriteOnly));
}

TEST(ConcurrentWriters, ProcessesWritingTheSameLinksAndCodesAtOnceLeaveNoDuplicates) {
    QTemporaryDir dir;
    CreateTables(dir.path());
    std::vector<std::unique_ptr<QProcess>> children;
    for (int c = 0; c < kChildren; ++c) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kFolderVariable), dir.path());
        env.insert(QLatin1String(kChildVariable), QString::number(c));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--gtest_filter=ConcurrentWritersChild.*")});
        children.push_back(std::move(process));
    }
    for (int c = 0; c < kChildren; ++c) {
        QProcess& p = *children[size_t(c)];
        ASSERT_TRUE(p.waitForFinished(300000)) << "child " << c << " did not end";
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
                    QFile::exists(QDir(dir.path()).filePath(QStringLiteral("done.%1").arg(c))))
            << "child " << c << ":\n"
            << p.readAll().toStdString();
    }

    SqliteConnection check(dir.path(), {});
    auto counts = [&](const QString& table, const QString& key) {
        const QStringList row =
            check
                .RunSqlite(
                    QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT %1) FROM Build_FIle.%2").arg(key, table))
                .rows.front();
        return std::pair{row[0].toInt(), row[1].toInt()};
    };
    const auto [links, pairs] =
        counts(QStringLiteral("ESOA_ER_LINK"), QStringLiteral("RevenueID || '|' || ItemID"));
    const auto [codes, distinctCodes] = counts(QStringLiteral("ESOA_ER"), QStringLiteral("Code"));
    std::cout << "links: " << links << " rows for " << pairs << " pairs; codes: " << codes << " rows for "
              << distinctCodes << " codes\n";
    EXPECT_EQ(pairs, kRounds * kItems);
    EXPECT_EQ(links, pairs) << "duplicate links";
    EXPECT_EQ(distinctCodes, kRounds * kCodes);
    EXPECT_EQ(codes, distinctCodes) << "duplicate codes";
    // The history: one action per save and per map-all run, one row per row written, none lost or
    // twice, each under an action, and each link's newest row tells the code it has.
    auto one = [&](const QString& sqlite) { return check.RunSqlite(sqlite).rows.front().front().toInt(); };
    EXPECT_EQ(one("SELECT COUNT(*) FROM Build_FIle.ESOA_HISTORY"), kChildren * kRounds * (kItems + 1));
    EXPECT_EQ(one("SELECT COUNT(*) FROM Build_FIle.ESOA_HISTORY_ROW"), kChildren * kRounds * kItems * 2);
    EXPECT_EQ(one("SELECT COUNT(DISTINCT ActionID || '|' || RowID) FROM Build_FIle.ESOA_HISTORY_ROW"),
              kChildren * kRounds * kItems * 2);
    EXPECT_EQ(one("SELECT COUNT(*) FROM Build_FIle.ESOA_HISTORY_ROW WHERE ActionID NOT IN (SELECT ID FROM "
                  "Build_FIle.ESOA_HISTORY)"),
              0);
    EXPECT_EQ(one("SELECT COUNT(*) FROM Build_FIle.ESOA_ER_LINK l WHERE l.Code IS NOT (SELECT NewCode FROM "
                  "Build_FIle.ESOA_HISTORY_ROW r WHERE r.RowID = l.ID ORDER BY r.ID DESC LIMIT 1)"),
              0);
    // Map-all ran last in half the children: each round's links carry its code, none was lost.
    EXPECT_EQ(check
                  .RunSqlite("SELECT COUNT(*) FROM Build_FIle.ESOA_ER_LINK WHERE Code = 'K' || "
                             "substr(RevenueID, 2) || '-1'")
                  .rows.front()
                  .front()
                  .toInt(),
              links);
}

// Another workstation holds the write lock: a list is read at once, without its uncommitted row; a
// save waits, rolls back and tries again, and says so once only when the lock never ends.
TEST(ConcurrentWriters, ListsNeverWaitForAWriterAndASaveRetriesUntilTheLockEnds) {
    QTemporaryDir dir;
    CreateTables(dir.path());
    SqliteConnection other(dir.path(), {});
    other.Begin();
    other.RunSqlite(QStringLiteral(
        "INSERT INTO Build_FIle.ESOA_ER_LINK (Code, RevenueID, ItemID) VALUES ('K0-1', 'R0', 'X')"));

    Workstation reader(dir.path());
    RecordingMessages readerMessages;
    frmESOA_Items readerForm(reader, readerMessages);
    SelectCode(readerForm.controls(), 0);
    QElapsedTimer clock;
    clock.start();
    readerForm.mappings().LoadMappings();
    EXPECT_LT(clock.elapsed(), 1000);  // the busy wait is 5 s
    EXPECT_TRUE(readerMessages.shown.isEmpty());
    const FlexGrid& map = *readerForm.controls().GridMap;
    EXPECT_TRUE(map.Rows() == 1 || map.TextMatrix(1, 0).isEmpty());  // the uncommitted link is not listed

    Workstation user(dir.path(), 20);
    RecordingMessages messages;
    frmESOA_Items form(user, messages);
    ScreenControls& ui = form.controls();
    SelectCode(ui, 0);
    ui.txtZEMORAItemID->setText(Item(1));
    ui.txtZEMORAitemDesc->setText(QStringLiteral("Item 1"));
    auto click = [&] { Guarded(messages, [&] { form.save().cmdEdit_Click(); }); };
    click();  // the lock outlasts every try
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(
        messages.shown[0].startsWith("The database stayed busy with other users' changes through 5 tries"))
        << messages.shown[0].toStdString();

    messages.shown.clear();
    std::thread release([&] {
        QThread::msleep(60);  // longer than one try's busy wait, shorter than all five
        other.Rollback();
    });
    click();
    release.join();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(other.RunSqlite(QStringLiteral("SELECT RevenueID || ItemID FROM Build_FIle.ESOA_ER_LINK")).rows,
              std::vector<QStringList>{{"R0I001"}});

    // The import's batches alike: stopped with the cause when the lock never ends, complete when it does.
    const QStringList lines{QStringLiteral("A|Lab|One|1|per test"), QStringLiteral("B|Lab|Two|2|per test")};
    const ImportRun import(user.sqlconnection(), QStringLiteral("ESOA_ER"));
    other.Begin();
    const ImportSummary stopped = import.ImportLines(lines, "ESOA_ER", "race.csv");
    EXPECT_EQ(stopped.end, ImportSummary::End::Failed);
    EXPECT_EQ(stopped.dbCause, DbError::Cause::Busy);
    EXPECT_EQ(stopped.added, 0);
    std::thread again([&] {
        QThread::msleep(60);
        other.Rollback();
    });
    const ImportSummary done = import.ImportLines(lines, "ESOA_ER", "race.csv");
    again.join();
    EXPECT_TRUE(done.finished()) << done.Message(2).toStdString();
    EXPECT_EQ(done.added, 2);
}

// What SQL Server is sent around a lookup that decides a write (no SQL Server runs here: the text is
// what is checked): the import's first read of a batch takes the locks inside the batch's transaction.
TEST(ConcurrentWriters, AnImportBatchReadsTheCodesWithLocksInsideItsTransaction) {
    TestDatabase db;
    CreateTables(db.folder());
    const ImportSummary summary =
        ImportRun(db.connection(), QStringLiteral("ESOA_ER"))
            .ImportLines({QStringLiteral("A|Lab|One|1|per test")}, "ESOA_ER", "one.csv");
    ASSERT_TRUE(summary.finished());
    ASSERT_EQ(db.sent.size(), 5);
    EXPECT_EQ(db.sent[0], "BEGIN TRANSACTION");
    EXPECT_EQ(db.sent[1],
              "SELECT ID, Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (UPDLOCK, HOLDLOCK) WHERE ID > 0 AND "
              "Code IS NOT NULL");
    EXPECT_TRUE(db.sent[2].startsWith("SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE 1=0"))
        << db.sent[2].toStdString();
    EXPECT_TRUE(db.sent[3].startsWith("INSERT INTO")) << db.sent[3].toStdString();
    EXPECT_EQ(db.sent[4], "COMMIT TRANSACTION");
}

}  // namespace
}  // namespace esoa::test
