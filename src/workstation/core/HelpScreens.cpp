#include "workstation/core/HelpScreens.h"

#include <initializer_list>
#include <string>

namespace ws {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// Message boxes break their lines at character 13.
std::string screen(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += '\r';
    }
    return text;
}

const char* const kNextScreen = "Press OK for the next screen...";

} // namespace

void HelpKeys(platform::Dialogs& dialogs) {
    const std::string accessKeys =
        screen({"Every menu title and menu item has one underlined letter.", "",
                "Hold down Alt and press the underlined letter of a menu title to open that menu,",
                "then press the underlined letter of an item to choose it.", "", kNextScreen});
    if (dialogs.messageBox(accessKeys, "Access Keys", Buttons::OKCancel, Icon::None) == Answer::Cancel) {
        return;
    }
    const std::string quickKeys =
        screen({"Some menu choices have a function key of their own:", "", "  F2  Collect Data",
                "  F3  Code File Editor", "  F4  List Editor", "  F5  Data File Editor",
                "  F6  TALVOR Options", "", "Ctrl-Q exits the program.", "", kNextScreen});
    if (dialogs.messageBox(quickKeys, "Quick Keys", Buttons::OKCancel, Icon::None) == Answer::Cancel) {
        return;
    }
    const std::string dialogBoxes =
        screen({"In a dialog box, hold down Alt and press the underlined letter of an item to go to it.",
                "In a folder list, press the space bar or Enter to open the highlighted folder.",
                "In a list box, move the highlight with the arrow keys.",
                "Tab moves from one item to the next.", "Ctrl-F4 closes a dialog box.", "",
                "Every dialog box is modal: finish with it before going back to the window behind it."});
    dialogs.messageBox(dialogBoxes, "Dialog Boxes", Buttons::OK, Icon::None);
}

void HelpMouse(platform::Dialogs& dialogs) {
    const std::string text =
        screen({"Choose a menu, an item or a button by pointing at it and clicking the left mouse button.",
                "Drag the box of a scroll bar, or click its arrows, to move through a long list or text.",
                "Click a button to carry out what it says."});
    dialogs.messageBox(text, " the Mouse", Buttons::OK, Icon::None);
}

void HelpInterface(platform::Dialogs& dialogs) {
    const std::string text = screen(
        {"Everything TALVOR does starts from a menu of its main window.",
         "Each choice opens a dialog box that asks for what it needs.", "",
         "The help screens on keys and on the mouse tell how to move around the menus and dialog boxes."});
    dialogs.messageBox(text, "About the User Interface", Buttons::OK, Icon::None);
}

} // namespace ws
