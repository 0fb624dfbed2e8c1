#pragma once

#include <QStringList>
#include <vector>

#include "window/updates/UpdatePrompts.h"

namespace esoa::test {

// Answers the list-update questions without a dialog, as set, and keeps what was asked.
class FakePrompts : public UpdatePrompts {
public:
    bool ReviewChanges(const ChangeReport& report, bool offerContinue) override {
        reviewed.push_back(report);
        reviewOffersContinue << offerContinue;
        return offerContinue && continueImport;
    }
    std::optional<bool> ConfirmApply(const ChangeReport& report) override {
        reviewed.push_back(report);
        return applyAnswer;
    }
    std::vector<int> ReviewStaleLinks(const ReferenceList&, const std::vector<StaleLink>& links) override {
        stale = links;
        return refreshRows;
    }
    QString AskSavePath(const QString&, const QString& suggestedName) override {
        suggestedNames << suggestedName;
        return savePath;
    }

    bool continueImport = true;
    std::optional<bool> applyAnswer;  // nullopt: Cancel
    std::vector<int> refreshRows;
    QString savePath;

    std::vector<ChangeReport> reviewed;
    QList<bool> reviewOffersContinue;
    std::vector<StaleLink> stale;
    QStringList suggestedNames;
};

}  // namespace esoa::test
