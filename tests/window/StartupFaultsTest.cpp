// Start-up faults: a damaged demo, a failed connection whose setting holds a password, typed text
// that cannot reach the database.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QFile>
#include <QClipboard>
#include <QGuiApplication>
#include <QApplication>
#include <QProgressDialog>
#include <QTest>

#include "database/Databases.h"
#include "database/DbError.h"
#include "core/demo/DemoDatabase.h"
#include "window/user/LocalCurrentUser.h"
#include "database/odbc/OdbcConnection.h"
#include "database/sqlite/SqliteConnection.h"
#include "window/screen/Messages.h"
#include "window/frmESOA_Items.h"
#include "window/support/RecordingMessages.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

bool hasRevenues(Connection& c) {
    return !c.Read(QStringLiteral("SELECT [RevenueID] FROM [Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 "),
                   CursorType::ForwardOnly, LockType::ReadOnly)
                .rows.empty();
}

TEST(DemoDatabase, OnlyAMissingOrDamagedFileIsRebuiltAndTheUserIsToldFirst) {
    QTemporaryDir dir;
    demo::OpenDemo(dir.path());
    const QString buildFile = QDir(dir.path()).filePath(QLatin1String(kBuildFileDb));
    const QString inventory = QDir(dir.path()).filePath(QLatin1String(kInventoryDb));
    const struct {
        std::function<void()> damage;
        QString told;  // what the notice says before the rebuild
    } rebuilt[] = {
        {[&] { QFile::remove(buildFile); }, "is missing"},
        {[&] { QFile::remove(inventory); }, "is missing"},
        {[&] {
             QFile f(buildFile);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(4096, 'x'));
         },
         "the file is not a database"},
    };
    for (const auto& c : rebuilt) {
        c.damage();
        QStringList notices;
        auto db = demo::OpenDemo(dir.path(), {}, [&](const QString& text) { notices << text; });
        EXPECT_TRUE(hasRevenues(*db));
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0].contains(c.told) && notices[0].contains(QLatin1String("built again")))
            << qPrintable(notices[0]);
    }

    // A file that cannot be opened for another cause may hold the user's work: it is named with its
    // cause, and nothing is deleted. Here: another program holds the demo locked for itself, and a
    // folder stands in place of a file.
    const auto contents = [&] {
        QStringList files;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile f(QDir(dir.path()).filePath(name));
            files << name + (f.open(QIODevice::ReadOnly) ? QString::number(qHash(f.readAll())) : QString());
        }
        return files;
    };
    const struct {
        std::function<std::function<void()>()> prevent;  // returns what ends it
        QString cause;
    } left[] = {
        {[&]() -> std::function<void()> {
             auto holder = std::make_shared<SqliteConnection>(dir.path(), SqliteConnection::Options{});
             holder->RunSqlite(QStringLiteral("PRAGMA Build_FIle.locking_mode=EXCLUSIVE"));
             holder->RunSqlite(QStringLiteral("UPDATE Build_FIle.tbRevenues SET RevenueID=RevenueID"));
             return [holder]() mutable { holder.reset(); };
         },
         "locked by another program"},
        {[&]() -> std::function<void()> {
             QFile::remove(buildFile);
             QDir().mkdir(buildFile);
             return [] {};
         },
         "a folder, not a file"},
    };
    for (const auto& c : left) {
        const std::function<void()> end = c.prevent();
        const QStringList before = contents();
        QStringList notices;
        try {
            demo::OpenDemo(dir.path(), {}, [&](const QString& text) { notices << text; });
            ADD_FAILURE() << "a demo that cannot be opened was used";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains(c.cause)) << qPrintable(e.description());
            EXPECT_EQ(e.description().count(QLatin1String(kBuildFileDb)), 1) << qPrintable(e.description());
        }
        EXPECT_TRUE(notices.isEmpty());
        EXPECT_EQ(contents(), before);
        end();
    }
}

TEST(LocalComponent, AFailedConnectionNeverShowsThePasswordAndFitsTheScreen) {
    const QString secret = QStringLiteral("s3cr3t;x");
    qputenv("ZEMORA_CONNECTION",
            (QStringLiteral("odbc:DRIVER={No Such Driver};SERVER=db;UID=sa;PWD={") + secret + QStringLiteral("};APP=") +
             QString(500, QLatin1Char('y')))
                .toUtf8());
    QStringList notices;
    LocalCurrentUser user([&](const QString& text) { notices << text; });
    user.showmain();
    qunsetenv("ZEMORA_CONNECTION");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_FALSE(notices[0].contains(QLatin1String("s3cr3t"))) << qPrintable(notices[0]);
    for (const QString& line : FitForScreen(notices[0]).split(QLatin1Char('\n'))) EXPECT_LE(line.size(), 200);
    EXPECT_EQ(MaskedConnectionString(QStringLiteral("SERVER=a;Pwd = abc;Password={x;y};UID=u")),
              QStringLiteral("SERVER=a;Pwd = *****;Password=*****;UID=u"));
}

// Only database files that are not there are offered to be made, whatever the folder's name says: a
// damaged file in a folder named "missing ..." may hold the hospital's work.
TEST(LocalComponent, OnlyMissingDatabaseFilesAreOfferedToBeCreated) {
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("missing lists"));
    const struct {
        const char* damaged;  // a file of bytes that are no database; nullptr: the folder is empty
        bool asked;
    } cases[] = {{nullptr, true}, {kBuildFileDb, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damaged ? c.damaged : "empty folder");
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        if (c.damaged) {
            QFile f(QDir(folder).filePath(QLatin1String(c.damaged)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        qputenv("ZEMORA_CONNECTION", (QStringLiteral("embedded:") + folder).toUtf8());
        QStringList notices, questions;
        LocalCurrentUser user([&](const QString& text) { notices << text; },
                              [&](const QString& question) {
                                  questions << question;
                                  return false;
                              });
        user.showmain();
        qunsetenv("ZEMORA_CONNECTION");
        EXPECT_EQ(!questions.isEmpty(), c.asked) << qPrintable(questions.join(QLatin1Char('|')));
        EXPECT_EQ(user.Connected(), std::optional<bool>(false));
        EXPECT_EQ(notices.size(), 1);
    }
}

// Files of an older version are brought up to date when the component opens them: a progress window
// says why opening waits and how far it is, and closes when the files are open.
TEST(LocalComponent, OlderFilesShowAProgressWindowWhileTheyAreBroughtUpToDate) {
    QTemporaryDir dir;
    {
        SqliteConnection older(dir.path(), {});
        older.RunSqlite(QStringLiteral("CREATE TABLE Build_FIle.ESOA_ER (ID INTEGER PRIMARY KEY, Code TEXT)"));
        older.RunSqlite(QStringLiteral("PRAGMA Build_FIle.user_version=1"));
    }
    const auto progressWindows = [] {
        QList<QProgressDialog*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible()) shown << p;
        }
        return shown;
    };
    QStringList labels;
    qputenv("ZEMORA_CONNECTION", (QStringLiteral("embedded:") + dir.path()).toUtf8());
    LocalCurrentUser user([](const QString&) {}, {}, {}, [&](const UpkeepProgress& p) {
        ShowUpkeepProgress(p);
        if (p.steps == 0) return;
        const QList<QProgressDialog*> shown = progressWindows();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0]->maximum(), p.steps);
        labels << shown[0]->labelText();
    });
    user.showmain();
    qunsetenv("ZEMORA_CONNECTION");
    EXPECT_EQ(user.Connected(), std::optional<bool>(true));
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_TRUE(labels.front().contains(QLatin1String("older version"))) << qPrintable(labels.front());
    EXPECT_TRUE(labels.front().contains(QLatin1String("Step 1 of 2: Rebuilding"))) << qPrintable(labels.front());
    EXPECT_TRUE(labels.back().contains(QLatin1String("Step 2 of 2: Adding an index on ESOA_ER(Code)")))
        << qPrintable(labels.back());
    EXPECT_TRUE(progressWindows().isEmpty());
}

TEST(TypedText, ANulOrAnUnpairedSurrogateNeverReachesAStatement) {
    MappingWindow w(MappingWindow::Tables::Sample);
    QLineEdit& box = *w.ui().txtSOADesc;
    box.setFocus();
    // Pasted, as such characters arrive.
    QGuiApplication::clipboard()->setText(QStringLiteral("P") + QChar(0) + QChar(0xD800) + QStringLiteral("A"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("P") + QChar(0xFFFD) + QStringLiteral("A"));
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdSearchSOAItem);
    EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join(QLatin1Char('|')));
}

}  // namespace
}  // namespace esoa::test

namespace esoa::test {
namespace {

// The first start on a fresh demo: lists filled, a link to see, and not one message box.
TEST(DemoDatabase, AFirstStartShowsReadyListsWithoutAMessage) {
    QTemporaryDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });
    LocalCurrentUser user([](const QString& text) { ADD_FAILURE() << qPrintable(text); });
    QElapsedTimer started;
    started.start();
    user.showmain();
    ASSERT_EQ(user.Connected(), std::optional<bool>(true));
    RecordingMessages messages;
    frmESOA_Items form(user, messages);
    form.show();
    const qint64 ms = started.elapsed();
    ScreenControls& ui = form.controls();
    EXPECT_TRUE(messages.shown.isEmpty()) << qPrintable(messages.shown.join(QLatin1Char('|')));
    EXPECT_GT(ui.GridCat->Rows(), 2);
    EXPECT_GT(ui.Grid1->Rows(), 2);
    EXPECT_GT(ui.Grid2->Rows(), 2);
    EXPECT_EQ(user.sqlconnection().Read(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..ESOA_ER_LINK"),
                                        CursorType::ForwardOnly, LockType::ReadOnly)
                  .rows.front()
                  .front(),
              QStringLiteral("1"));
    RecordProperty("FirstStartMilliseconds", int(ms));
}

}  // namespace
}  // namespace esoa::test
