#pragma once
// The main window with the analysis routes wired in, over a scratch copy of one fixture
// folder: analyses run from their menu items as a person runs them.

#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"

#include <QAction>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace analtest {

class MenuFlow : public ::testing::Test {
protected:
    // Copies tests/fixtures/<family>/<name> into the scratch folder, opens its code set and
    // names "editor" as the text editor.
    void openFixture(const std::string& family, const std::string& name, const std::string& codeSet) {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(fs::path(SUITE_FIXTURES_DIR) / family / name)) {
            fs::copy_file(entry.path(), scratch.path() / entry.path().filename());
        }
        g.Code_File = scratch.file(codeSet);
        ASSERT_NE(ws::OpenCodeFile(g, sp.platform), 0);
        g.Text_Editor = "editor";
        analyses.wireInto(links);
    }

    void chooseMenuItem(const char* name) { window.findChild<QAction*>(name)->trigger(); }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses{g, sp.platform};
    ws::Talvor window{g, sp.platform, links};
};

} // namespace analtest
