#pragma once
// The boxes an import shows: its refusals and time errors with the program's title, and a
// failure that stops it as "Error Loading ... Data: " with the critical icon.

#include "platform/Dialogs.h"
#include "workstation/core/ImportTimes.h"

#include <string>

namespace ws {

class ImportMessages {
public:
    // Without dialogs (a reader run on its own) the boxes are dropped.
    explicit ImportMessages(platform::Dialogs* dialogs) : dialogs_(dialogs) {}

    void tell(const std::string& text) const;
    // What ParseTimeString's errors go to.
    ImportMessageSink timeErrors() const {
        return [this](const std::string& message) { tell(message); };
    }
    // Runs body() and returns its result; a failure it throws is shown as `loadError` followed
    // by the failure's description, and gives false.
    template <class Body> bool showingFailures(const std::string& loadError, Body body) const {
        try {
            return body();
        } catch (const std::exception& error) {
            failed(loadError, error);
        }
        return false;
    }

private:
    void failed(const std::string& loadError, const std::exception& error) const;
    platform::Dialogs* dialogs_;
};

} // namespace ws
