#pragma once
// Records every file-type registration instead of touching the desktop.

#include "platform/FileTypes.h"

#include <vector>

namespace testsupport {

class RecordingFileTypes : public platform::FileTypes {
public:
    std::vector<platform::FileTypeRegistration> registered;
    void registerType(const platform::FileTypeRegistration& registration) override {
        registered.push_back(registration);
    }
};

} // namespace testsupport
