#include "videocoder/coding/DataFrm.h"

#include "platform/HandlerGuard.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/coding/CommandCodes.h"
#include "videocoder/coding/DataFrmLayout.h"
#include "videocoder/coding/InstantReplay.h"
#include "videocoder/coding/TimeRange.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/CodingWindowClose.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/TextCase.h"
#include "videocoder/core/TimeConversion.h"

#include <array>
#include <cmath>
#include <new>
#include <stdexcept>

namespace vc {
namespace {

using platform::Buttons;
using platform::Icon;

inline constexpr int kHeaderPanel = 0;
inline constexpr int kDataPanel = 1;
inline constexpr int kLastGridColumn = 49;
inline constexpr int kCodesColumn = 2; // a transcript row's codes, gData column 2
// Grid SelectionMode by the index of the "Grid Selection Mode" items.
inline constexpr std::array<int, 3> kSelectionModes = {3, 2, 0};
inline constexpr int kSelectRows = 3;

inline const std::string kThreeQuarterSpeed = "Three Quarter Speed";
inline const std::string kMute = "Mute";

bool on(std::int16_t flag) {
    return flag != 0;
}

std::string gridselItem(int index) {
    return "gridsel(" + std::to_string(index) + ")";
}

// Message boxes pass by unseen; everything else reaches the person. A failing autosave
// that was said once is not said again at every tick.
class QuietDialogs : public platform::Dialogs {
public:
    explicit QuietDialogs(platform::Dialogs& inner) : inner_(inner) {}
    platform::Answer messageBox(const std::string&, const std::string&, Buttons buttons, Icon) override {
        return buttons == Buttons::RetryCancel ? platform::Answer::Cancel : platform::Answer::OK;
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        return inner_.inputBox(prompt, title, defaultText);
    }
    std::string openFile(const platform::FileDialogRequest& request) override {
        return inner_.openFile(request);
    }
    std::string saveFile(const platform::FileDialogRequest& request) override {
        return inner_.saveFile(request);
    }
    bool printerSetup() override { return inner_.printerSetup(); }
    int showModal(QDialog& dialog) override { return inner_.showModal(dialog); }
    void yieldToUi() override { inner_.yieldToUi(); }
    void waitForEvents(int maxMilliseconds) override { inner_.waitForEvents(maxMilliseconds); }
    void beep() override { inner_.beep(); }

private:
    platform::Dialogs& inner_;
};

} // namespace

DataFrm::DataFrm(Globals& g, platform::Platform& p, const PlayerLinks& players, DataFrmView& view)
    : g_(g), p_(p), players_(players), view_(view) {}

DataFrm::~DataFrm() = default;

void DataFrm::attach(CoderLinks& links, CommandLinks commandLinks) {
    links_ = &links;
    commands_ = std::make_unique<CodingCommands>(g_, links.dataFrm, links, players_,
                                                 CommandServices{p_.dialogs, p_.clock}, *this,
                                                 std::move(commandLinks));
    keys_ = std::make_unique<GridKeys>(
        g_, *this, p_.dialogs, p_.clipboard,
        KeyCommands{[this](int code) { ControlSub(code); }, [this] { return commands().currentTimeText(); }});
}

GridKeyEvents& DataFrm::gridKeys() {
    links();
    return *keys_;
}

void DataFrm::InstantReplay() {
    vc::InstantReplay({g_, players_, *this, model(), p_.dialogs, p_.clock});
}

CoderLinks& DataFrm::links() {
    if (links_ == nullptr) {
        throw std::logic_error("the coding window is not attached");
    }
    return *links_;
}

CodingCommands& DataFrm::commands() {
    links();
    return *commands_;
}

void DataFrm::say(const std::string& text, const std::string& title) {
    p_.dialogs.messageBox(text, title, Buttons::OK, Icon::Information);
}

void DataFrm::handle(const std::function<void()>& handler) {
    platform::guardHandler(p_.dialogs, {kErrorTitle}, handler);
}

void DataFrm::runLater(LaterItem item) {
    later_.run(item, p_.dialogs);
}

// ---- the core's port ----

void DataFrm::load() {
    showPanel(kHeaderPanel);
    const VideoSettings& s = g_.settings;
    if (s.gDataLeft != 0) {
        view_.setLeft(s.gDataLeft);
    }
    if (s.gDataTop != 0) {
        view_.setTop(s.gDataTop);
    }
    if (s.gDataHeight != 0) {
        view_.setHeight(s.gDataHeight);
    }
    if (s.gDataWidth != 0) {
        view_.setWidth(s.gDataWidth);
    }
    // A stored mode that names no item leaves the grid as it is.
    const double mode = std::nearbyint(s.gSelectionMode);
    if (mode >= 0 && mode < static_cast<double>(kSelectionModes.size())) {
        gridsel_Click(static_cast<int>(mode));
    }
    view_.bindGrid();
}

void DataFrm::refresh() {
    view_.redrawGrid();
    view_.showHeader();
}

void DataFrm::autoSize(int first, int last) {
    view_.autoSize(first, last);
}

void DataFrm::setCodeList(const std::vector<std::string>& items) {
    view_.setCodeList(items);
}

void DataFrm::setAutoSave(bool enabled, int milliseconds) {
    view_.setAutoSave(enabled, milliseconds);
}

void DataFrm::ControlSub(int command) {
    if (commandSent) {
        commandSent(command);
    }
    commands().ControlSub(command);
}

void DataFrm::setCaption(const std::string& caption) {
    view_.setCaption(caption);
}

void DataFrm::show() {
    refresh();
    view_.showWindow();
    Form_Resize();
}

void DataFrm::unload() {
    view_.setAutoSave(false, 0);
    resetControls();
    view_.hideWindow();
}

// What the window shows when it loads again: the header tab, the first captions of the
// items that change their own, no code list.
void DataFrm::resetControls() {
    showPanel(kHeaderPanel);
    view_.setLengthCaption(kLengthCaption);
    view_.setMenuCaption("HalfSpeedMnu", kThreeQuarterSpeed);
    view_.setMenuCaption("MuteMnu", kMute);
    view_.setMenuCaption("HideColsMnu", "Hide Selected Columns");
    view_.setMenuCaption("FilterMnu", "&Filter Rows...");
    view_.setMenuChecked("FilterMnu", false);
    view_.setCodeList({});
    view_.showHeader();
    view_.redrawGrid();
}

void DataFrm::storePosition() {
    if (view_.minimisedOrMaximised()) {
        return;
    }
    VideoSettings& s = g_.settings;
    const TwipsRect at = view_.geometry();
    s.gDataLeft = at.left;
    s.gDataTop = at.top;
    s.gDataHeight = at.height;
    s.gDataWidth = at.width;
    SaveSettings(s, p_.settings, p_.dialogs);
}

// ---- the command set's grid ----

int DataFrm::Row() const {
    return view_.row();
}

void DataFrm::setRow(int row) {
    view_.setRow(row);
}

int DataFrm::Col() const {
    return view_.col();
}

void DataFrm::setCol(int col) {
    view_.setCol(col);
}

std::vector<int> DataFrm::selectedRows() const {
    return view_.selectedRows();
}

void DataFrm::refreshRow(int row) {
    view_.redrawRow(row);
}

// ---- File menu ----

void DataFrm::SaveMnu_Click() {
    SaveDataFile(g_, links());
}

// Saves, then closes, which saves again when anything changed in between. A save that
// failed or was cancelled keeps the window and its data.
void DataFrm::CloseMnu_Click() {
    if (SaveDataFile(g_, links())) {
        Form_Unload();
    }
}

void DataFrm::SaveAsMnu_Click() {
    ControlSub(kCmdSaveAs);
}

void DataFrm::RevertMnu_Click() {
    runLater(LaterItem::RevertMnu);
}

void DataFrm::PrintMnu_Click() {
    runLater(LaterItem::PrintMnu);
}

void DataFrm::ExportMnu_Click() {
    ControlSub(kCmdExport);
}

void DataFrm::VTRSImport_Click() {
    runLater(LaterItem::VTRSImport);
}

void DataFrm::CSVImport_Click() {
    runLater(LaterItem::CSVImport);
}

void DataFrm::ExitMnu_Click() {
    exitWithoutSaving_ = true;
    Form_Unload();
}

// ---- Media Control menu ----

void DataFrm::Command_Click(int index) {
    if (on(g_.open.gVideoOpen)) {
        ControlSub(kMediaControlBase + index);
    }
}

void DataFrm::ReverseMnu_Click() {
    ControlSub(kCmdPreRollPlay);
}

void DataFrm::ADdMarkStopMnu_Click() {
    ControlSub(kCmdAddMarkStop);
}

void DataFrm::HalfSpeedMnu_Click() {
    const bool first = view_.menuCaption("HalfSpeedMnu") != kThreeQuarterSpeed;
    view_.setMenuCaption("HalfSpeedMnu", first ? kThreeQuarterSpeed : "Normal Speed");
    ControlSub(kCmdThreeQuarterSpeed);
}

void DataFrm::BackwardsMnu_Click() {
    ControlSub(kCmdJumpBackwards);
}

void DataFrm::MuteMnu_Click() {
    const bool first = view_.menuCaption("MuteMnu") != kMute;
    view_.setMenuCaption("MuteMnu", first ? kMute : "Mute Off");
    ControlSub(kCmdMute);
}

// ---- Data menu ----

void DataFrm::FilterMnu_Click() {
    runLater(LaterItem::FilterMnu);
}

void DataFrm::AddRowsMnu_Click() {
    runLater(LaterItem::AddRowsMnu);
}

void DataFrm::SortMnu_Click() {
    runLater(LaterItem::SortMnu);
}

void DataFrm::SortByTimeMnu_Click() {
    runLater(LaterItem::SortByTimeMnu);
}

void DataFrm::ShowCodesMnu_Click() {
    runLater(LaterItem::ShowCodesMnu);
}

void DataFrm::AdjustGridMnu_Click() {
    reopenFieldCodeSet(g_, links());
    links().refreshDataGrid();
    refresh();
}

void DataFrm::FillInMnu_Click() {
    runLater(LaterItem::FillInMnu);
}

void DataFrm::DataCleanupMnu_Click() {
    ValidateCodes(g_, links());
}

void DataFrm::Cnvrtmnu_Click() {
    runLater(LaterItem::Cnvrtmnu);
}

void DataFrm::grdMnu_Click(int index) {
    switch (index) {
    case 0:
        ControlSub(kCmdDeleteRow);
        return;
    case 1:
        ControlSub(kCmdInsertRow);
        return;
    case 2:
        ControlSub(kCmdAppendRow);
        return;
    default:
        if (view_.selectionMode() != kSelectRows) {
            p_.dialogs.messageBox(
                "Please change the grid selection mode to\r\nselect by rows to use this function "
                "(hit F2)",
                kProgramTitle, Buttons::OK, Icon::None);
            return;
        }
        ControlSub(kCmdDeleteSelected);
    }
}

void DataFrm::HideColsMnu_Click() {
    runLater(LaterItem::HideColsMnu);
}

void DataFrm::gridsel_Click(int index) {
    for (int i = 0; i < static_cast<int>(kSelectionModes.size()); ++i) {
        view_.setMenuChecked(gridselItem(i), false);
    }
    if (index >= 0 && index < static_cast<int>(kSelectionModes.size())) {
        view_.setMenuChecked(gridselItem(index), true);
        view_.setSelectionMode(kSelectionModes[static_cast<std::size_t>(index)]);
    }
    g_.settings.gSelectionMode = index;
}

// ---- toolbar, tabs, grid ----

void DataFrm::Tb1_ButtonClick(int index) {
    ControlSub(index);
}

void DataFrm::showPanel(int panel) {
    currentPanel_ = panel;
    view_.setPanelVisible(panel == kHeaderPanel ? kDataPanel : kHeaderPanel, false);
    view_.setPanelVisible(panel, true);
    view_.selectTab(panel + 1);
}

void DataFrm::TS1_Click(int tab) {
    const int panel = tab - 1;
    if (panel == currentPanel_ || (panel != kHeaderPanel && panel != kDataPanel)) {
        return;
    }
    view_.setPanelVisible(panel, true);
    view_.setPanelVisible(currentPanel_, false);
    currentPanel_ = panel;
    view_.autoSize(0, kLastGridColumn);
}

void DataFrm::FG1_MouseUp(int button, int shift) {
    if (button != kLeftButton) {
        return;
    }
    const bool seek = shift == kCtrlKey;
    if (!seek && shift != kAltKey) {
        return;
    }
    if (commandSent) {
        commandSent(seek ? kCmdSeek : kCmdMark);
    }
    if (seek) {
        commands().FG1_CtrlClick(Row());
    } else {
        commands().FG1_AltClick(Row());
    }
}

void DataFrm::FG1_CellEdited(int, int col) {
    AutoSize(col);
}

int DataFrm::Rows() const {
    return g_.data.gData.rows() + 1;
}

void DataFrm::Select(int row, int col) {
    view_.select(row, col);
}

GridRange DataFrm::GetSelection() const {
    return view_.selection();
}

void DataFrm::AutoSize(int col) {
    view_.autoSize(col, col);
}

// The selected codes, each in brackets unless it brings its own, go after the current
// transcript row's codes.
void DataFrm::AddCodeBtn_Click() {
    std::string added;
    for (const int item : view_.selectedCodeItems()) {
        view_.deselectCodeItem(item);
        const std::string code = g_.codeSet.gCodes.at(1, item + 1).asText();
        added += code.starts_with("[") ? code : "[" + code + "] ";
    }
    CellTable::CellRef cell = g_.data.gData.at(kCodesColumn, Row());
    cell = textfile::Value::ofText(cell.asText() + added);
    refresh();
}

void DataFrm::List1_DblClick() {
    AddCodeBtn_Click();
}

// ---- the header panel ----

void DataFrm::chkDVD_Click() {
    model().chkDVD_Click(g_);
    view_.showHeader();
}

void DataFrm::Browsebtn_Click(int index) {
    platform::FileDialogRequest request;
    request.flags = platform::kFileMustExist | platform::kHideReadOnly;
    CodingWindowModel& header = model();
    if (index == 1) {
        request.title = "Select the code file to open";
        request.filter = "Code Files (*.cod)|*.cod|All Files (*.*)|*.*";
        const std::string chosen = p_.dialogs.openFile(request);
        if (isBlank(chosen)) {
            return;
        }
        // A code set edited in its editor is saved (or kept, when that fails) before
        // another takes its place.
        if (on(g_.open.gCodeOpen) && unloadCodeEditor(g_, links()) != CodeEditorUnload::Unloaded) {
            return;
        }
        g_.codeSet.gCodeFileName = chosen;
        header.Text1[kCodeFileField] = chosen;
        OpenCodeFile(g_, links());
        links().refreshDataGrid();
        refresh();
    } else {
        request.title = "Select the Video file to open";
        request.filter =
            "Movie Files (*.wmv;*.mpeg;*.mpg;*.avi;*.mov)|*.wmv;*.mpeg;*.mpg;*.avi;*.mov|All Files "
            "(*.*)|*.*";
        const std::string chosen = p_.dialogs.openFile(request);
        if (chosen.empty()) {
            return;
        }
        g_.data.gVideoFileName = chosen;
        header.Text1[kMediaField] = chosen;
    }
    view_.showHeader();
}

void DataFrm::Command1_Click(int index) {
    CodingWindowModel& header = model();
    if (index == 0) {
        if (!on(g_.open.gVideoOpen)) {
            say("You must open a video file first.", "Oops!");
            return;
        }
        header.Text1[kMediaField] = g_.data.gVideoFileName;
    } else {
        if (!on(g_.open.gCodeOpen)) {
            say("You must open a code file first.", "Oops!");
            return;
        }
        header.Text1[kCodeFileField] = g_.codeSet.gCodeFileName;
    }
    view_.showHeader();
}

void DataFrm::Text1_MouseUp(int index, int, int shift) {
    if (shift != kCtrlKey || index < 1 || index >= kHeaderFields) {
        return;
    }
    CodingWindowModel& header = model();
    if (index == 1 || index == 11 || index == 12) {
        header.Text1[static_cast<std::size_t>(index)] = p_.clock.shortDateText(p_.clock.now());
    } else if (index == kStartTimeField || index == kEndTimeField) {
        std::optional<std::string> now;
        if (on(g_.open.gVideoOpen)) {
            now = commands().currentTimeText();
        }
        if (!now) {
            say("No video file is open", kProgramTitle);
            return;
        }
        header.Text1[static_cast<std::size_t>(index)] = *now;
    } else {
        return;
    }
    view_.showHeader();
}

void DataFrm::SeekBtn_Click(int index) {
    if (on(g_.open.gVideoOpen)) {
        commands().seekToTime(model().Text1.at(static_cast<std::size_t>(index + kStartTimeField)));
    }
}

// The length of the span the start and end times give. The timecode form reads its fields
// as timecodes.
void DataFrm::Label2_Click() {
    const VideoSettings& s = g_.settings;
    const std::string& start = model().Text1[kStartTimeField];
    const std::string& end = model().Text1[kEndTimeField];
    if (s.FrameDisplay == 2 || s.FrameDisplay == 3) {
        const auto frames = [&](const std::string& t) {
            return s.FrameDisplay == 3 ? TimecodeToFrames(t, s) : ClockTextToFrames(t, s);
        };
        const std::int32_t length = textfile::toInt32(static_cast<double>(frames(end)) - frames(start));
        view_.setLengthCaption("Length:" + FramesToTimecode(length, s));
        return;
    }
    const float length = textfile::toSingle(static_cast<double>(TimeTextToSeconds(end, s)) -
                                            static_cast<double>(TimeTextToSeconds(start, s)));
    view_.setLengthCaption("Length:" + SecondsToClockText(length, s));
}

// ---- life cycle ----

void DataFrm::Form_Resize() {
    const TwipsRect size = view_.geometry();
    const DataFrmLayout layout = layOutDataFrm(size.width, size.height, view_.toolbarHeight(),
                                               view_.buttonHeight(), g_.data.gDataType == "EVENTS");
    // A window made very small keeps whatever could be placed.
    for (const Placement& placement : layout.placements) {
        if (impossible(placement.rect)) {
            continue;
        }
        try {
            view_.place(placement.control, placement.rect);
        } catch (const textfile::RunError&) {
        }
    }
    view_.setControlVisible(DataFrmControl::List1, layout.codeList);
    view_.setControlVisible(DataFrmControl::AddCodeBtn, layout.codeList);
}

bool DataFrm::Form_Unload() {
    if (!on(g_.open.gDataOpen)) {
        storePosition();
        exitWithoutSaving_ = false;
        unload();
        return true;
    }
    const bool closed = closeCodingWindow(g_, links());
    exitWithoutSaving_ = false;
    return closed;
}

// Saves a named file that changed, unless a save, a box or a dialog is open. A save that
// fails is said once; later ticks fail quietly until a save succeeds.
void DataFrm::AutoSaveTimer_Timer() {
    if (links_ == nullptr || g_.data.fileInUse || view_.dialogOpen()) {
        return;
    }
    if (g_.data.gFileName.empty() || !dataChanged(g_, *links_)) {
        autoSaveFailed_ = false;
        return;
    }
    if (!autoSaveFailed_) {
        autoSaveFailed_ = !SaveDataFile(g_, *links_);
        return;
    }
    QuietDialogs quiet(p_.dialogs);
    CoderLinks quietLinks{quiet, links_->dataFrm, links_->codeFrmGroups, links_->RefreshDataGrid};
    autoSaveFailed_ = !SaveDataFile(g_, quietLinks);
}

bool DataFrm::TimeOuttaRange() {
    const VideoSettings& s = g_.settings;
    const PlayerKind kind = chosenPlayer(s);
    platform::MediaPlayer* player = players_.player(kind);
    // The player is asked only when there is a span to compare with.
    if (!on(s.gRangeWarning) || isBlank(model().Text1[kStartTimeField]) ||
        isBlank(model().Text1[kEndTimeField]) || player == nullptr) {
        return false;
    }
    const double seconds = player->position();
    const std::optional<std::int32_t> frame =
        rangeInFrames(s, kind) ? std::optional<std::int32_t>(player->framePosition()) : std::nullopt;
    return TimeOuttaRange(seconds, frame);
}

bool DataFrm::TimeOuttaRange(double seconds, std::optional<std::int32_t> frame) {
    const CodingWindowModel& header = model();
    return vc::TimeOuttaRange(g_.settings, chosenPlayer(g_.settings), header.Text1[kStartTimeField],
                              header.Text1[kEndTimeField], seconds, frame);
}

} // namespace vc
