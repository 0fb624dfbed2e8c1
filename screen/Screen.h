#pragma once

#include "app/CurrentUser.h"
#include "screen/Messages.h"
#include "screen/ScreenControls.h"
#include "screen/StepGuide.h"

namespace esoa {

// What every routine of the mapping screen works with: its controls (the shared state), the
// current-user object (connection and placement store, read afresh at each use), the message
// service and the step guide. Owned by the form; subsystems hold a reference.
struct Screen {
    ScreenControls& ui;
    CurrentUser& user;
    Messages& messages;
    StepGuide& guide;
};

}  // namespace esoa
