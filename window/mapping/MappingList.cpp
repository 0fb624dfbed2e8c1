#include "window/mapping/MappingList.h"

#include "database/SqlText.h"
#include "window/screen/ListReader.h"
#include "window/screen/Screen.h"

namespace esoa {

void MappingList::LoadMappings() {
    const QString table = s_.ui.lblESOATableName->text();
    const QString statement = QStringLiteral(" SELECT TOP 1000 [ID]") + QStringLiteral("       ,[Code]") +
                              QStringLiteral("       ,[Category]") + QStringLiteral("       ,[Description]") +
                              QStringLiteral("       ,[RevenueID]") + QStringLiteral("       ,[SectionID]") +
                              QStringLiteral("       ,[ItemID]") + QStringLiteral("       ,[ItemDesc]") +
                              QStringLiteral("       ,[FixedFee]") + QStringLiteral("       ,[ChargingUnit]") +
                              QStringLiteral("       ,[InvOrProc]") + QStringLiteral("       ,[SortOrder]") +
                              QStringLiteral("   FROM [Build_FIle].[dbo].[") + table +
                              QStringLiteral("_LINK] WITH (NOLOCK) WHERE Code='") +
                              sql::Escaped(s_.ui.txtESOACode->text()) + QStringLiteral("' ");
    loadedTable_ = ReadList(s_, *s_.ui.GridMap, statement, CursorType::ForwardOnly, LockType::ReadOnly,
                            FailureHint::OwnTables)
                       ? table
                       : QString();
}

void MappingList::GridMap_Click() { s_.guide.ShowStepHint(7); }

MappingList::Selection MappingList::selected() const {
    const FlexGrid& grid = *s_.ui.GridMap;
    const int row = grid.Row();
    if (loadedTable_.isEmpty() || row < 1 || row >= grid.Rows()) return {loadedTable_, QString()};
    return {loadedTable_, grid.TextMatrix(row, 0)};
}

}  // namespace esoa
