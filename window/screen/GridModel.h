#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace esoa {

// The cell texts of one list grid, addressed the way the grid addresses them: grid row 0 is the
// header row (the field names), grid rows 1.. are the data rows. When the grid has one fixed row,
// row 0 is offered to the view as the horizontal header and model row m is grid row m + 1; with no
// fixed row every grid row is a model row.
//
// A row may hold fewer cells than there are columns: the missing cells read as the empty text. Cells
// beyond the column count are never shown or read.
//
// The grid indices passed in are not checked here: FlexGrid checks them and throws before calling.
// Owned by its FlexGrid.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int gridRows() const { return static_cast<int>(body_.size()) + 1; }
    int cols() const { return cols_; }
    int fixedRows() const { return fixedRows_; }

    // Grows with blank rows or drops rows from the end; at least the header row stays.
    void setGridRows(int rows);
    // Shrinking drops the cells of the removed columns; growing adds blank columns.
    void setCols(int cols);
    // 0 or 1.
    void setFixedRows(int fixedRows);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // Appends one grid row; cells beyond the column count are dropped.
    void appendRow(QStringList cells);
    // Blanks every cell, the header row included; keeps the row and column counts.
    void clearTexts();
    // Replaces the whole content by a header row and data rows, taking both over without copying
    // cells; the column count becomes the header's length (at least 1) and one fixed row is kept.
    void fill(QStringList header, std::vector<QStringList> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList& gridRow(int row) { return row == 0 ? header_ : body_[static_cast<size_t>(row - 1)]; }
    const QStringList& gridRow(int row) const {
        return row == 0 ? header_ : body_[static_cast<size_t>(row - 1)];
    }
    void truncateRows(int cols);

    QStringList header_;
    std::vector<QStringList> body_;
    int cols_ = 2;
    int fixedRows_ = 1;
};

}  // namespace esoa
