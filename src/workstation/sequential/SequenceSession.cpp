#include "workstation/sequential/SequenceSession.h"

#include "platform/SavedFile.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/RunOutput.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SeqAnalysisRun.h"
#include "workstation/sequential/SeqSearch.h"

#include <algorithm>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;
using textfile::kFalse;
using textfile::kTrue;

// Elements 1..n of a run array get the codes; elements above keep what they held.
void setCodes(std::vector<std::string>& codes, std::int16_t& count, const std::vector<std::string>& chosen) {
    count = textfile::toInt16(static_cast<double>(chosen.size()));
    if (codes.size() < chosen.size() + 1) {
        codes.resize(chosen.size() + 1); // the lists may hold more codes than the code set
    }
    std::copy(chosen.begin(), chosen.end(), codes.begin() + 1);
}

// The busy pointer for as long as a run lasts, however it ends.
class BusyPointer {
public:
    explicit BusyPointer(AnalysisStatus& status) : status_(status) { status_.setBusy(true); }
    ~BusyPointer() { status_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    AnalysisStatus& status_;
};

std::int32_t countOf(const std::string& text) {
    return textfile::toInt32(textfile::leadingNumber(text));
}

} // namespace

SequenceSession::SequenceSession(Global& g, platform::Platform& p, platform::Random& random,
                                 AnalysisStatus& anal, SequenceView& view)
    : g_(g), p_(p), random_(random), anal_(anal), view_(view) {}

// Only a list of event files can be counted. A refused list ends the whole analysis.
bool SequenceSession::load() {
    const auto arraySize = static_cast<std::size_t>(std::max<int>(g_.NumCodes, 0)) + 1;
    run_.gGivens.assign(arraySize, std::string());
    run_.gTargets.assign(arraySize, std::string());
    setupFileName_.clear();
    g_.UnsavedChanges = kFalse;
    if (g_.InputMode != kListFileInput) {
        return true;
    }
    std::string type;
    try {
        type = readListType(g_.DataFileName);
    } catch (const textfile::RunError&) {
        // a list that cannot be read is no list of event files
    }
    if (type == kEventFilesList) {
        return true;
    }
    p_.dialogs.messageBox("Not a valid list: " + g_.DataFileName, "Error!", Buttons::OK, Icon::None);
    g_.AbortRun = kTrue;
    return false;
}

void SequenceSession::copyIntoRun(const SequenceControls& chosen) {
    run_.gWindowRules = {};
    if (chosen.windowType >= 0) {
        run_.gWindowRules[0] = static_cast<std::int16_t>(chosen.windowType + 1);
    }
    for (std::size_t k = 0; k < chosen.rules.size(); ++k) {
        run_.gWindowRules[k + 1] = chosen.rules[k] ? 1 : 0;
    }
    run_.gForward = textfile::toFlag(!chosen.backward);
    run_.gGivensAsGroup = textfile::toFlag(chosen.givensAsGroup);
    run_.gResample = textfile::toFlag(chosen.resample);
    run_.gWithinLevel =
        chosen.withinLevel ? textfile::toInt16(textfile::leadingNumber(chosen.levelText)) : std::int16_t{0};
    run_.gEventLags = textfile::toFlag(chosen.eventLags);
    run_.gResampleCount = chosen.resample1000 ? 1000 : 10000;
    run_.gLagCount = countOf(chosen.countText);
}

// Givens in list order outside, targets inside; a stop request ends the pairings. The
// press's report goes to the file in one append.
void SequenceSession::runPairings(const SequenceControls& chosen) {
    const BusyPointer busy(anal_);
    RunOutputHold output(g_);
    pairEach(chosen);
    output.write();
}

void SequenceSession::pairEach(const SequenceControls& chosen) {
    LagPairFiles reuse(g_); // each file of this press is read once
    const auto runOnce = [&] {
        SeqAnalysisRun(g_, p_, random_, anal_, run_, g_.DataFileName, g_.InputMode, &reuse);
        return g_.AbortRun == kFalse;
    };
    const auto forTargets = [&] {
        if (chosen.targetsAsGroup) {
            setCodes(run_.gTargets, run_.gTargetCount, chosen.targets);
            return runOnce();
        }
        for (const auto& target : chosen.targets) {
            setCodes(run_.gTargets, run_.gTargetCount, {target});
            if (!runOnce()) {
                return false;
            }
        }
        return true;
    };
    if (run_.gGivensAsGroup != kFalse) {
        setCodes(run_.gGivens, run_.gGivenCount, chosen.givens);
        forTargets();
        return;
    }
    for (const auto& given : chosen.givens) {
        setCodes(run_.gGivens, run_.gGivenCount, {given});
        if (!forTargets()) {
            return;
        }
    }
}

std::vector<std::string> SequenceSession::searchTargets(const SequenceControls& chosen) {
    run_.gForward = textfile::toFlag(!chosen.backward);
    run_.gGivensAsGroup = textfile::toFlag(chosen.givensAsGroup);
    run_.gEventLags = textfile::toFlag(chosen.eventLags);
    run_.gLagCount = countOf(chosen.countText);
    if (run_.gEventLags == kFalse) {
        p_.dialogs.messageBox("You can't currently do a search in time based mode...", "Sorry Quill...",
                              Buttons::OK, Icon::Information);
        return {};
    }
    if (chosen.givens.empty()) {
        p_.dialogs.messageBox("You need at least one given to search for targets...", "Sorry...", Buttons::OK,
                              Icon::None);
        return {};
    }
    const BusyPointer busy(anal_);
    std::vector<std::string> targets = chosen.targets;
    const std::size_t before = targets.size();
    const auto search = [&] { SeqSearchRun(g_, p_, anal_, run_, g_.DataFileName, g_.InputMode, targets); };
    if (run_.gGivensAsGroup != kFalse) {
        setCodes(run_.gGivens, run_.gGivenCount, chosen.givens);
        search();
    } else {
        for (const auto& given : chosen.givens) {
            setCodes(run_.gGivens, run_.gGivenCount, {given});
            search();
        }
    }
    return {targets.begin() + static_cast<std::ptrdiff_t>(before), targets.end()};
}

void SequenceSession::NewFile_Click() {
    view_.clearLists();
    setupFileName_.clear();
}

std::optional<std::string> SequenceSession::askSetupName(const std::string& offered) {
    return p_.dialogs.inputBox("Enter a name for the code setup file...", "File Name?", offered);
}

bool SequenceSession::writeSetup() {
    const SequenceControls shown = view_.controls();
    SeqSetup setup;
    setup.givens = shown.givens;
    setup.targets = shown.targets;
    setup.merge = shown.merge ? 1 : 0;
    setup.backward = shown.backward ? 1 : 0;
    setup.givensAsGroup = shown.givensAsGroup ? 1 : 0;
    setup.eventLags = shown.eventLags;
    setup.timeWindow = shown.timeWindow;
    setup.countText = shown.countText;
    try {
        platform::saveKeptFile(p_.dialogs, setupFileName_, seqSetupBytes(setup));
    } catch (const textfile::RunError& error) {
        p_.dialogs.messageBox("The code setup file " + setupFileName_ + " could not be saved: " +
                                  error.description() + ". Any earlier copy of the file was left as it was.",
                              "File Error", Buttons::OK, Icon::Exclamation);
        return false;
    }
    return true;
}

bool SequenceSession::FileSave_Click() {
    if (setupFileName_.empty()) {
        setupFileName_ = askSetupName("").value_or("");
        if (setupFileName_.empty()) {
            return true;
        }
    }
    return writeSetup();
}

void SequenceSession::FileSaveAs_Click() {
    setupFileName_ = askSetupName(textfile::FileNameOnly(setupFileName_)).value_or("");
    if (!setupFileName_.empty()) {
        writeSetup();
    }
}

void SequenceSession::FileOpen_Click() {
    if (g_.UnsavedChanges != kFalse && !FileSave_Click()) {
        return; // the edits that could not be saved stay in the window
    }
    NewFile_Click();
    const std::string name = askSetupName("").value_or("");
    if (!name.empty()) {
        openSetup(name);
    }
}

// The name is adopted only for a setup file read whole, so a later save never writes over
// a file of another kind or one that could not be read.
void SequenceSession::openSetup(const std::string& name) {
    std::optional<SeqSetup> setup;
    try {
        setup = parseSeqSetup(textfile::readWholeFile(name));
    } catch (const textfile::RunError& error) {
        p_.dialogs.messageBox("The code setup file " + name + " could not be read: " + error.description() +
                                  ".",
                              "File Error", Buttons::OK, Icon::Exclamation);
        return;
    }
    if (!setup) {
        p_.dialogs.beep();
        p_.dialogs.messageBox("Wrong file type:" + name, kProgramTitle, Buttons::OK, Icon::None);
        return;
    }
    setupFileName_ = name;
    view_.showSetup(*setup);
}

bool SequenceSession::FileExit_Click() {
    return g_.UnsavedChanges == kFalse || FileSave_Click();
}

std::vector<std::string> sequenceCodes(const Global& g) {
    std::vector<std::string> codes;
    for (int r = 1; r <= g.NumCodes; ++r) {
        codes.push_back(g.CodeTable.code(r));
    }
    return codes;
}

std::vector<std::string> sequenceLevels(const Global& g) {
    std::vector<std::string> levels;
    for (int r = 1; r <= g.NumCodes; ++r) {
        const std::string group = g.CodeTable(3, r).asText();
        if (g.CodeTable.group(r) != 0 && std::find(levels.begin(), levels.end(), group) == levels.end()) {
            levels.push_back(group);
        }
    }
    return levels;
}

} // namespace ws
