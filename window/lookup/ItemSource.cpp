#include "window/lookup/ItemSource.h"

#include "core/lookup/HospitalLists.h"
#include "window/lookup/ExamTable.h"
#include "window/lookup/ItemSearch.h"
#include "window/screen/ListReader.h"
#include "window/screen/Screen.h"

namespace esoa {

void ItemSource::LoadRevenues() {
    ReadList(s_, *s_.ui.GridRev,
             QStringLiteral("SELECT [RevenueID],[ExamTableName],[IDFieldName],[ExamFieldName],[SectionIDFieldName],"
                            "LocationID  FROM [Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 "),
             CursorType::ForwardOnly, LockType::ReadOnly, FailureHint::CreateTables);
}

void ItemSource::LoadRevenueCodes() {
    ReadList(s_, *s_.ui.GridRevCode, RevenueCodesStatement(s_.ui.txtType->text() == QLatin1String("INV")),
             CursorType::ForwardOnly, LockType::Optimistic, FailureHint::CreateTables);
}

void ItemSource::SetItemSource(bool inventory) {
    ScreenControls& ui = s_.ui;
    if (inventory) {
        ui.txtType->setText(QStringLiteral("INV"));
        ui.lblG->setVisible(true);
        ui.txtGeneric->setVisible(true);
        ui.txtSectionID->setVisible(false);
        ui.lblS->setVisible(false);
        ui.optInventory->select(0);
        ui.txtRevID->setText(QStringLiteral("PH"));
    } else {
        ui.txtType->setText(QStringLiteral("PROC"));
        ui.lblG->setVisible(false);
        ui.txtGeneric->setVisible(false);
        ui.txtSectionID->setVisible(true);
        ui.lblS->setVisible(true);
        ui.optInventory->select(1);
    }
    LoadRevenueCodes();
}

void ItemSource::optInventory_Click(int index) {
    if (index == 0) {
        s_.ui.txtType->setText(QStringLiteral("INV"));
        SetItemSource(true);
    } else if (index == 1) {
        s_.ui.txtType->setText(QStringLiteral("PROC"));
        SetItemSource(false);
    }
}

void ItemSource::GridRev_Click() {
    ScreenControls& ui = s_.ui;
    const FlexGrid& grid = *ui.GridRev;
    ui.txtRevID->setText(grid.TextMatrix(grid.Row(), 0));
    ui.lblTable->setText(grid.TextMatrix(grid.Row(), 1));
    ui.lblIDFieldName->setText(grid.TextMatrix(grid.Row(), 2));
    ui.lblExamFieldName->setText(grid.TextMatrix(grid.Row(), 3));
    ui.txtSectionID->clear();
    search_.SearchZemoraItems();
    s_.guide.ShowStepHint(3);
}

void ItemSource::GridRevCode_Click() {
    ScreenControls& ui = s_.ui;
    const FlexGrid& grid = *ui.GridRevCode;
    ui.txtRevID->clear();
    ui.txtRevID->setText(grid.TextMatrix(grid.Row(), 0));
    if (ui.txtType->text() != QLatin1String("INV")) {
        // A revenue code has no exam table of its own: its items are the other-revenue rows of
        // its section.
        ui.txtSectionID->setText(grid.TextMatrix(grid.Row(), 0));
        SetExamTable(ui, ExamTableNames::OtherRevenue());
    }
    search_.SearchZemoraItems();
    s_.guide.ShowStepHint(3);
}

}  // namespace esoa
