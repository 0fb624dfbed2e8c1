#pragma once

#include <QString>

#include "core/links/LinkWrite.h"

namespace esoa {

struct Screen;
class MappingList;
class ChangeStatus;

// Saves the link between the current PhilHealth item and the chosen hospital item into the link
// table of the current reference table. A hospital item of a revenue (RevenueID, ItemID) has at
// most one link per table: saving it again rewrites that link, moving it to the code now selected.
class MappingSave {
public:
    MappingSave(Screen& screen, MappingList& mappings, ChangeStatus& status)
        : s_(screen), mappings_(mappings), status_(status) {}

    // Validates, inserts or rewrites the link as one action of the history, refreshes the link
    // list, shows step 6 and says on the status line what was done. Database errors are not caught
    // here: they end the click.
    void cmdEdit_Click();

    // The link the screen's boxes describe now, as they stand (untrimmed).
    LinkValues ScreenValues() const;

private:
    Screen& s_;
    MappingList& mappings_;
    ChangeStatus& status_;
};

}  // namespace esoa
