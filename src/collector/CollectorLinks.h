#pragma once
// What the collector reaches outside itself; the program fills these in. Unset links do nothing.

#include <functional>

namespace collector {

struct CollectorLinks {
    // Step 1 of every load: the workstation re-reads its settings and opens the code set;
    // the stand-alone program reads them without writing or asking.
    std::function<void()> readSettingsAndCodeSet;
    // Closes the window through its unload (which saves once more).
    std::function<void()> unloadWindow;
    // Ends the whole program.
    std::function<void()> endProgram;
};

} // namespace collector
