// The review queue on the demo hospital: which codes a list's review holds, where each code's best
// candidate comes from, the table a link import loads back, and the write of accepted links.

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

#include "core/demo/DemoDatabase.h"
#include "core/history/HistoryLog.h"
#include "core/history/HistoryTables.h"
#include "core/history/Undo.h"
#include "core/links/LinkImport.h"
#include "core/review/AcceptedLinks.h"
#include "core/review/ReviewReport.h"
#include "database/Connection.h"

namespace esoa::assist {
namespace {

const history::Actor kReviewer{QStringLiteral("reviewer"), QStringLiteral("WS-1")};

class ReviewQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = demo::OpenDemo(dir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
        ASSERT_TRUE(history::Prepare(*c).recorded);
        // A code nothing in the hospital resembles, and one of a category no list names.
        c->Execute("INSERT INTO [Build_FIle].[dbo].[ESOA_ER] (Code, Category, Description) VALUES "
                   "('ZZ-0001', 'Therapeutics', N'Qwxzv')");
    }

    std::vector<ReviewRow> RankAll(const ReferenceList& list, const ReviewQueue::Filter& filter) {
        const std::unique_ptr<ReviewQueue> queue = ReviewQueue::Read(*c, list, filter);
        std::vector<ReviewRow> rows;
        for (qsizetype i = 0; i < queue->size(); ++i) rows.push_back(queue->Rank(i));
        return rows;
    }

    history::Action NewAction(history::Kind kind, const ReferenceList& list) {
        return history::Action(*c, kReviewer, kind, list);
    }

    QTemporaryDir dir;
    std::unique_ptr<Connection> c;
};

const ReviewRow* Find(const std::vector<ReviewRow>& rows, const QString& code) {
    for (const ReviewRow& row : rows)
        if (row.code.code == code) return &row;
    return nullptr;
}

// Unlinked codes by default, every code with includeLinked, one category (compared as the database
// compares) with a filter; each code ranked over its own category's sources and filed under its
// candidate's source, a code nothing resembles with no candidate and never confident.
TEST_F(ReviewQueueTest, HoldsTheCodesOfTheFilterEachRankedOverItsCategorysSources) {
    const struct {
        ReferenceList list;
        ReviewQueue::Filter filter;
        int codes;
        QStringList absent;
        const char* code;    // a code the review holds
        const char* itemId;  // its best candidate; empty: none
        QStringList filed;   // InvOrProc, RevenueID, SectionID of the candidate
    } cases[] = {
        {ReferenceList::Er(), {}, 126, {"ERT-0002"}, "ERI-0019", "", {"PROC", "US", ""}},
        {ReferenceList::Er(), {std::nullopt, true}, 127, {}, "ERT-0002", "1001", {"INV", "PH", ""}},
        {ReferenceList::Er(), {QString("imaging"), false}, 21, {"ERT-0001"}, "ERI-0020", "", {"PROC", "CT", ""}},
        {ReferenceList::Er(), {QString("Supplies"), false}, 6, {}, "ERP-0002", "27", {"PROC", "ER", "ER"}},
        {ReferenceList::Er(), {QString("Therapeutics"), false}, 43, {}, "ZZ-0001", "", {}},
        {ReferenceList::Item(), {QString("LaboratoryAndDiagnostic"), false}, 48, {"LD-00101", "LD-00103"}, "LD-00149",
         "", {"PROC", "EC", ""}},
        {ReferenceList::Item(), {QString("-"), false}, 0, {}, nullptr, "", {}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.list.table.toStdString() + " " + k.filter.category.value_or("*").toStdString());
        const std::vector<ReviewRow> rows = RankAll(k.list, k.filter);
        EXPECT_EQ(int(rows.size()), k.codes);
        for (const QString& code : k.absent) EXPECT_EQ(Find(rows, code), nullptr) << code.toStdString();
        for (const ReviewRow& row : rows) {
            if (k.filter.category) {
                EXPECT_EQ(row.code.values.category.toLower(), k.filter.category->toLower());
            }
            EXPECT_EQ(row.linked, k.filter.includeLinked && row.code.code == "ERT-0002");
        }
        if (!k.code) continue;
        const ReviewRow* row = Find(rows, k.code);
        ASSERT_NE(row, nullptr);
        if (k.filed.isEmpty()) {
            EXPECT_FALSE(row->best);
            EXPECT_FALSE(row->confident);
            const QStringList fields = ReviewFields(*row);
            EXPECT_EQ(fields.mid(2, 4), (QStringList{"", "", "", "no"}));
            continue;
        }
        ASSERT_TRUE(row->best);
        if (*k.itemId) {
            EXPECT_EQ(row->best->item.itemId, k.itemId);
        }
        EXPECT_EQ((QStringList{row->best->item.invOrProc, row->best->item.revenueId, row->best->item.sectionId}),
                  k.filed);
        if (row->runnerUp) {
            EXPECT_GE(row->best->score, row->runnerUp->score);
        }
    }

    // An exam table that tbRevenues names but the database lacks is named once; the others still serve.
    c->Execute("DROP TABLE [Build_FIle].[dbo].[tbcoXRayExam]");
    const auto queue = ReviewQueue::Read(*c, ReferenceList::Er(), {QString("Imaging"), false});
    ASSERT_EQ(queue->notes().size(), 1) << queue->notes().join('\n').toStdString();
    EXPECT_TRUE(queue->notes()[0].startsWith("tbcoXRayExam: ")) << queue->notes()[0].toStdString();
    ASSERT_EQ(queue->size(), 21);
    EXPECT_TRUE(queue->Rank(0).best);
}

// The CSV loads with the link import as it is: every row with a candidate is stored, filed where its
// item's source says; the rows refused are those without a candidate and those whose item an
// earlier row already takes.
TEST_F(ReviewQueueTest, TheCsvLoadsBackWithTheLinkImportAsItIs) {
    for (const ReferenceList& list : {ReferenceList::Er(), ReferenceList::Item()}) {
        SCOPED_TRACE(list.table.toStdString());
        const std::vector<ReviewRow> rows = RankAll(list, {});
        const QString text = ReviewCsv(rows).Text(csv::Flavour::Exact);
        EXPECT_TRUE(text.startsWith(
            "Code,Description,ItemID,ItemName,Score,Confident,InvOrProc,RevenueID,SectionID,"));
        history::Action action = NewAction(history::Kind::ImportLinks, list);
        const LinkImport::Result result = LinkImport::Run(action, csv::Parse(text), false);
        EXPECT_EQ(result.rows, int(rows.size()));
        QSet<QString> items;
        int expectedRefusals = 0;
        for (const ReviewRow& row : rows) {
            const bool again =
                row.best && items.contains(row.best->item.revenueId + '\n' + row.best->item.itemId);
            if (row.best) items.insert(row.best->item.revenueId + '\n' + row.best->item.itemId);
            expectedRefusals += !row.best || again ? 1 : 0;
        }
        for (const LinkImport::Refusal& r : result.refused)
            EXPECT_TRUE(r.reason == "no ItemID" || r.reason.startsWith("the same item and revenue"))
                << r.Text().toStdString();
        EXPECT_EQ(int(result.refused.size()), expectedRefusals);
        EXPECT_EQ(result.stored, int(rows.size()) - expectedRefusals);
    }
}

// Accepted links are written in one transaction: those that would move an item's link from another
// code, or that give one item to two codes, are left out and named; an item no longer in its
// source, or inactive there, fails the whole save and nothing is written.
TEST_F(ReviewQueueTest, AcceptedLinksAreWrittenAllOrNoneAndNeverMoveALink) {
    const auto code = [this](const QString& wanted) {
        for (const ReferenceRow& r : ReadReferenceRows(*c, ReferenceList::Er()))
            if (r.code == wanted) return r;
        ADD_FAILURE() << wanted.toStdString();
        return ReferenceRow{};
    };
    const auto inventory = [](const char* id) {
        SuggestCandidate item{id, QStringLiteral("Item %1").arg(id), {}, {}};
        item.invOrProc = "INV";
        item.revenueId = "PH";
        return item;
    };
    const ReferenceList er = ReferenceList::Er();
    history::Action first = NewAction(history::Kind::Review, er);
    ASSERT_EQ(WriteAcceptedLinks(first, {{code("ERT-0006"), inventory("1012")}}).written,
              std::vector<int>{0});
    const std::vector<AcceptedLink> accepted{
        {code("ERT-0003"), inventory("1006")},
        {code("ERT-0007"), inventory("1012")},  // linked to ERT-0006 already
        {code("ERT-0004"), inventory("1010")},
        {code("ERT-0005"), inventory("1010")},
        {code("ERT-0002"), inventory("1001")},  // its own link, written again
    };
    history::Action action = NewAction(history::Kind::Review, er);
    const AcceptedOutcome outcome = WriteAcceptedLinks(action, accepted);
    EXPECT_EQ(outcome.written, (std::vector<int>{0, 4}));
    ASSERT_EQ(outcome.leftOut.size(), 3) << outcome.leftOut.join('\n').toStdString();
    EXPECT_EQ(outcome.leftOut[0], "ERT-0007: item 1012 (Item 1012) is already linked to code ERT-0006");
    EXPECT_EQ(outcome.leftOut[1], "ERT-0004: item 1010 (Item 1010) is accepted for code ERT-0005 too");
    QStringList links;
    for (const LinkRow& l : ReadLinks(*c, er)) links << l.code + "=" + l.itemId + "/" + l.copies.description;
    EXPECT_EQ(links, (QStringList{"ERT-0002=1001/PARACETAMOL 500 mg tablet", "ERT-0006=1012/MORPHINE SULFATE 10 mg/mL ampule",
                                  "ERT-0003=1006/IBUPROFEN 400 mg tablet"}));

    // One action of the history, undone as a whole.
    ASSERT_TRUE(action.id());
    const auto recorded = history::ReadAction(*c, *action.id(), "NOLOCK");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded->kind, "review");
    EXPECT_EQ(recorded->rows.size(), 2u);
    history::Undo(*c, kReviewer, *action.id());
    EXPECT_EQ(ReadLinks(*c, er).size(), 2u) << "ERT-0002's own link and the first action's";

    // An item gone from its source, or set inactive there, since it was ranked fails the whole save.
    c->Execute("UPDATE [Inventory].[dbo].[tbInvMaster] SET itemstatus = 1 WHERE ItemID = 1013");
    const struct {
        const char* item;
        const char* refusal;
    } failures[] = {{"999999", "ERT-0005: Item 999999 is not a row of"},
                    {"1013", "ERT-0005: item 1013 is inactive in Inventory..tbInvMaster"}};
    for (const auto& f : failures) {
        history::Action failing = NewAction(history::Kind::Review, er);
        try {
            WriteAcceptedLinks(
                failing, {{code("ERT-0004"), inventory("1010")}, {code("ERT-0005"), inventory(f.item)}});
            ADD_FAILURE() << f.item << " is written";
        } catch (const ItemNotInSource& e) {
            EXPECT_TRUE(e.description().startsWith(f.refusal)) << e.what();
        }
        EXPECT_FALSE(failing.id());
    }
    EXPECT_EQ(ReadLinks(*c, er).size(), 2u);
}

}  // namespace
}  // namespace esoa::assist
