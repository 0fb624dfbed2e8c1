#pragma once

#include <QString>

#include "screen/ScreenControls.h"

namespace esoa {

// The naming rule of the hospital's exam tables: for a stem S the table is "tbco" + S, its key
// column S + "ID" and its name column S. Sets the three exam-table captions in this order: name
// column, table, key column.
inline void SetExamTable(ScreenControls& ui, const QString& stem) {
    ui.lblExamFieldName->setText(stem);
    ui.lblTable->setText(QStringLiteral("tbco") + ui.lblExamFieldName->text());
    ui.lblIDFieldName->setText(ui.lblExamFieldName->text() + QStringLiteral("ID"));
}

}  // namespace esoa
