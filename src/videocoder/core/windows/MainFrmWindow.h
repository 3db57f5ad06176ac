#pragma once
// The video coder's main window: "Vintro for Digital Video", its label and its menus.
// Every handler is MainFrm's; this class shows what MainFrm asks of a window.

#include "platform/Dialogs.h"
#include "videocoder/core/MainFrm.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QCloseEvent;

namespace vc {

class MainFrmWindow : public QMainWindow, public MainFrmView {
    Q_OBJECT

public:
    MainFrmWindow(Globals& g, CoderLinks& links, MainFrmServices services, MainFrmLinks& windows,
                  QWidget* parent = nullptr);

    MainFrm& controller() { return controller_; }
    // Start-up with the program's command line, behind the same guard as every menu item, so
    // that no failure of opening the named file ends the program.
    void startUp(const std::string& commandLine);
    // Ends the program; the program sets it, tests record it.
    std::function<void()> onEndProgram;

    void showSplash() override;
    void setLeft(double twips) override;
    void setTop(double twips) override;
    void setHeight(double twips) override;
    void setWidth(double twips) override;
    WindowPosition position() const override;
    bool minimisedOrMaximised() const override;
    void setRecentEntry(int entry, bool visible, const std::string& caption) override;
    void setSep5Visible(bool visible) override;
    void endProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // Runs a handler so that no failure escapes into the event loop.
    void guarded(const std::function<void()>& handler);

    platform::Dialogs& dialogs_;
    MainFrm controller_;
    std::array<QAction*, kRecentFiles + 1> recent_{}; // 1..4
    QAction* sep5_ = nullptr;
    bool ending_ = false;
};

} // namespace vc
