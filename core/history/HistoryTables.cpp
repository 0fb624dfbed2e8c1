#include "core/history/HistoryTables.h"

#include "core/NeededTables.h"
#include "database/Connection.h"
#include "database/DbError.h"

namespace esoa::history {
namespace {

// A row's values, before and after, in the types of the link table's columns.
QString ValueColumns() {
    QStringList columns;
    const char* const values[][2] = {
        {"Code", "[varchar](50)"},      {"Category", "[varchar](50)"},     {"Description", "[varchar](250)"},
        {"FixedFee", "SMALLMONEY"},     {"ChargingUnit", "[varchar](50)"}, {"ItemDesc", "[varchar](250)"},
        {"InvOrProc", "[varchar](20)"}, {"SectionID", "[varchar](20)"},    {"SortOrder", "[smallint]"},
    };
    for (const auto& [name, type] : values) {
        for (const char* when : {"Old", "New"})
            columns << QStringLiteral("[%1%2] %3 NULL")
                           .arg(QLatin1String(when), QLatin1String(name), QLatin1String(type));
    }
    return columns.join(QStringLiteral(", "));
}

}  // namespace

QString TableName(const char* table) {
    return QStringLiteral("[Build_FIle].[dbo].[%1]").arg(QLatin1String(table));
}

QStringList CreateStatements() {
    const QString actions = TableName(kActionTable), rows = TableName(kRowTable);
    return {
        QStringLiteral(
            "CREATE TABLE %1([ID] [bigint] IDENTITY(1,1) NOT NULL, [LinkTable] [varchar](50) NOT NULL, "
            "[Kind] [varchar](20) NOT NULL, [UserName] [nvarchar](128) NULL, "
            "[Workstation] [nvarchar](128) NULL, [ChangedAt] [datetimeoffset] NOT NULL, "
            "[UndoOf] [bigint] NULL)")
            .arg(actions),
        QStringLiteral("CREATE CLUSTERED INDEX [by_ID] ON %1([ID] Asc)").arg(actions),
        QStringLiteral("CREATE NONCLUSTERED INDEX [by_LinkTable] ON %1([LinkTable] Asc, [ID] Asc)")
            .arg(actions),
        QStringLiteral("CREATE NONCLUSTERED INDEX [by_UndoOf] ON %1([UndoOf] Asc)").arg(actions),
        QStringLiteral("CREATE TABLE %1([ID] [bigint] IDENTITY(1,1) NOT NULL, [ActionID] [bigint] NOT NULL, "
                       "[TableName] [varchar](50) NOT NULL, [RowID] [bigint] NULL, "
                       "[RowChange] [varchar](10) NOT NULL, [ItemID] [varchar](50) NULL, "
                       "[RevenueID] [varchar](20) NULL, %2)")
            .arg(rows, ValueColumns()),
        QStringLiteral("CREATE CLUSTERED INDEX [by_ID] ON %1([ID] Asc)").arg(rows),
        QStringLiteral("CREATE NONCLUSTERED INDEX [by_ActionID] ON %1([ActionID] Asc)").arg(rows),
        QStringLiteral("CREATE NONCLUSTERED INDEX [by_Row] ON %1([TableName] Asc, [RowID] Asc)").arg(rows),
        QStringLiteral(
            "CREATE NONCLUSTERED INDEX [by_ItemID] ON %1([TableName] Asc, [RevenueID] Asc, [ItemID] Asc)")
            .arg(rows),
    };
}

bool Recorded(Connection& connection) {
    const QString build = QStringLiteral("Build_FIle");
    return TableExists(connection, build, QLatin1String(kActionTable)) &&
           TableExists(connection, build, QLatin1String(kRowTable));
}

QString Readiness::Notice() const {
    return recorded ? QString() : QStringLiteral("Changes are not being recorded: %1").arg(reason);
}

Readiness Prepare(Connection& connection) {
    try {
        if (Recorded(connection)) return {true, {}};
    } catch (const std::exception& e) {
        return {false, QStringLiteral("the history tables cannot be read (%1).").arg(DescriptionOf(e))};
    }
    try {
        const QStringList statements = CreateStatements();
        const QString build = QStringLiteral("Build_FIle");
        const bool actionsMissing = !TableExists(connection, build, QLatin1String(kActionTable));
        const bool rowsMissing = !TableExists(connection, build, QLatin1String(kRowTable));
        Transaction transaction(connection);
        // The first four statements make the actions' table and its indexes, the others the rows'.
        for (qsizetype i = 0; i < statements.size(); ++i) {
            if (i < 4 ? actionsMissing : rowsMissing) connection.Execute(statements[i]);
        }
        transaction.Commit();
        return {true, {}};
    } catch (const std::exception& e) {
        // Another workstation may have made them meanwhile.
        try {
            if (Recorded(connection)) return {true, {}};
        } catch (const std::exception&) {
        }
        return {false, QStringLiteral("the history tables %1 and %2 are missing and cannot be created (%3).")
                           .arg(QLatin1String(kActionTable), QLatin1String(kRowTable), DescriptionOf(e))};
    }
}

}  // namespace esoa::history
