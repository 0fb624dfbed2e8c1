#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/demo/DemoDatabase.h"
#include "core/history/Action.h"
#include "database/SqlText.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"
#include "support/TestDatabase.h"
#include "core/updates/ApplyChanges.h"
#include "core/updates/ChangeReport.h"
#include "core/files/Csv.h"
#include "core/updates/LinkExport.h"
#include "core/updates/StaleLinks.h"

namespace esoa::test {
namespace {

// An RFC 4180 reader, written from the RFC alone, to read back what the program writes.
std::vector<QStringList> ParseCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false, any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"') field += text[++i];
            else quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
        any = true;
    }
    if (any && (!field.isEmpty() || !record.isEmpty())) records.push_back(record << field);
    return records;
}

QString Quoted(const QString& v) { return QStringLiteral("'") + sql::Escaped(v) + QStringLiteral("'"); }

// The demo hospital with empty reference and link tables, filled as a test needs.
class ListUpdates : public ::testing::Test {
protected:
    void SetUp() override {
        demo::Seed(db.connection());
        for (const char* table : {"ESOA_ITEM", "ESOA_ER"}) {
            for (const QString& statement : CreateTableStatements(QLatin1String(table))) {
                try {
                    db.connection().Execute(statement);
                } catch (const std::exception&) {
                }
            }
        }
    }
    void Import(const QString& table, const QString& name, const QStringList& lines) {
        const ImportSummary s = ImportRun(db.connection(), table).ImportLines(lines, name, name + ".csv");
        ASSERT_TRUE(s.finished() && s.refused.empty()) << s.Message(5).toStdString();
    }
    // code, category, description, fee ("" for NULL), unit, item, InvOrProc, revenue, section
    void Link(const QString& table, const QStringList& v) {
        db.connection().Execute(
            QStringLiteral("INSERT INTO [Build_FIle].[dbo].[%1] (Code, Category, Description, FixedFee, ChargingUnit, "
                           "ItemID, ItemDesc, InvOrProc, RevenueID, SectionID) VALUES (%2, %3, %4, %5, %6, %7, %8, %9, "
                           "%10, %11)")
                .arg(table, Quoted(v[0]), Quoted(v[1]), Quoted(v[2]), v[3].isEmpty() ? "NULL" : v[3], Quoted(v[4]),
                     Quoted(v[5]), Quoted("Item " + v[5]), Quoted(v[6]), Quoted(v[7]))
                .arg(Quoted(v.value(8))));
    }
    QStringList Rows(const QString& statement) {
        QStringList out;
        for (const QStringList& r : db.connection().Read(statement, CursorType::ForwardOnly, LockType::ReadOnly).rows)
            out << r.join('|');
        return out;
    }
    QStringList ErRows() { return Rows("SELECT Code,Category,Description,FixedFee,ChargingUnit FROM Build_FIle..ESOA_ER ORDER BY ID"); }
    QStringList ErLinks() { return Rows("SELECT Code,Category,Description,FixedFee,ChargingUnit FROM Build_FIle..ESOA_ER_LINK ORDER BY ID"); }

    // A first ER list with links on kept, changed and withdrawn codes, and its second version.
    void FirstErVersion() {
        Import("ESOA_ER", "ESOA_ER",
               {"A|Lab|Alpha|10|per test", "B|Lab|Beta|20|per test", "C|Img|Gamma|30|per film", "D|Img|Delta|40|each"});
        Link("ESOA_ER_LINK", {"A", "Lab", "Alpha", "10", "per test", "1", "PROC", "LB"});
        Link("ESOA_ER_LINK", {"B", "Lab", "Beta", "20", "per test", "2", "PROC", "LB"});
        Link("ESOA_ER_LINK", {"b ", "Lab", "Beta", "20", "per test", "1001", "INV", "PH"});
        Link("ESOA_ER_LINK", {"D", "Img", "Delta", "40", "each", "3", "PROC", "XR"});
    }
    const QStringList secondEr{
        "a  |Lab|Alpha|10.00|per test",       // same code as the database compares, same values
        "B|Lab|Beta, \"new\"|25|per test",    // description and fee changed
        "B|Lab|ignored repeat|99|x",          // a later line of a code counts for nothing
        "C|Img|Gamma|$30.0000|per film",      // the same amount written otherwise
        "E|Lab|Epsilon|5|per test",           // new
        "F|Lab|Bad fee|abc|each",             // refused as the import refuses it
    };

    TestDatabase db;
};

TEST_F(ListUpdates, ASecondListVersionIsReportedAndAppliedWithAndWithoutTheLinks) {
    FirstErVersion();
    const ChangeReport report = ChangeReport::Compare(ReferenceList::Er(), {secondEr},
                                                      ReadReferenceRows(db.connection(), ReferenceList::Er()),
                                                      ReadLinks(db.connection(), ReferenceList::Er()));
    QStringList seen;
    for (const ChangeReport::Entry& e : report.entries)
        seen << QStringLiteral("%1 %2 line %3 [%4] links %5").arg(KindName(e.kind), e.code).arg(e.line).arg(e.changed.join(',')).arg(e.links.size());
    EXPECT_EQ(seen, (QStringList{"new E line 5 [] links 0", "changed B line 2 [Description,FixedFee] links 2",
                                 "withdrawn D line 0 [] links 1"}));
    EXPECT_EQ(report.unchanged, 2);
    ASSERT_EQ(report.files.size(), 1u);
    ASSERT_EQ(report.files[0].refused.size(), 1u);
    EXPECT_EQ(report.files[0].refused[0].line, 6);
    EXPECT_EQ(report.Summary(), "ESOA_ER: 1 new code, 1 changed (2 links), 1 withdrawn (1 link), 2 unchanged, 1 refused line.");
    EXPECT_TRUE(report.Text().contains("    FixedFee: \"20\" -> \"25\""));
    // Apply's confirmation gives each change with its old and new value, as the report's text does.
    const QStringList plan = ApplyChanges::Plan(report, true).split('\n');
    ASSERT_EQ(plan.size(), 5);
    EXPECT_EQ(plan.mid(0, 3), (QStringList{"B (row " + report.entries[1].rowId + "):",
                                           "    Description: \"Beta\" -> \"Beta, \"new\"\"",
                                           "    FixedFee: \"20\" -> \"25\""}));
    EXPECT_TRUE(plan[3].startsWith("    link ") && plan[4].startsWith("    link "))
        << plan.join('\n').toStdString();
    EXPECT_EQ(ApplyChanges::Plan(report, false).split('\n').size(), 3);

    const QStringList before = ErRows();
    for (const bool alsoLinks : {false, true}) {
        SCOPED_TRACE(alsoLinks);
        db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
        db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER]");
        FirstErVersion();
        // The same rows again, under the IDs they have now.
        const ChangeReport fresh = ChangeReport::Compare(ReferenceList::Er(), {secondEr}, ReadReferenceRows(db.connection(), ReferenceList::Er()),
                                      ReadLinks(db.connection(), ReferenceList::Er()));
        db.sent.clear();
        history::Action apply(db.connection(), {}, history::Kind::ApplyChanges, ReferenceList::Er());
        const ApplyChanges::Result result = ApplyChanges::Apply(apply, fresh, alsoLinks);
        EXPECT_EQ(result.rows, 1);
        EXPECT_EQ(result.links, alsoLinks ? 2 : 0);
        QStringList expected = before;
        expected[1] = "B|Lab|Beta, \"new\"|25|per test";
        EXPECT_EQ(ErRows(), expected) << "new codes are not added, withdrawn ones not deleted";
        const QString changedLink = alsoLinks ? "|Lab|Beta, \"new\"|25|per test" : "|Lab|Beta|20|per test";
        EXPECT_EQ(ErLinks(), (QStringList{"A|Lab|Alpha|10|per test", "B" + changedLink, "b " + changedLink,
                                          "D|Img|Delta|40|each"}));
        const QString id = fresh.entries[1].rowId;
        EXPECT_TRUE(db.sent.contains("UPDATE [Build_FIle].[dbo].[ESOA_ER] SET Category=N'Lab', Description=N'Beta, "
                                     "\"new\"', FixedFee=25, ChargingUnit=N'per test' WHERE ID=" + id))
            << db.sent.join('\n').toStdString();
    }
}

TEST_F(ListUpdates, ItemListsCompareCategoryAndDescriptionOnlyWithMedicinesUnderMedicine) {
    Import("ESOA_ITEM", "ESOA_ITEM", {"I1|Supplies|Gauze", "M1|Drug|Paracetamol"});
    db.connection().Execute("UPDATE [Build_FIle].[dbo].[ESOA_ITEM] SET Category=N'Medicine' WHERE Code='M1'");
    Link("ESOA_ITEM_LINK", {"M1", "Medicine", "Paracetamol", "", "", "1001", "INV", "PH"});
    const ChangeReport report =
        ChangeReport::Compare(ReferenceList::Item(), {{"I1|Supplies|Gauze, sterile|9|x"}, {"M1|Anything|Paracetamol 500", "I1|x|y"}},
                              ReadReferenceRows(db.connection(), ReferenceList::Item()),
                              ReadLinks(db.connection(), ReferenceList::Item()));
    ASSERT_EQ(report.entries.size(), 2u);
    EXPECT_EQ(report.entries[0].changed, QStringList{"Description"}) << "fee and unit are not in the item files";
    EXPECT_EQ(report.entries[1].code, "M1");
    EXPECT_EQ(report.entries[1].changed, QStringList{"Description"}) << "the medicine file's category is Medicine";
    EXPECT_EQ(report.entries[1].file, "ESOA_MEDICINE.csv");
    history::Action apply(db.connection(), {}, history::Kind::ApplyChanges, ReferenceList::Item());
    ApplyChanges::Apply(apply, report, true);
    EXPECT_EQ(Rows("SELECT Code,Category,Description,FixedFee FROM Build_FIle..ESOA_ITEM ORDER BY ID"),
              (QStringList{"I1|Supplies|Gauze, sterile|", "M1|Medicine|Paracetamol 500|"}));
    EXPECT_EQ(Rows("SELECT Category,Description FROM Build_FIle..ESOA_ITEM_LINK"), QStringList{"Medicine|Paracetamol 500"});
}

// Codes and texts holding placeholders such as "%1" read as written, in the report and in the import's
// summary alike.
TEST_F(ListUpdates, PercentSignsInCodesAndTextsReadAsWritten) {
    Import("ESOA_ITEM", "ESOA_ITEM", {"LAB-%1|Lab|Old %2"});
    const QStringList items{"LAB-%1|Lab|New %3", "X-%2|%1|A %1"}, medicines{"x-%2|y|B %2"};
    const ChangeReport report =
        ChangeReport::Compare(ReferenceList::Item(), {items, medicines},
                              ReadReferenceRows(db.connection(), ReferenceList::Item()), {});
    const QString conflict =
        "code \"x-%2\" is also in ESOA_ITEM.csv line 2 with another description: \"A %1\" there is kept, "
        "\"B %2\" of ESOA_MEDICINE.csv line 1 is not stored";
    const QString text = report.Text();
    for (const QString& part : {QString("  LAB-%1 (row 1, ESOA_ITEM.csv line 1):"),
                                QString("    Description: \"Old %2\" -> \"New %3\""),
                                QString("  ESOA_ITEM.csv line 2: X-%2 | %1 | A %1"), "  " + conflict}) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " not in:\n" << text.toStdString();
    }
    FirstLines first;
    ImportRun run(db.connection(), "ESOA_ITEM");
    run.setFirstLines(first);
    run.ImportLines(items, "ESOA_ITEM", "ESOA_ITEM.csv");
    const ImportSummary summary = run.ImportLines(medicines, "ESOA_MEDICINE", "ESOA_MEDICINE.csv");
    EXPECT_TRUE(summary.Message(5).endsWith("\nline 1: " + conflict)) << summary.Message(5).toStdString();
}

TEST_F(ListUpdates, AnApplyThatFailsHalfWayWritesNothing) {
    FirstErVersion();
    const ChangeReport report = ChangeReport::Compare(ReferenceList::Er(), {secondEr},
                                                      ReadReferenceRows(db.connection(), ReferenceList::Er()),
                                                      ReadLinks(db.connection(), ReferenceList::Er()));
    const QStringList before = ErRows();
    db.connection().Execute("DROP TABLE [Build_FIle].[dbo].[ESOA_ER_LINK]");
    history::Action apply(db.connection(), {}, history::Kind::ApplyChanges, ReferenceList::Er());
    EXPECT_THROW(ApplyChanges::Apply(apply, report, true), DbError);
    EXPECT_EQ(ErRows(), before);
    EXPECT_FALSE(db.connection().inTransaction());
}

TEST_F(ListUpdates, StaleLinksAreFoundWithTheirReasonsAndRefreshedFromTheirReferenceRows) {
    Import("ESOA_ER", "ESOA_ER", {"A|Lab|Alpha|10|per test"});
    const struct {
        QStringList link;  // code, category, description, fee, unit, item, InvOrProc, revenue, section
        QString reasons;   // empty: not stale
    } cases[] = {
        {{"A", "Lab", "Alpha", "10.0", "per test", "1001", "INV", "PH"}, ""},
        {{"a ", "Lab", "Alpha", "12", "per test", "1001", "INV", "PH"}, "copies differ from the reference row (FixedFee)"},
        {{"A", "lab", "Alpha", "10", "per Test", "1", "PROC", "LB"}, "copies differ from the reference row (Category, ChargingUnit)"},
        {{"Z", "Lab", "Alpha", "10", "per test", "1", "PROC", "LB"}, "code no longer in the reference table"},
        {{"A", "Lab", "Alpha", "10", "per test", "999999", "INV", "PH"}, "hospital item no longer exists in Inventory..tbInvMaster"},
        {{"A", "Lab", "Alpha", "10", "per test", "1069", "INV", "PH"}, "hospital item is inactive in Inventory..tbInvMaster"},
        {{"A", "Lab", "Alpha", "10", "per test", "11", "PROC", "LB"}, "hospital item is inactive in tbcoLabExam"},
        {{"A", "Lab", "Alpha", "10", "per test", "1", "PROC", "", "OR"}, ""},
        {{"A", "Lab", "Alpha", "10", "per test", "11", "PROC", "", "OR"}, "hospital item is inactive in tbcoOtherRevenue"},
        {{"A", "Lab", "Alpha", "10", "per test", "999", "PROC", "ZZ"}, "hospital item no longer exists in tbcoOtherRevenue"},
        {{"Z", "Lab", "Alpha", "9", "per test", "998", "PROC", "XR"},
         "code no longer in the reference table; hospital item no longer exists in tbcoXRayExam"},
    };
    for (const auto& c : cases) Link("ESOA_ER_LINK", c.link);
    const std::vector<StaleLink> stale = StaleLinks::Check(db.connection(), ReferenceList::Er());
    size_t next = 0;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QString id = QString::number(i + 1);
        const bool isStale = next < stale.size() && stale[next].link.id == id;
        EXPECT_EQ(isStale ? stale[next++].ReasonText() : QString(), cases[i].reasons) << "link " << i + 1;
    }
    EXPECT_EQ(next, stale.size());

    history::Action refresh(db.connection(), {}, history::Kind::Refresh, ReferenceList::Er());
    EXPECT_EQ(StaleLinks::Refresh(refresh, stale), 7) << "links without a code are skipped";
    const QStringList links = ErLinks();
    EXPECT_EQ(links.count("A|Lab|Alpha|10|per test") + links.count("a |Lab|Alpha|10|per test"), 9);
}

TEST_F(ListUpdates, ExportAndReportReadBackAsCsvWithTheirAwkwardTexts) {
    Import("ESOA_ER", "ESOA_ER", {"Q\"1|Lab|Comma, \"quote\" and ñ|10|per test"});
    const QString awkward = QStringLiteral("Line one\r\nline two, \"quoted\" \u00D1 \u20B1");
    Link("ESOA_ER_LINK", {"Q\"1", "Lab", awkward, "10", " padded ", "1001", "INV", "PH"});
    Link("ESOA_ER_LINK", {"Q\"1", "Lab", "x", "", "", "424242", "INV", "PH"});
    QTemporaryDir dir;
    const QString path = dir.filePath("links.csv");
    int count = 0;
    csv::Save(path, csv::Flavour::Exact,
              [&](csv::Writer& records) { count = LinkExport::Write(db.connection(), ReferenceList::Er(), records); });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    const std::vector<QStringList> records = ParseCsv(QString::fromUtf8(bytes));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(records[0], LinkExport::Header());
    EXPECT_EQ(records[1], (QStringList{"1", "Q\"1", "Lab", awkward, "10", " padded ", "1001", "Item 1001", "INV", "PH", "",
                                       "", "Paracetamol 500mg tablet"}));
    EXPECT_EQ(records[2].last(), "") << "a hospital item that is gone has no current name";

    const ChangeReport report = ChangeReport::Compare(
        ReferenceList::Er(), std::vector<QStringList>{{"q\"1|Lab|" + awkward + "|11|per test"}},
        ReadReferenceRows(db.connection(), ReferenceList::Er()),
        ReadLinks(db.connection(), ReferenceList::Er()));
    const std::vector<QStringList> parsed = ParseCsv(report.Csv().Text(csv::Flavour::Exact));
    ASSERT_EQ(parsed.size(), 4u) << "header, the changed code, its two links";
    EXPECT_EQ(parsed[0], ChangeReport::CsvHeader());
    for (const QStringList& r : parsed) EXPECT_EQ(r.size(), parsed[0].size());
    EXPECT_EQ(parsed[1].mid(4, 6), (QStringList{"q\"1", "Description FixedFee", "Lab", "Lab",
                                                QStringLiteral("Comma, \"quote\" and \u00F1"), awkward}));
    EXPECT_EQ(parsed[3][15], "2");
}

}  // namespace
}  // namespace esoa::test
