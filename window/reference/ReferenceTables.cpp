#include "window/reference/ReferenceTables.h"

#include <map>

#include "database/Connection.h"
#include "database/DbError.h"
#include "core/ListData.h"
#include "core/NeededTables.h"
#include "core/reference/ReferenceSchema.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

struct Failure {
    QString description;
    DbError::Cause cause;
};

}  // namespace

QString ReferenceTables::CreateEsoaTables() {
    const QString table = s_.ui.lblESOATableName->text();
    const QString link = ReferenceList::LinkTableOf(table);
    const QStringList statements = CreateTableStatements(table);
    std::map<int, Failure> failed;
    for (int i = 0; i < statements.size(); ++i) {
        // A column already gone, a table or index already there: each statement stands alone.
        try {
            s_.user.sqlconnection().Execute(statements[i]);
        } catch (const DbError& e) {
            failed[i] = {e.description(), e.cause()};
        } catch (const std::exception& e) {
            failed[i] = {DescriptionOf(e), DbError::Cause::Other};
        }
    }

    // The reference table is made anew or not at all: when it could not be dropped (locked,
    // read-only, no connection), that is why its creation failed too.
    std::vector<std::pair<QString, QString>> unmade;  // table, reason
    if (const auto created = failed.find(kCreateReferenceTable); created != failed.end()) {
        const auto dropped = failed.find(kDropReferenceTable);
        const bool dropTells =
            dropped != failed.end() && dropped->second.cause != DbError::Cause::MissingTable;
        unmade.push_back({table, (dropTells ? dropped : created)->second.description});
    }
    // The link table is kept once made: its creation fails then, as it should.
    if (const auto created = failed.find(kCreateLinkTable); created != failed.end()) {
        bool exists = false;
        try {
            exists = TableExists(s_.user.sqlconnection(), QStringLiteral("Build_FIle"), link);
        } catch (const std::exception&) {
            // Unknown: the creation's own failure is the reason to give.
        }
        if (!exists) unmade.push_back({link, created->second.description});
    }
    if (unmade.empty()) return {};
    if (unmade.size() == 2 && unmade[0].second == unmade[1].second)
        return QStringLiteral("%1 and %2 could not be made: %3").arg(table, link, unmade[0].second);
    QStringList lines;
    for (const auto& [name, reason] : unmade)
        lines << QStringLiteral("%1 could not be made: %2").arg(name, reason);
    return lines.join(QLatin1Char('\n'));
}

void ReferenceTables::cmdCreateTable_Click() {
    QString unmade;
    for (const ReferenceList& list : ReferenceList::All()) {
        if (s_.ui.optTable->isSelected(list.option)) unmade = CreateEsoaTables();
    }
    s_.messages.Show(unmade.isEmpty() ? QStringLiteral("Done.") : unmade);
}

}  // namespace esoa
