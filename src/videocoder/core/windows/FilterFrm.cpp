#include "videocoder/core/windows/FilterFrm.h"

#include "platform/qt/TextBridge.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vc {

FilterFrm::FilterFrm(CodingState& coding, QWidget* parent)
    : CentredDialog(QStringLiteral("FilterFrm"), QStringLiteral("Filter Data"), parent), coding_(coding) {
    auto* frame = new QGroupBox(QStringLiteral("Rows with string"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* inFrame = new QVBoxLayout(frame);
    Text1 = new QLineEdit(frame);
    Text1->setObjectName(QStringLiteral("Text1"));
    Option1[0] = new QRadioButton(QStringLiteral("Are shown"), frame);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[1] = new QRadioButton(QStringLiteral("Are not shown"), frame);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1[0]->setChecked(true);
    // The person types the string at once, as the dialog opens.
    Text1->setFocus();
    inFrame->addWidget(Text1);
    inFrame->addWidget(Option1[0]);
    inFrame->addWidget(Option1[1]);
    frames()->addWidget(frame);
    connect(Command1, &QPushButton::clicked, this, &FilterFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FilterFrm::Command2_Click);
}

void FilterFrm::Command1_Click() {
    coding_.gFilterText = platform::fromDisplay(Text1->text());
    coding_.gFilterMode = textfile::toFlag(Option1[1]->isChecked());
    accept();
}

void FilterFrm::Command2_Click() {
    coding_.gFilterText.clear();
    reject();
}

} // namespace vc
