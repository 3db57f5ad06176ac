// The options dialog's logic: each control loading from and applying to its stored setting,
// the rules of the controls that show others, the tab key, and OK, Cancel and Browse.
#include "videocoder/core/OptionsForm.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <optional>
#include <variant>

namespace {

struct Options {
    testsupport::ScriptedPlatform p;
    vc::Globals g;
    int refreshes = 0;
    vc::OptionsForm form{g, p.settings, p.dialogs, [this] { ++refreshes; }};

    void store(const std::string& section, const std::string& name, const std::string& text) {
        p.settings.values[{"Vintrosa", section, name}] = text;
    }
    std::optional<std::string> stored(const std::string& section, const std::string& name) {
        const auto found = p.settings.values.find({"Vintrosa", section, name});
        return found == p.settings.values.end() ? std::nullopt : std::optional(found->second);
    }
    bool visible(const std::string& control) { return form.control(control).visible; }
};

const std::string kVideo = "Video Settings";
const std::string kData = "Data Settings";
const std::string kExport = "Export Settings";

// Each row: the stored text, what the control shows after the load, what the person sets, and
// the text stored after OK. A control is a check box or option array (value) or a text.
TEST(OptionsForm, EachControlLoadsFromAndAppliesToItsSetting) {
    struct Case {
        const char* control;
        const std::string& section;
        const char* name;
        const char* storedBefore;
        std::variant<int, std::string> loaded;
        std::optional<std::variant<int, std::string>> set; // nothing: left untouched
        const char* storedAfter;
    };
    using S = std::string;
    const std::vector<Case> cases = {
        {"Option1", kVideo, "FrameDisplay", "0", 0, 1, "1"},
        {"Option1", kVideo, "FrameDisplay", "3", 1, 0, "0"}, // the load lowers the frame forms
        {"Text1", kVideo, "FrameRate", "25", S("25"), S("30"), "30"},
        {"Check10", kVideo, "gConvertTimes", "True", 1, 0, "False"},
        {"Option4", kVideo, "PlayerSelection", "1", 1, 2, "2"},
        {"Option4", kVideo, "PlayerSelection", "7", 2, 0, "0"},
        {"Text7", kVideo, "DVDDrive", "E:", S("E:"), S("/media/dvd"), "/media/dvd"},
        {"Option3", kData, "gReplayMode", "2", 2, 1, "1"},
        {"Option3", kData, "gReplayMode", "5", 2, std::nullopt, "2"},
        {"Check4", kData, "gReplayInGroup", "-1", 1, 0, "0"},
        {"Check4", kData, "gReplayInGroup", "0", 0, 1, "1"},
        {"Text2(0)", kVideo, "PreRoll", "5", S("5"), S("2.5 s"), "2.5"},
        {"Text2(1)", kVideo, "PostRoll", "4", S("4"), S("none"), "0"},
        {"Check2", kData, "gIntMode", "True", 1, 0, "False"},
        {"Check9", kData, "gIntTimeFix", "False", 0, 1, "True"},
        {"Text3(0)", kData, "gIntSeconds", "150", S("150"), S("20 frames"), "20"},
        {"Option2", kData, "gEditInCell", "2", 1, 2, "3"},
        {"Option2", kData, "gEditInCell", "0", 2, 0, "1"},
        {"Check1", kData, "gQKMode", "True", 1, 0, "False"},
        {"Combo1", kData, "gQKGroup", "-1", 0, 13, "12"},
        {"Combo1", kData, "gQKGroup", "-1", 0, std::nullopt, "-1"},
        {"Combo1", kData, "gQKGroup", "0", 1, std::nullopt, "0"},
        {"Combo1", kData, "gQKGroup", "12", 13, 0, "-1"},
        {"Combo1", kData, "gQKGroup", "77", 50, std::nullopt, "77"},
        {"Check3", kData, "gQKPause", "False", 0, 1, "True"},
        {"Check6", kData, "gQKInsert", "True", 1, 0, "False"},
        {"Check8", kData, "gQKUpDown", "False", 0, 1, "True"},
        {"Check5", kData, "gMarkMoves", "False", 0, 1, "True"},
        {"Check7", kData, "gCommentField", "True", 1, 0, "False"},
        {"Check11", kData, "gRangeWarning", "False", 0, 1, "True"},
        {"AutoSaveChk", kData, "gAutoSave", "True", 1, 0, "False"},
        {"Text6", kData, "gSaveTimerDuration", "45", S("45"), S("90 secs"), "90"},
        {"Text6", kData, "gSaveTimerDuration", "45", S("45"), S("often"), "0"},
        {"HeaderChk", kExport, "gExportHeader", "True", 1, 0, "False"},
        {"CnvtCheck", kExport, "gTimeConvert", "False", 0, 1, "True"},
        {"HelperAppChk", kExport, "gOpenCsv", "False", 0, 1, "True"},
        {"Check12", kExport, "gDoruEXTimes", "True", 1, 0, "False"},
        {"HelprAppLbl", kExport, "gHelperApp", "gnumeric", S("gnumeric"), std::nullopt, "gnumeric"},
        {"Text5", kExport, "gDoruFirstLine", "$ Kid, Mum", S("$ Kid, Mum"), S("$ A, B"), "$ A, B"},
        {"DoruOpt", kExport, "gDoruActor", "1", 1, 2, "2"},
        {"DoruOpt", kExport, "gDoruActor", "2", 2, -1, "2"}, // none selected: unchanged
        {"Text4", kExport, "gDoruActorCode", "C", S("C"), S("K"), "K"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + c.storedBefore);
        Options o;
        o.store(c.section, c.name, c.storedBefore);
        o.form.Form_Load();
        vc::OptionControl& control = o.form.control(c.control);
        if (std::holds_alternative<int>(c.loaded)) {
            EXPECT_EQ(control.value, std::get<int>(c.loaded));
        } else {
            EXPECT_EQ(control.text, std::get<std::string>(c.loaded));
        }
        if (c.set) {
            if (std::holds_alternative<int>(*c.set)) {
                control.value = std::get<int>(*c.set);
            } else {
                control.text = std::get<std::string>(*c.set);
            }
        }
        ASSERT_TRUE(o.form.cmdOK_Click());
        EXPECT_EQ(o.stored(c.section, c.name), std::optional<std::string>(c.storedAfter));
        EXPECT_TRUE(o.p.dialogs.boxes.empty());
    }
}

TEST(OptionsForm, QuickKeyGroupListShowsAnyEveryGroupAndGroupZero) {
    Options o;
    o.form.Form_Load();
    const auto& list = o.form.control("Combo1").list;
    ASSERT_EQ(list.size(), 50u);
    EXPECT_EQ(list[0], "Any");
    EXPECT_EQ(list[1], "0");
    EXPECT_EQ(list[49], "48");
}

// The dependent controls follow the loaded values (but for replay mode 0, whose button is the
// design's) and every click; the controls kept hidden never show.
TEST(OptionsForm, DependentControlsFollowLoadAndClicks) {
    struct Case {
        const char* name;
        const std::string& section;
        const char* stored;
        std::vector<std::string> shown;
        std::vector<std::string> hidden;
    };
    const std::vector<Case> cases = {
        {"gQKMode", kData, "True", {"Combo1", "Label4", "Check3", "Check6", "Check8"}, {}},
        {"gQKMode", kData, "False", {}, {"Combo1", "Label4", "Check3", "Check6", "Check8"}},
        {"gAutoSave", kData, "True", {"Label5", "Text6"}, {}},
        {"gAutoSave", kData, "False", {}, {"Label5", "Text6"}},
        {"gOpenCsv", kExport, "True", {"HelprAppLbl", "Browsebtn"}, {}},
        {"gOpenCsv", kExport, "False", {"Browsebtn"}, {"HelprAppLbl"}},
        {"gReplayMode", kData, "0", {"Check4"}, {}},
        {"gReplayMode", kData, "1", {"Check4"}, {}},
        {"PlayerSelection", kVideo, "2", {"Text7", "Label6"}, {}},
        {"PlayerSelection", kVideo, "0", {}, {"Text7", "Label6"}},
        {"PlayerSelection", kVideo, "1", {}, {"Text7", "Label6"}},
        {"gDoruActor", kExport, "2", {"Text4"}, {}},
        {"gDoruActor", kExport, "0", {}, {"Text4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.stored);
        Options o;
        o.store(c.section, c.name, c.stored);
        o.form.Form_Load();
        for (const std::string& name : c.shown) {
            EXPECT_TRUE(o.visible(name)) << name;
        }
        for (const std::string& name : c.hidden) {
            EXPECT_FALSE(o.visible(name)) << name;
        }
        for (const char* never : {"Option1(2)", "Option1(3)", "Check10"}) {
            EXPECT_FALSE(o.visible(never)) << never;
        }
    }

    Options o;
    o.form.Form_Load();
    o.form.control("Option3").value = 0;
    o.form.click("Option3");
    EXPECT_FALSE(o.visible("Check4"));
    o.form.control("Option3").value = 2;
    o.form.click("Option3");
    EXPECT_TRUE(o.visible("Check4"));
    o.form.control("Check1").value = 1;
    o.form.click("Check1");
    EXPECT_TRUE(o.visible("Check8"));
    o.form.control("DoruOpt").value = 2;
    o.form.click("DoruOpt");
    EXPECT_TRUE(o.visible("Text4"));
}

TEST(OptionsForm, CtrlTabAloneSelectsTheNextTabAndWraps) {
    Options o;
    o.form.Form_Load();
    EXPECT_EQ(o.form.selectedTab(), 0);
    for (const int shift : {0, 1, 3, 4, 6}) {
        EXPECT_FALSE(o.form.Form_KeyDown(9, shift)) << shift;
    }
    EXPECT_FALSE(o.form.Form_KeyDown(34, 2));
    EXPECT_EQ(o.form.selectedTab(), 0);
    std::vector<int> tabs;
    for (int press = 0; press < 4; ++press) {
        EXPECT_TRUE(o.form.Form_KeyDown(9, 2));
        tabs.push_back(o.form.selectedTab());
    }
    EXPECT_EQ(tabs, (std::vector<int>{1, 2, 0, 1}));
    o.form.Form_Load();
    EXPECT_EQ(o.form.selectedTab(), 0) << "each opening starts on the first tab";
}

// Cancel stores and applies nothing; each opening reads the store again.
TEST(OptionsForm, CancelKeepsEverythingAndTheNextOpeningReadsTheStore) {
    Options o;
    o.store(kVideo, "PreRoll", "5");
    o.form.Form_Load();
    o.form.control("Text2(0)").text = "9";
    o.form.control("Check1").value = 1;
    o.form.cmdCancel_Click();
    EXPECT_EQ(o.g.settings.PreRoll, 5);
    EXPECT_EQ(o.stored(kVideo, "PreRoll"), std::optional<std::string>("5"));
    EXPECT_EQ(o.p.settings.savedAfterWrites.size(), 0u);

    o.g.settings.PreRoll = 7; // applied elsewhere but not stored
    o.form.Form_Load();
    EXPECT_EQ(o.g.settings.PreRoll, 5);
    EXPECT_EQ(o.form.control("Text2(0)").text, "5");
}

// OK without a data file stores the settings and touches no grid; with one it dresses the
// grid again.
TEST(OptionsForm, OkRefreshesTheGridOnlyWithData) {
    Options o;
    o.form.Form_Load();
    ASSERT_TRUE(o.form.cmdOK_Click());
    EXPECT_EQ(o.refreshes, 0);
    EXPECT_EQ(o.p.settings.savedAfterWrites.size(), 1u);
    o.g.open.gDataOpen = vc::kTrue;
    o.form.Form_Load();
    ASSERT_TRUE(o.form.cmdOK_Click());
    EXPECT_EQ(o.refreshes, 1);
}

// A frame rate that is not a positive number is refused with a box naming the field; the
// dialog stays open with what was typed and nothing is applied or stored.
TEST(OptionsForm, OkRefusesAFrameRateThatIsNotAPositiveNumber) {
    for (const char* typed : {"abc", "0", "-25", "", "25 fps"}) {
        SCOPED_TRACE(typed);
        Options o;
        o.form.Form_Load();
        o.form.control("Text1").text = typed;
        o.form.control("Text2(0)").text = "8";
        EXPECT_FALSE(o.form.cmdOK_Click());
        ASSERT_EQ(o.p.dialogs.boxes.size(), 1u);
        EXPECT_NE(o.p.dialogs.boxes[0].text.find("Frame Rate (fps):"), std::string::npos);
        EXPECT_EQ(o.p.dialogs.boxes[0].title, "Vintrosa Options");
        EXPECT_EQ(o.form.control("Text1").text, typed);
        EXPECT_EQ(o.g.settings.PreRoll, 3);
        EXPECT_EQ(o.p.settings.savedAfterWrites.size(), 0u);
    }
}

TEST(OptionsForm, BrowseSetsTheHelperAtOnceAndCancelledChangesNothing) {
    Options o;
    o.form.Form_Load();
    o.form.Browsebtn_Click();
    ASSERT_EQ(o.p.dialogs.openRequests.size(), 1u);
    const platform::FileDialogRequest& asked = o.p.dialogs.openRequests[0];
    EXPECT_EQ(asked.title, "Select the spreadsheet editor executable to use");
    EXPECT_EQ(asked.filter, "EXE Files (*.exe)|*.exe|All Files (*.*)|*.*");
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(asked.flags, 4100);
    EXPECT_EQ(o.g.settings.gHelperApp, "xdg-open");
    EXPECT_EQ(o.form.control("HelprAppLbl").text, "xdg-open");

    o.p.dialogs.files = {"/usr/bin/gnumeric"};
    o.form.Browsebtn_Click();
    EXPECT_EQ(o.g.settings.gHelperApp, "/usr/bin/gnumeric") << "set at once, before OK";
    EXPECT_EQ(o.form.control("HelprAppLbl").text, "/usr/bin/gnumeric");
}

} // namespace
