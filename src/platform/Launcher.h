#pragma once
// Starts a helper program on a file: an argument vector, never a shell.

#include <string>
#include <vector>

namespace platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // argv[0] is the program. Returns false when it could not be started.
    virtual bool start(const std::vector<std::string>& argv) = 0;
};

} // namespace platform
