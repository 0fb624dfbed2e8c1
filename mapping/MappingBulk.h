#pragma once

namespace esoa {

struct Screen;
class MappingList;
class MappingSave;
class ItemSearch;

// "Delete map" removes the one link the user clicked in the mapping list; "Map ALL Listed" links
// every hospital item listed in Grid2 to the current PhilHealth item, one save per row, with a
// progress display that lets the user stop (the rows saved so far stay saved).
class MappingBulk {
public:
    MappingBulk(Screen& screen, MappingList& mappings, MappingSave& save, ItemSearch& search)
        : s_(screen), mappings_(mappings), save_(save), search_(search) {}

    void cmdDelete_Click();
    void cmdMapAll_Click();

    bool running() const { return running_; }
    // The window is closing: stop after the current row.
    void RequestStop() { closing_ = true; }

private:
    Screen& s_;
    MappingList& mappings_;
    MappingSave& save_;
    ItemSearch& search_;
    bool running_ = false;
    bool closing_ = false;
};

}  // namespace esoa
