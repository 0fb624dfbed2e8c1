#include <gtest/gtest.h>

#include <QSqlDatabase>

#include "database/Connection.h"
#include "database/Databases.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/sqlite/SqliteConnection.h"
#include "core/reference/ReferenceSchema.h"
#include "support/TestDatabase.h"

namespace esoa::test {
namespace {

// A link table as the maintenance panel creates it, through the translated T-SQL.
void createLinkTable(Connection& c) {
    const QStringList statements = CreateTableStatements(QStringLiteral("ESOA_ER"));
    c.Execute(statements[8]);  // CREATE TABLE ... ESOA_ER_LINK
}

QString lookup(const QString& code) {
    return QStringLiteral("SELECT * FROM [Build_FIle].[dbo].ESOA_ER_LINK WHERE Code = '") + sql::Escaped(code) +
           QStringLiteral("'   ");
}

// Inserts one link through the insert-or-update, as the save and the import do.
void upsert(Connection& c, const QString& code, const QString& fee = QStringLiteral("1500.50"),
            const QString& description = QStringLiteral("Chest X-ray")) {
    Recordset rs = c.OpenRecordset(lookup(code), CursorType::Dynamic, LockType::Optimistic);
    if (rs.isEOF()) {
        rs.AddNew();
        rs.SetField(QStringLiteral("Code"), code);
    }
    rs.SetField(QStringLiteral("Description"), description);
    rs.SetField(QStringLiteral("FixedFee"), fee);
    rs.Update();
    rs.Close();
}

TEST(ConnectionRead, ReadsFieldNamesRowsInOrderAndNullAsEmpty) {
    TestDatabase db;
    db.Raw(QStringLiteral("CREATE TABLE Build_FIle.t(ID INTEGER, Name TEXT, Fee REAL);"
                          "INSERT INTO Build_FIle.t VALUES (2,'b',NULL),(1,NULL,1500.5),(3,'c',12)"));
    const ReadResult r = db.connection().Read(
        QStringLiteral("SELECT ID,Name,Fee FROM Build_FIle..t WITH (NOLOCK) ORDER BY ID"), CursorType::ForwardOnly,
        LockType::ReadOnly);
    EXPECT_EQ(r.fields, (QStringList{"ID", "Name", "Fee"}));
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0], (QStringList{"1", "", "1500.5"}));
    EXPECT_EQ(r.rows[1], (QStringList{"2", "b", ""}));
    EXPECT_EQ(r.rows[2], (QStringList{"3", "c", "12"}));

    // Row by row, the same; a reader that stops ends the read, and the statement can run again.
    std::vector<QStringList> each;
    const QString statement = QStringLiteral("SELECT ID,Name,Fee FROM Build_FIle..t WITH (NOLOCK) ORDER BY ID");
    EXPECT_EQ(db.connection().ReadEach(statement, [&](const QStringList& row) { each.push_back(row); }).fields, r.fields);
    EXPECT_EQ(each, r.rows);
    EXPECT_THROW(db.connection().ReadEach(statement, [](const QStringList&) { throw std::runtime_error("stop"); }),
                 std::runtime_error);
    each.clear();
    db.connection().ReadEach(statement, [&](const QStringList& row) { each.push_back(row); });
    EXPECT_EQ(each, r.rows);
}

TEST(ConnectionRead, EmptyResultStillNamesItsFields) {
    TestDatabase db;
    createLinkTable(db.connection());
    const ReadResult r = db.connection().Read(lookup(QStringLiteral("none")), CursorType::ForwardOnly,
                                              LockType::ReadOnly);
    EXPECT_EQ(r.fields.size(), 12);
    EXPECT_EQ(r.fields.front(), QStringLiteral("ID"));
    EXPECT_TRUE(r.rows.empty());
}

TEST(ConnectionErrors, CarryTheDatabasesOwnDescriptionAndTheStatement) {
    TestDatabase db;
    const QString statement = QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER] WITH (NOLOCK) WHERE 1=1 ");
    try {
        db.connection().Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
        FAIL() << "a missing table must fail";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("no such table"))) << qPrintable(e.description());
        EXPECT_EQ(e.statement(), statement);
    }
    EXPECT_THROW(db.connection().Execute(QStringLiteral("DROP TABLE [Build_FIle].[dbo].[Nothing]")), DbError);
}

TEST(ConnectionObserver, SeesEveryStatementAsBuiltBeforeTranslation) {
    TestDatabase db;
    createLinkTable(db.connection());
    db.sent.clear();
    upsert(db.connection(), QStringLiteral("ER-1"));
    ASSERT_EQ(db.sent.size(), 2);
    EXPECT_EQ(db.sent[0], lookup(QStringLiteral("ER-1")));
    EXPECT_EQ(db.sent[1],
              QStringLiteral("INSERT INTO [Build_FIle].[dbo].ESOA_ER_LINK ([Code],[Description],[FixedFee]) VALUES (?,?,?)"));
}

TEST(Recordset, AddsARowWhenNoneIsFoundAndRewritesTheFirstRowFound) {
    TestDatabase db;
    createLinkTable(db.connection());
    upsert(db.connection(), QStringLiteral("ER-1"), QStringLiteral("100"), QStringLiteral("first"));
    upsert(db.connection(), QStringLiteral("ER-1"), QStringLiteral("200"), QStringLiteral("second"));
    EXPECT_EQ(db.Column(QStringLiteral("SELECT Description FROM Build_FIle..ESOA_ER_LINK")),
              QStringList{"second"});
    EXPECT_EQ(db.Column(QStringLiteral("SELECT FixedFee FROM Build_FIle..ESOA_ER_LINK")), QStringList{"200"});

    // A duplicate put there from outside: only the first row found is rewritten.
    db.Raw(QStringLiteral("INSERT INTO Build_FIle.ESOA_ER_LINK(Code, Description) VALUES ('ER-1','outside')"));
    upsert(db.connection(), QStringLiteral("ER-1"), QStringLiteral("300"), QStringLiteral("third"));
    EXPECT_EQ(db.Column(QStringLiteral("SELECT Description FROM Build_FIle..ESOA_ER_LINK ORDER BY ID")),
              (QStringList{"third", "outside"}));
}

TEST(Recordset, NothingSetMeansNothingWritten) {
    TestDatabase db;
    createLinkTable(db.connection());
    upsert(db.connection(), QStringLiteral("ER-1"));
    db.sent.clear();
    Recordset rs = db.connection().OpenRecordset(lookup(QStringLiteral("ER-1")), CursorType::Dynamic,
                                                 LockType::Optimistic);
    ASSERT_FALSE(rs.isEOF());
    rs.Update();
    rs.Close();
    EXPECT_EQ(db.sent.size(), 1);  // the lookup only
}

TEST(Recordset, EmptyMoneyIsStoredAsNullAndARefusedValueIsTheDatabasesError) {
    TestDatabase db;
    createLinkTable(db.connection());
    upsert(db.connection(), QStringLiteral("ER-1"), QString());
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..ESOA_ER_LINK WHERE FixedFee IS NULL")), 1);

    for (const QString& fee : {QStringLiteral("abc"), QStringLiteral("214748.3648"), QStringLiteral("-214748.3649")}) {
        EXPECT_THROW(upsert(db.connection(), QStringLiteral("ER-2"), fee), DbError) << qPrintable(fee);
    }
    EXPECT_NO_THROW(upsert(db.connection(), QStringLiteral("ER-3"), QStringLiteral("214748.3647")));
    EXPECT_THROW(upsert(db.connection(), QStringLiteral("ER-4"), QStringLiteral("1"), QString(251, QLatin1Char('x'))),
                 DbError);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..ESOA_ER_LINK")), 2);
}

TEST(Recordset, NeedsAnUpdatableCursorAndKnownFields) {
    TestDatabase db;
    createLinkTable(db.connection());
    EXPECT_THROW(db.connection().OpenRecordset(lookup(QStringLiteral("x")), CursorType::ForwardOnly,
                                               LockType::ReadOnly),
                 DbError);
    Recordset rs = db.connection().OpenRecordset(lookup(QStringLiteral("x")), CursorType::Dynamic,
                                                 LockType::Optimistic);
    rs.AddNew();
    EXPECT_THROW(rs.SetField(QStringLiteral("NoSuchField"), QStringLiteral("1")), DbError);
    EXPECT_NO_THROW(rs.SetField(QStringLiteral("CODE"), QStringLiteral("x")));  // letter case ignored
    rs.Close();
    EXPECT_THROW(rs.Update(), DbError);
}

// Values that try to end the quoted string, or that are merely unusual, never change what a
// statement means: they are found and stored exactly as given.
TEST(HostileValues, NeverChangeAStatementsMeaning) {
    const QStringList values{
        QStringLiteral("O'Brien"),
        QStringLiteral("'; DROP TABLE x; --"),
        QStringLiteral("x' OR '1'='1"),
        QString::fromUtf8("Children\u2019s \u02BCquoted\u02BC"),
        QStringLiteral("50%_off"),
        QStringLiteral("[dbo].[x]"),
        QString(10000, QLatin1Char('\'')),
    };
    TestDatabase db;
    createLinkTable(db.connection());
    db.Raw(QStringLiteral("CREATE TABLE Build_FIle.x(a TEXT)"));
    for (const QString& value : values) {
        const QString code = value.left(50);
        upsert(db.connection(), code);
        const ReadResult found = db.connection().Read(lookup(value.left(50)), CursorType::ForwardOnly,
                                                      LockType::ReadOnly);
        ASSERT_EQ(found.rows.size(), 1u) << qPrintable(value.left(40));
        EXPECT_EQ(found.rows[0][1], code);
        // A search with the whole value as a LIKE pattern runs and finds nothing it should not.
        const ReadResult like = db.connection().Read(
            QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=1  AND Description "
                           "like '%") +
                sql::Escaped(value) + QStringLiteral("%'  "),
            CursorType::ForwardOnly, LockType::ReadOnly);
        EXPECT_TRUE(like.rows.empty());
    }
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..ESOA_ER_LINK")), values.size());
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..x")), 0);  // still there
}

// A NUL or an unpaired surrogate cannot reach SQLite as written: refused before anything is sent,
// in a statement's text and in a bound value alike.
TEST(HostileValues, CharactersThatCannotReachTheDatabaseAreRefusedNotCut) {
    TestDatabase db;
    createLinkTable(db.connection());
    const QString nul = QStringLiteral("ER-1") + QChar(0) + QStringLiteral("' OR 1=1 --");
    const QString surrogate = QStringLiteral("ER-") + QChar(0xD800) + QStringLiteral("'x");
    for (const QString& value : {nul, surrogate}) {
        db.sent.clear();
        EXPECT_THROW(db.connection().Read(lookup(value), CursorType::ForwardOnly, LockType::ReadOnly), DbError);
        try {
            upsert(db.connection(), QStringLiteral("ok"), QStringLiteral("1"), value);
        } catch (const DbError& e) {
            EXPECT_TRUE(e.causedByValue());
            EXPECT_TRUE(e.description().contains(QLatin1String("NUL")) ||
                        e.description().contains(QLatin1String("surrogate")))
                << qPrintable(e.description());
        }
    }
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM Build_FIle..ESOA_ER_LINK WHERE Code='ok'")), 0);
}

TEST(HostileValues, LikeWildcardsTypedByTheUserKeepTheirMeaning) {
    TestDatabase db;
    createLinkTable(db.connection());
    upsert(db.connection(), QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("Ceftriaxone 1g vial"));
    upsert(db.connection(), QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("Cefuroxime 750mg vial"));
    auto count = [&](const QString& typed) {
        return db.connection()
            .Read(QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[ESOA_ER_LINK] WITH (NOLOCK) WHERE 1=1  AND "
                                 "Description like '%") +
                      sql::Escaped(typed) + QStringLiteral("%'  "),
                  CursorType::ForwardOnly, LockType::ReadOnly)
            .rows.size();
    };
    EXPECT_EQ(count(QStringLiteral("cef%vial")), 2u);
    EXPECT_EQ(count(QStringLiteral("1_ vial")), 1u);
    EXPECT_EQ(count(QStringLiteral("CEFTRIAXONE")), 1u);
}

TEST(PlainNames, AcceptIdentifiersOnly) {
    for (const char* good : {"tbcoLabExam", "LabExamID", "XRayExam", "_x1"}) EXPECT_TRUE(sql::IsPlainName(QLatin1String(good))) << good;
    for (const char* bad : {"", "1abc", "tbco LabExam", "x;DROP", "[x]", "a.b", "x'--", "Ñame"}) {
        EXPECT_FALSE(sql::IsPlainName(QString::fromUtf8(bad))) << bad;
    }
}

// A literal and a double-quoted name read back exactly whatever they hold.
TEST(QuotedTexts, ReadBackExactlyAsLiteralsAndNames) {
    TestDatabase db;
    auto& sqlite = dynamic_cast<SqliteConnection&>(db.connection());
    for (const QString& text :
         {QStringLiteral("O'Brien"), QStringLiteral("''"), QStringLiteral("say \"hi\""),
          QStringLiteral("a]b [c]"), QString::fromUtf8("Ni\u00F1o\u2019s 'ER' \"x\"")}) {
        SCOPED_TRACE(qPrintable(text));
        const QueryResult r = sqlite.RunSqlite(QStringLiteral("SELECT ") + sql::Literal(text) +
                                               QStringLiteral(" AS ") + sql::DoubleQuoted(text));
        EXPECT_EQ(r.fields, QStringList{text});
        EXPECT_EQ(r.rows, (std::vector<QStringList>{{text}}));
    }
}

TEST(EmbeddedDatabase, KeepsItsDataInTheTwoNamedFiles) {
    QTemporaryDir dir;
    {
        auto c = OpenEmbedded(dir.path());
        createLinkTable(*c);
        upsert(*c, QStringLiteral("ER-1"));
        c->Execute(QStringLiteral("CREATE TABLE [Inventory].[dbo].[tbProbe](    [ID]                [bigint] "
                                  "IDENTITY(1,1) NOT NULL,)"));
    }
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QLatin1String(kBuildFileDb))));
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QLatin1String(kInventoryDb))));
    auto again = OpenEmbedded(dir.path());
    EXPECT_EQ(again->Read(lookup(QStringLiteral("ER-1")), CursorType::ForwardOnly, LockType::ReadOnly).rows.size(), 1u);
    EXPECT_NO_THROW(again->Read(QStringLiteral("SELECT * FROM INVENTORY..tbProbe"), CursorType::ForwardOnly,
                                LockType::ReadOnly));
}

// A second workstation holding the write lock: the writer gives up after the busy wait, and the
// message names the file; a read-only file is named too.
TEST(EmbeddedDatabase, LockedOrReadOnlyFilesAreNamedInTheError) {
    TestDatabase db;
    createLinkTable(db.connection());
    SqliteConnection::Options quick;
    quick.busyMilliseconds = 50;
    SqliteConnection other(db.folder(), quick);
    other.Begin();
    other.RunSqlite(QStringLiteral("DELETE FROM Build_FIle.ESOA_ER_LINK"));
    SqliteConnection writer(db.folder(), quick);
    try {
        upsert(writer, QStringLiteral("ER-1"));
        FAIL() << "a locked file must refuse the write";
    } catch (const DbError& e) {
        EXPECT_EQ(e.cause(), DbError::Cause::Busy);
        EXPECT_TRUE(e.description().contains(QLatin1String(kBuildFileDb))) << qPrintable(e.description());
    }
    other.Rollback();
    EXPECT_NO_THROW(upsert(writer, QStringLiteral("ER-1")));
}

}  // namespace
}  // namespace esoa::test
