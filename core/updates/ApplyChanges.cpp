#include "core/updates/ApplyChanges.h"

#include <stdexcept>

#include "database/Connection.h"
#include "database/RetryOnBusy.h"
#include "database/Money.h"
#include "database/SqlText.h"

namespace esoa {
namespace {

// A Unicode literal: N'...'.
QString Text(const QString& value) {
    return QLatin1Char('N') + sql::Literal(value);
}

// A fee as SQL Server reads a money literal: the amount in plain digits, or NULL for no fee.
QString Fee(const QString& value) {
    if (value.trimmed().isEmpty()) return QStringLiteral("NULL");
    const auto amount = sql::ParseMoney(value);
    if (!amount) throw std::invalid_argument(QStringLiteral("'%1' is not an amount").arg(value).toStdString());
    return sql::MoneyText(*amount);
}

// IDs stand in the statement unquoted: only digits may.
const QString& Id(const QString& id) {
    const bool digits = !id.isEmpty() && std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit() && c < u'\x80'; });
    if (!digits) throw std::invalid_argument(QStringLiteral("'%1' is not a row ID").arg(id).toStdString());
    return id;
}

}  // namespace

QString ReferenceRowUpdate(const ReferenceList& list, const QString& id, const CodeValues& v) {
    QString statement = QStringLiteral("UPDATE [Build_FIle].[dbo].[") + list.table +
                        QStringLiteral("] SET Category=") + Text(v.category) + QStringLiteral(", Description=") +
                        Text(v.description);
    if (list.erTable())
        statement += QStringLiteral(", FixedFee=") + Fee(v.fixedFee) + QStringLiteral(", ChargingUnit=") +
                     Text(v.chargingUnit);
    return statement + QStringLiteral(" WHERE ID=") + Id(id);
}

QString LinkCopiesUpdate(const ReferenceList& list, const QString& id, const CodeValues& v) {
    return QStringLiteral("UPDATE [Build_FIle].[dbo].[") + list.linkTable() + QStringLiteral("] SET Category=") +
           Text(v.category) + QStringLiteral(", Description=") + Text(v.description) +
           QStringLiteral(", FixedFee=") + Fee(v.fixedFee) + QStringLiteral(", ChargingUnit=") +
           Text(v.chargingUnit) + QStringLiteral(" WHERE ID=") + Id(id);
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

ApplyChanges::Result ApplyChanges::Apply(Connection& connection, const ChangeReport& report, bool alsoLinks,
                                         const Progress& progress) {
    // Every statement is built before the transaction opens: a value that cannot be written fails
    // before anything is locked.
    QStringList statements;
    Result result;
    for (const ChangeReport::Entry& e : report.entries) {
        if (e.kind != ChangeReport::Kind::Changed) continue;
        statements << ReferenceRowUpdate(report.list, e.rowId, e.read);
        ++result.rows;
        if (!alsoLinks) continue;
        for (const LinkRow& l : e.links) {
            statements << LinkCopiesUpdate(report.list, l.id, e.read);
            ++result.links;
        }
    }
    if (statements.isEmpty()) return result;
    RetryOnBusy(connection, [&] {
        Transaction transaction(connection);
        for (qsizetype i = 0; i < statements.size(); ++i) {
            connection.Execute(statements[i]);
            if (progress) progress(int(i + 1), int(statements.size()));
        }
        transaction.Commit();
    });
    return result;
}

}  // namespace esoa
