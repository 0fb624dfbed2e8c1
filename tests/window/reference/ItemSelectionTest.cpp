#include <gtest/gtest.h>

#include <QTest>

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The ER list with a few items and links, the window opened on it.
class ItemSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.AddReferenceRows("ESOA_ER",
                           {{"ERL-1", "Laboratory", "CBC with Platelet Count", "250.00", "per test"},
                            {"ERL-2", "Laboratory", "Urinalysis", "120", "per test"},
                            {"ERL-3", "Laboratory", " Sodium level", "180", "per test"},
                            {"ERT-1", "Therapeutics", "PARACETAMOL 500 mg tablet", "2.50", "per tablet"}});
        w.AddLink("ESOA_ER_LINK", "ERL-1", "LB", "1");
        w.AddLink("ESOA_ER_LINK", "ERL-2", "LB", "12");
        w.Show();
        w.ClearLogs();
    }
    void Category(const QString& name) {
        w.ClickRowWithText(*w.ui().GridCat, 0, name);
        w.ClearLogs();
    }
    // What a click must leave alone when it selects nothing.
    QStringList Fields() {
        ScreenControls& ui = w.ui();
        QStringList texts;
        for (QLineEdit* box : {ui.txtESOACode, ui.txtESOADesc, ui.txtFixedFee, ui.txtChargingUnit,
                               ui.txtZEMORAItemID, ui.txtZEMORAitemDesc, ui.txtGeneric, ui.txtDesc}) {
            texts << box->text();
        }
        return texts << QString::number(ui.GridMap->Rows()) << ui.cmdInst->text();
    }

    MappingWindow w{MappingWindow::Tables::Empty, false};
};

TEST_F(ItemSelectionTest, AProcedureItemFillsTheDetailsListsItsLinksAndSearchesByItsDescription) {
    Category("Laboratory");
    ScreenControls& ui = w.ui();
    ui.txtZEMORAItemID->setText("99");
    ui.txtZEMORAitemDesc->setText("picked before");
    w.ClickRowWithText(*ui.Grid1, 1, "ERL-1");

    EXPECT_EQ(ui.txtESOACode->text(), "ERL-1");
    EXPECT_EQ(ui.txtESOADesc->text(), "CBC with Platelet Count");
    EXPECT_EQ(ui.txtFixedFee->text(), "250");
    EXPECT_EQ(ui.txtChargingUnit->text(), "per test");
    EXPECT_EQ(ui.txtZEMORAItemID->text(), "");
    EXPECT_EQ(ui.txtZEMORAitemDesc->text(), "");
    EXPECT_EQ(ui.txtGeneric->text(), "CBC");
    ASSERT_EQ(ui.GridMap->Rows(), 2);
    EXPECT_EQ(ui.GridMap->TextMatrix(1, 1), "ERL-1");
    EXPECT_EQ(ui.GridMap->TextMatrix(1, 6), "1");
    EXPECT_EQ(ui.txtDesc->text(), "CBC with Platelet Count");  // "use" ran for the procedure source
    ASSERT_GE(ui.Grid2->Rows(), 2);
    EXPECT_EQ(ui.Grid2->TextMatrix(1, 1), "CBC with Platelet Count");
    EXPECT_EQ(ui.cmdInst->text(), "<-Select Revenue.");
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST_F(ItemSelectionTest, TheGenericTextIsTheDescriptionUpToItsFirstBlank) {
    Category("Laboratory");
    const struct {
        const char* code;
        const char* generic;
    } cases[] = {{"ERL-1", "CBC"}, {"ERL-2", "Urinalysis"}, {"ERL-3", ""}};
    for (const auto& c : cases) {
        w.ClickRowWithText(*w.ui().Grid1, 1, c.code);
        EXPECT_EQ(w.ui().txtGeneric->text(), c.generic) << c.code;
    }
}

TEST_F(ItemSelectionTest, AnInventoryItemKeepsTheSearchTextAndAddsTheGenericFilter) {
    Category("Therapeutics");
    ScreenControls& ui = w.ui();
    ASSERT_EQ(ui.txtType->text(), "INV");
    w.Type(*ui.txtDesc, "tab");
    w.ClickRowWithText(*ui.Grid1, 1, "ERT-1");
    EXPECT_EQ(ui.txtDesc->text(), "tab");
    EXPECT_EQ(ui.txtGeneric->text(), "PARACETAMOL");
    ASSERT_FALSE(w.db.sent.isEmpty());
    const QString search = w.db.sent.last();
    EXPECT_TRUE(search.contains(" AND ItemName like '%tab%'  ") &&
                search.contains(" AND GenericName like '%PARACETAMOL%'  "))
        << search.toStdString();
}

TEST_F(ItemSelectionTest, AClickOnAListWithoutItemsChangesNothing) {
    ScreenControls& ui = w.ui();
    Category("Laboratory");
    w.ClickRowWithText(*ui.Grid1, 1, "ERL-2");
    w.Type(*ui.txtSOADesc, "no such item");
    w.ClickButton(*ui.cmdSearchSOAItem);
    ASSERT_EQ(ui.Grid1->Rows(), 1);
    const QStringList before = Fields();
    w.ClearLogs();
    w.ClickHeader(*ui.Grid1);
    QTest::mouseClick(ui.Grid1->viewport(), Qt::LeftButton, {},
                      QPoint(5, ui.Grid1->viewport()->height() - 5));
    EXPECT_EQ(Fields(), before);
    EXPECT_TRUE(w.db.sent.isEmpty());

    // The blank row that a failed load leaves.
    w.Drop("ESOA_ER");
    w.ClickButton(*ui.cmdSearchSOAItem);
    ASSERT_EQ(ui.Grid1->Rows(), 2);
    w.ClearLogs();
    w.ClickRow(*ui.Grid1, 1);
    EXPECT_EQ(Fields(), before);
    EXPECT_TRUE(w.db.sent.isEmpty());
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

}  // namespace
}  // namespace esoa::test
