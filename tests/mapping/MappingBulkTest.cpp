#include <gtest/gtest.h>

#include <functional>

#include "lookup/ItemSearch.h"
#include "mapping/MappingBulk.h"
#include "mapping/MappingList.h"
#include "support/MappingWindow.h"

namespace esoa::test {
namespace {

class MappingBulkTest : public ::testing::Test {
protected:
    void SetUp() override { w.ClearLogs(); }  // a test sees only what its own actions did
    void SelectCode(const QString& code) {
        ScreenControls& ui = w.ui();
        ui.txtESOACode->setText(code);
        ui.txtESOADesc->setText("Desc " + code);
        ui.txtAreaCat->setText("Laboratory");
        w.form().mappings().LoadMappings();
    }
    // The laboratory exams whose names hold `text`, as a search under revenue LB lists them.
    int SearchLab(const QString& text) {
        ScreenControls& ui = w.ui();
        ui.txtType->setText("PROC");
        ui.txtRevID->setText("LB");
        ui.txtSectionID->setText("");
        ui.lblTable->setText("tbcoLabExam");
        ui.lblIDFieldName->setText("LabExamID");
        ui.lblExamFieldName->setText("LabExam");
        ui.txtDesc->setText(text);
        w.form().search().SearchZemoraItems();
        return ui.Grid2->Rows() - 1;
    }
    void List(const std::vector<QStringList>& rows) {
        w.ui().txtRevID->setText("LB");
        w.ui().Grid2->Fill(ReadResult{{"LabExamID", "LabExam"}, rows});
    }
    bool Deleted() {
        for (const QString& statement : w.db.sent) {
            if (statement.startsWith("DELETE")) return true;
        }
        return false;
    }
    QStringList Links(const QString& table = "ESOA_ER_LINK") { return w.Rows(table, "ID,Code,ItemID"); }

    MappingWindow w{MappingWindow::Tables::Empty};
};

TEST_F(MappingBulkTest, DeleteRemovesOnlyTheClickedLinkAndReloadsTheList) {
    for (const char* item : {"1", "2", "3"}) w.AddLink("ESOA_ER_LINK", "A", "LB", item);
    w.AddLink("ESOA_ER_LINK", "B", "LB", "4");
    SelectCode("A");
    const QStringList before = Links();
    const int row = w.ClickRowWithText(*w.ui().GridMap, 6, "2");
    const QString id = w.ui().GridMap->TextMatrix(row, 0);
    w.ClickButton(*w.ui().cmdDelete);
    EXPECT_TRUE(w.db.sent.contains("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WHERE ID='" + id + "' "));
    QStringList expected = before;
    expected.removeAt(1);
    EXPECT_EQ(Links(), expected);
    EXPECT_EQ(w.ui().GridMap->Rows(), 3);
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(MappingBulkTest, DeleteRemovesNothingUnlessALinkRowWasClickedSinceTheLoad) {
    w.AddLink("ESOA_ER_LINK", "A", "LB", "1");
    w.AddLink("ESOA_ITEM_LINK", "A", "LB", "1");  // the same ID in the other link table
    const QStringList before = Links() + Links("ESOA_ITEM_LINK");
    ScreenControls& ui = w.ui();
    const struct {
        const char* name;
        std::function<void()> arrange;
    } cases[] = {
        {"header only", [&] { SelectCode("NONE"); }},
        {"header clicked", [&] { SelectCode("A"), w.ClickHeader(*ui.GridMap); }},
        {"reloaded after a click", [&] { SelectCode("A"), w.ClickRow(*ui.GridMap, 1), SelectCode("A"); }},
        {"blank row of a failed load",
         [&] {
             SelectCode("A");
             ui.lblESOATableName->setText("ESOA_NONE");
             w.form().mappings().LoadMappings();
             ui.lblESOATableName->setText("ESOA_ER");
             w.ClickRow(*ui.GridMap, 1);
         }},
        {"list of the other table",
         [&] {
             SelectCode("A");
             w.ClickRow(*ui.GridMap, 1);
             w.ClickOption(*ui.optTable, 0);
             ASSERT_EQ(ui.lblESOATableName->text(), "ESOA_ITEM");
             ASSERT_EQ(ui.GridMap->Rows(), 2);
         }},
    };
    for (const auto& c : cases) {
        c.arrange();
        w.ClearLogs();
        w.ClickButton(*ui.cmdDelete);
        EXPECT_FALSE(Deleted()) << c.name;
        EXPECT_EQ(Links() + Links("ESOA_ITEM_LINK"), before) << c.name;
    }
}

TEST_F(MappingBulkTest, MapAllLinksEveryListedItemOnceAndTakesLinksOverFromOtherCodes) {
    const int n = SearchLab("Count");
    ASSERT_GE(n, 3);
    w.AddLink("ESOA_ER_LINK", "OTHER", "LB", w.ui().Grid2->TextMatrix(2, 0));
    SelectCode("A");
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "Code = 'A' AND RevenueID = 'LB'"), n);
    EXPECT_EQ(w.Count("ESOA_ER_LINK"), n);
    EXPECT_EQ(w.messages.progressModal, QList<bool>{true});
    EXPECT_EQ(w.messages.steps.size(), n);
    EXPECT_TRUE(w.messages.shown.isEmpty());
    EXPECT_EQ(w.ui().txtZEMORAItemID->text(), w.ui().Grid2->TextMatrix(n, 0));
    EXPECT_EQ(w.ui().txtZEMORAitemDesc->text(), w.ui().Grid2->TextMatrix(n, 1));
    EXPECT_EQ(w.ui().GridMap->Rows(), n + 1);

    const QStringList first = Links();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(Links(), first);
}

TEST_F(MappingBulkTest, MapAllOverNothingOrWithoutAPhilHealthItemSavesNothing) {
    SelectCode("A");
    ASSERT_EQ(SearchLab("no such exam"), 0);
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_TRUE(w.db.sent.isEmpty());
    EXPECT_TRUE(w.messages.shown.isEmpty());
    EXPECT_TRUE(w.messages.progressTitles.isEmpty());

    ASSERT_GE(SearchLab("Count"), 2);
    w.ui().txtESOACode->clear();
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.messages.shown, QStringList{"Select ESOA item."});
    EXPECT_EQ(w.Count("ESOA_ER_LINK"), 0);
}

TEST_F(MappingBulkTest, MapAllAsksForTheItemOfABlankRowOnlyAndGoesOn) {
    SelectCode("A");
    List({{"1", "One"}, {"", "Blank"}, {"3", "Three"}});
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.messages.shown, QStringList{"Select ZEMORA item."});
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ItemID"), (QStringList{"1", "3"}));
}

TEST_F(MappingBulkTest, MapAllStopsWhenCancelledOrAtTheFirstFailedSave) {
    SelectCode("A");
    List({{"1", "One"}, {"2", "Two"}, {"3", "Three"}, {"4", "Four"}});
    w.messages.cancelAfterSteps = 2;
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ItemID"), (QStringList{"1", "2"}));

    w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
    w.messages.cancelAfterSteps = -1;
    List({{"1", "One"}, {"2", QString(251, QLatin1Char('x'))}, {"3", "Three"}});
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ItemID"), QStringList{"1"});
    EXPECT_EQ(w.messages.shown.size(), 1);
    EXPECT_FALSE(w.form().bulk().running());
}

}  // namespace
}  // namespace esoa::test
