#include "screen/StepGuide.h"

#include <algorithm>
#include <array>

#include "screen/Twips.h"

namespace esoa {
namespace {

struct Hint {
    int left;  // twips, in the window's client area
    int top;
    const char* caption;
};

// Each hint points at the control of the step that comes next.
constexpr std::array<Hint, 7> kHints{{
    {6240, 1080, "<-Click Category."},
    {5760, 3000, "<-Search and Select PhilHealth Item."},
    {19800, 120, "<-Select Revenue."},
    {14400, 2760, "<-Search ZEMORA Item"},
    {14400, 3760, "<-Select ZEMORA Item"},
    {15960, 1800, "<-Verify and Save Mapping"},
    {6120, 11880, "<-Done. Mapped items displayed here"},
}};

}  // namespace

void StepGuide::ShowStepHint(int step) {
    if (step == 7) {
        pointer_.hide();
        return;
    }
    if (step < 0 || step >= static_cast<int>(kHints.size())) return;
    const Hint& hint = kHints[static_cast<size_t>(step)];
    const QWidget* window = pointer_.window();
    pointer_.move(TwipsToPx(hint.left, window), TwipsToPx(hint.top, window));
    pointer_.setText(QString::fromLatin1(hint.caption));
    // Most hints are longer than the pointer's design width, and a push button neither wraps nor
    // elides: centred and cut at both ends, a hint would lose its arrow. The pointer grows to the
    // whole hint instead, and never gets narrower than its design width.
    pointer_.resize(std::max(designWidth_, pointer_.sizeHint().width()), pointer_.height());
}

}  // namespace esoa
