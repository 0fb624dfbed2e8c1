#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>

#include "window/lookup/ItemSearch.h"
#include "window/mapping/MappingBulk.h"
#include "window/mapping/MappingList.h"
#include "window/reference/PhilHealthLists.h"
#include "window/support/MappingWindow.h"

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
        w.ui().Grid2->Fill({"LabExamID", "LabExam"}, rows);
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

TEST_F(MappingBulkTest, DeleteRemovesOnlyTheLinkOfTheRowMadeCurrentByMouseOrKeys) {
    for (const char* item : {"1", "2", "3", "4"}) w.AddLink("ESOA_ER_LINK", "A", "LB", item);
    w.AddLink("ESOA_ER_LINK", "B", "LB", "5");
    FlexGrid& grid = *w.ui().GridMap;
    const struct {
        int click;  // 0: no click, the grid only has the focus
        std::vector<Qt::Key> keys;
        int current;
    } cases[] = {{1, {Qt::Key_Down, Qt::Key_Down}, 3}, {0, {Qt::Key_Down}, 1}, {3, {Qt::Key_Up}, 2}, {2, {}, 2}};
    for (const auto& c : cases) {
        SelectCode("A");
        // A load offers no row to delete until the user picks one.
        EXPECT_EQ(grid.Row(), 0);
        EXPECT_FALSE(grid.selectionModel()->hasSelection());
        const QStringList before = Links();
        grid.setFocus();
        if (c.click > 0) w.ClickRow(grid, c.click);
        for (Qt::Key key : c.keys) QTest::keyClick(&grid, key);
        ASSERT_EQ(grid.Row(), c.current) << c.click;
        const QString id = grid.TextMatrix(c.current, 0);
        w.ClearLogs();
        w.ClickButton(*w.ui().cmdDelete);
        EXPECT_TRUE(w.db.sent.contains("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WHERE ID='" + id + "' "));
        QStringList expected = before;
        expected.removeIf([&](const QString& link) { return link.startsWith(id + "|"); });
        EXPECT_EQ(Links(), expected) << c.click;
        EXPECT_EQ(grid.Rows(), w.Count("ESOA_ER_LINK", "Code = 'A'") + 1);
        EXPECT_TRUE(w.messages.shown.isEmpty());
        w.AddLink("ESOA_ER_LINK", "A", "LB", "9" + id);  // four links again for the next case
    }
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
    ASSERT_FALSE(w.messages.steps.isEmpty());
    EXPECT_EQ(w.messages.steps.last(), QString("Mapped %1 of %1 listed items").arg(n));
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
    w.messages.cancelAfterSteps = 1;  // the first step comes after the first row
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ItemID"), QStringList{"1"});
    EXPECT_EQ(MappingWindow::Column(*w.ui().GridMap, 6), QStringList{"1"});

    w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
    w.messages.cancelAfterSteps = -1;
    List({{"1", "One"}, {"2", QString(251, QLatin1Char('x'))}, {"3", "Three"}});
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdMapAll);
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "ItemID"), QStringList{"1"});
    EXPECT_EQ(w.messages.shown.size(), 1);
    EXPECT_FALSE(w.form().bulk().running());
}

TEST_F(MappingBulkTest, MapAllSavesWhatOneSavePerRowSavesWhateverIsClickedMeanwhile) {
    ScreenControls& ui = w.ui();
    w.AddReferenceRows("ESOA_ER", {{"X-1", "Imaging", "x-ray", "", ""}});
    w.form().lists().LoadCategories();
    const QString columns =
        "Code,Category,Description,RevenueID,SectionID,ItemID,ItemDesc,FixedFee,ChargingUnit,InvOrProc,SortOrder";
    struct Outcome {
        QStringList rows, listed;
        QString item, hint;
    };
    // Each run starts from the same screen and the same link of another code on the second item.
    auto run = [&](const std::function<void()>& mapAll) {
        w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
        const int n = SearchLab("Count");
        EXPECT_GE(n, 3);
        w.AddLink("ESOA_ER_LINK", "OTHER", "LB", ui.Grid2->TextMatrix(2, 0));
        SelectCode("A");
        ui.txtFixedFee->setText("12.50");
        ui.txtChargingUnit->setText("per test");
        w.ClearLogs();
        mapAll();
        w.messages.onStep = nullptr;
        return Outcome{w.Rows("ESOA_ER_LINK", columns), MappingWindow::Column(*ui.GridMap, 6),
                       ui.txtZEMORAItemID->text() + "|" + ui.txtZEMORAitemDesc->text(), ui.cmdInst->text()};
    };
    const Outcome byHand = run([&] {
        for (int row = 1; row < ui.Grid2->Rows(); ++row) {
            w.ClickRow(*ui.Grid2, row);
            w.ClickButton(*ui.cmdEdit);
        }
    });
    const Outcome mapped = run([&] { w.ClickButton(*ui.cmdMapAll); });
    EXPECT_EQ(mapped.rows, byHand.rows);
    EXPECT_EQ(mapped.listed, byHand.listed);
    EXPECT_EQ(mapped.item, byHand.item);
    EXPECT_EQ(mapped.hint, byHand.hint);
    EXPECT_TRUE(w.messages.shown.isEmpty());

    const std::function<void()> clicks[] = {
        [&] { w.ClickOption(*ui.optInventory, 0); },
        [&] { w.ClickRowWithText(*ui.GridCat, 0, "Imaging"); },
    };
    for (const auto& click : clicks) {
        const Outcome clicked = run([&] {
            w.messages.onStep = [&](int done) {
                if (done == 1) click();
            };
            w.ClickButton(*ui.cmdMapAll);
        });
        EXPECT_EQ(clicked.rows, byHand.rows);
    }
}

TEST(MapAllProgress, TheModalDisplayBlocksTheWindowBeforeTheFirstRow) {
    MessageBoxes boxes;
    for (bool modal : {true, false}) {
        auto progress = boxes.StartProgress("Mapping", 10, modal);
        EXPECT_EQ(QApplication::activeModalWidget() != nullptr, modal);
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace esoa::test
