#include "mapping/MappingSave.h"

#include "app/Connection.h"
#include "app/SqlText.h"
#include "mapping/MappingList.h"
#include "screen/Screen.h"

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
    const QString statement = QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") + ui.lblESOATableName->text() +
                              QStringLiteral("_LINK ") + QStringLiteral(" WHERE ") +
                              QStringLiteral("     RevenueID ='") + sql::Escaped(ui.txtRevID->text()) +
                              QStringLiteral("'") + QStringLiteral(" AND ItemID    ='") +
                              sql::Escaped(ui.txtZEMORAItemID->text()) + QStringLiteral("'");
    Recordset rs = s_.user.sqlconnection().OpenRecordset(statement, CursorType::Dynamic, LockType::Optimistic);
    if (rs.isEOF()) {
        rs.AddNew();
        rs.SetField(QStringLiteral("ItemID"), ui.txtZEMORAItemID->text());
        rs.SetField(QStringLiteral("RevenueID"), ui.txtRevID->text());
    }
    rs.SetField(QStringLiteral("ItemDesc"), ui.txtZEMORAitemDesc->text());
    rs.SetField(QStringLiteral("InvOrProc"), ui.txtType->text());
    rs.SetField(QStringLiteral("CODE"), ui.txtESOACode->text());
    rs.SetField(QStringLiteral("SectionID"), ui.txtSectionID->text());
    rs.SetField(QStringLiteral("Category"), ui.txtAreaCat->text());
    rs.SetField(QStringLiteral("Description"), ui.txtESOADesc->text());
    rs.SetField(QStringLiteral("FixedFee"), ui.txtFixedFee->text());
    rs.SetField(QStringLiteral("ChargingUnit"), ui.txtChargingUnit->text());
    rs.Update();
    rs.Close();

    mappings_.LoadMappings();
    s_.guide.ShowStepHint(6);
}

}  // namespace esoa
