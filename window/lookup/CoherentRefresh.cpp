#include "window/lookup/CoherentRefresh.h"

#include "window/screen/Screen.h"
#include "core/ListData.h"

namespace esoa {

CoherentRefresh::CoherentRefresh(Screen& screen)
    : s_(screen), typeBefore_(screen.ui.txtType->text()), tableBefore_(screen.ui.lblESOATableName->text()) {}

void CoherentRefresh::Finish(bool categoryRouted) {
    ScreenControls& ui = s_.ui;
    HighlightCategory();
    if (categoryRouted) return;
    if (ui.txtType->text() != typeBefore_) ForgetOldSource();
    if (ui.lblESOATableName->text() != tableBefore_) {
        for (QLineEdit* box : {ui.txtESOACode, ui.txtESOADesc, ui.txtFixedFee, ui.txtChargingUnit})
            box->clear();
    }
}

void CoherentRefresh::HighlightCategory() {
    FlexGrid& grid = *s_.ui.GridCat;
    const QString category = s_.ui.txtAreaCat->text();
    int row = 0;
    if (!category.isEmpty()) {
        // "-" stands for the empty category; the list filters as the database compares, so a
        // category listed in another letter case is the same one.
        const QString wanted = category == QLatin1String("-") ? QString() : category;
        for (int r = grid.FixedRows(); r < grid.Rows() && row == 0; ++r) {
            if (grid.TextMatrix(r, 0) == wanted) row = r;
        }
        for (int r = grid.FixedRows(); r < grid.Rows() && row == 0; ++r) {
            if (CodeKey(grid.TextMatrix(r, 0)) == CodeKey(wanted)) row = r;
        }
    }
    grid.TrySet(&FlexGrid::setRow, row);
}

void CoherentRefresh::ForgetOldSource() {
    ScreenControls& ui = s_.ui;
    if (ui.txtType->text() != QLatin1String("INV")) ui.txtRevID->clear();
    for (QLineEdit* box : {ui.txtSectionID, ui.txtZEMORAItemID, ui.txtZEMORAitemDesc}) box->clear();
    for (QLabel* label : {ui.lblTable, ui.lblIDFieldName, ui.lblExamFieldName}) label->clear();
    ui.Grid2->Clear();
    ui.Grid2->setRows(1);
}

}  // namespace esoa
