#include "workstation/analyses/windows/AnalysisWindows.h"

#include "workstation/analyses/InterObserverAgreement.h"
#include "workstation/analyses/windows/ShowAnalysis.h"
#include "workstation/core/OptionsStandIn.h"

namespace ws {

AnalysisWindows::AnalysisWindows(Global& g, platform::Platform& p) : g_(g), p_(p) {
    // The agreement reports its progress in the dialog that runs it.
    routes_.interObserverAgreement = [this](std::int16_t& kappaMatrixWanted) {
        InterObserverAgreement(g_, p_, anal(), kappaMatrixWanted);
    };
}

AnalysisWindows::~AnalysisWindows() = default;

Anal& AnalysisWindows::anal() {
    if (!anal_) {
        anal_ = std::make_unique<Anal>(g_, p_, routes_);
        anal_->setShowOptions([this] { showOptionsNotAvailable(g_, p_); });
    }
    return *anal_;
}

void AnalysisWindows::wireInto(MainWindowLinks& links) {
    links.showAnalysis = [this](const std::string& title) { makeShowAnalysis(anal(), p_)(title); };
    links.showOptions = [this] { showOptionsNotAvailable(g_, p_); };
}

} // namespace ws
