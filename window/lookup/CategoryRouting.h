#pragma once

namespace esoa {

struct Screen;
class PhilHealthLists;
class ItemSource;
class ItemSearch;

// Presets the hospital item search for the PhilHealth category selected in GridCat: clears the
// previous selection, records the category, chooses the item source and, for the categories it
// knows, the revenue code or section and the exam table; then reloads the PhilHealth list and
// searches. Errors are not caught here: they end the routing and go to the caller.
//
// With no category row selected (an empty list, the header row, or the blank row a failed read
// leaves) the routing changes nothing: no category filter is set and nothing is searched.
class CategoryRouting {
public:
    CategoryRouting(Screen& screen, PhilHealthLists& lists, ItemSource& source, ItemSearch& search)
        : s_(screen), lists_(lists), source_(source), search_(search) {}

    void ClearSelection();
    // Returns whether a category was routed.
    bool ApplyCategoryDefaults();

private:
    Screen& s_;
    PhilHealthLists& lists_;
    ItemSource& source_;
    ItemSearch& search_;
};

}  // namespace esoa
