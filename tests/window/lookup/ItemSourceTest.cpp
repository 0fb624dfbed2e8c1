#include <gtest/gtest.h>

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

struct SourceView {
    QString type;
    bool genericShown, sectionShown;
};

SourceView Source(MappingWindow& w) {
    ScreenControls& ui = w.ui();
    EXPECT_EQ(ui.lblG->isHidden(), ui.txtGeneric->isHidden());
    EXPECT_EQ(ui.lblS->isHidden(), ui.txtSectionID->isHidden());
    return {ui.txtType->text(), !ui.txtGeneric->isHidden(), !ui.txtSectionID->isHidden()};
}

TEST(ItemSource, EachSourceListsItsActiveRevenueCodesByName) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    struct Case {
        int option;
        QString type;
        QStringList codes;  // active codes of the demo hospital, in order of itemname
    };
    const Case cases[] = {
        {0, "INV", {"CS", "ES", "HS", "LS", "NS", "OS", "PH"}},                           // LocationID given
        {1, "PROC", {"AM", "DR", "ER", "HD", "MS", "NB", "NU", "OR", "PF", "RT", "RA"}},  // Null or empty
    };
    if (ui.optInventory->isSelected(1)) w.ClickOption(*ui.optInventory, 0);  // start from inventory
    for (const Case& c : {cases[1], cases[0], cases[1]}) {
        SCOPED_TRACE(qPrintable(c.type));
        w.ClearLogs();
        w.ClickOption(*ui.optInventory, c.option);
        EXPECT_EQ(w.db.sent, QStringList{expected::RevenueCodes(c.option == 0)});
        EXPECT_EQ(MappingWindow::Header(*ui.GridRevCode), (QStringList{"RevenueID", "itemname"}));
        EXPECT_EQ(MappingWindow::Column(*ui.GridRevCode, 0), c.codes);
        const SourceView view = Source(w);
        EXPECT_EQ(view.type, c.type);
        EXPECT_EQ(view.genericShown, c.option == 0);
        EXPECT_EQ(view.sectionShown, c.option == 1);
        EXPECT_TRUE(ui.optInventory->isSelected(c.option));
    }
}

TEST(ItemSource, InventoryAlwaysFilesUnderPharmacyAndProceduresKeepTheRevenue) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    w.ClickRowWithText(*ui.GridRevCode, 0, "ER");
    const int hits = ui.Grid2->Rows();
    w.ClearLogs();

    w.ClickOption(*ui.optInventory, 0);
    EXPECT_EQ(ui.txtRevID->text(), "PH");
    EXPECT_EQ(ui.txtSectionID->text(), "ER");
    EXPECT_EQ(ui.lblTable->text(), "tbcoOtherRevenue");
    EXPECT_EQ(ui.Grid2->Rows(), hits);  // no search ran
    EXPECT_EQ(w.db.sent, QStringList{expected::RevenueCodes(true)});

    w.ClickRowWithText(*ui.GridRev, 0, "XR");
    w.ClickOption(*ui.optInventory, 1);
    EXPECT_EQ(ui.txtRevID->text(), "XR");
    EXPECT_EQ(ui.txtSectionID->text(), "");
    EXPECT_EQ(ui.lblExamFieldName->text(), "XRayExam");
    EXPECT_EQ(ui.lblIDFieldName->text(), "XRayExamID");
}

TEST(ItemSource, RevenueClicksUnderProceduresChooseTheExamTableAndSearchIt) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    w.ClearLogs();
    w.ClickRowWithText(*ui.GridRevCode, 0, "RA");
    EXPECT_EQ(ui.txtRevID->text(), "RA");
    EXPECT_EQ(ui.txtSectionID->text(), "RA");
    EXPECT_EQ(ui.lblTable->text() + "|" + ui.lblIDFieldName->text() + "|" + ui.lblExamFieldName->text(),
              "tbcoOtherRevenue|OtherRevenueID|OtherRevenue");
    EXPECT_EQ(w.db.sent, QStringList{expected::ProcedureSearch("OtherRevenue", "", "RA")});
    EXPECT_EQ(MappingWindow::Header(*ui.Grid2), (QStringList{"OtherRevenueID", "OtherRevenue"}));
    EXPECT_EQ(ui.Grid2->Rows() - 1, 9);  // the active room rates
    EXPECT_EQ(ui.cmdInst->text(), "<-Search ZEMORA Item");

    w.ClearLogs();
    w.ClickRowWithText(*ui.GridRev, 0, "LB");
    EXPECT_EQ(ui.txtRevID->text(), "LB");
    EXPECT_EQ(ui.txtSectionID->text(), "");
    EXPECT_EQ(ui.lblTable->text() + "|" + ui.lblIDFieldName->text() + "|" + ui.lblExamFieldName->text(),
              "tbcoLabExam|LabExamID|LabExam");
    EXPECT_EQ(w.db.sent, QStringList{expected::ProcedureSearch("LabExam")});
    EXPECT_EQ(ui.Grid2->Rows() - 1, 60);  // active lab exams
    EXPECT_EQ(ui.txtType->text(), "PROC");
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST(ItemSource, RevenueClicksUnderInventoryKeepSearchingTheInventory) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    w.ClickRowWithText(*ui.GridRevCode, 0, "OR");
    w.ClickOption(*ui.optInventory, 0);
    w.ClearLogs();

    w.ClickRowWithText(*ui.GridRev, 0, "XR");
    EXPECT_EQ(ui.txtRevID->text(), "XR");
    EXPECT_EQ(ui.lblIDFieldName->text() + "|" + ui.lblExamFieldName->text(), "XRayExamID|XRayExam");
    EXPECT_EQ(ui.lblTable->text(), "Inventory..InvMaster");
    EXPECT_EQ(ui.txtSectionID->text(), "");
    EXPECT_EQ(w.db.sent, QStringList{expected::InventorySearch()});

    ui.txtSectionID->setText("OR");  // left from before; a code click under inventory must keep it
    w.ClearLogs();
    w.ClickRowWithText(*ui.GridRevCode, 0, "CS");
    EXPECT_EQ(ui.txtRevID->text(), "CS");
    EXPECT_EQ(ui.txtSectionID->text(), "OR");
    EXPECT_EQ(ui.lblIDFieldName->text() + "|" + ui.lblExamFieldName->text(), "XRayExamID|XRayExam");
    EXPECT_EQ(ui.txtType->text(), "INV");
    EXPECT_EQ(w.db.sent, QStringList{expected::InventorySearch()});
    EXPECT_EQ(MappingWindow::Header(*ui.Grid2),
              (QStringList{"ItemID", "ItemName", "ItemDesc", "GenericName"}));
}

TEST(ItemSource, ARevenueWithoutExamTableAsksForOneAndEmptiesTheList) {
    MappingWindow w(MappingWindow::Tables::Sample, false);
    w.db.Raw("INSERT INTO Build_FIle.tbRevenues VALUES ('RX', 'Pharmacy', NULL, NULL, NULL, NULL, 'PHA01');");
    w.Show();
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    w.ClickRowWithText(*ui.GridRev, 0, "LB");
    ASSERT_GT(ui.Grid2->Rows(), 2);
    w.ClearLogs();

    w.ClickRowWithText(*ui.GridRev, 0, "RX");
    EXPECT_EQ(w.messages.shown, QStringList{"Search & Select ZEMORA Item."});
    EXPECT_TRUE(w.db.sent.isEmpty());
    ASSERT_EQ(ui.Grid2->Rows(), 2);
    EXPECT_EQ(ui.Grid2->TextMatrix(0, 0) + ui.Grid2->TextMatrix(1, 0), "");
}

// Exam table and column names come from the revenue table's data and stand in the search as names:
// one that could change the statement is named to the user, and nothing is sent.
TEST(ItemSource, ARevenueWhoseExamNamesAreNotPlainSearchesNothing) {
    MappingWindow w(MappingWindow::Tables::Sample, false);
    w.db.Raw(
        "INSERT INTO Build_FIle.tbRevenues VALUES ('RY', 'Odd', 'tbcoLabExam]; DROP TABLE x; --', "
        "'LabExamID', 'LabExam', NULL, NULL), ('RZ', 'Odd', 'tbcoLabExam', 'LabExamID', 'Lab Exam', NULL, "
        "NULL);");
    w.Show();
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    for (const auto& [revenue, name] :
         {std::pair{"RY", "tbcoLabExam]; DROP TABLE x; --"}, {"RZ", "Lab Exam"}}) {
        SCOPED_TRACE(revenue);
        w.ClearLogs();
        w.ClickRowWithText(*ui.GridRev, 0, revenue);
        EXPECT_TRUE(w.db.sent.isEmpty());
        ASSERT_EQ(w.messages.shown.size(), 1);
        EXPECT_TRUE(w.messages.shown[0].contains(QStringLiteral("\"%1\" is not a plain name").arg(name)))
            << qPrintable(w.messages.shown[0]);
    }
}

}  // namespace
}  // namespace esoa::test
