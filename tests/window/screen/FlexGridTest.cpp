#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "database/Connection.h"
#include "window/screen/FlexGrid.h"
#include "window/screen/Twips.h"

namespace esoa {
namespace {

ReadResult Result(QStringList fields, int rows) {
    ReadResult result;
    result.fields = std::move(fields);
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int c = 0; c < result.fields.size(); ++c) cells << QStringLiteral("r%1c%2").arg(r).arg(c);
        result.rows.push_back(cells);
    }
    return result;
}

void FillWith(FlexGrid& grid, ReadResult result) { grid.Fill(std::move(result.fields), std::move(result.rows)); }

class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(640, 320);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    // The centre of a data row's first shown cell, in viewport coordinates.
    QPoint RowCentre(int row) {
        const int col = grid.isColumnHidden(0) ? 1 : 0;
        return grid.visualRect(grid.model()->index(row - grid.FixedRows(), col)).center();
    }
    int SelectedGridRow() {
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() + grid.FixedRows() : -1;
    }

    FlexGrid grid;
    QSignalSpy clicks{&grid, &FlexGrid::Click};
};

TEST_F(FlexGridTest, StartsInTheDesignStateWithHeaderShown) {
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_TRUE(grid.horizontalHeader()->isVisible());
    EXPECT_FALSE(grid.verticalHeader()->isVisible());
}

TEST_F(FlexGridTest, FillPutsFieldNamesInRowZeroAndRowsInResultOrder) {
    FillWith(grid, Result({"ID", "Code", "Description"}, 3));

    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 0), "ID");
    EXPECT_EQ(grid.TextMatrix(0, 2), "Description");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Code");
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(grid.TextMatrix(r, 1), QStringLiteral("r%1c1").arg(r));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(SelectedGridRow(), 1);

    // A refill with no rows leaves only the header row and no current data row.
    FillWith(grid, Result({"Category"}, 0));
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Cols(), 1);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(SelectedGridRow(), -1);
}

TEST_F(FlexGridTest, ColumnWidthsAreKeptByIndexAcrossRefills) {
    grid.setColWidth(1, 800);
    grid.setColWidth(3, 3000);  // set while the grid has only two columns
    const int px3000 = TwipsToPx(3000, &grid);

    FillWith(grid, Result({"A", "B", "C", "D", "E"}, 2));
    EXPECT_EQ(grid.columnWidth(1), TwipsToPx(800, &grid));
    EXPECT_EQ(grid.columnWidth(3), px3000);
    EXPECT_EQ(grid.columnWidth(4), TwipsToPx(FlexGrid::kDefaultColWidth, &grid));

    FillWith(grid, Result({"A", "B"}, 1));
    grid.Reset();
    grid.Clear();
    FillWith(grid, Result({"A", "B", "C", "D"}, 4));
    EXPECT_EQ(grid.columnWidth(3), px3000);
    EXPECT_EQ(grid.ColWidth(3), 3000);
    EXPECT_EQ(grid.ColWidth(7), FlexGrid::kDefaultColWidth);
}

TEST_F(FlexGridTest, ZeroWidthHidesAColumnWhoseCellsStillRead) {
    grid.setColWidth(0, 0);
    FillWith(grid, Result({"ID", "Code"}, 2));
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_FALSE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.TextMatrix(2, 0), "r2c0");

    grid.Reset();
    FillWith(grid, Result({"ID", "Code"}, 2));
    EXPECT_TRUE(grid.isColumnHidden(0));

    // Clicking the row still picks it although its first column is hidden.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(FlexGridTest, ResetLeavesBlankHeaderAndOneBlankRowWithColsUnchanged) {
    FillWith(grid, Result({"A", "B", "C", "D"}, 50));
    grid.setRow(40);
    grid.setTopRow(30);

    grid.Reset();
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_TRUE(grid.horizontalHeader()->isVisible());
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.TextMatrix(r, c), "") << r << "," << c;
    }
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(FlexGridTest, ClearBlanksCellsAndAddItemSplitsTabs) {
    FillWith(grid, Result({"A", "B", "C"}, 2));
    grid.Clear();
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
    EXPECT_EQ(grid.TextMatrix(2, 2), "");

    grid.AddItem("x\ty\tz\tbeyond the last column");
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(3, 1), "y");
    // A cell cut off at the column count must not come back when the grid widens.
    grid.setCols(4);
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
    grid.setTextMatrix(3, 3, "w");
    grid.setCols(2);
    grid.setCols(4);
    EXPECT_EQ(grid.TextMatrix(3, 2), "");
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
}

TEST_F(FlexGridTest, OutOfRangeAssignmentsThrowAndChangeNothing) {
    FillWith(grid, Result({"A", "B", "C"}, 5));  // Rows 6, Cols 3
    grid.setRow(2);
    grid.setTopRow(1);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"Row -1", [&] { grid.setRow(-1); }},
        {"Row = Rows", [&] { grid.setRow(6); }},
        {"TopRow on the fixed row", [&] { grid.setTopRow(0); }},
        {"TopRow = Rows", [&] { grid.setTopRow(6); }},
        {"ColSel -1", [&] { grid.setColSel(-1); }},
        {"ColSel = Cols", [&] { grid.setColSel(3); }},
        {"TextMatrix row", [&] { grid.TextMatrix(6, 0); }},
        {"TextMatrix col", [&] { grid.setTextMatrix(1, 3, "x"); }},
        {"Rows 0", [&] { grid.setRows(0); }},
    };
    for (const auto& [name, assign] : cases) {
        EXPECT_THROW(assign(), std::runtime_error) << name;
        EXPECT_EQ(grid.Row(), 2) << name;
        EXPECT_EQ(grid.TopRow(), 1) << name;
        EXPECT_EQ(grid.Rows(), 6) << name;
    }
    try {
        grid.setRow(99);
    } catch (const GridError& e) {
        EXPECT_STREQ(e.what(), "Invalid Row value");
    }
    grid.setColSel(2);
    EXPECT_EQ(grid.ColSel(), 2);
}

TEST_F(FlexGridTest, RowAndTopRowRestoredRightAfterARefill) {
    // The hospital search remembers Row and TopRow, refills, and sets both back.
    FillWith(grid, Result({"ItemID", "ItemName"}, 500));
    grid.Reset();
    FillWith(grid, Result({"ItemID", "ItemName"}, 500));
    grid.setRow(150);
    grid.setColSel(grid.Cols() - 1);
    grid.setTopRow(140);

    EXPECT_EQ(grid.Row(), 150);
    EXPECT_EQ(grid.TopRow(), 140);
    EXPECT_EQ(SelectedGridRow(), 150);
    EXPECT_EQ(grid.rowAt(0) + grid.FixedRows(), 140);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 2);  // the whole row

    // Setting Row alone does not scroll the list.
    grid.setRow(3);
    EXPECT_EQ(grid.TopRow(), 140);
    EXPECT_EQ(grid.rowAt(0) + grid.FixedRows(), 140);

    // The same on a list that is not on screen yet, as during the screen's load.
    FlexGrid hidden;
    hidden.resize(640, 320);
    FillWith(hidden, Result({"ItemID", "ItemName"}, 500));
    hidden.setTopRow(140);
    hidden.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hidden));
    EXPECT_EQ(hidden.TopRow(), 140);
    EXPECT_EQ(hidden.rowAt(0) + hidden.FixedRows(), 140);
}

TEST_F(FlexGridTest, ClickOnADataRowSelectsItAndRaisesClickOnce) {
    FillWith(grid, Result({"A", "B"}, 5));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(3));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.ClickedRow(), 3);
    EXPECT_EQ(SelectedGridRow(), 3);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, RowCentre(4));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_TRUE(grid.viewport()->findChildren<QWidget*>().isEmpty());  // no editor opened
}

TEST_F(FlexGridTest, ClickOnHeaderOrEmptySpaceRaisesClickWithoutMovingRow) {
    FillWith(grid, Result({"A", "B"}, 3));
    grid.setRow(2);

    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(1));
    EXPECT_EQ(grid.ClickedRow(), 1);
    grid.setRow(2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.ClickedRow(), 0);  // the header row is no pick

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(1));
    grid.setRow(2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(10, grid.viewport()->height() - 5));
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.ClickedRow(), 0);  // nor is the empty space below the rows
    EXPECT_EQ(SelectedGridRow(), 2);
}

TEST_F(FlexGridTest, ArrowKeysMoveRowWithoutClickAndEnterClicks) {
    FillWith(grid, Result({"A", "B"}, 5));
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(SelectedGridRow(), 2);
    QTest::keyClick(&grid, Qt::Key_Space, Qt::ControlModifier);  // would deselect in a plain view
    EXPECT_EQ(SelectedGridRow(), 2);
    EXPECT_EQ(clicks.count(), 0);

    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&grid, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(FlexGridTest, ScrollingByTheUserIsReadBackAsTopRow) {
    FillWith(grid, Result({"A", "B"}, 300));
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_GT(grid.TopRow(), 1);
    EXPECT_EQ(grid.TopRow(), grid.rowAt(0) + grid.FixedRows());
}

}  // namespace
}  // namespace esoa
