#pragma once

#include <QString>

#include "core/links/LinkWrite.h"

namespace esoa {

struct Screen;
class MappingList;

// Saves the link between the current PhilHealth item and the chosen hospital item into the link
// table of the current reference table. A hospital item of a revenue (RevenueID, ItemID) has at
// most one link per table: saving it again rewrites that link, moving it to the code now selected.
class MappingSave {
public:
    MappingSave(Screen& screen, MappingList& mappings) : s_(screen), mappings_(mappings) {}

    // Validates, inserts or rewrites the link, refreshes the link list, shows step 6. Database
    // errors are not caught here: they end the click (and a map-all run).
    void cmdEdit_Click();

    // The link the screen's boxes describe now, as they stand (untrimmed).
    LinkValues ScreenValues() const;
    // The link write (LinkWrite.h) on the current user's connection; no validation, no refresh.
    void WriteLink(const LinkValues& link);

private:
    Screen& s_;
    MappingList& mappings_;
};

}  // namespace esoa
