#pragma once

namespace esoa {

struct Screen;

// The current PhilHealth reference list (named by lblESOATableName): its categories in GridCat and
// its items in Grid1, filtered by the description in txtSOADesc and the category in txtAreaCat
// ("-" stands for the empty category).
class PhilHealthLists {
public:
    explicit PhilHealthLists(Screen& screen) : s_(screen) {}

    void LoadEsoaItems();
    void LoadCategories();
    // Whether GridCat holds the categories of its last read (false after a failed read).
    bool CategoriesListed() const { return categoriesListed_; }
    void cmdSearchSOAItem_Click() { LoadEsoaItems(); }
    // Enter (13) searches as the button does; the key code is passed on unchanged.
    void txtSOADesc_KeyPress(int& keyAscii) {
        if (keyAscii == 13) cmdSearchSOAItem_Click();
    }

private:
    Screen& s_;
    bool categoriesListed_ = false;
};

}  // namespace esoa
