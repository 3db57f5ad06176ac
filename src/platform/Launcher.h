#pragma once
// Starts a helper program on a file: an argument vector, never a shell.

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Told the exit code of a program that ended with an error within a moment of starting
// (a desktop opener that finds no program for the file does); never called otherwise.
using QuickFailure = std::function<void(int exitCode)>;

class Launcher {
public:
    virtual ~Launcher() = default;
    // argv[0] is the program. Returns false when it could not be started; the program runs on
    // without being waited for. A quick failure is told later, from the event loop.
    virtual bool start(const std::vector<std::string>& argv, const QuickFailure& onQuickFailure) = 0;
};

} // namespace platform
