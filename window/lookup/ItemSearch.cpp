#include "window/lookup/ItemSearch.h"

#include "database/SqlText.h"
#include "database/DbError.h"
#include "core/links/LinkSource.h"
#include "core/lookup/HospitalLists.h"
#include "core/routing/ExamTableNames.h"
#include "window/screen/ListReader.h"
#include "window/screen/Screen.h"

namespace esoa {

void ItemSearch::SearchZemoraItems() {
    FlexGrid& grid = *s_.ui.Grid2;
    const int row = grid.Row();
    const int topRow = grid.TopRow();
    grid.Reset();
    const QString type = s_.ui.txtType->text();
    if (type == QLatin1String("INV")) {
        SearchInventory();
        s_.ui.lblTable->setText(QStringLiteral("Inventory..InvMaster"));
    } else if (type == QLatin1String("PROC")) {
        SearchProcedures();
    }
    // A new list shorter than the old one simply keeps the place it can.
    grid.TrySet(&FlexGrid::setRow, row);
    grid.TrySet(&FlexGrid::setColSel, grid.Cols() - 1);
    grid.TrySet(&FlexGrid::setTopRow, topRow);
}

void ItemSearch::SearchInventory() {
    const QString desc = s_.ui.txtDesc->text();
    const QString generic = s_.ui.txtGeneric->text();
    QString statement = ActiveInventoryStatement(500);
    // The filters go with the statement as data too, so that the embedded database can narrow the
    // search with its indexes without reading the statement back.
    ItemFilters filters;
    if (!desc.isEmpty()) {
        statement += QStringLiteral(" AND ItemName like '%") + sql::Escaped(desc) + QStringLiteral("%'  ");
        filters.name = QLatin1Char('%') + desc + QLatin1Char('%');
    }
    if (!generic.isEmpty()) {
        statement += QStringLiteral(" AND GenericName like '%") + sql::Escaped(generic) + QStringLiteral("%'  ");
        filters.generic = QLatin1Char('%') + generic + QLatin1Char('%');
    }
    statement += QStringLiteral(" order by a.ItemName");
    ReadList(s_, *s_.ui.Grid2, statement, CursorType::Dynamic, LockType::Optimistic, FailureHint::None,
             filters);
}

void ItemSearch::SearchProcedures() {
    const QString table = s_.ui.lblTable->text();
    const QString idField = s_.ui.lblIDFieldName->text();
    const QString examField = s_.ui.lblExamFieldName->text();
    if (examField.isEmpty()) {
        s_.messages.Show(QStringLiteral("Search & Select ZEMORA Item."));
        return;
    }
    try {
        RequirePlainNames({table, idField, examField, false});
    } catch (const DbError& e) {
        s_.messages.Show(e.description() + QStringLiteral(" Nothing was searched."));
        return;
    }
    const QString desc = s_.ui.txtDesc->text();
    const QString section = s_.ui.txtSectionID->text();
    QString statement = QStringLiteral("SELECT ") + idField + QStringLiteral(",") + examField +
                        QStringLiteral(" FROM [Build_FIle].[dbo].[") + table +
                        QStringLiteral("] WITH (NOLOCK) WHERE Status='A' ");
    if (!desc.isEmpty()) {
        statement += QStringLiteral(" AND ") + examField + QStringLiteral("  like '%") + sql::Escaped(desc) +
                     QStringLiteral("%'  ");
    }
    if (!section.isEmpty()) {
        statement += QStringLiteral(" AND OtherSectionID  = '") + sql::Escaped(section) + QStringLiteral("'  ");
    }
    ReadList(s_, *s_.ui.Grid2, statement, CursorType::Dynamic, LockType::Optimistic, FailureHint::None);
}

void ItemSearch::cmdPreview_Click() {
    SearchZemoraItems();
    s_.guide.ShowStepHint(4);
}

void ItemSearch::txtDesc_KeyPress(int& keyAscii) {
    if (keyAscii == 13) cmdPreview_Click();
}

void ItemSearch::Grid2_Click() {
    FlexGrid& grid = *s_.ui.Grid2;
    const int row = grid.Row();
    if (row == 0) return;
    // The header text of the other-revenue table: a click that landed on a header-like row.
    if (grid.TextMatrix(row, 0) == ExamTableNames::OtherRevenue().idField) return;
    s_.ui.txtZEMORAItemID->setText(grid.TextMatrix(row, 0));
    s_.ui.txtZEMORAitemDesc->setText(grid.TextMatrix(row, 1));
    s_.guide.ShowStepHint(5);
}

void ItemSearch::cmdUse_Click() { s_.ui.txtDesc->setText(s_.ui.txtESOADesc->text()); }

}  // namespace esoa
