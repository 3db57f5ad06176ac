#pragma once
// The video coder's main window as logic: start-up, the menus' handlers, the recent files,
// the one-at-a-time rule for data, code and video files, exit. The window (MainFrmWindow)
// is a menu bar over this; everything it shows or moves goes through MainFrmView, and the
// windows it opens but does not own through MainFrmLinks.

#include "platform/Clock.h"
#include "platform/FileTypes.h"
#include "platform/SettingsStore.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <functional>
#include <string>
#include <vector>

namespace vc {

inline constexpr int kRecentFiles = 4;

// Left, top, height and width in twips.
struct WindowPosition {
    double left = 0, top = 0, height = 0, width = 0;
};

// What only the main window itself can do.
class MainFrmView {
public:
    virtual ~MainFrmView() = default;
    virtual void showSplash() = 0;
    virtual void setLeft(double twips) = 0;
    virtual void setTop(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    virtual void setWidth(double twips) = 0;
    virtual WindowPosition position() const = 0;
    virtual bool minimisedOrMaximised() const = 0;
    virtual void setRecentEntry(int entry, bool visible, const std::string& caption) = 0; // 1..4
    virtual void setSep5Visible(bool visible) = 0;
    // Ends the program at once: windows still open are not asked to close.
    virtual void endProgram() = 0;
};

// Windows of other subsystems, wired by the program. One left unset says in a box that its
// window is not available yet, so no menu item is silently dead.
struct MainFrmLinks {
    std::function<void()> showVideoFrm3;   // the media-player window
    std::function<void()> showVideoFrm2;   // the frame-stepping file window
    std::function<void()> showVideoFrmDVD; // the DVD window
    std::function<void()> unloadVideoFrm3;
    std::function<void()> showCodeFrm; // the code-set editor
    std::function<void()> showOptions; // frmOptions
    // Imports: true when a data file was made and opened.
    std::function<bool()> ImportDoru;
    std::function<bool()> TranscriptToEvents;
};

// What the main window needs of the machine beyond the coder's links.
struct MainFrmServices {
    platform::SettingsStore& settings;
    platform::FileTypes& fileTypes;
    // The running program's absolute path, which the file-type registration opens files with.
    std::string programPath;
};

class MainFrm {
public:
    MainFrm(Globals& g, CoderLinks& links, MainFrmServices services, MainFrmView& view,
            MainFrmLinks& windows);

    // Start-up; commandLine is the program's arguments joined by one blank.
    void Form_Load(const std::string& commandLine);
    // Closing the main window: false when a window could not save, and the program goes on.
    bool Form_Unload();

    void EventFileMnu_Click();
    void TransFileMnu_Click();
    void CodeFileMnu_Click();
    void OpenDataMnu_Click();
    void OpenMovieMnu_Click();
    void DVDOpen_Click();
    void OpenCodeMnu_Click();
    void DoruImportMnu_Click();
    void TransImportMenu_Click();
    void recentMnu_Click(int entry); // 1..4
    void ExitMnu_Click();
    void PrefsMnu_Click();
    void ResetMnu_Click();
    void AssocMnu_Click();
    void AboutMnu_Click();
    void CnvrtTime_Click();

    void FixRecentFiles();

private:
    void startUp(const std::string& commandLine, bool again);
    void newDataFile(const std::string& type);
    bool refusedData();
    bool refusedCode();
    void refuse(const std::string& text);
    void openData(bool addToRecent);
    void runImport(const std::function<bool()>& import, const std::string& name);
    void showDataFrm(bool withCaption);
    bool codeEditorMissing();
    bool discardAfterFailedSave(const std::string& what, const std::string& path);
    bool unloadVideo();
    bool unloadCode();
    bool unloadData();
    void storePosition();
    void saveSettings();
    void show(const std::function<void()>& window, const std::string& name);

    Globals& g_;
    CoderLinks& links_;
    MainFrmServices services_;
    MainFrmView& view_;
    MainFrmLinks& windows_;
    std::string commandLine_;
};

// The file the command line names: a double quote at its start, then one at its end, go.
std::string commandLineFile(const std::string& commandLine);
// Puts a file at the top of the recent list unless it is there already; entry 4 drops.
void addRecentFile(VideoSettings& s, const std::string& fileName);
// Waits that many seconds on the monotonic clock without letting any window event run.
void WaitSeconds(platform::Clock& clock, float seconds);

} // namespace vc
