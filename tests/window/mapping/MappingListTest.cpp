#include <gtest/gtest.h>

#include "window/mapping/MappingList.h"
#include "window/mapping/MappingSave.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The ER list is current (as after the load); the PhilHealth and hospital item fields are filled as
// the earlier steps of a mapping would fill them.
class MappingStoreTest : public ::testing::Test {
protected:
    void SetUp() override { w.ClearLogs(); }  // a test sees only what its own actions did
    void SelectCode(const QString& code, const QString& description = "Desc", const QString& fee = "45.00") {
        ScreenControls& ui = w.ui();
        ui.txtESOACode->setText(code);
        ui.txtESOADesc->setText(description);
        ui.txtFixedFee->setText(fee);
        ui.txtChargingUnit->setText("per test");
        ui.txtAreaCat->setText("Laboratory");
    }
    void Pick(const QString& revenue, const QString& item, const QString& itemDesc = "Item") {
        ScreenControls& ui = w.ui();
        ui.txtType->setText("PROC");
        ui.txtRevID->setText(revenue);
        ui.txtSectionID->setText("");
        ui.txtZEMORAItemID->setText(item);
        ui.txtZEMORAitemDesc->setText(itemDesc);
    }
    void Save() { w.ClickButton(*w.ui().cmdEdit); }
    void Load() { w.form().mappings().LoadMappings(); }
    QStringList Links(const QString& columns = "Code,Description,RevenueID,ItemID") {
        return w.Rows("ESOA_ER_LINK", columns);
    }

    MappingWindow w{MappingWindow::Tables::Empty};
};

TEST_F(MappingStoreTest, TheLinkListReadsTheLinksOfTheCodeAtMostAThousand) {
    w.ui().txtESOACode->setText("O'X");
    Load();
    ASSERT_FALSE(w.db.sent.isEmpty());
    EXPECT_EQ(
        w.db.sent.last(),
        " SELECT TOP 1000 [ID]       ,[Code]       ,[Category]       ,[Description]       ,[RevenueID]"
        "       ,[SectionID]       ,[ItemID]       ,[ItemDesc]       ,[FixedFee]       ,[ChargingUnit]"
        "       ,[InvOrProc]       ,[SortOrder]   FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE "
        "Code='O''X' ");
    EXPECT_EQ(w.ui().GridMap->Rows(), 1);
    EXPECT_EQ(w.ui().GridMap->TextMatrix(0, 11), "SortOrder");

    w.db.Raw(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1001) "
        "INSERT INTO Build_FIle.ESOA_ER_LINK (Code, RevenueID, ItemID) SELECT 'BIG', 'LB', i FROM n");
    w.ui().txtESOACode->setText("BIG");
    Load();
    EXPECT_EQ(w.ui().GridMap->Rows(), 1001);
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(MappingStoreTest, AnEmptyCodeListsTheLinksWithAnEmptyCodeWithoutAMessage) {
    w.AddLink("ESOA_ER_LINK", "", "LB", "7");
    w.AddLink("ESOA_ER_LINK", "A", "LB", "8");
    w.ui().txtESOACode->setText("");
    Load();
    ASSERT_EQ(w.ui().GridMap->Rows(), 2);
    EXPECT_EQ(w.ui().GridMap->TextMatrix(1, 6), "7");
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(MappingStoreTest, AMissingLinkTableIsReportedAndTheListLeftBlank) {
    w.AddLink("ESOA_ER_LINK", "A", "LB", "8");
    w.ui().txtESOACode->setText("A");
    Load();
    ASSERT_EQ(w.ui().GridMap->TextMatrix(1, 6), "8");
    w.Drop("ESOA_ER_LINK");
    Load();
    ASSERT_EQ(w.messages.shown.size(), 2);
    EXPECT_TRUE(w.messages.shown[0].contains("ESOA_ER_LINK")) << w.messages.shown[0].toStdString();
    EXPECT_EQ(w.messages.shown[1], "Create tables under Maintenance tab.");
    FlexGrid& grid = *w.ui().GridMap;
    ASSERT_EQ(grid.Rows(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < grid.Cols(); ++col)
            EXPECT_EQ(grid.TextMatrix(row, col), "") << row << "," << col;
    }
}

TEST_F(MappingStoreTest, AClickInTheLinkListOnlyHidesTheStepPointer) {
    w.AddLink("ESOA_ER_LINK", "A", "LB", "8");
    SelectCode("A");
    Load();
    w.ClearLogs();
    ScreenControls& ui = w.ui();
    for (bool header : {false, true}) {
        ui.cmdInst->show();
        const QString code = ui.txtESOACode->text();
        if (header) {
            w.ClickHeader(*ui.GridMap);
        } else {
            w.ClickRow(*ui.GridMap, 1);
        }
        EXPECT_FALSE(ui.cmdInst->isVisible()) << header;
        EXPECT_EQ(ui.txtESOACode->text(), code);
        EXPECT_EQ(ui.GridMap->Rows(), 2);
    }
    EXPECT_TRUE(w.db.sent.isEmpty());
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(MappingStoreTest, SavingAsksForBothItemsFirst) {
    const struct {
        const char* code;
        const char* item;
        const char* message;
    } cases[] = {
        {"", "", "Select ESOA item."}, {"", "5", "Select ESOA item."}, {"A", "", "Select ZEMORA item."}};
    for (const auto& c : cases) {
        w.ClearLogs();
        SelectCode(c.code);
        Pick("LB", c.item);
        Save();
        EXPECT_EQ(w.messages.shown, QStringList{c.message}) << c.code << "/" << c.item;
        EXPECT_TRUE(w.db.sent.isEmpty());
    }
    EXPECT_EQ(w.Count("ESOA_ER_LINK"), 0);
}

TEST_F(MappingStoreTest, SavingInsertsALinkFromTheFieldsAndListsIt) {
    SelectCode("ERL-1", "CBC with Platelet Count", "");
    Pick("L'B", "1", "CBC");
    w.ui().txtSectionID->setText("S1");
    Save();
    // One transaction: the item is a row of its source (a section's: the other revenues), then the
    // lookup holds on SQL Server the locks that keep a second writer out; the link read back is
    // recorded in the history with the write.
    const qsizetype begin = w.db.sent.indexOf("BEGIN TRANSACTION");
    ASSERT_GE(begin, 0);
    ASSERT_GE(w.db.sent.size(), begin + 8);
    EXPECT_EQ(w.db.sent[begin + 1],
              "SELECT COUNT(*) FROM [Build_FIle].[dbo].[tbcoOtherRevenue] WHERE OtherRevenueID = '1'");
    EXPECT_EQ(w.db.sent[begin + 2],
              "SELECT * FROM [Build_FIle].[dbo].ESOA_ER_LINK WITH (UPDLOCK, HOLDLOCK)  WHERE      "
              "RevenueID ='L''B' AND ItemID    ='1'");
    EXPECT_TRUE(w.db.sent[begin + 3].startsWith("INSERT INTO"));
    EXPECT_TRUE(w.db.sent[begin + 4].startsWith("SELECT TOP 1 ID,Code"));
    EXPECT_TRUE(w.db.sent[begin + 5].startsWith("INSERT INTO [Build_FIle].[dbo].[ESOA_HISTORY] "));
    EXPECT_TRUE(w.db.sent[begin + 6].startsWith("INSERT INTO [Build_FIle].[dbo].[ESOA_HISTORY_ROW] "));
    EXPECT_EQ(w.db.sent[begin + 7], "COMMIT TRANSACTION");
    EXPECT_EQ(Links("Code,Category,Description,FixedFee,ChargingUnit,ItemID,ItemDesc,InvOrProc,RevenueID,"
                    "SectionID,SortOrder"),
              QStringList{"ERL-1|Laboratory|CBC with Platelet Count||per test|1|CBC|PROC|L'B|S1|"});
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "FixedFee IS NULL AND SortOrder IS NULL AND ID IS NOT NULL"), 1);
    EXPECT_EQ(w.ui().GridMap->Rows(), 2);
    EXPECT_EQ(w.ui().GridMap->TextMatrix(1, 6), "1");
    EXPECT_EQ(w.ui().cmdInst->text(), "<-Done. Mapped items displayed here");
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(MappingStoreTest, ALinkIsTheRevenueAndItemPairAndMovesToTheCodeSavedLast) {
    SelectCode("A", "Desc A", "10");
    Pick("LB", "1");
    Save();
    Save();
    ASSERT_EQ(Links(), QStringList{"A|Desc A|LB|1"});
    const QString id = w.Rows("ESOA_ER_LINK", "ID").value(0);
    w.db.connection().Execute("UPDATE [Build_FIle].[dbo].[ESOA_ER_LINK] SET SortOrder = 5");

    SelectCode("B", "Desc B", "20");
    Save();
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ID,Code,Description,FixedFee,SortOrder"),
              QStringList{id + "|B|Desc B|20|5"});
    EXPECT_EQ(w.ui().GridMap->Rows(), 2);
    w.ui().txtESOACode->setText("A");
    Load();
    EXPECT_EQ(w.ui().GridMap->Rows(), 1);

    SelectCode("B", "Desc B", "20");
    Pick("XR", "1");
    Save();
    EXPECT_EQ(Links(), (QStringList{"B|Desc B|LB|1", "B|Desc B|XR|1"}));
}

TEST_F(MappingStoreTest, SavedValuesAreNotTrimmed) {
    SelectCode("   ", " Desc ");
    Pick("LB", " 7 ", " Item ");
    Save();
    EXPECT_TRUE(w.messages.shown.isEmpty());
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "Code,Description,ItemID,ItemDesc"),
              QStringList{"   | Desc | 7 | Item "});
}

}  // namespace
}  // namespace esoa::test
