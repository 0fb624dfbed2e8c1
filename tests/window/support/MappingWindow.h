#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <vector>

#include "window/frmESOA_Items.h"
#include "window/support/FakeCurrentUser.h"
#include "window/support/FakePrompts.h"
#include "window/support/RecordingMessages.h"
#include "support/TestDatabase.h"

// Failure messages show texts as texts, not as arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace esoa::test {

// The statements of the hospital item lookup as the program must send them, written out from their
// fixed pieces, for tests that compare the statement log.
namespace expected {

inline QString InventorySearch(const QString& desc = {}, const QString& generic = {}) {
    QString s = QStringLiteral(
        " SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName  "
        "  FROM Inventory..tbInvMaster A  WITH (NOLOCK)   "
        " LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID "
        " WHERE  a.itemstatus = 0 ");
    if (!desc.isEmpty()) s += QStringLiteral(" AND ItemName like '%") + desc + QStringLiteral("%'  ");
    if (!generic.isEmpty())
        s += QStringLiteral(" AND GenericName like '%") + generic + QStringLiteral("%'  ");
    return s + QStringLiteral(" order by a.ItemName");
}

// For the exam-table stem S: table "tbco" + S, key column S + "ID", name column S.
inline QString ProcedureSearch(const QString& stem, const QString& desc = {}, const QString& section = {}) {
    QString s = QStringLiteral("SELECT ") + stem + QStringLiteral("ID,") + stem +
                QStringLiteral(" FROM [Build_FIle].[dbo].[tbco") + stem +
                QStringLiteral("] WITH (NOLOCK) WHERE Status='A' ");
    if (!desc.isEmpty())
        s += QStringLiteral(" AND ") + stem + QStringLiteral("  like '%") + desc + QStringLiteral("%'  ");
    if (!section.isEmpty()) s += QStringLiteral(" AND OtherSectionID  = '") + section + QStringLiteral("'  ");
    return s;
}

inline QString RevenueCodes(bool inventory) {
    return QStringLiteral(
               "select RevenueID,itemname from Build_FIle..tbcorevenuecode WITH (NOLOCK)  where "
               "Recordstatus='A' ") +
           (inventory ? QStringLiteral(" AND (LocationID IS NOT NULL AND LocationID <> '')")
                      : QStringLiteral(" AND (LocationID IS NULL OR LocationID = '')")) +
           QStringLiteral("ORDER BY itemname");
}

}  // namespace expected

// One row of a PhilHealth reference table as a test writes it.
struct ReferenceRow {
    QString code;
    QString category;
    QString description;
    QString fixedFee;  // empty: NULL
    QString chargingUnit;
};

// The real mapping screen on a fresh embedded database, driven as a user would drive it.
//
// The database gets the demo hospital (esoa::demo::Seed: revenues, revenue codes, exam tables and
// the inventory master) unless `Seeding::Nothing` is asked for. With `Tables::Empty` the reference
// tables ESOA_ITEM and ESOA_ER and their link tables are created by the program's own statements;
// `Tables::Sample` also fills them from the sample reference files (ESOA_ITEM.csv and, under the
// category "Medicine", ESOA_MEDICINE.csv into ESOA_ITEM; ESOA_ER.csv into ESOA_ER).
//
// The reference import reads its files from a temporary folder of its own, which WriteFile fills.
//
// Construction shows the window (its load runs then) unless `show` is false, so that a test can
// change the database first and call Show() itself. After Show() the statement log (db.sent) and
// the recorded messages hold what the load did; ClearLogs() empties them before the step under test.
//
// The click helpers send real mouse and key events to the controls; the window must be shown.
// Values given to the set-up and reading helpers go into statements escaped; `columns` and `where`
// are statement pieces, written by the test.
class MappingWindow {
public:
    enum class Seeding { Demo, Nothing };
    enum class Tables { None, Empty, Sample };

    explicit MappingWindow(Tables tables = Tables::Sample, bool show = true, Seeding seeding = Seeding::Demo);
    ~MappingWindow();

    // Shows the window and waits until it is exposed; the first showing runs the load.
    void Show();

    frmESOA_Items& form() { return *form_; }
    ScreenControls& ui() { return form_->controls(); }

    // Set-up outside the program ------------------------------------------------------------------
    // Creates `table` and its link table with the program's own statements (failures skipped as the
    // program skips them). Sends through the connection, so the statements are logged.
    void CreateReferenceTables(const QString& table);
    void AddReferenceRows(const QString& table, const std::vector<ReferenceRow>& rows);
    // The rows of a sample reference file (pipe-delimited, Windows-1252).
    static std::vector<ReferenceRow> SampleRows(const QString& fileName, const QString& category = QString());
    // A link of `code` to hospital item `item` under `revenue`, a procedure, with made-up texts.
    void AddLink(const QString& table, const QString& code, const QString& revenue, const QString& item);
    void Drop(const QString& table);
    // Writes "<name>.csv" into the import folder.
    void WriteFile(const QString& name, const QByteArray& bytes);

    // Forgets every statement sent and everything recorded (messages, busy changes, progress), so
    // that a test sees only what its own actions did.
    void ClearLogs();

    // Reading the database ------------------------------------------------------------------------
    // Rows of a Build_FIle table as "field|field|..." in ID order; NULL reads as empty.
    QStringList Rows(
        const QString& table,
        const QString& columns = QStringLiteral("Code,Category,Description,FixedFee,ChargingUnit"),
        const QString& where = QStringLiteral("1=1"));
    int Count(const QString& table, const QString& where = QStringLiteral("1=1"));

    // The user's actions -------------------------------------------------------------------------
    // Clicks a row of a grid: row 0 is the header row, other rows are scrolled into view first and
    // must become the grid's current row, or the test fails.
    void ClickRow(FlexGrid& grid, int row);
    // Clicks the header row over the first column shown.
    void ClickHeader(FlexGrid& grid);
    // Clicks the first data row whose cell in `col` reads `text` and returns it; fails the test and
    // returns -1 when none does.
    int ClickRowWithText(FlexGrid& grid, int col, const QString& text);
    void ClickOption(OptionGroup& group, int index);
    void ClickButton(QAbstractButton& button);
    // Opens the maintenance panel through the "Maintenance..." label when it is hidden.
    void OpenMaintenance();
    // Replaces the text of a box as typing would (long texts are pasted, as a user would).
    void Type(QLineEdit& box, const QString& text);
    void PressEnter(QLineEdit& box);

    // Reading the screen -------------------------------------------------------------------------
    static int FindRow(const FlexGrid& grid, int col, const QString& text);  // -1 when absent
    static QStringList Column(const FlexGrid& grid, int col);                // data rows only
    static QStringList Header(const FlexGrid& grid);

    QTemporaryDir files;  // the import folder
    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;
    FakePrompts prompts;  // answers the list-update questions; the scan's report is continued

private:
    std::unique_ptr<frmESOA_Items> form_;
};

}  // namespace esoa::test
