#include "reference/ListSwitch.h"

#include "lookup/CategoryRouting.h"
#include "lookup/ItemSource.h"
#include "reference/PhilHealthLists.h"
#include "screen/Screen.h"

namespace esoa {

void ListSwitch::optTable_Click(int index) {
    ScreenControls& ui = s_.ui;
    if (index == 0) {
        ui.lblESOATableName->setText(QStringLiteral("ESOA_ITEM"));
    } else if (index == 1) {
        ui.lblESOATableName->setText(QStringLiteral("ESOA_ER"));
    }
    ui.txtAreaCat->clear();
    lists_.LoadCategories();
    source_.SetItemSource(false);
    lists_.LoadEsoaItems();

    // An empty list has no first category, and the routing then leaves everything as loaded; a
    // failure inside it only ends the routing.
    ui.GridCat->TrySet(&FlexGrid::setRow, 1);
    try {
        routing_.ApplyCategoryDefaults();
    } catch (const std::exception&) {
    }
}

void ListSwitch::GridCat_Click() {
    if (routing_.ApplyCategoryDefaults()) s_.guide.ShowStepHint(1);
}

}  // namespace esoa
