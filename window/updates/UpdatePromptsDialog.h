#pragma once

#include "core/files/Csv.h"
#include "window/updates/UpdatePrompts.h"

class QWidget;

namespace esoa {

// The file dialog for a CSV file, starting in the user's documents folder (the program's folder is
// often not writable by its users). Empty when the user cancelled.
QString AskCsvPath(QWidget* parent, const QString& title, const QString& suggestedName);
// Saves `table` for a spreadsheet program at a path the user picks; a failure to write is shown in a
// message box.
void SaveCsvAsked(QWidget* parent, const QString& suggestedName, const csv::Table& table);

// The prompts as modal dialogs over the active window.
class DialogPrompts : public UpdatePrompts {
public:
    bool ReviewChanges(const ChangeReport& report, bool offerContinue) override;
    std::optional<bool> ConfirmApply(const ChangeReport& report) override;
    std::vector<int> ReviewStaleLinks(const ReferenceList& list, const std::vector<StaleLink>& links) override;
    QString AskSavePath(const QString& title, const QString& suggestedName) override;
};

}  // namespace esoa
