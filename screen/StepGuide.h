#pragma once

#include <QPushButton>

namespace esoa {

// The floating pointer that walks the user through the numbered steps of a mapping. Its place,
// caption and visibility are its whole state. Once hidden (step 7 or a click on it) it stays hidden
// for the life of the window, while later steps still move it and change its caption unseen.
class StepGuide {
public:
    explicit StepGuide(QPushButton& pointer) : pointer_(pointer) {}

    // Steps 0 to 6 move and re-caption the pointer, 7 hides it, any other number does nothing.
    void ShowStepHint(int step);
    void cmdInst_Click() { pointer_.hide(); }

private:
    QPushButton& pointer_;
};

}  // namespace esoa
