#include "window/lookup/CategoryRouting.h"

#include "core/routing/CategoryRoute.h"
#include "window/lookup/ExamTable.h"
#include "window/lookup/ItemSearch.h"
#include "window/lookup/ItemSource.h"
#include "window/reference/PhilHealthLists.h"
#include "window/screen/Screen.h"

namespace esoa {
void CategoryRouting::ClearSelection() {
    ScreenControls& ui = s_.ui;
    ui.Grid1->Clear();
    ui.Grid1->setRows(1);
    ui.Grid2->Clear();
    ui.Grid2->setRows(1);
    ui.txtType->clear();
    ui.txtRevID->clear();
    ui.lblTableName->clear();
    for (QLineEdit* box : {ui.txtESOACode, ui.txtESOADesc, ui.txtZEMORAItemID, ui.txtZEMORAitemDesc, ui.txtAreaCat,
                           ui.txtSectionID, ui.txtGeneric, ui.txtDesc}) {
        box->clear();
    }
    ui.txtType->setText(QStringLiteral("INV"));
}

bool CategoryRouting::ApplyCategoryDefaults() {
    ScreenControls& ui = s_.ui;
    // The header row's field name is no category: routed, it would filter every later load by it.
    const int row = ui.GridCat->Row();
    if (!lists_.CategoriesListed() || row < 1 || row >= ui.GridCat->Rows()) return false;
    ClearSelection();
    ui.txtAreaCat->setText(ui.GridCat->TextMatrix(row, 0));
    const QString table = ui.lblESOATableName->text();
    source_.SetItemSource(false);

    const CategoryRoute& route = CategoryRoute::For(table, ui.txtAreaCat->text());
    if (route.inventory) source_.SetItemSource(true);
    if (route.revenueId) ui.txtRevID->setText(QLatin1String(route.revenueId));
    if (route.sectionId) ui.txtSectionID->setText(QLatin1String(route.sectionId));
    if (route.stem) SetExamTable(ui, ExamTableNames::OfStem(QLatin1String(route.stem)));

    lists_.LoadEsoaItems();
    search_.SearchZemoraItems();
    return true;
}

}  // namespace esoa
