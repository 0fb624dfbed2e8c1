#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include "core/demo/DemoDatabase.h"
#include "core/coverage/Coverage.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"
#include "support/TestDatabase.h"

namespace esoa::test {
namespace {

// The demo hospital with an ER list and links made for the figures below.
class CoverageFigures : public ::testing::Test {
protected:
    void SetUp() override {
        demo::Seed(db.connection());
        for (const QString& statement : CreateTableStatements(QStringLiteral("ESOA_ER"))) {
            try {
                db.connection().Execute(statement);
            } catch (const std::exception&) {
            }
        }
        const ImportSummary s = ImportRun(db.connection(), "ESOA_ER")
                                    .ImportLines({"A1|Therapeutics|PARACETAMOL 500 mg tablet|2.50|per tablet",
                                                  "A2|Therapeutics|IBUPROFEN 400 mg tablet|1|per tablet",
                                                  "a3|therapeutics|Other|1|x", "B1||No category|1|x",
                                                  "C1|Supplies|Gauze|1|x"},
                                                 "ESOA_ER", "ESOA_ER.csv");
        ASSERT_TRUE(s.finished() && s.refused.empty());
        // code, item, InvOrProc, revenue
        const char* links[][4] = {
            {"A1", "1001", "INV", "PH"},  {"A1", "1002", "INV", "PH"},
            {"a1 ", "3", "PROC", "LB"},   // the same code as the database compares it
            {"C1", "1069", "INV", "PH"},  // an inactive item: no active item is used by it
            {"GONE", "1003", "INV", "CS"},  // a code no longer in the list
        };
        for (const auto& l : links)
            db.connection().Execute(
                QStringLiteral("INSERT INTO [Build_FIle].[dbo].[ESOA_ER_LINK] (Code, ItemID, ItemDesc, InvOrProc, "
                               "RevenueID) VALUES ('%1', '%2', 'x', '%3', '%4')")
                    .arg(l[0], l[1], l[2], l[3]));
        active = db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster WHERE itemstatus = 0");
    }

    // The program's standard output.
    QString Run(const QStringList& args, int expectedExit) {
        QProcess program;
        program.start(QStringLiteral(ESOA_PROGRAM), QStringList(args) << "--connection" << "embedded:" + db.folder());
        EXPECT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), expectedExit) << program.readAllStandardError().toStdString();
        return QString::fromUtf8(program.readAllStandardOutput());
    }

    TestDatabase db;
    int active = 0;
};

TEST_F(CoverageFigures, CountsCodesLinksRevenuesAndUnusedInventoryItems) {
    const assist::Coverage c = assist::Coverage::Build(db.connection(), ReferenceList::Er());
    QStringList categories;
    std::vector<assist::Coverage::Category> all = c.categories;
    all.push_back(c.total);
    for (const auto& cat : all)
        categories << QStringLiteral("%1 %2 %3 %4 %5").arg(cat.name).arg(cat.codes).arg(cat.linkedCodes).arg(cat.Share()).arg(cat.links);
    EXPECT_EQ(categories, (QStringList{"- 1 0 0.0 0", "Supplies 1 1 100.0 1", "Therapeutics 3 1 33.3 3",
                                       "Total 5 2 40.0 5"}));
    EXPECT_EQ(c.orphanLinks, 1);
    QStringList revenues;
    for (const auto& r : c.revenues) revenues << r.revenueId + ' ' + QString::number(r.links);
    EXPECT_EQ(revenues, (QStringList{"CS 1", "LB 1", "PH 3"}));

    ASSERT_GT(active, 10);
    EXPECT_EQ(c.activeItems, active);
    // One figure for the whole inventory: items 1001, 1002 and 1003 are used; 1069 is not active.
    EXPECT_EQ(c.unlinkedItems, active - 3);
    EXPECT_TRUE(c.Text().contains(
        QStringLiteral("Unlinked active items of the inventory: %1 of %2\n").arg(active - 3).arg(active)));
    QStringList filed;
    for (const auto& i : c.inventoryRevenues) filed << i.revenueId + ' ' + QString::number(i.links);
    // The INV links filed under each inventory revenue code, the inactive item's included; the
    // procedure link under LB is no inventory link.
    EXPECT_EQ(filed, (QStringList{"CS 1", "ES 0", "HS 0", "LS 0", "NS 0", "OS 0", "PH 3"}));

    const QStringList csv = c.Csv().Text(csv::Flavour::Exact).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(csv.value(0), "Part,Name,Codes,LinkedCodes,Share,Links,UnlinkedItems,Withdrawn,Items");
    EXPECT_TRUE(csv.contains("Category,Therapeutics,3,1,33.3,3,,,"));
    EXPECT_TRUE(
        csv.contains(QStringLiteral("Inventory,Active items,,,,,%1,,%2").arg(active - 3).arg(active)));
    EXPECT_TRUE(csv.contains("Inventory,PH,,,,3,,,"));
    EXPECT_EQ(csv.size(), 1 + 4 + 4 + 1 + 7);
}

// The command line prints the same figures, and suggests from the same ranking.
TEST_F(CoverageFigures, CommandLineReportsCoverageAndSuggests) {
    // Withdrawn codes come from the files in the program's folder, as the command reads them.
    assist::Coverage c = assist::Coverage::Build(db.connection(), ReferenceList::Er());
    c.MarkWithdrawn(db.connection(), QFileInfo(QStringLiteral(ESOA_PROGRAM)).absolutePath());
    EXPECT_EQ(Run({"report", "coverage", "--list", "er"}, 0), c.Text());
    EXPECT_EQ(Run({"report", "coverage", "--list", "er", "--format", "csv"}, 0),
              c.Csv().Text(csv::Flavour::Exact));
    Run({"report", "coverage", "--list", "item"}, 1);  // no ESOA_ITEM table here
    Run({"report", "coverage", "--list", "er", "--format", "xml"}, 2);

    const QStringList top = Run({"suggest", "--list", "er", "--code", "A2", "--limit", "3"}, 0).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(top.size(), 3);
    const QStringList first = top.front().split('\t');
    ASSERT_EQ(first.size(), 8);
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[2], "1006");
    EXPECT_EQ(first[3], "Ibuprofen 400mg tablet");
    EXPECT_EQ(first[4], "Ibuprofen");
    EXPECT_EQ(first.mid(5), (QStringList{"INV", "PH", ""})) << "Therapeutics: inventory items";
    EXPECT_EQ(Run({"suggest", "--list", "er", "--code", "LB-X", "--revenue", "LB"}, 1), QString());
    EXPECT_EQ(Run({"suggest", "--list", "er", "--code", "A1", "--revenue", "NOSUCH"}, 1), QString());
    Run({"suggest", "--list", "er", "--code", "A1", "--limit", "0"}, 2);
}

}  // namespace
}  // namespace esoa::test

namespace esoa::test {
namespace {

// Codes the reference files no longer carry are counted per category; without the files they stay
// unknown, and the report says so.
TEST_F(CoverageFigures, WithdrawnCodesAreCountedFromTheReferenceFiles) {
    QTemporaryDir files;
    QFile er(QDir(files.path()).filePath(QStringLiteral("ESOA_ER.csv")));
    ASSERT_TRUE(er.open(QIODevice::WriteOnly));
    er.write("A1|Therapeutics|PARACETAMOL 500 mg tablet|2.50|per tablet\nA2|Therapeutics|IBUPROFEN|1|x\nB1||No category|1|x\n");
    er.close();
    assist::Coverage c = assist::Coverage::Build(db.connection(), *ReferenceList::Named("ESOA_ER"));
    c.MarkWithdrawn(db.connection(), files.path());
    ASSERT_TRUE(c.withdrawnKnown);
    QHash<QString, int> withdrawn;
    for (const auto& cat : c.categories) withdrawn.insert(cat.name.toLower(), cat.withdrawn);
    EXPECT_EQ(withdrawn.value("therapeutics"), 1);  // a3
    EXPECT_EQ(withdrawn.value("supplies"), 1);      // C1
    EXPECT_EQ(withdrawn.value("-"), 0);
    EXPECT_EQ(c.total.withdrawn, 2);
    EXPECT_TRUE(c.Text().contains(QLatin1String("Withdrawn")));

    c.MarkWithdrawn(db.connection(), files.path() + QStringLiteral("/none"));
    EXPECT_FALSE(c.withdrawnKnown);
    EXPECT_TRUE(c.Text().contains(QLatin1String("Withdrawn codes are not known")));
}

}  // namespace
}  // namespace esoa::test
