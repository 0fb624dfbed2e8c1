#include "core/links/LinkWrite.h"

#include <stdexcept>

#include "core/history/Action.h"
#include "core/links/LinkSource.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/Money.h"
#include "database/SqlText.h"

namespace esoa {
namespace {

const QString kLocked = QStringLiteral("UPDLOCK, HOLDLOCK");

QString LinkTable(const ReferenceList& list) {
    return QStringLiteral("[Build_FIle].[dbo].[") + list.linkTable() + QLatin1Char(']');
}

// The table that holds a link's item; read before any transaction when it depends on tbRevenues.
ItemTable SourceTable(Connection& connection, const LinkSource& source, const QString& revenueId) {
    const ItemTable table =
        source.Table(source.NeedsRevenueTables() ? RevenueExamTables::ReadOne(connection, revenueId)
                                                 : RevenueExamTables());
    RequirePlainNames(table);
    return table;
}

// Inside the write's transaction: the item is a row of its source, or nothing is written.
void RequireItemInSource(Connection& connection, const QString& itemId, const ItemTable& table,
                         const LinkSource& source) {
    const QString statement = QStringLiteral("SELECT COUNT(*) FROM ") + table.Reference() +
                              QStringLiteral(" WHERE ") + table.idField + QStringLiteral(" = '") +
                              sql::Escaped(itemId) + QStringLiteral("'");
    bool found = false;
    try {
        const ReadResult count = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
        found = !count.rows.empty() && count.rows.front().value(0) != QLatin1String("0");
    } catch (const DbError& e) {
        // SQL Server cannot even compare a text that is no number with a numeric key: no such row.
        if (!e.causedByValue()) throw;
    }
    if (found) return;
    throw ItemNotInSource(QStringLiteral("Item %1 is not a row of %2 (%3): the link was not saved.")
                              .arg(itemId, table.name, source.Described()),
                          {}, statement, DbError::Cause::Value);
}

LinkRow RowOf(const Recordset& rs) {
    LinkRow r;
    r.id = rs.Value(QStringLiteral("ID"));
    r.code = rs.Value(QStringLiteral("Code"));
    r.copies = {rs.Value(QStringLiteral("Category")), rs.Value(QStringLiteral("Description")),
                rs.Value(QStringLiteral("FixedFee")), rs.Value(QStringLiteral("ChargingUnit"))};
    r.itemId = rs.Value(QStringLiteral("ItemID"));
    r.itemDesc = rs.Value(QStringLiteral("ItemDesc"));
    r.invOrProc = rs.Value(QStringLiteral("InvOrProc"));
    r.revenueId = rs.Value(QStringLiteral("RevenueID"));
    r.sectionId = rs.Value(QStringLiteral("SectionID"));
    r.sortOrder = rs.Value(QStringLiteral("SortOrder"));
    return r;
}

// The link just inserted for a pair no other link had: the newest row of the pair, which the
// transaction's lock keeps from any other writer.
LinkRow InsertedLink(Connection& connection, const ReferenceList& list, const QString& revenueId,
                     const QString& itemId) {
    const ReadResult rows = connection.Read(
        QStringLiteral("SELECT TOP 1 ") + LinkColumns() + QStringLiteral(" FROM ") + LinkTable(list) +
            QStringLiteral(" WITH (UPDLOCK, HOLDLOCK) WHERE RevenueID = '") + sql::Escaped(revenueId) +
            QStringLiteral("' AND ItemID = '") + sql::Escaped(itemId) + QStringLiteral("' ORDER BY ID DESC"),
        CursorType::ForwardOnly, LockType::ReadOnly);
    if (rows.rows.empty()) throw DbError(QStringLiteral("The link just saved cannot be read back."));
    return LinkRowFrom(rows.rows.front());
}

LinkRow LockedLink(Connection& connection, const ReferenceList& list, const QString& id) {
    const std::vector<LinkRow> rows = LockedLinks(connection, list, {id});
    if (rows.empty()) throw DbError(QStringLiteral("Link %1 cannot be read back.").arg(id));
    return rows.front();
}

QString Text(const QString& value) {
    return sql::TextLiteral(value);
}

QString SmallInt(const QString& value) {
    if (value.trimmed().isEmpty()) return QStringLiteral("NULL");
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok) throw std::invalid_argument(QStringLiteral("'%1' is not a number").arg(value).toStdString());
    return QString::number(n);
}

QString DeleteStatement(const ReferenceList& list, const QString& id) {
    return QStringLiteral("DELETE FROM [Build_FIle].[dbo].[") + list.table + QStringLiteral("_LINK] WHERE ") +
           QStringLiteral("ID='") + sql::Escaped(id) + QStringLiteral("' ");
}

}  // namespace

std::vector<LinkRow> LockedLinks(Connection& connection, const ReferenceList& list, const QStringList& ids) {
    return ReadLinksById(connection, list, ids, kLocked);
}

SaveOutcome SaveLink(history::Action& action, const LinkValues& link) {
    Connection& connection = action.connection();
    const ReferenceList& list = action.list();
    if (link.table.compare(list.table, Qt::CaseInsensitive) != 0)
        throw std::invalid_argument("a link of another list than its action's");
    const LinkSource source(link.invOrProc, link.revenueId, link.sectionId);
    const ItemTable table = SourceTable(connection, source, link.revenueId);

    // UPDLOCK, HOLDLOCK: on SQL Server the lookup locks the pair's key range until the commit, so a
    // second workstation saving the same hospital item waits here instead of inserting it too. The
    // embedded database's write lock, taken when the transaction begins, does the same.
    const QString statement =
        QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") + link.table + QStringLiteral("_LINK ") +
        QStringLiteral("WITH (UPDLOCK, HOLDLOCK) ") + QStringLiteral(" WHERE ") +
        QStringLiteral("     RevenueID ='") + sql::Escaped(link.revenueId) + QStringLiteral("'") +
        QStringLiteral(" AND ItemID    ='") + sql::Escaped(link.itemId) + QStringLiteral("'");
    SaveOutcome outcome;
    action.Transact([&] {
        RequireItemInSource(connection, link.itemId, table, source);
        Recordset rs = connection.OpenRecordset(statement, CursorType::Dynamic, LockType::Optimistic);
        std::optional<LinkRow> before;
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField(QStringLiteral("ItemID"), link.itemId);
            rs.SetField(QStringLiteral("RevenueID"), link.revenueId);
        } else {
            before = RowOf(rs);
        }
        rs.SetField(QStringLiteral("ItemDesc"), link.itemDesc);
        rs.SetField(QStringLiteral("InvOrProc"), link.invOrProc);
        rs.SetField(QStringLiteral("CODE"), link.code);
        rs.SetField(QStringLiteral("SectionID"), link.sectionId);
        rs.SetField(QStringLiteral("Category"), link.category);
        rs.SetField(QStringLiteral("Description"), link.description);
        rs.SetField(QStringLiteral("FixedFee"), link.fixedFee);
        rs.SetField(QStringLiteral("ChargingUnit"), link.chargingUnit);
        rs.Update();
        rs.Close();
        const LinkRow after = before ? LockedLink(connection, list, before->id)
                                     : InsertedLink(connection, list, link.revenueId, link.itemId);
        action.Record({list.linkTable(), after.id, before, after});
        outcome = {SaveOutcome::Kind::Inserted, after.id, {}};
        if (before) {
            const bool moved = CodeKey(before->code) != CodeKey(after.code);
            outcome.kind = moved ? SaveOutcome::Kind::Moved : SaveOutcome::Kind::Rewritten;
            if (moved) outcome.previousCode = before->code;
        }
    });
    return outcome;
}

bool DeleteLink(history::Action& action, const QString& id) {
    Connection& connection = action.connection();
    const ReferenceList& list = action.list();
    if (!sql::IsRowId(id))
        throw std::invalid_argument(QStringLiteral("'%1' is not a link ID").arg(id).toStdString());
    bool deleted = false;
    action.Transact([&] {
        deleted = false;
        const std::vector<LinkRow> before = LockedLinks(connection, list, {id});
        if (before.empty()) return;
        connection.Execute(DeleteStatement(list, id));
        action.Record({list.linkTable(), id, before.front(), std::nullopt});
        deleted = true;
    });
    return deleted;
}

int RewriteLinkCopies(history::Action& action, const QStringList& ids, const CodeValues& copies) {
    Connection& connection = action.connection();
    const ReferenceList& list = action.list();
    const QString fee = sql::MoneyLiteral(copies.fixedFee);
    const std::vector<LinkRow> before = LockedLinks(connection, list, ids);
    if (before.empty()) return 0;
    QStringList found;
    for (const LinkRow& link : before) found << link.id;
    for (const QString& id : found) {
        connection.Execute(QStringLiteral("UPDATE ") + LinkTable(list) + QStringLiteral(" SET Category=") +
                           Text(copies.category) + QStringLiteral(", Description=") +
                           Text(copies.description) + QStringLiteral(", FixedFee=") + fee +
                           QStringLiteral(", ChargingUnit=") + Text(copies.chargingUnit) +
                           QStringLiteral(" WHERE ID=") + id);
    }
    const std::vector<LinkRow> after = LockedLinks(connection, list, found);
    for (size_t i = 0; i < before.size() && i < after.size(); ++i)
        action.Record({list.linkTable(), before[i].id, before[i], after[i]});
    return int(before.size());
}

QString PutLink(history::Action& action, const std::optional<LinkRow>& current,
                const std::optional<LinkRow>& target) {
    Connection& connection = action.connection();
    const ReferenceList& list = action.list();
    if (!target) {
        if (!current) return {};
        connection.Execute(DeleteStatement(list, current->id));
        action.Record({list.linkTable(), current->id, current, std::nullopt});
        return {};
    }
    const LinkSource source(target->invOrProc, target->revenueId, target->sectionId);
    RequireItemInSource(connection, target->itemId, SourceTable(connection, source, target->revenueId),
                        source);
    QStringList names{
        QStringLiteral("Code"),      QStringLiteral("Category"),     QStringLiteral("Description"),
        QStringLiteral("FixedFee"),  QStringLiteral("ChargingUnit"), QStringLiteral("ItemDesc"),
        QStringLiteral("InvOrProc"), QStringLiteral("SectionID"),    QStringLiteral("SortOrder")};
    QStringList values{Text(target->code),
                       Text(target->copies.category),
                       Text(target->copies.description),
                       sql::MoneyLiteral(target->copies.fixedFee),
                       Text(target->copies.chargingUnit),
                       Text(target->itemDesc),
                       Text(target->invOrProc),
                       Text(target->sectionId),
                       SmallInt(target->sortOrder)};
    LinkRow after;
    if (current) {
        QStringList sets;
        for (qsizetype i = 0; i < names.size(); ++i) sets << names[i] + QLatin1Char('=') + values[i];
        connection.Execute(QStringLiteral("UPDATE ") + LinkTable(list) + QStringLiteral(" SET ") +
                           sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ID=") + current->id);
        after = LockedLink(connection, list, current->id);
    } else {
        names << QStringLiteral("ItemID") << QStringLiteral("RevenueID");
        values << Text(target->itemId) << Text(target->revenueId);
        connection.Execute(QStringLiteral("INSERT INTO ") + LinkTable(list) + QStringLiteral(" (") +
                           names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                           values.join(QStringLiteral(", ")) + QLatin1Char(')'));
        after = InsertedLink(connection, list, target->revenueId, target->itemId);
    }
    action.Record({list.linkTable(), after.id, current, after});
    return after.id;
}

}  // namespace esoa
