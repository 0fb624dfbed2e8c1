#pragma once

#include <QString>
#include <exception>
#include <utility>

#include "database/DbError.h"
#include "window/screen/Messages.h"

namespace esoa {

// Runs one event handler so that no error escapes into Qt's event loop: an error that no routine
// handled ends the event and is shown with its description. Every handler of the window goes
// through here.
template <typename Handler>
void Guarded(Messages& messages, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        messages.Show(DescriptionOf(e));
    } catch (...) {
        messages.Show(QStringLiteral("Unexpected error."));
    }
}

}  // namespace esoa
