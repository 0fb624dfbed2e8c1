#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/updates/ChangeReport.h"
#include "core/updates/StaleLinks.h"

namespace esoa {

// The questions the list-update actions ask the user. The window answers them with dialogs
// (DialogPrompts); tests answer them without blocking.
class UpdatePrompts {
public:
    virtual ~UpdatePrompts() = default;
    // Shows a change report (summary, table, Save as CSV). With `offerContinue` the user chooses
    // Continue (true) or Cancel (false); without it there is only Close (false).
    virtual bool ReviewChanges(const ChangeReport& report, bool offerContinue) = 0;
    // Lists what applying the report will write and asks once. nullopt: cancelled; otherwise whether
    // the copies in the links are to be updated too.
    virtual std::optional<bool> ConfirmApply(const ChangeReport& report) = 0;
    // Shows the stale links and returns the indexes of those whose copies the user chose to refresh
    // (empty: none).
    virtual std::vector<int> ReviewStaleLinks(const ReferenceList& list, const std::vector<StaleLink>& links) = 0;
    // Asks where to save a CSV file, proposing `suggestedName`; empty when the user declined.
    virtual QString AskSavePath(const QString& title, const QString& suggestedName) = 0;
};

}  // namespace esoa
