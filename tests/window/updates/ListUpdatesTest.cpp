#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "support/FileSizeLimit.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The list updates as the user reaches them: the maintenance panel open, the ER list chosen.
class ListUpdatesPanel : public ::testing::Test {
protected:
    void SetUp() override {
        w.OpenMaintenance();
        w.ClickOption(*w.ui().optTable, 1);
        w.AddReferenceRows("ESOA_ER", {{"A", "Lab", "Alpha", "10", "per test"}, {"B", "Lab", "Beta", "20", "each"}});
        w.AddLink("ESOA_ER_LINK", "B", "LB", "1");
        w.WriteFile("ESOA_ER", "A|Lab|Alpha|10|per test\r\nB|Lab|Beta 2|20|each\r\nC|Lab|Gamma|5|each\r\n");
        w.ClearLogs();
    }
    MappingWindow w{MappingWindow::Tables::Empty};
};

TEST_F(ListUpdatesPanel, ScanShowsTheChangesFirstAndStoresOnlyNewCodesOrNothingWhenCancelled) {
    for (const bool go : {false, true}) {
        SCOPED_TRACE(go);
        w.prompts.continueImport = go;
        w.prompts.reviewed.clear();
        w.ClearLogs();
        w.ClickButton(*w.ui().cmdScan);
        ASSERT_EQ(w.prompts.reviewed.size(), 1u);
        EXPECT_EQ(w.prompts.reviewed[0].Summary(),
                  "ESOA_ER: 1 new code, 1 changed (1 link), 0 withdrawn (0 links), 1 unchanged, 0 refused lines.");
        EXPECT_EQ(w.prompts.reviewOffersContinue.last(), true);
        QStringList stored{"A|Lab|Alpha|10|per test", "B|Lab|Beta|20|each"};
        if (go) stored << "C|Lab|Gamma|5|each";
        EXPECT_EQ(w.Rows("ESOA_ER"), stored);
        EXPECT_EQ(w.messages.shown, go ? QStringList{"Done."} : QStringList{});
        EXPECT_TRUE(w.ui().cmdScan->isEnabled());
    }
}

TEST_F(ListUpdatesPanel, PanelButtonsPreviewApplyCheckAndExport) {
    w.ClickButton(*w.ui().cmdPreviewChanges);
    ASSERT_EQ(w.prompts.reviewed.size(), 1u);
    EXPECT_FALSE(w.prompts.reviewOffersContinue.last());
    EXPECT_EQ(w.Count("ESOA_ER"), 2) << "a preview stores nothing";

    w.ClickButton(*w.ui().cmdApplyChanges);  // cancelled: applyAnswer unset
    EXPECT_EQ(w.Rows("ESOA_ER", "Description"), (QStringList{"Alpha", "Beta"}));

    w.ClickButton(*w.ui().cmdCheckLinks);
    ASSERT_EQ(w.prompts.stale.size(), 1u);
    EXPECT_EQ(w.prompts.stale[0].ReasonText(),
              "copies differ from the reference row (Category, Description, FixedFee, ChargingUnit)");

    w.prompts.applyAnswer = true;
    w.ClearLogs();
    w.ClickButton(*w.ui().cmdApplyChanges);
    EXPECT_EQ(w.Rows("ESOA_ER", "Description"), (QStringList{"Alpha", "Beta 2"}));
    EXPECT_EQ(w.Rows("ESOA_ER_LINK", "Code,Category,Description,FixedFee,ChargingUnit"), QStringList{"B|Lab|Beta 2|20|each"});
    EXPECT_EQ(w.messages.shown, QStringList{"1 reference rows and 1 links updated.\nDone."});

    QTemporaryDir dir;
    w.prompts.savePath = dir.filePath("out.csv");
    w.ClickButton(*w.ui().cmdExportLinks);
    EXPECT_EQ(w.prompts.suggestedNames.last(), "ESOA_ER_LINK.csv");
    QFile file(w.prompts.savePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray exported = file.readAll();
    EXPECT_TRUE(exported.startsWith("\xEF\xBB\xBF")) << "marked UTF-8 for a spreadsheet";
    EXPECT_EQ(exported.split('\n').size(), 3) << "header, one link, final line break";

    // A disk that cannot take the export: the message says why, and the export before it stays.
    w.ClearLogs();
    {
        const FileSizeLimit full(64);
        w.ClickButton(*w.ui().cmdExportLinks);
    }
    file.seek(0);
    EXPECT_EQ(file.readAll(), exported);
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].contains("file too large")) << w.messages.shown[0].toStdString();
}

}  // namespace
}  // namespace esoa::test
