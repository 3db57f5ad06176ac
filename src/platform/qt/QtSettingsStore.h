#pragma once

#include "platform/IniText.h"
#include "platform/SettingsStore.h"

#include <QString>

#include <map>
#include <string>

namespace platform::qt {

// One INI file per application in the user's configuration folder (or under rootFolder when
// one is given, for tests). Values set wait in memory until the application is saved; the
// file is then written once, whole, through the one temporary file a save of it uses and
// renames over it, so a save cut short leaves the old file or the new one and at most that
// temporary beside it. The file is read and parsed once, at the first value asked of it; a save
// merges into the file as it stands then, so values another program saved meanwhile are kept.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString rootFolder = {});
    // Values set and never saved are saved now, so none is lost by a caller that forgot.
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string get(const std::string& app, const std::string& section, const std::string& name,
                    const std::string& defaultText) override;
    void set(const std::string& app, const std::string& section, const std::string& name,
             const std::string& value) override;
    bool save(const std::string& app) override;
    std::string location(const std::string& app) const override;

private:
    // The stored values of an application: its file as first read, or as this store last saved it.
    const IniText& stored(const std::string& app);

    std::string rootFolder_;
    std::map<std::string, IniText> pending_; // by application
    std::map<std::string, IniText> stored_;  // by application
};

} // namespace platform::qt
