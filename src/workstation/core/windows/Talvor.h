#pragma once
// The workstation's main window: its menus start every action of the workstation.
// Handlers are public so the program and the tests can drive them as the menus do.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowGeometry.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/MainWindowPlacement.h"

#include <QMainWindow>

#include <functional>
#include <string>

class QCloseEvent;

namespace ws {

class Talvor : public QMainWindow, public MainWindowPlacement {
    Q_OBJECT

public:
    Talvor(Global& g, platform::Platform& p, MainWindowLinks& links, QWidget* parent = nullptr);
    ~Talvor() override;

    // Ends the program at once, without any window's unload handling.
    std::function<void()> endProgram;

    void Form_Load();
    void Form_Unload();

    void CollectData_Click();
    void CodeEditor_Click();
    void ListEditor_Click();
    void DataEditor_Click();
    void PrintSetup_Click();
    void PrintData_Click();
    void PrintListNames_Click();
    void PrintListData_Click();
    void ExitTalvor_Click();
    void DataCheck_Click();
    void RecodeData_Click();
    void Filemerger_Click();
    void SeqCompareMnu_Click();
    void FreqDurMenu_Click();
    void IOAMenu_Click();
    void MultiLevel_Click();
    void SeqMenu_Click();
    void BrondelOps_Click();
    void AboutTalvor_Click();

    void ShowOutput();
    void HelpKeys();
    void HelpMouse();
    void HelpInterface();

    // State and geometry in twips, as the settings store keeps them.
    WindowPlacement placement() const override;
    void applyPlacement(const WindowPlacement& placement) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void centreOnScreen();
    // What the window manager draws around the client area; before it has framed the
    // window, a title bar of the style's height.
    void showWelcome();
    bool analysisWired();
    bool runAnalysis(const std::string& title);
    // An unset link says "<subject> is not available yet." in a box.
    void callLink(const std::function<void()>& link, const std::string& subject);
    template <class Handler> void guarded(Handler&& handler);

    Global& g_;
    platform::Platform& p_;
    MainWindowLinks& links_;
};

} // namespace ws
