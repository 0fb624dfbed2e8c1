#include "window/screen/StepGuide.h"

#include <algorithm>
#include <array>

#include "window/screen/Twips.h"

namespace esoa {

namespace {

struct Hint {
    int left;  // twips, on the window's design surface
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

// Left of the "Maintenance..." link, ending before the maintenance frame that the link opens (its
// right edge, in twips).
constexpr Hint kMaintenanceHint{15940, 0, "Create Tables first.->"};

}  // namespace

void StepGuide::ShowStepHint(int step) {
    if (step == 7) {
        pointer_.hide();
        return;
    }
    if (step < 0 || step >= static_cast<int>(kHints.size())) return;
    const Hint& hint = kHints[static_cast<size_t>(step)];
    Show(hint.left, hint.top, hint.caption);
}

void StepGuide::PointAtMaintenance() {
    Show(kMaintenanceHint.left, kMaintenanceHint.top, kMaintenanceHint.caption);
    // The arrow points right, at the link: the pointer ends where the hint's place is given.
    pointer_.move(pointer_.x() - pointer_.width(), pointer_.y());
}

void StepGuide::Show(int left, int top, const char* caption) {
    const QWidget* window = pointer_.window();
    pointer_.move(TwipsToPx(left, window), TwipsToPx(top, window));
    pointer_.setText(QString::fromLatin1(caption));
    // Most hints are longer than the pointer's design width, and a push button neither wraps nor
    // elides: centred and cut at both ends, a hint would lose its arrow. The pointer grows to the
    // whole hint instead, and never gets narrower than its design width.
    pointer_.resize(std::max(designWidth_, pointer_.sizeHint().width()), pointer_.height());
}

}  // namespace esoa
