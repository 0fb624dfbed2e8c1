#pragma once

namespace esoa {

struct Screen;
class ItemSearch;

// Where hospital items are looked up and under which revenue a link is filed: the item source
// ("INV" inventory or "PROC" procedures, in txtType), the revenue and section, the current exam
// table; and the two revenue lists whose clicks set them and search again.
class ItemSource {
public:
    ItemSource(Screen& screen, ItemSearch& search) : s_(screen), search_(search) {}

    void LoadRevenues();
    // Revenue codes of the current item source, sorted by name.
    void LoadRevenueCodes();
    // true: inventory ("INV", revenue "PH"); false: procedures ("PROC").
    void SetItemSource(bool inventory);

    void optInventory_Click(int index);
    void GridRev_Click();
    void GridRevCode_Click();

private:
    Screen& s_;
    ItemSearch& search_;
};

}  // namespace esoa
