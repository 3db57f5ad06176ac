#include "platform/qt/XdgFileTypes.h"

#include "platform/DesktopFiles.h"
#include "textfile/Files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform::qt {
namespace {

std::string environmentOr(const char* name, const char* underHome) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value == '/') {
        return value;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + underHome;
}

// Writes one file whole, making its folder; false when either cannot be done.
bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return false;
    }
    try {
        textfile::saveFileAtomically(path.string(), bytes);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string existingText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

XdgFileTypes::XdgFileTypes(std::string dataHome, std::string configHome, Launcher& launcher)
    : dataHome_(std::move(dataHome)), configHome_(std::move(configHome)), launcher_(launcher) {}

std::string XdgFileTypes::userDataHome() {
    return environmentOr("XDG_DATA_HOME", "/.local/share");
}

std::string XdgFileTypes::userConfigHome() {
    return environmentOr("XDG_CONFIG_HOME", "/.config");
}

void XdgFileTypes::registerType(const FileTypeRegistration& registration) {
    const std::filesystem::path data(dataHome_);
    const std::filesystem::path mime = data / "mime";
    const std::filesystem::path applications = data / "applications";
    if (!writeFile(mime / "packages" / mimePackageFileName(registration), mimePackageText(registration)) ||
        !writeFile(applications / desktopFileName(registration), desktopEntryText(registration))) {
        return;
    }
    const std::filesystem::path mimeapps = std::filesystem::path(configHome_) / "mimeapps.list";
    const std::string before = existingText(mimeapps);
    const std::string after =
        withDefaultApplication(before, registration.mimeType, desktopFileName(registration));
    if (after != before) {
        writeFile(mimeapps, after);
    }
    launcher_.start({"update-mime-database", mime.string()}, {});
    launcher_.start({"update-desktop-database", applications.string()}, {});
}

} // namespace platform::qt
