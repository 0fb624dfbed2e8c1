#include "window/lookup/ItemSuggest.h"

#include <QTimer>

#include "core/ListData.h"
#include "database/DbError.h"
#include "window/screen/Screen.h"

namespace esoa {

bool ItemSuggest::CurrentSource(assist::CandidateSource& source) {
    const ScreenControls& ui = s_.ui;
    source.linkTable = ReferenceList::LinkTableOf(ui.lblESOATableName->text());
    const QString type = ui.txtType->text();
    if (type == QLatin1String("INV")) return true;
    if (type != QLatin1String("PROC")) return false;
    if (ui.lblExamFieldName->text().isEmpty()) {
        // The same answer as a procedure search without an exam table.
        s_.messages.Show(QStringLiteral("Search & Select ZEMORA Item."));
        return false;
    }
    source.inventory = false;
    source.examTable = ui.lblTable->text();
    source.idField = ui.lblIDFieldName->text();
    source.nameField = ui.lblExamFieldName->text();
    source.section = ui.txtSectionID->text();
    source.revenueId = ui.txtRevID->text();
    return true;
}

void ItemSuggest::cmdSuggest_Click() {
    const QString description = s_.ui.txtESOADesc->text();
    if (description.trimmed().isEmpty()) {
        s_.messages.Show(QStringLiteral("Select ESOA item."));
        return;
    }
    FlexGrid& grid = *s_.ui.Grid2;
    grid.Reset();
    assist::CandidateSource source;
    if (CurrentSource(source)) Fill(source);
    s_.guide.ShowStepHint(4);
}

void ItemSuggest::Fill(const assist::CandidateSource& source) {
    const QString description = s_.ui.txtESOADesc->text();
    QStringList fields = source.inventory
                             ? QStringList{QStringLiteral("ItemID"), QStringLiteral("ItemName"),
                                           QStringLiteral("ItemDesc"), QStringLiteral("GenericName")}
                             : QStringList{source.idField, source.nameField};
    fields << QStringLiteral("LinkedCode");
    std::vector<QStringList> rows;
    try {
        const BusyPointer busy(s_.messages);
        const assist::SuggestIndex& index = cache_.IndexFor(s_.user.sqlconnection(), source);
        for (const assist::Suggestion& suggestion : index.Suggest(description, 50)) {
            const assist::SuggestCandidate& c = index.candidate(suggestion.candidate);
            rows.push_back(source.inventory
                               ? QStringList{c.itemId, c.itemName, c.itemDesc, c.genericName, c.linkedCode}
                               : QStringList{c.itemId, c.itemName, c.linkedCode});
        }
    } catch (const std::exception& e) {
        // As a failed search: the error alone, and the list stays blank.
        s_.messages.Show(DescriptionOf(e));
        return;
    }
    s_.ui.Grid2->Fill(std::move(fields), std::move(rows));
    // Once the list is shown: what tells, after a later save, that the items are still those indexed.
    QTimer::singleShot(0, s_.ui.Grid2, [this] {
        try {
            cache_.Settle(s_.user.sqlconnection());
        } catch (const std::exception&) {
            // Not taken: the next suggestion after a write reads the items again.
        }
    });
}

}  // namespace esoa
