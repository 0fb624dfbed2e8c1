#include <gtest/gtest.h>

#include "screen/Twips.h"
#include "support/MappingWindow.h"

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
// then the hint for the reference and revenue lists, or nothing more for a search.
struct Step {
    QString statement;
    QString missingTable;  // empty: the statement succeeds
    bool hint = true;
};

TEST(FormLoad, MissingTablesCostOneReportPerFailedLoadInLoadOrder) {
    const QString item = "ESOA_ITEM", er = "ESOA_ER";
    struct Case {
        MappingWindow::Seeding seeding;
        std::vector<Step> steps;
    };
    const QString codes = "tbcorevenuecode";
    const Case cases[] = {
        {MappingWindow::Seeding::Demo,
         {{Categories(item), item},
          {Items(item), item},
          {kRevenues, ""},
          {expected::RevenueCodes(true), ""},
          {Categories(er), er},
          {expected::RevenueCodes(false), ""},  // the procedure option's own click
          {expected::RevenueCodes(false), ""},
          {Items(er), er}}},  // the blank row of a failed read routes nothing
        {MappingWindow::Seeding::Nothing,
         {{Categories(item), item},
          {Items(item), item},
          {kRevenues, "tbRevenues"},
          {expected::RevenueCodes(true), codes},
          {Categories(er), er},
          {expected::RevenueCodes(false), codes},
          {expected::RevenueCodes(false), codes},
          {Items(er), er}}},
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

        QStringList statements, messages;
        for (const Step& step : c.steps) {
            statements << step.statement;
            if (step.missingTable.isEmpty()) continue;
            messages << step.missingTable;
            if (step.hint) messages << kCreateTables;
        }
        EXPECT_EQ(w.db.sent, statements);
        EXPECT_EQ(placementsAtStatement, QList<qsizetype>(statements.size(), 1));
        EXPECT_EQ(w.user.classes.calls, QStringList{"load:frmESOA_Items"});
        ASSERT_EQ(w.messages.shown.size(), messages.size()) << qPrintable(w.messages.shown.join('\n'));
        for (qsizetype i = 0; i < messages.size(); ++i) {
            if (messages[i] == kCreateTables) {
                EXPECT_EQ(w.messages.shown[i], kCreateTables) << i;
            } else {
                EXPECT_TRUE(w.messages.shown[i].contains(messages[i], Qt::CaseInsensitive))
                    << i << ": " << qPrintable(w.messages.shown[i]);
                EXPECT_NE(w.messages.shown[i], kCreateTables);
            }
        }
        // The window is up and usable, on the ER list, with the first hint.
        EXPECT_TRUE(w.form().isVisible());
        EXPECT_EQ(w.ui().lblESOATableName->text(), "ESOA_ER");
        EXPECT_TRUE(w.ui().optTable->isSelected(1));
        EXPECT_EQ(w.ui().cmdInst->text(), "<-Click Category.");
        for (FlexGrid* grid : {w.ui().Grid1, w.ui().GridCat}) EXPECT_EQ(grid->Rows(), 2);  // blank, as reset
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
