// Suggestions that look beyond the one exam table a category's route names: which tables are read for
// a category, and that each suggestion is filed under the source it came from, which the link write
// accepts.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/demo/DemoDatabase.h"
#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "core/suggest/SuggestSource.h"
#include "database/Connection.h"
#include "database/Databases.h"

namespace esoa::assist {
namespace {

class SuggestSources : public ::testing::Test {
protected:
    void SetUp() override {
        c = demo::OpenDemo(dir.path(), QStringLiteral(ESOA_REFERENCE_DIR));
        // A revenue whose exam table this database lacks: read around, never a failure.
        c->Execute(
            "INSERT INTO [Build_FIle].[dbo].[tbRevenues] (RevenueID, ExamTableName, IDFieldName, "
            "ExamFieldName) VALUES ('MR', 'tbcoMRIExam', 'MRIExamID', 'MRIExam')");
    }

    QTemporaryDir dir;
    std::unique_ptr<Connection> c;
};

// "table revenue section", "*" for rows filed under their own section; "inventory".
QStringList Described(const QList<CandidateSource>& sources) {
    QStringList out;
    for (const CandidateSource& s : sources)
        out << (s.inventory
                    ? QStringLiteral("inventory")
                    : QStringList{s.examTable, s.revenueId, s.sectionPerRow ? "*" : s.section}.join(' '));
    return out;
}

TEST_F(SuggestSources, ImagingCodesSearchEveryImagingTableAndCodesWithoutATableEveryExamTable) {
    const QStringList everyTable{"tbcoCTExam CT ",    "tbcoECGExam EC ",       "tbcoLabExam LB ",
                                 "tbcoMRIExam MR ",   "tbcoOtherRevenue OR *", "tbcoPTExam PT ",
                                 "tbcoUltraExam US ", "tbcoXRayExam XR "};
    const struct {
        const char* table;
        const char* category;
        QStringList expected;
    } cases[] = {
        {"ESOA_ER",
         "Imaging",
         {"tbcoCTExam CT ", "tbcoMRIExam MR ", "tbcoUltraExam US ", "tbcoXRayExam XR "}},
        {"ESOA_ER", "Laboratory", {"tbcoLabExam LB "}},
        {"ESOA_ER", "ED Service", {"tbcoOtherRevenue  ER"}},
        {"ESOA_ER", "Supplies", everyTable},
        {"ESOA_ER", "Therapeutics", {"inventory"}},
        {"ESOA_ITEM", "Rehabilitation", everyTable},
        {"ESOA_ITEM", "LaboratoryAndDiagnostic", everyTable},
        {"ESOA_ITEM", "OperatingRoomFees", {"tbcoOtherRevenue  OR"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.table, c.category).toStdString());
        const QList<CandidateSource> sources = CandidateSources(*this->c, c.table, c.category);
        EXPECT_EQ(Described(sources), c.expected);
        for (const CandidateSource& s : sources) EXPECT_EQ(s.linkTable, QString(c.table) + "_LINK");
    }
}

// The best suggestion among all the sources of a code's category comes with the InvOrProc, RevenueID
// and SectionID of its own table, and a link filed under them is accepted.
TEST_F(SuggestSources, EachSuggestionIsFiledUnderItsOwnSource) {
    const struct {
        const char* table;
        const char* category;
        const char* code;
        const char* description;
        const char* first;
        QStringList filed;  // InvOrProc, RevenueID, SectionID
    } cases[] = {
        {"ESOA_ER",
         "Imaging",
         "ERI-0019",
         "Whole Abdomen Ultrasound",
         "Whole Abdomen Ultrasound",
         {"PROC", "US", ""}},
        {"ESOA_ER", "Imaging", "ERI-0020", "CT Scan Head Plain", "CT Scan Head Plain", {"PROC", "CT", ""}},
        {"ESOA_ER", "Supplies", "ERP-0002", "Dressing Set", "Wound Dressing (ER)", {"PROC", "ER", "ER"}},
        {"ESOA_ITEM",
         "Rehabilitation",
         "RH-00703",
         "TENS",
         "TENS (transcutaneous electrical nerve stimulation)",
         {"PROC", "PT", ""}},
        {"ESOA_ITEM",
         "LaboratoryAndDiagnostic",
         "LD-00149",
         "12-Lead ECG",
         "12-Lead ECG",
         {"PROC", "EC", ""}},
        {"ESOA_ITEM",
         "Others",
         "OT-00602",
         "Nebulization per session",
         "Nebulization per session",
         {"PROC", "RT", "RT"}},
        {"ESOA_ER",
         "Therapeutics",
         "ERT-0002",
         "PARACETAMOL 500 mg tablet",
         "Paracetamol 500mg tablet",
         {"INV", "PH", ""}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.code);
        const SuggestIndex index(ReadCandidates(*c, CandidateSources(*c, k.table, k.category)));
        const QList<Suggestion> found = index.Suggest(k.description, 5);
        ASSERT_FALSE(found.isEmpty());
        const SuggestCandidate& best = index.candidate(found[0].candidate);
        EXPECT_EQ(best.itemName, k.first);
        EXPECT_GT(found[0].score, 0);
        EXPECT_EQ((QStringList{best.invOrProc, best.revenueId, best.sectionId}), k.filed);
        history::Action save(*c, {}, history::Kind::Save, *ReferenceList::Named(QLatin1String(k.table)));
        EXPECT_NO_THROW(SaveLink(save, {k.table, best.itemId, best.revenueId, best.itemName, best.invOrProc,
                                        k.code, best.sectionId, k.category, k.description, "1", "x"}));
    }
}

// A window's index is built once: a saved link shows beside its item without a rebuild, while an item
// another program adds (through its own connection) is found at the next suggestion.
TEST_F(SuggestSources, TheIndexIsKeptWhileTheItemsStayAndTheLinkedCodesFollowTheLinks) {
    CandidateSource inventory;
    inventory.linkTable = "ESOA_ER_LINK";
    SuggestCache cache;
    const SuggestIndex* first = &cache.IndexFor(*c, inventory);
    const auto best = [&](const QString& description) {
        const SuggestIndex& index = cache.IndexFor(*c, inventory);
        const QList<Suggestion> found = index.Suggest(description, 1);
        return found.isEmpty() ? SuggestCandidate{} : index.candidate(found[0].candidate);
    };
    const SuggestCandidate paracetamol = best("PARACETAMOL 500 mg tablet");
    EXPECT_EQ(&cache.IndexFor(*c, inventory), first) << "nothing changed";
    cache.Settle(*c);  // as the window does once the suggestion is shown
    history::Action save(*c, {}, history::Kind::Save, *ReferenceList::Named(QLatin1String("ESOA_ER")));
    SaveLink(save, {"ESOA_ER", paracetamol.itemId, "PH", paracetamol.itemName, "INV", "ERT-0002", "",
                    "Therapeutics", "PARACETAMOL 500 mg tablet", "2.50", "per tablet"});
    EXPECT_EQ(best("PARACETAMOL 500 mg tablet").linkedCode, "ERT-0002");
    EXPECT_EQ(&cache.IndexFor(*c, inventory), first) << "only the links changed";

    std::unique_ptr<Connection> other = OpenEmbedded(dir.path(), false);
    other->Execute(
        "INSERT INTO Inventory..tbInvMaster (ItemID, ItemName, itemstatus) VALUES (777777, "
        "'Zanamivir 5 mg inhalation powder', 0)");
    EXPECT_EQ(best("ZANAMIVIR 5 mg inhalation powder").itemId, "777777");

    // An index whose fingerprint was not taken yet is read again after any write, never trusted stale.
    SuggestCache unsettled;
    unsettled.IndexFor(*c, inventory);
    c->Execute("UPDATE Inventory..tbInvMaster SET itemstatus = 1 WHERE ItemID = 777777");
    const SuggestIndex& again = unsettled.IndexFor(*c, inventory);
    const QList<Suggestion> found = again.Suggest("ZANAMIVIR 5 mg inhalation powder", 1);
    EXPECT_TRUE(found.isEmpty() || again.candidate(found[0].candidate).itemId != "777777");
}

// The code shown beside an item is that of its link as the database matches item IDs: letter case,
// trailing blanks and letter width do not count; of two links of an item, the last read shows.
TEST_F(SuggestSources, AnItemShowsTheCodeOfItsLinkAsTheDatabaseMatchesItsId) {
    CandidateSource inventory;
    inventory.linkTable = "ESOA_ER_LINK";
    const auto codes = [&] {
        QHash<QString, QString> byItem;
        for (const SuggestCandidate& candidate : ReadCandidates(*c, inventory))
            if (!candidate.linkedCode.isEmpty()) byItem.insert(candidate.itemId, candidate.linkedCode);
        return byItem;
    };
    const auto link = [&](const QString& itemId, const QString& code) {
        c->Execute(QStringLiteral("INSERT INTO [Build_FIle].[dbo].[ESOA_ER_LINK] (Code, ItemID, InvOrProc, "
                                  "RevenueID) VALUES ('%1', '%2', 'INV', 'PH')")
                       .arg(code, itemId));
    };
    c->Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
    link("1001 ", "ERT-A");
    link("1005", "ERT-B");
    link("1005", "ERT-C");
    EXPECT_EQ(codes(), (QHash<QString, QString>{{"1001", "ERT-A"}, {"1005", "ERT-C"}}));
    link(QString::fromUtf8("\uff11\uff10\uff10\uff13"), "ERT-W");  // "1003" in full-width digits
    EXPECT_EQ(codes(), (QHash<QString, QString>{{"1001", "ERT-A"}, {"1003", "ERT-W"}, {"1005", "ERT-C"}}));
}

}  // namespace
}  // namespace esoa::assist
