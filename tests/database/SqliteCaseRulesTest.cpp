// Text comparison of the embedded database: SQL Server's default collation ignores letter case in
// every alphabet and trailing blanks in '='; its LIKE ignores case but is exact about blanks.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QString>
#include <QStringList>

#include "database/DbError.h"
#include "database/sqlite/SqliteCaseRules.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

// A bare SQLite connection with the rules installed, to evaluate expressions on.
class SqliteCaseRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        sql::InstallCaseRules(db_);
    }
    void TearDown() override { sqlite3_close(db_); }

    // The value of one expression as text: "1", "0", "NULL", or "error: <message>".
    QString Eval(const QString& expression) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray sql = ("SELECT " + expression).toUtf8();
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            return "error: " + QString::fromUtf8(sqlite3_errmsg(db_));
        }
        QString value;
        if (sqlite3_step(statement) == SQLITE_ROW) {
            value = sqlite3_column_type(statement, 0) == SQLITE_NULL
                        ? QStringLiteral("NULL")
                        : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        } else {
            value = "error: " + QString::fromUtf8(sqlite3_errmsg(db_));
        }
        sqlite3_finalize(statement);
        return value;
    }
    void Exec(const char* sql) {
        ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    }

    sqlite3* db_ = nullptr;
};

struct Case {
    const char* expression;
    const char* value;
};

TEST_F(SqliteCaseRulesTest, EqualityIgnoresLetterCaseInEveryAlphabetAndTrailingBlanks) {
    const Case cases[] = {
        {"'ABC' = 'abc' COLLATE NOCASE", "1"},
        {"'Ñ' = 'ñ' COLLATE NOCASE", "1"},
        {"'SEÑOR' = 'señor' COLLATE NOCASE", "1"},
        {"'ДОМ' = 'дом' COLLATE NOCASE", "1"},
        {"'A ' = 'a' COLLATE NOCASE", "1"},
        {"'Ñ  ' = 'ñ' COLLATE NOCASE", "1"},
        {"'' = '   ' COLLATE NOCASE", "1"},
        {"' a' = 'a' COLLATE NOCASE", "0"},   // leading blanks count
        {"'a\t' = 'a' COLLATE NOCASE", "0"},  // only blanks are padding
        {"'É' = 'E' COLLATE NOCASE", "0"},    // accents count
        {"'abc' = 'abd' COLLATE NOCASE", "0"},
        {"'a' < 'B' COLLATE NOCASE", "1"},  // order ignores case too
        {"'ñ' < 'O' COLLATE NOCASE", "1"},  // accented letters sort beside their base letter
        {"'Peña' < 'Pz' COLLATE NOCASE", "1"},
        {"'Éclair' < 'F' COLLATE NOCASE", "1"},
        {"'Pena' < 'Peña' COLLATE NOCASE", "1"},
        {"'ab' > 'a ' COLLATE NOCASE", "1"},
    };
    for (const Case& c : cases) EXPECT_EQ(Eval(QString::fromUtf8(c.expression)), c.value) << c.expression;
}

TEST_F(SqliteCaseRulesTest, LikeIgnoresCaseButNotBlanks) {
    const Case cases[] = {
        {"'Paracetamol 500mg' LIKE '%PARA%'", "1"},
        {"'Señor Santo' LIKE '%SEÑOR%'", "1"},
        {"'SEÑOR' LIKE 'señor'", "1"},
        {"'Señor' LIKE '%seno%'", "0"},
        {"'abc' LIKE 'a_c'", "1"},
        {"'añc' LIKE 'a_c'", "1"},  // _ is one character, not one byte
        {"'abbc' LIKE 'a_c'", "0"},
        {"'ac' LIKE 'a_c'", "0"},
        {"'abc' LIKE 'abc '", "0"},
        {"'abc ' LIKE 'abc'", "0"},
        {"'abc ' LIKE 'abc%'", "1"},
        {"'' LIKE '%'", "1"},
        {"'' LIKE '_'", "0"},
        {"'aXbXc' LIKE '%x%x%'", "1"},
        {"'aXbc' LIKE '%x%x%'", "0"},
        {"'ab' LIKE '%b%b'", "0"},
        {"'abab' LIKE '%ab'", "1"},
        {"'mississippi' LIKE '%iss%ppi'", "1"},
        {"NULL LIKE 'a'", "NULL"},
        {"'a' LIKE NULL", "NULL"},
        {"'ABC' NOT LIKE 'abc'", "0"},
        // Character classes, as on SQL Server: members, ranges in collation order, negation.
        {"'b1' LIKE '[abc]1'", "1"},
        {"'B1' LIKE '[abc]1'", "1"},
        {"'d1' LIKE '[abc]1'", "0"},
        {"'Q' LIKE '[a-z]'", "1"},
        {"'é' LIKE '[a-z]'", "1"},
        {"'5' LIKE '[a-z]'", "0"},
        {"'b' LIKE '[^a]'", "1"},
        {"'A' LIKE '[^a]'", "0"},
        {"'x-ray' LIKE '%[-]%'", "1"},
        {"'[a' LIKE '[a'", "1"},  // no closing bracket: a plain character
        {"'50%' LIKE '50[%]'", "1"},
        {"'500' LIKE '50[%]'", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(Eval(QString::fromUtf8(c.expression)), c.value) << c.expression;
}

TEST_F(SqliteCaseRulesTest, LikeEscapeMakesWildcardsLiteral) {
    const Case cases[] = {
        {"'50% off' LIKE '%0!%%' ESCAPE '!'", "1"},
        {"'500 off' LIKE '%0!%%' ESCAPE '!'", "0"},
        {"'a_c' LIKE '%!_%' ESCAPE '!'", "1"},
        {"'abc' LIKE '%!_%' ESCAPE '!'", "0"},
        {"'a!c' LIKE 'a!!c' ESCAPE '!'", "1"},
        {"'ÑA%' LIKE 'ñañ%' ESCAPE 'ñ'", "0"},  // the pattern is the literal text "a%"
        {"'A%' LIKE 'añ%' ESCAPE 'ñ'", "1"},
        {"'abc' LIKE 'abc!' ESCAPE '!'", "0"},
        {"'abc' LIKE 'a%' ESCAPE NULL", "NULL"},
        {"'abc' LIKE 'a%' ESCAPE 'ab'", "error: ESCAPE expression must be a single character"},
    };
    for (const Case& c : cases) EXPECT_EQ(Eval(QString::fromUtf8(c.expression)), c.value) << c.expression;
}

TEST_F(SqliteCaseRulesTest, APatternThatChangesFromRowToRowIsReadAfresh) {
    Exec("CREATE TABLE p(s TEXT, pattern TEXT)");
    Exec(
        "INSERT INTO p VALUES ('abc', 'A%'), ('abc', 'b%'), ('Peña', '%Ñ%'), ('Pena', '%Ñ%'), ('Pena', "
        "'%N%'),"
        "('x', 'x'), ('xy', 'x')");
    EXPECT_EQ(Eval("group_concat(rowid) FROM p WHERE s LIKE pattern"), "1,3,5,6");
}

TEST_F(SqliteCaseRulesTest, IndexesBuiltWithTheCollationStayConsistent) {
    Exec("CREATE TABLE t(s TEXT COLLATE NOCASE)");
    Exec("CREATE INDEX t_s ON t(s)");
    const char* words[] = {"a", "A ", "b", "ñ",   "Ñ",   "n",   "o",   "ä",    "Ä b", "ä b", "a\t",    "a\t ",
                           "Ω", "ω",  "Z", "z  ", "",    " ",   "ǅ",   "ǆ",    "Ǆ",   "K",   "\u212A", "k",
                           "ſ", "s",  "S", "abc", "ABD", "abć", "ABĆ", "日本", "日",  "x😀",  "X😀 ",    "y"};
    for (const char* w : words) {
        sqlite3_stmt* insert = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db_, "INSERT INTO t VALUES (?)", -1, &insert, nullptr), SQLITE_OK);
        sqlite3_bind_text(insert, 1, w, -1, SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_finalize(insert);
    }
    // integrity_check walks every index entry with the collation: an inconsistent order shows here.
    EXPECT_EQ(Eval("* FROM pragma_integrity_check"), "ok");
    EXPECT_EQ(Eval("COUNT(*) FROM t WHERE s = 'ñ'"), "2");
    EXPECT_EQ(Eval("COUNT(*) FROM t WHERE s = 'ǆ'"), "3");
    EXPECT_EQ(Eval("COUNT(*) FROM t WHERE s = 'k'"), "3");  // the Kelvin sign folds to k
    EXPECT_EQ(Eval("COUNT(*) FROM t INDEXED BY t_s WHERE s = 'A'"), "2");
    EXPECT_EQ(Eval("COUNT(DISTINCT s) FROM t WHERE s IN ('x😀', 'ä b')"), "2");
}

TEST_F(SqliteCaseRulesTest, JoinsMatchKeysThatDifferOnlyByTrailingBlanks) {
    Exec("CREATE TABLE k(s TEXT COLLATE NOCASE); CREATE TABLE l(s TEXT COLLATE NOCASE);"
         "INSERT INTO k VALUES ('T-1'), ('t-2'); INSERT INTO l VALUES ('T-1 '), ('T-2'), ('T-3');");
    // Without an index of k's own, SQLite makes one for the join (and would filter the lookups).
    EXPECT_EQ(Eval("group_concat(k.s, '|') FROM l JOIN k ON k.s = l.s"), "T-1|t-2");
}

TEST(EmbeddedCaseRulesTest, TheEmbeddedConnectionComparesAsTheServerDoes) {
    test::TestDatabase db;
    db.Raw(
        "CREATE TABLE Build_FIle.t(Code TEXT COLLATE NOCASE, Name TEXT COLLATE NOCASE);"
        "INSERT INTO Build_FIle.t VALUES ('ñ1', 'Señor Santo'), ('N1', 'Senor'), ('x', 'Peña');");
    EXPECT_EQ(db.Column("SELECT Code FROM Build_FIle..t WHERE Name like '%SEÑOR%' "), QStringList{"ñ1"});
    EXPECT_EQ(db.Column("SELECT Code FROM Build_FIle..t WHERE Code = 'Ñ1  ' "), QStringList{"ñ1"});
    EXPECT_EQ(db.Column("SELECT Name FROM Build_FIle..t WHERE 1=1 ORDER BY Name"),
              (QStringList{"Peña", "Senor", "Señor Santo"}));
}

}  // namespace
}  // namespace esoa
