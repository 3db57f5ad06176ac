#pragma once

#include "platform/Launcher.h"

namespace platform::qt {

class QtLauncher : public Launcher {
public:
    bool start(const std::vector<std::string>& argv) override;
};

} // namespace platform::qt
