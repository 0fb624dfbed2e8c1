// The review queue on the demo hospital: which codes a list's review holds, where each code's best
// candidate comes from, the table a link import loads back, and the write of accepted links.

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include "core/demo/DemoDatabase.h"
#include "core/review/AcceptedLinks.h"
#include "core/review/ReviewReport.h"
#include "database/Connection.h"

namespace esoa::assist {
namespace {

class ReviewQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = demo::OpenDemo(dir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
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

    int LinkCount(const QString& table) {
        return c->Read("SELECT COUNT(*) FROM [Build_FIle].[dbo].[" + table + "]", CursorType::ForwardOnly,
                       LockType::ReadOnly)
            .rows.front()
            .value(0)
            .toInt();
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
}

// The table's first columns are those a link import reads; every suggested row, loaded back by
// those columns alone, is a link the link write accepts (its item a row of the source it names).
TEST_F(ReviewQueueTest, TheTableLoadsBackIntoTheLinkTableByItsOwnColumns) {
    for (const ReferenceList& list : {ReferenceList::Er(), ReferenceList::Item()}) {
        SCOPED_TRACE(list.table.toStdString());
        const csv::Table table = ReviewCsv(RankAll(list, {}));
        const QStringList header = table.records().front();
        EXPECT_EQ(header.mid(0, 9), (QStringList{"Code", "Description", "ItemID", "ItemName", "Score", "Confident",
                                                 "InvOrProc", "RevenueID", "SectionID"}));
        EXPECT_TRUE(table.Text(csv::Flavour::Exact).startsWith("Code,Description,ItemID,"));
        QHash<QString, CodeValues> codes;
        for (const ReferenceRow& r : ReadReferenceRows(*c, list)) codes.insert(r.code, r.values);
        const auto column = [&header](const QStringList& record, const char* name) {
            return record.value(header.indexOf(QString::fromLatin1(name)));
        };
        const int before = LinkCount(list.linkTable());
        QSet<QString> linked, items;
        for (const LinkRow& l : ReadLinks(*c, list)) linked.insert(l.revenueId + '\n' + l.itemId);
        for (size_t r = 1; r < table.records().size(); ++r) {
            const QStringList& record = table.records()[r];
            ASSERT_EQ(record.size(), header.size());
            if (column(record, "ItemID").isEmpty()) continue;
            const CodeValues v = codes.value(column(record, "Code"));
            const QString revenue = column(record, "RevenueID"), item = column(record, "ItemID");
            EXPECT_NO_THROW(WriteLink(*c, {list.table, item, revenue, column(record, "ItemName"),
                                           column(record, "InvOrProc"), column(record, "Code"),
                                           column(record, "SectionID"), v.category, v.description, v.fixedFee,
                                           v.chargingUnit}))
                << record.join(',').toStdString();
            items.insert(revenue + '\n' + item);
        }
        // A hospital item suggested for two codes keeps one link: the last one written.
        EXPECT_EQ(LinkCount(list.linkTable()), before + (items - linked).size());
    }
}

// Accepted links are written in one transaction: those that would move an item's link from another
// code, or that give one item to two codes, are left out and named; an item no longer in its source
// fails the whole save and nothing is written.
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
    ASSERT_EQ(WriteAcceptedLinks(*c, er, {{code("ERT-0006"), inventory("1012")}}).written, std::vector<int>{0});
    const std::vector<AcceptedLink> accepted{
        {code("ERT-0003"), inventory("1006")},
        {code("ERT-0007"), inventory("1012")},  // linked to ERT-0006 already
        {code("ERT-0004"), inventory("1010")},
        {code("ERT-0005"), inventory("1010")},
        {code("ERT-0002"), inventory("1001")},  // its own link, written again
    };
    const AcceptedOutcome outcome = WriteAcceptedLinks(*c, er, accepted);
    EXPECT_EQ(outcome.written, (std::vector<int>{0, 4}));
    ASSERT_EQ(outcome.leftOut.size(), 3) << outcome.leftOut.join('\n').toStdString();
    EXPECT_EQ(outcome.leftOut[0], "ERT-0007: item 1012 (Item 1012) is already linked to code ERT-0006");
    EXPECT_EQ(outcome.leftOut[1], "ERT-0004: item 1010 (Item 1010) is accepted for code ERT-0005 too");
    QStringList links;
    for (const LinkRow& l : ReadLinks(*c, er)) links << l.code + "=" + l.itemId + "/" + l.copies.description;
    EXPECT_EQ(links, (QStringList{"ERT-0002=1001/PARACETAMOL 500 mg tablet", "ERT-0006=1012/MORPHINE SULFATE 10 mg/mL ampule",
                                  "ERT-0003=1006/IBUPROFEN 400 mg tablet"}));

    EXPECT_THROW(WriteAcceptedLinks(*c, er, {{code("ERT-0004"), inventory("1010")}, {code("ERT-0005"), inventory("999999")}}),
                 ItemNotInSource);
    EXPECT_EQ(ReadLinks(*c, er).size(), 3u);
}

}  // namespace
}  // namespace esoa::assist
