#include <gtest/gtest.h>

#include <QSet>
#include <QTableWidget>
#include <QTest>

#include "window/coverage/CoverageWindow.h"

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

QSet<QString> AsSet(const QStringList& list) { return {list.begin(), list.end()}; }

// "Unlinked only" hides exactly the codes that a link names, under every filter of the list, and the
// unticked list is read with the statement it always had.
TEST(MappingAssist, UnlinkedOnlyHidesTheLinkedCodesUnderEveryFilter) {
    MappingWindow w;  // opens on ESOA_ER
    auto& ui = w.ui();
    // Linked codes, one of them twice and one in another letter case (the database's code match).
    w.AddLink("ESOA_ER_LINK", "ERT-0002", "PH", "1001");
    w.AddLink("ESOA_ER_LINK", "ERT-0002", "PH", "1002");
    w.AddLink("ESOA_ER_LINK", "ert-0003", "PH", "1006");
    w.AddLink("ESOA_ER_LINK", "ERT-0011", "LB", "1");
    const QSet<QString> linked{"ERT-0002", "ERT-0003", "ERT-0011"};

    const struct {
        const char* desc;
        const char* category;
    } filters[] = {{"", ""}, {"PARACETAMOL", ""}, {"", "Therapeutics"}, {"a", "Therapeutics"}, {"it's", ""}, {"", "-"}};
    for (const auto& f : filters) {
        SCOPED_TRACE(std::string(f.desc) + " / " + f.category);
        w.Type(*ui.txtSOADesc, f.desc);
        ui.txtAreaCat->setText(f.category);
        ui.chkUnlinked->setChecked(false);
        w.ClearLogs();
        w.ClickButton(*ui.cmdSearchSOAItem);
        QString today = QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ");
        if (*f.desc) today += QStringLiteral(" AND Description like '%") + QString(f.desc).replace("'", "''") + "%'  ";
        if (QLatin1String(f.category) == QLatin1String("-")) today += QStringLiteral(" AND Category=''  ");
        else if (*f.category) today += QStringLiteral(" AND Category='") + f.category + "'  ";
        EXPECT_EQ(w.db.sent, QStringList{today});
        const QStringList header = MappingWindow::Header(*ui.Grid1);
        const QSet<QString> all = AsSet(MappingWindow::Column(*ui.Grid1, 1));

        ui.chkUnlinked->setChecked(true);  // the toggle itself reloads the list
        const QSet<QString> unlinked = AsSet(MappingWindow::Column(*ui.Grid1, 1));
        EXPECT_EQ(MappingWindow::Header(*ui.Grid1), header);
        EXPECT_EQ(unlinked, all - linked);
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
    }

    // A link removed brings its code back; a new one takes it away.
    w.Type(*ui.txtSOADesc, "");
    ui.txtAreaCat->clear();
    w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WHERE Code='ERT-0011'");
    w.AddLink("ESOA_ER_LINK", "ERT-0001", "LB", "2");
    w.ClickButton(*ui.cmdSearchSOAItem);
    const QStringList codes = MappingWindow::Column(*ui.Grid1, 1);
    EXPECT_TRUE(codes.contains("ERT-0011"));
    EXPECT_FALSE(codes.contains("ERT-0001"));
    EXPECT_FALSE(codes.contains("ERT-0002"));
}

// Suggestions on the demo hospital: the expected item comes first, in the search's columns plus the
// linked code, and a click on it picks it as after a search.
TEST(MappingAssist, SuggestRanksTheMatchingItemFirstAndAClickPicksIt) {
    MappingWindow w;
    auto& ui = w.ui();
    const struct {
        int list;  // optTable index
        const char* category;
        const char* code;
        const char* first;
        QStringList header;
    } cases[] = {
        {1, "Therapeutics", "ERT-0002", "1001", {"ItemID", "ItemName", "ItemDesc", "GenericName", "LinkedCode"}},
        {1, "Therapeutics", "ERT-0003", "1006", {"ItemID", "ItemName", "ItemDesc", "GenericName", "LinkedCode"}},
        {0, "LaboratoryAndDiagnostic", "LD-00103", "3", {"LabExamID", "LabExam", "LinkedCode"}},
        {0, "LaboratoryAndDiagnostic", "LD-00101", "1", {"LabExamID", "LabExam", "LinkedCode"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        w.ClickOption(*ui.optTable, c.list);
        w.ClickRowWithText(*ui.GridCat, 0, c.category);
        if (c.header.size() == 5) w.ClickOption(*ui.optInventory, 0);
        w.ClickRowWithText(*ui.Grid1, 1, c.code);
        w.ClearLogs();
        w.ClickButton(*ui.cmdSuggest);
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
        EXPECT_EQ(MappingWindow::Header(*ui.Grid2), c.header);
        EXPECT_LE(ui.Grid2->Rows() - 1, 50);
        ASSERT_EQ(ui.Grid2->TextMatrix(1, 0), c.first);
        w.ClickRow(*ui.Grid2, 1);
        EXPECT_EQ(ui.txtZEMORAItemID->text(), c.first);
        EXPECT_EQ(ui.txtZEMORAitemDesc->text(), ui.Grid2->TextMatrix(1, 1));
    }

    // An item linked meanwhile shows its code: the index kept by the window notices the new link.
    w.ClickOption(*ui.optTable, 1);
    w.ClickRowWithText(*ui.GridCat, 0, "Therapeutics");
    w.ClickOption(*ui.optInventory, 0);
    w.ClickRowWithText(*ui.Grid1, 1, "ERT-0002");
    w.ClickButton(*ui.cmdSuggest);
    EXPECT_EQ(ui.Grid2->TextMatrix(1, 4), "");
    w.db.connection().Execute(
        "INSERT INTO [Build_FIle].[dbo].[ESOA_ER_LINK] (Code, ItemID, ItemDesc, InvOrProc, RevenueID) "
        "VALUES ('ERT-0001', '1001', 'x', 'INV', 'PH')");
    w.ClickButton(*ui.cmdSuggest);
    EXPECT_EQ(ui.Grid2->TextMatrix(1, 0), "1001");
    EXPECT_EQ(ui.Grid2->TextMatrix(1, 4), "ERT-0001");
}

TEST(MappingAssist, TheCoverageLinkOpensTheFiguresOfTheCurrentList) {
    MappingWindow w;  // ESOA_ER
    w.AddLink("ESOA_ER_LINK", "ERT-0002", "PH", "1001");
    w.AddLink("ESOA_ER_LINK", "ERT-0002", "PH", "1002");
    QTest::mouseClick(w.ui().lblCoverage, Qt::LeftButton);
    auto* window = w.form().findChild<assist::CoverageWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const auto* categories = window->findChild<QTableWidget*>("categories");
    ASSERT_NE(categories, nullptr);
    const int total = categories->rowCount() - 1;
    EXPECT_EQ(categories->item(total, 0)->text(), "Total");
    EXPECT_EQ(categories->item(total, 1)->text(), QString::number(w.Count("ESOA_ER")));
    EXPECT_EQ(categories->item(total, 2)->text(), "1");
    EXPECT_EQ(categories->item(total, 4)->text(), "2");
    window->close();
}

TEST(MappingAssist, SuggestWithoutAPhilHealthItemAsksForOne) {
    MappingWindow w;
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdSuggest);
    EXPECT_EQ(w.messages.shown, QStringList{"Select ESOA item."});
}

}  // namespace
}  // namespace esoa::test
