#include "lookup/CategoryRouting.h"

#include <array>

#include "lookup/ExamTable.h"
#include "lookup/ItemSearch.h"
#include "lookup/ItemSource.h"
#include "reference/PhilHealthLists.h"
#include "screen/Screen.h"

namespace esoa {
namespace {

struct Route {
    const char* category;  // compared exactly, letter case and blanks included
    bool inventory;
    const char* revenueId;  // nullptr: not written
    const char* sectionId;  // nullptr: not written
    const char* stem;       // exam table "tbco" + stem, key stem + "ID", name stem; nullptr: not set
};

constexpr std::array<Route, 5> kItemRoutes{{
    {"Medicine", true, nullptr, nullptr, nullptr},
    {"LaboratoryAndDiagnostic", false, "LB", nullptr, "LabExam"},
    {"MedicalSupplies", true, nullptr, nullptr, nullptr},
    {"OperatingRoomFees", false, nullptr, "OR", "OtherRevenue"},
    {"RoomAndBoard", false, nullptr, "RA", "OtherRevenue"},
}};
constexpr Route kItemOther{"", false, nullptr, nullptr, nullptr};

constexpr std::array<Route, 5> kErRoutes{{
    {"Therapeutics", true, nullptr, nullptr, nullptr},
    {"Imaging", false, "XR", nullptr, "XRayExam"},
    {"Laboratory", false, "LB", nullptr, "LabExam"},
    {"ED Service", false, nullptr, "ER", "OtherRevenue"},
    {"ED Consultation", false, nullptr, "ER", "OtherRevenue"},
}};
constexpr Route kErOther{"", false, nullptr, nullptr, "OtherRevenue"};

template <size_t N>
const Route& routeFor(const QString& category, const std::array<Route, N>& routes, const Route& other) {
    for (const Route& route : routes) {
        if (category == QLatin1String(route.category)) return route;
    }
    return other;
}

}  // namespace

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
    const bool itemList = ui.lblESOATableName->text() == QLatin1String("ESOA_ITEM");
    source_.SetItemSource(false);

    const QString category = ui.txtAreaCat->text();
    const Route& route = itemList ? routeFor(category, kItemRoutes, kItemOther) : routeFor(category, kErRoutes, kErOther);
    if (route.inventory) source_.SetItemSource(true);
    if (route.revenueId) ui.txtRevID->setText(QLatin1String(route.revenueId));
    if (route.sectionId) ui.txtSectionID->setText(QLatin1String(route.sectionId));
    if (route.stem) {
        SetExamTable(ui, QLatin1String(route.stem));
    }

    lists_.LoadEsoaItems();
    search_.SearchZemoraItems();
    return true;
}

}  // namespace esoa
