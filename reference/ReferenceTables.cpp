#include "reference/ReferenceTables.h"

#include "app/Connection.h"
#include "reference/ReferenceSchema.h"
#include "app/DbError.h"
#include "screen/Screen.h"

namespace esoa {

void ReferenceTables::CreateEsoaTables() {
    for (const QString& statement : CreateStatements(s_.ui.lblESOATableName->text())) {
        // A column already gone, a table or index already there: each statement stands alone.
        try {
            s_.user.sqlconnection().Execute(statement);
        } catch (const std::exception&) {
        }
    }
}

void ReferenceTables::cmdCreateTable_Click() {
    if (s_.ui.optTable->isSelected(0)) CreateEsoaTables();
    if (s_.ui.optTable->isSelected(1)) CreateEsoaTables();
    s_.messages.Show(QStringLiteral("Done."));
}

}  // namespace esoa
