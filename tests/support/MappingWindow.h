#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <memory>
#include <vector>

#include "screen/frmESOA_Items.h"
#include "support/FakeCurrentUser.h"
#include "support/RecordingMessages.h"
#include "support/TestDatabase.h"

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
// Construction shows the window (its load runs then) unless `show` is false, so that a test can
// change the database first and call Show() itself. After Show() the statement log (db.sent) and
// the recorded messages hold what the load did; ClearLogs() empties both before the step under test.
//
// The click helpers send real mouse and key events to the controls; the window must be shown.
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

    void ClearLogs();

    // The user's actions -------------------------------------------------------------------------
    // Clicks a row of a grid: row 0 is the header row, other rows are scrolled into view first.
    void ClickRow(FlexGrid& grid, int row);
    // Clicks the first data row whose cell in `col` reads `text`; fails the test when none does.
    void ClickRowWithText(FlexGrid& grid, int col, const QString& text);
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

    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;

private:
    std::unique_ptr<frmESOA_Items> form_;
};

}  // namespace esoa::test
