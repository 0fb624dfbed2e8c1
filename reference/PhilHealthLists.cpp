#include "reference/PhilHealthLists.h"

#include "app/SqlText.h"
#include "screen/ListReader.h"
#include "screen/Screen.h"

namespace esoa {

void PhilHealthLists::LoadEsoaItems() {
    const QString table = s_.ui.lblESOATableName->text();
    const QString desc = s_.ui.txtSOADesc->text();
    const QString category = s_.ui.txtAreaCat->text();
    QString statement =
        QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[") + table + QStringLiteral("] WITH (NOLOCK) WHERE 1=1 ");
    if (!desc.isEmpty()) {
        statement += QStringLiteral(" AND Description like '%") + sql::Escaped(desc) + QStringLiteral("%'  ");
    }
    if (!category.isEmpty()) {
        if (category == QLatin1String("-")) {
            statement += QStringLiteral(" AND Category=''  ");
        } else {
            statement += QStringLiteral(" AND Category='") + sql::Escaped(category) + QStringLiteral("'  ");
        }
    }
    ReadList(s_, *s_.ui.Grid1, statement, CursorType::ForwardOnly, LockType::ReadOnly,
             FailureHint::OwnTables);
}

void PhilHealthLists::LoadCategories() {
    const QString table = s_.ui.lblESOATableName->text();
    const QString statement = QStringLiteral("SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[") + table +
                              QStringLiteral("] WITH (NOLOCK) WHERE 1=1 ");
    categoriesListed_ = ReadList(s_, *s_.ui.GridCat, statement, CursorType::ForwardOnly, LockType::ReadOnly,
                                 FailureHint::OwnTables);
}

}  // namespace esoa
