#include "window/mapping/MappingSave.h"

#include "database/Connection.h"
#include "window/history/ChangeStatus.h"
#include "window/mapping/MappingList.h"
#include "window/screen/Screen.h"

namespace esoa {

void MappingSave::cmdEdit_Click() {
    ScreenControls& ui = s_.ui;
    if (ui.txtESOACode->text().isEmpty()) {
        s_.messages.Show(QStringLiteral("Select ESOA item."));
        return;
    }
    if (ui.txtZEMORAItemID->text().isEmpty()) {
        s_.messages.Show(QStringLiteral("Select ZEMORA item."));
        return;
    }
    const LinkValues link = ScreenValues();
    history::Action action = status_.NewAction(history::Kind::Save);
    const SaveOutcome outcome = SaveLink(action, link);
    mappings_.LoadMappings();
    s_.guide.ShowStepHint(6);
    status_.Done(ChangeStatus::SaveText(link, outcome), action);
}

LinkValues MappingSave::ScreenValues() const {
    const ScreenControls& ui = s_.ui;
    return {ui.lblESOATableName->text(),  ui.txtZEMORAItemID->text(), ui.txtRevID->text(),
            ui.txtZEMORAitemDesc->text(), ui.txtType->text(),         ui.txtESOACode->text(),
            ui.txtSectionID->text(),      ui.txtAreaCat->text(),      ui.txtESOADesc->text(),
            ui.txtFixedFee->text(),       ui.txtChargingUnit->text()};
}

}  // namespace esoa
