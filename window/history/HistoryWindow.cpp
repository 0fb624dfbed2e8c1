#include "window/history/HistoryWindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/history/ChangeStatus.h"
#include "window/screen/EventGuard.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

QTableWidget* NewTable(QWidget* parent, const char* name, const QStringList& header) {
    auto* table = new QTableWidget(0, int(header.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(QLatin1String(name));
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void Fill(QTableWidget* table, const std::vector<QStringList>& rows) {
    table->clearContents();
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[size_t(r)].value(c));
            item->setToolTip(item->text());
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

// A row's values other than its code, as one text.
QString Values(const std::optional<LinkRow>& row, bool link) {
    if (!row) return QStringLiteral("(none)");
    QStringList values{row->copies.category, row->copies.description, row->copies.fixedFee,
                       row->copies.chargingUnit};
    if (link) values << row->itemDesc << row->invOrProc << row->sectionId;
    return values.join(QStringLiteral(" | "));
}

QLineEdit* Filter(QWidget* parent, QHBoxLayout* row, const QString& caption, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box, 1);
    return box;
}

}  // namespace

HistoryWindow::HistoryWindow(Screen& screen, ChangeStatus& status, ReferenceList list, QWidget* parent)
    : QDialog(parent), s_(screen), status_(status), list_(std::move(list)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History of %1").arg(list_.linkTable()));
    auto* layout = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    code_ = Filter(this, filters, QStringLiteral("&Code"), "code");
    item_ = Filter(this, filters, QStringLiteral("&Item"), "item");
    user_ = Filter(this, filters, QStringLiteral("U&ser"), "user");
    since_ = new QCheckBox(QStringLiteral("Si&nce"), this);
    since_->setObjectName(QStringLiteral("since"));
    sinceDate_ = new QDateEdit(QDate::currentDate(), this);
    sinceDate_->setObjectName(QStringLiteral("sinceDate"));
    sinceDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    sinceDate_->setCalendarPopup(true);
    sinceDate_->setEnabled(false);
    sinceDate_->setAccessibleName(QStringLiteral("Since"));
    filters->addWidget(since_);
    filters->addWidget(sinceDate_);
    auto* filter = new QPushButton(QStringLiteral("&Filter"), this);
    filter->setObjectName(QStringLiteral("filter"));
    filter->setAutoDefault(false);
    filters->addWidget(filter);
    layout->addLayout(filters);

    actionTable_ = NewTable(this, "actions",
                            {QStringLiteral("Action"), QStringLiteral("When"), QStringLiteral("User"),
                             QStringLiteral("Workstation"), QStringLiteral("Kind"), QStringLiteral("Links"),
                             QStringLiteral("First code"), QStringLiteral("Undoes")});
    layout->addWidget(new QLabel(QStringLiteral("Actions, newest first"), this));
    layout->addWidget(actionTable_, 2);
    rowTable_ =
        NewTable(this, "rows",
                 {QStringLiteral("Table"), QStringLiteral("Row ID"), QStringLiteral("Change"),
                  QStringLiteral("ItemID"), QStringLiteral("RevenueID"), QStringLiteral("Code before"),
                  QStringLiteral("Code after"), QStringLiteral("Before"), QStringLiteral("After")});
    auto* rowsCaption = new QLabel(
        QStringLiteral(
            "Links of the selected action (category | description | fee | unit | item | type | section)"),
        this);
    layout->addWidget(rowsCaption);
    layout->addWidget(rowTable_, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    undo_ = buttons->addButton(QStringLiteral("&Undo"), QDialogButtonBox::ActionRole);
    undo_->setObjectName(QStringLiteral("undo"));
    undo_->setAutoDefault(false);
    layout->addWidget(buttons);

    auto guarded = [this](auto handler) { return [this, handler] { Guarded(s_.messages, handler); }; };
    connect(filter, &QPushButton::clicked, this, guarded([this] { Reload(); }));
    for (QLineEdit* box : {code_, item_, user_})
        connect(box, &QLineEdit::returnPressed, this, guarded([this] { Reload(); }));
    connect(since_, &QCheckBox::toggled, sinceDate_, &QWidget::setEnabled);
    connect(actionTable_, &QTableWidget::itemSelectionChanged, this, guarded([this] { ShowRows(); }));
    connect(undo_, &QPushButton::clicked, this, guarded([this] { UndoSelected(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    setTabOrder(code_, item_);
    setTabOrder(item_, user_);
    setTabOrder(user_, since_);
    setTabOrder(since_, sinceDate_);
    setTabOrder(sinceDate_, filter);
    setTabOrder(filter, actionTable_);
    setTabOrder(actionTable_, rowTable_);
    setTabOrder(rowTable_, undo_);
    resize(1000, 640);
}

void HistoryWindow::Reload() {
    history::Filter filter;
    filter.code = code_->text().trimmed();
    filter.item = item_->text().trimmed();
    filter.user = user_->text().trimmed();
    if (since_->isChecked()) filter.since = sinceDate_->date();
    filter.limit = 1000;
    {
        const BusyPointer busy(s_.messages);
        actions_ = history::ReadHistory(s_.user.sqlconnection(), list_, filter);
    }
    std::vector<QStringList> rows;
    for (const history::RecordedAction& a : actions_) {
        rows.push_back({QString::number(a.id), a.At(), a.user, a.workstation, a.kind,
                        QString::number(a.Links()), a.FirstCode(),
                        a.undoOf ? QString::number(*a.undoOf) : QString()});
    }
    const QSignalBlocker quiet(actionTable_);
    Fill(actionTable_, rows);
    if (!actions_.empty()) actionTable_->selectRow(0);
    ShowRows();
}

void HistoryWindow::ShowRows() {
    const int selected = actionTable_->currentRow();
    std::vector<QStringList> rows;
    if (selected >= 0 && size_t(selected) < actions_.size()) {
        const auto action = history::ReadAction(s_.user.sqlconnection(), actions_[size_t(selected)].id,
                                                QStringLiteral("NOLOCK"));
        if (action) {
            for (const history::RecordedRow& r : action->rows) {
                const history::RowChange& c = r.change;
                rows.push_back({c.table, c.rowId, c.Change(), r.Either().itemId, r.Either().revenueId,
                                r.PreviousCode(), c.after ? c.after->code : QString(),
                                Values(c.before, r.isLink()), Values(c.after, r.isLink())});
            }
        }
    }
    Fill(rowTable_, rows);
    undo_->setEnabled(selected >= 0);
}

void HistoryWindow::UndoSelected() {
    const int selected = actionTable_->currentRow();
    if (selected < 0 || size_t(selected) >= actions_.size()) return;
    if (status_.UndoAction(actions_[size_t(selected)].id)) Reload();
}

}  // namespace esoa
