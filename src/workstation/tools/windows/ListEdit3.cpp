#include "workstation/tools/windows/ListEdit3.h"

#include "platform/qt/TextBridge.h"
#include "workstation/tools/windows/ToolWindowSupport.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace ws {

ListEdit3::ListEdit3(platform::Platform& p, QWidget* parent) : QDialog(parent), p_(p), session_(p.dialogs) {
    setObjectName(QStringLiteral("ListEdit3"));
    setWindowTitle(QStringLiteral("Data File List Editor"));
    setModal(true);
    resize(480, 360);

    auto* menuBar = named(new QMenuBar(this), "MenuBar");
    buildMenus(*menuBar);
    auto* toolBar = named(new QToolBar(this), "Toolbar1");
    buildToolbar(*toolBar);
    List1 = named(new QListWidget(this), "List1");
    acceptFileDrops(*List1->viewport(),
                    [this](const std::vector<std::string>& files) { List1_OLEDragDrop(files); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_) {
            session_.selected = row;
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(List1);
    Form_Load();
}

void ListEdit3::buildMenus(QMenuBar& bar) {
    const auto item = [this](QMenu* menu, const char* name, const char* caption,
                             void (ListEdit3::*handler)()) {
        QAction* action = named(menu->addAction(QString::fromLatin1(caption)), name);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    QMenu* file = named(bar.addMenu(QStringLiteral("&File")), "FileMnu");
    item(file, "NewMnu", "&New List", &ListEdit3::NewMnu_Click);
    item(file, "OpenMnu", "&Open a List...", &ListEdit3::OpenMnu_Click);
    file->addSeparator();
    item(file, "SaveMnu", "Save", &ListEdit3::SaveMnu_Click);
    item(file, "SaveAsMnu", "Save As...", &ListEdit3::SaveAsMnu_Click);
    file->addSeparator();
    item(file, "ExitMnu", "E&xit List Editor", &ListEdit3::ExitMnu_Click);

    QMenu* edit = named(bar.addMenu(QStringLiteral("&Edit")), "EditMnu");
    item(edit, "UpMnu", "Move &Up", &ListEdit3::UpMnu_Click);
    item(edit, "DownMnu", "Move &Down", &ListEdit3::DownMnu_Click);
    item(edit, "AddFileMnu", "&Add a File...", &ListEdit3::AddFileMnu_Click);
    item(edit, "DeleteMnu", "&Delete", &ListEdit3::DeleteMnu_Click);
    edit->addSeparator();
    named(edit->addAction(QStringLiteral("Hide &Folder Names")), "ShowMnu");
    LOLMnu = item(edit, "LOLMnu", "List of List Files", &ListEdit3::LOLMnu_Click);
    LOLMnu->setCheckable(true);

    QAction* help = named(bar.addAction(QStringLiteral("&Help")), "HelpMnu");
    connect(help, &QAction::triggered, this, [this] { HelpMnu_Click(); });
}

void ListEdit3::buildToolbar(QToolBar& bar) {
    struct Button {
        int index;
        const char* tip;
    };
    for (const Button& button :
         {Button{1, "Open a List File"}, Button{2, "New List File"}, Button{3, "Save List File"},
          Button{4, nullptr}, Button{5, "Add Data File"}, Button{6, "Remove Data File"}, Button{7, nullptr},
          Button{8, "Move File Up"}, Button{9, "Move File Down"}}) {
        if (button.tip == nullptr) {
            bar.addSeparator();
            continue;
        }
        QAction* action = bar.addAction(QString::fromLatin1(button.tip));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(button.index));
        action->setToolTip(QString::fromLatin1(button.tip));
        const int index = button.index;
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
    }
}

template <class Command> void ListEdit3::act(Command&& command) {
    guardedHandler(p_.dialogs, [&] { command(); });
    refresh();
}

void ListEdit3::refresh() {
    refreshing_ = true;
    List1->clear();
    for (const std::string& entry : session_.entries) {
        List1->addItem(platform::toDisplay(entry));
    }
    List1->setCurrentRow(session_.selected);
    LOLMnu->setChecked(session_.listOfLists);
    setWindowTitle(platform::toDisplay(session_.caption()));
    refreshing_ = false;
}

void ListEdit3::Form_Load() {
    refresh();
    centreOnScreen(*this);
}

void ListEdit3::NewMnu_Click() {
    act([this] { session_.newList(); });
}
void ListEdit3::OpenMnu_Click() {
    act([this] { session_.open(); });
}
void ListEdit3::SaveMnu_Click() {
    act([this] { session_.SaveList(); });
}
void ListEdit3::SaveAsMnu_Click() {
    act([this] { session_.saveAs(); });
}
void ListEdit3::UpMnu_Click() {
    act([this] { session_.moveUp(); });
}
void ListEdit3::DownMnu_Click() {
    act([this] { session_.moveDown(); });
}
void ListEdit3::AddFileMnu_Click() {
    act([this] { session_.addFile(); });
}
void ListEdit3::DeleteMnu_Click() {
    act([this] { session_.deleteEntry(); });
}
void ListEdit3::LOLMnu_Click() {
    act([this] { session_.toggleListOfLists(); });
}
void ListEdit3::HelpMnu_Click() {
    act([this] { session_.help(); });
}
void ListEdit3::List1_OLEDragDrop(const std::vector<std::string>& files) {
    act([&] { session_.dropFiles(files); });
}

void ListEdit3::ExitMnu_Click() {
    bool leave = false;
    act([&] { leave = session_.exit(); });
    if (leave) {
        QDialog::reject();
    }
}

void ListEdit3::reject() {
    bool leave = true;
    if (session_.ListChanged) {
        act([&] {
            session_.SaveList();
            leave = !session_.SaveFailed;
        });
    }
    if (leave) {
        QDialog::reject();
    }
}

void ListEdit3::Toolbar1_ButtonClick(int index) {
    switch (index) {
    case 1:
        OpenMnu_Click();
        break;
    case 2:
        NewMnu_Click();
        break;
    case 3:
        SaveMnu_Click();
        break;
    case 5:
        AddFileMnu_Click();
        break;
    case 6:
        DeleteMnu_Click();
        break;
    case 8:
        UpMnu_Click();
        break;
    case 9:
        DownMnu_Click();
        break;
    default:
        break;
    }
}

} // namespace ws
