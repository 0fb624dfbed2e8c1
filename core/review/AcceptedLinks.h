#pragma once

#include <QStringList>
#include <vector>

#include "core/ListData.h"
#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "ranking/SuggestIndex.h"

namespace esoa::assist {

// A suggestion a reviewer accepted: the code and the hospital item to link it to.
struct AcceptedLink {
    ReferenceRow code;
    SuggestCandidate item;
};

// The link a save of the accepted item writes: the code and its copies (category, description,
// fee, unit) from its reference row, the item's name as ItemDesc, filed under the item's own
// InvOrProc, RevenueID and SectionID.
LinkValues LinkOf(const ReferenceList& list, const AcceptedLink& accepted);

struct AcceptedOutcome {
    std::vector<int> written;  // indexes of the accepted links written
    QStringList leftOut;       // one line per accepted link not written, with the reason
};

// Writes the accepted links of the action's list through the link write (SaveLink: each item
// checked against its source), all in one transaction of `action`, which the history records as
// one action, undone as a whole: every one of them or, on any failure, none (DbError; an item no
// longer in its source, or no longer active there (HospitalItems): ItemNotInSource, its text
// beginning with the code it was accepted for).
// An item keeps one link per revenue, so saving it for a code moves a link it has under another
// code: such links are left out instead, and named, as are two accepted links of one item (its
// RevenueID and ItemID, compared as the database compares them), neither of which is written.
// Moving a link stays a deliberate step of the mapping screen.
AcceptedOutcome WriteAcceptedLinks(history::Action& action, const std::vector<AcceptedLink>& accepted);

}  // namespace esoa::assist
