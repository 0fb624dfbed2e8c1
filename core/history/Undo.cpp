#include "core/history/Undo.h"

#include <QHash>
#include <QMap>

#include "core/history/HistoryTables.h"
#include "core/links/LinkWrite.h"
#include "core/updates/ApplyChanges.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/SqlText.h"

namespace esoa::history {
namespace {

std::pair<CodeKey, CodeKey> PairKey(const LinkRow& row) {
    return {CodeKey(row.revenueId), CodeKey(row.itemId)};
}

bool SameValues(const LinkRow& a, const LinkRow& b) {
    return a.code == b.code && DifferingValues(a.copies, b.copies).isEmpty() && a.itemDesc == b.itemDesc &&
           a.invOrProc == b.invOrProc && a.sectionId == b.sectionId &&
           a.sortOrder.trimmed().toLongLong() == b.sortOrder.trimmed().toLongLong() &&
           a.sortOrder.trimmed().isEmpty() == b.sortOrder.trimmed().isEmpty();
}

bool SameState(const std::optional<LinkRow>& a, const std::optional<LinkRow>& b) {
    if (!a || !b) return !a && !b;
    return SameValues(*a, *b);
}

// "link 12 (item 1016)" or "row 7 of ESOA_ER (code ER-1)".
QString RowName(const RecordedRow& row) {
    if (row.isLink()) return QStringLiteral("link %1 (item %2)").arg(row.change.rowId, row.Either().itemId);
    return QStringLiteral("row %1 of %2 (code %3)").arg(row.change.rowId, row.change.table, row.Code());
}

// One row of the action's tables, followed through the rows written after the action: its first
// and last change by the action, and where it is now.
struct Target {
    const RecordedRow* first = nullptr;
    const RecordedRow* last = nullptr;
    QString currentId;  // empty: the row does not exist now
    std::optional<LinkRow> current;
};

// The undos of the actions after `id` on the list, newest first: undo -> the action it undid.
QMap<qint64, qint64> LaterUndos(Connection& connection, const RecordedAction& action, const QString& hint) {
    const ReadResult found = connection.Read(
        QStringLiteral(
            "SELECT ID, UndoOf FROM %1 WITH (%2) WHERE LinkTable = %3 AND ID > %4 AND UndoOf IS NOT NULL")
            .arg(TableName(kActionTable), hint, sql::TextLiteral(action.linkTable))
            .arg(action.id),
        CursorType::ForwardOnly, LockType::ReadOnly);
    QMap<qint64, qint64> undos;
    for (const QStringList& r : found.rows) undos.insert(r.value(0).toLongLong(), r.value(1).toLongLong());
    return undos;
}

// Which actions are not in force: action -> the undo (in force itself) that undid it.
QHash<qint64, qint64> UndoneActions(const QMap<qint64, qint64>& undos) {
    QHash<qint64, qint64> undoneBy;
    for (auto u = undos.constEnd(); u != undos.constBegin();) {
        --u;
        if (!undoneBy.contains(u.key()) && !undoneBy.contains(u.value())) undoneBy.insert(u.value(), u.key());
    }
    return undoneBy;
}

class UndoRun {
public:
    UndoRun(Connection& connection, const ReferenceList& list, qint64 id, const QString& hint)
        : c_(connection), list_(list), id_(id), hint_(hint) {}

    RecordedAction Check() {
        std::optional<RecordedAction> action = ReadAction(c_, id_, hint_);
        if (!action) throw UndoRefused(QStringLiteral("There is no action %1.").arg(id_).toStdString());
        action_ = std::move(*action);
        if (action_.rows.empty())
            throw UndoRefused(
                QStringLiteral("Action %1 changed no row: there is nothing to undo.").arg(id_).toStdString());
        const QMap<qint64, qint64> undos = LaterUndos(c_, action_, hint_);
        const QHash<qint64, qint64> undoneBy = UndoneActions(undos);
        if (undoneBy.contains(id_))
            throw UndoRefused(QStringLiteral("Action %1 was undone already, by action %2.")
                                  .arg(id_)
                                  .arg(undoneBy.value(id_))
                                  .toStdString());
        FindTargets();
        FollowLaterRows(undos, undoneBy);
        ReadCurrentRows();
        return action_;
    }

    // Puts every row back as it was before the action; returns how many.
    int Apply(Action& undo) {
        int rows = 0;
        for (auto t = targets_.rbegin(); t != targets_.rend(); ++t) {
            const std::optional<LinkRow>& before = t->first->change.before;
            if (t->first->isLink()) {
                PutLink(undo, t->current, before);
            } else if (before && t->current) {
                c_.Execute(ReferenceRowUpdate(list_, t->currentId, before->copies));
                const auto after = ReadReferenceRowsById(c_, list_, {t->currentId}, hint_);
                if (!after.empty()) {
                    const ReferenceRow& r = after.front();
                    undo.Record({list_.table, r.id, t->current,
                                 LinkRow{r.id, r.code, r.values, {}, {}, {}, {}, {}, {}}});
                }
            }
            ++rows;
        }
        return rows;
    }

private:
    void FindTargets() {
        QHash<QString, size_t> byRow;
        for (const RecordedRow& row : action_.rows) {
            const QString key = row.change.table + QLatin1Char('\n') + row.change.rowId;
            const auto found = byRow.constFind(key);
            if (found == byRow.constEnd()) {
                byRow.insert(key, targets_.size());
                targets_.push_back(
                    {&row, &row, row.change.after ? row.change.rowId : QString(), std::nullopt});
            } else {
                Target& t = targets_[*found];
                t.last = &row;
                t.currentId = row.change.after ? row.change.rowId : QString();
            }
        }
    }

    // A later action in force changed a row of this one: refused. Later rows of actions that were
    // undone, or that undid such actions, cancel out; they still tell where a link deleted and put
    // back by them lives now.
    void FollowLaterRows(const QMap<qint64, qint64>& undos, const QHash<qint64, qint64>& undoneBy) {
        QMap<qint64, QStringList> blockers;
        for (const auto& [action, row] : ReadLaterRows(c_, id_, {list_.linkTable(), list_.table}, hint_)) {
            const bool cancelled =
                undoneBy.contains(action) || (undos.contains(action) && undos.value(action) > id_);
            for (Target& t : targets_) {
                if (t.first->change.table.compare(row.change.table, Qt::CaseInsensitive) != 0) continue;
                const bool same = t.currentId.isEmpty()
                                      ? row.isLink() && !row.change.before &&
                                            PairKey(row.Either()) == PairKey(t.first->Either())
                                      : row.change.rowId == t.currentId;
                if (!same) continue;
                if (!cancelled) {
                    QStringList& names = blockers[action];
                    if (!names.contains(RowName(*t.first))) names << RowName(*t.first);
                }
                t.currentId = row.change.after ? row.change.rowId : QString();
            }
        }
        if (blockers.isEmpty()) return;
        QStringList parts;
        const std::vector<RecordedAction> later = ReadActions(c_, blockers.keys(), QStringLiteral("NOLOCK"));
        for (const RecordedAction& a : later)
            parts << QStringLiteral("%1 by %2")
                         .arg(blockers.value(a.id).join(QStringLiteral(", ")), a.Described());
        throw UndoRefused(
            QStringLiteral("Action %1 cannot be undone: a later action changed its rows: %2. Undo the "
                           "later action first.")
                .arg(QString::number(id_), parts.join(QStringLiteral("; ")))
                .toStdString());
    }

    void ReadCurrentRows() {
        QStringList links, references;
        for (const Target& t : targets_) {
            if (t.currentId.isEmpty()) continue;
            (t.first->isLink() ? links : references) << t.currentId;
        }
        QHash<QString, LinkRow> now;
        for (const LinkRow& l : ReadLinksById(c_, list_, links, hint_))
            now.insert(QStringLiteral("L") + l.id, l);
        for (const ReferenceRow& r : ReadReferenceRowsById(c_, list_, references, hint_))
            now.insert(QStringLiteral("R") + r.id, LinkRow{r.id, r.code, r.values, {}, {}, {}, {}, {}, {}});
        QStringList changed;
        for (Target& t : targets_) {
            const QString key = (t.first->isLink() ? QStringLiteral("L") : QStringLiteral("R")) + t.currentId;
            if (!t.currentId.isEmpty() && now.contains(key)) t.current = now.value(key);
            std::optional<LinkRow> expected = t.last->change.after;
            if (!SameState(t.current, expected)) changed << RowName(*t.first);
            if (t.first->isLink() && !t.current && t.first->change.before) RequireNoOtherLink(t);
        }
        if (!changed.isEmpty())
            throw UndoRefused(
                QStringLiteral("Action %1 cannot be undone: %2 no longer hold what it left there (changed "
                               "outside the recorded history).")
                    .arg(QString::number(id_), changed.join(QStringLiteral(", ")))
                    .toStdString());
    }

    // A link put back must not give its item a second link.
    void RequireNoOtherLink(const Target& t) {
        const LinkRow& link = *t.first->change.before;
        const ReadResult other = c_.Read(
            QStringLiteral("SELECT ID, Code FROM [Build_FIle].[dbo].[%1] WITH (%2) WHERE RevenueID = '%3' "
                           "AND ItemID = '%4'")
                .arg(list_.linkTable(), hint_, sql::Escaped(link.revenueId), sql::Escaped(link.itemId)),
            CursorType::ForwardOnly, LockType::ReadOnly);
        if (other.rows.empty()) return;
        throw UndoRefused(
            QStringLiteral("Action %1 cannot be undone: item %2 (revenue %3) has another link now (link %4, "
                           "code %5).")
                .arg(QString::number(id_), link.itemId, link.revenueId, other.rows.front().value(0),
                     other.rows.front().value(1))
                .toStdString());
    }

    Connection& c_;
    const ReferenceList& list_;
    qint64 id_;
    QString hint_;
    RecordedAction action_;
    std::vector<Target> targets_;
};

}  // namespace

UndoResult Undo(Connection& connection, const Actor& actor, qint64 id, bool dryRun) {
    if (!Recorded(connection))
        throw UndoRefused("Changes are not being recorded in this database: there is nothing to undo.");
    const std::vector<RecordedAction> head = ReadActions(connection, {id}, QStringLiteral("NOLOCK"));
    if (head.empty()) throw UndoRefused(QStringLiteral("There is no action %1.").arg(id).toStdString());
    QString table = head.front().linkTable;
    table.chop(int(QStringLiteral("_LINK").size()));
    const std::optional<ReferenceList> list = ReferenceList::Named(table);
    if (!list || list->linkTable() != head.front().linkTable)
        throw UndoRefused(QStringLiteral("Action %1 is on %2, which is no link table of this program.")
                              .arg(QString::number(id), head.front().linkTable)
                              .toStdString());
    UndoResult result;
    if (dryRun) {
        UndoRun run(connection, *list, id, QStringLiteral("NOLOCK"));
        result.undone = run.Check();
        return result;
    }
    Action undo(connection, actor, Kind::Undo, *list, id);
    undo.Transact([&] {
        UndoRun run(connection, *list, id, QStringLiteral("UPDLOCK, HOLDLOCK"));
        result.undone = run.Check();
        result.rows = run.Apply(undo);
    });
    result.undoAction = undo.id();
    return result;
}

}  // namespace esoa::history
