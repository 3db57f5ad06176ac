#pragma once
// A collector session without a window: scripted platform, manual clock, plain text box.

#include "collector/CollectorSession.h"
#include "collector/PlainTextBox.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "workstation/core/Global.h"

#include <map>
#include <string>
#include <vector>

namespace collector {

struct CollectorRig {
    CollectorRig();

    // Collection settings by name (TenthsofSeconds, SessionDuration, gFixedEntry, gNumToAuto),
    // applied at every load as if stored.
    std::map<std::string, std::string> settings;
    // The code-set file read at every load; none gives an empty code set.
    std::string codeFile;
    // Writes a code-set file of (code, group) lines in the scratch folder and uses it.
    void useCodes(const std::vector<std::pair<std::string, int>>& codes);

    // Names the file `name` in the scratch folder with `header`.
    void newFile(const std::string& name, const std::string& header);
    void at(double monotonicSeconds); // sets the clock and ticks
    void type(const std::string& characters);
    void enter();
    std::string written(const std::string& name) const;
    std::vector<std::string> boxTexts() const; // "title|text" of every box shown

    ws::Global g;
    testsupport::ScriptedPlatform sp;
    testsupport::ScratchFolder scratch;
    PlainTextBox text1;
    int unloads = 0;
    int ends = 0;
    CollectorSession session;
};

// The classic key code a typed character's key releases with.
int keyCodeOf(char c);

} // namespace collector
