#include "window/screen/FormAccess.h"

#include <utility>
#include <vector>

namespace esoa {

void ArrangeKeyboardAccess(ScreenControls& c) {
    // Boxes only code writes hold nothing to type: a click still selects their text for copying.
    for (QLineEdit* box : {c.txtESOACode, c.txtESOADesc, c.txtFixedFee, c.txtChargingUnit, c.txtZEMORAItemID,
                           c.txtZEMORAitemDesc, c.txtType}) {
        box->setFocusPolicy(Qt::ClickFocus);
    }

    // clang-format off
    const std::vector<QWidget*> order{
        c.optTable->option(0), c.optTable->option(1),  // 1
        c.GridCat, c.txtAreaCat,                       // 2
        c.txtSOADesc, c.cmdSearchSOAItem, c.chkUnlinked, c.Grid1,  // 3
        c.cmdUse, c.txtDesc, c.cmdPreview, c.cmdSuggest, c.txtGeneric, c.Grid2,
        c.optInventory->option(0), c.optInventory->option(1), c.txtRevID, c.txtSectionID,  // 4
        c.cmdEdit,                                                                         // 5
        c.GridMap, c.cmdDelete, c.cmdMapAll, c.GridRev, c.GridRevCode,
        c.lblMaint, c.cmdCreateTable, c.cmdScan, c.cmdPreviewChanges, c.cmdApplyChanges, c.cmdCheckLinks,
        c.cmdExportLinks, c.lblCoverage, c.lblHistory, c.cmdInst,
    };
    // clang-format on
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    // The caption beside each list and box; where two captions read alike, the description tells
    // which list they belong to.
    const std::pair<QWidget*, const char*> names[] = {
        {c.GridCat, "2. Select Category of Department"},
        {c.Grid1, "3. Philhealth Table"},
        {c.Grid2, "ZEMORA Table"},
        {c.GridRev, "Revenue Codes"},
        {c.GridRevCode, "Revenue Code Items"},
        {c.GridMap, "Mapping"},
        {c.txtAreaCat, "Category"},
        {c.txtSOADesc, "Search"},
        {c.txtDesc, "Search"},
        {c.txtGeneric, "Generic"},
        {c.txtESOACode, "PHIC Item"},
        {c.txtESOADesc, "PHIC Item Description"},
        {c.txtFixedFee, "Fixed Fee"},
        {c.txtChargingUnit, "Charging Unit"},
        {c.txtZEMORAItemID, "ZEMORA Item"},
        {c.txtZEMORAitemDesc, "ZEMORA Item Description"},
        {c.txtType, "Type"},
        {c.txtRevID, "RevID"},
        {c.txtSectionID, "SectionID"},
        {c.lblCoverage, "Coverage..."},
        {c.lblHistory, "History..."},
    };
    for (const auto& [widget, name] : names) widget->setAccessibleName(QString::fromLatin1(name));
    c.txtSOADesc->setAccessibleDescription(QStringLiteral("3. Philhealth Table"));
    c.txtDesc->setAccessibleDescription(QStringLiteral("ZEMORA Table"));
    c.GridRevCode->setAccessibleDescription(QStringLiteral("Revenue Codes"));
}

}  // namespace esoa
