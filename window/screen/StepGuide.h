#pragma once

#include <QPushButton>

namespace esoa {

// The floating pointer that walks the user through the numbered steps of a mapping. Its place,
// caption and visibility are its whole state. Once hidden (step 7 or a click on it) it stays hidden
// for the life of the window, while later steps still move it and change its caption unseen.
class StepGuide {
public:
    // Takes the pointer at its design place and size; the pointer belongs to the form.
    explicit StepGuide(QPushButton& pointer) : pointer_(pointer), designWidth_(pointer.width()) {}

    // Steps 0 to 6 move and re-caption the pointer (widening it to show the whole hint), 7 hides
    // it, any other number does nothing.
    void ShowStepHint(int step);
    void cmdInst_Click() { pointer_.hide(); }
    // Before any step can be taken the tables must be created: the pointer goes beside the
    // "Maintenance..." link, under the same rules as a step (a hidden pointer stays hidden).
    void PointAtMaintenance();

private:
    // Moves the pointer (twips on the design surface) and gives it the caption.
    void Show(int left, int top, const char* caption);

    QPushButton& pointer_;
    int designWidth_;
};

}  // namespace esoa
