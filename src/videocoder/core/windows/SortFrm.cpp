#include "videocoder/core/windows/SortFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vc {
namespace {

constexpr int kSortableGroups = 10; // the list offers groups 0 to 9

QComboBox* keyList(QWidget* parent, int index) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("Combo1_%1").arg(index));
    combo->addItem(QStringLiteral("Time"));
    for (int group = 0; group < kSortableGroups; ++group) {
        combo->addItem(QStringLiteral("Group %1").arg(group));
    }
    combo->setCurrentIndex(-1);
    return combo;
}

QRadioButton* option(QWidget* parent, int index, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QStringLiteral("Option1_%1").arg(index));
    return button;
}

} // namespace

SortFrm::SortFrm(CodingState& coding, QWidget* parent)
    : CentredDialog(QStringLiteral("SortFrm"), QStringLiteral("Sort Data"), parent), coding_(coding) {
    const QString titles[] = {QStringLiteral("Sort By"), QStringLiteral("Then By")};
    for (int key = 0; key < 2; ++key) {
        auto* frame = new QGroupBox(titles[key], this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(key + 1));
        auto* inFrame = new QGridLayout(frame);
        Combo1[static_cast<std::size_t>(key)] = keyList(frame, key);
        Option1[static_cast<std::size_t>(2 * key)] = option(frame, 2 * key, QStringLiteral("Ascending"));
        Option1[static_cast<std::size_t>(2 * key + 1)] =
            option(frame, 2 * key + 1, QStringLiteral("Descending"));
        Option1[static_cast<std::size_t>(2 * key)]->setChecked(true);
        inFrame->addWidget(Combo1[static_cast<std::size_t>(key)], 0, 0, 1, 2);
        inFrame->addWidget(Option1[static_cast<std::size_t>(2 * key)], 1, 0);
        inFrame->addWidget(Option1[static_cast<std::size_t>(2 * key + 1)], 1, 1);
        frames()->addWidget(frame);
    }
    connect(Command1, &QPushButton::clicked, this, &SortFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SortFrm::Command2_Click);
}

void SortFrm::Command1_Click() {
    // Nothing chosen is list index -1: key 0. "Time" is key 1, group n is n + 2.
    double key1 = Combo1[0]->currentIndex() + 1;
    double key2 = Combo1[1]->currentIndex() + 1;
    if (Option1[1]->isChecked()) {
        key1 = -key1;
    }
    if (Option1[3]->isChecked()) {
        key2 = -key2;
    }
    coding_.gSortKey1 = key1;
    coding_.gSortKey2 = key2;
    accept();
}

void SortFrm::Command2_Click() {
    reject();
}

} // namespace vc
