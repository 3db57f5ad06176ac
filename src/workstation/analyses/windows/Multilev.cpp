#include "workstation/analyses/windows/Multilev.h"

#include "platform/qt/TextBridge.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/RunAnalysis.h"

#include "platform/qt/NamedWidget.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ws {

using platform::named;
namespace {

const char* const kCheckCaptions[] = {
    "",
    "Merge &Toggles",
    "Show Values with 'None'",
    "&Keep Matrix",
    "Don't &Output Zeros",
    "Display &Visual Graphic",
    "Display &MultiGroup Report",
    "&Limit output to checked codes (slower)",
    "&Supress same second warnings",
};

std::int16_t* optionOf(MultilevOptions& options, int box) {
    switch (box) {
    case 2:
        return &options.Check2;
    case 3:
        return &options.Check3;
    case 4:
        return &options.Check4;
    case 5:
        return &options.Check5;
    case 6:
        return &options.Check6;
    case 7:
        return &options.Check7;
    case 8:
        return &options.Check8;
    default:
        return nullptr;
    }
}

} // namespace

Multilev::Multilev(Global& g, platform::Platform& p, QWidget* parent) : QDialog(parent), g_(g), p_(p) {
    setObjectName(QStringLiteral("Multilev"));
    setWindowTitle(QStringLiteral("Multi-Group Analysis"));
    setModal(true);
    buildControls();
}

void Multilev::buildControls() {
    Label1 = named(new QLabel(QStringLiteral("Your Codes (check the levels and/or codes you want):"), this),
                   QStringLiteral("Label1"));
    TreeView1 = named(new QTreeWidget(this), QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setMinimumSize(360, 320);
    Freq_Only = named(new QPushButton(QStringLiteral("&Mark group as frequency only (*)"), this),
                      QStringLiteral("Freq_Only"));
    Command1 = named(new QPushButton(QStringLiteral("Explain this ->"), this), QStringLiteral("Command1"));
    GoForIt = named(new QPushButton(QStringLiteral("&Go For It!"), this), QStringLiteral("GoForIt"));
    Cancel = named(new QPushButton(QStringLiteral("&Quit"), this), QStringLiteral("Cancel"));

    auto* boxes = new QVBoxLayout;
    for (int box = 1; box <= 8; ++box) {
        QCheckBox* check = named(new QCheckBox(QString::fromUtf8(kCheckCaptions[box]), this),
                                 QStringLiteral("Check%1").arg(box));
        Check[static_cast<std::size_t>(box)] = check;
        boxes->addWidget(check);
        connect(check, &QCheckBox::toggled, this, [this, box](bool on) {
            if (std::int16_t* option = optionOf(model_.options, box); option && !showing_) {
                *option = on ? 1 : 0;
            }
        });
    }
    boxes->addStretch();
    auto* markRow = new QHBoxLayout;
    markRow->addWidget(Freq_Only);
    markRow->addWidget(Command1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GoForIt);
    buttons->addWidget(Cancel);
    auto* body = new QHBoxLayout;
    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(Label1);
    treeColumn->addWidget(TreeView1);
    treeColumn->addLayout(markRow);
    body->addLayout(treeColumn);
    body->addLayout(boxes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    connect(TreeView1, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (showing_) {
            return;
        }
        const int index = item->data(0, Qt::UserRole).toInt();
        model_.nodes.at(static_cast<std::size_t>(index)).checked = item->checkState(0) == Qt::Checked;
        TreeView1_NodeCheck(index);
    });
    connect(Freq_Only, &QPushButton::clicked, this, [this] { Freq_Only_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(GoForIt, &QPushButton::clicked, this, [this] { GoForIt_Click(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
}

void Multilev::Form_Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    const bool built = BuildMultilevTree(g_, model_);
    fillTree();
    showOptions();
    if (!built) {
        p_.dialogs.messageBox(kTreeBuildFailed, kProgramTitle, platform::Buttons::OK, platform::Icon::None);
        g_.RunCancelled = textfile::kTrue;
    }
}

void Multilev::unload() {
    done(QDialog::Rejected);
    model_ = MultilevModel{};
    loaded_ = false;
    fillTree();
    showOptions();
}

const MultilevModel& Multilev::tree() {
    Form_Load();
    return model_;
}

void Multilev::prepareForRun() {
    Form_Load();
    setWindowTitle(QStringLiteral("Multi-Group Frequency and Duration"));
    Check[1]->hide();
    for (int box = 2; box <= 8; ++box) {
        Check[static_cast<std::size_t>(box)]->show();
    }
    Freq_Only->show();
}

void Multilev::fillTree() {
    showing_ = true;
    TreeView1->clear();
    items_.clear();
    for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
        const MultilevNode& node = model_.nodes[i];
        QTreeWidgetItem* item = node.parent < 0
                                    ? new QTreeWidgetItem(TreeView1)
                                    : new QTreeWidgetItem(items_.at(static_cast<std::size_t>(node.parent)));
        item->setText(0, platform::toDisplay(node.text));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        items_.push_back(item);
    }
    showing_ = false;
    showChecks();
}

void Multilev::showChecks() {
    showing_ = true;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i]->setCheckState(0, model_.nodes[i].checked ? Qt::Checked : Qt::Unchecked);
        items_[i]->setText(0, platform::toDisplay(model_.nodes[i].text));
    }
    showing_ = false;
}

void Multilev::showOptions() {
    showing_ = true;
    for (int box = 2; box <= 8; ++box) {
        Check[static_cast<std::size_t>(box)]->setChecked(*optionOf(model_.options, box) != 0);
    }
    showing_ = false;
}

int Multilev::selectedNode() const {
    const QTreeWidgetItem* item = TreeView1->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void Multilev::TreeView1_NodeCheck(int index) {
    NodeCheck(model_, index);
    showChecks();
}

void Multilev::Freq_Only_Click() {
    FreqOnlyClick(model_, selectedNode(), p_.dialogs);
    showChecks();
}

void Multilev::Command1_Click() {
    p_.dialogs.messageBox("If you mark a level as frequency only then\r\n"
                          "all codes in that level are turned off\r\n"
                          "in the next second so only the onset second\r\n"
                          "of the code is counted and the output is then\r\n"
                          "just the onset frequencies\r\n\r\n",
                          "Multilevel", platform::Buttons::OK, platform::Icon::Information);
}

void Multilev::GoForIt_Click() {
    done(QDialog::Accepted);
}

void Multilev::Cancel_Click() {
    g_.AbortRun = textfile::kTrue;
    unload();
}

void Multilev::reject() {
    unload();
}

} // namespace ws
