#pragma once
// The one guard round a person's handler: whatever the handler did not expect is shown in a
// box and the program goes on. Each window says how its box reads.

#include "platform/Dialogs.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace platform {

struct FailureBox {
    FailureBox(std::string boxTitle, Icon boxIcon = Icon::Critical, std::string leadText = {},
               bool numberedErrors = false)
        : title(std::move(boxTitle)), icon(boxIcon), lead(std::move(leadText)), numbered(numberedErrors) {}
    std::string title;
    Icon icon;
    std::string lead; // a sentence before the failure's own words; "" for none
    bool numbered;    // a run-time error shows "Error N: " before its words
};

// The failure's own words: a run-time error's description, "Out of memory", another failure's
// text, or "Unknown error"; `numbered` as FailureBox says.
std::string failureWords(std::exception_ptr failure, bool numbered = false);

void guardHandler(Dialogs& dialogs, const FailureBox& box, const std::function<void()>& handler);

} // namespace platform
