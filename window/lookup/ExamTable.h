#pragma once

#include <QString>

#include "core/routing/ExamTableNames.h"
#include "window/screen/ScreenControls.h"

namespace esoa {

// Sets the three exam-table captions in this order: name column, table, key column.
inline void SetExamTable(ScreenControls& ui, const ExamTableNames& names) {
    ui.lblExamFieldName->setText(names.nameField);
    ui.lblTable->setText(names.table);
    ui.lblIDFieldName->setText(names.idField);
}

}  // namespace esoa
