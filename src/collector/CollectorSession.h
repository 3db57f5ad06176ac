#pragma once
// The collector window's logic: naming the event file, the session clock, typed and fixed-
// length entry, the group lists, pauses, time-up and the saves. Plain C++: the window
// forwards its menu items, keys, list picks and timer ticks here and shows display().

#include "collector/CollectorLinks.h"
#include "collector/GroupLists.h"
#include "collector/TextBox.h"
#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace collector {

inline const std::string kCollectorCaption = "Talvor Data Collector";

// The session of one window, reset by load, New and Close.
struct SessionState {
    std::string CollectFileName;
    std::string CollectHeader;
    std::string CodeBuffer;
    std::int32_t KeyCount = 0;
    bool FileIsOpen = false;
    bool CombosLive = true;
    bool TimeIsUp = false;
    double StartTimer = 0;          // monotonic reading at the last start
    std::int32_t PausedSeconds = 0; // whole seconds counted before the last start
    bool initialLinesWritten = false;
};

// What the window shows besides the text box and the lists.
struct CollectorDisplay {
    std::string caption = kCollectorCaption;
    std::string Label1;
    std::string newFileCaption = "&New...";
    std::string timerCaption = "&Start";
    bool timerEnabled = false; // Timer1.Enabled: the clock runs
};

class CollectorSession {
public:
    CollectorSession(ws::Global& g, platform::Platform& p, TextBox& text1, CollectorLinks links,
                     std::string programTitle);

    void Form_Load();
    // Saves a named file; false when that save failed, and the window then stays.
    bool Form_Unload();
    void NewFile_Click(); // New, or Save while a file is named
    void CloseFile_Click();
    void Exit_Click();
    void TimerStart_Click();
    void Timer1_Timer();
    // One typed character as bytes; "\r" is Enter, "\b" Backspace.
    void Text1_KeyPress(std::string_view key);
    // A released key by its classic key code (13 Enter, 8 Backspace, 16 Shift, 222 quote).
    void Text1_KeyUp(int keyCode);

    bool SaveData();
    void FillCombos();
    std::int16_t GetLevel(const std::string& code) const;
    void InsertInits();
    void UpdateStatus(const std::string& code);
    // The click of list k (1..10) after its selection changed.
    void Combo_Click(int k);
    // The person picking item `item` of list k.
    void pick(int k, int item);

    const CollectorDisplay& display() const { return display_; }
    const GroupLists& lists() const { return lists_; }
    const SessionState& state() const { return state_; }
    bool clockRunning() const { return display_.timerEnabled; }

    // Called before a message box shows, so the window is up to date behind it.
    std::function<void()> changed;

private:
    void resetSession();
    void startClock();
    void pauseClock();
    void timeUp();
    void enterCode(std::string_view time);
    void showBox(const std::string& text, const std::string& title, platform::Icon icon);
    bool tenths() const { return g_.TenthsofSeconds != 0; }

    ws::Global& g_;
    platform::Platform& p_;
    TextBox& text1_;
    CollectorLinks links_;
    std::string title_;
    SessionState state_;
    CollectorDisplay display_;
    GroupLists lists_;
};

} // namespace collector
