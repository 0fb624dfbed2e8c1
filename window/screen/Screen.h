#pragma once

#include "core/CurrentUser.h"
#include "window/screen/Messages.h"
#include "window/screen/ScreenControls.h"
#include "window/screen/StepGuide.h"

namespace esoa {

class ReportOnce;

// What every routine of the mapping screen works with: its controls (the shared state), the
// current-user object (connection and placement store, read afresh at each use), the message
// service and the step guide. Owned by the form; subsystems hold a reference.
struct Screen {
    ScreenControls& ui;
    CurrentUser& user;
    Messages& messages;
    StepGuide& guide;
    // The report-once scope open at the moment, if any (see ReportOnce in screen/ListReader.h).
    ReportOnce* reportOnce = nullptr;
};

}  // namespace esoa
