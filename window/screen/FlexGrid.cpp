#include "window/screen/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "window/screen/GridModel.h"
#include "window/screen/Twips.h"

namespace esoa {

namespace {

const char* const kInvalidRow = "Invalid Row value";

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    applyLook();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { onCurrentRowChanged(current); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::onScrolled);
    // The header forgets section sizes and hidden sections whenever the model is reset; the kept
    // widths are laid on again right after it has rebuilt its sections.
    connect(model_, &QAbstractItemModel::modelReset, this, &FlexGrid::applyColWidths);
    horizontalHeader()->viewport()->installEventFilter(this);
    applyColWidths();
    syncView();
}

void FlexGrid::applyLook() {
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setDragEnabled(false);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab leaves the list, as on the rest of the screen
    setCornerButtonEnabled(false);
    // Setting Row must not scroll (the caller sets TopRow for that), and the view would otherwise
    // scroll to the current row on every change and again when it is first shown. Only the
    // keyboard brings the current row into view, below.
    setAutoScroll(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);

    // Fixed sections everywhere: the view then never measures contents, which keeps a fill of
    // a hundred thousand rows and the scrolling through them cheap.
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setMinimumSectionSize(1);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setDefaultSectionSize(TwipsToPx(kDefaultColWidth, this));

    // The picked row must stay visible while the user works in another control of the screen.
    QPalette look = palette();
    look.setColor(QPalette::Inactive, QPalette::Highlight, look.color(QPalette::Active, QPalette::Highlight));
    look.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  look.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(look);
    applyRowHeight();
}

void FlexGrid::applyRowHeight() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void FlexGrid::applyColWidths() {
    QHeaderView* columns = horizontalHeader();
    for (int col = 0; col < model_->cols(); ++col) {
        const int twips = colWidths_.value(col, kDefaultColWidth);
        if (twips == 0) {
            setColumnHidden(col, true);
        } else {
            setColumnHidden(col, false);
            columns->resizeSection(col, TwipsToPx(twips, this));
        }
    }
}

int FlexGrid::Rows() const {
    return model_->gridRows();
}

void FlexGrid::setRows(int rows) {
    if (rows < 1 || rows < FixedRows()) throw GridError("Invalid Rows value");
    model_->setGridRows(rows);
    syncView();
}

int FlexGrid::Cols() const {
    return model_->cols();
}

void FlexGrid::setCols(int cols) {
    if (cols < 1) throw GridError("Invalid Cols value");
    model_->setCols(cols);
    syncView();
}

int FlexGrid::FixedRows() const {
    return model_->fixedRows();
}

void FlexGrid::setFixedRows(int n) {
    if (n < 0 || n > 1 || n > Rows()) throw GridError("Invalid FixedRows value");
    model_->setFixedRows(n);
    // A row that just became fixed can be neither the first scrollable row nor, when there is a
    // data row, the current one.
    if (row_ < n && Rows() > n) row_ = n;
    topRow_ = std::max(topRow_, n);
    syncView();
}

int FlexGrid::ColWidth(int col) const {
    if (col < 0) throw GridError("Invalid Col value");
    return colWidths_.value(col, kDefaultColWidth);
}

void FlexGrid::setColWidth(int col, int twips) {
    if (col < 0) throw GridError("Invalid Col value");
    if (twips < 0) throw GridError("Invalid ColWidth value");
    colWidths_.insert(col, twips);
    if (col < Cols()) applyColWidths();
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) throw GridError("Subscript out of range");
    return model_->text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) throw GridError("Subscript out of range");
    model_->setText(row, col, text);
}

void FlexGrid::setRow(int row) {
    if (row < 0 || row >= Rows()) throw GridError(kInvalidRow);
    row_ = row;
    showCurrentRow();
}

void FlexGrid::setTopRow(int row) {
    if (row < FixedRows() || row >= Rows()) throw GridError(kInvalidRow);
    topRow_ = row;
    scrollToTopRow();
}

void FlexGrid::setColSel(int col) {
    if (col < 0 || col >= Cols()) throw GridError("Invalid Col value");
    colSel_ = col;
}

void FlexGrid::AddItem(const QString& tabSeparatedCells) {
    model_->appendRow(tabSeparatedCells.split(QLatin1Char('\t')));
}

void FlexGrid::Clear() {
    model_->clearTexts();
    syncView();
}

void FlexGrid::Reset() {
    // The classic sequence, so that a grid in any state ends in the same blank one.
    setRows(1);
    Clear();
    setFixedRows(0);
    AddItem(QString());
    setFixedRows(1);
    row_ = firstRowAfterFill_ ? 1 : 0;
    topRow_ = 1;
    syncView();
}

bool FlexGrid::TrySet(void (FlexGrid::*property)(int), int value) {
    try {
        (this->*property)(value);
        return true;
    } catch (const GridError&) {
        return false;
    }
}

void FlexGrid::Fill(QStringList fields, std::vector<QStringList> rows) {
    model_->fill(std::move(fields), std::move(rows));
    row_ = firstRowAfterFill_ && Rows() > 1 ? 1 : 0;
    topRow_ = 1;
    syncView();
}

void FlexGrid::syncView() {
    const int rows = Rows();
    const int fixed = FixedRows();
    row_ = std::clamp(row_, 0, rows - 1);
    if (topRow_ >= rows) topRow_ = std::max(fixed, rows - 1);
    colSel_ = std::clamp(colSel_, 0, Cols() - 1);
    horizontalHeader()->setVisible(fixed == 1);
    showCurrentRow();
    scrollToTopRow();
}

void FlexGrid::showCurrentRow() {
    const int fixed = FixedRows();
    QItemSelectionModel* selection = selectionModel();
    steering_ = true;
    if (row_ >= fixed && row_ < Rows()) {
        // The current cell goes to a shown column, so that the arrow keys start from it.
        int col = 0;
        while (col < Cols() - 1 && isColumnHidden(col)) ++col;
        selection->setCurrentIndex(model_->index(row_ - fixed, col),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
        selection->clearCurrentIndex();
    }
    steering_ = false;
}

void FlexGrid::scrollToTopRow() {
    const int fixed = FixedRows();
    if (topRow_ < fixed || topRow_ >= Rows()) return;
    // The scroll range follows the row count only after the pending layout; without it a value
    // set right after a fill would be cut to the range of the previous content. The layout may
    // move the scroll bar itself, which must not count as the user scrolling.
    steering_ = true;
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(topRow_ - fixed);
    steering_ = false;
}

void FlexGrid::onCurrentRowChanged(const QModelIndex& current) {
    if (steering_ || !current.isValid()) return;
    row_ = current.row() + FixedRows();
}

void FlexGrid::onScrolled(int value) {
    if (!steering_) topRow_ = value + FixedRows();
}

QItemSelectionModel::SelectionFlags FlexGrid::selectionCommand(const QModelIndex& index,
                                                               const QEvent*) const {
    // Whatever the view would do (Ctrl+Space deselecting, a press on empty space clearing), the
    // current row stays selected as a whole.
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    // Handled here rather than by the view: the view would clear the selection on empty space and
    // start drag selections, and the classic grid only moves its current row.
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    pressedInside_ = true;
    const QModelIndex index = indexAt(event->position().toPoint());
    clickedRow_ = index.isValid() ? index.row() + FixedRows() : 0;
    if (index.isValid()) setRow(clickedRow_);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is one more click, no edit and no other signal.
    mousePressEvent(event);
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressedInside_) return;
    pressedInside_ = false;
    emit Click();
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != horizontalHeader()->viewport()) return QTableView::eventFilter(watched, event);
    // A click on the header row is a click of the grid that leaves the current row alone.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressedInside_ = true;
                clickedRow_ = 0;
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && pressedInside_) {
                pressedInside_ = false;
                emit Click();
            }
            return true;
        default:
            return QTableView::eventFilter(watched, event);
    }
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Lets a keyboard user pick the current row as a click would.
        event->accept();
        clickedRow_ = row_;
        emit Click();
        return;
    }
    const int before = row_;
    QTableView::keyPressEvent(event);
    if (row_ != before) scrollTo(currentIndex());
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    const int before = row_;
    QTableView::focusInEvent(event);
    // The view makes its first row current, unselected, when it gains the focus with none: a list
    // that waits for the user's pick keeps none (an arrow key then picks the first row).
    if (!firstRowAfterFill_ && before == 0 && row_ != 0) {
        row_ = 0;
        showCurrentRow();
    }
}

void FlexGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) applyRowHeight();
}

}  // namespace esoa
