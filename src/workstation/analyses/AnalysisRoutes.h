#pragma once
// The steps of an analysis that lie above the analyses library: the windows it shows and
// the tools' recoder. The program fills these in; an analysis whose route is unset says it
// is not available yet and ends the run without touching the report (newAnalysis, a notice
// to whoever keeps state across analyses, may stay unset).

#include <cstdint>
#include <functional>

namespace ws {

struct AnalysisRoutes {
    // kind 2: the recode window, modal. True when the person recoded this pass's file there
    // ("&Go for it!"); closing it without doing so sets AbortRun, so nothing is recoded.
    std::function<bool()> showRecode;
    std::function<void()> fileRecode;        // kind 2: the recode window's FileRecode, for later lists
    std::function<void()> multiLevSetup;     // kind 5
    std::function<void()> showMultilev;      // kind 5, modal
    std::function<void()> multiGroupFreqDur; // kind 5
    std::function<void()> showSequence;      // kind 6, modal
    // An analysis is about to be shown: a run or search that a list of lists repeats by
    // itself must not carry over from the last analysis.
    std::function<void()> newAnalysis;
};

} // namespace ws
