#include "window/support/MappingWindow.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QTest>

#include "core/demo/DemoDatabase.h"
#include "database/SqlText.h"
#include "window/reference/ReferenceImport.h"
#include "core/reference/ReferenceSchema.h"
#include "window/updates/ListUpdates.h"

namespace esoa::test {
namespace {

QString Quoted(const QString& value) {
    return QLatin1Char('\'') + sql::Escaped(value) + QLatin1Char('\'');
}

// A click lands on the first column shown: a zero width hides the key columns.
int FirstShownColumn(const FlexGrid& grid) {
    int col = 0;
    while (col < grid.Cols() - 1 && grid.isColumnHidden(col)) ++col;
    return col;
}

}  // namespace

MappingWindow::MappingWindow(Tables tables, bool show, Seeding seeding) {
    if (seeding == Seeding::Demo) demo::Seed(db.connection());
    if (tables != Tables::None) {
        CreateReferenceTables(QStringLiteral("ESOA_ITEM"));
        CreateReferenceTables(QStringLiteral("ESOA_ER"));
    }
    if (tables == Tables::Sample) {
        AddReferenceRows(QStringLiteral("ESOA_ITEM"), SampleRows(QStringLiteral("ESOA_ITEM.csv")));
        AddReferenceRows(QStringLiteral("ESOA_ITEM"),
                         SampleRows(QStringLiteral("ESOA_MEDICINE.csv"), QStringLiteral("Medicine")));
        AddReferenceRows(QStringLiteral("ESOA_ER"), SampleRows(QStringLiteral("ESOA_ER.csv")));
    }
    ClearLogs();
    form_ = std::make_unique<frmESOA_Items>(user, messages);
    form_->referenceImport().setFolder(files.path());
    form_->listUpdates().setPrompts(prompts);
    if (show) Show();
}

MappingWindow::~MappingWindow() = default;

void MappingWindow::Show() {
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

void MappingWindow::CreateReferenceTables(const QString& table) {
    for (const QString& statement : CreateTableStatements(table)) {
        try {
            db.connection().Execute(statement);
        } catch (const std::exception&) {
            // The ALTERs of absent columns and the DROP of an absent table fail on a new database.
        }
    }
}

void MappingWindow::AddReferenceRows(const QString& table, const std::vector<ReferenceRow>& rows) {
    QString script = QStringLiteral("BEGIN;");
    for (const ReferenceRow& row : rows) {
        bool isNumber = false;
        row.fixedFee.toDouble(&isNumber);
        script +=
            QStringLiteral(
                "INSERT INTO Build_FIle.%1 (Code, Category, Description, FixedFee, ChargingUnit) "
                "VALUES (%2, %3, %4, %5, %6);")
                .arg(table, Quoted(row.code), Quoted(row.category), Quoted(row.description),
                     isNumber ? Quoted(row.fixedFee) : QStringLiteral("NULL"), Quoted(row.chargingUnit));
    }
    db.Raw(script + QStringLiteral("COMMIT;"));
}

std::vector<ReferenceRow> MappingWindow::SampleRows(const QString& fileName, const QString& category) {
    QFile file(QStringLiteral(ESOA_REFERENCE_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read the sample file " << qPrintable(fileName);
        return {};
    }
    std::vector<ReferenceRow> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line.trimmed()).split(QLatin1Char('|'));
        if (fields.size() < 3) continue;
        rows.push_back({fields[0], category.isEmpty() ? fields[1] : category, fields[2], fields.value(3),
                        fields.value(4)});
    }
    return rows;
}

void MappingWindow::AddLink(const QString& table, const QString& code, const QString& revenue,
                            const QString& item) {
    db.connection().Execute(
        QStringLiteral("INSERT INTO [Build_FIle].[dbo].[%1] (Code, Category, Description, ItemID, ItemDesc, "
                       "InvOrProc, RevenueID) VALUES (%2, 'Cat', %3, %4, %5, 'PROC', %6)")
            .arg(table, Quoted(code), Quoted(QStringLiteral("Desc of ") + code), Quoted(item),
                 Quoted(QStringLiteral("Item ") + item), Quoted(revenue)));
}

void MappingWindow::Drop(const QString& table) {
    db.connection().Execute(QStringLiteral("DROP TABLE [Build_FIle].[dbo].[%1]").arg(table));
}

void MappingWindow::WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(files.filePath(name + QStringLiteral(".csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << qPrintable(file.fileName());
}

void MappingWindow::ClearLogs() {
    db.sent.clear();
    messages.shown.clear();
    messages.busyChanges.clear();
    messages.progressTitles.clear();
    messages.progressModal.clear();
    messages.progressTotals.clear();
    messages.steps.clear();
    messages.saveOffers.clear();
}

QStringList MappingWindow::Rows(const QString& table, const QString& columns, const QString& where) {
    const ReadResult result =
        db.connection().Read(QStringLiteral("SELECT %1 FROM [Build_FIle].[dbo].[%2] WHERE %3 ORDER BY ID")
                                 .arg(columns, table, where),
                             CursorType::ForwardOnly, LockType::ReadOnly);
    QStringList rows;
    for (const QStringList& row : result.rows) rows << row.join(QLatin1Char('|'));
    return rows;
}

int MappingWindow::Count(const QString& table, const QString& where) {
    return db.Count(
        QStringLiteral("SELECT COUNT(*) FROM [Build_FIle].[dbo].[%1] WHERE %2").arg(table, where));
}

void MappingWindow::ClickRow(FlexGrid& grid, int row) {
    if (row == 0) {
        ClickHeader(grid);
        return;
    }
    ASSERT_LT(row, grid.Rows()) << qPrintable(grid.objectName());
    const QModelIndex index = grid.model()->index(row - grid.FixedRows(), FirstShownColumn(grid));
    grid.scrollTo(index);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    if (grid.Row() != row)
        ADD_FAILURE() << "the click missed row " << row << " of " << qPrintable(grid.objectName());
}

void MappingWindow::ClickHeader(FlexGrid& grid) {
    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(FirstShownColumn(grid)) + 3, header->height() / 2));
}

int MappingWindow::ClickRowWithText(FlexGrid& grid, int col, const QString& text) {
    const int row = FindRow(grid, col, text);
    if (row < 1) {
        ADD_FAILURE() << "no row reads \"" << qPrintable(text) << "\" in " << qPrintable(grid.objectName());
        return -1;
    }
    ClickRow(grid, row);
    return row;
}

void MappingWindow::ClickOption(OptionGroup& group, int index) {
    // A radio button is clickable on its text, not on the whole stretched box.
    QRadioButton* option = group.option(index);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
}

void MappingWindow::ClickButton(QAbstractButton& button) {
    ASSERT_TRUE(button.isVisible()) << qPrintable(button.objectName()) << " cannot be clicked: hidden";
    QTest::mouseClick(&button, Qt::LeftButton);
}

void MappingWindow::OpenMaintenance() {
    if (ui().fraMaint->isVisible()) return;
    QTest::mouseClick(ui().lblMaint, Qt::LeftButton, {}, QPoint(5, ui().lblMaint->height() / 2));
    ASSERT_TRUE(ui().fraMaint->isVisible());
}

void MappingWindow::Type(QLineEdit& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Delete);
    if (text.size() > 200) {
        box.insert(text);
        return;
    }
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(&box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void MappingWindow::PressEnter(QLineEdit& box) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Return);
}

int MappingWindow::FindRow(const FlexGrid& grid, int col, const QString& text) {
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row) {
        if (col < grid.Cols() && grid.TextMatrix(row, col) == text) return row;
    }
    return -1;
}

QStringList MappingWindow::Column(const FlexGrid& grid, int col) {
    QStringList cells;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row) cells << grid.TextMatrix(row, col);
    return cells;
}

QStringList MappingWindow::Header(const FlexGrid& grid) {
    QStringList cells;
    for (int col = 0; col < grid.Cols(); ++col) cells << grid.TextMatrix(0, col);
    return cells;
}

}  // namespace esoa::test
