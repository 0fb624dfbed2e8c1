#include <gtest/gtest.h>

#include <stdexcept>

#include "core/reference/ImportRun.h"
#include "core/reference/KnownCodes.h"
#include "core/reference/NextToken.h"
#include "core/reference/ReferenceSchema.h"
#include "core/updates/ChangeReport.h"
#include "database/CodeKey.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

// A fresh database with the reference tables of `table`, holding rows of `existing` codes first
// (a null QString stands for a NULL code).
std::unique_ptr<test::TestDatabase> TablesWith(const QString& table, const QStringList& existing) {
    auto db = std::make_unique<test::TestDatabase>();
    for (const QString& statement : CreateTableStatements(table)) {
        try {
            db->connection().Execute(statement);
        } catch (const DbError&) {
        }
    }
    for (const QString& code : existing) {
        db->connection().Execute("INSERT INTO [Build_FIle].[dbo].[" + table + "] (Code, Category) VALUES (" +
                                 (code.isNull() ? QString("NULL") : "'" + sql::Escaped(code) + "'") + ", 'old')");
    }
    return db;
}

QStringList StoredRows(test::TestDatabase& db, const QString& table) {
    QStringList rows;
    for (const QStringList& row :
         db.connection()
             .Read("SELECT ID, Code, Category, Description, FixedFee, ChargingUnit FROM [Build_FIle].[dbo].[" + table +
                       "] ORDER BY ID",
                   CursorType::ForwardOnly, LockType::ReadOnly)
             .rows) {
        rows << row.join('|');
    }
    return rows;
}

// The import as it was first written: every line looked up by its code, a new one added through the
// lookup's recordset, each row by itself. What the import must store, row for row.
void ImportLineByLine(Connection& c, const QString& table, const QString& listName, const QStringList& lines) {
    const bool er = table == "ESOA_ER";
    for (QString rest : lines) {
        ImportRun::Fields f;
        f.code = NextToken(rest, "|");
        f.category = NextToken(rest, "|");
        f.description = NextToken(rest, "|");
        if (listName == "ESOA_MEDICINE") f.category = "Medicine";
        if (er) {
            f.fixedFee = NextToken(rest, "|");
            f.chargingUnit = NextToken(rest, "|");
        }
        if (!ImportRun::Fault(f, er).isEmpty()) continue;
        Recordset rs = c.OpenRecordset("SELECT * FROM [Build_FIle].[dbo]." + table + " WHERE Code = '" +
                                           sql::Escaped(f.code) + "'   ",
                                       CursorType::Dynamic, LockType::Optimistic);
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField("Code", f.code);
            rs.SetField("Category", f.category);
            rs.SetField("Description", f.description);
            if (er) {
                rs.SetField("FixedFee", f.fixedFee);
                rs.SetField("ChargingUnit", f.chargingUnit);
            }
        }
        rs.Update();
        rs.Close();
    }
}

// Lines whose codes come back in other letter cases, across several batches.
QStringList Repeating(int n) {
    QStringList lines;
    for (int i = 0; i < n; ++i) {
        const QString code = QString("r-%1").arg(i % 37);
        lines << QString("%1|c%2|d%2|%2.5|u").arg(i % 2 ? code.toUpper() : code + QString(i % 3, ' ')).arg(i);
    }
    return lines;
}

TEST(ImportRun, StoresExactlyTheRowsTheLineByLineLookupStores) {
    const struct {
        const char* name;
        QString table, listName;
        QStringList existing;
        QStringList lines;
    } cases[] = {
        {"letter case and trailing blanks",
         "ESOA_ER",
         "ESOA_ER",
         {"ABC ", "x-1"},
         {"abc|a|1|1|u", "Abc  |b|2|2|u", "abc\t|c|3|3|u", " abc|d|4|4|u", "X-1 |e|5||", "new|f|6|6|u", "NEW |g|7|7|u"}},
        {"accents count, case does not, in every alphabet",
         "ESOA_ITEM",
         "ESOA_ITEM",
         {"E1", "Дом"},
         {"É1|a|1", "é1|b|2", "e\u03011|c|3", "e1|d|4", "ДОМ|e|5", "дом |f|6", "Peña|g|7", "PENA|h|8", "PEÑA|i|9",
          "æ1|j|10", "ae1|k|11", "ß1|l|12", "SS1|m|13", "ｆ1|n|14", "f1|o|15"}},
        {"empty codes, a NULL code and refused lines",
         "ESOA_ER",
         "ESOA_ER",
         {QString(), "old'one"},
         {"", "|x|y|1|u", "OLD'ONE|a|b|2|u", QString(51, 'z') + "|a|b|1|u", "fee|a|b|abc|u", "fee|a|b|3|u",
          "O'Neil|a|b|4|u", "o'neil|c|d|5|u"}},
        {"medicines under their own category", "ESOA_ITEM", "ESOA_MEDICINE", {"M1"}, {"m1|x|a", "M2|x|b", "m2 |y|c", "|z|d"}},
        {"repeats across batches", "ESOA_ER", "ESOA_ER", {"R-5", "r-36  "}, Repeating(180)},
    };
    for (const auto& c : cases) {
        const QStringList& lines = c.lines;
        auto expected = TablesWith(c.table, c.existing);
        ImportLineByLine(expected->connection(), c.table, c.listName, lines);
        const QStringList want = StoredRows(*expected, c.table);
        for (const auto matching : {std::optional<KnownCodes::Matching>{}, std::optional{KnownCodes::Matching::Coarse}}) {
            SCOPED_TRACE(std::string(c.name) + (matching ? " (coarse)" : " (exact)"));
            auto db = TablesWith(c.table, c.existing);
            ImportRun run(db->connection(), c.table);
            if (matching) run.setMatching(*matching);
            const ImportSummary summary = run.ImportLines(lines, c.listName, "f.csv");
            EXPECT_TRUE(summary.finished());
            EXPECT_EQ(StoredRows(*db, c.table), want);
            EXPECT_EQ(summary.added, want.size() - c.existing.size());
            EXPECT_EQ(summary.added + summary.present + int(summary.refused.size()) + summary.blank,
                      lines.size());
        }
    }
}

// A run that ends abruptly (an exception out of the progress, a failure inside a batch) keeps the
// batches committed before it, at most a batch is lost, and a second run completes the file once.
TEST(ImportRun, AStopAnywhereLosesAtMostABatchAndARerunCompletesTheFile) {
    QStringList lines;
    for (int i = 0; i < 230; ++i) lines << QString("K%1|cat|desc %1|%1|u").arg(i % 200);
    auto expected = TablesWith("ESOA_ER", {"k7"});
    ImportLineByLine(expected->connection(), "ESOA_ER", "ESOA_ER", lines);

    for (const bool inBatch : {false, true}) {
        SCOPED_TRACE(inBatch ? "failure inside a batch" : "exception from the progress");
        auto db = TablesWith("ESOA_ER", {"k7"});
        int inserts = 0;
        db->connection().SetObserver([&](const QString& statement) {
            if (inBatch && statement.startsWith("INSERT") && ++inserts == 75) throw std::runtime_error("killed");
        });
        ImportRun run(db->connection(), "ESOA_ER");
        const auto kill = [&](int done, int) {
            if (!inBatch && done >= 100) throw std::runtime_error("killed");
            return true;
        };
        int stored = 0;
        if (inBatch) {
            const ImportSummary summary = run.ImportLines(lines, "ESOA_ER", "f.csv", kill);
            EXPECT_EQ(summary.end, ImportSummary::End::Failed);
            stored = summary.added;
        } else {
            EXPECT_THROW(run.ImportLines(lines, "ESOA_ER", "f.csv", kill), std::runtime_error);
            stored = 100 - 1;  // K7 was there already
        }
        EXPECT_FALSE(db->connection().inTransaction());
        EXPECT_EQ(StoredRows(*db, "ESOA_ER").size(), 1 + stored);
        EXPECT_GE(stored, 49);

        db->connection().SetObserver({});
        const ImportSummary again = ImportRun(db->connection(), "ESOA_ER").ImportLines(lines, "ESOA_ER", "f.csv");
        EXPECT_TRUE(again.finished());
        EXPECT_EQ(again.added, 199 - stored);
        QStringList codes;
        for (const QString& row : StoredRows(*db, "ESOA_ER")) codes << row.section('|', 1, 1).toUpper();
        codes.removeDuplicates();
        EXPECT_EQ(codes.size(), 200);
        EXPECT_EQ(StoredRows(*db, "ESOA_ER").size(), StoredRows(*expected, "ESOA_ER").size());
    }
}

// The coarse fold stands in for a collation it does not know: it may join codes the server tells
// apart (they are then looked up), never split codes the server joins.
TEST(KnownCodes, TheCoarseFoldJoinsWhatCaseInsensitiveCollationsJoin) {
    const struct {
        QString a, b;
        bool joined;
    } pairs[] = {
        {"abc", "ABC  ", true},       {"Peña", "PENA", true},     {"e\u0301", "é", true},
        {"ｆ1", "F1", true},          {"æ1", "AE1", true},        {"ß", "ss", true},
        {"ﬁ", "FI", true},            {"a\u00AD", "a", true},     {"a\x01" "b", "ab", true},
        {"Дом", "Жом", true},         {"日本", "?", true},          {"Ω1", "??1", true},
        {"ı1", "I1", true},           {"þorn", "THORN", true},    {"ŧ", "T", true},
        {"ø", "O", true},             {"ł", "L", true},           {"㎏", "KG", true},
        {"ab", "a b", false},         {" a", "a", false},         {"a1", "a2", false},
        {"a-b", "ab", false},         {"x", "", false},
    };
    for (const auto& p : pairs) {
        const QString& a = p.a;
        const QString& b = p.b;
        EXPECT_EQ(KnownCodes::Fold(a) == KnownCodes::Fold(b), p.joined) << qPrintable(a) << " / " << qPrintable(b);
        if (CodeKey(a) == CodeKey(b)) {
            EXPECT_EQ(KnownCodes::Fold(a), KnownCodes::Fold(b)) << qPrintable(a) << " / " << qPrintable(b);
        }
    }
}

QStringList Texts(const std::vector<LineNote>& notes) {
    QStringList texts;
    for (const LineNote& note : notes) texts << note.Text();
    return texts;
}

// Lines that hold no data are never stored: blank ones are counted, those without a code refused by
// name; a last line cut short is stored as read, with a warning. The change report says the same.
TEST(ImportRun, LinesWithoutDataAreSkippedOrRefusedAndACutShortLastLineIsWarnedOf) {
    const struct {
        const char* name;
        QString table;
        QStringList lines;
        bool endsWithBreak;
        QStringList codes;  // stored, in file order
        int blank;
        QStringList refused;
        QStringList warnings;  // the start of each
    } cases[] = {
        {"blank lines", "ESOA_ER", {"A|c|d|1|u", "", "   ", "\t ", "B|c|d|1|u"}, true, {"A", "B"}, 3, {}, {}},
        {"no code",
         "ESOA_ER",
         {"|Laboratory|No code|5.00|per test", "   |x|y|1|u", "B|c|d|1|u", "||"},
         true,
         {"B"},
         0,
         {"line 1: no code", "line 2: no code", "line 4: no code"},
         {}},
        {"fee cut short",
         "ESOA_ER",
         {"A|c|d|510.00|per test", "B|c|d|51"},
         false,
         {"A", "B"},
         0,
         {},
         {"line 2: the last line has no line break and only 4 of its 5 fields"}},
        {"item line cut short",
         "ESOA_ITEM",
         {"A|c|d", "B|c"},
         false,
         {"A", "B"},
         0,
         {},
         {"line 2: the last line has no line break and only 2 of its 3 fields"}},
        {"whole last lines without a break",
         "ESOA_ER",
         {"A|c|d|1|u", "B|c|d||"},
         false,
         {"A", "B"},
         0,
         {},
         {}},
        {"short line with its break", "ESOA_ER", {"A|c|d"}, true, {"A"}, 0, {}, {}},
        {"blank last line without a break", "ESOA_ITEM", {"A|c", "  "}, false, {"A"}, 1, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto db = TablesWith(c.table, {});
        const ListFile file{c.table, {c.lines, c.endsWithBreak}, {}};
        const ImportSummary summary = ImportRun(db->connection(), c.table).Import(file);
        EXPECT_TRUE(summary.finished());
        QStringList codes;
        for (const QString& row : StoredRows(*db, c.table)) codes << row.section('|', 1, 1);
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(summary.blank, c.blank);
        EXPECT_EQ(Texts(summary.refused), c.refused);
        const QStringList warnings = Texts(summary.warnings);
        ASSERT_EQ(warnings.size(), c.warnings.size()) << warnings.join('\n').toStdString();
        for (qsizetype i = 0; i < warnings.size(); ++i)
            EXPECT_TRUE(warnings[i].startsWith(c.warnings[i])) << warnings[i].toStdString();
        if (!warnings.isEmpty()) {
            EXPECT_TRUE(summary.Message(10).contains(warnings[0]));
        }

        const ChangeReport report = ChangeReport::Compare(*ReferenceList::Named(c.table), {file}, {}, {});
        ASSERT_EQ(report.files.size(), 1u);
        EXPECT_EQ(report.files[0].blank, c.blank);
        EXPECT_EQ(Texts(report.files[0].refused), c.refused);
        EXPECT_EQ(Texts(report.files[0].warnings), warnings);
        EXPECT_EQ(report.count(ChangeReport::Kind::New), c.codes.size());
    }
}

// The field checks at the edges of what the reference tables hold.
TEST(ImportRun, FieldsAreRefusedJustBeyondWhatTheTableHolds) {
    const QString s50(50, u's'), d250(250, u'd');
    const QString pair = QStringLiteral("\U0001F600");  // one character, two UTF-16 units
    const struct {
        const char* name;
        ImportRun::Fields fields;
        bool er;
        QString fault;    // empty: accepted
        QString feeSent;  // the fee handed to the database when accepted
    } cases[] = {
        {"longest texts", {s50, s50, d250, "", s50}, true, {}, ""},
        {"code 51", {s50 + "x", "", "", "", ""}, false, "code longer than 50 characters", {}},
        {"category 51", {"c", s50 + "x", "", "", ""}, false, "category longer than 50 characters", {}},
        {"description 251",
         {"c", "", d250 + "x", "", ""},
         false,
         "description longer than 250 characters",
         {}},
        {"unit 51", {"c", "", "", "1", s50 + "x"}, true, "unit longer than 50 characters", {}},
        {"unit unread for items", {"c", "", "", "abc", s50 + "x"}, false, {}, "abc"},
        {"surrogate pair counts once", {QString(49, u'c') + pair, "", "", "", ""}, false, {}, ""},
        {"NUL before length", {s50 + QChar(0), "", "", "", ""}, false, "code holds a NUL character", {}},
        {"lone low surrogate",
         {"c", QString(QChar(0xDC01)), "", "", ""},
         false,
         "category holds an unpaired surrogate (U+DC01)",
         {}},
        {"fee as SQL Server reads it", {"c", "", "", " $1,200.50 ", ""}, true, {}, "1200.5"},
        {"fee rounded to four places", {"c", "", "", "12.34565", ""}, true, {}, "12.3457"},
        {"largest fee", {"c", "", "", "214748.3647", ""}, true, {}, "214748.3647"},
        {"fee beyond the range",
         {"c", "", "", "214748.3648", ""},
         true,
         "fee '214748.3648' is out of range (-214,748.3648 to 214,748.3647)",
         {}},
        {"exponent", {"c", "", "", "1e3", ""}, true, "fee '1e3' is not an amount", {}},
        {"long fee cut",
         {"c", "", "", QString(40, u'x'), ""},
         true,
         "fee '" + QString(30, u'x') + "...' is not an amount",
         {}},
    };
    for (const auto& c : cases) {
        ImportRun::Fields fields = c.fields;
        EXPECT_EQ(ImportRun::Fault(fields, c.er), c.fault) << c.name;
        if (c.fault.isEmpty()) {
            EXPECT_EQ(fields.fixedFee, c.feeSent) << c.name;
        }
    }
}

}  // namespace
}  // namespace esoa
