#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/updates/ChangeReport.h"

namespace esoa {

struct Screen;
class PhilHealthLists;
class MappingList;
class ReferenceImport;
class UpdatePrompts;
class ChangeStatus;

// The window's side of the list updates: the maintenance panel's "Preview changes",
// "Apply changes...", "Check links" and "Export links...", and the change report that
// "b. Scan && Import" shows before it stores anything. Each acts on the current list (the caption
// of lblESOATableName) and its files in the import's folder; the work itself is done by the
// widget-free classes of core/updates. The questions go to the prompts (dialogs unless replaced).
class ListUpdates {
public:
    ListUpdates(Screen& screen, PhilHealthLists& lists, MappingList& mappings, ReferenceImport& import,
                ChangeStatus& status);
    ~ListUpdates();

    // Replaces the dialogs (tests); `prompts` must outlive this object.
    void setPrompts(UpdatePrompts& prompts) { prompts_ = &prompts; }

    void cmdPreviewChanges_Click();
    void cmdApplyChanges_Click();
    void cmdCheckLinks_Click();
    void cmdExportLinks_Click();

    // Before the import of `files` (every file of the list, read beforehand) into `table`: shows the
    // change report, which names a file that cannot be read, with Continue and Cancel. True to go on
    // with the import. When the report cannot be made, says why and returns false (nothing is
    // stored), except when the reference table is missing: the import then stops at once, before
    // storing anything, with a message of its own that tells how to create it.
    bool ReviewBeforeImport(const QString& table, const std::vector<ListFile>& files);

private:
    std::optional<ReferenceList> CurrentList();
    std::optional<ChangeReport> Report(const ReferenceList& list);

    Screen& s_;
    PhilHealthLists& lists_;
    MappingList& mappings_;
    ReferenceImport& import_;
    ChangeStatus& status_;
    std::unique_ptr<UpdatePrompts> dialogs_;
    UpdatePrompts* prompts_;
};

}  // namespace esoa
