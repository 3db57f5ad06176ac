#pragma once
// The video coder as one program run with no person and no screen: its shared state, a coding
// window that draws nothing and scripted dialogs, wired as the program wires them. The benches
// keep one across their rounds, as a coder keeps the program open from file to file.
#include "support/ScriptedPlatform.h"
#include "support/SilentCodingWindow.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/DataFile.h"

#include <string>

namespace bench {

struct SilentCoder {
    testsupport::ScriptedPlatform platform;
    testsupport::SilentCodingWindow view;
    vc::Globals g;
    vc::CodingWindowModel dataFrm{view};
    vc::GroupDescriptions groups;
    vc::CoderLinks links{platform.dialogs, dataFrm, groups, {}};

    // Opens the data file as the Open item does; false unless it opened without a box.
    bool open(const std::string& path) {
        g.data.gFileName = path;
        return vc::OpenDataFile(g, links) && platform.dialogs.boxes.empty();
    }
};

} // namespace bench
