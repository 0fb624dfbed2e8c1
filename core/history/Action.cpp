#include "core/history/Action.h"

#include <QDateTime>
#include <QSysInfo>

#include "core/history/HistoryTables.h"
#include "database/Connection.h"
#include "database/Money.h"
#include "database/RetryOnBusy.h"
#include "database/SqlText.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace esoa::history {
namespace {

QString Text(const QString& value) {
    return sql::TextLiteral(value);
}

QString Number(const QString& value) {
    return value.trimmed().isEmpty() ? QStringLiteral("NULL") : QString::number(value.trimmed().toLongLong());
}

// The Old... or New... values of a row, in the order of the columns' names below.
QStringList Values(const std::optional<LinkRow>& row) {
    if (!row) return QStringList(9, QStringLiteral("NULL"));
    const LinkRow& r = *row;
    return {Text(r.code),
            Text(r.copies.category),
            Text(r.copies.description),
            sql::MoneyLiteral(r.copies.fixedFee),
            Text(r.copies.chargingUnit),
            Text(r.itemDesc),
            Text(r.invOrProc),
            Text(r.sectionId),
            Number(r.sortOrder)};
}

}  // namespace

QString Word(Kind kind) {
    switch (kind) {
        case Kind::Save:
            return QStringLiteral("save");
        case Kind::Delete:
            return QStringLiteral("delete");
        case Kind::MapAll:
            return QStringLiteral("map-all");
        case Kind::ApplyChanges:
            return QStringLiteral("apply-changes");
        case Kind::Refresh:
            return QStringLiteral("refresh");
        case Kind::ImportLinks:
            return QStringLiteral("import-links");
        case Kind::Undo:
            break;
    }
    return QStringLiteral("undo");
}

Actor Actor::Here(const QString& user) {
    return {user, QSysInfo::machineHostName()};
}

QString LoginName() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) return name;
    }
#ifdef Q_OS_UNIX
    if (const passwd* entry = getpwuid(geteuid())) return QString::fromLocal8Bit(entry->pw_name);
#endif
    return {};
}

QString RowChange::Change() const {
    if (!before) return QStringLiteral("insert");
    return after ? QStringLiteral("update") : QStringLiteral("delete");
}

QString NowText() {
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + QStringLiteral("0000 ") +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

Action::Action(Connection& connection, Actor actor, Kind kind, ReferenceList list,
               std::optional<qint64> undoOf)
    : connection_(connection),
      actor_(std::move(actor)),
      kind_(kind),
      list_(std::move(list)),
      undoOf_(undoOf),
      recorded_(Recorded(connection)) {}

void Action::Transact(const std::function<void()>& work) {
    if (connection_.inTransaction()) {
        work();
        return;
    }
    RetryOnBusy(connection_, [&] {
        pending_.reset();
        Transaction transaction(connection_);
        if (id_) RequireNotUndone();
        work();
        transaction.Commit();
        if (pending_) id_ = pending_;
        pending_.reset();
    });
}

void Action::Record(const RowChange& change) {
    if (!recorded_) return;
    if (!id_ && !pending_) pending_ = Open();
    const qint64 action = id_ ? *id_ : *pending_;
    const LinkRow& any = change.after ? *change.after : *change.before;
    const QString rowId = sql::IsRowId(change.rowId) ? change.rowId : QStringLiteral("NULL");
    QStringList names{QStringLiteral("ActionID"),  QStringLiteral("TableName"), QStringLiteral("RowID"),
                      QStringLiteral("RowChange"), QStringLiteral("ItemID"),    QStringLiteral("RevenueID")};
    QStringList values{QString::number(action), Text(change.table), rowId,
                       Text(change.Change()),   Text(any.itemId),   Text(any.revenueId)};
    const QStringList before = Values(change.before), after = Values(change.after);
    int i = 0;
    for (const char* column : {"Code", "Category", "Description", "FixedFee", "ChargingUnit", "ItemDesc",
                               "InvOrProc", "SectionID", "SortOrder"}) {
        names << QStringLiteral("Old") + QLatin1String(column)
              << QStringLiteral("New") + QLatin1String(column);
        values << before[i] << after[i];
        ++i;
    }
    connection_.Execute(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(TableName(kRowTable), names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

qint64 Action::Open() {
    const ReadResult inserted = connection_.Read(
        QStringLiteral("INSERT INTO %1 (LinkTable, Kind, UserName, Workstation, ChangedAt, UndoOf) OUTPUT "
                       "INSERTED.ID VALUES (%2, %3, %4, %5, %6, %7)")
            .arg(TableName(kActionTable), Text(list_.linkTable()), Text(Word(kind_)), Text(actor_.user),
                 Text(actor_.workstation), Text(NowText()),
                 undoOf_ ? QString::number(*undoOf_) : QStringLiteral("NULL")),
        CursorType::ForwardOnly, LockType::ReadOnly);
    return inserted.rows.at(0).value(0).toLongLong();
}

void Action::RequireNotUndone() {
    // UPDLOCK, HOLDLOCK: an undo of this action that has not committed yet is waited for, and one
    // that has not started cannot record itself before this transaction ends.
    const ReadResult undone =
        connection_.Read(QStringLiteral("SELECT ID FROM %1 WITH (UPDLOCK, HOLDLOCK) WHERE UndoOf = %2")
                             .arg(TableName(kActionTable))
                             .arg(*id_),
                         CursorType::ForwardOnly, LockType::ReadOnly);
    if (undone.rows.empty()) return;
    throw DbError(
        QStringLiteral("Action %1 was undone meanwhile (by action %2): nothing more was written under it.")
            .arg(*id_)
            .arg(undone.rows.front().value(0)));
}

}  // namespace esoa::history
