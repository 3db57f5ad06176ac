#include "videocoder/core/MainFrm.h"
#include "RecordingCodingWindow.h"
#include "SampleCoding.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::ShownBox;

// Every service the main window reaches writes into one log, so the order shows.
class LoggingSettings : public testsupport::MemorySettings {
public:
    explicit LoggingSettings(std::vector<std::string>& log) : log_(log) {}
    std::string get(const std::string& app, const std::string& section, const std::string& name,
                    const std::string& defaultText) override {
        if (log_.empty() || log_.back() != "load settings") {
            log_.push_back("load settings");
        }
        return MemorySettings::get(app, section, name, defaultText);
    }
    bool save(const std::string& app) override {
        log_.push_back("save settings");
        return MemorySettings::save(app);
    }

private:
    std::vector<std::string>& log_;
};

class LoggingFileTypes : public platform::FileTypes {
public:
    explicit LoggingFileTypes(std::vector<std::string>& log) : log_(log) {}
    void registerType(const platform::FileTypeRegistration& r) override {
        log_.push_back("register " + r.program);
    }

private:
    std::vector<std::string>& log_;
};

class RecordingMainView : public vc::MainFrmView {
public:
    explicit RecordingMainView(std::vector<std::string>& log) : log_(log) {}
    std::array<bool, 5> recentVisible{};
    std::array<std::string, 5> recentCaption;
    bool sep5 = true;
    bool minimised = false;
    vc::WindowPosition at{1500, 3000, 4500, 6000};

    void showSplash() override { log_.push_back("splash"); }
    void setLeft(double t) override { log_.push_back("left " + std::to_string(int(t))); }
    void setTop(double t) override { log_.push_back("top " + std::to_string(int(t))); }
    void setHeight(double t) override { log_.push_back("height " + std::to_string(int(t))); }
    void setWidth(double t) override { log_.push_back("width " + std::to_string(int(t))); }
    vc::WindowPosition position() const override { return at; }
    bool minimisedOrMaximised() const override { return minimised; }
    void setRecentEntry(int i, bool visible, const std::string& caption) override {
        recentVisible[std::size_t(i)] = visible;
        recentCaption[std::size_t(i)] = caption;
    }
    void setSep5Visible(bool visible) override {
        sep5 = visible;
        log_.push_back("recent menu");
    }
    void endProgram() override { log_.push_back("end"); }

private:
    std::vector<std::string>& log_;
};

const std::string kProgram = "/opt/suite/Vintrosa";

struct Coder {
    testsupport::ScratchFolder scratch;
    vctest::Coder coder;
    vc::Globals& g = coder.g;
    testsupport::ScriptedDialogs& dialogs = coder.platform.dialogs;
    std::vector<std::string> log;
    LoggingSettings settings{log};
    LoggingFileTypes fileTypes{log};
    RecordingMainView view{log};
    vc::MainFrmLinks windows;
    vc::MainFrm mainFrm{g, coder.links, {settings, fileTypes, kProgram}, view, windows};

    void store(const std::string& section, const std::string& name, const std::string& value) {
        settings.values[{"Vintrosa", section, name}] = value;
    }
    std::string stored(const std::string& section, const std::string& name) {
        return settings.values[{"Vintrosa", section, name}];
    }
    // A data file of the sample study (its code set beside it) in the scratch folder.
    std::string dataFile(const std::string& name) {
        const std::string cod = scratch.file("kids.cod");
        textfile::saveFileAtomically(cod, vctest::sampleCodeSet());
        const std::string path = scratch.file(name);
        textfile::saveFileAtomically(path, vctest::sampleData(cod, 2, vctest::kSampleRows));
        return path;
    }
    std::vector<std::string> recent() const {
        return {g.settings.gRecent.begin() + 1, g.settings.gRecent.end()};
    }
    const std::vector<std::string>& windowCalls() const { return coder.view.calls; }
    bool dataFrmShown() const {
        return std::find(windowCalls().begin(), windowCalls().end(), "show") != windowCalls().end();
    }
};

void expectBox(const ShownBox& box, const std::string& text, const std::string& title, Buttons buttons,
               Icon icon) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.buttons, buttons);
    EXPECT_EQ(box.icon, icon);
}

TEST(MainFrmStartUp, RunsItsStepsInOrderAndOpensTheCommandLineFile) {
    Coder c;
    c.store("Window Positions", "gMainLeft", "1500");
    c.store("Window Positions", "gMainHeight", "3000");
    c.store("Window Positions", "gMainWidth", "4500");
    c.store("Data Settings", "recent1", "/old/b.qvd");
    c.g.open.gVideoOpen = c.g.open.gCodeOpen = vc::kTrue;
    const std::string file = c.dataFile("a b.qvd");

    c.mainFrm.Form_Load("\"" + file + "\"");

    const std::vector<std::string> expected = {"load settings", "splash",      "register " + kProgram,
                                               "save settings", "left 1500",   "height 3000",
                                               "width 4500",    "recent menu", "save settings"};
    ASSERT_GE(c.log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(c.log.begin(), c.log.begin() + long(expected.size())), expected);
    EXPECT_EQ(c.g.settings.gFirstRun, vc::kFalse);
    EXPECT_EQ(c.g.open.gVideoOpen, vc::kFalse);
    EXPECT_EQ(c.g.data.gFileName, file);
    EXPECT_EQ(c.g.open.gDataOpen, vc::kTrue);
    EXPECT_EQ(c.windowCalls().back(), "show");
    EXPECT_EQ(c.recent(), (std::vector<std::string>{"/old/b.qvd", "", "", ""}));
    EXPECT_TRUE(c.dialogs.boxes.empty());
}

TEST(MainFrmStartUp, NoCommandLineOpensNothingAndNoPositionMovesTheWindow) {
    Coder c;
    c.store("bacd", "gFirstRun", "False");
    c.mainFrm.Form_Load("");
    EXPECT_EQ(c.log, (std::vector<std::string>{"load settings", "splash", "save settings", "recent menu",
                                               "save settings"}));
    EXPECT_FALSE(c.dataFrmShown());
    EXPECT_TRUE(c.dialogs.openRequests.empty());
}

TEST(MainFrmStartUp, CommandLineLosesOneQuoteAtEachEndOnly) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\"/home/kid/a b.qvd\"", "/home/kid/a b.qvd"},
        {"/home/kid/a.qvd\"", "/home/kid/a.qvd"},
        {"\"/home/kid/a.qvd", "/home/kid/a.qvd"},
        {" /a.qvd ", " /a.qvd "},
        {"\"\"x.qvd\"\"", "\"x.qvd\""},
        {"\"", ""},
        {"/a/b\"c.qvd", "/a/b\"c.qvd"}};
    for (const auto& [line, file] : cases) {
        EXPECT_EQ(vc::commandLineFile(line), file) << line;
    }
}

// Menu actions on the recent list: what the list holds and which entries the File menu shows.
TEST(MainFrmRecentFiles, MenuActionsKeepFourNewestFirst) {
    Coder c;
    c.store("bacd", "gFirstRun", "False");
    c.mainFrm.Form_Load("");
    EXPECT_FALSE(c.view.sep5);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(c.view.recentVisible[std::size_t(i)]);
    }
    std::map<std::string, std::string> path;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        path[name] = c.dataFile(std::string(name) + ".qvd");
    }
    auto openByDialog = [&](const std::string& name) {
        return [&c, &path, name] {
            c.dialogs.files.push_back(path[name]);
            c.mainFrm.OpenDataMnu_Click();
        };
    };
    auto openRecent = [&](int entry) { return [&c, entry] { c.mainFrm.recentMnu_Click(entry); }; };
    struct Step {
        std::function<void()> action;
        std::vector<std::string> list; // names, "" for an empty entry
    };
    const std::vector<Step> steps = {
        {openByDialog("a"), {"a", "", "", ""}},    {openByDialog("a"), {"a", "", "", ""}},
        {openByDialog("b"), {"b", "a", "", ""}},   {openByDialog("c"), {"c", "b", "a", ""}},
        {openByDialog("d"), {"d", "c", "b", "a"}}, {openByDialog("e"), {"e", "d", "c", "b"}},
        {openByDialog("c"), {"c", "e", "d", "c"}}, {openRecent(3), {"c", "e", "d", "c"}},
    };
    for (std::size_t s = 0; s < steps.size(); ++s) {
        steps[s].action();
        ASSERT_EQ(c.g.open.gDataOpen, vc::kTrue) << s;
        c.g.open.gDataOpen = vc::kFalse; // the coding window closed
        for (int i = 1; i <= 4; ++i) {
            const std::string& name = steps[s].list[std::size_t(i - 1)];
            EXPECT_EQ(c.g.settings.gRecent[std::size_t(i)], name.empty() ? "" : path[name]) << s << " " << i;
            EXPECT_EQ(c.view.recentVisible[std::size_t(i)], !name.empty()) << s << " " << i;
            EXPECT_EQ(c.view.recentCaption[std::size_t(i)], name.empty() ? "" : name + ".qvd") << s;
        }
        EXPECT_TRUE(c.view.sep5);
    }
    EXPECT_EQ(c.g.data.gFileName, path["d"]); // recent entry 3 opened without a dialog
    EXPECT_EQ(c.stored("Data Settings", "recent1"), path["c"]);
}

struct Refusal {
    std::string name;
    std::function<void(Coder&)> set;
    std::function<void(vc::MainFrm&)> handler;
    std::string text;
    std::vector<std::string> windowCalls; // the coding window comes forward only when it holds a file
};

TEST(MainFrmRefusals, OneDataCodeAndVideoFileAtATime) {
    auto data = [](Coder& c) { c.g.open.gDataOpen = vc::kTrue; };
    auto code = [](Coder& c) { c.g.open.gCodeOpen = vc::kTrue; };
    auto codeAndData = [](Coder& c) { c.g.open.gCodeOpen = c.g.open.gDataOpen = vc::kTrue; };
    const std::string oneData = "You can only open one data file at a time.";
    const std::string oneCode = "You can only open one code file at a time.";
    const std::vector<std::string> shown = {"show"};
    const std::vector<Refusal> cases = {
        {"new events", data, [](vc::MainFrm& m) { m.EventFileMnu_Click(); }, oneData, shown},
        {"new transcript", data, [](vc::MainFrm& m) { m.TransFileMnu_Click(); }, oneData, shown},
        {"open data", data, [](vc::MainFrm& m) { m.OpenDataMnu_Click(); }, oneData, shown},
        {"recent", data, [](vc::MainFrm& m) { m.recentMnu_Click(1); }, oneData, shown},
        {"doru", data, [](vc::MainFrm& m) { m.DoruImportMnu_Click(); }, oneData, shown},
        {"transcript import", data, [](vc::MainFrm& m) { m.TransImportMenu_Click(); }, oneData, shown},
        {"new code", code, [](vc::MainFrm& m) { m.CodeFileMnu_Click(); }, oneCode, {}},
        {"open code", code, [](vc::MainFrm& m) { m.OpenCodeMnu_Click(); }, oneCode, {}},
        {"new code over data", codeAndData, [](vc::MainFrm& m) { m.CodeFileMnu_Click(); }, oneCode, shown},
    };
    for (const Refusal& r : cases) {
        Coder c;
        c.g.data.gFileName = "/data/open.qvd";
        r.set(c);
        r.handler(c.mainFrm);
        ASSERT_EQ(c.dialogs.boxes.size(), 1u) << r.name;
        expectBox(c.dialogs.boxes[0], r.text, "Sorry", Buttons::OK, Icon::Information);
        EXPECT_EQ(c.windowCalls(), r.windowCalls) << r.name;
        EXPECT_TRUE(c.dialogs.openRequests.empty() && c.dialogs.saveRequests.empty()) << r.name;
        EXPECT_EQ(c.g.data.gFileName, "/data/open.qvd") << r.name;
    }
}

TEST(MainFrmRefusals, SecondVideoBringsTheOpenPlayerForward) {
    for (const auto& [player, window] : std::vector<std::pair<double, std::string>>{
             {0, "VideoFrm3"}, {1, "VideoFrm2"}, {2, "VideoFrmDVD"}}) {
        Coder c;
        std::vector<std::string> shown;
        c.windows.showVideoFrm3 = [&] { shown.push_back("VideoFrm3"); };
        c.windows.showVideoFrm2 = [&] { shown.push_back("VideoFrm2"); };
        c.windows.showVideoFrmDVD = [&] { shown.push_back("VideoFrmDVD"); };
        c.g.open.gVideoOpen = vc::kTrue;
        c.g.settings.PlayerSelection = player;
        c.mainFrm.OpenMovieMnu_Click();
        ASSERT_EQ(c.dialogs.boxes.size(), 1u);
        expectBox(c.dialogs.boxes[0], "You can only open one video file at a time.", "Sorry", Buttons::OK,
                  Icon::Information);
        EXPECT_EQ(shown, std::vector<std::string>{window});
    }
}

TEST(MainFrmMedia, ChosenFileOpensInThePlayerOfTheSettings) {
    Coder c;
    std::vector<std::string> shown;
    c.windows.showVideoFrm3 = [&] { shown.push_back("VideoFrm3 " + c.g.data.gVideoFileName); };
    c.g.settings.PlayerSelection = 2;
    c.dialogs.files = {"/v/kid.mpg", "  "};
    c.mainFrm.OpenMovieMnu_Click();
    c.mainFrm.OpenMovieMnu_Click();
    EXPECT_EQ(shown, std::vector<std::string>{"VideoFrm3 /v/kid.mpg"});
    ASSERT_EQ(c.dialogs.openRequests.size(), 2u);
    const platform::FileDialogRequest& request = c.dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Select the media file to open");
    EXPECT_EQ(request.filter.rfind("Media Files (*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi;*.mpg;*.mpeg;", 0), 0u);
    EXPECT_NE(request.filter.find(";*.vob;"), std::string::npos);
    EXPECT_NE(request.filter.find(";*.ogv;"), std::string::npos);
    EXPECT_EQ(request.filter.substr(request.filter.rfind('|', request.filter.size() - 5)),
              "|All Files (*.*)|*.*");
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.flags, 4100);
}

TEST(MainFrmMedia, WindowsNotBuiltYetSayTheyAreNotAvailable) {
    const std::vector<std::pair<std::function<void(vc::MainFrm&)>, std::string>> cases = {
        {[](vc::MainFrm& m) { m.DVDOpen_Click(); }, "The DVD window is not available yet."},
        {[](vc::MainFrm& m) { m.PrefsMnu_Click(); }, "The options window is not available yet."},
        {[](vc::MainFrm& m) { m.DoruImportMnu_Click(); }, "The DORU import is not available yet."},
        {[](vc::MainFrm& m) { m.TransImportMenu_Click(); },
         "The transcription conversion is not available yet."},
    };
    for (const auto& [handler, text] : cases) {
        Coder c;
        handler(c.mainFrm);
        ASSERT_EQ(c.dialogs.boxes.size(), 1u) << text;
        expectBox(c.dialogs.boxes[0], text, "Vintrosa", Buttons::OK, Icon::Information);
    }
    Coder c;
    c.dialogs.files = {"/v/kid.mpg"};
    c.mainFrm.OpenMovieMnu_Click();
    ASSERT_EQ(c.dialogs.boxes.size(), 1u);
    EXPECT_EQ(c.dialogs.boxes[0].text, "The media player window is not available yet.");
}

TEST(MainFrmNewFiles, NamedDataFileIsWrittenOpenedAndListed) {
    Coder c;
    const std::string path = c.scratch.file("new.qvd");
    c.g.settings.gAutoSave = vc::kTrue;
    c.g.settings.gSaveTimerDuration = 120;
    c.dialogs.files = {path};
    c.mainFrm.EventFileMnu_Click();

    EXPECT_TRUE(textfile::fileExists(path));
    EXPECT_EQ(c.g.data.gFileName, path);
    EXPECT_EQ(c.g.open.gDataOpen, vc::kTrue);
    EXPECT_EQ(c.g.settings.gRecent[1], path);
    EXPECT_EQ(c.view.recentCaption[1], "new.qvd");
    ASSERT_GE(c.windowCalls().size(), 3u);
    EXPECT_EQ(std::vector<std::string>(c.windowCalls().end() - 3, c.windowCalls().end()),
              (std::vector<std::string>{"setAutoSave on 120000", "caption new.qvd", "show"}));
    EXPECT_EQ(textfile::readWholeFile(path).substr(0, 8), "Events\r\n");

    EXPECT_EQ(c.coder.dataFrm.FG1[1].title, "Group 0");
    EXPECT_FALSE(c.coder.dataFrm.FG1[5].hidden);

    // Open, it refuses a second new file rather than writing over this one.
    c.dialogs.files = {c.scratch.file("other.qvd")};
    c.mainFrm.TransFileMnu_Click();
    EXPECT_FALSE(textfile::fileExists(c.scratch.file("other.qvd")));
    EXPECT_EQ(c.dialogs.boxes.back().text, "You can only open one data file at a time.");
}

TEST(MainFrmNewFiles, CancelledNamesLeaveNothingOpen) {
    Coder c;
    c.g.data.gFileName = "/left/from/before.qvd";
    c.mainFrm.TransFileMnu_Click();
    EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
    EXPECT_EQ(c.g.data.gFileName, "");
    EXPECT_FALSE(c.dataFrmShown());
    EXPECT_EQ(c.dialogs.saveRequests.size(), 1u);

    int editorShown = 0;
    c.windows.showCodeFrm = [&] { ++editorShown; };
    c.mainFrm.CodeFileMnu_Click();
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kFalse);
    EXPECT_FALSE(c.coder.codeFrmGroups.loaded());
    EXPECT_EQ(c.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(editorShown, 0);
    EXPECT_TRUE(c.dialogs.boxes.empty());
}

TEST(MainFrmNewFiles, NamedCodeFileKeepsTheEditorLoaded) {
    Coder c;
    int editorShown = 0;
    c.windows.showCodeFrm = [&] { ++editorShown; };
    c.dialogs.files = {c.scratch.file("new.cod")};
    c.mainFrm.CodeFileMnu_Click();
    EXPECT_TRUE(textfile::fileExists(c.scratch.file("new.cod")));
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kTrue);
    EXPECT_EQ(editorShown, 1);
    EXPECT_TRUE(c.dialogs.boxes.empty());
}

// Without the editor the code-file commands say so and do nothing else: no name asked, no
// file written, no flag left set, so the next command is not refused.
TEST(MainFrmNewFiles, CodeFileCommandsWithoutTheEditorLeaveEverythingAsItWas) {
    Coder c;
    const std::string cod = c.scratch.file("kids.cod");
    textfile::saveFileAtomically(cod, vctest::sampleCodeSet());
    for (int round = 0; round < 2; ++round) {
        c.dialogs.files = {c.scratch.file("new.cod"), cod};
        c.mainFrm.CodeFileMnu_Click();
        c.mainFrm.OpenCodeMnu_Click();
    }
    EXPECT_FALSE(textfile::fileExists(c.scratch.file("new.cod")));
    EXPECT_EQ(textfile::readWholeFile(cod), vctest::sampleCodeSet());
    EXPECT_TRUE(c.dialogs.saveRequests.empty() && c.dialogs.openRequests.empty());
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kFalse);
    EXPECT_EQ(c.g.codeSet.gCodeFileName, "");
    ASSERT_EQ(c.dialogs.boxes.size(), 4u);
    for (const ShownBox& box : c.dialogs.boxes) {
        expectBox(box, "The code-set editor window is not available yet.", "Vintrosa", Buttons::OK,
                  Icon::Information);
    }
    EXPECT_TRUE(c.windowCalls().empty());
}

TEST(MainFrmReset, NoKeepsEverythingYesStartsAgainOverTheOpenWindows) {
    Coder c;
    const std::string file = c.dataFile("a.qvd");
    c.store("Data Settings", "recent1", "/old/b.qvd");
    c.store("Video Settings", "PreRoll", "7");
    c.mainFrm.Form_Load(file);
    c.g.open.gCodeOpen = c.g.open.gVideoOpen = vc::kTrue;
    c.log.clear();

    c.dialogs.answers = {Answer::No};
    c.mainFrm.ResetMnu_Click();
    ASSERT_EQ(c.dialogs.boxes.size(), 1u);
    expectBox(c.dialogs.boxes[0],
              "All options will be reset to default values, Are you sure you want to do this?", "Be careful",
              Buttons::YesNo, Icon::Question);
    EXPECT_TRUE(c.log.empty());
    EXPECT_EQ(c.g.settings.PreRoll, 7);

    c.dialogs.answers = {Answer::Yes};
    const std::size_t openBefore = c.dialogs.openRequests.size();
    const std::size_t callsBefore = c.windowCalls().size();
    c.mainFrm.ResetMnu_Click();
    EXPECT_EQ(c.g.settings.PreRoll, 30);
    EXPECT_EQ(c.recent(), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_FALSE(c.view.sep5);
    EXPECT_EQ(std::count(c.log.begin(), c.log.end(), "splash"), 1);
    EXPECT_EQ(std::count(c.log.begin(), c.log.end(), "register " + kProgram), 2); // reset, then start-up
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kTrue);
    EXPECT_EQ(c.g.open.gVideoOpen, vc::kTrue);
    EXPECT_EQ(c.dialogs.openRequests.size(), openBefore);
    EXPECT_EQ(c.windowCalls().size(), callsBefore); // the open file was not read again
}

TEST(MainFrmTimeConverter, ShowsTheConvertedTimeOrWhyNot) {
    Coder c;
    c.g.settings.FrameDisplay = 1;
    c.dialogs.inputs = {std::string("75.5"), std::string("abc"), std::string("   "), std::nullopt};
    for (int i = 0; i < 4; ++i) {
        c.mainFrm.CnvrtTime_Click();
    }
    ASSERT_EQ(c.dialogs.boxes.size(), 6u);
    expectBox(c.dialogs.boxes[0], "Time to Convert?", "Vintrosa", Buttons::OKCancel, Icon::None);
    expectBox(c.dialogs.boxes[1], "00:01:15.50", "Vintrosa", Buttons::OK, Icon::None);
    EXPECT_EQ(c.dialogs.boxes[3].title, "Vintrosa");
    EXPECT_EQ(c.dialogs.boxes[3].icon, Icon::Exclamation);
    EXPECT_NE(c.dialogs.boxes[3].text.find("abc"), std::string::npos) << c.dialogs.boxes[3].text;
    EXPECT_EQ(c.dialogs.boxes[4].text, "Time to Convert?");
    EXPECT_EQ(c.dialogs.boxes[5].text, "Time to Convert?");
}

// Exit and closing the main window: the data file is saved, the position kept, the
// program ends; a save that did not happen stops both and keeps the data.
TEST(MainFrmExit, SavesStoresThePositionAndEnds) {
    for (const bool byMenu : {true, false}) {
        for (const bool minimised : {false, true}) {
            Coder c;
            const std::string file = c.dataFile("a.qvd");
            c.mainFrm.Form_Load(file);
            c.coder.dataFrm.Text1[1] = "S02";
            c.view.minimised = minimised;
            bool closed = true;
            if (byMenu) {
                c.mainFrm.ExitMnu_Click();
            } else {
                closed = c.mainFrm.Form_Unload();
            }
            EXPECT_TRUE(closed);
            EXPECT_NE(textfile::readWholeFile(file).find("\r\nS02\r\n"), std::string::npos);
            EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
            EXPECT_EQ(c.g.data.gFileName, "");
            const bool stores = !byMenu || !minimised;
            EXPECT_EQ(c.stored("Window Positions", "gMainLeft"), stores ? "1500" : "0")
                << byMenu << minimised;
            EXPECT_EQ(c.stored("Window Positions", "gMainWidth"), stores ? "6000" : "0");
            EXPECT_EQ(c.log.back(), byMenu ? "end" : "save settings");
        }
    }
}

// Exit unloads the player, the code-set editor, then the coding window; closing the main
// window starts with the coding window (which takes the code-set editor with it).
TEST(MainFrmExit, UnloadsTheWindowsInEachRoadsOrder) {
    for (const bool byMenu : {true, false}) {
        Coder c;
        c.mainFrm.Form_Load(c.dataFile("a.qvd"));
        c.coder.codeFrmGroups.touch(c.g);
        c.g.open.gVideoOpen = vc::kTrue;
        std::string openAtVideoUnload;
        c.windows.unloadVideoFrm3 = [&] {
            openAtVideoUnload =
                std::string(c.g.open.gCodeOpen ? "code " : "") + (c.g.open.gDataOpen ? "data" : "");
        };
        c.dialogs.files = {c.scratch.file("kids-copy.cod")};
        if (byMenu) {
            c.mainFrm.ExitMnu_Click();
        } else {
            EXPECT_TRUE(c.mainFrm.Form_Unload());
        }
        EXPECT_EQ(openAtVideoUnload, byMenu ? "code data" : "");
        EXPECT_EQ(c.g.open.gCodeOpen, vc::kFalse);
        EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
    }
}

// A save that fails at Exit names the file and the system's reason, then offers a way out:
// No keeps the program open with the data, Yes closes without them.
TEST(MainFrmExit, FailedSaveOffersToDiscardOrKeepTheProgramOpen) {
    for (const bool byMenu : {true, false}) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            Coder c;
            const std::string file = c.dataFile("a.qvd");
            const std::string before = textfile::readWholeFile(file);
            c.mainFrm.Form_Load(file);
            const std::string gone = c.scratch.file("gone/a.qvd");
            c.g.data.gFileName = gone;
            c.g.data.gData.at(2, 1) = textfile::Value::ofText("Z");
            c.log.clear();
            c.dialogs.answers = {Answer::OK, answer};
            const bool closed = byMenu ? (c.mainFrm.ExitMnu_Click(), !c.log.empty() && c.log.back() == "end")
                                       : c.mainFrm.Form_Unload();
            ASSERT_EQ(c.dialogs.boxes.size(), 2u);
            expectBox(c.dialogs.boxes[0],
                      "Error Saving Data: Path/File access error\r\nFile: " + gone +
                          "\r\nNo such file or directory",
                      "VTRS Error", Buttons::OK, Icon::Critical);
            expectBox(
                c.dialogs.boxes[1],
                "The data file " + gone +
                    " was not saved.\r\nClose it without the changes?\r\nYes closes it and the changes are "
                    "lost; No keeps the program open with them.",
                "Warning...", Buttons::YesNo, Icon::Exclamation);
            EXPECT_EQ(textfile::readWholeFile(file), before);
            if (answer == Answer::No) {
                EXPECT_FALSE(closed);
                EXPECT_TRUE(c.log.empty()) << "nothing stored, the program goes on";
                EXPECT_EQ(c.g.open.gDataOpen, vc::kTrue);
                EXPECT_EQ(c.g.data.gData.at(2, 1), textfile::Value::ofText("Z"));
            } else {
                EXPECT_TRUE(closed);
                EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
                EXPECT_FALSE(std::filesystem::exists(platform::lockFileOf(file)));
            }
        }
    }
}

TEST(MainFrmFileTypes, AssociationItemRegistersThisProgram) {
    Coder c;
    c.mainFrm.AssocMnu_Click();
    EXPECT_EQ(c.log, std::vector<std::string>{"register " + kProgram});
}

// A clock that moves on a little at every reading, as time does while WaitSeconds spins.
class SteppingClock : public testsupport::ManualClock {
public:
    int readings = 0;
    double monotonicSeconds() override {
        ++readings;
        monotonic += 0.25;
        return monotonic;
    }
};

TEST(WaitSeconds, SpinsOnTheMonotonicClockUntilPastTheEnd) {
    SteppingClock clock;
    clock.seconds = 86399.9; // just before midnight: the time of day plays no part
    vc::WaitSeconds(clock, 1.0f);
    EXPECT_EQ(clock.readings, 6);
    EXPECT_GT(clock.monotonic, 1.25);
}

} // namespace

namespace {

// The code-set editor holding changes whose save was cancelled (an untitled set, its name
// dialog cancelled) stops Exit and the main window's close: the editor keeps its codes and
// the coding window its file.
TEST(MainFrmExit, StopsWhileTheEditorsSaveIsCancelled) {
    for (const bool byMenu : {true, false}) {
        Coder c;
        c.mainFrm.Form_Load(c.dataFile("a.qvd"));
        c.coder.codeFrmGroups.touch(c.g);
        c.g.codeSet.gCodeFileName.clear();
        c.g.codeSet.gCodes.at(1, 1) = textfile::Value::ofText("New");
        if (byMenu) {
            c.mainFrm.ExitMnu_Click();
            EXPECT_TRUE(c.log.empty() || c.log.back() != "end");
        } else {
            EXPECT_FALSE(c.mainFrm.Form_Unload());
        }
        EXPECT_EQ(c.g.open.gCodeOpen, vc::kTrue);
        EXPECT_EQ(c.g.codeSet.gCodes.at(1, 1), textfile::Value::ofText("New"));
        // Closing asks once as the coding window takes the editor with it, once for the editor.
        EXPECT_EQ(c.dialogs.saveRequests.size(), byMenu ? 1u : 2u);
        EXPECT_EQ(c.dialogs.boxes.size(), 0u) << "the person cancelled: no question follows";
    }
}

} // namespace
