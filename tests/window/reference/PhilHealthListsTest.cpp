#include <gtest/gtest.h>

#include <set>

#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

const QString kItems = "SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ";
const QString kCreateTables = "Create tables under Maintenance tab.";

// How many sample ER rows a filter should list, worked out from the file, not from the database.
int SampleCount(const QString& desc, const QString& category) {
    int n = 0;
    for (const ReferenceRow& row : MappingWindow::SampleRows("ESOA_ER.csv")) {
        n += row.description.contains(desc, Qt::CaseInsensitive) &&
             (category.isEmpty() || row.category == category);
    }
    return n;
}

TEST(PhilHealthList, FiltersBuildTheStatementPieceByPieceAndListTheMatchingRows) {
    MappingWindow w;
    w.db.Raw(
        "INSERT INTO Build_FIle.ESOA_ER (Code, Category, Description) VALUES ('X-1', '', 'No category'),"
        " ('X-2', NULL, 'Null category');");
    struct Case {
        QString desc, category, tail;
        int rows;
    };
    const int all = SampleCount("", "") + 2;
    const Case cases[] = {
        {"", "", "", all},
        {"PARACETAMOL", "", " AND Description like '%PARACETAMOL%'  ", SampleCount("PARACETAMOL", "")},
        {"", "Imaging", " AND Category='Imaging'  ", SampleCount("", "Imaging")},
        {"", "-", " AND Category=''  ", 1},  // the empty category only, not Null
        {"CT", "Imaging", " AND Description like '%CT%'   AND Category='Imaging'  ",
         SampleCount("CT", "Imaging")},
        {"  ", "", " AND Description like '%  %'  ", SampleCount("  ", "")},  // blanks are used as typed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.desc + "|" + c.category));
        w.Type(*w.ui().txtSOADesc, c.desc);
        w.Type(*w.ui().txtAreaCat, c.category);
        w.ClearLogs();
        w.ClickButton(*w.ui().cmdSearchSOAItem);
        EXPECT_EQ(w.db.sent, QStringList{kItems + c.tail});
        EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
        const FlexGrid& grid = *w.ui().Grid1;
        EXPECT_EQ(MappingWindow::Header(grid),
                  (QStringList{"ID", "Code", "Category", "Description", "FixedFee", "ChargingUnit"}));
        EXPECT_EQ(grid.Rows() - 1, c.rows);
        for (const QString& category : MappingWindow::Column(grid, 2)) {
            if (!c.category.isEmpty()) {
                EXPECT_EQ(category, c.category == "-" ? QString() : c.category);
            }
        }
    }
}

TEST(PhilHealthList, ListSwitchLoadsTheCategoriesAndKeepsTheDescriptionFilter) {
    MappingWindow w;
    w.Type(*w.ui().txtSOADesc, "Fee");
    w.ClearLogs();
    w.ClickOption(*w.ui().optTable, 0);
    EXPECT_EQ(w.ui().lblESOATableName->text(), "ESOA_ITEM");
    ASSERT_FALSE(w.db.sent.isEmpty());
    EXPECT_EQ(w.db.sent.first(),
              "SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[ESOA_ITEM] WITH (NOLOCK) WHERE 1=1 ");
    std::set<QString> expected{"Medicine"};
    for (const ReferenceRow& row : MappingWindow::SampleRows("ESOA_ITEM.csv")) expected.insert(row.category);
    const QStringList listed = MappingWindow::Column(*w.ui().GridCat, 0);
    EXPECT_EQ(std::set<QString>(listed.begin(), listed.end()), expected);
    EXPECT_EQ(listed.size(), static_cast<qsizetype>(expected.size()));
    EXPECT_EQ(MappingWindow::Header(*w.ui().GridCat), QStringList{"Category"});
    EXPECT_EQ(w.ui().txtSOADesc->text(), "Fee");
    // The item list was loaded without a category, before the first category was routed.
    EXPECT_TRUE(
        w.db.sent.contains("SELECT * FROM [Build_FIle].[dbo].[ESOA_ITEM] WITH (NOLOCK) WHERE 1=1 "
                           " AND Description like '%Fee%'  "));
}

TEST(PhilHealthList, AMissingTableIsReportedTwiceOverAndLeavesTheListBlank) {
    MappingWindow w(MappingWindow::Tables::None);
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdSearchSOAItem);
    ASSERT_EQ(w.messages.shown.size(), 2);
    EXPECT_TRUE(w.messages.shown[0].contains("ESOA_ER", Qt::CaseInsensitive))
        << qPrintable(w.messages.shown[0]);
    EXPECT_EQ(w.messages.shown[1], kCreateTables);
    const FlexGrid& grid = *w.ui().Grid1;
    ASSERT_EQ(grid.Rows(), 2);
    for (int col = 0; col < grid.Cols(); ++col)
        EXPECT_EQ(grid.TextMatrix(0, col) + grid.TextMatrix(1, col), "");

    // The screen stays usable: the tables made, the same button lists the (empty) table.
    w.OpenMaintenance();
    w.ClickButton(*w.ui().cmdCreateTable);
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdSearchSOAItem);
    EXPECT_TRUE(w.messages.shown.isEmpty());
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 1), "Code");
}

TEST(PhilHealthList, HostileTextsInTheFiltersStayValues) {
    MappingWindow w;
    w.AddReferenceRows("ESOA_ER", {{"H-1", "Children's Care", "Patient’s kit, 50% off_peak", "", ""},
                                   {"H-2", "Ward’s", "Plain row", "", ""}});
    const int all = SampleCount("", "") + 2;
    const int apostrophes = SampleCount("'", "");
    ASSERT_GT(apostrophes, 0);
    struct Case {
        QString text;
        int byDescription, byCategory;
    };
    const Case cases[] = {
        {"'", apostrophes, 0},
        {"Children's Care", 0, 1},
        {"'; DROP TABLE x; --", 0, 0},
        {"%", all, 0},  // a wildcard in LIKE, a plain character in "="
        {"_", all, 0},
        {"’", 1, 0},
        {"Ward’s", 0, 1},
        {QString(10000, 'a'), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.text.left(30)));
        for (QLineEdit* box : {w.ui().txtSOADesc, w.ui().txtAreaCat}) {
            w.Type(*w.ui().txtSOADesc, "");
            w.Type(*w.ui().txtAreaCat, "");
            w.Type(*box, c.text);
            w.ClearLogs();
            w.ClickButton(*w.ui().cmdSearchSOAItem);
            EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
            EXPECT_EQ(w.ui().Grid1->Rows() - 1, box == w.ui().txtSOADesc ? c.byDescription : c.byCategory)
                << qPrintable(box->objectName());
        }
    }
    EXPECT_EQ(w.db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[ESOA_ER]"), all);
}

TEST(PhilHealthList, AnEmptyReferenceTableListsHeadersOnlyAndSwitchesSilently) {
    MappingWindow w(MappingWindow::Tables::Empty);
    EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
    const FlexGrid& categories = *w.ui().GridCat;
    EXPECT_EQ(categories.Rows(), 1);
    EXPECT_EQ(MappingWindow::Header(categories), QStringList{"Category"});
    EXPECT_EQ(w.ui().Grid1->Rows(), 1);

    w.ClickOption(*w.ui().optTable, 0);
    EXPECT_TRUE(w.messages.shown.isEmpty()) << qPrintable(w.messages.shown.join('\n'));
    EXPECT_EQ(w.ui().lblESOATableName->text(), "ESOA_ITEM");
    // No first category to select: nothing is routed, so no category filters the list.
    EXPECT_EQ(w.ui().txtAreaCat->text(), "");
    EXPECT_EQ(w.ui().txtType->text(), "PROC");
}

}  // namespace
}  // namespace esoa::test
