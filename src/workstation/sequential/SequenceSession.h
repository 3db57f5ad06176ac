#pragma once
// The sequential settings window's logic: the list check at load, the pairings of one press
// of "&Go For It!", the target search and the code setup files of the File menu. Plain C++:
// the window forwards its handlers here and reads and fills its controls through
// SequenceView; the run state and the setup file's name live here.

#include "platform/Platform.h"
#include "platform/Random.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SeqSetupFile.h"
#include "workstation/sequential/SequentialRun.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ws {

// The choices the window shows, as texts and check states.
struct SequenceControls {
    std::vector<std::string> givens;  // List2, in order
    std::vector<std::string> targets; // List3, in order
    bool merge = false;               // Check1 "Toggle &Merge"
    bool backward = false;            // Check2
    bool givensAsGroup = false;       // Check3
    bool targetsAsGroup = false;      // Check6
    bool resample = false;            // Check4
    bool resample1000 = false;        // Option3
    bool withinLevel = false;         // Check5
    std::string levelText;            // Combo1
    bool eventLags = true;            // Option1
    bool timeWindow = false;          // Option2
    std::string countText;            // Text1
    int windowType = -1;              // the selected Option5 element, -1 when none
    std::array<bool, 6> rules{};      // Check7
};

class SequenceView {
public:
    virtual ~SequenceView() = default;
    virtual SequenceControls controls() const = 0;
    // Empties the givens and targets lists.
    virtual void clearLists() = 0;
    // Appends the setup's codes to the lists and shows its check boxes, lag type and count.
    virtual void showSetup(const SeqSetup& setup) = 0;
};

class SequenceSession {
public:
    SequenceSession(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& anal,
                    SequenceView& view);

    // The window loads: the run arrays sized to the code set, no setup file named, nothing
    // unsaved. False, after saying so and asking the analysis to stop, when the run's input
    // is a list that is not a list of event files.
    bool load();

    // "&Go For It!": the controls into the run state, then the driver once per pairing.
    void copyIntoRun(const SequenceControls& chosen);
    void runPairings(const SequenceControls& chosen);
    // "Search...": the codes to append to the targets list (none when refused).
    std::vector<std::string> searchTargets(const SequenceControls& chosen);

    void NewFile_Click();
    // Writes the setup under the current name, asking for one when there is none. False only
    // when the write failed (the person was told); a declined name writes nothing.
    bool FileSave_Click();
    void FileSaveAs_Click();
    void FileOpen_Click();
    // Saves unsaved changes before the window unloads; false when that save failed.
    bool FileExit_Click();

    const SequentialRun& run() const { return run_; }
    const std::string& SeqSetupFileName() const { return setupFileName_; }

private:
    void pairEach(const SequenceControls& chosen);
    bool writeSetup();
    std::optional<std::string> askSetupName(const std::string& offered);
    void openSetup(const std::string& name);

    Global& g_;
    platform::Platform& p_;
    platform::Random& random_;
    AnalysisStatus& anal_;
    SequenceView& view_;
    SequentialRun run_;
    std::string setupFileName_;
};

// The code list's entries: the codes of the code table in row order.
std::vector<std::string> sequenceCodes(const Global& g);
// The level list's entries: each non-zero group number of the code table once, in the order
// of its first row.
std::vector<std::string> sequenceLevels(const Global& g);

} // namespace ws
