#pragma once
// The one guard of a window's handlers: a failure the handler did not expect is shown in a
// box with the window's error title, and the program goes on.

#include "platform/Dialogs.h"
#include "textfile/RunError.h"

#include <exception>
#include <string>

namespace vc {

template <class Handler>
void runGuarded(platform::Dialogs& dialogs, const std::string& title, Handler&& handler) {
    try {
        handler();
    } catch (const textfile::RunError& e) {
        dialogs.messageBox(e.description(), title, platform::Buttons::OK, platform::Icon::Critical);
    } catch (const std::exception& e) {
        dialogs.messageBox(e.what(), title, platform::Buttons::OK, platform::Icon::Critical);
    }
}

} // namespace vc
