#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScrollBar>

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The window with the inventory as item source.
struct InventoryWindow : MappingWindow {
    InventoryWindow() {
        if (ui().optInventory->isSelected(0)) ClickOption(*ui().optInventory, 1);
        ClickOption(*ui().optInventory, 0);
    }
    // Types the two search texts and clicks "&Search".
    void Search(const QString& desc, const QString& generic) {
        Type(*ui().txtDesc, desc);
        Type(*ui().txtGeneric, generic);
        ClearLogs();
        ClickButton(*ui().cmdPreview);
    }
};

TEST(ItemSearch, InventorySearchFiltersByNameAndGenericInNameOrder) {
    InventoryWindow w;
    const int active = w.db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster WHERE itemstatus = 0");
    struct Case {
        QString desc, generic;
    };
    for (const Case& c : {Case{"", ""}, Case{"tab", ""}, Case{"", "amox"}, Case{"500", "para"}}) {
        SCOPED_TRACE(qPrintable(c.desc + "|" + c.generic));
        w.Search(c.desc, c.generic);
        EXPECT_EQ(w.db.sent, QStringList{expected::InventorySearch(c.desc, c.generic)});
        EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
        EXPECT_EQ(w.ui().cmdInst->text(), "<-Select ZEMORA Item");
        EXPECT_EQ(w.ui().lblTable->text(), "Inventory..InvMaster");
        const FlexGrid& grid = *w.ui().Grid2;
        const QStringList names = MappingWindow::Column(grid, 1);
        if (c.desc.isEmpty() && c.generic.isEmpty()) {
            EXPECT_EQ(names.size(), active);  // items without generic too
        }
        ASSERT_FALSE(names.isEmpty());
        for (qsizetype i = 0; i < names.size(); ++i) {
            EXPECT_TRUE(names[i].contains(c.desc, Qt::CaseInsensitive)) << qPrintable(names[i]);
            EXPECT_TRUE(grid.TextMatrix(int(i) + 1, 3).contains(c.generic, Qt::CaseInsensitive));
            if (i > 0) {
                EXPECT_LE(names[i - 1].compare(names[i], Qt::CaseInsensitive), 0);
            }
        }
    }
    // At most 500 are listed: the first ones by name.
    w.db.Raw(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
        "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, itemstatus) "
        "SELECT 9000 + i, printf('AAA %03d', i), 0 FROM n;");
    w.Search("", "");
    EXPECT_EQ(w.ui().Grid2->Rows() - 1, 500);
    EXPECT_EQ(w.ui().Grid2->TextMatrix(1, 1), "AAA 001");

    // The search hands its filters to the database with the statement, so the embedded database reads
    // a name filter through its text index: an entry taken out of the index behind its back hides the
    // item, and only from the name search.
    w.db.Raw("INSERT INTO Inventory.tbInvMaster__esoa_ItemNameText(tbInvMaster__esoa_ItemNameText, rowid, "
             "ItemName) SELECT 'delete', rowid, ItemName FROM Inventory.tbInvMaster WHERE ItemName = 'AAA 007'");
    w.Search("AAA 00", "");
    EXPECT_EQ(MappingWindow::Column(*w.ui().Grid2, 1).size(), 8);
    EXPECT_FALSE(MappingWindow::Column(*w.ui().Grid2, 1).contains("AAA 007"));
    w.Search("", "");
    EXPECT_EQ(w.ui().Grid2->TextMatrix(7, 1), "AAA 007");
}

TEST(ItemSearch, ProcedureSearchFiltersByNameAndSection) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    w.ClickRowWithText(*ui.GridRevCode, 0, "ER");
    struct Case {
        QString desc, section;
        int rows;  // of the demo's other-revenue table
    };
    const int active = w.db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoOtherRevenue WHERE Status = 'A'");
    for (const Case& c :
         {Case{"", "", active}, Case{"fee", "", -1}, Case{"", "ER", 10}, Case{"fee", "ER", 6}}) {
        SCOPED_TRACE(qPrintable(c.desc + "|" + c.section));
        w.Type(*ui.txtDesc, c.desc);
        w.Type(*ui.txtSectionID, c.section);
        w.ClearLogs();
        w.ClickButton(*ui.cmdPreview);
        EXPECT_EQ(w.db.sent, QStringList{expected::ProcedureSearch("OtherRevenue", c.desc, c.section)});
        EXPECT_TRUE(w.messages.shown.isEmpty());
        if (c.rows >= 0) {
            EXPECT_EQ(ui.Grid2->Rows() - 1, c.rows);
        }
        for (const QString& name : MappingWindow::Column(*ui.Grid2, 1))
            EXPECT_TRUE(name.contains(c.desc, Qt::CaseInsensitive));
    }
    // A section on an exam table that has none fails in the database: one message, no hint.
    w.ClickRowWithText(*ui.GridRev, 0, "LB");
    w.Type(*ui.txtDesc, "");
    w.Type(*ui.txtSectionID, "ER");
    w.ClearLogs();
    w.PressEnter(*ui.txtDesc);
    EXPECT_EQ(w.db.sent, QStringList{expected::ProcedureSearch("LabExam", "", "ER")});
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].contains("OtherSectionID")) << qPrintable(w.messages.shown[0]);
    EXPECT_EQ(ui.Grid2->Rows(), 2);
}

TEST(ItemSearch, ANewSearchKeepsTheHighlightedRowAndScrollPlaceWhenItCan) {
    InventoryWindow w;
    FlexGrid& grid = *w.ui().Grid2;
    w.Search("", "");
    w.ClickRow(grid, 200);
    const int topRow = grid.TopRow();
    ASSERT_EQ(grid.Row(), 200);
    ASSERT_GT(topRow, 1);

    w.ClickButton(*w.ui().cmdPreview);
    EXPECT_EQ(grid.Row(), 200);
    EXPECT_EQ(grid.TopRow(), topRow);
    EXPECT_EQ(grid.verticalScrollBar()->value(), topRow - 1);
    EXPECT_EQ(grid.ColSel(), grid.Cols() - 1);

    w.Search("Lactated", "");  // too short for both: the new list starts at its top, no message
    EXPECT_TRUE(w.messages.shown.isEmpty());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST(ItemSearch, PickingAHitFillsTheItemFieldsAndHeaderRowsPickNothing) {
    InventoryWindow w;
    ScreenControls& ui = w.ui();
    FlexGrid& grid = *ui.Grid2;
    w.Search("no such item", "");
    ASSERT_EQ(grid.Rows(), 1);
    w.ClickRow(grid, 0);
    EXPECT_EQ(ui.txtZEMORAItemID->text() + ui.txtZEMORAitemDesc->text(), "");
    EXPECT_EQ(ui.cmdInst->text(), "<-Select ZEMORA Item");

    w.Search("", "");
    w.ClickRow(grid, 3);
    EXPECT_EQ(ui.txtZEMORAItemID->text(), grid.TextMatrix(3, 0));
    EXPECT_EQ(ui.txtZEMORAitemDesc->text(), grid.TextMatrix(3, 1));  // the name, not ItemDesc
    EXPECT_EQ(ui.cmdInst->text(), "<-Verify and Save Mapping");

    // A click on the header of a filled list picks nothing either, not even the highlighted row.
    grid.setRow(4);
    w.ClickRow(grid, 0);
    EXPECT_EQ(ui.txtZEMORAItemID->text(), grid.TextMatrix(3, 0));

    // A row that repeats the other-revenue table's header is no item.
    const QString picked = ui.txtZEMORAItemID->text();
    grid.setTextMatrix(5, 0, "OtherRevenueID");
    w.ClickRow(grid, 5);
    EXPECT_EQ(ui.txtZEMORAItemID->text(), picked);

    // A new search leaves the pick alone.
    w.Search("para", "");
    EXPECT_EQ(ui.txtZEMORAItemID->text(), picked);
}

TEST(ItemSearch, UseCopiesThePhilHealthDescriptionAndEnterInEitherSearchBoxSearchesLikeItsButton) {
    InventoryWindow w;
    ScreenControls& ui = w.ui();
    ui.txtESOADesc->setText("PARACETAMOL 500 mg tablet");  // as a PhilHealth item pick leaves it
    w.ClearLogs();
    w.ClickButton(*ui.cmdUse);
    EXPECT_EQ(ui.txtDesc->text(), "PARACETAMOL 500 mg tablet");
    EXPECT_TRUE(w.db.sent.isEmpty());

    w.Type(*ui.txtDesc, "para");
    w.Type(*ui.txtGeneric, "");
    w.ClearLogs();
    w.PressEnter(*ui.txtGeneric);  // Enter elsewhere does not search
    EXPECT_TRUE(w.db.sent.isEmpty());
    w.PressEnter(*ui.txtDesc);
    EXPECT_EQ(w.db.sent, QStringList{expected::InventorySearch("para")});
    EXPECT_EQ(ui.cmdInst->text(), "<-Select ZEMORA Item");
    EXPECT_EQ(ui.txtDesc->text(), "para");

    // The PhilHealth search box lists the PhilHealth items, as its "Search" button does.
    w.Type(*ui.txtSOADesc, "para");
    w.ClearLogs();
    w.PressEnter(*ui.txtSOADesc);
    ASSERT_EQ(w.db.sent.size(), 1);
    EXPECT_TRUE(w.db.sent[0].startsWith("SELECT * FROM [Build_FIle].[dbo].[")) << w.db.sent[0].toStdString();
    EXPECT_TRUE(w.db.sent[0].contains(" AND Description like '%para%'  ")) << w.db.sent[0].toStdString();
}

TEST(ItemSearch, ExamTableNamesFromTheRevenueTableMustBePlainNames) {
    MappingWindow w(MappingWindow::Tables::Sample, false);
    w.db.Raw(
        "CREATE TABLE Build_FIle.x (a INTEGER);"
        "INSERT INTO Build_FIle.tbRevenues VALUES"
        " ('B1', 'Bad', 'tbcoLabExam; DROP TABLE x', 'LabExamID', 'LabExam', NULL, NULL),"
        " ('B2', 'Bad', 'tbcoLabExam', 'Lab Exam', 'LabExam', NULL, NULL),"
        " ('B3', 'Bad', 'tbcoLabExam', 'LabExamID', 'LabExam FROM x --', NULL, NULL),"
        " ('B4', 'Bad', '[tbcoLabExam]', 'LabExamID', 'LabExam', NULL, NULL);");
    w.Show();
    ScreenControls& ui = w.ui();
    w.ClickOption(*ui.optInventory, 1);
    const std::pair<QString, QString> bad[] = {{"B1", "tbcoLabExam; DROP TABLE x"},
                                               {"B2", "Lab Exam"},
                                               {"B3", "LabExam FROM x --"},
                                               {"B4", "[tbcoLabExam]"}};
    for (const auto& [revenue, value] : bad) {
        SCOPED_TRACE(qPrintable(revenue));
        w.ClearLogs();
        w.ClickRowWithText(*ui.GridRev, 0, revenue);
        EXPECT_TRUE(w.db.sent.isEmpty()) << qPrintable(w.db.sent.join('\n'));
        ASSERT_EQ(w.messages.shown.size(), 1);
        EXPECT_TRUE(w.messages.shown[0].contains("\"" + value + "\"")) << qPrintable(w.messages.shown[0]);
        EXPECT_EQ(ui.Grid2->Rows(), 2);
    }
    EXPECT_EQ(w.db.Count("SELECT COUNT(*) FROM Build_FIle..x"), 0);  // still there
    w.ClearLogs();
    w.ClickRowWithText(*ui.GridRev, 0, "XR");
    EXPECT_EQ(w.db.sent, QStringList{expected::ProcedureSearch("XRayExam")});
    EXPECT_TRUE(w.messages.shown.isEmpty());
}

TEST(ItemSearch, HostileSearchTextsStayValuesAndWildcardsKeepTheirMeaning) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    struct Box {
        QLineEdit* box;
        int option;       // item source
        QString revenue;  // revenue (GridRev) or code (GridRevCode) clicked first
        bool like;        // a LIKE condition (else "=")
        int nameCol;      // the column the condition reads, -1: not listed
    };
    const Box boxes[] = {{ui.txtDesc, 0, "", true, 1},
                         {ui.txtGeneric, 0, "", true, 3},
                         {ui.txtDesc, 1, "LB", true, 1},
                         {ui.txtSectionID, 1, "ER", false, -1}};
    const QString texts[] = {"'", "'; DROP TABLE x; --", "%", "_", "’", QString(10000, 'a')};
    for (const Box& b : boxes) {
        w.ClickOption(*ui.optInventory, b.option);
        if (b.revenue == "LB") w.ClickRowWithText(*ui.GridRev, 0, b.revenue);
        if (b.revenue == "ER") w.ClickRowWithText(*ui.GridRevCode, 0, b.revenue);
        for (QLineEdit* box : {ui.txtDesc, ui.txtGeneric, ui.txtSectionID}) box->clear();
        w.ClickButton(*ui.cmdPreview);
        // A pattern of wildcards matches every row that has a value to match (not a missing generic).
        const int all =
            b.nameCol < 0
                ? 0
                : int(MappingWindow::Column(*ui.Grid2, b.nameCol).filter(QRegularExpression(".")).size());
        for (const QString& text : texts) {
            SCOPED_TRACE(qPrintable(b.box->objectName() + " " + text.left(20)));
            w.Type(*b.box, text);
            w.ClearLogs();
            w.ClickButton(*ui.cmdPreview);
            EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
            const int rows = ui.Grid2->Rows() - 1;
            if (!b.like) {
                EXPECT_EQ(rows, 0);
            } else if (text == "%" || text == "_") {
                EXPECT_EQ(rows, all);
            } else if (text == "'") {
                EXPECT_GE(rows, 2);  // the demo data has names with apostrophes
                for (const QString& cell : MappingWindow::Column(*ui.Grid2, b.nameCol))
                    EXPECT_TRUE(cell.contains('\''));
            } else {
                EXPECT_EQ(rows, 0);
            }
        }
    }
    EXPECT_GT(w.db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster"), 0);
}

}  // namespace
}  // namespace esoa::test
