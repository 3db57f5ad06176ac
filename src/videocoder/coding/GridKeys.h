#pragma once
// The coding grid's key events: quick keys (key presses, or key down and key up), copy and
// paste through the clipboard, erasing the selection, Enter in a transcript, and sizing a
// column after an edit. Key codes are the classic ones (letters 65-90, keypad digits
// 96-105, F1 112, Insert 45, Delete 46, Backspace 8, Enter 13); the shift state adds 1
// Shift, 2 Ctrl, 4 Alt.

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "videocoder/coding/GridKeyEvents.h"
#include "videocoder/coding/KeyGrid.h"
#include "videocoder/coding/QuickKeys.h"

#include <cstdint>
#include <functional>

namespace vc {

inline const std::string kEraseQuestion = "Really Erase Selection?  Can't be undone...";

enum KeyCode : int {
    kKeyBackspace = 8,
    kKeyEnter = 13,
    kKeyInsert = 45,
    kKeyDelete = 46,
    kKeyC = 67,
    kKeyV = 86,
};
enum ShiftState : int { kShiftDown = 1, kCtrlDown = 2, kAltDown = 4 };

class GridKeys : public GridKeyEvents {
public:
    GridKeys(Globals& g, KeyGrid& grid, platform::Dialogs& dialogs, platform::Clipboard& clipboard,
             const KeyCommands& commands)
        : g_(g), grid_(grid), dialogs_(dialogs), clipboard_(clipboard), ControlSub(commands.ControlSub),
          quickKeys_(g, grid, dialogs, commands) {}

    void FG1_KeyDown(int keyCode, int shift) override;
    // A zero left in keyAscii cancels the key.
    void FG1_KeyPress(int& keyAscii) override;
    void FG1_KeyUp(int keyCode, int shift) override;
    void keepKeyUpMoment(bool keep) override;

    QuickKeys& quickKeys() { return quickKeys_; }

private:
    bool upDownCoding() const;
    void enterInTranscript();
    void eraseSelection();

    Globals& g_;
    KeyGrid& grid_;
    platform::Dialogs& dialogs_;
    platform::Clipboard& clipboard_;
    std::function<void(int)> ControlSub;
    QuickKeys quickKeys_;
};

// Whether a key down copies or pastes: the grid's own handling of it must not run too.
bool isClipboardKey(int keyCode, int shift);
// The character key-down and key-up coding match for a key code: the character of that
// code in lower case (keypad 1, 97, is "a"; F1, 112, is "p").
int keyDownCharacter(int keyCode);

} // namespace vc
