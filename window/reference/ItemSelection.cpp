#include "window/reference/ItemSelection.h"

#include "window/lookup/ItemSearch.h"
#include "window/mapping/MappingList.h"
#include "core/reference/NextToken.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

bool isItemRow(const FlexGrid& grid, int row) {
    if (row < 1 || row >= grid.Rows()) return false;
    for (int col = 0; col < grid.Cols(); ++col) {
        if (!grid.TextMatrix(row, col).isEmpty()) return true;
    }
    return false;
}

}  // namespace

void ItemSelection::Grid1_Click() {
    ScreenControls& ui = s_.ui;
    const FlexGrid& grid = *ui.Grid1;
    // An empty list (header only, or the blank row of a reset) holds no item to select.
    if (!isItemRow(grid, grid.Row())) return;

    ui.txtESOACode->setText(grid.TextMatrix(grid.Row(), 1));
    ui.txtESOADesc->setText(grid.TextMatrix(grid.Row(), 3));
    ui.txtFixedFee->setText(grid.TextMatrix(grid.Row(), 4));
    ui.txtChargingUnit->setText(grid.TextMatrix(grid.Row(), 5));
    ui.txtZEMORAItemID->clear();
    ui.txtZEMORAitemDesc->clear();
    QString description = grid.TextMatrix(grid.Row(), 3);
    ui.txtGeneric->setText(NextToken(description, QStringLiteral(" ")));

    mappings_.LoadMappings();
    if (ui.txtType->text() != QLatin1String("INV")) search_.cmdUse_Click();
    search_.SearchZemoraItems();
    s_.guide.ShowStepHint(2);
}

}  // namespace esoa
