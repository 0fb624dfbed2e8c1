#include <gtest/gtest.h>

#include "window/screen/Twips.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

const QString kCreateTables = "Create tables under Maintenance tab.";

QString Categories(const QString& table) {
    return "SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[" + table + "] WITH (NOLOCK) WHERE 1=1 ";
}
QString Items(const QString& table) {
    return "SELECT * FROM [Build_FIle].[dbo].[" + table + "] WITH (NOLOCK) WHERE 1=1 ";
}
const QString kRevenues =
    "SELECT [RevenueID],[ExamTableName],[IDFieldName],[ExamFieldName],[SectionIDFieldName],LocationID  FROM "
    "[Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 ";

// One statement of the load and what its failure shows: the database's words naming the table,
// then the hint. The load reports the program's own tables once, whichever failed first; when the
// hospital's tables are missing too, one message names every missing table instead.
struct Step {
    QString statement;
    QString reportedTable;  // empty: succeeds, or fails for a reason already reported
};

TEST(FormLoad, MissingTablesAreReportedOnceAndThePointerShowsTheMaintenanceLink) {
    const QString item = "ESOA_ITEM", er = "ESOA_ER";
    struct Case {
        MappingWindow::Seeding seeding;
        std::vector<Step> steps;
        QStringList inOneMessage;  // empty: a pair of messages per reported table
    };
    const Case cases[] = {
        {MappingWindow::Seeding::Demo,
         {{Categories(item), item},
          {Items(item), ""},
          {kRevenues, ""},
          {expected::RevenueCodes(true), ""},
          {Categories(er), ""},
          {expected::RevenueCodes(false), ""},  // the procedure option's own click
          {expected::RevenueCodes(false), ""},
          {Items(er), ""}},  // the blank row of a failed read routes nothing
         {}},
        {MappingWindow::Seeding::Nothing,
         {{Categories(item), ""},
          {Items(item), ""},
          {kRevenues, ""},
          {expected::RevenueCodes(true), ""},
          {Categories(er), ""},
          {expected::RevenueCodes(false), ""},
          {expected::RevenueCodes(false), ""},
          {Items(er), ""}},
         {"Build_FIle: ESOA_ITEM, ESOA_ITEM_LINK, ESOA_ER, ESOA_ER_LINK, tbRevenues, tbcorevenuecode, "
          "tbcoOtherRevenue, tbcoLabExam, tbcoXRayExam",
          "Inventory: tbInvMaster, tbForGeneric",
          "\"a. Create Tables\" under Maintenance makes ESOA_ITEM and ESOA_ITEM_LINK with \"ESOA ITEM\" "
          "chosen, "
          "ESOA_ER and ESOA_ER_LINK with \"PHIC ER Item\" chosen.",
          "come from the hospital system"}},
    };
    for (const Case& c : cases) {
        MappingWindow w(MappingWindow::Tables::None, false, c.seeding);
        // The placement comes back before anything is read.
        QList<qsizetype> placementsAtStatement;
        w.db.connection().SetObserver([&](const QString& statement) {
            w.db.sent << statement;
            placementsAtStatement << w.user.classes.calls.size();
        });
        w.Show();

        QStringList statements, tables;
        for (const Step& step : c.steps) {
            statements << step.statement;
            if (!step.reportedTable.isEmpty()) tables << step.reportedTable;
        }
        // First the history tables are made, in one transaction, as they are missing.
        const qsizetype made = w.db.sent.indexOf("COMMIT TRANSACTION");
        ASSERT_GE(made, 0);
        EXPECT_TRUE(w.db.sent[made - 1].contains("ESOA_HISTORY_ROW")) << qPrintable(w.db.sent[made - 1]);
        const QStringList sent = w.db.sent.mid(made + 1);
        // Then, to name the missing tables, the load looks for each table the program needs.
        EXPECT_EQ(sent.mid(0, statements.size()), statements);
        EXPECT_EQ(sent.size() > statements.size(), !c.inOneMessage.isEmpty());
        EXPECT_EQ(placementsAtStatement, QList<qsizetype>(w.db.sent.size(), 1));
        EXPECT_EQ(w.user.classes.calls, QStringList{"load:frmESOA_Items"});
        if (!c.inOneMessage.isEmpty()) {
            ASSERT_EQ(w.messages.shown.size(), 1) << qPrintable(w.messages.shown.join('\n'));
            for (const QString& part : c.inOneMessage)
                EXPECT_TRUE(w.messages.shown[0].contains(part)) << qPrintable(w.messages.shown[0]);
        }
        ASSERT_EQ(w.messages.shown.size(), c.inOneMessage.isEmpty() ? 2 * tables.size() : 1)
            << qPrintable(w.messages.shown.join('\n'));
        for (qsizetype i = 0; i < tables.size(); ++i) {
            EXPECT_TRUE(w.messages.shown[2 * i].contains(tables[i], Qt::CaseInsensitive))
                << i << ": " << qPrintable(w.messages.shown[2 * i]);
            EXPECT_EQ(w.messages.shown[2 * i + 1], kCreateTables) << i;
        }
        // The window is up and usable, on the ER list, the pointer right beside the maintenance link.
        ScreenControls& ui = w.ui();
        EXPECT_TRUE(w.form().isVisible());
        EXPECT_EQ(ui.lblESOATableName->text(), "ESOA_ER");
        EXPECT_TRUE(ui.optTable->isSelected(1));
        for (FlexGrid* grid : {ui.Grid1, ui.GridCat}) EXPECT_EQ(grid->Rows(), 2);  // blank, as reset
        const QRect link = ui.lblMaint->geometry(), pointer = ui.cmdInst->geometry();
        EXPECT_TRUE(ui.cmdInst->isVisible());
        // Beside the link, its arrow pointing at it.
        EXPECT_LE(pointer.right(), link.left() + TwipsToPx(600, ui.cmdInst));
        EXPECT_GE(pointer.right(), link.left() - TwipsToPx(600, ui.cmdInst));
        EXPECT_LT(pointer.top(), link.bottom());
        EXPECT_TRUE(ui.cmdInst->text().endsWith("->")) << qPrintable(ui.cmdInst->text());
        EXPECT_TRUE(ui.cmdInst->text().contains("Create Tables")) << qPrintable(ui.cmdInst->text());
        // Clear of the frame the link opens, and within the design width.
        EXPECT_FALSE(pointer.intersects(ui.fraMaint->geometry()));
        EXPECT_LE(pointer.right(), TwipsToPx(21825, ui.cmdInst));

        // Outside the load every failed read is reported as it happens.
        w.ClearLogs();
        for (int click = 0; click < 2; ++click) w.ClickButton(*ui.cmdSearchSOAItem);
        ASSERT_EQ(w.messages.shown.size(), 4) << qPrintable(w.messages.shown.join('\n'));
        EXPECT_EQ(w.messages.shown[1], kCreateTables);
        EXPECT_EQ(w.messages.shown[2], w.messages.shown[0]);
    }
}

TEST(FormLoad, SetsTheWidthsOnceAndOpensOnTheErListRoutedToItsFirstCategory) {
    MappingWindow w;
    ScreenControls& ui = w.ui();
    EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
    EXPECT_EQ(ui.lblESOATableName->text(), "ESOA_ER");
    EXPECT_TRUE(ui.optTable->isSelected(1));
    EXPECT_FALSE(ui.optTable->isSelected(0));
    EXPECT_EQ(ui.txtAreaCat->text(), ui.GridCat->TextMatrix(1, 0));
    for (const QString& category : MappingWindow::Column(*ui.Grid1, 2))
        EXPECT_EQ(category, ui.txtAreaCat->text());
    EXPECT_EQ(ui.cmdInst->text(), "<-Click Category.");

    struct Widths {
        FlexGrid* grid;
        std::vector<std::pair<int, int>> widths;  // column, twips
    };
    const Widths grids[] = {
        {ui.Grid1, {{0, 0}, {1, 800}, {2, 1800}, {3, 3000}}},
        {ui.Grid2, {{0, 800}, {1, 5200}, {2, 1200}, {3, 2500}}},
        {ui.GridCat, {{0, 3500}}},
        {ui.GridRev, {{0, 4000}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        {ui.GridRevCode, {{0, 1100}, {1, 3500}}},
        {ui.GridMap, {{0, 0}, {2, 1500}, {3, 3000}, {7, 3000}}},
    };
    auto checkWidths = [&] {
        for (const Widths& g : grids) {
            for (const auto& [col, twips] : g.widths) {
                EXPECT_EQ(g.grid->ColWidth(col), twips) << qPrintable(g.grid->objectName()) << " " << col;
                if (col >= g.grid->Cols()) continue;
                EXPECT_EQ(g.grid->isColumnHidden(col), twips == 0)
                    << qPrintable(g.grid->objectName()) << " " << col;
                if (twips > 0) {
                    EXPECT_EQ(g.grid->columnWidth(col), TwipsToPx(twips, g.grid));
                }
            }
        }
    };
    checkWidths();
    // Hidden revenue columns are still read: a click on a revenue takes its exam table from them.
    EXPECT_EQ(ui.GridRev->TextMatrix(w.FindRow(*ui.GridRev, 0, "LB"), 1), "tbcoLabExam");

    // Refills keep them: a search, a list switch and a category click.
    w.ClickButton(*ui.cmdSearchSOAItem);
    w.ClickOption(*ui.optTable, 0);
    w.ClickRowWithText(*ui.GridCat, 0, "Others");
    w.ClickRow(*ui.Grid1, 1);
    ASSERT_GT(ui.Grid1->Rows(), 1);
    checkWidths();
}

}  // namespace
}  // namespace esoa::test
