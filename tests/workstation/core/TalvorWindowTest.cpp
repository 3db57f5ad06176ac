#include "workstation/core/windows/Talvor.h"

#include "support/ScriptedPlatform.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string expectedVersion() {
    return std::to_string(SUITE_VERSION_MAJOR) + "." + std::to_string(SUITE_VERSION_MINOR) + "." +
           std::to_string(SUITE_VERSION_PATCH);
}

class TalvorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        // A small code set, so start-up reads it instead of asking for one.
        const std::string codeFile = folder.filePath("kids.cod").toStdString();
        std::ofstream cod(codeFile, std::ios::binary);
        cod << " 1 \r\n\"A\",\"Approach\",0\r\n";
        for (int group = 0; group < 49; ++group) {
            cod << "\"\"\r\n";
        }
        cod.close();
        store("StartUp", "Code_File", codeFile);
        window = std::make_unique<ws::Talvor>(g, doubles.platform, links);
        window->endProgram = [this] { ++ended; };
    }

    void store(const std::string& section, const std::string& name, const std::string& value) {
        doubles.settings.values[{"OSTRAVEL", section, name}] = value;
    }
    bool settingsSaved() const { return doubles.settings.has("OSTRAVEL", "StartUp", "WindowState"); }

    QTemporaryDir folder;
    testsupport::ScriptedPlatform doubles;
    ws::Global g;
    ws::MainWindowLinks links;
    std::unique_ptr<ws::Talvor> window;
    int ended = 0;
};

struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut;
};

TEST_F(TalvorWindow, MenuTreeHasTheItemsInOrderWithCaptionsAndShortcuts) {
    const std::vector<MenuEntry> bar = {
        {"FileMenu", "&File", ""},
        {"UtilMnu", "&Utilities", ""},
        {"AnalisisMenu", "&Analysis", ""},
        {"PreferencesMenu", "&Preferences", ""},
    };
    const std::vector<std::pair<const char*, std::vector<MenuEntry>>> menus = {
        {"FileMenu",
         {{"CollectData", "Collect &Data...", "F2"},
          {"CodeEditor", "&Code File Editor...", "F3"},
          {"ListEditor", "&List Editor...", "F4"},
          {"DataEditor", "&Data File Editor...", "F5"},
          {"Sep1", "", ""},
          {"PrintSetup", "Printer &Setup...", ""},
          {"PrintMenu", "&Print", ""},
          {"Sep2", "", ""},
          {"ExitTalvor", "E&xit TALVOR", "Ctrl+Q"}}},
        {"PrintMenu", {{"PrintData", "&Data File...", ""}, {"PrintList", "List of &Files...", ""}}},
        {"PrintList",
         {{"PrintListNames", "Print the File &Names...", ""}, {"PrintListData", "Print the &Data...", ""}}},
        {"UtilMnu",
         {{"DataCheck", "&Data File Checker...", ""},
          {"RecodeData", "&Recode Data Files...", ""},
          {"Filemerger", "&Talvor File Merger...", ""},
          {"SeqCompareMnu", "&Compare 2 sequential dependancies...", ""}}},
        {"AnalisisMenu",
         {{"FreqDurMenu", "&Frequency and Duration...", ""},
          {"IOAMenu", "&Inter-Observer Agreement...", ""},
          {"MultiLevel", "&Multi-Group/Visual Analysis...", ""},
          {"SeqMenu", "&Sequential Analyses...", ""}}},
        {"PreferencesMenu",
         {{"BrondelOps", "&TALVOR Options...", "F6"},
          {"psep", "", ""},
          {"AboutTalvor", "&About TALVOR...", ""}}},
    };

    auto check = [](const QList<QAction*>& actions, const std::vector<MenuEntry>& expected,
                    const char* where) {
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size())) << where;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const QAction* action = actions[static_cast<qsizetype>(i)];
            SCOPED_TRACE(std::string(where) + " item " + expected[i].name);
            EXPECT_EQ(action->objectName().toStdString(), expected[i].name);
            EXPECT_EQ(action->text().toStdString(), expected[i].caption);
            EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText).toStdString(),
                      expected[i].shortcut);
            EXPECT_EQ(action->isSeparator(), std::string(expected[i].caption).empty());
        }
    };
    check(window->menuBar()->actions(), bar, "menu bar");
    for (const auto& [menuName, items] : menus) {
        const auto* menu = window->findChild<QMenu*>(QString::fromLatin1(menuName));
        ASSERT_NE(menu, nullptr) << menuName;
        check(menu->actions(), items, menuName);
    }
}

TEST_F(TalvorWindow, ItemsThatOpenAWindowCallTheirLinkAndAnUnsetLinkSaysSo) {
    const std::vector<std::pair<const char*, std::function<void()> ws::MainWindowLinks::*>> items = {
        {"CollectData", &ws::MainWindowLinks::showCollector},
        {"CodeEditor", &ws::MainWindowLinks::showCodeEditor},
        {"ListEditor", &ws::MainWindowLinks::showListEditor},
        {"DataEditor", &ws::MainWindowLinks::showDataEditor},
        {"PrintSetup", &ws::MainWindowLinks::printSetup},
        {"PrintData", &ws::MainWindowLinks::printData},
        {"PrintListNames", &ws::MainWindowLinks::printListNames},
        {"PrintListData", &ws::MainWindowLinks::printListData},
        {"Filemerger", &ws::MainWindowLinks::showMerger},
        {"SeqCompareMnu", &ws::MainWindowLinks::showSeqCompare},
        {"BrondelOps", &ws::MainWindowLinks::showOptions},
    };
    for (const auto& [name, link] : items) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger(); // unset: a box says so
        ASSERT_EQ(doubles.dialogs.boxes.size(), 1u) << name;
        EXPECT_TRUE(doubles.dialogs.boxes[0].text.ends_with(" is not available yet.")) << name;
        EXPECT_EQ(doubles.dialogs.boxes[0].title, "TALVOR") << name;
        EXPECT_EQ(doubles.dialogs.boxes[0].icon, platform::Icon::Information) << name;
        doubles.dialogs.boxes.clear();
        std::string called;
        links.*link = [&called, item = std::string(name)] { called += item; };
        action->trigger();
        EXPECT_EQ(called, name);
        links.*link = nullptr;
    }
    EXPECT_TRUE(doubles.dialogs.boxes.empty());
}

TEST_F(TalvorWindow, StartUpWithBannerPlaysTheStartSoundDuringTheWelcomeBox) {
    std::vector<std::string> soundDuringBox;
    window->Form_Load();

    EXPECT_EQ(g.VersionText, expectedVersion());
    EXPECT_EQ(window->windowTitle().toStdString(), "TALVOR for Windows " + expectedVersion());
    EXPECT_EQ(g.NumCodes, 1);
    EXPECT_TRUE(doubles.dialogs.openRequests.empty());
    EXPECT_EQ(doubles.sound.commands,
              (std::vector<std::string>{"File /opt/suite/Dudirirove.wav", "Open", "Play", "Close"}));
    ASSERT_EQ(doubles.dialogs.boxes.size(), 1u);
    const auto& box = doubles.dialogs.boxes[0];
    EXPECT_EQ(box.title, "Welcome to TALVOR!");
    EXPECT_EQ(box.buttons, Buttons::OK);
    // Six lines, an empty line, a greeting, an empty line, the closing line.
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = box.text.find('\r'); end != std::string::npos; end = box.text.find('\r', start)) {
        lines.push_back(box.text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(box.text.substr(start));
    ASSERT_EQ(lines.size(), 10u) << box.text;
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(lines[i].empty()) << i;
    }
    EXPECT_EQ(lines[6], "");
    EXPECT_FALSE(lines[7].empty());
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], " hit the space bar or click OK... ");
    EXPECT_EQ(box.text.find('\n'), std::string::npos);
}

TEST_F(TalvorWindow, StartUpWithoutBannerShowsNothingAndPlaysNothing) {
    store("StartUp", "gStartBanner", "0");
    window->Form_Load();
    EXPECT_EQ(window->windowTitle().toStdString(), "TALVOR for Windows " + expectedVersion());
    EXPECT_TRUE(doubles.dialogs.boxes.empty());
    EXPECT_TRUE(doubles.sound.commands.empty());
}

TEST_F(TalvorWindow, StartUpGoesOnWhenTheCodeSetIsMissingAndTheOpenDialogIsCancelled) {
    store("StartUp", "Code_File", folder.filePath("gone.cod").toStdString());
    window->Form_Load();
    EXPECT_EQ(doubles.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(window->windowTitle().toStdString(), "TALVOR for Windows " + expectedVersion());
    ASSERT_FALSE(doubles.dialogs.boxes.empty());
    EXPECT_EQ(doubles.dialogs.boxes.back().title, "Welcome to TALVOR!");
}

TEST_F(TalvorWindow, StartUpPlacesTheWindowFromTheStoredState) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> stored;
        ws::WindowPlacement expected;
        bool belowTitleBar = false;
    };
    const std::vector<Case> cases = {
        // The stored corner is the client area's, so the title bar goes just below the top.
        {"empty store: top left, 9135 by 6900", {}, {0, 0, 0, 9135, 6900}, true},
        {"normal with geometry",
         {{"WindowState", "0"},
          {"WindowLeft", "1500"},
          {"WindowTop", "3000"},
          {"WindowWidth", "7500"},
          {"WindowHeight", "4500"}},
         {0, 1500, 3000, 7500, 4500}},
        {"maximised", {{"WindowState", "2"}}, {2, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doubles.settings.values.clear();
        store("StartUp", "gStartBanner", "0");
        for (const auto& [name, value] : c.stored) {
            store("StartUp", name, value);
        }
        ws::Global fresh;
        ws::Talvor w(fresh, doubles.platform, links);
        w.Form_Load();
        const ws::WindowPlacement placed = w.placement();
        EXPECT_EQ(placed.state, c.expected.state);
        if (c.expected.state == 0) {
            EXPECT_EQ(placed.left, c.expected.left);
            const int titleBar =
                c.belowTitleBar ? w.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &w) * 15 : 0;
            EXPECT_EQ(placed.top, c.expected.top + titleBar);
            EXPECT_EQ(placed.width, c.expected.width);
            EXPECT_EQ(placed.height, c.expected.height);
        }
    }
}

TEST_F(TalvorWindow, GeometryRoundTripsThroughSaveAndLoad) {
    window->applyPlacement({0, 2250, 1200, 8100, 5100});
    window->Form_Unload();
    EXPECT_EQ(doubles.settings.get("OSTRAVEL", "StartUp", "WindowLeft", ""), "2250");
    EXPECT_EQ(doubles.settings.get("OSTRAVEL", "StartUp", "WindowHeight", ""), "5100");

    ws::Global fresh;
    ws::Talvor again(fresh, doubles.platform, links);
    again.Form_Load();
    const auto placed = again.placement();
    EXPECT_EQ(std::vector<int>({placed.state, placed.left, placed.top, placed.width, placed.height}),
              std::vector<int>({0, 2250, 1200, 8100, 5100}));
}

// One run of the program on the same store: start-up (after the window is shown, as the
// program does it, or before any frame exists), then the window is closed. Gives the
// client and frame rectangles the run ended with.
std::pair<QRect, QRect> startAndClose(testsupport::ScriptedPlatform& doubles, ws::MainWindowLinks& links,
                                      bool framed) {
    ws::Global g;
    ws::Talvor window(g, doubles.platform, links);
    window.endProgram = [] {};
    if (framed) {
        window.show();
        QApplication::processEvents();
    }
    window.Form_Load();
    QApplication::processEvents();
    const std::pair<QRect, QRect> shown{window.geometry(), window.frameGeometry()};
    window.Form_Unload();
    return shown;
}

TEST_F(TalvorWindow, RestartsKeepTheStoredRectangleWithAndWithoutAFrame) {
    const auto storedGeometry = [this] {
        std::vector<std::string> values;
        for (const char* name : {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"}) {
            values.push_back(doubles.settings.get("OSTRAVEL", "StartUp", name, "(none)"));
        }
        return values;
    };
    store("StartUp", "gStartBanner", "0");
    for (const bool framed : {false, true}) {
        SCOPED_TRACE(framed ? "framed" : "no frame");
        store("StartUp", "WindowState", "0");
        store("StartUp", "WindowLeft", "1500");
        store("StartUp", "WindowTop", "2250");
        store("StartUp", "WindowWidth", "9135");
        store("StartUp", "WindowHeight", "6900");
        for (int run = 1; run <= 4; ++run) {
            const auto [client, frame] = startAndClose(doubles, links, framed);
            EXPECT_EQ(storedGeometry(), (std::vector<std::string>{"1500", "2250", "9135", "6900"})) << run;
            EXPECT_EQ(client, QRect(100, 150, 609, 460));
            EXPECT_EQ(frame.topLeft() != client.topLeft(), framed) << "the platform draws a frame";
        }
    }
}

TEST_F(TalvorWindow, ARectangleOffEveryScreenComesBackOntoOne) {
    store("StartUp", "gStartBanner", "0");
    store("StartUp", "WindowState", "0");
    store("StartUp", "WindowLeft", "-30000");
    store("StartUp", "WindowTop", "30000");
    store("StartUp", "WindowWidth", "6000");
    store("StartUp", "WindowHeight", "4500");
    const auto [client, frame] = startAndClose(doubles, links, true);

    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
    EXPECT_EQ(client.size(), QSize(400, 300));
    // What was brought back is what the next start finds.
    const std::string left = doubles.settings.get("OSTRAVEL", "StartUp", "WindowLeft", "");
    const std::string top = doubles.settings.get("OSTRAVEL", "StartUp", "WindowTop", "");
    EXPECT_EQ(startAndClose(doubles, links, true).first, client);
    EXPECT_EQ(doubles.settings.get("OSTRAVEL", "StartUp", "WindowLeft", ""), left);
    EXPECT_EQ(doubles.settings.get("OSTRAVEL", "StartUp", "WindowTop", ""), top);
}

TEST_F(TalvorWindow, ExitWithCancelKeepsRunningWithTheSettingsSaved) {
    g.gStartBanner = 1;
    doubles.dialogs.answers = {Answer::Cancel};
    window->ExitTalvor_Click();

    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(settingsSaved());
    ASSERT_EQ(doubles.dialogs.boxes.size(), 1u);
    EXPECT_EQ(doubles.dialogs.boxes[0].text, "Thank you for choosing TALVOR!");
    EXPECT_EQ(doubles.dialogs.boxes[0].title, "Bye for now....");
    EXPECT_EQ(doubles.dialogs.boxes[0].buttons, Buttons::OKCancel);
    EXPECT_EQ(doubles.sound.commands,
              (std::vector<std::string>{"File /opt/suite/Marnet.wav", "Open", "Play", "Close"}));
}

TEST_F(TalvorWindow, ExitEndsOnOkOrAtOnceWithoutBanner) {
    g.gStartBanner = 1;
    doubles.dialogs.answers = {Answer::OK};
    window->findChild<QAction*>(QStringLiteral("ExitTalvor"))->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(settingsSaved());

    doubles.dialogs.boxes.clear();
    doubles.sound.commands.clear();
    doubles.settings.values.clear();
    g.gStartBanner = 0;
    window->ExitTalvor_Click();
    EXPECT_EQ(ended, 2);
    EXPECT_TRUE(settingsSaved());
    EXPECT_TRUE(doubles.dialogs.boxes.empty());
    EXPECT_TRUE(doubles.sound.commands.empty());
}

TEST_F(TalvorWindow, ClosingTheWindowSavesAndEndsWithoutAsking) {
    g.gStartBanner = 1;
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(settingsSaved());
    EXPECT_TRUE(doubles.dialogs.boxes.empty());
}

TEST_F(TalvorWindow, AboutBoxNamesTheVersion) {
    window->Form_Load();
    doubles.dialogs.boxes.clear();
    window->findChild<QAction*>(QStringLiteral("AboutTalvor"))->trigger();
    ASSERT_EQ(doubles.dialogs.boxes.size(), 1u);
    const auto& box = doubles.dialogs.boxes[0];
    EXPECT_EQ(box.title, "About TALVOR");
    EXPECT_EQ(box.buttons, Buttons::OK);
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(box.text, "This program was designed to facilitate behavioral data collection and analysis. \r"
                        "Written and developed by Pell Dask. \r\r"
                        "Thank you for selecting this program for use in your research!\r\r"
                        "    Current Version: " +
                            expectedVersion());
}

TEST_F(TalvorWindow, HelpScreensFollowEachOtherUntilCancelled) {
    struct Case {
        std::vector<Answer> answers;
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {{}, {"Access Keys", "Quick Keys", "Dialog Boxes"}},
        {{Answer::Cancel}, {"Access Keys"}},
        {{Answer::OK, Answer::Cancel}, {"Access Keys", "Quick Keys"}},
    };
    for (const auto& c : cases) {
        doubles.dialogs.boxes.clear();
        doubles.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        window->HelpKeys();
        std::vector<std::string> titles;
        for (const auto& box : doubles.dialogs.boxes) {
            titles.push_back(box.title);
        }
        EXPECT_EQ(titles, c.titles);
    }
    const auto& boxes = doubles.dialogs.boxes;
    EXPECT_EQ(boxes[0].buttons, Buttons::OKCancel);
    EXPECT_NE(boxes[0].text.find("Press OK for the next screen..."), std::string::npos);

    doubles.dialogs.boxes.clear();
    window->HelpMouse();
    window->HelpInterface();
    ASSERT_EQ(doubles.dialogs.boxes.size(), 2u);
    EXPECT_EQ(doubles.dialogs.boxes[0].title, " the Mouse");
    EXPECT_EQ(doubles.dialogs.boxes[1].title, "About the User Interface");
    EXPECT_EQ(doubles.dialogs.boxes[1].buttons, Buttons::OK);
}

TEST_F(TalvorWindow, UnexpectedErrorsInAHandlerAreReportedAndTheProgramGoesOn) {
    links.showCollector = [] { throw std::runtime_error("disk unplugged"); };
    links.showAnalysis = [](const std::string&) { throw textfile::RunError(textfile::kPathFileAccessError); };
    EXPECT_NO_THROW(window->CollectData_Click());
    EXPECT_NO_THROW(window->FreqDurMenu_Click());
    ASSERT_EQ(doubles.dialogs.boxes.size(), 2u);
    EXPECT_NE(doubles.dialogs.boxes[0].text.find("disk unplugged"), std::string::npos);
    EXPECT_NE(doubles.dialogs.boxes[1].text.find("75"), std::string::npos);
    EXPECT_EQ(doubles.dialogs.boxes[1].icon, Icon::Critical);
    EXPECT_EQ(ended, 0);
}

} // namespace
