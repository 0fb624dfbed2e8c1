#include <gtest/gtest.h>

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

struct Route {
    QString table, category;
    bool inventory;
    QString revenue, section;
    QString stem;  // empty: the exam table is left as it was
};

// Both routing tables, with the near misses that must fall to "any other category".
const Route kRoutes[] = {
    {"ESOA_ITEM", "Medicine", true, "PH", "", ""},
    {"ESOA_ITEM", "LaboratoryAndDiagnostic", false, "LB", "", "LabExam"},
    {"ESOA_ITEM", "MedicalSupplies", true, "PH", "", ""},
    {"ESOA_ITEM", "OperatingRoomFees", false, "", "OR", "OtherRevenue"},
    {"ESOA_ITEM", "RoomAndBoard", false, "", "RA", "OtherRevenue"},
    {"ESOA_ITEM", "Others", false, "", "", ""},
    {"ESOA_ITEM", "Laboratory", false, "", "", ""},
    {"ESOA_ER", "Therapeutics", true, "PH", "", ""},
    {"ESOA_ER", "Imaging", false, "XR", "", "XRayExam"},
    {"ESOA_ER", "Laboratory", false, "LB", "", "LabExam"},
    {"ESOA_ER", "ED Service", false, "", "ER", "OtherRevenue"},
    {"ESOA_ER", "ED Consultation", false, "", "ER", "OtherRevenue"},
    {"ESOA_ER", "Monitoring", false, "", "", "OtherRevenue"},
    {"ESOA_ER", "laboratory", false, "", "", "OtherRevenue"},
    {"ESOA_ER", "Laboratory ", false, "", "", "OtherRevenue"},
    {"ESOA_ER", "LaboratoryAndDiagnostic", false, "", "", "OtherRevenue"},
};

TEST(CategoryRouting, EachCategoryPresetsTheSearchThenListsItsItemsAndSearches) {
    MappingWindow w(MappingWindow::Tables::Empty);
    ScreenControls& ui = w.ui();
    for (const Route& r : kRoutes) {
        SCOPED_TRACE(qPrintable(r.table + "/" + r.category));
        // Each list holds two items of the category and one of another (the server's
        // comparison would fold "laboratory" into "Laboratory" in the category list otherwise).
        w.db.Raw("DELETE FROM Build_FIle." + r.table + ";");
        w.AddReferenceRows(r.table, {{"C-1", r.category, "first", "", ""},
                                     {"C-2", r.category, "second", "", ""},
                                     {"Z-1", "Zeta", "other", "", ""}});
        const int list = r.table == "ESOA_ITEM" ? 0 : 1;
        w.ClickOption(*ui.optTable, 1 - list);
        w.ClickOption(*ui.optTable, list);
        w.ClickRowWithText(*ui.GridRev, 0, "CT");  // an exam table the routing never chooses
        w.ClearLogs();

        w.ClickRowWithText(*ui.GridCat, 0, r.category);

        EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
        EXPECT_EQ(ui.txtAreaCat->text(), r.category);
        EXPECT_EQ(ui.txtType->text(), r.inventory ? "INV" : "PROC");
        EXPECT_TRUE(ui.optInventory->isSelected(r.inventory ? 0 : 1));
        EXPECT_EQ(ui.txtRevID->text(), r.revenue);
        EXPECT_EQ(ui.txtSectionID->text(), r.section);
        const QString stem = r.stem.isEmpty() ? QString("CTExam") : r.stem;
        EXPECT_EQ(ui.lblExamFieldName->text(), stem);
        EXPECT_EQ(ui.lblIDFieldName->text(), stem + "ID");
        EXPECT_EQ(ui.lblTable->text(), r.inventory ? QString("Inventory..InvMaster") : "tbco" + stem);
        ASSERT_GE(w.db.sent.size(), 2);
        EXPECT_EQ(w.db.sent[w.db.sent.size() - 2], "SELECT * FROM [Build_FIle].[dbo].[" + r.table +
                                                       "] WITH (NOLOCK) WHERE 1=1  AND Category='" +
                                                       r.category + "'  ");
        EXPECT_EQ(w.db.sent.last(),
                  r.inventory ? expected::InventorySearch() : expected::ProcedureSearch(stem, "", r.section));
        EXPECT_EQ(MappingWindow::Column(*ui.Grid1, 2), QStringList(2, r.category));
        EXPECT_GT(ui.Grid2->Rows(), 1);
        EXPECT_EQ(ui.Grid2->TextMatrix(0, 0), r.inventory ? QString("ItemID") : stem + "ID");
        EXPECT_EQ(ui.cmdInst->text(), "<-Search and Select PhilHealth Item.");
    }
}

TEST(CategoryRouting, MedicineClearsTheSelectionButLeavesTheLinkList) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    w.db.connection().Execute(
        "INSERT INTO [Build_FIle].[dbo].[ESOA_ITEM_LINK] (Code, ItemID, ItemDesc, RevenueID) "
        "VALUES ('LD-00101', '1', 'CBC with Platelet Count', 'LB')");
    w.ClickOption(*ui.optTable, 0);
    w.ClickRowWithText(*ui.GridCat, 0, "LaboratoryAndDiagnostic");
    w.ClickRowWithText(*ui.Grid1, 1, "LD-00101");
    w.ClickRow(*ui.Grid2, 1);
    ASSERT_EQ(MappingWindow::Column(*ui.GridMap, 1), QStringList{"LD-00101"});
    ASSERT_FALSE(ui.txtZEMORAItemID->text().isEmpty());
    w.ClearLogs();

    // A click on the category list's header row routes nothing and keeps the work in progress.
    w.ClickRow(*ui.GridCat, 0);
    EXPECT_TRUE(w.db.sent.isEmpty());
    EXPECT_FALSE(ui.txtZEMORAItemID->text().isEmpty());

    w.ClickRowWithText(*ui.GridCat, 0, "Medicine");

    EXPECT_EQ(ui.txtType->text(), "INV");
    EXPECT_EQ(ui.txtRevID->text(), "PH");
    for (QLineEdit* box : {ui.txtESOACode, ui.txtESOADesc, ui.txtZEMORAItemID, ui.txtZEMORAitemDesc,
                           ui.txtDesc, ui.txtGeneric, ui.txtSectionID}) {
        EXPECT_EQ(box->text(), "") << qPrintable(box->objectName());
    }
    const qsizetype medicines = MappingWindow::SampleRows("ESOA_MEDICINE.csv").size();
    EXPECT_EQ(MappingWindow::Column(*ui.Grid1, 2), QStringList(medicines, "Medicine"));
    EXPECT_EQ(w.db.sent.last(), expected::InventorySearch());
    EXPECT_EQ(ui.Grid2->Rows() - 1,
              w.db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster WHERE itemstatus = 0"));
    EXPECT_EQ(MappingWindow::Column(*ui.GridMap, 1), QStringList{"LD-00101"});
}

TEST(CategoryRouting, AnEmptyCategoryListRoutesNothingSoAnImportListsEveryItem) {
    MappingWindow w(MappingWindow::Tables::Empty);  // as after "a. Create Tables"
    ScreenControls& ui = w.ui();
    ASSERT_EQ(ui.GridCat->Rows(), 1);
    EXPECT_EQ(ui.txtAreaCat->text(), "");
    w.WriteFile("ESOA_ER", "E-1|Imaging|Chest x-ray|100.00|per exam\r\nE-2|Laboratory|CBC|50.00|per test\r\n");
    w.OpenMaintenance();
    w.ClickButton(*ui.cmdScan);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    EXPECT_EQ(MappingWindow::Column(*ui.Grid1, 1), (QStringList{"E-1", "E-2"}));
}

}  // namespace
}  // namespace esoa::test
