#pragma once
// The numbers of the coding window's command set, as menus, the toolbar, the grid and the
// data-file reader send them.

namespace vc {

enum CommandCode : int {
    kCmdSave = 1,
    kCmdExport = 2,
    kCmdSaveAs = 3,
    kCmdOpenMedia = 4,
    kCmdReplay = 5,
    kCmdSeek = 6,
    kCmdDeleteRow = 8,
    kCmdInsertRow = 9,
    kCmdMark = 10,
    kCmdAppendRow = 11,
    kCmdMute = 21,
    kCmdThreeQuarterSpeed = 22,
    kCmdJumpBackwards = 98,
    kCmdPreRollPlay = 99,
    kCmdPlay = 100,
    kCmdPause = 101,
    kCmdStop = 102,
    kCmdFrameBack = 103,
    kCmdFrameAhead = 104,
    kCmdAddMarkStop = 105,
    kCmdMarkMenu = 106,
    kCmdSeekMenu = 107,
    kCmdReplayMenu = 108,
    kCmdDeleteSelected = 206,
};

// The "Media Control" menu item i sends kMediaControlBase + i.
inline constexpr int kMediaControlBase = 100;

} // namespace vc
