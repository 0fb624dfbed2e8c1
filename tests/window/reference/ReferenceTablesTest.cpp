#include <gtest/gtest.h>

#include <QSqlRecord>

#include "database/Databases.h"
#include "database/sqlite/SqliteConnection.h"
#include "database/tsql/TsqlToSqlite.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The twelve statements of "a. Create Tables" for reference table `t`, written out piece by piece.
QStringList CreateStatementsFor(const QString& t) {
    const QString l = t + "_LINK";
    const QString id = "    [ID]                [bigint] IDENTITY(1,1) NOT NULL,";
    const QString reference =
        id + "    [Code]              [varchar](50) NULL," + "    [Category]          [varchar](50) NULL," +
        "    [Description]       [varchar](250) NULL," + "    [FixedFee]          SMALLMONEY NULL," +
        "    [ChargingUnit]      [varchar](50) NULL,";
    const QString link =
        id + "    [Code]              [varchar](50)  NULL," + "    [Category]          [varchar](50)  NULL," +
        "    [Description]       [varchar](250) NULL," + "    [FixedFee]          SMALLMONEY     NULL," +
        "    [ChargingUnit]      [varchar](50)  NULL," + "    [ItemID]            [varchar](50)  NULL, " +
        "    [ItemDesc]          [varchar](250) NULL, " + "    [InvOrProc]         [varchar](20)  NULL, " +
        "    [RevenueID]         [varchar](20)  NULL, " + "    [SectionID]         [varchar](20)  NULL, " +
        "    [SortOrder]         [smallint] NULL ";
    return {
        "ALTER TABLE INVENTORY..tbInvMaster DROP COLUMN ESOA_Code   ",
        "ALTER TABLE BUILD_FILE..tbCoXrayExam DROP COLUMN ESOA_Code   ",
        "ALTER TABLE BUILD_FILE..tbcoUltraExam DROP COLUMN ESOA_Code  ",
        "ALTER TABLE BUILD_FILE..tbcoCTExam DROP COLUMN ESOA_Code ",
        "DROP TABLE [Build_FIle].[dbo].[" + t + "]",
        "CREATE TABLE [Build_FIle].[dbo].[" + t + "](" + reference + ")",
        "CREATE CLUSTERED INDEX [by_ID] ON [Build_File].[dbo].[" + t + "](    [ID] Asc)",
        "CREATE NONCLUSTERED INDEX [by_Category_Description] ON [Build_File].[dbo].[" + t +
            "](    [Category] Asc,    [Description] Asc)",
        "CREATE TABLE [Build_FIle].[dbo].[" + l + "](" + link + ")",
        "CREATE CLUSTERED INDEX [by_ID] ON [Build_File].[dbo].[" + l + "](    [ID] Asc)",
        "CREATE NONCLUSTERED INDEX [by_Category_Description] ON [Build_File].[dbo].[" + l +
            "](    [Category] Asc,    [Description] Asc)",
        "CREATE NONCLUSTERED INDEX [by_ItemID] ON [Build_File].[dbo].[" + l +
            "](    [RevenueID] Asc,     [ItemID] Asc )",
    };
}

// Rows of a PRAGMA (SQLite's own view of the embedded tables), one cell list per row.
std::vector<QStringList> Pragma(TestDatabase& db, const QString& pragma) { return db.RawRows(pragma); }

// "name type notnull" of every column, in table order.
QStringList Columns(TestDatabase& db, const QString& schemaTable) {
    const qsizetype dot = schemaTable.indexOf('.');
    QStringList columns;
    for (const QStringList& c :
         Pragma(db, "PRAGMA " + schemaTable.left(dot) + ".table_info('" + schemaTable.mid(dot + 1) + "')")) {
        columns << c[1] + " " + c[2] + (c[3] == "1" ? " NOT NULL" : "");
    }
    return columns;
}

// Index name -> its columns, for the indexes the program made on `table` (SQLite's automatic ones left out).
std::map<QString, QStringList> Indexes(TestDatabase& db, const QString& table) {
    std::map<QString, QStringList> indexes;
    for (const QStringList& index : Pragma(db, "PRAGMA Build_FIle.index_list('" + table + "')")) {
        if (index[1].startsWith("sqlite_")) continue;
        QStringList columns;
        for (const QStringList& c : Pragma(db, "PRAGMA Build_FIle.index_info('" + index[1] + "')"))
            columns << c[2];
        EXPECT_EQ(index[2], "0") << qPrintable(index[1]) << " must not be unique";
        indexes[index[1]] = columns;
    }
    return indexes;
}

bool TableExists(TestDatabase& db, const QString& schema, const QString& table) {
    return !Pragma(db, "SELECT name FROM " + schema + ".sqlite_master WHERE type='table' AND name='" + table +
                           "'")
                .empty();
}

const QStringList kReferenceColumns{"ID INTEGER NOT NULL",  "Code VARCHAR(50)",
                                    "Category VARCHAR(50)", "Description VARCHAR(250)",
                                    "FixedFee REAL",        "ChargingUnit VARCHAR(50)"};
const QStringList kLinkColumns =
    kReferenceColumns + QStringList{"ItemID VARCHAR(50)",    "ItemDesc VARCHAR(250)", "InvOrProc VARCHAR(20)",
                                    "RevenueID VARCHAR(20)", "SectionID VARCHAR(20)", "SortOrder INTEGER"};

// The four hospital tables whose old ESOA_Code column the creation removes.
const QStringList kHospitalTables{"Inventory.tbInvMaster", "Build_FIle.tbCoXrayExam",
                                  "Build_FIle.tbcoUltraExam", "Build_FIle.tbcoCTExam"};

TEST(CreateTables, OneClickMakesTheChosenListsTablesWithTheirIndexesAndSaysDone) {
    struct Case {
        int option;  // -1: as the load leaves it ("PHIC ER Item")
        QString table, other;
    };
    for (const Case& c : {Case{-1, "ESOA_ER", "ESOA_ITEM"}, Case{0, "ESOA_ITEM", "ESOA_ER"}}) {
        SCOPED_TRACE(qPrintable(c.table));
        MappingWindow w(MappingWindow::Tables::None);
        for (const QString& t : kHospitalTables)
            EXPECT_TRUE(Columns(w.db, t).join(',').contains("ESOA_Code"));
        if (c.option >= 0) w.ClickOption(*w.ui().optTable, c.option);
        w.OpenMaintenance();
        w.ClearLogs();

        w.ClickButton(*w.ui().cmdCreateTable);

        EXPECT_EQ(w.db.sent, CreateStatementsFor(c.table));
        EXPECT_EQ(w.messages.shown, QStringList{"Done."});
        EXPECT_EQ(Columns(w.db, "Build_FIle." + c.table), kReferenceColumns);
        EXPECT_EQ(Columns(w.db, "Build_FIle." + c.table + "_LINK"), kLinkColumns);
        using Index = std::map<QString, QStringList>;
        EXPECT_EQ(
            Indexes(w.db, c.table),
            (Index{{sql::SqliteIndexName(c.table, "by_ID"), {"ID"}},
                   {sql::SqliteIndexName(c.table, "by_Category_Description"), {"Category", "Description"}},
                   {SqliteConnection::PrivateIndexName(c.table, "Code"), {"Code"}}}));
        const QString l = c.table + "_LINK";
        EXPECT_EQ(Indexes(w.db, l),
                  (Index{{sql::SqliteIndexName(l, "by_ID"), {"ID"}},
                         {sql::SqliteIndexName(l, "by_Category_Description"), {"Category", "Description"}},
                         {sql::SqliteIndexName(l, "by_ItemID"), {"RevenueID", "ItemID"}},
                         {SqliteConnection::PrivateIndexName(l, "Code"), {"Code"}}}));
        EXPECT_FALSE(TableExists(w.db, "Build_FIle", c.other));
        EXPECT_FALSE(TableExists(w.db, "Build_FIle", c.other + "_LINK"));
        for (const QString& t : kHospitalTables)
            EXPECT_FALSE(Columns(w.db, t).join(',').contains("ESOA_Code")) << qPrintable(t);
    }
}

TEST(CreateTables, SecondClickEmptiesTheReferenceTableAndKeepsTheLinksSilently) {
    MappingWindow w(MappingWindow::Tables::None);
    w.OpenMaintenance();
    w.ClickButton(*w.ui().cmdCreateTable);
    Connection& c = w.db.connection();
    // The identity numbers rows from 1; a code already present is not refused.
    for (int i = 0; i < 2; ++i)
        c.Execute("INSERT INTO [Build_FIle].[dbo].[ESOA_ER] (Code) VALUES ('ERT-0001')");
    c.Execute(
        "INSERT INTO [Build_FIle].[dbo].[ESOA_ER_LINK] (Code, ItemID, RevenueID) VALUES ('ERT-0001', '7', "
        "'LB')");
    EXPECT_EQ(w.db.Column("SELECT ID FROM [Build_FIle].[dbo].[ESOA_ER]"), (QStringList{"1", "2"}));
    w.ClearLogs();

    w.ClickButton(*w.ui().cmdCreateTable);

    // The hospital columns are gone and the link table and its indexes exist: those statements
    // fail now, and nobody is told. Whether the link table is there is looked up.
    EXPECT_EQ(
        w.db.sent,
        CreateStatementsFor("ESOA_ER") +
            QStringList{"SELECT TOP 1 * FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=0"});
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    EXPECT_EQ(w.db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER]"), 0);
    EXPECT_EQ(w.db.Column("SELECT Code, ItemID FROM [Build_FIle].[dbo].[ESOA_ER_LINK]", 1), QStringList{"7"});
    EXPECT_EQ(Indexes(w.db, "ESOA_ER_LINK").size(), 4u);  // the program's three and the private one on Code
    EXPECT_EQ(Indexes(w.db, "ESOA_ER").size(), 3u);
    c.Execute("INSERT INTO [Build_FIle].[dbo].[ESOA_ER] (Code) VALUES ('ERT-0002')");
    EXPECT_EQ(w.db.Column("SELECT ID FROM [Build_FIle].[dbo].[ESOA_ER]"), QStringList{"1"});
}

// A database that refuses the creation: no "Done.", but the tables that could not be made and why.
TEST(CreateTables, WhatCouldNotBeMadeIsNamedWithTheDatabasesReasonInsteadOfDone) {
    struct Case {
        MappingWindow::Tables tables;
        QString unmade;  // the start of the message
    };
    for (const Case& c : {Case{MappingWindow::Tables::None, "ESOA_ER and ESOA_ER_LINK could not be made: "},
                          Case{MappingWindow::Tables::Empty, "ESOA_ER could not be made: "}}) {
        MappingWindow w(c.tables);
        const bool existed = TableExists(w.db, "Build_FIle", "ESOA_ER");
        SqliteConnection::Options readOnly;
        readOnly.access = SqliteConnection::Access::ReadOnly;
        w.db.Reopen(readOnly);
        w.OpenMaintenance();
        w.ClearLogs();

        w.ClickButton(*w.ui().cmdCreateTable);

        ASSERT_EQ(w.messages.shown.size(), 1);
        const QString& shown = w.messages.shown[0];
        EXPECT_TRUE(shown.startsWith(c.unmade)) << qPrintable(shown);
        EXPECT_EQ(shown.count("could not be made"), 1) << qPrintable(shown);
        EXPECT_TRUE(shown.contains("read-only") && shown.contains(kBuildFileDb)) << qPrintable(shown);
        EXPECT_EQ(TableExists(w.db, "Build_FIle", "ESOA_ER"), existed);
    }
}

}  // namespace
}  // namespace esoa::test
