// The history of the link writes on the embedded database: every kind of write recorded with its
// rows in the same transaction, undone as a whole, and the undos the rules refuse.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/demo/DemoDatabase.h"
#include "core/files/Csv.h"
#include "core/history/HistoryTables.h"
#include "core/history/Undo.h"
#include "core/links/LinkImport.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceSchema.h"
#include "core/updates/ApplyChanges.h"
#include "core/updates/StaleLinks.h"
#include "support/TestDatabase.h"

namespace esoa {
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
}  // namespace esoa

namespace esoa::test {
namespace {

using history::Kind;

const history::Actor kAlice{QStringLiteral("alice"), QStringLiteral("WS-1")};

class History : public ::testing::Test {
protected:
    void SetUp() override {
        demo::Seed(db.connection());
        for (const QString& statement : CreateTableStatements(QStringLiteral("ESOA_ER"))) {
            try {
                db.connection().Execute(statement);
            } catch (const std::exception&) {
            }
        }
        const ImportSummary s =
            ImportRun(db.connection(), QStringLiteral("ESOA_ER"))
                .ImportLines({"A|Lab|Alpha|10|per test", "B|Lab|Beta|20|per test", "C|Img|Gamma|30|per film"},
                             "ESOA_ER", "ESOA_ER.csv");
        ASSERT_TRUE(s.finished());
        ASSERT_TRUE(history::Prepare(db.connection()).recorded);
    }

    history::Action NewAction(Kind kind) { return {db.connection(), kAlice, kind, ReferenceList::Er()}; }

    // Saves `item` (an inventory item under revenue PH) to `code`, as the window does.
    SaveOutcome Save(history::Action& action, const QString& code, const QString& item) {
        const std::vector<ReferenceRow> rows = ReadReferenceRows(db.connection(), ReferenceList::Er());
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&](const ReferenceRow& r) { return r.code == code; });
        const CodeValues v = row->values;
        return SaveLink(action, {"ESOA_ER", item, "PH", "Item " + item, "INV", code, "", v.category,
                                 v.description, v.fixedFee, v.chargingUnit});
    }
    qint64 SaveAction(const QString& code, const QString& item) {
        history::Action action = NewAction(Kind::Save);
        Save(action, code, item);
        return *action.id();
    }

    // Links and reference rows without their IDs (a link put back gets a new one).
    QStringList State() {
        QStringList out;
        for (const LinkRow& l : ReadLinks(db.connection(), ReferenceList::Er()))
            out << QStringList{l.code,
                               l.copies.category,
                               l.copies.description,
                               l.copies.fixedFee,
                               l.copies.chargingUnit,
                               l.itemId,
                               l.itemDesc,
                               l.invOrProc,
                               l.revenueId}
                       .join('|');
        out.sort();
        for (const ReferenceRow& r : ReadReferenceRows(db.connection(), ReferenceList::Er()))
            out << r.code + '|' + r.values.description + '|' + r.values.fixedFee;
        return out;
    }

    TestDatabase db;
};

// Each kind of write, from a state with links of A (items 1001, 1002) and B (1003): what the
// history holds of it, and an undo that brings back the state before it. The undo is recorded too,
// and undoing it makes the write again.
TEST_F(History, EachKindOfWriteIsRecordedWithItsRowsAndUndoneAsAWhole) {
    const struct {
        Kind kind;
        std::function<void(history::Action&)> write;
        QStringList changes;  // per row: change, code before, code after
    } cases[] = {
        {Kind::Save, [&](history::Action& a) { Save(a, "C", "1004"); }, {"insert||C"}},
        {Kind::Save, [&](history::Action& a) { Save(a, "C", "1001"); }, {"update|A|C"}},
        {Kind::Save, [&](history::Action& a) { Save(a, "A", "1001"); }, {"update|A|A"}},
        {Kind::Delete,
         [&](history::Action& a) {
             EXPECT_TRUE(DeleteLink(a, ReadLinks(db.connection(), ReferenceList::Er())[1].id));
         },
         {"delete|A|"}},
        {Kind::MapAll,
         [&](history::Action& a) {
             for (const char* item : {"1001", "1003", "1005"}) Save(a, "C", item);
         },
         {"update|A|C", "update|B|C", "insert||C"}},
        {Kind::ApplyChanges,
         [&](history::Action& a) {
             const ChangeReport report = ChangeReport::Compare(
                 ReferenceList::Er(), {{"A|Lab|Alpha, new|15|per test", "B|Lab|Beta|20|per test"}},
                 ReadReferenceRows(db.connection(), ReferenceList::Er()),
                 ReadLinks(db.connection(), ReferenceList::Er()));
             EXPECT_EQ(ApplyChanges::Apply(a, report, true).links, 2);
         },
         {"update|A|A", "update|A|A", "update|A|A"}},
        {Kind::Refresh,
         [&](history::Action& a) {
             EXPECT_EQ(StaleLinks::Refresh(a, StaleLinks::Check(db.connection(), ReferenceList::Er())), 1);
         },
         {"update|B|B"}},
        {Kind::ImportLinks,
         [&](history::Action& a) {
             const auto records = csv::Parse(
                 "Code,ItemID,InvOrProc,RevenueID,SectionID\r\nC,1001,INV,PH,\r\n"
                 "B,1,PROC,LB,\r\n");
             EXPECT_EQ(LinkImport::Run(a, records, false).stored, 2);
         },
         {"update|A|C", "insert||B"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(history::Word(c.kind).toStdString() + " " + c.changes.join(',').toStdString());
        db.connection().Execute("DELETE FROM [Build_FIle].[dbo].[ESOA_ER_LINK]");
        SaveAction("A", "1001");
        SaveAction("A", "1002");
        SaveAction("B", "1003");
        // A copy that differs from its reference row, for the refresh.
        db.connection().Execute(
            "UPDATE [Build_FIle].[dbo].[ESOA_ER_LINK] SET Description=N'old' WHERE Code='B'");
        const QStringList before = State();
        history::Action action = NewAction(c.kind);
        c.write(action);
        ASSERT_TRUE(action.id());
        const QStringList after = State();

        const auto recorded = history::ReadAction(db.connection(), *action.id(), "NOLOCK");
        ASSERT_TRUE(recorded);
        EXPECT_EQ(recorded->kind, history::Word(c.kind));
        EXPECT_EQ(recorded->user + "@" + recorded->workstation, "alice@WS-1");
        EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d\\d:\\d\\d$")
                        .match(recorded->At())
                        .hasMatch())
            << recorded->At().toStdString();
        QStringList changes;
        for (const history::RecordedRow& r : recorded->rows)
            changes << r.change.Change() + '|' + r.PreviousCode() + '|' +
                           (r.change.after ? r.change.after->code : "");
        EXPECT_EQ(changes, c.changes);

        const history::UndoResult undone = history::Undo(db.connection(), kAlice, *action.id());
        EXPECT_EQ(State(), before);
        ASSERT_TRUE(undone.undoAction);
        const auto undo = history::ReadAction(db.connection(), *undone.undoAction, "NOLOCK");
        EXPECT_EQ(undo->kind, "undo");
        EXPECT_EQ(undo->undoOf, action.id());
        // The undo undone: the write is made again.
        history::Undo(db.connection(), kAlice, *undone.undoAction);
        EXPECT_EQ(State(), after);
    }
    // Everything sent was T-SQL for SQL Server: its own ways to return the new ID and to read the time.
    const QString sent = db.sent.join('\n');
    EXPECT_TRUE(sent.contains("OUTPUT INSERTED.ID VALUES ("));
    EXPECT_TRUE(sent.contains("CAST(ChangedAt AS nvarchar(34))"));
    EXPECT_TRUE(sent.contains("[ChangedAt] [datetimeoffset] NOT NULL"));
    EXPECT_FALSE(sent.contains("RETURNING") || sent.contains("LIMIT ") || sent.contains("last_insert_rowid"));
}

TEST_F(History, UndoIsRefusedWhileALaterActionInForceChangedTheSameLinksAndNothingChanges) {
    const qint64 first = SaveAction("A", "1001");
    const qint64 move = SaveAction("B", "1001");
    const qint64 other = SaveAction("C", "1002");
    auto refusal = [&](qint64 id) {
        const QStringList before = State();
        try {
            history::Undo(db.connection(), kAlice, id);
        } catch (const history::UndoRefused& e) {
            EXPECT_EQ(State(), before);
            return e.text();
        }
        return QString();
    };
    const QString linkId = ReadLinks(db.connection(), ReferenceList::Er()).front().id;
    const QString refused = refusal(first);
    EXPECT_TRUE(
        refused.startsWith(QString("Action %1 cannot be undone: a later action changed its rows: link %2 "
                                   "(item 1001) by action %3 (save by alice on WS-1, ")
                               .arg(first)
                               .arg(linkId)
                               .arg(move)))
        << refused.toStdString();
    EXPECT_TRUE(refused.endsWith("Undo the later action first."));
    EXPECT_EQ(refusal(first), refused) << "a second try says the same";

    // The later action undone, its undo and it cancel out: the first can be undone now.
    const qint64 undoMove = *history::Undo(db.connection(), kAlice, move).undoAction;
    EXPECT_EQ(refusal(move), QString("Action %1 was undone already, by action %2.").arg(move).arg(undoMove));
    EXPECT_EQ(refusal(first), QString());
    EXPECT_EQ(refusal(99999), "There is no action 99999.");

    // A change the history does not hold is never overwritten.
    db.connection().Execute(
        "UPDATE [Build_FIle].[dbo].[ESOA_ER_LINK] SET Description=N'by hand' WHERE Code='C'");
    EXPECT_TRUE(refusal(other).contains("no longer hold what it left there")) << refusal(other).toStdString();
    // A dry run checks the same without changing anything.
    EXPECT_THROW(history::Undo(db.connection(), kAlice, other, true), history::UndoRefused);

    // A link deleted and put back by an undo lives on under a new ID: the save that made it can
    // still be undone, and removes it.
    const qint64 saved = SaveAction("A", "1004");
    history::Action erase = NewAction(Kind::Delete);
    DeleteLink(erase, ReadLinks(db.connection(), ReferenceList::Er()).back().id);
    history::Undo(db.connection(), kAlice, *erase.id());
    EXPECT_EQ(refusal(saved), QString());
    for (const LinkRow& l : ReadLinks(db.connection(), ReferenceList::Er())) EXPECT_NE(l.itemId, "1004");
}

TEST_F(History, ImportLinksChecksEveryRowAndStoresTheGoodOnesAsOneAction) {
    db.connection().Execute("UPDATE [Build_FIle].[dbo].[ESOA_ER] SET Code=N'-C' WHERE Code='C'");
    const QString text = QString::fromUtf8(
        "\xEF\xBB\xBFID,code,ItemID,InvOrProc,RevenueID,SectionID,Extra\r\n"
        "1,a,1001,INV,PH,,x\r\n"              // line 2: stored, the code as the list writes it
        "2,Z,1002,INV,PH,,x\r\n"              // 3
        "3,A,999999,INV,PH,,x\r\n"            // 4
        "4,A,1069,INV,PH,,x\r\n"              // 5: inactive
        "5,B,1,PROC,LB,,\"multi\nline\"\r\n"  // 6: stored
        "6,B,1,PROC,LB,,x\r\n"                // 8: the same item as line 6
        "7,B,1,inv,LB,,x\r\n"                 // 9
        "8,,1,PROC,LB,,x\r\n"                 // 10
        "9,'-C,2,PROC,LB,,x\r\n"              // 11: stored, the spreadsheet's apostrophe dropped
        "10,B\r\n");                          // 12
    const auto records = csv::Parse(text);
    history::Action dry = NewAction(Kind::ImportLinks);
    const LinkImport::Result checked = LinkImport::Run(dry, records, true);
    EXPECT_EQ(checked.stored, 0);
    EXPECT_EQ(checked.good, 3);
    EXPECT_TRUE(ReadLinks(db.connection(), ReferenceList::Er()).empty());
    EXPECT_FALSE(dry.id());

    history::Action action = NewAction(Kind::ImportLinks);
    const LinkImport::Result result = LinkImport::Run(action, records, false);
    QStringList refused;
    for (const auto& r : result.refused) refused << r.Text();
    EXPECT_EQ(refused,
              (QStringList{"line 3: code Z is not in ESOA_ER",
                           "line 4: item 999999 is not in Inventory..tbInvMaster (InvOrProc INV, RevenueID "
                           "'PH', SectionID '')",
                           "line 5: item 1069 is inactive in Inventory..tbInvMaster",
                           "line 8: the same item and revenue as line 6",
                           "line 9: InvOrProc must be INV or PROC, not \"inv\"", "line 10: no Code",
                           "line 12: 2 fields where the header has 7"}));
    EXPECT_EQ(result.rows, 10);
    EXPECT_EQ(result.stored, 3);
    QStringList links;
    for (const LinkRow& l : ReadLinks(db.connection(), ReferenceList::Er()))
        links << l.code + '|' + l.copies.description + '|' + l.itemId + '|' +
                     QString::number(l.itemDesc.isEmpty());
    EXPECT_EQ(links, (QStringList{"A|Alpha|1001|0", "B|Beta|1|0", "-C|Gamma|2|0"}));
    ASSERT_TRUE(action.id());
    EXPECT_EQ(history::ReadAction(db.connection(), *action.id(), "NOLOCK")->rows.size(), 3u);

    EXPECT_THROW(LinkImport::Run(action, csv::Parse("Code,ItemID\r\nA,1\r\n"), true), std::runtime_error);
    EXPECT_THROW(csv::Parse("Code\r\n\"open"), std::runtime_error);
}

TEST_F(History, TheListFiltersByCodeItemUserAndDate) {
    SaveAction("A", "1001");
    SaveAction("B", "1001");
    history::Action bob(db.connection(), {"bob", "WS-2"}, Kind::Save, ReferenceList::Er());
    Save(bob, "C", "1002");
    const struct {
        history::Filter filter;
        QStringList rows;  // per listed row, newest action first: kind, code, previous code, item
    } cases[] = {
        {{}, {"save|C||1002", "save|B|A|1001", "save|A||1001"}},
        {{"a", {}, {}, {}, 0}, {"save|B|A|1001", "save|A||1001"}},
        {{{}, "1002", {}, {}, 0}, {"save|C||1002"}},
        {{{}, {}, "BOB", {}, 0}, {"save|C||1002"}},
        {{{}, {}, {}, QDate::currentDate().addDays(1), 0}, {}},
        {{{}, {}, {}, QDate::currentDate().addDays(-1), 2}, {"save|C||1002", "save|B|A|1001"}},
    };
    for (const auto& c : cases) {
        QStringList rows;
        for (const history::RecordedAction& a :
             history::ReadHistory(db.connection(), ReferenceList::Er(), c.filter)) {
            for (const history::RecordedRow& r : a.rows)
                rows << a.kind + '|' + r.Code() + '|' + r.PreviousCode() + '|' + r.Either().itemId;
        }
        EXPECT_EQ(rows, c.rows) << c.filter.code.toStdString() << c.filter.item.toStdString();
    }
}

// Where the history tables cannot be made (here: files opened read-only), that is said plainly;
// where they are missing, writes go on unrecorded and there is nothing to undo.
TEST_F(History, WithoutItsTablesWritesGoOnUnrecordedAndTheNoticeSaysWhy) {
    for (const char* table : {"ESOA_HISTORY_ROW", "ESOA_HISTORY"})
        db.connection().Execute(
            QStringLiteral("DROP TABLE [Build_FIle].[dbo].[%1]").arg(QLatin1String(table)));
    history::Action action = NewAction(Kind::Save);
    EXPECT_FALSE(action.recorded());
    EXPECT_EQ(Save(action, "A", "1001").kind, SaveOutcome::Kind::Inserted);
    EXPECT_FALSE(action.id());
    EXPECT_EQ(ReadLinks(db.connection(), ReferenceList::Er()).size(), 1u);
    EXPECT_THROW(history::Undo(db.connection(), kAlice, 1), history::UndoRefused);

    SqliteConnection::Options readOnly;
    readOnly.access = SqliteConnection::Access::ReadOnly;
    db.Reopen(readOnly);
    const history::Readiness ready = history::Prepare(db.connection());
    EXPECT_FALSE(ready.recorded);
    EXPECT_TRUE(
        ready.Notice().startsWith("Changes are not being recorded: the history tables ESOA_HISTORY and "
                                  "ESOA_HISTORY_ROW are missing and cannot be created ("))
        << ready.Notice().toStdString();
}

}  // namespace
}  // namespace esoa::test
