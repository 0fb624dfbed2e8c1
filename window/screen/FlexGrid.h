#pragma once

#include <QHash>
#include <QTableView>
#include <stdexcept>

#include <QStringList>
#include <vector>

namespace esoa {

class GridModel;

// A property of a list grid was given a value out of its range ("Invalid Row value"). The caller
// either lets it end the event or catches it where a failed assignment is meant to have no effect.
class GridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One list of the mapping screen: a read-only, unsorted table of cell texts with one header row and
// no fixed column, worked with the properties of the classic list grid.
//
// Addressing: grid row 0 is the header row (the field names) and shows as the view's header while
// FixedRows is 1; rows 1..Rows-1 are the data rows; columns are 0..Cols-1. A new grid has 2 rows,
// 2 columns and one fixed row.
//
// Column widths (twips) are kept by column index for the life of the widget and apply to whatever a
// later fill puts into that column, even when set while the grid had fewer columns. Width 0 hides the
// column while TextMatrix still reads its cells; a column never given a width is 960 twips wide.
//
// The current row (Row) is always shown selected across all columns. A left click on a data row
// makes it the current row and raises Click; a click on the header row or on empty space raises
// Click and leaves Row alone. Arrow keys move Row without Click; Enter raises Click.
//
// Every setter given an index out of range throws GridError and changes nothing.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 960;

    explicit FlexGrid(QWidget* parent = nullptr);

    // All rows, the header row included (at least 1).
    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    // 0 or 1, at most Rows.
    int FixedRows() const;
    void setFixedRows(int n);

    int ColWidth(int col) const;
    void setColWidth(int col, int twips);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current row, 0..Rows-1 (0 means no data row is current). Setting it does not scroll.
    int Row() const { return row_; }
    void setRow(int row);
    // The first scrollable row shown, FixedRows..Rows-1. Reads back the last value set, or the
    // row the user scrolled to since.
    int TopRow() const { return topRow_; }
    void setTopRow(int row);
    int ColSel() const { return colSel_; }
    // The data row the last click (or Enter) picked; 0 when it landed on the header row or on
    // the empty space below the rows.
    int ClickedRow() const { return clickedRow_; }
    void setColSel(int col);
    // Sets Row, TopRow or ColSel when the value is in range; a value out of range changes nothing, as
    // where a failed assignment is meant to have no effect. Returns whether it was set.
    bool TrySet(void (FlexGrid::*property)(int), int value);

    // Appends a row whose cells are the tab-separated parts of the text.
    void AddItem(const QString& tabSeparatedCells);
    // Blanks every cell, the header included; Rows, Cols and the widths stay.
    void Clear();
    // The reset before every list read: a blank header row and one blank data row, Cols unchanged.
    void Reset();
    // Shows a whole query result: row 0 the field names, rows 1..n the result rows in order, Cols
    // the field count. Takes the rows over without copying them.
    void Fill(QStringList fields, std::vector<QStringList> rows);

    // Whether Reset and Fill make the first data row current (the default) or leave no row current
    // (Row 0, nothing shown selected) until the user picks one with the mouse or the keys. For a
    // list whose current row is acted on, so that a reload never offers a row the user did not pick.
    void setCurrentRowAfterFill(bool first) { firstRowAfterFill_ = first; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void applyLook();
    void applyRowHeight();
    void applyColWidths();
    // Brings the view's header, selection and scroll position in line with Rows/Row/TopRow after
    // the model changed.
    void syncView();
    void showCurrentRow();
    void scrollToTopRow();
    void onCurrentRowChanged(const QModelIndex& current);
    void onScrolled(int value);

    GridModel* model_;
    QHash<int, int> colWidths_;  // twips by column index
    int row_ = 1;
    int topRow_ = 1;
    int colSel_ = 0;
    int clickedRow_ = 0;
    bool steering_ = false;       // the view is being moved from code, not by the user
    bool pressedInside_ = false;  // a left press began on this grid, so its release is a click
    bool firstRowAfterFill_ = true;
};

}  // namespace esoa
