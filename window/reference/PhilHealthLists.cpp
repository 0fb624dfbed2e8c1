#include "window/reference/PhilHealthLists.h"

#include "database/SqlText.h"
#include "window/screen/ListReader.h"
#include "window/screen/Screen.h"

namespace esoa {

void PhilHealthLists::LoadEsoaItems() {
    const QString table = s_.ui.lblESOATableName->text();
    const QString desc = s_.ui.txtSOADesc->text();
    const QString category = s_.ui.txtAreaCat->text();
    // "Unlinked only" keeps the codes that no row of the link table names. A join rather than a
    // NOT EXISTS: the embedded database's translation takes no subqueries. Only the reference
    // table's columns are selected, so the list shows the same columns either way.
    const bool unlinked = s_.ui.chkUnlinked->isChecked();
    const QString q = unlinked ? QStringLiteral("R.") : QString();
    QString statement;
    if (unlinked) {
        statement = QStringLiteral("SELECT R.* FROM [Build_FIle].[dbo].[") + table +
                    QStringLiteral("] R WITH (NOLOCK) LEFT OUTER JOIN [Build_FIle].[dbo].[") + table +
                    QStringLiteral("_LINK] L WITH (NOLOCK) ON L.Code=R.Code WHERE 1=1 AND L.ID IS NULL ");
    } else {
        statement = QStringLiteral("SELECT * FROM [Build_FIle].[dbo].[") + table +
                    QStringLiteral("] WITH (NOLOCK) WHERE 1=1 ");
    }
    if (!desc.isEmpty()) {
        statement += QStringLiteral(" AND ") + q + QStringLiteral("Description like '%") + sql::Escaped(desc) +
                     QStringLiteral("%'  ");
    }
    if (!category.isEmpty()) {
        if (category == QLatin1String("-")) {
            statement += QStringLiteral(" AND ") + q + QStringLiteral("Category=''  ");
        } else {
            statement += QStringLiteral(" AND ") + q + QStringLiteral("Category='") + sql::Escaped(category) +
                         QStringLiteral("'  ");
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
