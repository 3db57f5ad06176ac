#include "workstation/sequential/windows/SequentialWindows.h"

namespace ws {

SequentialWindows::SequentialWindows(Global& g, platform::Platform& p, platform::Random& random,
                                     AnalysisWindows& analyses)
    : g_(g), p_(p), random_(random), analyses_(analyses) {}

SequentialWindows::~SequentialWindows() = default;

Sequence& SequentialWindows::sequence() {
    if (!sequence_) {
        sequence_ = std::make_unique<Sequence>(g_, p_, random_, analyses_.anal(),
                                               [this] { analyses_.anal().reject(); });
    }
    return *sequence_;
}

void SequentialWindows::wireInto(MainWindowLinks& links) {
    analyses_.routes().showSequence = [this] { sequence().showForRun(); };
    links.settingsCalls.unloadSequence = [this] {
        if (sequence_) {
            sequence_->unload();
        }
    };
    links.showAnalysis = [this, showAnalysis = links.showAnalysis](const std::string& title) {
        if (sequence_) {
            sequence_->newAnalysis();
        }
        if (showAnalysis) {
            showAnalysis(title);
        }
    };
}

} // namespace ws
