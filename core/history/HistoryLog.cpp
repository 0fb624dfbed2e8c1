#include "core/history/HistoryLog.h"

#include <QHash>

#include "core/history/HistoryTables.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/SqlText.h"

namespace esoa::history {
namespace {

const char* const kValues[] = {"Code",     "Category",  "Description", "FixedFee", "ChargingUnit",
                               "ItemDesc", "InvOrProc", "SectionID",   "SortOrder"};

QString ActionColumns() {
    return QStringLiteral(
        "ID, LinkTable, Kind, UserName, Workstation, CAST(ChangedAt AS nvarchar(34)) AS ChangedAt, UndoOf");
}

QString RowColumns() {
    QStringList columns{QStringLiteral("ID"),       QStringLiteral("ActionID"),  QStringLiteral("TableName"),
                        QStringLiteral("RowID"),    QStringLiteral("RowChange"), QStringLiteral("ItemID"),
                        QStringLiteral("RevenueID")};
    for (const char* value : kValues)
        columns << QStringLiteral("Old") + QLatin1String(value)
                << QStringLiteral("New") + QLatin1String(value);
    return columns.join(QStringLiteral(", "));
}

RecordedAction ActionFrom(const QStringList& r) {
    RecordedAction a;
    a.id = r.value(0).toLongLong();
    a.linkTable = r.value(1);
    a.kind = r.value(2);
    a.user = r.value(3);
    a.workstation = r.value(4);
    a.changedAt = r.value(5);
    if (!r.value(6).isEmpty()) a.undoOf = r.value(6).toLongLong();
    return a;
}

// A history row: its action's ID and the row.
std::pair<qint64, RecordedRow> RowFrom(const QStringList& r) {
    RecordedRow row;
    row.id = r.value(0);
    row.change.table = r.value(2);
    row.change.rowId = r.value(3);
    const QString change = r.value(4);
    auto state = [&](int offset) {
        LinkRow s;
        s.id = row.change.rowId;
        s.itemId = r.value(5);
        s.revenueId = r.value(6);
        auto v = [&](int i) { return r.value(7 + 2 * i + offset); };
        s.code = v(0);
        s.copies = {v(1), v(2), v(3), v(4)};
        s.itemDesc = v(5);
        s.invOrProc = v(6);
        s.sectionId = v(7);
        s.sortOrder = v(8);
        return s;
    };
    if (change != QLatin1String("insert")) row.change.before = state(0);
    if (change != QLatin1String("delete")) row.change.after = state(1);
    return {r.value(1).toLongLong(), row};
}

// The rows of the history that `where` selects, newest action first (or, with `oldestFirst`, in the
// order written).
std::vector<std::pair<qint64, RecordedRow>> ReadRows(Connection& connection, const QString& hint,
                                                     const QString& where, bool oldestFirst = false) {
    const ReadResult result =
        connection.Read(QStringLiteral("SELECT %1 FROM %2 WITH (%3) WHERE %4 ORDER BY ActionID%5, ID")
                            .arg(RowColumns(), TableName(kRowTable), hint, where,
                                 oldestFirst ? QString() : QStringLiteral(" DESC")),
                        CursorType::ForwardOnly, LockType::ReadOnly);
    std::vector<std::pair<qint64, RecordedRow>> rows;
    rows.reserve(result.rows.size());
    for (const QStringList& r : result.rows) rows.push_back(RowFrom(r));
    return rows;
}

QString Text(const QString& value) {
    return sql::TextLiteral(value);
}

QString Ids(const QList<qint64>& ids) {
    QStringList out;
    for (const qint64 id : ids) out << QString::number(id);
    return out.join(QLatin1Char(','));
}

}  // namespace

QString RecordedRow::Code() const {
    return Either().code;
}

QString RecordedRow::PreviousCode() const {
    return change.before ? change.before->code : QString();
}

QString RecordedAction::At() const {
    // "2024-05-01 10:20:30.1230000 +08:00": the fraction of a second is left out.
    const qsizetype dot = changedAt.indexOf(QLatin1Char('.'));
    const qsizetype blank = changedAt.lastIndexOf(QLatin1Char(' '));
    if (dot < 0 || blank < dot) return changedAt;
    return changedAt.left(dot) + changedAt.mid(blank);
}

QDate RecordedAction::Date() const {
    return QDate::fromString(changedAt.left(10), Qt::ISODate);
}

int RecordedAction::Links() const {
    int links = 0;
    for (const RecordedRow& r : rows) links += r.isLink() ? 1 : 0;
    return links;
}

QString RecordedAction::FirstCode() const {
    return rows.empty() ? QString() : rows.front().Code();
}

QString RecordedAction::Described() const {
    return QStringLiteral("action %1 (%2 by %3 on %4, %5)")
        .arg(QString::number(id), kind, user, workstation, At());
}

std::vector<RecordedAction> ReadHistory(Connection& connection, const ReferenceList& list,
                                        const Filter& filter) {
    QString where = QStringLiteral("LinkTable = ") + Text(list.linkTable());
    if (!filter.user.isEmpty()) where += QStringLiteral(" AND UserName = ") + Text(filter.user);
    const ReadResult found =
        connection.Read(QStringLiteral("SELECT %1 FROM %2 WITH (NOLOCK) WHERE %3 ORDER BY ID DESC")
                            .arg(ActionColumns(), TableName(kActionTable), where),
                        CursorType::ForwardOnly, LockType::ReadOnly);
    std::vector<RecordedAction> actions;
    for (const QStringList& r : found.rows) {
        RecordedAction a = ActionFrom(r);
        if (filter.since.isValid() && !(a.Date() >= filter.since)) continue;
        actions.push_back(std::move(a));
    }
    const bool byRow = !filter.code.isEmpty() || !filter.item.isEmpty();
    if (!byRow && filter.limit > 0 && actions.size() > size_t(filter.limit))
        actions.resize(size_t(filter.limit));
    if (actions.empty()) return actions;

    QString rowWhere = QStringLiteral("TableName IN (%1, %2) AND ActionID >= %3")
                           .arg(Text(list.linkTable()), Text(list.table))
                           .arg(actions.back().id);
    if (!filter.code.isEmpty())
        rowWhere += QStringLiteral(" AND (OldCode = %1 OR NewCode = %1)").arg(Text(filter.code));
    if (!filter.item.isEmpty()) rowWhere += QStringLiteral(" AND ItemID = ") + Text(filter.item);
    QHash<qint64, size_t> index;
    for (size_t i = 0; i < actions.size(); ++i) index.insert(actions[i].id, i);
    for (auto& [action, row] : ReadRows(connection, QStringLiteral("NOLOCK"), rowWhere)) {
        const auto at = index.constFind(action);
        if (at != index.constEnd()) actions[*at].rows.push_back(std::move(row));
    }
    if (byRow) {
        std::erase_if(actions, [](const RecordedAction& a) { return a.rows.empty(); });
        if (filter.limit > 0 && actions.size() > size_t(filter.limit)) actions.resize(size_t(filter.limit));
    }
    return actions;
}

std::vector<RecordedAction> ReadActions(Connection& connection, const QList<qint64>& ids,
                                        const QString& hint) {
    if (ids.isEmpty()) return {};
    const ReadResult found =
        connection.Read(QStringLiteral("SELECT %1 FROM %2 WITH (%3) WHERE ID IN (%4) ORDER BY ID")
                            .arg(ActionColumns(), TableName(kActionTable), hint, Ids(ids)),
                        CursorType::ForwardOnly, LockType::ReadOnly);
    std::vector<RecordedAction> actions;
    for (const QStringList& r : found.rows) actions.push_back(ActionFrom(r));
    return actions;
}

std::optional<RecordedAction> ReadAction(Connection& connection, qint64 id, const QString& hint) {
    std::vector<RecordedAction> found = ReadActions(connection, {id}, hint);
    if (found.empty()) return std::nullopt;
    RecordedAction action = std::move(found.front());
    for (auto& [owner, row] : ReadRows(connection, hint, QStringLiteral("ActionID = %1").arg(id)))
        action.rows.push_back(std::move(row));
    return action;
}

std::vector<std::pair<qint64, RecordedRow>> ReadLaterRows(Connection& connection, qint64 after,
                                                          const QStringList& tables, const QString& hint) {
    QStringList names;
    for (const QString& t : tables) names << Text(t);
    return ReadRows(connection, hint,
                    QStringLiteral("ActionID > %1 AND TableName IN (%2)")
                        .arg(after)
                        .arg(names.join(QStringLiteral(", "))),
                    true);
}

}  // namespace esoa::history
