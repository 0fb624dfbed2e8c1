#pragma once

namespace esoa {

struct Screen;

// Finds hospital items for the current item source (inventory master or the exam table of the
// current revenue) into Grid2, and picks one into the hospital item fields.
class ItemSearch {
public:
    explicit ItemSearch(Screen& screen) : s_(screen) {}

    // Searches for the current item source, keeping the highlighted row and scroll position when
    // the new list is long enough.
    void SearchZemoraItems();
    void SearchInventory();
    void SearchProcedures();

    void cmdPreview_Click();
    // Enter (13) searches; the key code is passed on unchanged.
    void txtDesc_KeyPress(int& keyAscii);
    void Grid2_Click();
    void cmdUse_Click();

private:
    Screen& s_;
};

}  // namespace esoa
