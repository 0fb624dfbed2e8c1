#include "window/coverage/CoverageWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/updates/UpdatePromptsDialog.h"

namespace esoa::assist {
namespace {

QTableWidget* NewTable(QWidget* parent, const char* name, const QStringList& header,
                       const std::vector<QStringList>& rows) {
    auto* table = new QTableWidget(int(rows.size()), int(header.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(header.size()); ++c) {
            auto* item = new QTableWidgetItem(rows[size_t(r)].value(c));
            if (c > 0 && header[c] != QLatin1String("Name"))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(QString::fromLatin1(name));
    return table;
}

QStringList Numbers(std::initializer_list<int> values) {
    QStringList out;
    for (int v : values) out << QString::number(v);
    return out;
}

}  // namespace

CoverageWindow::CoverageWindow(Coverage coverage, QWidget* parent) : QDialog(parent), coverage_(std::move(coverage)) {
    const Coverage& c = coverage_;
    setObjectName(QStringLiteral("CoverageWindow"));
    setWindowTitle(QStringLiteral("Coverage of %1").arg(c.list.table));
    auto* layout = new QVBoxLayout(this);

    std::vector<QStringList> rows;
    const auto categoryRow = [&c](const Coverage::Category& cat) {
        QStringList row = QStringList{cat.name} + Numbers({cat.codes, cat.linkedCodes});
        row << cat.Share() + QLatin1Char('%') << QString::number(cat.links);
        if (c.withdrawnKnown) row << QString::number(cat.withdrawn);
        return row;
    };
    for (const Coverage::Category& cat : c.categories) rows.push_back(categoryRow(cat));
    rows.push_back(categoryRow(c.total));
    QStringList header{QStringLiteral("Category"), QStringLiteral("Codes"), QStringLiteral("Linked"),
                       QStringLiteral("Share"), QStringLiteral("Links")};
    if (c.withdrawnKnown) header << QStringLiteral("Withdrawn");
    layout->addWidget(new QLabel(QStringLiteral("Codes of %1 and their links in %2, per category")
                                     .arg(c.list.table, c.list.linkTable()),
                                 this));
    layout->addWidget(NewTable(this, "categories", header, rows), 2);
    if (!c.withdrawnNote.isEmpty()) layout->addWidget(new QLabel(c.withdrawnNote, this));
    if (c.orphanLinks > 0)
        layout->addWidget(new QLabel(
            QStringLiteral("%1 links name a code that is not in %2 (counted in the total only).")
                .arg(c.orphanLinks)
                .arg(c.list.table),
            this));

    rows.clear();
    for (const Coverage::Revenue& rev : c.revenues) rows.push_back({rev.revenueId, QString::number(rev.links)});
    rows.push_back({QStringLiteral("Total"), QString::number(c.total.links)});
    layout->addWidget(new QLabel(QStringLiteral("Links per revenue"), this));
    layout->addWidget(NewTable(this, "revenues", {QStringLiteral("Revenue"), QStringLiteral("Links")}, rows), 1);

    rows.clear();
    for (const Coverage::InventoryRevenue& inv : c.inventoryRevenues)
        rows.push_back({inv.revenueId, inv.name, QString::number(inv.links)});
    auto* figure = new QLabel(c.InventoryFigure(), this);
    figure->setObjectName(QStringLiteral("inventoryFigure"));
    layout->addWidget(figure);
    layout->addWidget(new QLabel(QStringLiteral("INV links per inventory revenue code"), this));
    const QStringList inventoryHeader{QStringLiteral("Revenue code"), QStringLiteral("Name"),
                                      QStringLiteral("INV links")};
    layout->addWidget(NewTable(this, "inventory", inventoryHeader, rows), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(QStringLiteral("Save as CSV..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveCsv"));
    connect(save, &QPushButton::clicked, this,
            [this] { SaveCsvAsked(this, coverage_.list.table + QStringLiteral(" coverage.csv"), coverage_.Csv()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(640, 640);
}

}  // namespace esoa::assist
