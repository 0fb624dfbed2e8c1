#pragma once

#include "core/suggest/SuggestSource.h"

namespace esoa {

struct Screen;

// Lists in Grid2 the hospital items of the current item source that best match the current
// PhilHealth item's description, best first (at most 50), in the columns the search shows them,
// plus a last column "LinkedCode" with the code an item is already linked to in the current link
// table. A click on a row then picks the item as after a search (Grid2_Click reads columns 0 and 1).
//
// Keeps the ranking index of the last source while the window lives, and builds it again when the
// source changes or its rows do. Column widths stay as the load set them.
class ItemSuggest {
public:
    explicit ItemSuggest(Screen& screen) : s_(screen) {}

    void cmdSuggest_Click();

private:
    // The source the screen's controls name; false (after telling the user) when there is none.
    bool CurrentSource(assist::CandidateSource& source);
    // Ranks and fills Grid2; a failure to read is shown and leaves the list blank.
    void Fill(const assist::CandidateSource& source);

    Screen& s_;
    assist::SuggestCache cache_;
};

}  // namespace esoa
