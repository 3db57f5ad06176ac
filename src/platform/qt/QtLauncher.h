#pragma once

#include "platform/Launcher.h"

namespace platform::qt {

class QtLauncher : public Launcher {
public:
    bool start(const std::vector<std::string>& argv, const QuickFailure& onQuickFailure) override;
};

} // namespace platform::qt
