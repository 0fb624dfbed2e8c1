#include "window/screen/GridModel.h"

#include <algorithm>

namespace esoa {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
    // A grid starts as designed: a header row and one data row.
    body_.resize(1);
}

void GridModel::setGridRows(int rows) {
    const size_t bodyRows = static_cast<size_t>(std::max(rows, 1) - 1);
    if (bodyRows == body_.size()) return;
    beginResetModel();
    body_.resize(bodyRows);
    endResetModel();
}

void GridModel::setCols(int cols) {
    if (cols == cols_) return;
    beginResetModel();
    // Cells left beyond the old count (a long AddItem, a wide fill row) must not reappear as the
    // grid widens, so rows are cut to the smaller of both counts.
    truncateRows(std::min(cols, cols_));
    cols_ = cols;
    endResetModel();
}

void GridModel::truncateRows(int cols) {
    auto cut = [cols](QStringList& row) {
        if (row.size() > cols) row.resize(cols);
    };
    cut(header_);
    for (QStringList& row : body_) cut(row);
}

void GridModel::setFixedRows(int fixedRows) {
    if (fixedRows == fixedRows_) return;
    // Row 0 moves between the header and the model rows, so every model row index shifts.
    beginResetModel();
    fixedRows_ = fixedRows;
    endResetModel();
}

QString GridModel::text(int row, int col) const {
    const QStringList& cells = gridRow(row);
    return col < cells.size() ? cells.at(col) : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    QStringList& cells = gridRow(row);
    if (cells.size() <= col) cells.resize(col + 1);
    cells[col] = text;
    if (row < fixedRows_) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex changed = index(row - fixedRows_, col);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void GridModel::appendRow(QStringList cells) {
    if (cells.size() > cols_) cells.resize(cols_);
    const int modelRow = gridRows() - fixedRows_;
    beginInsertRows({}, modelRow, modelRow);
    body_.push_back(std::move(cells));
    endInsertRows();
}

void GridModel::clearTexts() {
    beginResetModel();
    header_.clear();
    // Assigning empty lists frees the cells while keeping the row count.
    for (QStringList& row : body_) row = QStringList();
    endResetModel();
}

void GridModel::fill(QStringList header, std::vector<QStringList> rows) {
    beginResetModel();
    cols_ = std::max<int>(static_cast<int>(header.size()), 1);
    header_ = std::move(header);
    body_ = std::move(rows);
    fixedRows_ = 1;
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridRows() - fixedRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    // Only the text is answered: the view asks for many roles per painted cell, and every answer
    // that is not the text would be the default anyway.
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const QStringList& cells = gridRow(index.row() + fixedRows_);
    const int col = index.column();
    if (col >= cells.size() || col >= cols_) return {};
    return cells.at(col);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || fixedRows_ == 0) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || section < 0 || section >= cols_) return {};
    return text(0, section);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    // Selectable but never editable: the lists are read-only.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace esoa
