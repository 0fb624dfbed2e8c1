#include "window/updates/ListUpdates.h"

#include <QDir>

#include "core/files/Csv.h"
#include "core/updates/ApplyChanges.h"
#include "core/updates/LinkExport.h"
#include "core/updates/StaleLinks.h"
#include "database/Connection.h"
#include "database/DbError.h"
#include "window/history/ChangeStatus.h"
#include "window/lookup/CoherentRefresh.h"
#include "window/mapping/MappingList.h"
#include "window/reference/PhilHealthLists.h"
#include "window/reference/ReferenceImport.h"
#include "window/screen/Screen.h"
#include "window/updates/UpdatePromptsDialog.h"

namespace esoa {
ListUpdates::ListUpdates(Screen& screen, PhilHealthLists& lists, MappingList& mappings,
                         ReferenceImport& import, ChangeStatus& status)
    : s_(screen),
      lists_(lists),
      mappings_(mappings),
      import_(import),
      status_(status),
      dialogs_(std::make_unique<DialogPrompts>()),
      prompts_(dialogs_.get()) {}

ListUpdates::~ListUpdates() = default;

std::optional<ReferenceList> ListUpdates::CurrentList() {
    const QString table = s_.ui.lblESOATableName->text();
    auto list = ReferenceList::OfTable(table);
    if (!list) {
        s_.messages.Show(QStringLiteral("\"%1\" is no reference list of this program.").arg(table));
        return std::nullopt;
    }
    return list;
}

std::optional<ChangeReport> ListUpdates::Report(const ReferenceList& list) {
    try {
        const BusyPointer busy(s_.messages);
        return ChangeReport::Build(s_.user.sqlconnection(), list, import_.folder());
    } catch (const std::exception& e) {
        s_.messages.Show(
            QStringLiteral("The changes of %1 cannot be worked out:\n%2").arg(list.table, DescriptionOf(e)));
        return std::nullopt;
    }
}

void ListUpdates::cmdPreviewChanges_Click() {
    const auto list = CurrentList();
    if (!list) return;
    if (const auto report = Report(*list)) prompts_->ReviewChanges(*report, false);
}

bool ListUpdates::ReviewBeforeImport(const QString& table, const std::vector<ListFile>& files) {
    const auto list = CurrentList();
    if (!list || list->table != table) return false;
    std::optional<ChangeReport> report;
    try {
        const BusyPointer busy(s_.messages);
        report = ChangeReport::Build(s_.user.sqlconnection(), *list, files);
    } catch (const std::exception& e) {
        const auto* db = dynamic_cast<const DbError*>(&e);
        if (db && db->cause() == DbError::Cause::MissingTable) return true;
        s_.messages.Show(
            QStringLiteral("The changes of %1 cannot be worked out, so nothing was imported:\n%2")
                .arg(list->table, DescriptionOf(e)));
        return false;
    }
    return prompts_->ReviewChanges(*report, true);
}

void ListUpdates::cmdApplyChanges_Click() {
    const auto list = CurrentList();
    if (!list) return;
    const auto report = Report(*list);
    if (!report) return;
    if (!report->hasChanges()) {
        s_.messages.Show(QStringLiteral("%1 has no changed codes: nothing to apply.").arg(list->table));
        return;
    }
    const std::optional<bool> alsoLinks = prompts_->ConfirmApply(*report);
    if (!alsoLinks) return;
    ApplyChanges::Result result;
    history::Action action = status_.NewAction(history::Kind::ApplyChanges);
    {
        const BusyPointer busy(s_.messages);
        result = ApplyChanges::Apply(action, *report, *alsoLinks);
    }
    status_.Done(QStringLiteral("Apply changes: %1 reference rows and %2 links updated")
                     .arg(result.rows)
                     .arg(result.links),
                 action);
    CoherentRefresh refresh(s_);
    lists_.LoadCategories();
    lists_.LoadEsoaItems();
    refresh.Finish();
    if (result.links > 0) mappings_.LoadMappings();
    s_.messages.Show(
        QStringLiteral("%1 reference rows and %2 links updated.\nDone.").arg(result.rows).arg(result.links));
}

void ListUpdates::cmdCheckLinks_Click() {
    const auto list = CurrentList();
    if (!list) return;
    std::vector<StaleLink> stale;
    {
        const BusyPointer busy(s_.messages);
        stale = StaleLinks::Check(s_.user.sqlconnection(), *list);
    }
    if (stale.empty()) {
        s_.messages.Show(QStringLiteral("Every link of %1 agrees with its reference row and hospital item.")
                             .arg(list->linkTable()));
        return;
    }
    std::vector<StaleLink> chosen;
    for (const int i : prompts_->ReviewStaleLinks(*list, stale)) {
        if (i >= 0 && size_t(i) < stale.size()) chosen.push_back(stale[size_t(i)]);
    }
    if (chosen.empty()) return;
    int refreshed = 0;
    history::Action action = status_.NewAction(history::Kind::Refresh);
    {
        const BusyPointer busy(s_.messages);
        refreshed = StaleLinks::Refresh(action, chosen);
    }
    status_.Done(QStringLiteral("Check links: %1 links refreshed").arg(refreshed), action);
    mappings_.LoadMappings();
    s_.messages.Show(QStringLiteral("%1 links refreshed from their reference rows.\nDone.").arg(refreshed));
}

void ListUpdates::cmdExportLinks_Click() {
    const auto list = CurrentList();
    if (!list) return;
    const QString path =
        prompts_->AskSavePath(QStringLiteral("Export links"), list->linkTable() + QStringLiteral(".csv"));
    if (path.isEmpty()) return;
    int count = 0;
    {
        const BusyPointer busy(s_.messages);
        csv::Save(path, csv::Flavour::Spreadsheet,
                  [&](csv::Writer& records) { count = LinkExport::Write(s_.user.sqlconnection(), *list, records); });
    }
    s_.messages.Show(
        QStringLiteral("%1 links exported to %2.\nDone.").arg(count).arg(QDir::toNativeSeparators(path)));
}

}  // namespace esoa
