#pragma once
// Analyses that the runner dispatches to but that are built elsewhere (or later).
// The program fills these in; an unset route ends the run without touching the report.

#include <cstdint>
#include <functional>

namespace ws {

struct AnalysisRoutes {
    std::function<void()> checkDataFiles; // kind 1
    std::function<void()> showRecode;     // kind 2: the recode window, modal
    std::function<void()> fileRecode;     // kind 2: the recode window's FileRecode
    std::function<void(std::int16_t& kappaMatrixWanted)> interObserverAgreement; // kinds 0 and 4
    std::function<void()> multiLevSetup;                                         // kind 5
    std::function<void()> showMultilev;                                          // kind 5, modal
    std::function<void()> multiGroupFreqDur;                                     // kind 5
    std::function<void()> showSequence;                                          // kind 6, modal
};

} // namespace ws
