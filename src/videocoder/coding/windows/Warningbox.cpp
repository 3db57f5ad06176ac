#include "videocoder/coding/windows/Warningbox.h"

#include "platform/qt/CentreOnScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

Warningbox::Warningbox(CodingState& coding, QWidget* parent) : QDialog(parent), coding_(coding) {
    setObjectName("Warningbox");
    setWindowTitle("Warning");
    Label1 = new QLabel("Label1", this);
    Check1 = new QCheckBox("Supress further warnings", this);
    Command1 = new QPushButton("&Ok", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Check1);
    layout->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Warningbox::Form_Load() {
    platform::centreOnScreen(*this);
}

void Warningbox::Command1_Click() {
    if (Check1->checkState() != Qt::Unchecked) {
        coding_.gSuppressWarnings = kTrue;
    }
    accept();
}

} // namespace vc
