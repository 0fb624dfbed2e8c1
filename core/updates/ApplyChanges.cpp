#include "core/updates/ApplyChanges.h"

#include <stdexcept>

#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "database/Connection.h"
#include "database/Money.h"
#include "database/SqlText.h"

namespace esoa {
namespace {

QString Text(const QString& value) {
    return sql::TextLiteral(value);
}

// IDs stand in the statement unquoted: only digits may.
const QString& Id(const QString& id) {
    if (!sql::IsRowId(id))
        throw std::invalid_argument(QStringLiteral("'%1' is not a row ID").arg(id).toStdString());
    return id;
}

}  // namespace

QString ReferenceRowUpdate(const ReferenceList& list, const QString& id, const CodeValues& v) {
    QString statement = QStringLiteral("UPDATE [Build_FIle].[dbo].[") + list.table +
                        QStringLiteral("] SET Category=") + Text(v.category) +
                        QStringLiteral(", Description=") + Text(v.description);
    if (list.erTable())
        statement += QStringLiteral(", FixedFee=") + sql::MoneyLiteral(v.fixedFee) +
                     QStringLiteral(", ChargingUnit=") + Text(v.chargingUnit);
    return statement + QStringLiteral(" WHERE ID=") + Id(id);
}

QString ApplyChanges::Plan(const ChangeReport& report, bool alsoLinks) {
    QStringList lines;
    for (const ChangeReport::Entry& e : report.entries) {
        if (e.kind != ChangeReport::Kind::Changed) continue;
        lines << QStringLiteral("%1 (row %2):").arg(e.code, e.rowId);
        for (const QString& change : ChangeReport::ChangedValues(e)) lines << QStringLiteral("    ") + change;
        if (!alsoLinks) continue;
        for (const LinkRow& l : e.links) lines << QStringLiteral("    ") + ChangeReport::LinkText(l);
    }
    return lines.join(QLatin1Char('\n'));
}

ApplyChanges::Result ApplyChanges::Apply(history::Action& action, const ChangeReport& report, bool alsoLinks,
                                         const Progress& progress) {
    // Every statement is built before the transaction opens: a value that cannot be written fails
    // before anything is locked.
    std::vector<const ChangeReport::Entry*> changed;
    QStringList statements;
    int total = 0;
    for (const ChangeReport::Entry& e : report.entries) {
        if (e.kind != ChangeReport::Kind::Changed) continue;
        statements << ReferenceRowUpdate(report.list, e.rowId, e.read);
        if (alsoLinks) sql::MoneyLiteral(e.read.fixedFee);
        changed.push_back(&e);
        total += 1 + (alsoLinks ? int(e.links.size()) : 0);
    }
    Result result;
    if (changed.empty()) return result;
    Connection& connection = action.connection();
    const QString locked = QStringLiteral("UPDLOCK, HOLDLOCK");
    auto asLink = [](const ReferenceRow& row) {
        return LinkRow{row.id, row.code, row.values, {}, {}, {}, {}, {}, {}};
    };
    action.Transact([&] {
        result = {};
        int done = 0;
        for (size_t i = 0; i < changed.size(); ++i) {
            const ChangeReport::Entry& e = *changed[i];
            const auto before = ReadReferenceRowsById(connection, report.list, {e.rowId}, locked);
            connection.Execute(statements[qsizetype(i)]);
            const auto after = ReadReferenceRowsById(connection, report.list, {e.rowId}, locked);
            if (!before.empty() && !after.empty())
                action.Record({report.list.table, e.rowId, asLink(before.front()), asLink(after.front())});
            ++result.rows;
            if (progress) progress(++done, total);
            if (!alsoLinks || e.links.empty()) continue;
            QStringList ids;
            for (const LinkRow& l : e.links) ids << l.id;
            result.links += RewriteLinkCopies(action, ids, e.read);
            done += int(e.links.size());
            if (progress) progress(done, total);
        }
    });
    return result;
}

}  // namespace esoa
