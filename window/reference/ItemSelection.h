#pragma once

namespace esoa {

struct Screen;
class MappingList;
class ItemSearch;

// A click on a PhilHealth item in Grid1 makes it the current item: its code, description, fee and
// unit fill the detail boxes, the chosen hospital item is forgotten, the code's links are listed
// and a hospital item search starts from the item's description.
class ItemSelection {
public:
    ItemSelection(Screen& screen, MappingList& mappings, ItemSearch& search)
        : s_(screen), mappings_(mappings), search_(search) {}

    void Grid1_Click();

private:
    Screen& s_;
    MappingList& mappings_;
    ItemSearch& search_;
};

}  // namespace esoa
