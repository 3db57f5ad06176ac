#include "videocoder/core/OptionsForm.h"

#include "textfile/NumberText.h"
#include "textfile/Numeric.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/TextCase.h"

#include <array>

namespace vc {
namespace {

using textfile::toFlag;

// A control's value at design, and whether it shows then.
struct Design {
    const char* control;
    int value;
    bool visible;
};

// Option arrays start on their design button; the controls the rules show or hide start
// as the dialog was drawn. Option1(2), Option1(3) and Check10 never show.
const std::array<Design, 12> kDesign = {{
    {"Option1", 1, true},
    {"Option3", 0, true},
    {"Option4", 2, true},
    {"DoruOpt", 2, true},
    {"Option1(2)", 0, false},
    {"Option1(3)", 0, false},
    {"Check10", 0, false},
    {"Check8", 0, false},
    {"Text6", 0, false},
    {"Label5", 0, false},
    {"HelprAppLbl", 0, false},
    {"Browsebtn", 0, true},
}};

// The controls without a setting of their own that the rules show or hide.
const std::array<const char*, 6> kLabels = {"Label4",     "Label5",     "Label6",
                                            "Option1(2)", "Option1(3)", "Browsebtn"};

// Index of a value among 0, 1 and "any other" (the last button).
int choice(double value, double first, double second) {
    return value == first ? 0 : value == second ? 1 : 2;
}

bool checked(const OptionControl& c) {
    return c.value != 0;
}

std::string numberText(double value) {
    return textfile::doubleText(value);
}

// The quick-key group list: "Any", then group 0 and groups 1 to 48, so that every group
// reads back as it was stored.
std::vector<std::string> groupList(std::int16_t stored) {
    std::vector<std::string> list = {"Any"};
    for (int group = 0; group <= 48; ++group) {
        list.push_back(std::to_string(group));
    }
    if (stored < -1 || stored > 48) {
        list.push_back(std::to_string(stored)); // kept as stored until another is chosen
    }
    return list;
}

using Load = void (*)(OptionControl&, const VideoSettings&);
using Apply = void (*)(const OptionControl&, VideoSettings&);

// How each control loads from its setting and applies back to it, in the order the dialog
// fills them.
struct OptionRow {
    const char* control;
    Load load;
    Apply apply;
};

#define FLAG_ROW(control, member)                                                                            \
    OptionRow {                                                                                              \
        control, [](OptionControl& c, const VideoSettings& s) { c.value = s.member != 0 ? 1 : 0; },          \
            [](const OptionControl& c, VideoSettings& s) { s.member = toFlag(checked(c)); }                  \
    }

const OptionRow kBeforeQuickKeys[] = {
    {"Option1", [](OptionControl& c, const VideoSettings& s) { c.value = static_cast<int>(s.FrameDisplay); },
     [](const OptionControl& c, VideoSettings& s) {
         s.FrameDisplay = c.value >= 0 && c.value <= 2 ? c.value : 3;
     }},
    {"Text1", [](OptionControl& c, const VideoSettings& s) { c.text = numberText(s.FrameRate); },
     [](const OptionControl& c, VideoSettings& s) { s.FrameRate = textfile::leadingNumber(c.text); }},
    {"Text2(0)", [](OptionControl& c, const VideoSettings& s) { c.text = numberText(s.PreRoll); },
     [](const OptionControl& c, VideoSettings& s) { s.PreRoll = textfile::leadingNumber(c.text); }},
    {"Text2(1)", [](OptionControl& c, const VideoSettings& s) { c.text = numberText(s.PostRoll); },
     [](const OptionControl& c, VideoSettings& s) { s.PostRoll = textfile::leadingNumber(c.text); }},
    {"Option2", [](OptionControl& c, const VideoSettings& s) { c.value = choice(s.gEditInCell, 1, 2); },
     [](const OptionControl& c, VideoSettings& s) {
         s.gEditInCell = static_cast<std::int16_t>(c.value == 0 ? 1 : c.value == 1 ? 2 : 3);
     }},
    {"Option3", [](OptionControl& c, const VideoSettings& s) { c.value = choice(s.gReplayMode, 0, 1); },
     [](const OptionControl& c, VideoSettings& s) {
         s.gReplayMode = c.value == 0 ? 0 : c.value == 1 ? 1 : 2;
     }},
    {"Option4", [](OptionControl& c, const VideoSettings& s) { c.value = choice(s.PlayerSelection, 0, 1); },
     [](const OptionControl& c, VideoSettings& s) {
         s.PlayerSelection = c.value == 0 ? 0 : c.value == 1 ? 1 : 2;
     }},
    {"Text7", [](OptionControl& c, const VideoSettings& s) { c.text = s.DVDDrive; },
     [](const OptionControl& c, VideoSettings& s) { s.DVDDrive = c.text; }},
    FLAG_ROW("Check2", gIntMode),
    FLAG_ROW("Check9", gIntTimeFix),
    FLAG_ROW("Check7", gCommentField),
    FLAG_ROW("Check1", gQKMode),
    FLAG_ROW("Check3", gQKPause),
    FLAG_ROW("Check6", gQKInsert),
    FLAG_ROW("Check8", gQKUpDown),
    FLAG_ROW("Check5", gMarkMoves),
    {"Check4", [](OptionControl& c, const VideoSettings& s) { c.value = s.gReplayInGroup != 0 ? 1 : 0; },
     [](const OptionControl& c, VideoSettings& s) { s.gReplayInGroup = checked(c) ? 1 : 0; }},
    FLAG_ROW("Check10", gConvertTimes),
    FLAG_ROW("Check11", gRangeWarning),
    FLAG_ROW("Check12", gDoruEXTimes),
};

const OptionRow kAfterQuickKeys[] = {
    {"Text3(0)", [](OptionControl& c, const VideoSettings& s) { c.text = numberText(s.gIntSeconds); },
     [](const OptionControl& c, VideoSettings& s) { s.gIntSeconds = textfile::leadingNumber(c.text); }},
    {"Combo1",
     [](OptionControl& c, const VideoSettings& s) {
         c.list = groupList(s.gQKGroup);
         const std::string stored = s.gQKGroup == -1 ? "Any" : std::to_string(s.gQKGroup);
         c.value = -1;
         for (std::size_t entry = 0; entry < c.list.size(); ++entry) {
             if (c.list[entry] == stored) {
                 c.value = static_cast<int>(entry);
             }
         }
         c.text = stored;
     },
     [](const OptionControl& c, VideoSettings& s) {
         if (c.value < 0 || c.value >= static_cast<int>(c.list.size())) {
             return; // nothing chosen: the setting stays
         }
         const std::string& text = c.list[static_cast<std::size_t>(c.value)];
         s.gQKGroup = text == "Any" ? std::int16_t{-1} : textfile::toInt16(textfile::leadingNumber(text));
     }},
};

const OptionRow kAfterTabs[] = {
    {"Text6",
     [](OptionControl& c, const VideoSettings& s) { c.text = textfile::singleText(s.gSaveTimerDuration); },
     // The leading number, as the other number fields take theirs: 0 is off.
     [](const OptionControl& c, VideoSettings& s) {
         s.gSaveTimerDuration = textfile::toSingle(textfile::leadingNumber(c.text));
     }},
    {"Text5", [](OptionControl& c, const VideoSettings& s) { c.text = s.gDoruFirstLine; },
     [](const OptionControl& c, VideoSettings& s) { s.gDoruFirstLine = c.text; }},
    {"Text4", [](OptionControl& c, const VideoSettings& s) { c.text = s.gDoruActorCode; },
     [](const OptionControl& c, VideoSettings& s) { s.gDoruActorCode = c.text; }},
    FLAG_ROW("AutoSaveChk", gAutoSave),
    FLAG_ROW("CnvtCheck", gTimeConvert),
    FLAG_ROW("HeaderChk", gExportHeader),
    FLAG_ROW("HelperAppChk", gOpenCsv),
    {"HelprAppLbl", [](OptionControl& c, const VideoSettings& s) { c.text = s.gHelperApp; },
     [](const OptionControl& c, VideoSettings& s) { s.gHelperApp = c.text; }},
    {"DoruOpt",
     [](OptionControl& c, const VideoSettings& s) {
         c.value = s.gDoruActor == 1 ? 1 : s.gDoruActor == 2 ? 2 : 0;
     },
     [](const OptionControl& c, VideoSettings& s) {
         if (c.value >= 0 && c.value <= 2) {
             s.gDoruActor = static_cast<std::int16_t>(c.value); // none selected: unchanged
         }
     }},
};

#undef FLAG_ROW

template <class Rows> void forEachRow(const Rows& rows, const std::function<void(const OptionRow&)>& each) {
    for (const OptionRow& row : rows) {
        each(row);
    }
}

} // namespace

OptionsForm::OptionsForm(Globals& g, platform::SettingsStore& store, platform::Dialogs& dialogs,
                         std::function<void()> refreshDataGrid)
    : g_(g), store_(store), dialogs_(dialogs), refreshDataGrid_(std::move(refreshDataGrid)) {}

void OptionsForm::Form_Load() {
    LoadSettings(g_.settings, store_);
    controls_.clear();
    for (const char* label : kLabels) {
        controls_[label];
    }
    for (const Design& d : kDesign) {
        controls_[d.control] = OptionControl{d.value, {}, {}, d.visible};
    }
    tab_ = 0;
    // Each control takes its setting; one that then differs from its design value runs its
    // rule, as a click would.
    const auto load = [this](const OptionRow& row) {
        OptionControl& c = controls_[row.control];
        const int designValue = c.value;
        row.load(c, g_.settings);
        if (c.value != designValue) {
            click(row.control);
        }
    };
    forEachRow(kBeforeQuickKeys, load);
    quickKeyRule();
    forEachRow(kAfterQuickKeys, load);
    tbsOptions_Click(0);
    forEachRow(kAfterTabs, load);
}

// At load, the quick-key box's value shows or hides the list and its two boxes (the key-down
// box only follows a click).
void OptionsForm::quickKeyRule() {
    const bool on = checked(controls_["Check1"]);
    for (const char* name : {"Combo1", "Label4", "Check3", "Check6"}) {
        controls_[name].visible = on;
    }
}

void OptionsForm::click(const std::string& control) {
    const auto show = [this](std::initializer_list<const char*> names, bool visible) {
        for (const char* name : names) {
            controls_[name].visible = visible;
        }
    };
    const OptionControl& c = controls_[control];
    if (control == "Check1") {
        show({"Combo1", "Label4", "Check3", "Check6", "Check8"}, c.value == 1);
    } else if (control == "AutoSaveChk") {
        show({"Label5", "Text6"}, c.value == 1);
    } else if (control == "HelperAppChk") {
        show({"HelprAppLbl"}, c.value == 1);
    } else if (control == "Option3") {
        show({"Check4"}, c.value != 0);
    } else if (control == "Option4") {
        show({"Text7", "Label6"}, c.value == 2);
    } else if (control == "DoruOpt") {
        show({"Text4"}, c.value == 2);
    }
}

void OptionsForm::ApplyOptions() {
    const auto apply = [this](const OptionRow& row) { row.apply(controls_[row.control], g_.settings); };
    forEachRow(kBeforeQuickKeys, apply);
    forEachRow(kAfterQuickKeys, apply);
    forEachRow(kAfterTabs, apply);
}

bool OptionsForm::cmdOK_Click() {
    const std::string& rate = controls_["Text1"].text;
    if (!textfile::isNumeric(rate) || textfile::leadingNumber(rate) <= 0) {
        dialogs_.messageBox("Frame Rate (fps): \"" + rate +
                                "\" is not a positive number of frames per second.",
                            kOptionsCaption, platform::Buttons::OK, platform::Icon::Exclamation);
        return false;
    }
    ApplyOptions();
    SaveSettings(g_.settings, store_, dialogs_);
    if (g_.open.gDataOpen != kFalse && refreshDataGrid_) {
        refreshDataGrid_();
    }
    return true;
}

void OptionsForm::Browsebtn_Click() {
    platform::FileDialogRequest request;
    request.title = "Select the spreadsheet editor executable to use";
    request.filter = "EXE Files (*.exe)|*.exe|All Files (*.*)|*.*";
    request.flags = platform::kFileMustExist | platform::kHideReadOnly;
    request.programs = true;
    const std::string chosen = dialogs_.openFile(request);
    if (trimBlanks(chosen).empty()) {
        return;
    }
    g_.settings.gHelperApp = chosen;
    controls_["HelprAppLbl"].text = chosen;
}

bool OptionsForm::Form_KeyDown(int keyCode, int shift) {
    constexpr int kTabKey = 9;
    constexpr int kCtrl = 2;
    if (keyCode != kTabKey || shift != kCtrl) {
        return false;
    }
    tbsOptions_Click((tab_ + 1) % kOptionTabs);
    return true;
}

void OptionsForm::tbsOptions_Click(int tab) {
    tab_ = tab;
}

} // namespace vc
