#pragma once
// The sequential windows wired into a main window over the scripted doubles, as the program
// wires them: menu items reach them through the main window's links.

#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/sequential/windows/SequentialWindows.h"

namespace seqtest {

struct WiredWindows {
    WiredWindows() {
        analyses.wireInto(links);
        sequential.wireInto(links);
    }

    testsupport::ScriptedPlatform sp;
    testsupport::ScriptedRandom random;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses{g, sp.platform};
    ws::SequentialWindows sequential{g, sp.platform, random, analyses};
    ws::Talvor window{g, sp.platform, links};
};

} // namespace seqtest
