#pragma once

#include <QString>

#include "core/routing/CategoryRoute.h"
#include "window/screen/ScreenControls.h"

namespace esoa {

// Sets the three exam-table captions of a stem (ExamTableNames) in this order: name column, table,
// key column.
inline void SetExamTable(ScreenControls& ui, const QString& stem) {
    const ExamTableNames names = ExamTableNames::OfStem(stem);
    ui.lblExamFieldName->setText(names.nameField);
    ui.lblTable->setText(names.table);
    ui.lblIDFieldName->setText(names.idField);
}

}  // namespace esoa
