#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "window/reference/ReferenceImport.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// One whole mapping as a user does it, on the demo hospital with the sample reference files: the
// maintenance panel creates and fills both lists, then a PhilHealth ER item is linked to hospital
// exams one by one and all at once, a link moves to another code and one is deleted.
// With ESOA_SCREENSHOT set to a file name, the filled screen is saved there.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { w.ClearLogs(); }  // a test sees only what its own actions did
    // `notes`: the messages about single files between the two "Done."s.
    void PrepareList(int option, const QStringList& notes = {}) {
        w.ClickOption(*ui.optTable, option);
        w.ClearLogs();
        w.ClickButton(*ui.cmdCreateTable);
        w.ClickButton(*ui.cmdScan);
        ASSERT_EQ(w.messages.shown.size(), notes.size() + 2) << w.messages.shown.join(" / ").toStdString();
        EXPECT_EQ(w.messages.shown.first(), "Done.");
        EXPECT_EQ(w.messages.shown.last(), "Done.");
        for (qsizetype i = 0; i < notes.size(); ++i) EXPECT_TRUE(w.messages.shown[i + 1].contains(notes[i]));
    }
    void Search(const QString& text) {
        w.Type(*ui.txtDesc, text);
        QTest::keyClick(ui.txtDesc, Qt::Key_Return);
    }
    QStringList Links() {
        return w.Rows("ESOA_ER_LINK",
                      "Code,Category,ItemID,ItemDesc,RevenueID,InvOrProc,FixedFee,ChargingUnit");
    }

    MappingWindow w{MappingWindow::Tables::None};
    ScreenControls& ui = w.ui();
};

TEST_F(EndToEnd, MapPhilHealthErItemsToLaboratoryExams) {
    w.form().referenceImport().setFolder(QStringLiteral(ESOA_REFERENCE_DIR));
    ASSERT_TRUE(ui.fraMaint->isHidden());
    QTest::mouseClick(ui.lblMaint, Qt::LeftButton);
    ASSERT_TRUE(ui.fraMaint->isVisible());

    // The sample files bring one code in both item files, with descriptions that differ.
    PrepareList(0, {"line 99: code \"M0001150\" is also in ESOA_ITEM.csv line 61 with another description"});
    EXPECT_GT(w.Count("ESOA_ITEM", "Category = 'Medicine'"), 50);
    EXPECT_GT(w.Count("ESOA_ITEM", "Category <> 'Medicine'"), 100);
    PrepareList(1);
    EXPECT_GT(w.Count("ESOA_ER"), 100);
    EXPECT_EQ(ui.lblESOATableName->text(), "ESOA_ER");
    QTest::mouseClick(ui.lblMaint, Qt::LeftButton);

    // Category, PhilHealth item, revenue, then the hospital exam searched by keyboard.
    w.ClearLogs();
    w.ClickRowWithText(*ui.GridCat, 0, "Laboratory");
    EXPECT_EQ(ui.txtType->text(), "PROC");
    w.ClickRowWithText(*ui.Grid1, 1, "ERL-0001");
    EXPECT_EQ(ui.txtESOADesc->text(), "CBC with Platelet Count");
    EXPECT_EQ(ui.txtChargingUnit->text(), "per test");
    w.ClickRowWithText(*ui.GridRev, 0, "LB");
    EXPECT_EQ(ui.lblTable->text(), "tbcoLabExam");
    Search("Platelet");
    w.ClickRowWithText(*ui.Grid2, 1, "Platelet Count");
    EXPECT_EQ(ui.txtZEMORAItemID->text(), "3");
    w.ClickButton(*ui.cmdEdit);
    EXPECT_EQ(Links(), QStringList{"ERL-0001|Laboratory|3|Platelet Count|LB|PROC|250|per test"});
    EXPECT_EQ(ui.GridMap->Rows(), 2);

    // Every exam with "Count" in its name goes to the same code; the one saved before is not doubled.
    Search("Count");
    const int listed = ui.Grid2->Rows() - 1;
    ASSERT_GE(listed, 3);
    w.ClickButton(*ui.cmdMapAll);
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "Code = 'ERL-0001'"), listed);
    EXPECT_EQ(w.Count("ESOA_ER_LINK"), listed);
    EXPECT_EQ(ui.GridMap->Rows(), listed + 1);
    EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join(" / ").toStdString();

    const QByteArray shot = qgetenv("ESOA_SCREENSHOT");
    if (!shot.isEmpty()) {
        QCoreApplication::processEvents();  // the layouts that the last texts asked for
        EXPECT_TRUE(w.form().grab().save(QString::fromLocal8Bit(shot)));
    }

    // The same exam saved for another code moves its link there.
    w.ClickRowWithText(*ui.Grid1, 1, "ERL-0003");
    Search("Platelet Count");
    w.ClickRowWithText(*ui.Grid2, 1, "Platelet Count");
    w.ClickButton(*ui.cmdEdit);
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "Code,ItemID", "ItemID = '3'"), QStringList{"ERL-0003|3"});
    EXPECT_EQ(ui.GridMap->Rows(), 2);
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "Code = 'ERL-0001'"), listed - 1);

    // Back on the first code, its first listed link is deleted and only that one.
    w.ClickRowWithText(*ui.Grid1, 1, "ERL-0001");
    ASSERT_EQ(ui.GridMap->Rows(), listed);
    const QString gone = ui.GridMap->TextMatrix(1, 6);
    w.ClickRow(*ui.GridMap, 1);
    w.ClickButton(*ui.cmdDelete);
    EXPECT_EQ(ui.GridMap->Rows(), listed - 1);
    EXPECT_EQ(w.Count("ESOA_ER_LINK"), listed - 1);
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "ItemID = '" + gone + "'"), 0);
    EXPECT_EQ(w.Count("ESOA_ER_LINK", "Code = 'ERL-0003' AND ItemID = '3'"), 1);
    EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join(" / ").toStdString();
}

}  // namespace
}  // namespace esoa::test
