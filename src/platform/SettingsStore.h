#pragma once
// The per-user settings store: application, section, value name -> text.

#include <string>

namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& app, const std::string& section, const std::string& name,
                            const std::string& defaultText) = 0;
    virtual void set(const std::string& app, const std::string& section, const std::string& name,
                     const std::string& value) = 0;
};

} // namespace platform
