#include "window/mapping/MappingBulk.h"

#include <QElapsedTimer>
#include <QScopedValueRollback>
#include <vector>

#include "database/Connection.h"
#include "core/routing/ExamTableNames.h"
#include "window/history/ChangeStatus.h"
#include "window/mapping/MappingList.h"
#include "window/mapping/MappingSave.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

// Redrawing the window after every row cost more than the saves themselves; a few redraws a second
// keep the progress moving and Cancel answering.
constexpr qint64 kStepEveryMs = 40;

struct ListedItem {
    QString id, desc;
};

}  // namespace

void MappingBulk::cmdDelete_Click() {
    const QString table = s_.ui.lblESOATableName->text();
    const MappingList::Selection selected = mappings_.selected();
    // Only a link row the user made current in a list of the current table is ever removed.
    if (selected.id.isEmpty() || selected.table != table) {
        s_.messages.Show(QStringLiteral("Select the mapping to delete in the Mapping list."));
        return;
    }
    history::Action action = status_.NewAction(history::Kind::Delete);
    const bool deleted = DeleteLink(action, selected.id);
    mappings_.LoadMappings();
    if (deleted) {
        status_.Done(QStringLiteral("Link %1 deleted").arg(selected.id), action);
    } else {
        status_.Show(QStringLiteral("Link %1 was deleted already.").arg(selected.id));
    }
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

    // Every input of the run is read here, once: whatever happens on the screen meanwhile, each row
    // is filed as the screen stood when the user clicked.
    LinkValues link = save_.ScreenValues();
    std::vector<ListedItem> items;
    items.reserve(static_cast<size_t>(last));
    for (int row = 1; row <= last; ++row) items.push_back({grid.TextMatrix(row, 0), grid.TextMatrix(row, 1)});

    const QScopedValueRollback<bool> running(running_, true);
    closing_ = false;
    const QString otherRevenueHeader = ExamTableNames::OtherRevenue().idField;
    history::Action action = status_.NewAction(history::Kind::MapAll);
    int done = 0, saved = 0, moved = 0;
    bool anySaved = false;
    bool lastSaved = false;
    // What a pick and a save per row would have left on the screen after the last row handled.
    auto finish = [&] {
        if (anySaved) status_.Done(ChangeStatus::MapAllText(link.code, saved, moved, done, last), action);
        if (done == 0) return;
        ui.txtZEMORAItemID->setText(link.itemId);
        ui.txtZEMORAitemDesc->setText(link.itemDesc);
        try {
            grid.setRow(done);
        } catch (const GridError&) {
            // The list changed under the run; its rows were saved all the same.
        }
        if (anySaved) mappings_.LoadMappings();
        s_.guide.ShowStepHint(lastSaved ? 6 : 5);
    };

    auto progress =
        s_.messages.StartProgress(QStringLiteral("Mapping %1 listed items...").arg(last), last, true);
    QElapsedTimer sinceStep;
    sinceStep.start();
    try {
        for (const ListedItem& item : items) {
            if (closing_ || progress->Cancelled()) break;
            // A row reading like the other-revenue header is no pick: the item picked before it is
            // saved again.
            if (item.id != otherRevenueHeader) {
                link.itemId = item.id;
                link.itemDesc = item.desc;
            }
            ++done;
            lastSaved = false;
            if (link.itemId.isEmpty()) {
                s_.messages.Show(QStringLiteral("Select ZEMORA item."));
            } else {
                const SaveOutcome outcome = SaveLink(action, link);
                ++saved;
                moved += outcome.kind == SaveOutcome::Kind::Moved ? 1 : 0;
                anySaved = lastSaved = true;
            }
            if (done == 1 || done == last || sinceStep.elapsed() >= kStepEveryMs) {
                progress->Step(done, QStringLiteral("Mapped %1 of %2 listed items").arg(done).arg(last));
                sinceStep.restart();
            }
        }
    } catch (...) {
        // The rows before the failing one stay saved and listed; the failure ends the run.
        finish();
        throw;
    }
    finish();
}

}  // namespace esoa
