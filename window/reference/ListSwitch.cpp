#include "window/reference/ListSwitch.h"

#include "core/ListData.h"
#include "window/lookup/CategoryRouting.h"
#include "window/lookup/CoherentRefresh.h"
#include "window/lookup/ItemSource.h"
#include "window/reference/PhilHealthLists.h"
#include "window/screen/Screen.h"

namespace esoa {

void ListSwitch::optTable_Click(int index) {
    ScreenControls& ui = s_.ui;
    CoherentRefresh refresh(s_);
    if (const auto list = ReferenceList::AtOption(index)) ui.lblESOATableName->setText(list->table);
    ui.txtAreaCat->clear();
    lists_.LoadCategories();
    source_.SetItemSource(false);
    lists_.LoadEsoaItems();

    // An empty list has no first category, and the routing then leaves everything as loaded; a
    // failure inside it only ends the routing.
    ui.GridCat->TrySet(&FlexGrid::setRow, 1);
    bool routed = false;
    try {
        routed = routing_.ApplyCategoryDefaults();
    } catch (const std::exception&) {
        // The routing fails only after it has cleared the selection and begun to set the source.
        routed = true;
    }
    refresh.Finish(routed);
}

void ListSwitch::GridCat_Click() {
    if (routing_.ApplyCategoryDefaults()) s_.guide.ShowStepHint(1);
}

}  // namespace esoa
