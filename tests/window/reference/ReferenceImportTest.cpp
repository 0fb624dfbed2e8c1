#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include "database/sqlite/SqliteConnection.h"
#include "window/reference/ReferenceImport.h"
#include "window/support/MappingWindow.h"

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
    QString note;      // in the one message about the file; empty: no message
};

TEST_F(ReferenceImportTest, ItemFileLinesAreStoredAsReadAndRepeatedCodesOnlyOnce) {
    const FileCase cases[] = {
        {"CR LF, no final break", "A|x|one\r\nB|y|two", {"A|x|one|", "B|y|two|"}, {}},
        {"lone CR", "A|x|one\rB|y|two\r", {"A|x|one|", "B|y|two|"}, {}},
        {"lone LF", "A|x|one\nB|y|two\n", {"A|x|one|", "B|y|two|"}, {}},
        {"blank lines",
         "A|x|one\r\n\r\n  \r\nB|y|two\r\n",
         {"A|x|one|", "B|y|two|"},
         "2 blank lines skipped"},
        {"no code", "|Laboratory|No code\r\nA|x|one\r\n  |y|blank code\r\n", {"A|x|one|"}, "line 3: no code"},
        {"cut short", "A|x|one\r\nB|y", {"A|x|one|", "B|y||"}, "line 2: the last line has no line break"},
        {"header line",
         "Code|Category|Description\r\nA|x|one\r\n",
         {"Code|Category|Description|", "A|x|one|"},
         {}},
        {"repeated code", "A|x|first\r\nA|y|second\r\n", {"A|x|first|"}, {}},
        {"spaces kept", " A |  x | one  \r\n", {" A |  x | one  |"}, {}},
        {"apostrophes", "O'Neil|x|Mother's day\r\n", {"O'Neil|x|Mother's day|"}, {}},
        {"only a code", "C\r\n", {"C|||"}, {}},
        {"fields 4 and 5 ignored", "A|x|one|45.00|per tablet|more\r\n", {"A|x|one|"}, {}},
        {"ANSI", "\xD1-1|x|Se\xD1or\x92s\r\n", {QStringLiteral("\u00D1-1|x|Se\u00D1or\u2019s|")}, {}},
        {"UTF-8", "\xC3\x91-1|x|Se\xC3\x91or\r\n", {QStringLiteral("\u00D1-1|x|Se\u00D1or|")}, {}},
        {"UTF-8 with mark", "\xEF\xBB\xBF\xC3\x91-1|x|y\r\n", {QStringLiteral("\u00D1-1|x|y|")}, {}},
        {"ASCII with mark",
         "\xEF\xBB\xBF"
         "A|x|y\r\n",
         {"A|x|y|"},
         {}},
        {"empty file", "", {}, {}},
    };
    ChooseList(0);
    for (const FileCase& c : cases) {
        w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ITEM]");
        w.ClearLogs();
        w.WriteFile("ESOA_ITEM", c.bytes);
        w.form().referenceImport().ImportEsoaFile("ESOA_ITEM");
        EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category,Description,FixedFee"), c.rows) << c.name;
        EXPECT_EQ(w.messages.shown.size(), c.note.isEmpty() ? 0 : 1)
            << c.name << ": " << w.messages.shown.join(" / ").toStdString();
        if (!c.note.isEmpty() && !w.messages.shown.isEmpty()) {
            EXPECT_TRUE(w.messages.shown[0].contains(c.note))
                << c.name << ": " << w.messages.shown[0].toStdString();
        }
        EXPECT_FALSE(w.messages.busy) << c.name;
    }
    EXPECT_EQ(w.Count("ESOA_ITEM", "FixedFee IS NULL AND ChargingUnit IS NULL"), w.Count("ESOA_ITEM"));
}

// A code of both files with another description: the item file's line is kept, and the change report
// shown first and the medicine file's summary both name the code, both descriptions and which one is kept.
TEST_F(ReferenceImportTest, MedicinesGetTheirCategoryAfterTheItemFileWhoseCodesWin) {
    ChooseList(0);
    w.WriteFile("ESOA_ITEM", "LD-1|LaboratoryAndDiagnostic|CBC\r\nLD-2|LaboratoryAndDiagnostic|Same\r\n");
    w.WriteFile(
        "ESOA_MEDICINE",
        "ld-1 |DrugsAndMedicines|CBC tablet\r\nM-1|DrugsAndMedicines|Paracetamol\r\nLD-2|x|Same\r\n\r\n");
    Scan();
    EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category,Description"),
              (QStringList{"LD-1|LaboratoryAndDiagnostic|CBC", "LD-2|LaboratoryAndDiagnostic|Same",
                           "M-1|Medicine|Paracetamol"}));
    EXPECT_EQ(w.Count("ESOA_ER"), 0);
    const QString conflict =
        "code \"ld-1 \" is also in ESOA_ITEM.csv line 1 with another description: \"CBC\" there is kept, "
        "\"CBC tablet\" of ESOA_MEDICINE.csv line 1 is not stored";
    ASSERT_EQ(w.prompts.reviewed.size(), 1u);
    const ChangeReport& report = w.prompts.reviewed[0];
    ASSERT_EQ(report.conflicts.size(), 1u) << "the same description is no conflict";
    EXPECT_EQ(report.conflicts[0].Text(), conflict);
    EXPECT_TRUE(report.Text().contains(conflict)) << report.Text().toStdString();
    EXPECT_TRUE(report.Csv().Text(csv::Flavour::Exact).contains("conflict,ESOA_MEDICINE.csv,1,,\"ld-1 \","))
        << report.Csv().Text(csv::Flavour::Exact).toStdString();
    ASSERT_EQ(w.messages.shown.size(), 2) << w.messages.shown.join(" / ").toStdString();
    EXPECT_TRUE(
        w.messages.shown[0].startsWith("ESOA_MEDICINE.csv: 4 lines read, 1 added, 2 already present, 0 "
                                       "refused, 1 blank line skipped, 1 warning.\nline 1: " +
                                       conflict))
        << w.messages.shown[0].toStdString();
    EXPECT_EQ(w.messages.shown[1], "Done.");
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

TEST_F(ReferenceImportTest, RefusedLinesAreCountedInOneSummaryAndTheLaterLinesImported) {
    const QByteArray d250(250, 'd');
    QByteArray bytes = "R-1|Cat|" + d250 + "d|1.00|u\r\n" +  // line 1: description too long
                       "R-2|Cat|fee abc|abc|u\r\n"           // line 2: not an amount
                       "R-3|Cat|too dear|999999|u\r\n"       // line 3: beyond SMALLMONEY
                       "R-4|Cat|" +
                       d250 +
                       "|214748.3647|u\r\n"
                       "R-5|Cat|commas|1,200.50|u\r\n"
                       "R-6|Cat|unit|1|" +
                       QByteArray(51, 'u') + "\r\n";
    for (int i = 7; i <= 16; ++i) bytes += "R-" + QByteArray::number(i) + "|Cat|x|1e3|u\r\n";
    bytes += "R-4|Cat|again|1|u\r\n";
    w.WriteFile("ESOA_ER", bytes);
    const QString saved = w.files.filePath("refused.txt");
    w.messages.saveAnswer = saved;
    Scan();

    EXPECT_EQ(w.Rows("ESOA_ER", "Code,FixedFee"), (QStringList{"R-4|214748.3647", "R-5|1200.5"}));
    ASSERT_EQ(w.messages.shown.size(), 2) << w.messages.shown.join(" / ").toStdString();
    EXPECT_EQ(w.messages.shown[1], "Done.");
    const QString summary = w.messages.shown[0];
    for (const char* part :
         {"ESOA_ER.csv: 17 lines read, 2 added, 1 already present, 14 refused.",
          "line 1: description longer than 250 characters", "line 2: fee 'abc' is not an amount",
          "line 3: fee '999999' is out of range", "line 6: unit longer than 50 characters",
          "line 10: fee '1e3' is not an amount", "... and 4 more."}) {
        EXPECT_TRUE(summary.contains(part)) << part << " not in:\n" << summary.toStdString();
    }
    EXPECT_FALSE(summary.contains("line 13:")) << summary.toStdString();
    EXPECT_EQ(w.messages.saveOffers.size(), 1);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString report = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(report.contains("line 16: fee '1e3' is not an amount")) << report.toStdString();
    EXPECT_EQ(report.count("line "), 14);
}

TEST_F(ReferenceImportTest, NulsLoneSurrogatesAndUtf16FilesAreHandledLineByLine) {
    auto utf16 = [](const QString& text, bool bigEndian) {
        QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (const QChar c : text) {
            const char hi = static_cast<char>(c.unicode() >> 8), lo = static_cast<char>(c.unicode() & 0xFF);
            bytes.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
        }
        return bytes;
    };
    const QString nino = QStringLiteral("Ni\u00F1o|x|Se\u00F1or \U0001F600\r\nB|y|two\r\n");
    const QString lone =
        QStringLiteral("A|x|one\r\nB|y|bad ") + QChar(0xD800) + QStringLiteral("\r\nC|z|three\r\n");
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList rows;
        QString refused;  // empty: no summary
    } cases[] = {
        {"UTF-16 LE",
         utf16(nino, false),
         {QStringLiteral("Ni\u00F1o|x|Se\u00F1or \U0001F600"), "B|y|two"},
         {}},
        {"UTF-16 BE",
         utf16(nino, true),
         {QStringLiteral("Ni\u00F1o|x|Se\u00F1or \U0001F600"), "B|y|two"},
         {}},
        {"NUL in a code",
         QByteArray("A|x|one\r\nB\0C|y|two\r\nC|z|three\r\n", 31),
         {"A|x|one", "C|z|three"},
         "line 2: code holds a NUL character"},
        {"lone surrogate",
         utf16(lone, false),
         {"A|x|one", "C|z|three"},
         "line 2: description holds an unpaired surrogate (U+D800)"},
    };
    ChooseList(0);
    for (const auto& c : cases) {
        w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ITEM]");
        w.ClearLogs();
        w.WriteFile("ESOA_ITEM", c.bytes);
        EXPECT_TRUE(w.form().referenceImport().ImportEsoaFile("ESOA_ITEM")) << c.name;
        EXPECT_EQ(w.Rows("ESOA_ITEM", "Code,Category,Description"), c.rows) << c.name;
        EXPECT_EQ(w.messages.shown.size(), c.refused.isEmpty() ? 0 : 1) << c.name;
        if (!c.refused.isEmpty() && !w.messages.shown.isEmpty()) {
            EXPECT_TRUE(w.messages.shown[0].contains(c.refused)) << c.name << ": " << w.messages.shown[0].toStdString();
        }
    }
}

// A failure that is not a line's own, or Cancel, ends the scan at once: one message naming the cause and the
// file, no later file imported, no "Done.", the controls usable again and the lists refreshed.
TEST_F(ReferenceImportTest, AFailureOfTheDatabaseOrTheFileEndsTheScanWithOneMessage) {
    const struct {
        const char* name;
        const char* cause;
        int stored;  // lines of ESOA_ITEM.csv stored before the stop
    } cases[] = {
        {"missing table", "the table ESOA_ITEM does not exist", 0},
        {"locked", "the database is locked", 50},
        {"cancelled", "was cancelled after line 50 of 120", 50},
    };
    ChooseList(0);
    for (const auto& c : cases) {
        const QString name = c.name;
        w.CreateReferenceTables("ESOA_ITEM");
        w.db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ITEM]");
        w.WriteFile("ESOA_ITEM", Lines(120, "I-"));
        w.WriteFile("ESOA_MEDICINE", Lines(3, "M-"));
        if (name == "missing table") w.Drop("ESOA_ITEM");
        w.messages.cancelAfterSteps = name == "cancelled" ? 1 : -1;
        // Another program takes the write lock half-way through the file.
        const QString other = QStringLiteral("other writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", other);
            db.setDatabaseName(QDir(w.db.folder()).filePath("Build_FIle.sqlite"));
            ASSERT_TRUE(db.open());
        }
        w.messages.onStep = [&](int done) {
            if (name == "locked" && done == 50) {
                ASSERT_TRUE(QSqlQuery(QSqlDatabase::database(other)).exec("BEGIN EXCLUSIVE"));
                try {
                    w.db.Raw("PRAGMA busy_timeout = 100");  // the wait's length does not matter here
                } catch (const std::exception&) {
                }
            }
        };
        w.ClearLogs();
        Scan();
        w.messages.onStep = nullptr;
        QSqlQuery(QSqlDatabase::database(other)).exec("ROLLBACK");
        QSqlDatabase::removeDatabase(other);

        // The refreshed lists report a missing table as they always do: two messages each.
        ASSERT_EQ(w.messages.shown.size(), name == "missing table" ? 5 : 1)
            << c.name << ": " << w.messages.shown.join(" / ").toStdString();
        const QString message = w.messages.shown[0];
        EXPECT_TRUE(
            message.contains(c.cause) && message.contains("ESOA_ITEM.csv") &&
            message.contains(QStringLiteral("%1 new lines of ESOA_ITEM.csv were stored").arg(c.stored)))
            << c.name << ": " << message.toStdString();
        EXPECT_FALSE(w.messages.busy) << c.name;
        EXPECT_EQ(w.messages.progressTitles.filter("ESOA_MEDICINE").size(), 0) << c.name;
        EXPECT_TRUE(w.ui().cmdCreateTable->isEnabled() && w.ui().cmdScan->isEnabled() &&
                    w.ui().optTable->option(1)->isEnabled())
            << c.name;
        EXPECT_EQ(w.db.sent.filter("SELECT DISTINCT(Category)").size(), 1) << c.name;
        if (name == "missing table") continue;

        // Once the cause is gone, a new scan completes the file without duplicates.
        w.WriteFile("ESOA_ITEM", Lines(120, "I-"));
        w.messages.cancelAfterSteps = -1;
        w.ClearLogs();
        Scan();
        EXPECT_EQ(w.messages.shown, QStringList{"Done."}) << c.name;
        EXPECT_EQ(w.Count("ESOA_ITEM"), 123) << c.name;
        EXPECT_EQ(w.db.Count("SELECT COUNT(DISTINCT Code) FROM Build_FIle..ESOA_ITEM"), 123) << c.name;
    }
}

// A file of the list that cannot be read is named before anything is stored: in the change report, whose
// Continue imports the files that can be read, or, when no file can be read, in one message. Nothing is
// stored unless the report was answered Continue, and the lists are refreshed after every scan.
TEST_F(ReferenceImportTest, AFileThatCannotBeReadIsNamedBeforeAnythingIsStored) {
    const struct {
        const char* name;
        int list;
        QStringList missing;
        bool answer;        // Continue
        bool reviewed;      // the change report was shown
        QStringList codes;  // stored
        QString message;    // the scan's last message
    } cases[] = {
        {"medicines missing, continued",
         0,
         {"ESOA_MEDICINE"},
         true,
         true,
         {"I-1", "I-2"},
         "ESOA_MEDICINE.csv cannot be read, so it was not imported:\nCannot open"},
        {"medicines missing, cancelled", 0, {"ESOA_MEDICINE"}, false, true, {}, {}},
        {"items missing, continued",
         0,
         {"ESOA_ITEM"},
         true,
         true,
         {"M-1"},
         "ESOA_ITEM.csv cannot be read, so it was not imported:"},
        {"both missing",
         0,
         {"ESOA_ITEM", "ESOA_MEDICINE"},
         true,
         false,
         {},
         "ESOA_MEDICINE.csv cannot be read"},
        {"ER file missing",
         1,
         {"ESOA_ER"},
         true,
         false,
         {},
         "ESOA_ER.csv cannot be read, so it was not imported:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.CreateReferenceTables(c.list == 0 ? "ESOA_ITEM" : "ESOA_ER");
        ChooseList(c.list);
        w.AddReferenceRows(c.list == 0 ? "ESOA_ITEM" : "ESOA_ER", {{"OLD", "x", "kept", "", ""}});
        w.WriteFile("ESOA_ITEM", Lines(2, "I-"));
        w.WriteFile("ESOA_MEDICINE", Lines(1, "M-"));
        w.WriteFile("ESOA_ER", Lines(2, "E-"));
        for (const QString& name : c.missing) QFile::remove(w.files.filePath(name + ".csv"));
        w.prompts.continueImport = c.answer;
        w.prompts.reviewed.clear();
        w.ClearLogs();
        Scan();

        ASSERT_EQ(w.prompts.reviewed.size(), c.reviewed ? 1u : 0u);
        if (c.reviewed) {
            const ChangeReport& report = w.prompts.reviewed[0];
            EXPECT_FALSE(report.complete());
            EXPECT_TRUE(report.Summary().contains(c.missing[0] + ".csv cannot be read"))
                << report.Summary().toStdString();
            EXPECT_EQ(report.count(ChangeReport::Kind::Withdrawn), 0) << "OLD may be in the file not read";
            EXPECT_EQ(report.count(ChangeReport::Kind::New), c.missing[0] == "ESOA_ITEM" ? 1 : 2);
        }
        QStringList expected{"OLD"};
        expected << c.codes;
        EXPECT_EQ(w.Rows(c.list == 0 ? "ESOA_ITEM" : "ESOA_ER", "Code"), expected);
        EXPECT_EQ(w.messages.shown.size(), c.message.isEmpty() ? 0 : 1)
            << w.messages.shown.join(" / ").toStdString();
        if (!c.message.isEmpty() && !w.messages.shown.isEmpty()) {
            EXPECT_TRUE(w.messages.shown.last().contains(c.message)) << w.messages.shown.last().toStdString();
            EXPECT_FALSE(w.messages.shown.last().contains("Done."));
        }
        EXPECT_EQ(w.db.sent.filter("SELECT DISTINCT(Category)").size(), 1);
        EXPECT_EQ(w.ui().txtType->text(), "PROC");
        EXPECT_TRUE(w.ui().cmdScan->isEnabled());
    }
}

// A database another program keeps locked ends the import with one message after a try or two, not
// after every try has waited out the lock (the waits are shortened here; by default 5 s a try).
TEST_F(ReferenceImportTest, ALockedDatabaseEndsTheScanWithOneMessageWithinTheBusyBudget) {
    w.WriteFile("ESOA_ER", Lines(20, "E-"));
    w.db.Raw("PRAGMA busy_timeout = 500");
    w.db.connection().setBusyBudgetMilliseconds(1200);
    SqliteConnection holder(w.db.folder(), {});
    holder.RunSqlite("BEGIN IMMEDIATE");
    QElapsedTimer clock;
    clock.start();
    Scan();
    const qint64 elapsed = clock.elapsed();
    holder.RunSqlite("ROLLBACK");
    ASSERT_EQ(w.messages.shown.size(), 1) << w.messages.shown.join(" / ").toStdString();
    EXPECT_TRUE(w.messages.shown[0].contains("the database is locked by another user or program"))
        << w.messages.shown[0].toStdString();
    EXPECT_LT(elapsed, 2000) << "five tries of 500 ms would take 2.5 s";
    EXPECT_EQ(w.Count("ESOA_ER"), 0);
}

TEST_F(ReferenceImportTest, TheListAndCreateTablesCannotRedirectOrDropAScanInProgress) {
    ChooseList(0);
    w.WriteFile("ESOA_ITEM", Lines(120, "I-"));
    w.WriteFile("ESOA_MEDICINE", Lines(3, "M-"));
    w.messages.onStep = [&](int done) {
        if (done != 50) return;
        w.ClickOption(*w.ui().optTable, 1);
        w.ClickButton(*w.ui().cmdCreateTable);
    };
    Scan();
    EXPECT_EQ(w.Count("ESOA_ITEM"), 123);
    EXPECT_EQ(w.Count("ESOA_ITEM", "Category = 'Medicine'"), 3);
    EXPECT_EQ(w.Count("ESOA_ER"), 0);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    EXPECT_TRUE(w.ui().optTable->isSelected(0));
    EXPECT_EQ(w.ui().lblESOATableName->text(), "ESOA_ITEM");
    EXPECT_TRUE(w.ui().cmdCreateTable->isEnabled() && w.ui().optTable->option(1)->isEnabled());
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
