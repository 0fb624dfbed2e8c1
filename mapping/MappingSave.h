#pragma once

#include <QString>

namespace esoa {

struct Screen;
class MappingList;

// The values of one link, as the link table stores them. `table` is the reference table; the link
// table is its name followed by "_LINK".
struct LinkValues {
    QString table;
    QString itemId, revenueId;  // the link's identity, written on insert only
    QString itemDesc, invOrProc, code, sectionId, category, description, fixedFee, chargingUnit;
};

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
    // Looks the link up by (RevenueID, ItemID) and rewrites its first row, or inserts it when there
    // is none, in one short transaction that keeps other writers from adding the same pair meanwhile
    // and is tried again when it loses a race with one (RetryOnBusy). No validation, no refresh.
    // Throws on a database error.
    void WriteLink(const LinkValues& link);

private:
    Screen& s_;
    MappingList& mappings_;
};

}  // namespace esoa
