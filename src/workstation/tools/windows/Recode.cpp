#include "workstation/tools/windows/Recode.h"

#include "platform/qt/TextBridge.h"
#include "workstation/core/ListFile.h"
#include "workstation/tools/FileRecode.h"
#include "workstation/tools/windows/ToolWindowSupport.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

std::vector<std::string> itemsOf(const QListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i) {
        items.push_back(platform::fromDisplay(list.item(i)->text()));
    }
    return items;
}

} // namespace

Recode::Recode(Global& g, platform::Platform& p, std::function<void(const std::string&)> showProgress,
               QWidget* parent)
    : QDialog(parent), g_(g), p_(p), showProgress_(std::move(showProgress)) {
    setObjectName(QStringLiteral("Recode"));
    setWindowTitle(QStringLiteral("File Recoder"));
    setModal(true);
    buildControls();
}

void Recode::buildControls() {
    auto* Label1 = named(new QLabel(QStringLiteral("Code Set:"), this), "Label1");
    auto* Label2 = named(new QLabel(QStringLiteral("This code or sequence:"), this), "Label2");
    auto* Label3 = named(new QLabel(QStringLiteral("Will become this code or sequence:"), this), "Label3");
    List1 = named(new QListWidget(this), "List1");
    List2 = named(new QListWidget(this), "List2");
    List3 = named(new QListWidget(this), "List3");
    // A code dragged from the code set onto either list adds it there.
    List1->setDragEnabled(true);
    List1->setDragDropMode(QAbstractItemView::DragOnly);
    acceptRowDrops(*List2->viewport(), *List1, [this] { Command1_Click(); });
    acceptRowDrops(*List3->viewport(), *List1, [this] { Command3_Click(); });

    const auto button = [this](const char* name, const char* caption, void (Recode::*handler)()) {
        auto* b = named(new QPushButton(QString::fromLatin1(caption), this), name);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    QPushButton* Command1 = button("Command1", "&1 Add", &Recode::Command1_Click);
    QPushButton* Command2 = button("Command2", "&2 Del", &Recode::Command2_Click);
    QPushButton* Command3 = button("Command3", "&3 Add", &Recode::Command3_Click);
    QPushButton* Command4 = button("Command4", "&4 Del", &Recode::Command4_Click);
    Command5 = button("Command5", "&Go for it!", &Recode::Command5_Click);
    QPushButton* Command6 = button("Command6", "&Cancel", &Recode::Command6_Click);
    QPushButton* Command7 = button("Command7", "Explain", &Recode::Command7_Click);
    Option1 = named(new QRadioButton(QStringLiteral("&Individuals"), this), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("G&roups"), this), "Option2");

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(List1, 1, 0, 4, 1);
    grid->addWidget(Label2, 0, 1, 1, 2);
    grid->addWidget(List2, 1, 1);
    auto* fromButtons = new QVBoxLayout;
    fromButtons->addWidget(Command1);
    fromButtons->addWidget(Command2);
    grid->addLayout(fromButtons, 1, 2);
    grid->addWidget(Label3, 2, 1, 1, 2);
    grid->addWidget(List3, 3, 1);
    auto* toButtons = new QVBoxLayout;
    toButtons->addWidget(Command3);
    toButtons->addWidget(Command4);
    grid->addLayout(toButtons, 3, 2);
    auto* modes = new QHBoxLayout;
    modes->addWidget(Option1);
    modes->addWidget(Option2);
    grid->addLayout(modes, 4, 1, 1, 2);
    auto* actions = new QHBoxLayout;
    actions->addWidget(Command7);
    actions->addStretch();
    actions->addWidget(Command5);
    actions->addWidget(Command6);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(actions);
}

bool Recode::Form_Load() {
    List1->clear();
    List2->clear();
    List3->clear();
    Option2->setChecked(true);
    centreOnScreen(*this);
    loaded_ = true;
    if (g_.InputMode == kListFileInput && listTypeOrNothing(g_.DataFileName) != kEventFilesList) {
        p_.dialogs.messageBox("Not a valid list: " + g_.DataFileName, "Error!", Buttons::OK, Icon::None);
        unload();
        return false;
    }
    for (int row = 1; row <= g_.NumCodes; ++row) {
        List1->addItem(platform::toDisplay(g_.CodeTable.code(row)));
    }
    List1->setCurrentRow(List1->count() > 0 ? 0 : -1);
    return true;
}

void Recode::unload() {
    loaded_ = false;
    List1->clear();
    List2->clear();
    List3->clear();
    hide();
}

RecodeChoice Recode::choice() const {
    RecodeChoice c;
    c.mode = Option1->isChecked() ? RecodeMode::Individuals : RecodeMode::Groups;
    c.from = itemsOf(*List2);
    c.to = itemsOf(*List3);
    return c;
}

void Recode::addSelectedCode(QListWidget& target) {
    const QListWidgetItem* code = List1->currentItem();
    if (code == nullptr) {
        return;
    }
    // Each list holds at most one entry per code of the set.
    if (target.count() >= g_.NumCodes) {
        p_.dialogs.beep();
        return;
    }
    target.addItem(code->text());
}

void Recode::deleteSelected(QListWidget& list) {
    const int row = list.currentRow();
    if (row < 0) {
        return;
    }
    delete list.takeItem(row);
    list.setCurrentRow(std::min(row, list.count() - 1));
}

void Recode::Command1_Click() {
    addSelectedCode(*List2);
}
void Recode::Command2_Click() {
    deleteSelected(*List2);
}
void Recode::Command3_Click() {
    addSelectedCode(*List3);
}
void Recode::Command4_Click() {
    deleteSelected(*List3);
}

void Recode::Command5_Click() {
    Command5->setEnabled(false);
    recodedThisShowing_ = true;
    FileRecode();
    Command5->setEnabled(true);
}

void Recode::Command6_Click() {
    hide();
    if (isModal()) {
        reject();
    }
}

void Recode::Command7_Click() {
    const std::string end = "\r\n";
    p_.dialogs.messageBox("If you select 'Individual' here, all the codes in" + end +
                              "the 'From' list will be recoded to the corresponding" + end +
                              "(can be the same) code in the 'To' list. This is done pairwise," + end +
                              "so there must be an equal number of codes in the from and to boxes." + end +
                              end + "If 'Groups' are selected, the codes sequence in the 'from' box will" +
                              end + "be changed to the code sequence in the 'to' box. Numbers can be" + end +
                              "unequal but the existing times from the 'From' codes are used." + end +
                              "If the 'To' sequence is longer, the last 'From' time will be repeated.",
                          "File recoding...", Buttons::OK, Icon::Information);
}

void Recode::FileRecode() {
    guardedHandler(p_.dialogs, [this] { ws::FileRecode(g_, p_, choice(), showProgress_); });
}

} // namespace ws
