#include "mapping/MappingBulk.h"

#include <QScopedValueRollback>

#include "app/Connection.h"
#include "app/SqlText.h"
#include "lookup/ItemSearch.h"
#include "mapping/MappingList.h"
#include "mapping/MappingSave.h"
#include "screen/Screen.h"

namespace esoa {

void MappingBulk::cmdDelete_Click() {
    const QString table = s_.ui.lblESOATableName->text();
    const MappingList::Selection& selected = mappings_.selected();
    // Only a link the user picked from a list of the current table is ever removed.
    if (selected.id.isEmpty() || selected.table != table) {
        s_.messages.Show(QStringLiteral("Select the mapping to delete in the Mapping list."));
        return;
    }
    s_.user.sqlconnection().Execute(QStringLiteral("DELETE FROM [Build_FIle].[dbo].[") + table +
                                    QStringLiteral("_LINK] WHERE ") + QStringLiteral("ID='") +
                                    sql::Escaped(selected.id) + QStringLiteral("' "));
    mappings_.LoadMappings();
}

void MappingBulk::cmdMapAll_Click() {
    if (running_) return;
    ScreenControls& ui = s_.ui;
    FlexGrid& grid = *ui.Grid2;
    const int last = grid.Rows() - 1;
    if (last < 1) return;
    // Without a PhilHealth item every row would fail the same way: say it once.
    if (ui.txtESOACode->text().isEmpty()) {
        s_.messages.Show(QStringLiteral("Select ESOA item."));
        return;
    }
    const QScopedValueRollback<bool> running(running_, true);
    closing_ = false;

    auto progress = s_.messages.StartProgress(QStringLiteral("Mapping %1 listed items...").arg(last), last, true);
    for (int row = 1; row <= last; ++row) {
        if (closing_ || progress->Cancelled()) break;
        grid.setRow(row);
        search_.Grid2_Click();
        save_.cmdEdit_Click();
        progress->Step(row, QStringLiteral("Mapped %1 of %2 listed items").arg(row).arg(last));
    }
}

}  // namespace esoa
