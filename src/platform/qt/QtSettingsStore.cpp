#include "platform/qt/QtSettingsStore.h"

#include "textfile/Files.h"
#include "textfile/RunError.h"

#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace platform::qt {
namespace {

// The file as it stands; a file that is not there yet holds nothing.
IniText storedText(const std::string& path) {
    if (!textfile::fileExists(path)) {
        return {};
    }
    return IniText::parse(textfile::readWholeFile(path));
}

} // namespace

QtSettingsStore::QtSettingsStore(QString rootFolder) {
    if (rootFolder.isEmpty()) {
        rootFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    rootFolder_ = rootFolder.toStdString();
}

QtSettingsStore::~QtSettingsStore() {
    for (const auto& [app, values] : pending_) {
        if (!values.empty()) {
            save(app);
        }
    }
}

std::string QtSettingsStore::location(const std::string& app) const {
    return rootFolder_ + "/" + app + ".ini";
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section, const std::string& name,
                                 const std::string& defaultText) {
    if (const auto values = pending_.find(app); values != pending_.end()) {
        if (const auto value = values->second.find(section, name)) {
            return std::string(*value);
        }
    }
    const auto value = stored(app).find(section, name);
    return value ? std::string(*value) : defaultText;
}

const IniText& QtSettingsStore::stored(const std::string& app) {
    auto [values, first] = stored_.try_emplace(app);
    if (first) {
        try {
            values->second = storedText(location(app));
        } catch (const textfile::RunError&) {
            // an unreadable store reads as an empty one
        }
    }
    return values->second;
}

void QtSettingsStore::set(const std::string& app, const std::string& section, const std::string& name,
                          const std::string& value) {
    pending_[app].set(section, name, value);
}

bool QtSettingsStore::save(const std::string& app) {
    IniText& values = pending_[app];
    const std::string path = location(app);
    try {
        std::error_code ignored;
        std::filesystem::create_directories(rootFolder_, ignored);
        IniText text = storedText(path);
        values.forEachValue([&text](std::string_view section, std::string_view name, std::string_view value) {
            text.set(section, name, value);
        });
        textfile::saveFileAtomically(path, text.format());
        stored_[app] = std::move(text);
    } catch (const textfile::RunError&) {
        return false;
    }
    values = IniText();
    return true;
}

} // namespace platform::qt
