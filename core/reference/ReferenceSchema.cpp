#include "core/reference/ReferenceSchema.h"

#include "core/ListData.h"

namespace esoa {
namespace {

// A table and the two indexes both the reference and the link table have.
QStringList tableWithIndexes(const QString& table, const QString& columns) {
    return {
        QStringLiteral("CREATE TABLE [Build_FIle].[dbo].[") + table + QStringLiteral("](") + columns +
            QStringLiteral(")"),
        QStringLiteral("CREATE CLUSTERED INDEX [by_ID] ON [Build_File].[dbo].[") + table + QStringLiteral("](") +
            QStringLiteral("    [ID] Asc") + QStringLiteral(")"),
        QStringLiteral("CREATE NONCLUSTERED INDEX [by_Category_Description] ON [Build_File].[dbo].[") + table +
            QStringLiteral("](") + QStringLiteral("    [Category] Asc,") + QStringLiteral("    [Description] Asc") +
            QStringLiteral(")"),
    };
}

}  // namespace

QStringList CreateTableStatements(const QString& t) {
    const QString l = ReferenceList::LinkTableOf(t);
    const QString referenceColumns = QStringLiteral(
        "    [ID]                [bigint] IDENTITY(1,1) NOT NULL,"
        "    [Code]              [varchar](50) NULL,"
        "    [Category]          [varchar](50) NULL,"
        "    [Description]       [varchar](250) NULL,"
        "    [FixedFee]          SMALLMONEY NULL,"
        "    [ChargingUnit]      [varchar](50) NULL,");
    const QString linkColumns = QStringLiteral(
        "    [ID]                [bigint] IDENTITY(1,1) NOT NULL,"
        "    [Code]              [varchar](50)  NULL,"
        "    [Category]          [varchar](50)  NULL,"
        "    [Description]       [varchar](250) NULL,"
        "    [FixedFee]          SMALLMONEY     NULL,"
        "    [ChargingUnit]      [varchar](50)  NULL,"
        "    [ItemID]            [varchar](50)  NULL, "
        "    [ItemDesc]          [varchar](250) NULL, "
        "    [InvOrProc]         [varchar](20)  NULL, "
        "    [RevenueID]         [varchar](20)  NULL, "
        "    [SectionID]         [varchar](20)  NULL, "
        "    [SortOrder]         [smallint] NULL ");
    return QStringList{
               QStringLiteral("ALTER TABLE INVENTORY..tbInvMaster DROP COLUMN ESOA_Code   "),
               QStringLiteral("ALTER TABLE BUILD_FILE..tbCoXrayExam DROP COLUMN ESOA_Code   "),
               QStringLiteral("ALTER TABLE BUILD_FILE..tbcoUltraExam DROP COLUMN ESOA_Code  "),
               QStringLiteral("ALTER TABLE BUILD_FILE..tbcoCTExam DROP COLUMN ESOA_Code "),
               QStringLiteral("DROP TABLE [Build_FIle].[dbo].[") + t + QStringLiteral("]"),
           } +
           tableWithIndexes(t, referenceColumns) + tableWithIndexes(l, linkColumns) +
           QStringList{
               QStringLiteral("CREATE NONCLUSTERED INDEX [by_ItemID] ON [Build_File].[dbo].[") + l +
                   QStringLiteral("](") + QStringLiteral("    [RevenueID] Asc, ") +
                   QStringLiteral("    [ItemID] Asc ") + QStringLiteral(")"),
           };
}

}  // namespace esoa
