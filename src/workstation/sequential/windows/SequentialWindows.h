#pragma once
// The sequential settings window, put together once per program: the analysis runner
// shows it, writing the settings unloads it, and each new analysis clears what a list of
// lists carries over from the last one.

#include "platform/Platform.h"
#include "platform/Random.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/sequential/windows/Sequence.h"

#include <memory>

namespace ws {

class SequentialWindows {
public:
    // `random` is the program's one random source, shared with whatever else draws.
    SequentialWindows(Global& g, platform::Platform& p, platform::Random& random, AnalysisWindows& analyses);
    ~SequentialWindows();

    // Sets the comparison window's and the settings' links, and the analyses' routes to the
    // settings window.
    void wireInto(MainWindowLinks& links);
    // The window, created on first use and kept for the rest of the run.
    Sequence& sequence();

private:
    Global& g_;
    platform::Platform& p_;
    platform::Random& random_;
    AnalysisWindows& analyses_;
    std::unique_ptr<Sequence> sequence_;
};

} // namespace ws
