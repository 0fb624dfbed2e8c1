#include "window/review/CandidateChoice.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace esoa {

CandidateChoice::CandidateChoice(const ReferenceRow& code, QList<assist::ReviewPick> picks, QWidget* parent)
    : QDialog(parent), picks_(std::move(picks)), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("CandidateChoice"));
    setWindowTitle(QStringLiteral("Candidates for %1").arg(code.code));
    const QStringList header{QStringLiteral("Score"),     QStringLiteral("ItemID"),
                             QStringLiteral("ItemName"),  QStringLiteral("GenericName"),
                             QStringLiteral("InvOrProc"), QStringLiteral("RevenueID"),
                             QStringLiteral("SectionID"), QStringLiteral("LinkedCode")};
    table_->setObjectName(QStringLiteral("candidates"));
    table_->setAccessibleName(QStringLiteral("Candidates"));
    table_->setColumnCount(int(header.size()));
    table_->setRowCount(int(picks_.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    for (int r = 0; r < int(picks_.size()); ++r) {
        const assist::SuggestCandidate& c = picks_[r].item;
        const QStringList cells{QString::number(picks_[r].score, 'f', 3),
                                c.itemId,
                                c.itemName,
                                c.genericName,
                                c.invOrProc,
                                c.revenueId,
                                c.sectionId,
                                c.linkedCode};
        for (int col = 0; col < int(cells.size()); ++col)
            table_->setItem(r, col, new QTableWidgetItem(cells[col]));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    if (!picks_.isEmpty()) table_->setCurrentCell(0, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* choose = buttons->addButton(QStringLiteral("C&hoose"), QDialogButtonBox::AcceptRole);
    choose->setObjectName(QStringLiteral("choose"));
    choose->setDefault(true);
    choose->setEnabled(!picks_.isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, this, &CandidateChoice::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &CandidateChoice::Choose);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("%1: %2").arg(code.code, code.values.description), this);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(900, 480);
}

void CandidateChoice::Choose() {
    const int row = table_->currentRow();
    if (row < 0 || row >= int(picks_.size())) return;
    emit Picked(picks_[row]);
    accept();
}

}  // namespace esoa
