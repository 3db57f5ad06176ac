#include "collector/CollectorSession.h"

#include "collector/EventFileText.h"
#include "collector/SessionClock.h"
#include "platform/SavedFile.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"

#include <cstdio>
#include <limits>
#include <utility>

namespace collector {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr int kEnterKey = 13;
constexpr int kBackspaceKey = 8;
constexpr int kShiftKey = 16;
constexpr int kQuoteKey = 222;

std::string headerDefault(platform::Clock& clock) {
    const platform::DateTime now = clock.now();
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return textfile::reportDate(now.year, now.month, now.day) + " " + time + " ";
}

// Only a dot in the file's own name counts as an extension, never one in a folder.
std::string withEventExtension(const std::string& path) {
    return textfile::FileNameOnly(path).find('.') == std::string::npos ? path + ".eve" : path;
}

} // namespace

CollectorSession::CollectorSession(ws::Global& g, platform::Platform& p, TextBox& text1, CollectorLinks links,
                                   std::string programTitle)
    : g_(g), p_(p), text1_(text1), links_(std::move(links)), title_(std::move(programTitle)) {}

void CollectorSession::showBox(const std::string& text, const std::string& title, Icon icon) {
    if (changed) {
        changed();
    }
    p_.dialogs.messageBox(text, title, Buttons::OK, icon);
}

void CollectorSession::resetSession() {
    state_.CollectFileName.clear();
    state_.CodeBuffer.clear();
    state_.TimeIsUp = false;
    state_.FileIsOpen = false;
    state_.CombosLive = true;
}

void CollectorSession::Form_Load() {
    if (links_.readSettingsAndCodeSet) {
        links_.readSettingsAndCodeSet();
    }
    // The window's controls as they are at load.
    display_ = CollectorDisplay{};
    text1_.setText("");
    display_.Label1 = "Pick new to start a new file";
    FillCombos();
    resetSession();
}

bool CollectorSession::Form_Unload() {
    if (!state_.CollectFileName.empty() && !SaveData()) {
        return false;
    }
    display_.timerEnabled = false;
    return true;
}

void CollectorSession::NewFile_Click() {
    if (display_.newFileCaption == "&Save") {
        SaveData();
        return;
    }
    platform::FileDialogRequest request;
    request.title = "Name Your Data File...";
    request.filter = "Talvor Event Files|*.eve|All Files|*.*";
    request.flags = platform::kOverwritePrompt | platform::kHideReadOnly;
    const std::string chosen = p_.dialogs.saveFile(request);
    if (chosen.empty()) {
        return;
    }
    state_.CollectFileName = chosen;
    const std::optional<std::string> header = p_.dialogs.inputBox("Enter a Header line to label the file",
                                                                  "Header Line...", headerDefault(p_.clock));
    state_.CollectHeader = header.value_or("");
    if (state_.CollectHeader.empty()) {
        state_.CollectFileName.clear();
        return;
    }
    state_.CollectFileName = withEventExtension(state_.CollectFileName);
    display_.caption = kCollectorCaption + "(" + textfile::FileNameOnly(state_.CollectFileName) + ")";
    text1_.setText("Events\r\n" + state_.CollectHeader + "\r\n");
    text1_.moveCaretToEnd();
    state_.KeyCount = 0;
    display_.Label1 = "Start the timer when ready";
    display_.newFileCaption = "&Save";
    state_.TimeIsUp = false;
    state_.FileIsOpen = true;
    state_.PausedSeconds = 0;
    state_.initialLinesWritten = false;
}

bool CollectorSession::SaveData() {
    if (state_.CollectFileName.empty()) {
        return true;
    }
    try {
        platform::saveKeptFile(
            p_.dialogs, state_.CollectFileName,
            collectedFileBytes(text1_.text(), display_.Label1, g_.SessionDuration, tenths()));
    } catch (const textfile::RunError& error) {
        // Which file and why, so the person can put it right and save again from the window.
        const std::string reason = error.reason().empty() ? "" : ": " + error.reason();
        showBox(error.description() + " - " + state_.CollectFileName + reason +
                    "\r\nThe collected data are still in the window.",
                title_, Icon::None);
        return false;
    }
    return true;
}

void CollectorSession::CloseFile_Click() {
    // A file that could not be saved stays open with its text, so nothing is lost.
    if (!SaveData()) {
        return;
    }
    display_.newFileCaption = "&New";
    text1_.setText("");
    display_.caption = kCollectorCaption + " ";
    if (display_.timerEnabled) {
        TimerStart_Click();
    }
    resetSession();
    state_.KeyCount = 0;
}

void CollectorSession::Exit_Click() {
    if (!state_.CollectFileName.empty() && !SaveData()) {
        return;
    }
    if (links_.unloadWindow) {
        links_.unloadWindow();
    }
    if (links_.endProgram) {
        links_.endProgram();
    }
}

void CollectorSession::TimerStart_Click() {
    if (!state_.FileIsOpen) {
        showBox("You must open a file first", "Oops!", Icon::None);
        return;
    }
    if (display_.timerEnabled) {
        pauseClock();
    } else {
        startClock();
    }
}

void CollectorSession::startClock() {
    display_.timerCaption = "&Stop";
    state_.StartTimer = p_.clock.monotonicSeconds();
    display_.timerEnabled = true;
    // The clock shows where it resumes at once, so nothing entered before the first tick
    // is stamped with the prompt or with a time the pause has already passed.
    display_.Label1 = std::to_string(unitsShown(0, state_.PausedSeconds, tenths()));
    text1_.moveCaretToEnd();
    text1_.takeFocus();
    if (!state_.initialLinesWritten) {
        state_.initialLinesWritten = true;
        InsertInits();
    }
}

void CollectorSession::pauseClock() {
    display_.timerCaption = "&Start";
    const auto shown = static_cast<std::int64_t>(textfile::leadingNumber(display_.Label1));
    state_.PausedSeconds = secondsKeptAtPause(shown, tenths(), state_.PausedSeconds);
    display_.timerEnabled = false;
    text1_.moveCaretToEnd();
    text1_.takeFocus();
}

void CollectorSession::Timer1_Timer() {
    if (!display_.timerEnabled) {
        return;
    }
    const double elapsed = p_.clock.monotonicSeconds() - state_.StartTimer;
    const std::int64_t shown = unitsShown(elapsed, state_.PausedSeconds, tenths());
    display_.Label1 = std::to_string(shown);
    if (static_cast<double>(shown) > limitUnits(g_.SessionDuration, tenths()) && !state_.TimeIsUp) {
        timeUp();
    }
}

void CollectorSession::timeUp() {
    state_.TimeIsUp = true;
    display_.timerEnabled = false;
    display_.timerCaption = "&Start";
    showBox("Time is up...", "Note...", Icon::Information);
    // A code still being typed belongs to the session: it is entered at the limit, and the
    // file is closed with it.
    if (state_.KeyCount > 0 || !state_.CodeBuffer.empty()) {
        enterCode(limitText(g_.SessionDuration, tenths()));
    }
    CloseFile_Click();
}

void CollectorSession::enterCode(std::string_view time) {
    text1_.insertAtCaret("," + std::string(time) + "\r\n");
    state_.KeyCount = 0;
    UpdateStatus(state_.CodeBuffer);
    state_.CodeBuffer.clear();
}

void CollectorSession::Text1_KeyPress(std::string_view key) {
    if (key == "'") {
        return;
    }
    if (!display_.timerEnabled) {
        showBox("Timer not started yet", "Oops!", Icon::None);
        return;
    }
    if (key == "\b") {
        text1_.backspace();
        return;
    }
    if (key == "\r") {
        enterCode(display_.Label1);
        if (state_.TimeIsUp) {
            CloseFile_Click();
        }
        return;
    }
    text1_.insertAtCaret(key);
    state_.CodeBuffer += key;
}

void CollectorSession::Text1_KeyUp(int keyCode) {
    if (keyCode == kEnterKey || keyCode == 0 || keyCode == kQuoteKey || keyCode == kShiftKey) {
        return;
    }
    if (keyCode == kBackspaceKey) {
        state_.KeyCount = state_.KeyCount > 0 ? state_.KeyCount - 1 : 0;
        return;
    }
    if (!state_.FileIsOpen || !display_.timerEnabled || g_.gFixedEntry == 0) {
        return;
    }
    if (state_.KeyCount < std::numeric_limits<std::int16_t>::max()) {
        ++state_.KeyCount;
    }
    if (state_.KeyCount == g_.gNumToAuto) {
        enterCode(display_.Label1);
    }
    if (state_.TimeIsUp) {
        CloseFile_Click();
    }
}

void CollectorSession::FillCombos() {
    lists_.FillCombos(g_, p_.dialogs, title_);
}

std::int16_t CollectorSession::GetLevel(const std::string& code) const {
    for (int row = 1; row <= g_.NumCodes; ++row) {
        if (g_.CodeTable.codeIs(row, code)) {
            return groupOfRow(g_, row);
        }
    }
    return -1;
}

void CollectorSession::InsertInits() {
    for (int k = 1; k <= kGroupLists; ++k) {
        const GroupList& list = lists_.list(k);
        if (!list.shown || (k == 1 && lists_.LevelList[1] == 0)) {
            continue;
        }
        text1_.insertAtCaret(list.shownText() + ",0\r\n");
    }
}

void CollectorSession::UpdateStatus(const std::string& code) {
    std::int16_t group = -1;
    try {
        group = GetLevel(code);
    } catch (const textfile::RunError& error) {
        showBox(error.description() + " in status update", title_, Icon::None);
        return;
    }
    if (group < 0) {
        return;
    }
    state_.CombosLive = false;
    const int k = lists_.listOfGroup(group);
    if (k == 0) {
        return;
    }
    const int item = lists_.itemOf(k, code);
    if (item < 0) {
        return;
    }
    // Selecting runs the list's click, which writes nothing while CombosLive is clear.
    lists_.list(k).selected = item;
    Combo_Click(k);
    state_.CombosLive = true;
}

void CollectorSession::Combo_Click(int k) {
    if (!display_.timerEnabled) {
        return;
    }
    if (state_.CombosLive) {
        text1_.insertAtCaret(lists_.list(k).shownText() + "," + display_.Label1 + "\r\n");
    }
    state_.KeyCount = 0;
    text1_.takeFocus();
}

void CollectorSession::pick(int k, int item) {
    GroupList& list = lists_.list(k);
    if (item < 0 || item >= static_cast<int>(list.items.size())) {
        return;
    }
    list.selected = item;
    Combo_Click(k);
}

} // namespace collector
