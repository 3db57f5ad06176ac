#pragma once

#include "platform/SettingsStore.h"

#include <QString>

namespace platform::qt {

// One INI file per application in the user's configuration folder
// (or under rootFolder when one is given, for tests).
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString rootFolder = {});
    std::string get(const std::string& app, const std::string& section, const std::string& name,
                    const std::string& defaultText) override;
    void set(const std::string& app, const std::string& section, const std::string& name,
             const std::string& value) override;

private:
    QString fileFor(const std::string& app) const;
    QString rootFolder_;
};

} // namespace platform::qt
