#pragma once

namespace esoa {

struct Screen;
class PhilHealthLists;
class ItemSource;
class CategoryRouting;

// The first two steps of a mapping: the choice of the reference list (optTable) and the click on a
// category (GridCat), both handed on to the category routing.
class ListSwitch {
public:
    ListSwitch(Screen& screen, PhilHealthLists& lists, ItemSource& source, CategoryRouting& routing)
        : s_(screen), lists_(lists), source_(source), routing_(routing) {}

    // Makes the list of option `index` (ReferenceList::AtOption) the current one, reloads both lists
    // and routes the first category.
    void optTable_Click(int index);
    void GridCat_Click();

private:
    Screen& s_;
    PhilHealthLists& lists_;
    ItemSource& source_;
    CategoryRouting& routing_;
};

}  // namespace esoa
