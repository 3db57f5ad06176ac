#pragma once
// The options dialog (frmOptions, "Vintrosa Options") as logic: its controls as named values,
// the one table of how each control loads from and applies to its setting, the rules of the
// controls that show or hide others, the tab keys, and OK, Cancel and Browse. The window
// (frmOptions in the windows library) copies these values to and from its widgets.

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "videocoder/core/Globals.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vc {

// One control: a check box's value (0, 1), an option array's selected index (-1 none), a
// list's entries and selected index, a text box's or label's text; and whether it shows.
struct OptionControl {
    int value = 0;
    std::string text;
    std::vector<std::string> list;
    bool visible = true;
};

using OptionControls = std::map<std::string, OptionControl>;

inline constexpr int kOptionTabs = 3;
inline const std::string kOptionsCaption = "Vintrosa Options";

class OptionsForm {
public:
    OptionsForm(Globals& g, platform::SettingsStore& store, platform::Dialogs& dialogs,
                std::function<void()> refreshDataGrid);

    // Reads the store again, then fills the controls in the dialog's order; each value that
    // differs from the control's design value runs its rule as a click would.
    void Form_Load();
    // The rule of the control clicked (or changed); controls without one do nothing.
    void click(const std::string& control);
    // Copies every control into its setting.
    void ApplyOptions();
    // Refused (a box says which field), the dialog stays open with its values: false.
    bool cmdOK_Click();
    void cmdCancel_Click() {}
    void Browsebtn_Click();
    // The window sees keys first: Ctrl alone with Tab selects the next tab (the first after
    // the last). True when handled.
    bool Form_KeyDown(int keyCode, int shift);
    void tbsOptions_Click(int tab);

    OptionControls& controls() { return controls_; }
    OptionControl& control(const std::string& name) { return controls_.at(name); }
    // The selected tab 0..2; its panel is the one enabled and in view.
    int selectedTab() const { return tab_; }

private:
    void quickKeyRule();

    Globals& g_;
    platform::SettingsStore& store_;
    platform::Dialogs& dialogs_;
    std::function<void()> refreshDataGrid_;
    OptionControls controls_;
    int tab_ = 0;
};

} // namespace vc
