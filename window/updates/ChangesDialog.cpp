#include "window/updates/ChangesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/updates/ApplyChanges.h"
#include "window/updates/UpdatePromptsDialog.h"

namespace esoa {
namespace {

// Old and new values of a row side by side, on one line: rows of one line height keep a table of
// tens of thousands of new codes quick to lay out.
QString Difference(const ChangeReport::Entry& e, bool er) {
    if (e.kind == ChangeReport::Kind::Changed) return ChangeReport::ChangedValues(e).join(QStringLiteral("; "));
    QStringList lines;
    const auto add = [&](const char* name, const QString& from, const QString& to) {
        lines << QStringLiteral("%1: %2").arg(QLatin1String(name), e.kind == ChangeReport::Kind::New ? to : from);
    };
    add("Category", e.stored.category, e.read.category);
    add("Description", e.stored.description, e.read.description);
    if (er) {
        add("FixedFee", e.stored.fixedFee, e.read.fixedFee);
        add("ChargingUnit", e.stored.chargingUnit, e.read.chargingUnit);
    }
    return lines.join(QStringLiteral("; "));
}

QString Links(const ChangeReport::Entry& e) {
    QStringList lines;
    for (const LinkRow& l : e.links) lines << QStringLiteral("%1 %2 %3").arg(l.invOrProc, l.itemId, l.itemDesc);
    return lines.join(QStringLiteral("; "));
}

}  // namespace

ChangesDialog::ChangesDialog(const ChangeReport& report, bool offerContinue, QWidget* parent)
    : QDialog(parent), report_(report) {
    setObjectName(QStringLiteral("ChangesDialog"));
    setWindowTitle(QStringLiteral("Changes of %1").arg(report.list.table));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(report.Summary() + (offerContinue ? QStringLiteral(
                                                       "\nContinue stores the new codes only; changed codes are "
                                                       "updated by \"Apply changes...\".")
                                                                 : QString()),
                               this);
    summary->setWordWrap(true);
    layout->addWidget(summary);

    // The codes, then what takes no part as it stands: conflicts, files that cannot be read, refused
    // lines, warnings.
    std::vector<QStringList> rows;
    for (const ChangeReport::Entry& e : report.entries) {
        const QString where = e.line > 0 ? QStringLiteral("%1 line %2").arg(e.file, QString::number(e.line))
                                         : QStringLiteral("row %1").arg(e.rowId);
        rows.push_back({KindName(e.kind), e.code, where, Difference(e, report.list.erTable()), Links(e)});
    }
    const auto at = [](const QString& file, int line) {
        return QStringLiteral("%1 line %2").arg(file, QString::number(line));
    };
    for (const CodeConflict& c : report.conflicts) {
        rows.push_back({QStringLiteral("conflict"),
                        c.code,
                        at(c.file, c.line),
                        QStringLiteral("\"%1\" of %2 is kept; \"%3\" is not stored")
                            .arg(c.keptDescription, at(c.keptFile, c.keptLine), c.description),
                        {}});
    }
    for (const ChangeReport::FileRead& f : report.files) {
        if (!f.unreadable.isEmpty())
            rows.push_back({QStringLiteral("unreadable"), {}, f.file, f.unreadable, {}});
        for (const LineNote& r : f.refused)
            rows.push_back({QStringLiteral("refused"), {}, at(f.file, r.line), r.reason, {}});
        for (const LineNote& w : f.warnings)
            rows.push_back({QStringLiteral("warning"), {}, at(f.file, w.line), w.reason, {}});
    }
    auto* table = new QTableWidget(int(rows.size()), 5, this);
    table->setObjectName(QStringLiteral("changes"));
    table->setHorizontalHeaderLabels({QStringLiteral("Change"), QStringLiteral("Code"), QStringLiteral("File"),
                                      QStringLiteral("Values"), QStringLiteral("Links")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(rows[size_t(row)][c]);
            if (c == 3) item->setToolTip(item->text());  // long values and reasons do not fit their column
            table->setItem(row, c, item);
        }
    }
    // Column widths from the first rows only: measuring every row of a whole list takes seconds.
    table->horizontalHeader()->setResizeContentsPrecision(200);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("Save as &CSV..."), QDialogButtonBox::ActionRole);
    connect(save, &QPushButton::clicked, this, &ChangesDialog::SaveCsv);
    if (offerContinue) {
        buttons->addButton(QStringLiteral("C&ontinue"), QDialogButtonBox::AcceptRole)->setDefault(true);
        buttons->addButton(QDialogButtonBox::Cancel);
    } else {
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 560);
}

void ChangesDialog::SaveCsv() { SaveCsvAsked(this, report_.list.table + QStringLiteral(" changes.csv"), report_.Csv()); }

ApplyDialog::ApplyDialog(const ChangeReport& report, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ApplyDialog"));
    setWindowTitle(QStringLiteral("Apply changes to %1").arg(report.list.table));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("These %1 reference rows of %2 will be rewritten with the values of "
                                                "the files (new and withdrawn codes are left alone):")
                                     .arg(report.count(ChangeReport::Kind::Changed))
                                     .arg(report.list.table),
                                 this));
    auto* plan = new QPlainTextEdit(ApplyChanges::Plan(report, true), this);
    plan->setReadOnly(true);
    layout->addWidget(plan, 1);
    layout->addWidget(new QLabel(QStringLiteral("%1 links use these codes.")
                                     .arg(report.linksOf(ChangeReport::Kind::Changed)),
                                 this));
    alsoLinks_ = new QCheckBox(QStringLiteral("Also update the copies in the links that use them"), this);
    layout->addWidget(alsoLinks_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(700, 480);
}

bool ApplyDialog::alsoLinks() const { return alsoLinks_->isChecked(); }

}  // namespace esoa
