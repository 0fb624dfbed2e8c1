#include <gtest/gtest.h>

#include "core/demo/DemoDatabase.h"
#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "core/reference/ReferenceSchema.h"
#include "support/TestDatabase.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The link write stores a link only when its item is a row of the table its source names, and on a
// mismatch writes nothing, not even over the link already stored for the same revenue and item.
TEST(LinkSource, TheWriteStoresOnlyItemsOfTheSourceItsValuesName) {
    TestDatabase db;
    demo::Seed(db.connection());
    for (const QString& statement : CreateTableStatements("ESOA_ER")) {
        try {
            db.connection().Execute(statement);
        } catch (const std::exception&) {
        }
    }
    db.Raw(
        "INSERT INTO Build_FIle.tbRevenues (RevenueID, ExamTableName, IDFieldName, ExamFieldName) VALUES "
        "('BAD', 'tbcoLabExam]; DROP TABLE x; --', 'LabExamID', 'LabExam'), "
        "('GONE', 'tbcoGoneExam', 'GoneExamID', 'GoneExam')");
    const struct {
        const char *type, *revenue, *section, *item;
        const char* refused;  // empty: stored
    } cases[] = {
        {"INV", "PH", "", "1018", ""},
        {"INV", "CS", "", "1018", ""},  // any inventory revenue code: the item is the inventory's
        {"PROC", "LB", "", "1", ""},
        {"PROC", "lb", "", "2", ""},  // the revenue as the database matches it
        {"PROC", "", "OR", "3", ""},  // a section's items are the other revenues
        {"PROC", "NOTAREVENUE", "", "4", ""},
        // What the refreshed screen used to save: an inventory item filed as a procedure.
        {"PROC", "PH", "", "1018",
         "Item 1018 is not a row of tbcoOtherRevenue (PROC, revenue 'PH', section ''): the link was not "
         "saved."},
        {"INV", "PH", "", "999999",
         "Item 999999 is not a row of Inventory..tbInvMaster (INV, revenue 'PH', section ''): the link was "
         "not saved."},
        {"PROC", "LB", "", "x'1",
         "Item x'1 is not a row of tbcoLabExam (PROC, revenue 'LB', section ''): the link was not saved."},
        {"PROC", "BAD", "", "1",
         "The exam table or column name \"tbcoLabExam]; DROP TABLE x; --\" is not a plain name."},
        {"PROC", "GONE", "", "1", "no such table: Build_FIle.tbcoGoneExam"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.item + QStringLiteral(" ") + c.type + " " + c.revenue).toStdString());
        // The pair is stored already, as an inventory link: a refused write leaves it as it was.
        db.Raw(
            QStringLiteral("DELETE FROM Build_FIle.ESOA_ER_LINK; INSERT INTO Build_FIle.ESOA_ER_LINK (Code, "
                           "RevenueID, ItemID, InvOrProc) VALUES ('OLD', '%1', '%2', 'INV')")
                .arg(c.revenue, QString(c.item).replace("'", "''")));
        const LinkValues link{"ESOA_ER", c.item, c.revenue, "Item", c.type, "NEW",
                              c.section, "Cat",  "Desc",    "1",    "x"};
        QString refused;
        try {
            history::Action save(db.connection(), {}, history::Kind::Save, ReferenceList::Er());
            SaveLink(save, link);
        } catch (const DbError& e) {
            refused = e.description();
            EXPECT_EQ(dynamic_cast<const ItemNotInSource*>(&e) != nullptr, refused.startsWith("Item "));
        }
        EXPECT_EQ(refused, QString(c.refused));
        EXPECT_EQ(db.Column("SELECT Code FROM [Build_FIle].[dbo].[ESOA_ER_LINK]"),
                  QStringList{*c.refused ? "OLD" : "NEW"});
    }
}

// The path through the real window: "ESOA ITEM", Medicine, a PhilHealth item, an inventory
// item. The maintenance panel is open and the files hold no new code and one changed medicine.
void PickInventoryItem(MappingWindow& w) {
    w.OpenMaintenance();
    w.ClickOption(*w.ui().optTable, 0);
    w.ClickRowWithText(*w.ui().GridCat, 0, "Medicine");
    w.ClickRowWithText(*w.ui().Grid1, 3, "PARACETAMOL 500 mg tablet");
    ASSERT_GT(w.ui().Grid2->Rows(), 1);
    w.ClickRow(*w.ui().Grid2, 1);
    ASSERT_EQ(w.ui().txtType->text(), "INV");
    ASSERT_FALSE(w.ui().txtZEMORAItemID->text().isEmpty());
    w.WriteFile("ESOA_ITEM", "");
    w.WriteFile("ESOA_MEDICINE", (w.ui().txtESOACode->text() + "|x|A new description\r\n").toLatin1());
    w.prompts.applyAnswer = false;
    w.ClearLogs();
}

// After each refresh of the lists the highlighted category is the one in the Category box, and the
// item source fields tell one story: what belonged to the inventory is gone once the refresh chose
// procedures, so a save can no longer file the inventory item as a procedure.
TEST(RefreshedScreen, EveryRefreshLeavesTheCategoryAndOneItemSource) {
    enum Refresh { Apply, Import, EmptyListSwitch };
    for (const Refresh refresh : {Apply, Import, EmptyListSwitch}) {
        SCOPED_TRACE(int(refresh));
        MappingWindow w;
        PickInventoryItem(w);
        ScreenControls& ui = w.ui();
        const QString item = ui.txtZEMORAItemID->text();
        const QString code = ui.txtESOACode->text();
        if (refresh == Import) w.ClickButton(*ui.cmdScan);
        if (refresh == Apply) w.ClickButton(*ui.cmdApplyChanges);
        if (refresh == EmptyListSwitch) {
            w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER]");
            w.ClickOption(*ui.optTable, 1);
        }
        EXPECT_EQ(w.messages.shown.size(), refresh == EmptyListSwitch ? 0 : 1)
            << w.messages.shown.join('\n').toStdString();
        const FlexGrid& cat = *ui.GridCat;
        EXPECT_EQ(cat.Row() > 0 ? cat.TextMatrix(cat.Row(), 0) : "(none)",
                  refresh == EmptyListSwitch ? "(none)" : "Medicine");
        EXPECT_EQ(ui.txtAreaCat->text(), refresh == EmptyListSwitch ? "" : "Medicine");

        const bool sourceKept = refresh == Apply;
        EXPECT_EQ(ui.txtType->text(), sourceKept ? "INV" : "PROC");
        EXPECT_EQ(ui.txtRevID->text(), sourceKept ? "PH" : "");
        EXPECT_EQ(ui.txtZEMORAItemID->text(), sourceKept ? item : "");
        EXPECT_EQ(ui.txtZEMORAitemDesc->text().isEmpty(), !sourceKept);
        EXPECT_EQ(ui.Grid2->Rows() > 1, sourceKept);
        if (!sourceKept) {
            EXPECT_EQ(ui.txtSectionID->text() + ui.lblTable->text() + ui.lblIDFieldName->text() +
                          ui.lblExamFieldName->text(),
                      "");
        }
        // The PhilHealth item of the other list is forgotten with it.
        EXPECT_EQ(ui.txtESOACode->text(), refresh == EmptyListSwitch ? "" : code);

        w.ClearLogs();
        w.ClickButton(*ui.cmdEdit);
        EXPECT_EQ(
            w.Count("ESOA_ITEM_LINK", "InvOrProc = 'PROC'") + w.Count("ESOA_ER_LINK", "InvOrProc = 'PROC'"),
            0);
    }
}

// Should a screen still reach the save with an inventory item filed as a procedure, the write
// refuses it with one message, from the save and from map-all alike.
TEST(RefreshedScreen, AMismatchedSourceIsRefusedOnceBySaveAndMapAll) {
    MappingWindow w;
    PickInventoryItem(w);
    ScreenControls& ui = w.ui();
    const QString item = ui.txtZEMORAItemID->text();
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(ui.cmdEdit), static_cast<QAbstractButton*>(ui.cmdMapAll)}) {
        SCOPED_TRACE(button->objectName().toStdString());
        w.ClearLogs();
        ui.txtType->setText("PROC");
        ui.txtZEMORAItemID->setText(item);
        w.ClickButton(*button);
        EXPECT_EQ(w.messages.shown,
                  QStringList{QStringLiteral("Item %1 is not a row of tbcoOtherRevenue (PROC, revenue 'PH', "
                                             "section ''): the link was not saved.")
                                  .arg(button == ui.cmdEdit ? item : ui.Grid2->TextMatrix(1, 0))});
        EXPECT_EQ(w.Count("ESOA_ITEM_LINK", "InvOrProc = 'PROC'"), 0);
    }
}

}  // namespace
}  // namespace esoa::test
