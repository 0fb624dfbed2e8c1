// One comparison decides whether two codes are the same wherever the program asks: the embedded
// database's "=", CodeKey, the import's known codes, the change report and the suggestions' links.

#include <gtest/gtest.h>

#include <QSet>

#include "core/reference/KnownCodes.h"
#include "core/suggest/SuggestSource.h"
#include "core/updates/ChangeReport.h"
#include "database/CodeKey.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

TEST(CodeKey, EveryUserJoinsExactlyTheCodesTheDatabaseJoins) {
    const QStringList codes{
        "abc",    "ABC",          "abc  ",  "abc\t", " abc",    "Peña", "PENA",    "PEÑA ", "pen\u0303a",
        "Éclair", "e\u0301clair", "eclair", "ß",     "SS",      "ẞ",    "ss ",     "æ",     "ae",
        "Straße", "STRASSE",      "i",      "I",     "İ",       "ı",    "i\u0307", "σ",     "ς",
        "Σ",      "ｆ1",          "F1",     "Ｆ1",   "ǆ",       "Ǆ",    "dž",      "k",     "\u212A",
        "ﬁ",      "fi",           "x\x01",  "x",     "x\u00AD", "x😀",   "x😁",      "Дом",   "ДОМ ",
        "O'Neil", "o'neil",       "a-b",    "ab",    "a b",     "",     "   "};
    test::TestDatabase db;
    db.Raw(
        "CREATE TABLE Build_FIle.t(i INTEGER, Code VARCHAR(50) COLLATE NOCASE);"
        "CREATE TABLE Build_FIle.ESOA_ER_LINK(ItemID VARCHAR(50) COLLATE NOCASE, Code VARCHAR(50), "
        "InvOrProc VARCHAR(5) COLLATE NOCASE);"
        "CREATE TABLE Inventory.tbForGeneric(GenericID INTEGER PRIMARY KEY, GenericName TEXT COLLATE NOCASE);"
        "CREATE TABLE Inventory.tbInvMaster(ItemID VARCHAR(50) COLLATE NOCASE, ItemName TEXT COLLATE NOCASE, "
        "ItemDesc TEXT, GenericID INTEGER, itemstatus INTEGER);");
    std::vector<ReferenceRow> rows;
    for (int i = 0; i < codes.size(); ++i) {
        db.sqlite().RunSqlite("INSERT INTO Build_FIle.t VALUES (?, ?)", {i, codes[i]});
        db.sqlite().RunSqlite("INSERT INTO Inventory.tbInvMaster VALUES (?, ?, '', NULL, 0)",
                              {codes[i], QString("item %1").arg(i)});
        rows.push_back({QString::number(i), codes[i], {"c", "d", "1", "u"}});
    }
    assist::CandidateSource inventory;
    inventory.linkTable = "ESOA_ER_LINK";

    for (int a = 0; a < codes.size(); ++a) {
        const QString& code = codes[a];
        SCOPED_TRACE(qPrintable(QString("code %1 \"%2\"").arg(a).arg(code)));
        QSet<int> same;
        for (const QStringList& r :
             db.sqlite().RunSqlite("SELECT i FROM Build_FIle.t WHERE Code = ?", {code}).rows)
            same.insert(r[0].toInt());
        ASSERT_TRUE(same.contains(a));

        KnownCodes exact(db.connection(), "t", KnownCodes::Matching::Exact);
        KnownCodes coarse(db.connection(), "t", KnownCodes::Matching::Coarse);
        exact.Add(exact.Find(code).key);
        coarse.Add(coarse.Find(code).key);
        for (int b = 0; b < codes.size(); ++b) {
            EXPECT_EQ(CodeKey(codes[b]) == CodeKey(code), same.contains(b)) << b;
            EXPECT_EQ(exact.Find(codes[b]).answer == KnownCodes::Answer::Present, same.contains(b)) << b;
            if (same.contains(b)) {
                EXPECT_NE(coarse.Find(codes[b]).answer, KnownCodes::Answer::Absent) << b;
            }
        }

        // A file line of the code: the rows the database joins to it are read, all others withdrawn.
        if (!code.trimmed().isEmpty()) {
            const ChangeReport report = ChangeReport::Compare(
                ReferenceList::Er(), std::vector<QStringList>{{code + "|c|d|1|u"}}, rows, {});
            QSet<int> withdrawn;
            for (const ChangeReport::Entry& e : report.entries) {
                EXPECT_EQ(e.kind, ChangeReport::Kind::Withdrawn);
                withdrawn.insert(e.rowId.toInt());
            }
            EXPECT_EQ(report.unchanged, same.size());
            EXPECT_EQ(withdrawn.size() + same.size(), codes.size());
            EXPECT_FALSE(withdrawn.intersects(same));
        }

        // A link to the item of that ID: the suggestions show it on the items the database joins.
        db.Raw("DELETE FROM Build_FIle.ESOA_ER_LINK");
        db.sqlite().RunSqlite("INSERT INTO Build_FIle.ESOA_ER_LINK VALUES (?, 'L', 'INV')", {code});
        QSet<int> linked;
        for (const assist::SuggestCandidate& c : assist::ReadCandidates(db.connection(), inventory)) {
            if (!c.linkedCode.isEmpty()) linked.insert(int(codes.indexOf(c.itemId)));
        }
        EXPECT_EQ(linked, same);
    }
}

}  // namespace
}  // namespace esoa
