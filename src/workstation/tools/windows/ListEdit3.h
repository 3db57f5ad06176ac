#pragma once
// The list editor window: menus, toolbar and the list of entries over a ListEditSession.

#include "platform/Platform.h"
#include "workstation/tools/ListEditSession.h"

#include <QDialog>

#include <string>
#include <vector>

class QAction;
class QListWidget;
class QMenuBar;
class QToolBar;

namespace ws {

class ListEdit3 : public QDialog {
    Q_OBJECT

public:
    explicit ListEdit3(platform::Platform& p, QWidget* parent = nullptr);

    const ListEditSession& session() const { return session_; }

    void Form_Load();
    void NewMnu_Click();
    void OpenMnu_Click();
    void SaveMnu_Click();
    void SaveAsMnu_Click();
    void ExitMnu_Click();
    void UpMnu_Click();
    void DownMnu_Click();
    void AddFileMnu_Click();
    void DeleteMnu_Click();
    void LOLMnu_Click();
    void HelpMnu_Click();
    void Toolbar1_ButtonClick(int index);
    void List1_OLEDragDrop(const std::vector<std::string>& files);

    // The unload handler: a changed list is saved first; a failed save keeps the window.
    void reject() override;

private:
    void buildMenus(QMenuBar& bar);
    void buildToolbar(QToolBar& bar);
    // Runs a command on the session and shows what it left.
    template <class Command> void act(Command&& command);
    void refresh();

    platform::Platform& p_;
    ListEditSession session_;
    bool refreshing_ = false;
    QListWidget* List1 = nullptr;
    QAction* LOLMnu = nullptr;
};

} // namespace ws
