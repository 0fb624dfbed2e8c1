#include <gtest/gtest.h>

#include <QProcess>
#include <random>

#include "WholeTableReports.h"
#include "core/demo/DemoDatabase.h"
#include "core/reference/ReferenceSchema.h"
#include "core/updates/LinkExport.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "support/TestDatabase.h"

namespace esoa::test {
namespace {

// The first line where two texts differ, for a readable failure.
void ExpectSameText(const QString& actual, const QString& expected) {
    const QStringList a = actual.split(QLatin1Char('\n')), e = expected.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i) {
        if (a[i] != e[i]) {
            ADD_FAILURE() << "line " << i + 1 << ":\n  " << a[i].toStdString() << "\nnot\n  " << e[i].toStdString();
            return;
        }
    }
    EXPECT_EQ(a.size(), e.size()) << "lines";
}

QString literal(const QString& v) { return v == QLatin1String("NULL") ? v : "'" + sql::Escaped(v) + "'"; }

// The demo hospital with reference rows, items and links drawn at random (with a fixed seed) from
// every spelling the comparisons of codes, item IDs, revenues, sections and sources meet: letter
// case, trailing and leading blanks, leading zeros, texts that are no number, withdrawn codes,
// duplicate codes, exam tables that are missing, not plain names, keyed by text, or cannot be read.
class ReportsReadWhatTheyNeed : public ::testing::Test {
protected:
    void Populate(int items, int codes, int links) {
        demo::Seed(db.connection());
        for (const char* table : {"ESOA_ER", "ESOA_ITEM"}) {
            for (const QString& statement : CreateTableStatements(QLatin1String(table))) {
                try {
                    db.connection().Execute(statement);
                } catch (const DbError&) {
                }
            }
        }
        db.Raw(QStringLiteral(
                   "INSERT INTO Build_FIle.tbRevenues (RevenueID, ExamTableName, IDFieldName, ExamFieldName) VALUES "
                   "('ZZ', 'tbcoGoneExam', 'GoneExamID', 'GoneExam'), ('BN', 'tbco Bad', 'BadID', 'Bad'),"
                   "('BC', 'tbcoPTExam', 'NoSuchID', 'PTExam'), ('lb2', 'TBCOLABEXAM', 'LabExamID', 'LabExam'),"
                   "('TX', 'tbcoTextExam', 'TextExamID', 'TextExam'), ('NE', '', NULL, NULL);"
                   "CREATE TABLE Build_FIle.tbcoTextExam (TextExamID VARCHAR(20) COLLATE NOCASE, "
                   "TextExam VARCHAR(50) COLLATE NOCASE, Status VARCHAR(1) COLLATE NOCASE);"
                   "INSERT INTO Build_FIle.tbcoTextExam VALUES ('T-1', 'Text one', 'A'), ('t-2', 'Text two', 'a '),"
                   "('T-3', 'Text three', 'I'), ('T-1', 'Text one again', 'A');"
                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                   "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, itemstatus) "
                   "SELECT 200000+i, 'Generated item ' || i, CASE WHEN i % 10 = 0 THEN 1 WHEN i % 17 = 0 THEN 2 ELSE 0 END "
                   "FROM n;")
                   .arg(items));
        std::mt19937 random(20240611);
        const auto pick = [&](const QStringList& from) { return from[int(random() % from.size())]; };
        const QStringList categories{"Lab", "lab", "Imaging", "", "NULL", " ", "Thérapie"};
        QString script = QStringLiteral("BEGIN;");
        for (const char* table : {"ESOA_ER", "ESOA_ITEM"}) {
            for (int k = 0; k < codes; ++k) {
                // Every seventh code comes again, in other letter case or with a trailing blank.
                const QString code = k % 7 == 6 ? pick({"c%1", "C%1 ", "C%1"}).arg(k - 1, 5, 10, QChar('0'))
                                                : QStringLiteral("C%1").arg(k, 5, 10, QChar('0'));
                script += QStringLiteral("INSERT INTO Build_FIle.%1 (Code, Category, Description, FixedFee, ChargingUnit) "
                                         "VALUES (%2, %3, 'Description %4', %5, 'per unit');")
                              .arg(QLatin1String(table), literal(code), literal(pick(categories)))
                              .arg(k)
                              .arg(k % 50 + 0.5);
            }
        }
        const QStringList itemForms{"%1", "%1 ", " %1", "0%1", "%1x", "99999999999", "", "NULL", "-5", "%1.0"};
        for (const char* table : {"ESOA_ER_LINK", "ESOA_ITEM_LINK"}) {
            for (int k = 0; k < links; ++k) {
                const int c = int(random() % (codes + codes / 10));
                const QString code = c >= codes ? QStringLiteral("GONE%1").arg(c)
                                                : pick({"C%1", "c%1", "C%1 ", "C%1"}).arg(c, 5, 10, QChar('0'));
                const QString invOrProc = pick({"INV", "INV", "INV", "inv", "INV ", "PROC", "PROC", "", "NULL"});
                const QString revenue = pick({"PH", "LB", "lb", "LB ", "XR", "OR", "ZZ", "BN", "TX", "lb2", "NE",
                                              "US", "CT", "", "NULL"});
                const QString section = pick({"NULL", "NULL", "", "OR", " ", "X"});
                QString item;
                if (revenue == QLatin1String("TX")) {
                    item = pick({"T-1", "t-1", "T-1 ", "T-2", "T-3", "T-9"});
                } else {
                    const int id = invOrProc.startsWith(QLatin1String("PROC"))
                                       ? 1 + int(random() % 60)
                                       : random() % 3 == 0 ? 1001 + int(random() % 80)
                                                           : 200000 + int(random() % (items + items / 10 + 1));
                    const QString form = pick(itemForms);
                    item = form.contains(QLatin1String("%1")) ? form.arg(id) : form;
                }
                const QString fee = pick({"NULL", QString::number(c % 50 + 0.5), "10", "10.00"});
                script += QStringLiteral("INSERT INTO Build_FIle.%1 (Code, Category, Description, FixedFee, ChargingUnit, "
                                         "ItemID, ItemDesc, InvOrProc, RevenueID, SectionID, SortOrder) VALUES "
                                         "(%2, %3, %4, %5, 'per unit', %6, 'Item, \"%7\"', %8, %9, %10, %11);")
                              .arg(QLatin1String(table), literal(code), literal(pick(categories)),
                                   literal(pick({QStringLiteral("Description %1").arg(c), "other", "NULL"})), fee,
                                   literal(item))
                              .arg(k)
                              .arg(literal(invOrProc), literal(revenue), literal(section),
                                   k % 5 == 0 ? QStringLiteral("NULL") : QString::number(k % 7));
            }
        }
        // Links of a revenue whose exam table cannot be read, which their source does not send there.
        script += QStringLiteral(
            "INSERT INTO Build_FIle.ESOA_ER_LINK (Code, ItemID, InvOrProc, RevenueID, SectionID) VALUES "
            "('C00001', '1001', 'INV', 'BC', NULL), ('C00002', '3', 'PROC', 'BC', 'OR');");
        db.Raw(script + QStringLiteral("COMMIT;"));
    }

    QString NewExport(const ReferenceList& list) {
        QString text;
        csv::Writer records([&text](const QString& piece) { text += piece; }, csv::Flavour::Exact);
        LinkExport::Write(db.connection(), list, records);
        records.Finish();
        return text;
    }

    // The program's standard output for a command on the database.
    QString Run(const QStringList& args) {
        QProcess program;
        program.start(QStringLiteral(ESOA_PROGRAM), QStringList(args) << "--connection" << "embedded:" + db.folder());
        EXPECT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        return QString::fromUtf8(program.readAllStandardOutput());
    }

    // Every report of the lists, as the reports that read whole tables gave them.
    void ExpectSameAsWholeTableReports(const std::vector<ReferenceList>& lists = {ReferenceList::Er(),
                                                                                  ReferenceList::Item()}) {
        for (const ReferenceList& list : lists) {
            SCOPED_TRACE(list.table.toStdString());
            const std::vector<StaleLink> whole = WholeTableStaleLinks(db.connection(), list);
            const std::vector<StaleLink> stale = StaleLinks::Check(db.connection(), list);
            ASSERT_GT(whole.size(), 10u);
            ExpectSameText(StaleLinks::Text(list, stale), StaleLinks::Text(list, whole));
            ExpectSameText(StaleLinks::Csv(stale).Text(csv::Flavour::Exact),
                           StaleLinks::Csv(whole).Text(csv::Flavour::Exact));
            ExpectSameText(NewExport(list), WholeTableLinkExport(db.connection(), list).Text(csv::Flavour::Exact));
            const assist::Coverage coverage = assist::Coverage::Build(db.connection(), list);
            const assist::Coverage wholeCoverage = WholeTableCoverage(db.connection(), list);
            ExpectSameText(coverage.Text(), wholeCoverage.Text());
            ExpectSameText(coverage.Csv().Text(csv::Flavour::Exact), wholeCoverage.Csv().Text(csv::Flavour::Exact));
        }
    }

    TestDatabase db;
};

TEST_F(ReportsReadWhatTheyNeed, GiveTheRowsTextsAndBytesOfTheWholeTableReports) {
    Populate(500, 300, 600);
    ExpectSameAsWholeTableReports();
    // The command line writes the same, as it reads.
    const ReferenceList er = ReferenceList::Er();
    const std::vector<StaleLink> whole = WholeTableStaleLinks(db.connection(), er);
    ExpectSameText(Run({"report", "stale", "--list", "er"}), StaleLinks::Text(er, whole));
    ExpectSameText(Run({"report", "stale", "--list", "er", "--format", "csv"}),
                   StaleLinks::Csv(whole).Text(csv::Flavour::Exact));
    ExpectSameText(Run({"export-links", "--list", "er"}),
                   WholeTableLinkExport(db.connection(), er).Text(csv::Flavour::Exact));
}

TEST_F(ReportsReadWhatTheyNeed, GiveTheSameOnALargerHospital) {
    Populate(40000, 3000, 15000);
    ExpectSameAsWholeTableReports();
}

// A table that cannot be read fails the stale check and the export only when a link's item is to be
// found there, as before.
TEST_F(ReportsReadWhatTheyNeed, FailWhereTheWholeTableReportsFailed) {
    Populate(50, 20, 40);
    db.Raw(QStringLiteral("INSERT INTO Build_FIle.ESOA_ER_LINK (Code, ItemID, InvOrProc, RevenueID, SectionID) "
                          "VALUES ('C00001', '3', 'PROC', 'BC', NULL)"));
    EXPECT_THROW(WholeTableStaleLinks(db.connection(), ReferenceList::Er()), DbError);
    EXPECT_THROW(StaleLinks::Check(db.connection(), ReferenceList::Er()), DbError);
    EXPECT_THROW(NewExport(ReferenceList::Er()), DbError);
    // Without tbRevenues, only a list whose links are all of the inventory can be checked.
    db.Raw(QStringLiteral("DROP TABLE Build_FIle.tbRevenues;"
                          "DELETE FROM Build_FIle.ESOA_ITEM_LINK WHERE InvOrProc IS NULL OR InvOrProc <> 'INV' COLLATE BINARY"));
    EXPECT_THROW(StaleLinks::Check(db.connection(), ReferenceList::Er()), DbError);
    ExpectSameAsWholeTableReports({ReferenceList::Item()});
}

}  // namespace
}  // namespace esoa::test
