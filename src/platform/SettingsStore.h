#pragma once
// The per-user settings store: application, section, value name -> text.

#include <string>

namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A value set and not yet saved reads as set.
    virtual std::string get(const std::string& app, const std::string& section, const std::string& name,
                            const std::string& defaultText) = 0;
    // Takes effect in the store only at the next save of the application.
    virtual void set(const std::string& app, const std::string& section, const std::string& name,
                     const std::string& value) = 0;
    // Stores every value set for the application in one step, so that an interrupted save
    // leaves the old values or the new ones, never a mix. False when they could not be
    // stored; the values stay set for a later save.
    virtual bool save(const std::string& app) = 0;
    // Where the application's values are kept, as a person would look for them.
    virtual std::string location(const std::string& app) const = 0;
};

} // namespace platform
