#pragma once

#include <QString>

namespace esoa {

struct Screen;

// Keeps the screen telling one story across a refresh of the lists (the import's reload, the reload
// after "Apply changes...", the list switch). Made before the refresh, it notes the item source;
// Finish, after it, makes the highlighted category the row of the category in txtAreaCat (none when
// the box is empty or the category is no longer listed) and, when the item source changed without a
// category being routed, clears what still belongs to the old source: the revenue (unless the new
// source is the inventory, whose revenue the switch set), the section, the exam table, the hospital
// item fields and the hospital item list. When the reference table changed without a category being
// routed, the PhilHealth item of the other list is forgotten too. A routed category has set all of
// these itself.
class CoherentRefresh {
public:
    explicit CoherentRefresh(Screen& screen);

    void Finish(bool categoryRouted = false);

private:
    void HighlightCategory();
    void ForgetOldSource();

    Screen& s_;
    QString typeBefore_;
    QString tableBefore_;
};

}  // namespace esoa
