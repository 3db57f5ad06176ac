#pragma once
// Analyses that the runner dispatches to but that are built elsewhere (or later).
// The program fills these in; an unset route ends the run without touching the report.

#include <cstdint>
#include <functional>

namespace ws {

struct AnalysisRoutes {
    std::function<void()> checkDataFiles; // kind 1
    // kind 2: the recode window, modal. True when the person recoded this pass's file there
    // ("&Go for it!"); closing it without doing so sets AbortRun, so nothing is recoded.
    std::function<bool()> showRecode;
    std::function<void()> fileRecode; // kind 2: the recode window's FileRecode, for later lists
    std::function<void(std::int16_t& kappaMatrixWanted)> interObserverAgreement; // kinds 0 and 4
    std::function<void()> multiLevSetup;                                         // kind 5
    std::function<void()> showMultilev;                                          // kind 5, modal
    std::function<void()> multiGroupFreqDur;                                     // kind 5
    std::function<void()> showSequence;                                          // kind 6, modal
};

} // namespace ws
