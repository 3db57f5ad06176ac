#include "videocoder/coding/GridKeys.h"

#include "textfile/Numeric.h"
#include "videocoder/coding/CommandCodes.h"
#include "videocoder/coding/GridClip.h"

namespace vc {

namespace {

constexpr int kTranscriptionColumn = 2;

bool isCopy(int keyCode, int shift) {
    return (keyCode == kKeyC || keyCode == kKeyInsert) && shift == kCtrlDown;
}

bool isPaste(int keyCode, int shift) {
    return (keyCode == kKeyV && shift == kCtrlDown) || (keyCode == kKeyInsert && shift == kShiftDown);
}

} // namespace

bool isClipboardKey(int keyCode, int shift) {
    return isCopy(keyCode, shift) || isPaste(keyCode, shift);
}

int keyDownCharacter(int keyCode) {
    const bool latinCapital = keyCode >= 0xC0 && keyCode <= 0xDE && keyCode != 0xD7;
    return (keyCode >= 'A' && keyCode <= 'Z') || latinCapital ? keyCode + 0x20 : keyCode;
}

bool GridKeys::upDownCoding() const {
    return g_.settings.gQKMode && g_.settings.gQKUpDown;
}

void GridKeys::FG1_KeyDown(int keyCode, int shift) {
    if (keyCode == 0) {
        return;
    }
    const int rows = textfile::toInt32(g_.data.gRowCount.asNumber());
    if (isCopy(keyCode, shift)) {
        clipboard_.clear();
        clipboard_.setText(gridClip(g_.data.gData, grid_.GetSelection()));
    } else if (isPaste(keyCode, shift)) {
        pasteGridClip(g_.data.gData, rows, grid_.GetSelection(), clipboard_.text());
        grid_.refresh();
    } else if (upDownCoding()) {
        int key = keyDownCharacter(keyCode);
        quickKeys_.GridKeyPress(key, true);
        g_.coding.gKeyDownCoded = kTrue;
    }
}

void GridKeys::FG1_KeyPress(int& keyAscii) {
    quickKeys_.GridKeyPress(keyAscii, true);
}

void GridKeys::FG1_KeyUp(int keyCode, int /*shift*/) {
    if (g_.data.gDataType == "TRANSCRIPT" && keyCode == kKeyEnter) {
        enterInTranscript();
    }
    if (keyCode == kKeyBackspace || keyCode == kKeyDelete) {
        eraseSelection();
    }
    if (upDownCoding()) {
        g_.coding.gKeyDownCoded = kFalse;
        int key = keyDownCharacter(keyCode);
        quickKeys_.GridKeyPress(key, false);
    }
}

void GridKeys::keepKeyUpMoment(bool keep) {
    quickKeys_.keepTime(keep && upDownCoding());
}

void GridKeys::enterInTranscript() {
    if (grid_.Col() != kTranscriptionColumn) {
        grid_.setCol(grid_.Col() + 1);
    } else {
        ControlSub(kCmdAppendRow);
        grid_.setRow(textfile::toInt32(g_.data.gRowCount.asNumber()));
        grid_.refresh();
        ControlSub(kCmdMark);
    }
    grid_.refresh();
}

void GridKeys::eraseSelection() {
    const platform::Answer answer =
        dialogs_.messageBox(kEraseQuestion, "VTRS", platform::Buttons::YesNo, platform::Icon::Exclamation);
    if (answer != platform::Answer::Yes) {
        return;
    }
    eraseGridRange(g_.data.gData, textfile::toInt32(g_.data.gRowCount.asNumber()), grid_.GetSelection());
    grid_.refresh();
}

} // namespace vc
