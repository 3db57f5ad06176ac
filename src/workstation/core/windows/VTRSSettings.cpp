#include "workstation/core/windows/VTRSSettings.h"

#include "platform/qt/NamedWidget.h"
#include "workstation/core/windows/CentreOnScreen.h"

#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ws {

using platform::named;

namespace {

const QString kIgnored = QStringLiteral(" Ignored");

} // namespace

VTRSSettings::VTRSSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("VTRSSettings"));
    setWindowTitle(QStringLiteral("Vintrosa Settings..."));
    setModal(true);

    auto* startFrame = new QGroupBox(this);
    auto* startLayout = new QVBoxLayout(startFrame);
    StartOpt[0] =
        named(new QRadioButton(QStringLiteral("Start time is the first time in the file"), startFrame),
              "StartOpt_0");
    StartOpt[1] =
        named(new QRadioButton(QStringLiteral("Start time is in the file header"), startFrame), "StartOpt_1");
    auto* endFrame = new QGroupBox(this);
    auto* endLayout = new QVBoxLayout(endFrame);
    EndOpt[0] = named(new QRadioButton(QStringLiteral("End time is the last time in the file"), endFrame),
                      "EndOpt_0");
    EndOpt[1] =
        named(new QRadioButton(QStringLiteral("End time is in the file header"), endFrame), "EndOpt_1");
    for (int i = 0; i < 2; ++i) {
        startLayout->addWidget(StartOpt[i]);
        endLayout->addWidget(EndOpt[i]);
    }
    Check1[0] = named(new QCheckBox(QStringLiteral("Convert times to the nearest second"), this), "Check1_0");
    Check1[1] =
        named(new QCheckBox(QStringLiteral("Write the talvor format scratch files"), this), "Check1_1");
    CombineChk =
        named(new QCheckBox(QStringLiteral("Combine Groups into a Single Code or Ignore Columns"), this),
              "CombineChk");
    Label6 = named(
        new QLabel(QStringLiteral("Check Groups to Combine (code file must match combined codes)"), this),
        "Label6");
    tView1 = named(new QTreeWidget(this), "tView1");
    tView1->setHeaderHidden(true);
    tView1->setRootIsDecorated(false);
    IggyBtn = named(new QPushButton(QStringLiteral("Toggle Ignore For The Selected Group"), this), "IggyBtn");
    Command1 = named(new QPushButton(QStringLiteral("OK"), this), "Command1");

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{startFrame, endFrame, Check1[0], Check1[1], CombineChk,
                                                      Label6, tView1, IggyBtn, Command1}) {
        layout->addWidget(w);
    }

    connect(CombineChk, &QCheckBox::toggled, this, [this] { CombineChk_Click(); });
    connect(IggyBtn, &QPushButton::clicked, this, [this] { IggyBtn_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    CombineChk_Click();
}

void VTRSSettings::fill(const VTRSControls& c) {
    StartOpt[c.StartOpt == 1 ? 1 : 0]->setChecked(true);
    EndOpt[c.EndOpt == 1 ? 1 : 0]->setChecked(true);
    Check1[0]->setChecked(c.convertToSeconds != 0);
    Check1[1]->setChecked(c.keepScratch != 0);
    CombineChk->setChecked(c.CombineChk != 0);
    CombineChk_Click();
    for (int group = 0; group < kColumnGroupNodes; ++group) {
        const GroupNode& node = c.groups[static_cast<std::size_t>(group)];
        states_[static_cast<std::size_t>(group)] = node.ignored ? 2 : (node.checked ? 1 : 0);
    }
    Form_Load();
}

void VTRSSettings::markIgnored(QTreeWidgetItem& node, bool ignored) {
    node.setBackground(0, QBrush(ignored ? QColor(255, 0, 0) : QColor(255, 255, 255)));
}

void VTRSSettings::Form_Load() {
    centreOnScreen(*this);
    tView1->clear();
    for (int group = 0; group < kColumnGroupNodes; ++group) {
        auto* node = new QTreeWidgetItem(tView1);
        const std::int16_t state = states_[static_cast<std::size_t>(group)];
        node->setData(0, Qt::UserRole, QStringLiteral("G%1").arg(group));
        node->setText(0, QStringLiteral("Group %1").arg(group) + (state == 2 ? kIgnored : QString()));
        node->setCheckState(0, state == 1 ? Qt::Checked : Qt::Unchecked);
        markIgnored(*node, state == 2);
    }
}

VTRSControls VTRSSettings::read() const {
    VTRSControls c;
    c.StartOpt = StartOpt[1]->isChecked() ? 1 : 0;
    c.EndOpt = EndOpt[1]->isChecked() ? 1 : 0;
    c.convertToSeconds = Check1[0]->isChecked() ? 1 : 0;
    c.keepScratch = Check1[1]->isChecked() ? 1 : 0;
    c.CombineChk = CombineChk->isChecked() ? 1 : 0;
    for (int group = 0; group < kColumnGroupNodes && group < tView1->topLevelItemCount(); ++group) {
        const QTreeWidgetItem* node = tView1->topLevelItem(group);
        c.groups[static_cast<std::size_t>(group)] = {node->checkState(0) == Qt::Checked,
                                                     node->background(0).color() == QColor(255, 0, 0)};
    }
    return c;
}

void VTRSSettings::CombineChk_Click() {
    const bool on = CombineChk->isChecked();
    tView1->setVisible(on);
    Label6->setVisible(on);
    IggyBtn->setVisible(on);
}

void VTRSSettings::IggyBtn_Click() {
    QTreeWidgetItem* node = tView1->currentItem();
    if (node == nullptr) {
        return;
    }
    const QString text = node->text(0);
    const bool ignored = !text.endsWith(kIgnored);
    node->setText(0, ignored ? text + kIgnored : text.left(text.size() - kIgnored.size()));
    markIgnored(*node, ignored);
}

void VTRSSettings::Command1_Click() {
    done(QDialog::Accepted);
    hide();
}

} // namespace ws
