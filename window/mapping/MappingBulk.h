#pragma once

namespace esoa {

struct Screen;
class MappingList;
class MappingSave;
class ChangeStatus;

// "Delete map" removes the one link whose row is current in the mapping list (picked by mouse or
// keys since the list was loaded). "Map ALL Listed" links every hospital item listed in Grid2 to the
// current PhilHealth item, saving the same rows as a pick and a save per row would. It reads the
// PhilHealth item, the revenue state and the listed items once at its start, and runs under a modal
// progress display that lets the user stop (the rows saved so far stay saved); the link list is
// reloaded once, at the end. Each row is a short transaction of its own (see SaveLink), and the
// whole run is one action of the history. Both say on the status line what they did.
class MappingBulk {
public:
    MappingBulk(Screen& screen, MappingList& mappings, MappingSave& save, ChangeStatus& status)
        : s_(screen), mappings_(mappings), save_(save), status_(status) {}

    void cmdDelete_Click();
    void cmdMapAll_Click();

    bool running() const { return running_; }
    // The window is closing: stop after the current row.
    void RequestStop() { closing_ = true; }

private:
    Screen& s_;
    MappingList& mappings_;
    MappingSave& save_;
    ChangeStatus& status_;
    bool running_ = false;
    bool closing_ = false;
};

}  // namespace esoa
