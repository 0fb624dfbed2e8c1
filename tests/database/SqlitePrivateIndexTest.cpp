// The embedded database's own indexes: made for files written without them, and the ones the
// lookups the user waits for actually walk.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>

#include "database/Databases.h"
#include "database/sqlite/InventoryNameIndex.h"
#include "database/sqlite/SqliteConnection.h"
#include "database/tsql/TsqlToSqlite.h"

namespace esoa {
namespace {

void WriteWithoutPrivateIndexes(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

TEST(SqlitePrivateIndexes, MadeWhenOlderFilesAreOpenedAndWalkedByTheListsAndTheSearch) {
    QTemporaryDir dir;
    WriteWithoutPrivateIndexes(
        QDir(dir.path()).filePath(kBuildFileDb),
        "CREATE TABLE ESOA_ER(ID INTEGER PRIMARY KEY AUTOINCREMENT, Code VARCHAR(50) COLLATE NOCASE, "
        "Category VARCHAR(50) COLLATE NOCASE, Description VARCHAR(250) COLLATE NOCASE, FixedFee REAL, "
        "ChargingUnit VARCHAR(50) COLLATE NOCASE);"
        "CREATE TABLE ESOA_ER_LINK(ID INTEGER PRIMARY KEY AUTOINCREMENT, Code VARCHAR(50) COLLATE NOCASE, "
        "ItemID VARCHAR(50) COLLATE NOCASE, RevenueID VARCHAR(20) COLLATE NOCASE);"
        "CREATE TABLE tbRevenues(RevenueID VARCHAR(20), Code VARCHAR(20));");
    WriteWithoutPrivateIndexes(QDir(dir.path()).filePath(kInventoryDb),
                               "CREATE TABLE tbInvMaster(ItemID INTEGER PRIMARY KEY, ItemName VARCHAR(150) COLLATE "
                               "NOCASE, ItemDesc VARCHAR(250), GenericID INTEGER, itemstatus INTEGER NOT NULL);"
                               "CREATE INDEX by_ItemName ON tbInvMaster(ItemName);"
                               "CREATE TABLE tbForGeneric(GenericID INTEGER PRIMARY KEY, GenericName VARCHAR(150));");

    const auto connection = OpenEmbedded(dir.path(), false);
    auto& c = static_cast<SqliteConnection&>(*connection);
    const auto indexes = [&](const QString& schema) {
        QStringList names;
        for (const QStringList& row :
             c.RunSqlite("SELECT name FROM " + schema + ".sqlite_master WHERE type='index' ORDER BY name").rows)
            names << row[0];
        return names;
    };
    // Hospital tables other than the inventory master get none.
    EXPECT_EQ(indexes("Build_FIle"), (QStringList{"ESOA_ER_LINK__esoa_Code", "ESOA_ER__esoa_Code"}));
    EXPECT_EQ(indexes("Inventory"),
              (QStringList{"by_ItemName", "tbInvMaster__esoa_GenericID", "tbInvMaster__esoa_ItemName"}));
    for (const QString& object : sql::ItemNameTextIndex::ObjectNames()) {
        EXPECT_EQ(c.RunSqlite("SELECT count(*) FROM Inventory.sqlite_master WHERE name = ?", {object}).rows[0][0], "1")
            << qPrintable(object);
    }

    const struct {
        const char* what;
        QString statement;
        QString index;
    } lookups[] = {
        {"link list",
         " SELECT TOP 1000 [ID]       ,[Code]   FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE Code='E1' ",
         "ESOA_ER_LINK__esoa_Code"},
        {"code lookup", "SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE Code = 'E1'   ", "ESOA_ER__esoa_Code"},
        {"inventory search",
         " SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory..tbInvMaster A  WITH "
         "(NOLOCK)    LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID  WHERE  a.itemstatus = 0 "
         " order by a.ItemName",
         "tbInvMaster__esoa_ItemName"},
        {"inventory search by name",
         " SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory..tbInvMaster A  WITH "
         "(NOLOCK)    LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID  WHERE  a.itemstatus = 0 "
         " AND ItemName like '%par%'   order by a.ItemName",
         "tbInvMaster__esoa_ItemName"},
    };
    for (const auto& l : lookups) {
        QStringList plan;
        for (const QStringList& row : c.RunSqlite("EXPLAIN QUERY PLAN " + sql::TranslateToSqlite(l.statement)).rows)
            plan << row.last();
        const QString text = plan.join(" / ");
        // The index gives the order too: no sort, so the walk ends with the last row the TOP takes.
        EXPECT_TRUE(text.contains(" INDEX " + l.index) && !text.contains("TEMP B-TREE")) << l.what << ": "
                                                                                            << qPrintable(text);
    }
}

}  // namespace
}  // namespace esoa
