#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include "database/Connection.h"
#include "database/Databases.h"
#include "database/DbError.h"
#include "database/SqlText.h"

// The SQL Server path runs through Qt's ODBC driver. Here it is driven against the SQLite ODBC
// driver, with the embedded translation, so that the ODBC code (Unicode, parameters, NULLs,
// errors) runs on every build.

namespace esoa::test {
namespace {

class OdbcConnection : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"))) GTEST_SKIP() << "Qt's ODBC driver is missing";
        const QDir dir(dir_.path());
        const QStringList setup{
            QStringLiteral("ATTACH DATABASE '%1' AS Build_FIle").arg(dir.filePath(QStringLiteral("build.sqlite"))),
            QStringLiteral("ATTACH DATABASE '%1' AS Inventory").arg(dir.filePath(QStringLiteral("inventory.sqlite"))),
        };
        connection_ = OpenOdbc(
            QStringLiteral("DRIVER={SQLite3};Database=%1").arg(dir.filePath(QStringLiteral("main.sqlite"))),
            Dialect::Sqlite, setup);
        connection_->Execute(QStringLiteral(
            "CREATE TABLE [Build_FIle].[dbo].[ESOA_ER](    [ID]                [bigint] IDENTITY(1,1) NOT NULL,"
            "    [Code]              [varchar](50) NULL,    [Category]          [varchar](50) NULL,"
            "    [Description]       [varchar](250) NULL,    [FixedFee]          SMALLMONEY NULL,"
            "    [ChargingUnit]      [varchar](50) NULL,)"));
    }

    // The import's insert-or-update of one line.
    void importLine(const QString& code, const QString& description, const QString& fee) {
        Recordset rs = connection_->OpenRecordset(
            QStringLiteral("SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE Code = '") + sql::Escaped(code) +
                QStringLiteral("'   "),
            CursorType::Dynamic, LockType::Optimistic);
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField(QStringLiteral("Code"), code);
            rs.SetField(QStringLiteral("Description"), description);
            rs.SetField(QStringLiteral("FixedFee"), fee);
        }
        rs.Update();
        rs.Close();
    }

    ReadResult all() {
        return connection_->Read(QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 "),
                                 CursorType::ForwardOnly, LockType::ReadOnly);
    }

    QTemporaryDir dir_;
    std::unique_ptr<Connection> connection_;
};

TEST_F(OdbcConnection, UnicodeAndApostrophesRoundTripThroughParametersAndLiterals) {
    const QString code = QString::fromUtf8("SE\u00D1OR-1'");
    const QString description = QString::fromUtf8("Ni\u00F1o\u2019s consultation 'ER'");
    importLine(code, description, QStringLiteral("350.75"));
    importLine(code, QStringLiteral("second time: unchanged"), QStringLiteral("1"));
    const ReadResult r = all();
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][1], code);
    EXPECT_EQ(r.rows[0][3], description);
    EXPECT_EQ(r.rows[0][4].toDouble(), 350.75);
}

TEST_F(OdbcConnection, EmptyFeeIsNullAndNullReadsAsEmpty) {
    importLine(QStringLiteral("ER-1"), QStringLiteral("no fee"), QString());
    const ReadResult r = all();
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][4], QString());
    EXPECT_EQ(r.rows[0][5], QString());  // ChargingUnit never set
    std::vector<QStringList> each;
    connection_->ReadEach(QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK)"),
                          [&](const QStringList& row) { each.push_back(row); });
    EXPECT_EQ(each, r.rows);
}

TEST_F(OdbcConnection, ARefusedValueIsADatabaseErrorWithTheDriversMessage) {
    try {
        importLine(QStringLiteral("ER-2"), QStringLiteral("bad fee"), QStringLiteral("abc"));
        FAIL() << "a fee that is not a number must be refused";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_TRUE(all().rows.empty());
    EXPECT_THROW(connection_->Execute(QStringLiteral("DROP TABLE [Build_FIle].[dbo].[Missing]")), DbError);
}

TEST(OdbcConnectionOpen, AConnectionThatCannotBeMadeReportsTheDriversReason) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"))) GTEST_SKIP() << "Qt's ODBC driver is missing";
    try {
        OpenOdbc(QStringLiteral("DRIVER={No Such Driver};SERVER=nowhere"));
        FAIL() << "the connection must fail";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.description().isEmpty());
    }
}

// A commit the database refuses leaves the transaction open for the rollback that follows, which
// undoes its work; the next transaction then runs as usual. (SQLite checks a deferred foreign key at
// the commit.)
TEST(OdbcConnectionTransaction, AFailedCommitLeavesTheTransactionToItsRollback) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        GTEST_SKIP() << "Qt's ODBC driver is missing";
    QTemporaryDir dir;
    const auto connection = OpenOdbc(
        QStringLiteral("DRIVER={SQLite3};Database=%1")
            .arg(QDir(dir.path()).filePath(QStringLiteral("main.sqlite"))),
        Dialect::Sqlite,
        {QStringLiteral("ATTACH DATABASE '%1' AS Build_FIle")
             .arg(QDir(dir.path()).filePath(QStringLiteral("b.sqlite"))),
         QStringLiteral("PRAGMA foreign_keys=ON"),
         QStringLiteral("CREATE TABLE Build_FIle.Parent(ID INTEGER PRIMARY KEY)"),
         QStringLiteral(
             "CREATE TABLE Build_FIle.Child(ParentID INTEGER REFERENCES Parent(ID) DEFERRABLE INITIALLY "
             "DEFERRED)")});
    Connection& c = *connection;
    const QString child = QStringLiteral("INSERT INTO [Build_FIle].[dbo].[Child] (ParentID) VALUES (1)");
    c.Begin();
    c.Execute(child);
    EXPECT_THROW(c.Commit(), DbError);
    EXPECT_TRUE(c.inTransaction());
    c.Rollback();
    EXPECT_FALSE(c.inTransaction());
    c.Execute(QStringLiteral("INSERT INTO [Build_FIle].[dbo].[Parent] (ID) VALUES (1)"));
    {
        Transaction t(c);
        c.Execute(child);
        t.Commit();
    }
    EXPECT_FALSE(c.inTransaction());
    EXPECT_EQ(c.Read(QStringLiteral("SELECT COUNT(*) FROM [Build_FIle].[dbo].[Child] WITH (NOLOCK)"),
                     CursorType::ForwardOnly, LockType::ReadOnly)
                  .rows.front()
                  .front(),
              QStringLiteral("1"));
}

// A server that accepts the connection and never answers must not hang the program: the log-in
// gives up after its time-out (FreeTDS, the SQL Server driver of Debian, against a silent port).
TEST(OdbcConnectionOpen, AServerThatNeverAnswersTimesOutInsteadOfHanging) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"))) GTEST_SKIP() << "Qt's ODBC driver is missing";
    QFile drivers(QStringLiteral("/etc/odbcinst.ini"));
    if (!drivers.open(QIODevice::ReadOnly) || !drivers.readAll().contains("[FreeTDS]"))
        GTEST_SKIP() << "the FreeTDS driver (tdsodbc) is not installed";
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    QElapsedTimer clock;
    clock.start();
    try {
        OpenOdbc(QStringLiteral("DRIVER={FreeTDS};SERVER=127.0.0.1;PORT=%1;TDS_Version=7.4;UID=sa;PWD=secret")
                     .arg(silent.serverPort()),
                 Dialect::SqlServer, {}, Timeouts{2, 60});
        FAIL() << "a silent server cannot be connected to";
    } catch (const DbError& e) {
        EXPECT_EQ(e.cause(), DbError::Cause::Connection);
        EXPECT_FALSE(e.description().contains(QLatin1String("secret")));
    }
    EXPECT_LT(clock.elapsed(), 15000);
}

}  // namespace
}  // namespace esoa::test
