#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "reference/ReferenceImport.h"
#include "support/MappingWindow.h"

namespace esoa::test {
namespace {

// The import as the user starts it: the maintenance panel shown, a list chosen, "b. Scan && Import".
class ReferenceImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.ClearLogs();
        QTest::mouseClick(w.ui().lblMaint, Qt::LeftButton);
        ASSERT_TRUE(w.ui().fraMaint->isVisible());
    }
    void ChooseList(int index) {
        w.ClickOption(*w.ui().optTable, index);
        w.ClearLogs();
    }
    void Scan() { w.ClickButton(*w.ui().cmdScan); }
    static QByteArray Lines(int n, const char* prefix) {
        QByteArray bytes;
        for (int i = 1; i <= n; ++i)
            bytes += prefix + QByteArray::number(i) + "|Laboratory|Test " + QByteArray::number(i) +
                     "|10|per test\r\n";
        return bytes;
    }

    MappingWindow w{MappingWindow::Tables::Empty};
};

struct FileCase {
    const char* name;
    QByteArray bytes;
    QStringList rows;  // Code|Category|Description|FixedFee of ESOA_ITEM, in ID order
};

TEST_F(ReferenceImportTest, ItemFileLinesAreStoredAsReadAndRepeatedCodesOnlyOnce) {
    const FileCase cases[] = {
        {"CR LF, no final break", "A|x|one\r\nB|y|two", {"A|x|one|", "B|y|two|"}},
        {"lone CR", "A|x|one\rB|y|two\r", {"A|x|one|", "B|y|two|"}},
        {"lone LF", "A|x|one\nB|y|two\n", {"A|x|one|", "B|y|two|"}},
        {"blank lines", "A|x|one\r\n\r\n\r\nB|y|two\r\n", {"A|x|one|", "|||", "B|y|two|"}},
        {"header line",
         "Code|Category|Description\r\nA|x|one\r\n",
         {"Code|Category|Description|", "A|x|one|"}},
        {"repeated code", "A|x|first\r\nA|y|second\r\n", {"A|x|first|"}},
        {"spaces kept", " A |  x | one  \r\n", {" A |  x | one  |"}},
        {"apostrophes", "O'Neil|x|Mother's day\r\n", {"O'Neil|x|Mother's day|"}},
        {"only a code", "C\r\n", {"C|||"}},
        {"fields 4 and 5 ignored", "A|x|one|45.00|per tablet|more\r\n", {"A|x|one|"}},
        {"ANSI", "\xD1-1|x|Se\xD1or\x92s\r\n", {QStringLiteral("\u00D1-1|x|Se\u00D1or\u2019s|")}},
        {"UTF-8", "\xC3\x91-1|x|Se\xC3\x91or\r\n", {QStringLiteral("\u00D1-1|x|Se\u00D1or|")}},
        {"UTF-8 with mark", "\xEF\xBB\xBF\xC3\x91-1|x|y\r\n", {QStringLiteral("\u00D1-1|x|y|")}},
        {"ASCII with mark",
         "\xEF\xBB\xBF"
         "A|x|y\r\n",
         {"A|x|y|"}},
        {"empty file", "", {}},
    };
    ChooseList(0);
    for (const FileCase& c : cases) {
        w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ITEM]");
        w.WriteFile("ESOA_ITEM", c.bytes);
        w.form().referenceImport().ImportEsoaFile("ESOA_ITEM");
        EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category,Description,FixedFee"), c.rows) << c.name;
        EXPECT_TRUE(w.messages.shown.isEmpty())
            << c.name << ": " << w.messages.shown.join(" / ").toStdString();
        EXPECT_FALSE(w.messages.busy) << c.name;
    }
    EXPECT_TRUE(w.db.sent.contains("SELECT * FROM [Build_FIle].[dbo].ESOA_ITEM WHERE Code = 'O''Neil'   "));
    EXPECT_EQ(w.Count("ESOA_ITEM", "FixedFee IS NULL AND ChargingUnit IS NULL"), w.Count("ESOA_ITEM"));
}

TEST_F(ReferenceImportTest, MedicinesGetTheirCategoryAfterTheItemFileWhoseCodesWin) {
    ChooseList(0);
    w.WriteFile("ESOA_ITEM", "LD-1|LaboratoryAndDiagnostic|CBC\r\n");
    w.WriteFile("ESOA_MEDICINE",
                "LD-1|DrugsAndMedicines|CBC tablet\r\nM-1|DrugsAndMedicines|Paracetamol\r\n\r\n\r\n");
    Scan();
    EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category,Description"),
              (QStringList{"LD-1|LaboratoryAndDiagnostic|CBC", "M-1|Medicine|Paracetamol", "|Medicine|"}));
    EXPECT_EQ(w.Count("ESOA_ER"), 0);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    // The lists show what was imported; the item source is procedures again.
    EXPECT_EQ(w.ui().GridCat->Rows(), 3);
    EXPECT_EQ(
        w.db.sent.filter("SELECT * FROM [Build_FIle].[dbo].[ESOA_ITEM] WITH (NOLOCK) WHERE 1=1 ").size(), 1);
    EXPECT_EQ(w.ui().txtType->text(), "PROC");
}

TEST_F(ReferenceImportTest, ErLinesCarryFeeAndUnitAndAMissingFeeIsNull) {
    w.WriteFile("ESOA_ER", "");
    Scan();
    EXPECT_EQ(w.Count("ESOA_ER"), 0);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    w.ClearLogs();

    w.WriteFile("ESOA_ER",
                "E-1|Therapeutics|Paracetamol|45.00|per ampule\r\nE-2|Imaging|Chest "
                "X-ray\r\nO'Neil|Laboratory|CBC||\r\n");
    Scan();
    EXPECT_EQ(w.Rows("ESOA_ER"), (QStringList{"E-1|Therapeutics|Paracetamol|45|per ampule",
                                              "E-2|Imaging|Chest X-ray||", "O'Neil|Laboratory|CBC||"}));
    EXPECT_EQ(w.Count("ESOA_ER", "FixedFee IS NULL"), 2);
    EXPECT_EQ(w.Count("ESOA_ER", "ChargingUnit IS NULL"), 0);
    EXPECT_TRUE(w.db.sent.contains("SELECT * FROM [Build_FIle].[dbo].ESOA_ER WHERE Code = 'O''Neil'   "));
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
}

TEST_F(ReferenceImportTest, ImportingAgainAddsNothingAndChangesNoRow) {
    w.WriteFile("ESOA_ER",
                "E-1|Therapeutics|Paracetamol|45.00|per ampule\r\nE-2|Imaging|Chest X-ray|300|per view\r\n");
    Scan();
    const QStringList first = w.Rows("ESOA_ER", "ID,Code,Category,Description,FixedFee,ChargingUnit");
    ASSERT_EQ(first.size(), 2);
    w.WriteFile("ESOA_ER", "E-1|Other|Changed|1.00|each\r\nE-2|Imaging|Chest X-ray|300|per view\r\n");
    Scan();
    EXPECT_EQ(w.Rows("ESOA_ER", "ID,Code,Category,Description,FixedFee,ChargingUnit"), first);
    EXPECT_EQ(w.messages.shown, (QStringList{"Done.", "Done."}));
}

TEST_F(ReferenceImportTest, AMissingFileIsReportedOnceAndTheScanGoesOn) {
    ChooseList(0);
    w.WriteFile("ESOA_MEDICINE", "M-1|DrugsAndMedicines|Paracetamol\r\n");
    Scan();
    ASSERT_EQ(w.messages.shown.size(), 2) << w.messages.shown.join(" / ").toStdString();
    EXPECT_TRUE(w.messages.shown[0].contains("ESOA_ITEM.csv"));
    EXPECT_EQ(w.messages.shown[1], "Done.");
    EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category"), QStringList{"M-1|Medicine"});
    EXPECT_FALSE(w.messages.busy);
}

TEST_F(ReferenceImportTest, AMissingTableIsReportedOnceForTheWholeFile) {
    w.Drop("ESOA_ER");
    w.WriteFile("ESOA_ER", Lines(3, "E-"));
    w.form().referenceImport().ImportEsoaFile("ESOA_ER");
    EXPECT_EQ(w.messages.shown.size(), 1) << w.messages.shown.join(" / ").toStdString();
    EXPECT_FALSE(w.messages.busy);
    Scan();
    EXPECT_EQ(w.messages.shown.last(), "Done.");
}

TEST_F(ReferenceImportTest, ARefusedValueIsReportedForItsLineAndTheNextLineIsImported) {
    const QByteArray d250(250, 'd');
    w.WriteFile("ESOA_ER", "R-1|Cat|" + d250 +
                               "d|1.00|u\r\nR-2|Cat|fee abc|abc|u\r\nR-3|Cat|too dear|999999|u\r\nR-4|Cat|" +
                               d250 + "|214748.3647|u\r\n");
    Scan();
    ASSERT_EQ(w.messages.shown.size(), 4) << w.messages.shown.join(" / ").toStdString();
    for (int line = 1; line <= 3; ++line) {
        EXPECT_TRUE(w.messages.shown[line - 1].contains(QStringLiteral("line %1").arg(line))) << line;
    }
    EXPECT_EQ(w.messages.shown[3], "Done.");
    EXPECT_EQ(w.Rows("ESOA_ER", "Code,FixedFee"), QStringList{"R-4|214748.3647"});
}

TEST_F(ReferenceImportTest, ALongImportShowsModelessProgressAndIgnoresASecondScan) {
    w.WriteFile("ESOA_ER", Lines(120, "E-"));
    QList<bool> busyAtSteps;
    bool postedEventRan = false;
    w.messages.onStep = [&](int done) {
        busyAtSteps << w.messages.busy;
        if (done == 50) {
            QTimer::singleShot(0, [&] { postedEventRan = true; });
            w.ClickButton(*w.ui().cmdScan);
        }
    };
    Scan();
    EXPECT_EQ(w.Count("ESOA_ER"), 120);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    ASSERT_EQ(w.messages.progressTitles.size(), 1);
    EXPECT_TRUE(w.messages.progressTitles[0].contains("ESOA_ER.csv"));
    EXPECT_EQ(w.messages.progressModal, QList<bool>{false});
    EXPECT_EQ(w.messages.progressTotals, QList<int>{120});
    ASSERT_FALSE(w.messages.steps.isEmpty());
    EXPECT_TRUE(w.messages.steps.last().contains("ESOA_ER.csv") && w.messages.steps.last().contains("120"))
        << w.messages.steps.last().toStdString();
    EXPECT_TRUE(postedEventRan);  // the window kept processing its events between lines
    EXPECT_EQ(busyAtSteps, QList<bool>(3, true));
    EXPECT_EQ(w.messages.busyChanges.first(), true);
    EXPECT_FALSE(w.messages.busy);
}

TEST_F(ReferenceImportTest, ClosingTheWindowStopsTheImportAfterTheCurrentLine) {
    w.WriteFile("ESOA_ER", Lines(120, "E-"));
    w.messages.onStep = [&](int done) {
        if (done == 50) w.form().close();
    };
    Scan();
    EXPECT_EQ(w.Count("ESOA_ER"), 50);
    EXPECT_TRUE(w.user.classes.calls.contains("save:frmESOA_Items"));
    EXPECT_FALSE(w.messages.shown.contains("Done."));
    EXPECT_FALSE(w.messages.busy);
    EXPECT_FALSE(w.form().referenceImport().running());
}

}  // namespace
}  // namespace esoa::test
