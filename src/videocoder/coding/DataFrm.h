#pragma once
// The coding window DataFrm as logic: its menus, toolbar and grid gestures, the header
// panel's procedures, the tabs, load, resize, the autosave tick and unload. The window
// (DataFrmWindow) draws what this asks through DataFrmView and forwards every event here.
// The core reaches it as the coding window's port; the numbered commands run in
// CodingCommands, over this as their grid; the items built elsewhere go through LaterItems.

#include "platform/Platform.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/coding/DataFrmView.h"
#include "videocoder/coding/GridKeys.h"
#include "videocoder/coding/KeyGrid.h"
#include "videocoder/coding/LaterItems.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vc {

inline const std::string kLengthCaption = "Click here to calc length";
inline constexpr int kStartTimeField = 9;
inline constexpr int kEndTimeField = 10;

// Shift states of the mouse and key events: 1 Shift, 2 Ctrl, 4 Alt, added.
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;
inline constexpr int kLeftButton = 1;

class DataFrm : public CodingWindowPort, public KeyGrid {
public:
    DataFrm(Globals& g, platform::Platform& p, const PlayerLinks& players, DataFrmView& view);
    ~DataFrm() override;

    // The coder's links are built over this window's model, so they come after it; the
    // command set is made here, over them.
    void attach(CoderLinks& links, CommandLinks commandLinks);

    bool attached() const { return links_ != nullptr; }
    Globals& globals() { return g_; }
    CodingWindowModel& model() { return links().dataFrm; }
    CoderLinks& links();
    CodingCommands& commands();
    LaterItems& later() { return later_; }
    // The grid's keys: quick keys, copy, paste, erase, Enter in transcripts.
    GridKeyEvents& gridKeys();
    DataFrmView& view() { return view_; }

    // Told of every numbered command the window sends, before it runs (a trace for tests).
    std::function<void(int)> commandSent;

    // Runs a handler so that no failure ends the program: it is said in a box.
    void handle(const std::function<void()>& handler);

    // The core's port.
    void load() override;
    void refresh() override;
    void autoSize(int first, int last) override;
    void setCodeList(const std::vector<std::string>& items) override;
    void setAutoSave(bool enabled, int milliseconds) override;
    void ControlSub(int command) override;
    void setCaption(const std::string& caption) override;
    void show() override;
    void unload() override;
    void storePosition() override;
    bool exitWithoutSaving() const override { return exitWithoutSaving_; }

    // The grid as the commands and the keys see it.
    int Row() const override;
    void setRow(int row) override;
    int Col() const override;
    void setCol(int col) override;
    std::vector<int> selectedRows() const override;
    void refreshRow(int row) override;
    int Rows() const override;
    void Select(int row, int col) override;
    GridRange GetSelection() const override;
    void AutoSize(int col) override;

    // Replays the stretch around the current row on the chosen player (commands 5, 108).
    void InstantReplay();

    // File menu.
    void SaveMnu_Click();
    void CloseMnu_Click();
    void SaveAsMnu_Click();
    void RevertMnu_Click();
    void PrintMnu_Click();
    void ExportMnu_Click();
    void VTRSImport_Click();
    void CSVImport_Click();
    void ExitMnu_Click();
    // Media Control menu.
    void Command_Click(int index);
    void ReverseMnu_Click();
    void ADdMarkStopMnu_Click();
    void HalfSpeedMnu_Click();
    void BackwardsMnu_Click();
    void MuteMnu_Click();
    // Data menu.
    void FilterMnu_Click();
    void AddRowsMnu_Click();
    void SortMnu_Click();
    void SortByTimeMnu_Click();
    void ShowCodesMnu_Click();
    void AdjustGridMnu_Click();
    void FillInMnu_Click();
    void DataCleanupMnu_Click();
    void Cnvrtmnu_Click();
    void grdMnu_Click(int index);
    void HideColsMnu_Click();
    void gridsel_Click(int index);

    void Tb1_ButtonClick(int index);
    void TS1_Click(int tab); // 1 "File Info", 2 "Data"

    // The grid and the code list.
    void FG1_MouseUp(int button, int shift);
    void FG1_CellEdited(int row, int col);
    void AddCodeBtn_Click();
    void List1_DblClick();

    // The header panel.
    void chkDVD_Click();
    void Browsebtn_Click(int index);
    void Command1_Click(int index);
    void Text1_MouseUp(int index, int button, int shift);
    void SeekBtn_Click(int index);
    void Label2_Click();

    void Form_Resize();
    // Closing the window: false when the data could not be saved, and the window stays.
    bool Form_Unload();
    void AutoSaveTimer_Timer();

    // Whether range warnings are on and the chosen player's position lies outside the
    // header's start and end times; false without a loaded player.
    bool TimeOuttaRange();
    // The same for one reading of the chosen player: seconds, and the frame on screen where
    // it counts frames.
    bool TimeOuttaRange(double seconds, std::optional<std::int32_t> frame);

    int currentPanel() const { return currentPanel_; }

private:
    void runLater(LaterItem item);
    void showPanel(int panel);
    void resetControls();
    void say(const std::string& text, const std::string& title);

    Globals& g_;
    platform::Platform& p_;
    const PlayerLinks& players_;
    DataFrmView& view_;
    CoderLinks* links_ = nullptr;
    std::unique_ptr<CodingCommands> commands_;
    std::unique_ptr<GridKeys> keys_;
    LaterItems later_;
    int currentPanel_ = 0;
    bool exitWithoutSaving_ = false;
    bool autoSaveFailed_ = false;
};

} // namespace vc
