#pragma once

#include "window/screen/ScreenControls.h"

namespace esoa {

// Makes the mapping screen usable without a mouse and by a screen reader: Tab follows the numbered
// steps (list choice, category, PhilHealth search and list, hospital item search, list and detail,
// save), then the mapping list and its delete, the remaining lists and the maintenance link and
// buttons; read-only boxes take focus by click only (for copying) and are left out of Tab; every
// list and box is named by the caption beside it. Called once, after the controls are built.
void ArrangeKeyboardAccess(ScreenControls& c);

}  // namespace esoa
