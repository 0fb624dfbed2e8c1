#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "database/Databases.h"
#include "window/user/LocalCurrentUser.h"
#include "window/Startup.h"
#include "window/frmESOA_Items.h"
#include "window/support/FakeCurrentUser.h"
#include "window/support/RecordingMessages.h"

namespace esoa::test {
namespace {

// Start-up with a fake component whose Connected the test decides; the form is a plain widget so
// that only the start-up itself is under test.
struct StartupRun {
    explicit StartupRun(std::optional<bool> connected, bool failCreation = false) {
        startup = std::make_unique<Startup>(
            [=, this]() -> std::unique_ptr<CurrentUser> {
                if (failCreation) throw std::runtime_error("ActiveX component can't create object");
                auto user = std::make_unique<FakeCurrentUser>();
                user->connected = connected;
                this->user = user.get();
                return user;
            },
            [this](CurrentUser&) {
                ++formsCreated;
                auto form = std::make_unique<QWidget>();
                form->setObjectName(QStringLiteral("frmESOA_Items"));
                return form;
            },
            [this](const QString& text) { reported << text; });
    }
    std::unique_ptr<Startup> startup;
    FakeCurrentUser* user = nullptr;
    int formsCreated = 0;
    QStringList reported;
};

TEST(Startup, ConnectedUserGetsTheFormAfterShowmain) {
    StartupRun run(true);
    EXPECT_TRUE(run.startup->Main());
    EXPECT_EQ(run.user->showmainCalls, 1);
    EXPECT_EQ(run.formsCreated, 1);
    ASSERT_NE(run.startup->form(), nullptr);
    EXPECT_TRUE(run.startup->form()->isVisible());
    EXPECT_TRUE(run.reported.isEmpty());
}

TEST(Startup, NotConnectedOrNullEndsSilentlyWithoutAWindow) {
    for (const std::optional<bool> connected : {std::optional<bool>(false), std::optional<bool>()}) {
        StartupRun run(connected);
        EXPECT_FALSE(run.startup->Main());
        EXPECT_EQ(run.user->showmainCalls, 1);
        EXPECT_EQ(run.formsCreated, 0);
        EXPECT_TRUE(run.reported.isEmpty());
    }
}

TEST(Startup, AComponentThatCannotBeCreatedIsReportedAndNoWindowOpens) {
    StartupRun run(true, true);
    EXPECT_FALSE(run.startup->Main());
    EXPECT_EQ(run.formsCreated, 0);
    EXPECT_EQ(run.reported, QStringList{"ActiveX component can't create object"});
}

// The real window on an empty database: closing it by any means stores its placement.
class FormClose : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<frmESOA_Items>(user, messages);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        user.classes.calls.clear();
    }
    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;
    std::unique_ptr<frmESOA_Items> form;
};

TEST_F(FormClose, CloseBoxSavesThePlacement) {
    EXPECT_TRUE(form->close());
    EXPECT_EQ(user.classes.calls, QStringList{"save:frmESOA_Items"});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FormClose, HiddenCloseButtonAndEscapeSaveThePlacementToo) {
    form->controls().cmdClose->click();
    EXPECT_EQ(user.classes.calls, QStringList{"save:frmESOA_Items"});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(user.classes.calls, (QStringList{"save:frmESOA_Items", "save:frmESOA_Items"}));
    EXPECT_FALSE(form->isVisible());
}

TEST(ComponentSettings, NameOneConnectionOrFallBackToTheDemo) {
    const ConnectionSetting embedded = ConnectionSetting::Parse(QStringLiteral("embedded:/data/hospital"));
    EXPECT_EQ(embedded.kind, ConnectionSetting::Kind::Embedded);
    EXPECT_EQ(embedded.target, QStringLiteral("/data/hospital"));
    EXPECT_FALSE(embedded.demo);
    const ConnectionSetting odbc =
        ConnectionSetting::Parse(QStringLiteral("odbc:DRIVER={FreeTDS};SERVER=db;DATABASE=Build_FIle"));
    EXPECT_EQ(odbc.kind, ConnectionSetting::Kind::Odbc);
    EXPECT_EQ(odbc.target, QStringLiteral("DRIVER={FreeTDS};SERVER=db;DATABASE=Build_FIle"));
    EXPECT_TRUE(ConnectionSetting::Parse(QStringLiteral("demo")).demo);
    EXPECT_THROW(ConnectionSetting::Parse(QStringLiteral("mysql:x")), std::invalid_argument);
    EXPECT_THROW(ConnectionSetting::Parse(QStringLiteral("embedded:")), std::invalid_argument);
}

TEST(LocalComponent, ConnectsToTheDemoDatabaseAndSeedsItOnce) {
    QTemporaryDir home;
    qputenv("ZEMORA_CONNECTION", ("embedded:" + home.path()).toUtf8());
    QStringList notices;
    {
        // A named folder without its files is refused unless the user agrees to empty databases.
        QStringList questions;
        LocalCurrentUser refused([&](const QString& text) { notices << text; },
                                 [&](const QString& q) { return questions << q, false; });
        refused.showmain();
        EXPECT_EQ(refused.Connected(), std::optional<bool>(false));
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains(QLatin1String(kBuildFileDb))) << qPrintable(questions[0]);
        EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath(QLatin1String(kBuildFileDb))));
        ASSERT_EQ(notices.size(), 1);
        notices.clear();
        LocalCurrentUser user([&](const QString& text) { notices << text; }, [](const QString&) { return true; });
        user.showmain();
        ASSERT_EQ(user.Connected(), std::optional<bool>(true)) << qPrintable(notices.join(QLatin1Char('\n')));
        // A folder named explicitly is the hospital's own: nothing is seeded into it.
        EXPECT_THROW(user.sqlconnection().Read(QStringLiteral("SELECT * FROM Build_FIle..tbRevenues"),
                                               CursorType::ForwardOnly, LockType::ReadOnly),
                     DbError);
    }
    qunsetenv("ZEMORA_CONNECTION");
    {
        LocalCurrentUser user([&](const QString& text) { notices << text; });
        user.showmain();  // the demo database in the (test's) data folder
        ASSERT_EQ(user.Connected(), std::optional<bool>(true)) << qPrintable(notices.join(QLatin1Char('\n')));
        const ReadResult revenues = user.sqlconnection().Read(
            QStringLiteral("SELECT [RevenueID] FROM [Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 "),
            CursorType::ForwardOnly, LockType::ReadOnly);
        EXPECT_FALSE(revenues.rows.empty());
    }
    {
        LocalCurrentUser again([&](const QString& text) { notices << text; });
        again.showmain();  // already seeded: opens without seeding twice
        EXPECT_EQ(again.Connected(), std::optional<bool>(true));
    }
    EXPECT_TRUE(notices.isEmpty()) << qPrintable(notices.join(QLatin1Char('\n')));
}

TEST(LocalComponent, AFailedConnectionIsToldByTheComponentAndLeavesItDisconnected) {
    qputenv("ZEMORA_CONNECTION", "nonsense");
    QStringList notices;
    LocalCurrentUser user([&](const QString& text) { notices << text; });
    user.showmain();
    qunsetenv("ZEMORA_CONNECTION");
    EXPECT_EQ(user.Connected(), std::optional<bool>(false));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("nonsense")));
    EXPECT_THROW(user.sqlconnection(), DbError);
}

TEST(LocalComponent, WindowPlacementIsRestoredForTheSameForm) {
    QTemporaryDir dir;
    QSettings settings(QDir(dir.path()).filePath(QStringLiteral("component.ini")), QSettings::IniFormat);
    SettingsWindowStore store(settings);
    QWidget form;
    form.setObjectName(QStringLiteral("frmESOA_Items"));
    form.setGeometry(40, 50, 640, 480);
    store.Savewinsettings(form);
    QWidget next;
    next.setObjectName(QStringLiteral("frmESOA_Items"));
    store.loadwinsettings(next);
    EXPECT_EQ(next.size(), QSize(640, 480));
}

}  // namespace
}  // namespace esoa::test
