// The T-SQL the program sends, translated and run on the embedded database: exact texts for a few
// shapes, the resulting schema and rows for the rest, and the refusals of everything else.

#include <gtest/gtest.h>

#include <QSqlRecord>
#include <QStringList>

#include "core/reference/ReferenceSchema.h"
#include "database/DbError.h"
#include "database/tsql/TsqlToSqlite.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

using sql::TranslateToSqlite;

struct Case {
    const char* tsql;
    const char* sqlite;
};

TEST(TsqlToSqliteTest, TranslatesTheShapesTheProgramSendsToTheseExactTexts) {
    const Case cases[] = {
        {"SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ",
         "SELECT DISTINCT Category FROM Build_FIle.[ESOA_ER] WHERE 1=1 "},
        {" SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory..tbInvMaster A  "
         "WITH (NOLOCK)"
         "    LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID  WHERE  a.itemstatus = 0 "
         " AND ItemName like '%par%'   order by a.ItemName",
         " SELECT A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory.tbInvMaster A"
         "    LEFT OUTER JOIN Inventory.tbForGeneric B ON a.GenericID=b.GenericID  WHERE  a.itemstatus = 0 "
         " AND ItemName like '%par%'   order by a.ItemName LIMIT 500"},
        {"select RevenueID,itemname from Build_FIle..tbcorevenuecode WITH (NOLOCK)  where Recordstatus='A' "
         " AND (LocationID IS NULL OR LocationID = '')ORDER BY itemname",
         "select RevenueID,itemname from Build_FIle.tbcorevenuecode  where Recordstatus='A' "
         " AND (LocationID IS NULL OR LocationID = '')ORDER BY itemname"},
        {"ALTER TABLE BUILD_FILE..tbCoXrayExam DROP COLUMN ESOA_Code   ",
         "ALTER TABLE Build_FIle.tbCoXrayExam DROP COLUMN ESOA_Code   "},
        {"DROP TABLE [Build_FIle].[dbo].[ESOA_ITEM]", "DROP TABLE Build_FIle.[ESOA_ITEM]"},
        {"SELECT L.ID,T1.ItemName FROM [Build_FIle].[dbo].[ESOA_ER_LINK] L WITH (NOLOCK) LEFT OUTER JOIN "
         "Inventory..tbInvMaster T1 WITH (NOLOCK) ON T1.ItemID = CASE WHEN (L.InvOrProc = 'INV') AND "
         "RTRIM(L.ItemID) NOT LIKE '%[^0-9]%' THEN L.ItemID ELSE NULL END ORDER BY L.ID",
         "SELECT L.ID,T1.ItemName FROM Build_FIle.[ESOA_ER_LINK] L LEFT OUTER JOIN "
         "Inventory.tbInvMaster T1 ON T1.ItemID = CASE WHEN (L.InvOrProc = 'INV') AND "
         "RTRIM(L.ItemID) NOT LIKE '%[^0-9]%' THEN L.ItemID ELSE NULL END ORDER BY L.ID"},
        {"SELECT ID, Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (UPDLOCK, HOLDLOCK) WHERE ID > 7",
         "SELECT ID, Code FROM Build_FIle.[ESOA_ER] WHERE ID > 7"},
        {"SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] with ( rowlock,updlock ) WHERE 1=1",
         "SELECT * FROM Build_FIle.[ESOA_ER] WHERE 1=1"},
        {"CREATE CLUSTERED INDEX [by_ID] ON [Build_File].[dbo].[ESOA_ER](    [ID] Asc)",
         "CREATE INDEX Build_FIle.[ESOA_ER__by_ID] ON [ESOA_ER](    [ID] Asc)"},
        {"CREATE TABLE [Build_FIle].[dbo].[T](    [ID]                [bigint] IDENTITY(1,1) NOT NULL,"
         "    [Code]              [varchar](50)  NULL,    [FixedFee]          SMALLMONEY     NULL,"
         "    [SortOrder]         [smallint] NULL ,)",
         "CREATE TABLE Build_FIle.[T](    [ID]                INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL,"
         "    [Code]              VARCHAR(50) COLLATE NOCASE CHECK(length([Code]) <= 50)  NULL,"
         "    [FixedFee]          REAL CHECK([FixedFee] IS NULL OR (typeof([FixedFee]) IN ('integer', "
         "'real') AND "
         "[FixedFee] BETWEEN -214748.3648 AND 214748.3647))     NULL,"
         "    [SortOrder]         INTEGER CHECK([SortOrder] IS NULL OR (typeof([SortOrder]) = 'integer' AND "
         "[SortOrder] BETWEEN -32768 AND 32767)) NULL )"},
        {"INSERT INTO [Build_FIle].[dbo].ESOA_ER_LINK ([ItemID],[RevenueID]) VALUES (?,?)",
         "INSERT INTO Build_FIle.ESOA_ER_LINK ([ItemID],[RevenueID]) VALUES (?,?)"},
        {"INSERT INTO [Build_FIle].[dbo].ESOA_ER DEFAULT VALUES",
         "INSERT INTO Build_FIle.ESOA_ER DEFAULT VALUES"},
        {"UPDATE [Build_FIle].[dbo].ESOA_ER_LINK SET [ItemDesc]=?,[CODE]=? WHERE [ID]=?",
         "UPDATE Build_FIle.ESOA_ER_LINK SET [ItemDesc]=?,[CODE]=? WHERE [ID]=?"},
        {"SELECT * FROM [Build_FIle].[dbo].ESOA_ITEM WHERE Code = N'Señor'   ",
         "SELECT * FROM Build_FIle.ESOA_ITEM WHERE Code = 'Señor'   "},
        {"INSERT INTO [Build_FIle].[dbo].[H] (Kind) OUTPUT INSERTED.ID VALUES (N'save')",
         "INSERT INTO Build_FIle.[H] (Kind) VALUES ('save') RETURNING ID"},
        {"SELECT ID, CAST(A.At AS nvarchar(34)) AS At FROM [Build_FIle].[dbo].[H] A",
         "SELECT ID, CAST(A.At AS TEXT) AS At FROM Build_FIle.[H] A"},
        {"CREATE TABLE [Build_FIle].[dbo].[H]([A] [bigint] NOT NULL, [U] [nvarchar](9) NULL)",
         "CREATE TABLE Build_FIle.[H]([A] INTEGER CHECK([A] IS NULL OR typeof([A]) = 'integer') NOT NULL, "
         "[U] VARCHAR(9) COLLATE NOCASE CHECK(length([U]) <= 9) NULL)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TranslateToSqlite(QString::fromUtf8(c.tsql)), QString::fromUtf8(c.sqlite)) << c.tsql;
    }
}

TEST(TsqlToSqliteTest, LeavesStringLiteralsAndBracketedNamesAsWritten) {
    const Case cases[] = {
        {"SELECT * FROM t WHERE Code='WITH (NOLOCK)'", "SELECT * FROM t WHERE Code='WITH (NOLOCK)'"},
        {"SELECT * FROM t WHERE Code='TOP 5'", "SELECT * FROM t WHERE Code='TOP 5'"},
        {"SELECT * FROM t WHERE Code='Inventory..tbInvMaster'",
         "SELECT * FROM t WHERE Code='Inventory..tbInvMaster'"},
        {"SELECT * FROM t WHERE Code='a -- b /* c */'", "SELECT * FROM t WHERE Code='a -- b /* c */'"},
        {"SELECT * FROM t WHERE Code='a; DROP TABLE t'", "SELECT * FROM t WHERE Code='a; DROP TABLE t'"},
        {"SELECT * FROM t WHERE Code='[x]' AND Category='GETDATE() + EXEC'",
         "SELECT * FROM t WHERE Code='[x]' AND Category='GETDATE() + EXEC'"},
        {"SELECT * FROM t WHERE Code='it''s N''x'''", "SELECT * FROM t WHERE Code='it''s N''x'''"},
        {"SELECT [TOP],[a..b],[x;y],[WITH (NOLOCK)] FROM [Build_FIle].[dbo].[odd -- name]",
         "SELECT [TOP],[a..b],[x;y],[WITH (NOLOCK)] FROM Build_FIle.[odd -- name]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TranslateToSqlite(QString::fromUtf8(c.tsql)), QString::fromUtf8(c.sqlite));
}

TEST(TsqlToSqliteTest, ReadsEveryWayTheProgramWritesADatabaseName) {
    const Case cases[] = {
        {"DROP TABLE [Build_FIle].[dbo].[T]", "DROP TABLE Build_FIle.[T]"},
        {"DROP TABLE [Build_FIle].[dbo].T", "DROP TABLE Build_FIle.T"},
        {"DROP TABLE Build_FIle..T", "DROP TABLE Build_FIle.T"},
        {"DROP TABLE [Build_File]..[T]", "DROP TABLE Build_FIle.[T]"},
        {"DROP TABLE BUILD_FILE.DBO.T", "DROP TABLE Build_FIle.T"},
        {"DROP TABLE inventory..tbForGeneric", "DROP TABLE Inventory.tbForGeneric"},
        {"DROP TABLE INVENTORY..tbInvMaster", "DROP TABLE Inventory.tbInvMaster"},
        {"DROP TABLE T", "DROP TABLE T"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TranslateToSqlite(QString::fromUtf8(c.tsql)), QString::fromUtf8(c.sqlite));
}

TEST(TsqlToSqliteTest, RefusesWhatItDoesNotTranslateAndNamesIt) {
    const Case cases[] = {
        {"EXEC sp_who", "'EXEC'"},
        {"exec sp_who", "'EXEC'"},
        {"MERGE INTO t USING s ON 1=1", "'MERGE'"},
        {"TRUNCATE TABLE [Build_FIle].[dbo].[T]", "'TRUNCATE'"},
        {"CREATE VIEW v AS SELECT 1", "'CREATE VIEW'"},
        {"CREATE UNIQUE INDEX [x] ON [Build_FIle].[dbo].[T]([a])", "'CREATE UNIQUE'"},
        {"DROP INDEX [x] ON [Build_FIle].[dbo].[T]", "'DROP INDEX'"},
        {"ALTER TABLE [Build_FIle].[dbo].[T] ADD [x] [varchar](5) NULL", "'ALTER TABLE ... ADD'"},
        {"SELECT * FROM t; SELECT * FROM u", "more than one statement (';')"},
        {"SELECT * FROM t -- why", "comments ('--')"},
        {"SELECT * /* all */ FROM t", "comments ('/*')"},
        {"SELECT * FROM t GO", "'GO'"},
        {"SELECT GETDATE() FROM t", "the function 'GETDATE'"},
        {"SELECT ISNULL(Code, '') FROM t", "the function 'ISNULL'"},
        {"SELECT CONVERT(varchar(5), Code) FROM t", "the function 'CONVERT'"},
        {"SELECT Code + 'x' FROM t", "'+'"},
        {"SELECT * FROM t WITH (TABLOCKX)", "the table hint 'TABLOCKX'"},
        {"SELECT * FROM t WITH (UPDLOCK, UPDLOCK)", "the table hint 'UPDLOCK'"},
        {"SELECT * FROM t WITH (NOLOCK, HOLDLOCK)", "NOLOCK together with other table hints"},
        {"SELECT * FROM t WITH (UPDLOCK HOLDLOCK)", "table hints other than a list of words"},
        {"SELECT * FROM t WHERE Code IN (SELECT Code FROM u)", "a SELECT inside another statement"},
        {"SELECT * FROM t UNION SELECT * FROM u", "'UNION'"},
        {"SELECT TOP (5) * FROM t", "TOP without a plain row count"},
        {"SELECT * FROM t LIMIT 5", "'LIMIT'"},
        {"SELECT @x", "variables ('@x')"},
        {"SELECT * FROM #work", "temporary tables ('#work')"},
        {"SELECT * FROM master..sysobjects", "the database 'master'"},
        {"SELECT * FROM [Build_FIle].[sys].[T]", "the schema 'sys'"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [datetime] NULL)", "the column type 'datetime'"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [varchar](max) NULL)",
         "varchar without a length from 1 to 8000"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [bigint] IDENTITY(0,5) NOT NULL)",
         "bigint other than IDENTITY(1,1)"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [varchar](5) DEFAULT 'x')",
         "'DEFAULT' in a column of CREATE TABLE"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [varchar](5) NULL) ON [PRIMARY]",
         "'ON' after the column list of CREATE TABLE"},
        {"CREATE TABLE T([a] [varchar](5) NULL)", "CREATE TABLE on 'T' without its database name"},
        {"INSERT t (a) VALUES (1)", "'INSERT' without INTO"},
        {"INSERT INTO t (a) VALUES (GETDATE())", "the function 'GETDATE'"},
        {"UPDATE t SET a=1 FROM t JOIN u ON 1=1", "'FROM'"},
        {"", "an empty statement"},
        {"SELECT * FROM t WHERE Code='x'N'y'", "two literals in a row ('x'N'y')"},
        {"SELECT * FROM t WHERE Code='x' 'y'", "two literals in a row ('x''y')"},
        {"SELECT CAST(a AS int) FROM t", "CAST other than to a text"},
        {"UPDATE t SET a=CAST(b AS varchar(5))", "the function 'CAST'"},
        {"INSERT INTO t (a) OUTPUT DELETED.a VALUES (1)", "OUTPUT other than of one column of INSERTED"},
        {"INSERT INTO t (a) OUTPUT INSERTED.a INTO u VALUES (1)", "OUTPUT other than before VALUES"},
        {"CREATE TABLE [Build_FIle].[dbo].[T]([a] [nvarchar](5000) NULL)",
         "nvarchar without a length from 1 to 4000"},
    };
    for (const Case& c : cases) {
        try {
            TranslateToSqlite(QString::fromUtf8(c.tsql));
            ADD_FAILURE() << "not refused: " << c.tsql;
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(),
                      QStringLiteral("The embedded database does not handle %1.").arg(c.sqlite))
                << c.tsql;
            EXPECT_EQ(e.statement(), QString::fromUtf8(c.tsql));
        }
    }
}

// A SELECT's table read from elsewhere: only where the statement names that very table, with the
// tie-break added to the ORDER BY that ends it; anything else is refused (empty: refused).
TEST(TsqlToSqliteTest, ATableReadFromElsewhereTakesItsSourceWhereTheStatementNamesIt) {
    const sql::TableSource items{"Inventory.tbInvMaster", "(SELECT rowid AS r, * FROM Inventory.tbInvMaster)",
                                 "r"};
    const Case cases[] = {
        {"SELECT TOP 5 A.ItemID FROM Inventory..tbInvMaster A WITH (NOLOCK) WHERE A.itemstatus = 0 order by "
         "a.ItemName",
         "SELECT A.ItemID FROM (SELECT rowid AS r, * FROM Inventory.tbInvMaster) A WHERE A.itemstatus = 0 "
         "order by a.ItemName, r LIMIT 5"},
        {"SELECT A.ItemID FROM [Inventory].[dbo].[TBINVMASTER] A LEFT JOIN Inventory..tbForGeneric B ON "
         "A.GenericID=B.GenericID ORDER BY A.ItemName",
         "SELECT A.ItemID FROM (SELECT rowid AS r, * FROM Inventory.tbInvMaster) A LEFT JOIN "
         "Inventory.tbForGeneric B ON A.GenericID=B.GenericID ORDER BY A.ItemName, r"},
        {"SELECT A.ItemID FROM Inventory..tbInvMaster A", ""},
        {"SELECT A.ItemID FROM Inventory..tbInvMaster A JOIN Inventory..tbInvMaster B ON A.ItemID=B.ItemID "
         "ORDER BY A.ItemName",
         ""},
        {"SELECT A.ItemID FROM Inventory..tbInvMaster A GROUP BY A.ItemID", ""},
        {"SELECT B.GenericID FROM Inventory..tbForGeneric B ORDER BY B.GenericName", ""},
        {"SELECT tbInvMaster.ItemID FROM Build_FIle..tbInvMaster ORDER BY ItemName", ""},
        {"DELETE FROM Inventory..tbInvMaster WHERE ItemID = 1", ""},
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(sql::TranslateToSqlite(QString::fromUtf8(c.tsql), items), QString::fromUtf8(c.sqlite))
                << c.tsql;
        } catch (const DbError& e) {
            EXPECT_STREQ(c.sqlite, "") << c.tsql << ": " << qPrintable(e.description());
        }
    }
}

TEST(TsqlToSqliteTest, IndexNamesAreQualifiedByTheirTable) {
    EXPECT_EQ(sql::SqliteIndexName("ESOA_ER", "by_ID"), "ESOA_ER__by_ID");
    EXPECT_EQ(sql::SqliteIndexName("ESOA_ER_LINK", "by_ItemID"), "ESOA_ER_LINK__by_ItemID");
}

// The table creation of the maintenance panel, as it sends it.
QStringList createStatements(const QString& t) {
    return CreateTableStatements(t);
}

class EmbeddedTranslationTest : public ::testing::Test {
protected:
    // Runs the table creation; returns which statements (by 1-based number) failed.
    QList<int> CreateTables(const QString& t) {
        QList<int> failed;
        const QStringList statements = createStatements(t);
        for (int i = 0; i < statements.size(); ++i) {
            try {
                db.connection().Execute(statements[i]);
            } catch (const DbError&) {
                failed << i + 1;
            }
        }
        return failed;
    }

    // Rows of a statement run as it stands on the embedded connection (PRAGMAs).
    std::vector<QStringList> RawRows(const QString& sqlite) { return db.RawRows(sqlite); }
    QStringList Indexes(const QString& table) {
        QStringList names;
        for (const QStringList& row : RawRows("PRAGMA Build_FIle.index_list('" + table + "')"))
            names << row[1];
        names.sort();
        return names;
    }

    // The insert-or-update of the import: adds a reference row when its code is new.
    void Import(const QString& code, const QString& category, const QString& fee = {}) {
        Recordset rs = db.connection().OpenRecordset(
            "SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE Code = '" + code + "'   ", CursorType::Dynamic,
            LockType::Optimistic);
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField("Code", code);
            rs.SetField("Category", category);
            rs.SetField("FixedFee", fee);
        }
        rs.Update();
        rs.Close();
    }

    QStringList Column(const QString& tsql, int column = 0) { return db.Column(tsql, column); }

    test::TestDatabase db;
};

TEST_F(EmbeddedTranslationTest, TableCreationMakesBothTablesWithTheirColumnsAndIndexes) {
    EXPECT_EQ(CreateTables("ESOA_ER"), (QList<int>{1, 2, 3, 4, 5}));  // nothing there to alter or drop yet

    QStringList columns;
    for (const QStringList& row : RawRows("PRAGMA Build_FIle.table_info('ESOA_ER_LINK')"))
        columns << row[1] + " " + row[2];
    EXPECT_EQ(columns, (QStringList{"ID INTEGER", "Code VARCHAR(50)", "Category VARCHAR(50)",
                                    "Description VARCHAR(250)", "FixedFee REAL", "ChargingUnit VARCHAR(50)",
                                    "ItemID VARCHAR(50)", "ItemDesc VARCHAR(250)", "InvOrProc VARCHAR(20)",
                                    "RevenueID VARCHAR(20)", "SectionID VARCHAR(20)", "SortOrder INTEGER"}));
    // With the embedded database's own index on Code.
    EXPECT_EQ(Indexes("ESOA_ER"),
              (QStringList{"ESOA_ER__by_Category_Description", "ESOA_ER__by_ID", "ESOA_ER__esoa_Code"}));
    EXPECT_EQ(Indexes("ESOA_ER_LINK"),
              (QStringList{"ESOA_ER_LINK__by_Category_Description", "ESOA_ER_LINK__by_ID",
                           "ESOA_ER_LINK__by_ItemID", "ESOA_ER_LINK__esoa_Code"}));

    // A second run re-creates the reference table; the link table and its indexes exist already.
    EXPECT_EQ(CreateTables("ESOA_ER"), (QList<int>{1, 2, 3, 4, 9, 10, 11, 12}));
    EXPECT_EQ(Indexes("ESOA_ER").size(), 3);
    EXPECT_EQ(Indexes("ESOA_ER_LINK").size(), 4);
}

TEST_F(EmbeddedTranslationTest, AlterDropsAColumnOnlyWhereItExists) {
    db.Raw("CREATE TABLE Inventory.tbInvMaster(ItemID INTEGER, ItemName TEXT, ESOA_Code TEXT)");
    db.connection().Execute("ALTER TABLE INVENTORY..tbInvMaster DROP COLUMN ESOA_Code   ");
    EXPECT_EQ(RawRows("PRAGMA Inventory.table_info('tbInvMaster')").size(), 2u);
    EXPECT_THROW(db.connection().Execute("ALTER TABLE INVENTORY..tbInvMaster DROP COLUMN ESOA_Code   "),
                 DbError);
}

TEST_F(EmbeddedTranslationTest, IdentityStartsAtOneNeverReusesAndRestartsWithANewTable) {
    CreateTables("ESOA_ER");
    Import("A", "Lab");
    Import("B", "Lab");
    db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER] WHERE Code='B' ");
    Import("C", "Lab");
    EXPECT_EQ(Column("SELECT ID FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ORDER BY ID"),
              (QStringList{"1", "3"}));

    CreateTables("ESOA_ER");
    Import("D", "Lab");
    EXPECT_EQ(Column("SELECT ID FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 "),
              QStringList{"1"});
}

TEST_F(EmbeddedTranslationTest, RefusesValuesThatDoNotFitTheirColumnType) {
    CreateTables("ESOA_ER");
    const struct {
        const char* field;
        QString value;
        bool accepted;
    } cases[] = {
        {"Code", QString(50, 'x'), true},
        {"Code", QString(50, QChar(0x00D1)), true},  // length counts characters, not bytes
        {"Code", QString(51, 'x'), false},
        {"FixedFee", "1500.50", true},
        {"FixedFee", "214748.3647", true},
        {"FixedFee", "-214748.3648", true},
        {"FixedFee", "214748.3648", false},
        {"FixedFee", "-214748.3649", false},
        {"FixedFee", "abc", false},
        {"FixedFee", "12abc", false},
        // Converted as SQL Server converts a text to money.
        {"FixedFee", "1,200.00", true},
        {"FixedFee", "$75.00", true},
        {"FixedFee", " 75.00 ", true},
        {"FixedFee", "1e3", false},
        {"SortOrder", "32767", true},
        {"SortOrder", "-32768", true},
        {"SortOrder", "32768", false},
        {"SortOrder", "-32769", false},
        {"SortOrder", "1.5", false},
    };
    for (const auto& c : cases) {
        Recordset rs = db.connection().OpenRecordset(
            "SELECT * FROM [Build_FIle].[dbo].ESOA_ER_LINK  WHERE      RevenueID ='X' AND ItemID    ='1'",
            CursorType::Dynamic, LockType::Optimistic);
        rs.AddNew();
        rs.SetField(c.field, c.value);
        if (c.accepted) {
            EXPECT_NO_THROW(rs.Update()) << c.field << " " << c.value.toStdString();
        } else {
            EXPECT_THROW(rs.Update(), DbError) << c.field << " " << c.value.toStdString();
        }
    }
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=1 "),
              10);
    EXPECT_EQ(db.Column("SELECT FixedFee FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=1 "
                        "ORDER BY ID")
                  .mid(5, 3),
              (QStringList{"1200", "75", "75"}));
}

TEST_F(EmbeddedTranslationTest, MoneyTextIsStoredAsANumberAndEmptyMoneyAsNull) {
    CreateTables("ESOA_ER");
    Import("A", "Lab", "1500.50");
    Import("B", "Lab", "");
    Import("C", "Lab", "12.34567");  // rounded to four decimals, as SMALLMONEY keeps it
    const ReadResult result = db.connection().Read(
        " SELECT TOP 1000 [ID]       ,[Code]       ,[FixedFee]   FROM [Build_FIle].[dbo].[ESOA_ER] WITH "
        "(NOLOCK) "
        "WHERE 1=1 ORDER BY Code",
        CursorType::ForwardOnly, LockType::ReadOnly);
    EXPECT_EQ(result.fields, (QStringList{"ID", "Code", "FixedFee"}));
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_EQ(result.rows[0][2], "1500.5");
    EXPECT_EQ(result.rows[1][2], "");
    EXPECT_EQ(result.rows[2][2], "12.3457");
    EXPECT_EQ(
        db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE FixedFee IS NULL"),
        1);
}

TEST_F(EmbeddedTranslationTest, UpdateRewritesTheRowFoundByItsKey) {
    CreateTables("ESOA_ER");
    for (const char* code : {"A", "B"}) {
        Recordset rs = db.connection().OpenRecordset(
            "SELECT * FROM [Build_FIle].[dbo].ESOA_ER_LINK  WHERE      RevenueID ='LB' AND ItemID    ='7'",
            CursorType::Dynamic, LockType::Optimistic);
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField("ItemID", "7");
            rs.SetField("RevenueID", "LB");
        }
        rs.SetField("CODE", code);
        rs.SetField("FixedFee", "10");
        rs.Update();
        rs.Close();
    }
    EXPECT_EQ(Column("SELECT Code FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=1 "),
              QStringList{"B"});
}

class EmbeddedQueryTest : public EmbeddedTranslationTest {
protected:
    void SetUp() override {
        CreateTables("ESOA_ER");
        for (const char* row : {"('A1', 'Laboratory', 'CBC Complete')", "('A2', 'Laboratory', 'Urinalysis')",
                                "('B1', 'Imaging', 'Chest X-Ray')", "('C1', '', 'No category')",
                                "('D1', NULL, 'Null category')"}) {
            db.Raw(QStringLiteral("INSERT INTO Build_FIle.ESOA_ER (Code, Category, Description) VALUES %1")
                       .arg(row));
        }
        db.Raw(
            "CREATE TABLE Inventory.tbInvMaster(ItemID INTEGER, ItemName TEXT COLLATE NOCASE, ItemDesc TEXT, "
            "GenericID INTEGER, itemstatus INTEGER);"
            "CREATE TABLE Inventory.tbForGeneric(GenericID INTEGER, GenericName TEXT COLLATE NOCASE);"
            "INSERT INTO Inventory.tbForGeneric VALUES (1, 'Paracetamol');"
            "INSERT INTO Inventory.tbInvMaster VALUES (10, 'Biogesic 500mg', 'tab', 1, 0), "
            "(11, 'Aspirin', 'tab', NULL, 0), (12, 'Old Biogesic', 'tab', 1, 1), (13, 'Calpol', 'syr', 1, 0);"
            "CREATE TABLE Build_FIle.tbcorevenuecode(RevenueID TEXT, itemname TEXT, Recordstatus TEXT, "
            "LocationID TEXT);"
            "INSERT INTO Build_FIle.tbcorevenuecode VALUES ('ER', 'Emergency', 'A', NULL), ('OR', "
            "'Operating', 'A', ''),"
            "('PH', 'Pharmacy', 'A', 'PH01'), ('XX', 'Closed', 'I', NULL);");
    }
};

TEST_F(EmbeddedQueryTest, SelectShapesReturnTheirRows) {
    const struct {
        const char* tsql;
        QStringList expected;
    } cases[] = {
        {"SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1  AND Description like '%x-r%'  ",
         {"B1"}},
        {"SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1  AND Description like '%a%'   "
         "AND "
         "Category='laboratory'  ",
         {"A2"}},
        {"SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1  AND Category=''  ", {"C1"}},
        {"SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE Code = 'a1 '   ", {"A1"}},
        {"SELECT Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE Category IS NULL", {"D1"}},
        {"SELECT Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE Category IS NOT NULL AND "
         "Category <> '' "
         "ORDER BY Code DESC",
         {"B1", "A2", "A1"}},
        {"SELECT TOP 2 Code FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE (Code = 'A1' OR Code='B1') "
         "OR "
         "Code='C1' ORDER BY Code",
         {"A1", "B1"}},
        {"SELECT MIN(Code) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ", {"A1"}},
        {"SELECT MAX(Code) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ", {"D1"}},
    };
    for (const auto& c : cases) {
        const int codeColumn = QString(c.tsql).startsWith("SELECT *") ? 1 : 0;
        EXPECT_EQ(Column(c.tsql, codeColumn), c.expected) << c.tsql;
    }
}

TEST_F(EmbeddedQueryTest, DistinctCategoryKeepsTheColumnName) {
    const ReadResult result = db.connection().Read(
        "SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ",
        CursorType::ForwardOnly, LockType::ReadOnly);
    EXPECT_EQ(result.fields, QStringList{"Category"});
    EXPECT_EQ(result.rows.size(), 4u);  // Laboratory, Imaging, the empty text and NULL
}

TEST_F(EmbeddedQueryTest, InventorySearchJoinsGenericsAndLimitsRows) {
    const QString start =
        " SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory..tbInvMaster A  "
        "WITH (NOLOCK)"
        "    LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID  WHERE  a.itemstatus = 0 ";
    const ReadResult all =
        db.connection().Read(start + " order by a.ItemName", CursorType::Dynamic, LockType::Optimistic);
    EXPECT_EQ(all.fields, (QStringList{"ItemID", "ItemName", "ItemDesc", "GenericName"}));
    ASSERT_EQ(all.rows.size(), 3u);
    EXPECT_EQ(all.rows[0], (QStringList{"11", "Aspirin", "tab", ""}));
    EXPECT_EQ(
        Column(start + " AND ItemName like '%BIO%'   AND GenericName like '%para%'   order by a.ItemName", 1),
        QStringList{"Biogesic 500mg"});
    QString two = start + " order by a.ItemName";
    two.replace("TOP 500", "TOP 2");
    EXPECT_EQ(Column(two, 1), (QStringList{"Aspirin", "Biogesic 500mg"}));
}

TEST_F(EmbeddedQueryTest, RevenueCodesFollowTheLocationFilterAndSortWithAGluedOrderBy) {
    const QString start =
        "select RevenueID,itemname from Build_FIle..tbcorevenuecode WITH (NOLOCK)  where Recordstatus='A' ";
    EXPECT_EQ(Column(start + " AND (LocationID IS NOT NULL AND LocationID <> '')ORDER BY itemname"),
              QStringList{"PH"});
    EXPECT_EQ(Column(start + " AND (LocationID IS NULL OR LocationID = '')ORDER BY itemname"),
              (QStringList{"ER", "OR"}));
}

TEST_F(EmbeddedQueryTest, DeleteRemovesOnlyTheRowsItNames) {
    db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER] WHERE Code='A1' ");
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 "), 4);
}

TEST_F(EmbeddedQueryTest, ARefusedStatementReachesNoTable) {
    EXPECT_THROW(db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER] WHERE 1=1 -- all of them"),
                 DbError);
    EXPECT_THROW(db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER] WHERE 1=1; SELECT 1"),
                 DbError);
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 "), 5);
}

TEST_F(EmbeddedTranslationTest, OneIndexNamePerTableAsOnTheServer) {
    CreateTables("ESOA_ER");
    CreateTables("ESOA_ITEM");  // the same index names on other tables
    EXPECT_EQ(Indexes("ESOA_ITEM").size(), 3);
    EXPECT_THROW(db.connection().Execute(
                     "CREATE NONCLUSTERED INDEX [BY_ID] ON [Build_File].[dbo].[ESOA_ITEM](    [Code] Asc)"),
                 DbError);
}

}  // namespace
}  // namespace esoa
