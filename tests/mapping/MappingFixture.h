#pragma once

#include <QFile>
#include <QHeaderView>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>

#include "app/DemoDatabase.h"
#include "reference/ReferenceImport.h"
#include "reference/ReferenceTables.h"
#include "screen/frmESOA_Items.h"
#include "support/FakeCurrentUser.h"
#include "support/RecordingMessages.h"

// Failure messages show texts as texts, not as arrays of UTF-16 units.
#ifndef ESOA_TEST_QSTRING_PRINTER
#define ESOA_TEST_QSTRING_PRINTER
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
#endif

namespace esoa::test {

// The real mapping screen on a fresh database seeded with the demo hospital, with both reference
// tables and their link tables created (unless asked not to), and the mouse and keyboard as a user would use
// them. The reference files are read from a temporary folder the test writes into.
struct MappingScreen {
    explicit MappingScreen(bool show = true, bool createTables = true) {
        demo::Seed(db.connection());
        if (createTables) {
            for (const QString& table : {QStringLiteral("ESOA_ITEM"), QStringLiteral("ESOA_ER")})
                CreateTables(table);
        }
        form = std::make_unique<frmESOA_Items>(user, messages);
        form->referenceImport().setFolder(files.path());
        if (show) Show();
        Forget();
    }

    // Opens the window (its load fills every list), then forgets what the load did.
    void Show() {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) ADD_FAILURE() << "the window was not shown";
        Forget();
    }

    ScreenControls& ui() { return form->controls(); }
    Connection& connection() { return db.connection(); }

    // Starts the records afresh, so a test sees only what its own actions did.
    void Forget() {
        messages.shown.clear();
        messages.busyChanges.clear();
        messages.progressTitles.clear();
        messages.progressModal.clear();
        messages.progressTotals.clear();
        messages.steps.clear();
        db.sent.clear();
    }

    void CreateTables(const QString& table) {
        for (const QString& statement : ReferenceTables::CreateStatements(table)) {
            try {
                db.connection().Execute(statement);
            } catch (const DbError&) {
                // The ALTERs of absent columns and the DROP of an absent table fail on a new database.
            }
        }
    }
    void Drop(const QString& table) {
        db.connection().Execute("DROP TABLE [Build_FIle].[dbo].[" + table + "]");
    }

    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(files.filePath(name + QStringLiteral(".csv")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write";
    }

    // Rows of a table as "field|field|..." in ID order; NULL reads as empty (see IsNull).
    QStringList Rows(const QString& table,
                     const QString& columns = "Code,Category,Description,FixedFee,ChargingUnit",
                     const QString& where = "1=1") {
        const ReadResult result = db.connection().Read(
            "SELECT " + columns + " FROM [Build_FIle].[dbo].[" + table + "] WHERE " + where + " ORDER BY ID",
            CursorType::ForwardOnly, LockType::ReadOnly);
        QStringList rows;
        for (const QStringList& row : result.rows) rows << row.join(QLatin1Char('|'));
        return rows;
    }
    int Count(const QString& table, const QString& where = "1=1") {
        return db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[" + table + "] WHERE " + where);
    }

    void AddLink(const QString& table, const QString& code, const QString& revenue, const QString& item) {
        db.connection().Execute(
            "INSERT INTO [Build_FIle].[dbo].[" + table +
            "] (Code, Category, Description, ItemID, ItemDesc, InvOrProc, RevenueID) VALUES ('" + code +
            "', 'Cat', 'Desc of " + code + "', '" + item + "', 'Item " + item + "', 'PROC', '" + revenue +
            "')");
    }
    void AddReference(const QString& table, const QString& code, const QString& category,
                      const QString& description, const QString& fee = {}, const QString& unit = {}) {
        db.connection().Execute("INSERT INTO [Build_FIle].[dbo].[" + table +
                                "] (Code, Category, Description, FixedFee, ChargingUnit) VALUES ('" + code +
                                "', '" + category + "', '" + description + "', " +
                                (fee.isEmpty() ? "NULL" : fee) + ", '" + unit + "')");
    }

    // Mouse clicks where a user would click: a button's face, an option's text, a grid row's centre,
    // a grid's header row.
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void ClickOption(OptionGroup* group, int index) {
        QRadioButton* option = group->option(index);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
    }
    void ClickRow(FlexGrid* grid, int row) {
        int col = 0;  // the first column shown: a zero width hides the key columns
        while (col + 1 < grid->Cols() && grid->ColWidth(col) == 0) ++col;
        const QModelIndex cell = grid->model()->index(row - grid->FixedRows(), col);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        if (grid->Row() != row) ADD_FAILURE() << "the click missed row " << row;
    }
    void ClickHeader(FlexGrid* grid) {
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    }
    // Clicks the first row whose cell in `col` reads `text`; fails the test when there is none.
    int ClickRowWith(FlexGrid* grid, int col, const QString& text) {
        for (int row = 1; row < grid->Rows(); ++row) {
            if (grid->TextMatrix(row, col) == text) {
                ClickRow(grid, row);
                return row;
            }
        }
        ADD_FAILURE() << "no row reads " << text.toStdString();
        return 0;
    }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    QTemporaryDir files;
    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;
    std::unique_ptr<frmESOA_Items> form;
};

}  // namespace esoa::test
