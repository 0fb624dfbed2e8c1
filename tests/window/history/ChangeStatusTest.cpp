// The status line after each link write, its Undo link, and the "History..." window, driven as a
// user drives them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "window/history/ChangeStatus.h"
#include "window/history/HistoryWindow.h"
#include "window/lookup/ItemSearch.h"
#include "window/mapping/MappingBulk.h"
#include "window/mapping/MappingList.h"
#include "window/screen/LinkLabel.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

class ChangeStatusTest : public ::testing::Test {
protected:
    void SetUp() override { w.ClearLogs(); }
    ChangeStatus& status() { return w.form().status(); }
    // Code `code` and the laboratory list with `items` (item numbers under revenue LB).
    void Select(const QString& code, const QStringList& items) {
        ScreenControls& ui = w.ui();
        ui.txtESOACode->setText(code);
        ui.txtESOADesc->setText("Desc " + code);
        ui.txtAreaCat->setText("Laboratory");
        ui.txtType->setText("PROC");
        ui.txtRevID->setText("LB");
        ui.txtSectionID->clear();
        std::vector<QStringList> rows;
        for (const QString& item : items) rows.push_back({item, "Exam " + item});
        ui.Grid2->Fill({"LabExamID", "LabExam"}, rows);
        w.form().mappings().LoadMappings();
    }
    void Save(const QString& code, const QString& item) {
        Select(code, {item});
        w.ClickRow(*w.ui().Grid2, 1);
        w.ClickButton(*w.ui().cmdEdit);
    }
    QStringList Links() { return w.Rows("ESOA_ER_LINK", "Code,ItemID"); }
    void PressUndo() {
        LinkLabel* undo = status().undoLink();
        ASSERT_TRUE(undo->isVisible()) << status().text().toStdString();
        undo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(undo, Qt::Key_Return);
    }

    MappingWindow w{MappingWindow::Tables::Empty};
};

TEST_F(ChangeStatusTest, EachWriteSaysWhatItDidAndItsUndoLinkPutsTheLinksBack) {
    w.AddLink("ESOA_ER_LINK", "OLD", "LB", "2");
    const QString linked = Links().join(',');
    const QString oldId = w.Rows("ESOA_ER_LINK", "ID").value(0);
    const struct {
        std::function<void()> write;
        QString text;   // %1: the ID of the link of OLD
        QString links;  // after the write
    } cases[] = {
        {[&] { Save("A", "1"); }, "A linked to 1 - Undo", "OLD|2,A|1"},
        {[&] { Save("B", "2"); }, "B linked to 2 (moved from OLD) - Undo", "B|2"},
        {[&] {
             Select("C", {"1", "2", "3"});
             w.ClickButton(*w.ui().cmdMapAll);
         },
         "Map ALL: 3 items linked to C, 1 of them moved from other codes - Undo", "C|2,C|1,C|3"},
        {[&] {
             Select("OLD", {});
             w.ClickRow(*w.ui().GridMap, 1);
             w.ClickButton(*w.ui().cmdDelete);
         },
         "Link %1 deleted - Undo", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        w.ClearLogs();
        c.write();
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
        EXPECT_EQ(status().text(), c.text.contains("%1") ? c.text.arg(oldId) : c.text);
        QStringList sorted = Links(), expected = c.links.split(',', Qt::SkipEmptyParts);
        sorted.sort();
        expected.sort();
        EXPECT_EQ(sorted, expected);

        PressUndo();
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
        EXPECT_EQ(Links().join(','), linked);
        EXPECT_TRUE(status().text().startsWith("Action ")) << status().text().toStdString();
        EXPECT_TRUE(status().text().endsWith(" - Undo"));
    }
}

TEST_F(ChangeStatusTest, AHospitalItemClickedTellsItsCodeAndARefusedUndoChangesNothing) {
    Save("A", "1");
    Save("B", "1");
    Select("C", {"1", "5"});
    w.ClickRow(*w.ui().Grid2, 1);
    const QString id = w.Rows("ESOA_ER_LINK", "ID").value(0);
    EXPECT_EQ(status().text(), "Item 1 (revenue LB) is linked to B in ESOA_ER_LINK (link " + id + ").");
    w.ClickRow(*w.ui().Grid2, 2);
    EXPECT_EQ(status().text(), "Item 5 (revenue LB) has no link in ESOA_ER_LINK yet.");

    // The first save, undone from the history window, is refused: the move came later.
    auto* window = qobject_cast<HistoryWindow*>(w.form().lblHistory_Click());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->actions().size(), 2u);
    EXPECT_EQ(window->actionTable()->item(0, 4)->text(), "save");
    EXPECT_EQ(window->actionTable()->item(0, 2)->text(), "tester");
    EXPECT_EQ(window->rowTable()->rowCount(), 1);
    EXPECT_EQ(window->rowTable()->item(0, 5)->text(), "A");
    EXPECT_EQ(window->rowTable()->item(0, 6)->text(), "B");
    window->actionTable()->selectRow(1);
    w.ClickButton(*window->undoButton());
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].contains("a later action changed its rows: link " + id))
        << w.messages.shown[0].toStdString();
    EXPECT_EQ(Links(), QStringList{"B|1"});

    // Filtered by code: the actions whose rows name it before or after.
    window->codeFilter()->setText("A");
    QTest::keyClick(window->codeFilter(), Qt::Key_Return);
    EXPECT_EQ(window->actionTable()->rowCount(), 2) << "the move names A as its code before";
    window->codeFilter()->setText("zzz");
    QTest::keyClick(window->codeFilter(), Qt::Key_Return);
    EXPECT_EQ(window->actionTable()->rowCount(), 0);
    EXPECT_FALSE(window->undoButton()->isEnabled());
    window->close();

    // Without the history tables a save still works, and the line says that it was not recorded.
    for (const char* table : {"ESOA_HISTORY_ROW", "ESOA_HISTORY"})
        w.db.connection().Execute(
            QStringLiteral("DROP TABLE [Build_FIle].[dbo].[%1]").arg(QLatin1String(table)));
    Save("C", "5");
    EXPECT_EQ(status().text(), "C linked to 5 - changes are not being recorded");
    EXPECT_FALSE(status().undoLink()->isVisible());
}

}  // namespace
}  // namespace esoa::test
