// The item search narrowed by the name and generic indexes gives exactly the rows, in exactly the
// order, of the walk in name order, for names and texts in every alphabet and letter case.

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>

#include "database/sqlite/InventoryNameIndex.h"
#include "database/SqlText.h"
#include "database/sqlite/SqliteConnection.h"
#include "database/tsql/TsqlToSqlite.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

// The inventory search exactly as the window sends it, and its filters.
QString Search(const QString& desc, const QString& generic) {
    QString statement = " SELECT TOP 500 A.ItemID ,A.ItemName,A.ItemDesc,B.GenericName    FROM Inventory..tbInvMaster A  "
                        "WITH (NOLOCK)    LEFT OUTER JOIN inventory..tbForGeneric B ON a.GenericID=b.GenericID  WHERE  "
                        "a.itemstatus = 0 ";
    if (!desc.isEmpty()) statement += " AND ItemName like '%" + sql::Escaped(desc) + "%'  ";
    if (!generic.isEmpty()) statement += " AND GenericName like '%" + sql::Escaped(generic) + "%'  ";
    return statement + " order by a.ItemName";
}
ItemFilters Filters(const QString& desc, const QString& generic) {
    return {desc.isEmpty() ? QString() : "%" + desc + "%",
            generic.isEmpty() ? QString() : "%" + generic + "%"};
}

SqliteConnection::Options Narrowing(int fewItems, int someItems, int walkMicroseconds) {
    SqliteConnection::Options o;
    o.narrowing.fewItems = fewItems;
    o.narrowing.someItems = someItems;
    o.narrowing.walkMicroseconds = walkMicroseconds;
    return o;
}

class InventoryNameIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Raw(
            "CREATE TABLE Inventory.tbForGeneric(GenericID INTEGER PRIMARY KEY, GenericName VARCHAR(150) COLLATE "
            "NOCASE);"
            "CREATE TABLE Inventory.tbInvMaster(ItemID INTEGER PRIMARY KEY, ItemName VARCHAR(150) COLLATE NOCASE, "
            "ItemDesc VARCHAR(250), GenericID INTEGER, itemstatus INTEGER NOT NULL DEFAULT 0);"
            "INSERT INTO Inventory.tbForGeneric VALUES (1, 'Amoxicillin'), (2, 'Ketorolac'), (3, 'Σοφία'), "
            "(4, NULL);");
        const struct {
            int id;
            const char* name;  // nullptr: NULL
            int generic;
            int status;
        } items[] = {
            {40, "Amoxicillin 500 mg Capsule", 1, 0}, {7, "AMOXICILLIN 500MG CAPſULE", 1, 0},
            {23, "amoxicillin", 1, 0},                {24, "Amoxicillin  ", 1, 0},
            {25, "AMOXICILLIN", 1, 1},                {3, "\u212Aetorolac 30mg/mL", 2, 0},
            {4, "KETOROLAC tromethamine", 2, 0},      {5, "ΣΟΦΙΑΣ syrup", 3, 0},
            {6, "σοφιας drops", 3, 0},                {8, "σοφιά", 3, 0},
            {9, "Straße", 0, 0},                      {10, "STRAẞE", 0, 0},
            {11, "Strasse", 0, 0},                    {12, "Peña", 0, 0},
            {13, "PEÑA", 0, 0},                       {14, "Pena", 0, 0},
            {15, "Éclair", 0, 0},                     {16, "eclair", 0, 0},
            {17, "İstanbul", 0, 0},                   {18, "ıstanbul", 0, 0},
            {19, "istanbul", 0, 0},                   {20, "ᎠᎡᎢ tablet", 0, 0},
            {21, "ꭰꭱꭲ tablet", 0, 0},                 {22, "𐐀𐐁𐐂 vial", 0, 0},
            {26, "𐐨𐐩𐐪 vial", 0, 0},                   {27, "Vitamin \"D\" 1000'IU", 0, 0},
            {28, "50% Dextrose", 0, 0},               {29, "50 Dextrose", 0, 0},
            {30, "Under_score", 0, 0},                {31, "Underscore", 0, 0},
            {32, "[bracket] item", 0, 0},             {33, "IV", 0, 0},
            {34, "", 0, 0},                           {35, nullptr, 0, 0},
            {36, "Cafe\u0301 au lait", 0, 0},         {37, "Café au lait", 0, 0},
            {38, "Paracetamol", 0, 0},                {39, "paracetamol", 0, 0},
        };
        for (const auto& i : items) {
            db.sqlite().RunSqlite("INSERT INTO Inventory.tbInvMaster VALUES (?, ?, 'x', ?, ?)",
                                  {i.id, i.name ? QVariant(QString::fromUtf8(i.name)) : QVariant(),
                                   i.generic ? QVariant(i.generic) : QVariant(), i.status});
        }
    }

    std::vector<QStringList> Rows(Connection& c, const QString& desc, const QString& generic) {
        return c
            .Read(Search(desc, generic), CursorType::Dynamic, LockType::Optimistic, Filters(desc, generic))
            .rows;
    }

    test::TestDatabase db;
};

TEST_F(InventoryNameIndexTest, NarrowedSearchesGiveTheRowsAndOrderOfTheWalk) {
    // The walk alone, the narrowing as configured, and a narrowing whose walk always gives up.
    SqliteConnection walk(db.folder(), Narrowing(-1, -1, 0));
    SqliteConnection interrupted(db.folder(), Narrowing(0, 1000, 0));
    const struct {
        const char* desc;
        const char* generic;
        int rows;  // -1: only compared
    } cases[] = {
        {"amox", "", 4},          {"AMOXICILLIN", "", 4},  {"cillin 500", "", 2},   {"capsule", "", 2},
        {"ketorolac", "", 2},     {"KETOROLAC", "", 2},    {"σοφια", "", 2},        {"ΣΟΦΙΑΣ", "", 2},
        {"straße", "", 2},        {"STRASSE", "", 1},      {"peña", "", 2},         {"pena", "", 1},
        {"ECLAIR", "", 1},        {"istanbul", "", 1},     {"İstanbul", "", 1},     {"ꭰꭱꭲ", "", 2},
        {"𐐨𐐩𐐪", "", 2},            {"\"d\" 1000'", "", 1},  {"50%", "", 4},          {"50[%]", "", 1},
        {"under_", "", 2},        {"[bracket]", "", -1},    {"[[]bracket]", "", 1},  {"%", "", -1},
        {"_", "", -1},            {"iv", "", 1},           {"café", "", 1},         {"cafe\u0301", "", 1},
        {"zzzzz", "", 0},         {"500 mg capsule", "", 1}, {"", "amox", 4},       {"", "KETOROLAC", 2},
        {"", "σοφία", 3},         {"", "nothing", 0},      {"tablet", "ketorolac", 0}, {"cap", "amox", 2},
        {"paracetamol", "", 2},   {"", "", -1},
    };
    for (const auto& c : cases) {
        const QString desc = QString::fromUtf8(c.desc);
        const QString generic = QString::fromUtf8(c.generic);
        const auto expected = Rows(walk, desc, generic);
        if (c.rows >= 0) {
            EXPECT_EQ(int(expected.size()), c.rows) << c.desc << " / " << c.generic;
        }
        EXPECT_EQ(Rows(db.connection(), desc, generic), expected) << c.desc << " / " << c.generic;
        EXPECT_EQ(Rows(interrupted, desc, generic), expected) << c.desc << " / " << c.generic;
    }

    // Each way of narrowing, read on its own, gives the walk's rows; a name filter of fewer than
    // three characters in a row has no way.
    const auto ways = sql::ItemFilterRestrictions(Filters("cap", "amox"));
    ASSERT_EQ(ways.size(), 2u);
    for (const auto& way : ways) {
        const QString narrowed = sql::TranslateToSqlite(Search("cap", "amox"), way.items);
        EXPECT_EQ(db.sqlite().RunSqlite(narrowed).rows, Rows(walk, "cap", "amox")) << qPrintable(narrowed);
    }
    EXPECT_TRUE(sql::ItemFilterRestrictions(Filters("c%p", "")).empty());

    // Items of the same name come in the order of their row ids, whichever way they are read.
    const auto same = Rows(db.connection(), "amoxicillin", "");
    ASSERT_EQ(same.size(), 4u);
    EXPECT_EQ((QStringList{same[0][0], same[1][0]}), (QStringList{"23", "24"}));
}

TEST_F(InventoryNameIndexTest, TheIndexFollowsEveryChangeOfTheItemsAndIsUsed) {
    SqliteConnection walk(db.folder(), Narrowing(-1, -1, 0));
    const auto same = [&](const char* desc) {
        EXPECT_EQ(Rows(db.connection(), desc, ""), Rows(walk, desc, "")) << desc;
        return Rows(walk, desc, "").size();
    };
    db.Raw("UPDATE Inventory.tbInvMaster SET ItemName = 'Cefalexin 250 mg' WHERE ItemID = 40;"
           "UPDATE Inventory.tbInvMaster SET ItemID = 400 WHERE ItemID = 7;"
           "DELETE FROM Inventory.tbInvMaster WHERE ItemID = 23;"
           "INSERT INTO Inventory.tbInvMaster VALUES (41, 'cefalexin SUSPENSION', 'x', NULL, 0);");
    EXPECT_EQ(same("cefalexin"), 2u);
    EXPECT_EQ(same("amoxicillin"), 2u);

    // Dropped and made again by the program: the index is made again over the new rows.
    db.connection().Execute("DROP TABLE INVENTORY..tbInvMaster");
    db.Raw("CREATE TABLE Inventory.tbInvMaster(ItemID INTEGER PRIMARY KEY, ItemName VARCHAR(150) COLLATE NOCASE, "
           "ItemDesc VARCHAR(250), GenericID INTEGER, itemstatus INTEGER NOT NULL DEFAULT 0);"
           "INSERT INTO Inventory.tbInvMaster VALUES (1, 'Cefalexin drops', 'x', NULL, 0);");
    EXPECT_EQ(same("cefalexin"), 1u);

    // An entry taken out of the index behind its back: the narrowed search no longer sees the item,
    // which shows that it reads through the index.
    db.Raw("INSERT INTO Inventory.tbInvMaster__esoa_ItemNameText(tbInvMaster__esoa_ItemNameText, rowid, ItemName) "
           "VALUES ('delete', 1, 'Cefalexin drops')");
    EXPECT_EQ(Rows(db.connection(), "cefalexin", "").size(), 0u);
    EXPECT_EQ(Rows(walk, "cefalexin", "").size(), 1u);
    // A complete index is kept as it is when the files are opened again.
    SqliteConnection reopened(db.folder(), {});
    EXPECT_EQ(Rows(reopened, "cefalexin", "").size(), 0u);
}

TEST_F(InventoryNameIndexTest, RandomNamesAndTextsFindTheSameRowsEitherWay) {
    // Names and texts drawn from letters that fold together, wildcards and quotes; most texts are
    // pieces of names in another letter case, so that many find something.
    const QList<uint> alphabet = QStringLiteral("aAbkK\u212AsS\u017F\u03C3\u03A3\u03C2\u00DF\u1E9E\u00E9e\u0301 %_[]'\"01")
                                     .toUcs4();
    QRandomGenerator random(20261208);
    const auto draw = [&](int length) {
        QList<uint> text;
        for (int i = 0; i < length; ++i) text << alphabet[random.bounded(int(alphabet.size()))];
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.constData()), text.size());
    };
    QStringList names;
    for (int id = 1000; id < 1400; ++id) {
        names << draw(random.bounded(14));
        db.sqlite().RunSqlite("INSERT INTO Inventory.tbInvMaster VALUES (?, ?, 'x', NULL, ?)",
                              {id, names.back(), random.bounded(4) == 0 ? 1 : 0});
    }
    SqliteConnection walk(db.folder(), Narrowing(-1, -1, 0));
    int found = 0;
    for (int i = 0; i < 300; ++i) {
        QString text = draw(3 + random.bounded(4));
        const QString& name = names[random.bounded(int(names.size()))];
        if (i % 3 != 0 && name.size() > 3) {
            const int from = random.bounded(int(name.size()) - 3);
            text = random.bounded(2) ? name.mid(from, 3 + random.bounded(4)).toUpper() : name.mid(from).toLower();
        }
        const auto expected = Rows(walk, text, "");
        found += expected.empty() ? 0 : 1;
        ASSERT_EQ(Rows(db.connection(), text, ""), expected) << qPrintable(text);
    }
    EXPECT_GT(found, 100);
}

}  // namespace
}  // namespace esoa
