#include "workstation/sequential/windows/SequentialWindows.h"

#include "workstation/sequential/windows/SeqCompare.h"

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
    // Each opening starts from a fresh window: closing it discards everything typed.
    links.showSeqCompare = [this] {
        SeqCompare compare(g_, p_, random_);
        compare.SeqCompare_Form_Load();
        p_.dialogs.showModal(compare);
    };
    analyses_.routes().showSequence = [this] { sequence().showForRun(); };
    links.settingsCalls.unloadSequence = [this] {
        if (sequence_) {
            sequence_->unload();
        }
    };
    analyses_.routes().newAnalysis = [this] {
        if (sequence_) {
            sequence_->newAnalysis();
        }
    };
}

} // namespace ws
