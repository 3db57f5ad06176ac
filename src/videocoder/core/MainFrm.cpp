#include "videocoder/core/MainFrm.h"

#include "platform/NotAvailable.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/CodingWindowClose.h"
#include "videocoder/core/ConvertTimeText.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/FileTypeRegistration.h"
#include "videocoder/core/ImportData.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/TextCase.h"

namespace vc {
namespace {

using platform::Buttons;
using platform::Icon;

bool on(std::int16_t flag) {
    return flag != 0;
}

} // namespace

std::string commandLineFile(const std::string& commandLine) {
    std::string file = commandLine;
    if (!file.empty() && file.front() == '"') {
        file.erase(0, 1);
    }
    if (!file.empty() && file.back() == '"') {
        file.pop_back();
    }
    return file;
}

void addRecentFile(VideoSettings& s, const std::string& fileName) {
    if (fileName == s.gRecent[1]) {
        return;
    }
    for (int i = kRecentFiles; i > 1; --i) {
        s.gRecent[static_cast<std::size_t>(i)] = s.gRecent[static_cast<std::size_t>(i - 1)];
    }
    s.gRecent[1] = fileName;
}

void WaitSeconds(platform::Clock& clock, float seconds) {
    const double end = clock.monotonicSeconds() + seconds;
    while (clock.monotonicSeconds() <= end) {
    }
}

MainFrm::MainFrm(Globals& g, CoderLinks& links, MainFrmServices services, MainFrmView& view,
                 MainFrmLinks& windows)
    : g_(g), links_(links), services_(std::move(services)), view_(view), windows_(windows) {}

void MainFrm::Form_Load(const std::string& commandLine) {
    commandLine_ = commandLine;
    startUp(commandLine, false);
}

void MainFrm::startUp(const std::string& commandLine, bool again) {
    VideoSettings& s = g_.settings;
    LoadSettings(s, services_.settings);
    view_.showSplash();
    if (on(s.gFirstRun)) {
        RegisterQvdType(services_.fileTypes, services_.programPath);
        s.gFirstRun = kFalse;
    }
    saveSettings();
    // Running start-up again must not forget the windows that are still open.
    if (!again) {
        g_.open.gVideoOpen = kFalse;
        g_.open.gCodeOpen = kFalse;
    }
    if (s.gMainLeft != 0) {
        view_.setLeft(s.gMainLeft);
    }
    if (s.gMainTop != 0) {
        view_.setTop(s.gMainTop);
    }
    if (s.gMainHeight != 0) {
        view_.setHeight(s.gMainHeight);
    }
    if (s.gMainWidth != 0) {
        view_.setWidth(s.gMainWidth);
    }
    FixRecentFiles();
    if (commandLine.empty() || on(g_.open.gDataOpen)) {
        return;
    }
    g_.data.gFileName = commandLineFile(commandLine);
    if (OpenDataFile(g_, links_)) {
        armAutoSaveTimer(s, links_.dataFrm.port());
        links_.dataFrm.port().show();
    }
}

void MainFrm::saveSettings() {
    SaveSettings(g_.settings, services_.settings, links_.dialogs);
}

void MainFrm::FixRecentFiles() {
    const auto& recent = g_.settings.gRecent;
    bool anyShown = false;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const std::string& entry = recent[static_cast<std::size_t>(i)];
        view_.setRecentEntry(i, !entry.empty(), entry.empty() ? std::string() : FileNameOf(entry));
        anyShown = anyShown || !entry.empty();
    }
    view_.setSep5Visible(anyShown);
    saveSettings();
}

void MainFrm::refuse(const std::string& text) {
    links_.dialogs.messageBox(text, "Sorry", Buttons::OK, Icon::Information);
}

bool MainFrm::refusedData() {
    if (!on(g_.open.gDataOpen)) {
        return false;
    }
    refuse("You can only open one data file at a time.");
    links_.dataFrm.port().show();
    return true;
}

bool MainFrm::refusedCode() {
    if (!on(g_.open.gCodeOpen)) {
        return false;
    }
    refuse("You can only open one code file at a time.");
    // A refusal brings the coding window forward only when it holds a file: shown empty it
    // would take typing that no close ever saves.
    if (on(g_.open.gDataOpen)) {
        links_.dataFrm.port().show();
    }
    return true;
}

void MainFrm::show(const std::function<void()>& window, const std::string& name) {
    if (window) {
        window();
        return;
    }
    platform::sayNotAvailable(links_.dialogs, "The " + name, kProgramTitle);
}

void MainFrm::showDataFrm(bool withCaption) {
    CodingWindowPort& port = links_.dataFrm.port();
    if (withCaption) {
        port.setCaption(FileNameOf(g_.data.gFileName));
    }
    port.show();
}

void MainFrm::EventFileMnu_Click() {
    newDataFile("Events");
}

void MainFrm::TransFileMnu_Click() {
    newDataFile("Transcript");
}

void MainFrm::newDataFile(const std::string& type) {
    if (refusedData()) {
        return;
    }
    // No file is open, so a name left from before must not be written over: ask for one.
    g_.data.gFileName.clear();
    g_.data.gDataType = type;
    SaveDataFile(g_, links_);
    if (g_.data.gFileName.empty()) {
        return;
    }
    ClearData(g_.data);
    // The window loaded while the type still read "Events", which its load takes for a
    // transcript; lay it out again for the type the save settled.
    links_.dataFrm.FG1 = GridLayout{};
    links_.dataFrm.markUnloaded();
    links_.dataFrm.ensureLoaded(g_);
    g_.open.gDataOpen = kTrue;
    addRecentFile(g_.settings, g_.data.gFileName);
    FixRecentFiles();
    armAutoSaveTimer(g_.settings, links_.dataFrm.port());
    showDataFrm(true);
}

// A code-file command whose editor is not there writes and loads nothing: it says so and
// leaves every file and flag as it was.
bool MainFrm::codeEditorMissing() {
    if (windows_.showCodeFrm) {
        return false;
    }
    show({}, "code-set editor window");
    return true;
}

void MainFrm::CodeFileMnu_Click() {
    if (refusedCode() || codeEditorMissing()) {
        return;
    }
    if (!SaveCodeFile(g_, links_)) {
        discardCodeEditor(g_, links_);
        return;
    }
    windows_.showCodeFrm();
}

void MainFrm::OpenDataMnu_Click() {
    if (refusedData()) {
        return;
    }
    // Nothing is open: the dialog always asks, whatever name an earlier file left.
    g_.data.gFileName.clear();
    openData(true);
}

void MainFrm::recentMnu_Click(int entry) {
    if (refusedData()) {
        return;
    }
    g_.data.gFileName = g_.settings.gRecent.at(static_cast<std::size_t>(entry));
    openData(false);
}

void MainFrm::openData(bool addToRecent) {
    if (!OpenDataFile(g_, links_)) {
        return;
    }
    if (addToRecent) {
        addRecentFile(g_.settings, g_.data.gFileName);
        FixRecentFiles();
    }
    armAutoSaveTimer(g_.settings, links_.dataFrm.port());
    showDataFrm(true);
}

void MainFrm::DoruImportMnu_Click() {
    runImport(windows_.ImportDoru, "DORU import");
}

void MainFrm::TransImportMenu_Click() {
    runImport(windows_.TranscriptToEvents, "transcription conversion");
}

void MainFrm::runImport(const std::function<bool()>& import, const std::string& name) {
    if (refusedData()) {
        return;
    }
    if (!import) {
        show({}, name);
    } else if (import()) {
        // The imported rows are worked on as a new file's are, until they are saved.
        openImportedData(g_, links_);
        showDataFrm(true);
    }
}

void MainFrm::OpenCodeMnu_Click() {
    if (refusedCode() || codeEditorMissing()) {
        return;
    }
    g_.codeSet.gCodeFileName = kAskForCodeFile;
    if (OpenCodeFile(g_, links_)) {
        windows_.showCodeFrm();
    } else if (on(g_.open.gCodeOpen)) {
        discardCodeEditor(g_, links_);
    }
}

void MainFrm::OpenMovieMnu_Click() {
    const double player = g_.settings.PlayerSelection;
    if (on(g_.open.gVideoOpen)) {
        refuse("You can only open one video file at a time.");
        if (player == 1) {
            show(windows_.showVideoFrm2, "frame-stepping file window");
        } else if (player == 2) {
            show(windows_.showVideoFrmDVD, "DVD window");
        } else {
            show(windows_.showVideoFrm3, "media player window");
        }
        return;
    }
    platform::FileDialogRequest request;
    request.title = "Select the media file to open";
    request.filter = kMediaFilter;
    request.flags = platform::kFileMustExist | platform::kHideReadOnly;
    g_.data.gVideoFileName = links_.dialogs.openFile(request);
    if (trimBlanks(g_.data.gVideoFileName).empty()) {
        return;
    }
    if (player == 1) {
        show(windows_.showVideoFrm2, "frame-stepping file window");
    } else {
        show(windows_.showVideoFrm3, "media player window");
    }
}

void MainFrm::DVDOpen_Click() {
    try {
        show(windows_.showVideoFrmDVD, "DVD window");
    } catch (const std::exception&) {
        // Showing the DVD window may fail with no disc; the menu stays usable.
    }
}

void MainFrm::PrefsMnu_Click() {
    show(windows_.showOptions, "options window");
}

void MainFrm::AssocMnu_Click() {
    RegisterQvdType(services_.fileTypes, services_.programPath);
}

void MainFrm::AboutMnu_Click() {
    view_.showSplash();
}

void MainFrm::ResetMnu_Click() {
    const auto answer = links_.dialogs.messageBox(
        "All options will be reset to default values, Are you sure you want to do this?", "Be careful",
        Buttons::YesNo, Icon::Question);
    if (answer != platform::Answer::Yes) {
        return;
    }
    ResetDefaults(g_.settings, services_.fileTypes, services_.programPath);
    saveSettings();
    startUp(commandLine_, true);
}

void MainFrm::CnvrtTime_Click() {
    const auto answer = links_.dialogs.inputBox("Time to Convert?", kProgramTitle, "");
    if (!answer || trimBlanks(*answer).empty()) {
        return;
    }
    const ConvertedTime converted = ConvertTimeText(*answer, g_.settings);
    if (converted.ok) {
        links_.dialogs.messageBox(converted.text, kProgramTitle, Buttons::OK, Icon::None);
    } else {
        links_.dialogs.messageBox(converted.error, kProgramTitle, Buttons::OK, Icon::Exclamation);
    }
}

bool MainFrm::unloadVideo() {
    if (on(g_.open.gVideoOpen) && windows_.unloadVideoFrm3) {
        windows_.unloadVideoFrm3();
    }
    return true;
}

// After a save that failed (its box said why), the person chooses: close without the
// changes, or keep the program open with them.
bool MainFrm::discardAfterFailedSave(const std::string& what, const std::string& path) {
    const auto answer = links_.dialogs.messageBox(
        "The " + what + " " + path + " was not saved.\r\nClose it without the changes?\r\n" +
            "Yes closes it and the changes are lost; No keeps the program open with them.",
        "Warning...", Buttons::YesNo, Icon::Exclamation);
    return answer == platform::Answer::Yes;
}

bool MainFrm::unloadCode() {
    if (!on(g_.open.gCodeOpen)) {
        return true;
    }
    switch (unloadCodeEditor(g_, links_)) {
    case CodeEditorUnload::Unloaded:
        return true;
    case CodeEditorUnload::Cancelled:
        return false; // the person kept the changed set unnamed: the editor stays with it
    case CodeEditorUnload::Failed:
        break;
    }
    if (!discardAfterFailedSave("code file", g_.codeSet.gCodeFileName)) {
        return false;
    }
    discardCodeEditor(g_, links_);
    return true;
}

bool MainFrm::unloadData() {
    if (!on(g_.open.gDataOpen) || closeCodingWindow(g_, links_)) {
        return true;
    }
    if (!discardAfterFailedSave("data file", g_.data.gFileName)) {
        return false;
    }
    discardCodingWindow(g_, links_);
    return true;
}

void MainFrm::storePosition() {
    const WindowPosition p = view_.position();
    g_.settings.gMainLeft = p.left;
    g_.settings.gMainTop = p.top;
    g_.settings.gMainHeight = p.height;
    g_.settings.gMainWidth = p.width;
}

void MainFrm::ExitMnu_Click() {
    if (!unloadVideo() || !unloadCode() || !unloadData()) {
        return;
    }
    if (!view_.minimisedOrMaximised()) {
        storePosition();
    }
    saveSettings();
    view_.endProgram();
}

bool MainFrm::Form_Unload() {
    if (!unloadData() || !unloadVideo() || !unloadCode()) {
        return false;
    }
    storePosition();
    saveSettings();
    return true;
}

} // namespace vc
