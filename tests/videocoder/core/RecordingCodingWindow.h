#pragma once
// A coding-window view that logs every call in order, and the wiring of the core over the
// scripted platform, for the video coder's core tests.

#include "support/ScriptedPlatform.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"
#include "videocoder/core/MainFrm.h"

#include <functional>
#include <string>
#include <vector>

namespace vctest {

class RecordingCodingWindow : public vc::CodingWindowPort {
public:
    std::vector<std::string> calls;
    // Runs inside ControlSub, as a player window opening would (it may yield or save).
    std::function<void(int)> onControlSub;

    void load() override { calls.push_back("load"); }
    void refresh() override { calls.push_back("refresh"); }
    void autoSize(int first, int last) override {
        calls.push_back("autoSize " + std::to_string(first) + " " + std::to_string(last));
    }
    void setCodeList(const std::vector<std::string>& items) override {
        calls.push_back("setCodeList " + std::to_string(items.size()));
    }
    void setAutoSave(bool enabled, int milliseconds) override {
        calls.push_back(std::string("setAutoSave ") + (enabled ? "on " : "off ") +
                        std::to_string(milliseconds));
    }
    void ControlSub(int command) override {
        calls.push_back("ControlSub " + std::to_string(command));
        if (onControlSub) {
            onControlSub(command);
        }
    }
    void setCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
    void show() override { calls.push_back("show"); }
    void unload() override { calls.push_back("unload"); }
};

// The shared state, the scripted platform and the coding window, wired as a program would.
struct Coder {
    testsupport::ScriptedPlatform platform;
    vc::Globals g;
    RecordingCodingWindow view;
    vc::CodingWindowModel dataFrm{view};
    vc::GroupDescriptions codeFrmGroups;
    int refreshes = 0;
    vc::CoderLinks links{platform.dialogs, dataFrm, codeFrmGroups, [this] {
                             ++refreshes;
                             view.calls.push_back("RefreshDataGrid");
                         }};
};

// A main window that shows nothing; it notes only that the program was ended.
class QuietMainView : public vc::MainFrmView {
public:
    bool ended = false;
    void showSplash() override {}
    void setLeft(double) override {}
    void setTop(double) override {}
    void setHeight(double) override {}
    void setWidth(double) override {}
    vc::WindowPosition position() const override { return {}; }
    bool minimisedOrMaximised() const override { return false; }
    void setRecentEntry(int, bool, const std::string&) override {}
    void setSep5Visible(bool) override {}
    void endProgram() override { ended = true; }
};

} // namespace vctest
