#include "window/updates/StaleLinksDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "window/updates/UpdatePromptsDialog.h"

namespace esoa {

StaleLinksDialog::StaleLinksDialog(const ReferenceList& list, const std::vector<StaleLink>& links, QWidget* parent)
    : QDialog(parent), links_(links) {
    setObjectName(QStringLiteral("StaleLinksDialog"));
    setWindowTitle(QStringLiteral("Stale links of %1").arg(list.table));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("%1 links of %2 no longer agree with their reference row or hospital item. Select links "
                       "and choose \"Refresh copies\" to copy category, description, fee and unit from their "
                       "reference rows.")
            .arg(links.size())
            .arg(list.linkTable()),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    table_ = new QTableWidget(int(links.size()), 6, this);
    table_->setObjectName(QStringLiteral("staleLinks"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Link"), QStringLiteral("Code"), QStringLiteral("Type"),
                                       QStringLiteral("Item"), QStringLiteral("Item description"),
                                       QStringLiteral("Reason")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int row = 0; row < int(links.size()); ++row) {
        const StaleLink& s = links[size_t(row)];
        const QStringList cells{s.link.id, s.link.code, s.link.invOrProc, s.link.itemId, s.link.itemDesc, s.ReasonText()};
        for (int c = 0; c < cells.size(); ++c) table_->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    table_->horizontalHeader()->setResizeContentsPrecision(200);  // the first rows decide the widths
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("Save as &CSV..."), QDialogButtonBox::ActionRole);
    connect(save, &QPushButton::clicked, this,
            [this, list] { SaveCsvAsked(this, list.linkTable() + QStringLiteral(" stale.csv"), StaleLinks::Csv(links_)); });
    QPushButton* refresh = buttons->addButton(QStringLiteral("&Refresh copies"), QDialogButtonBox::AcceptRole);
    refresh->setEnabled(false);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, refresh] { refresh->setEnabled(!chosen().empty()); });
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 520);
}

std::vector<int> StaleLinksDialog::chosen() const {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        // A link whose code is gone has no row to copy from.
        if (links_[size_t(index.row())].hasReference) rows.insert(index.row());
    }
    return {rows.begin(), rows.end()};
}

}  // namespace esoa
