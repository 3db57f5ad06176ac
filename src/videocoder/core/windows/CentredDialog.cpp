#include "videocoder/core/windows/CentredDialog.h"

#include "platform/qt/CentreOnScreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

CentredDialog::CentredDialog(const QString& name, const QString& caption, QWidget* parent) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    frames_ = new QVBoxLayout;
    layout->addLayout(frames_);
    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
}

void CentredDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(*this);
}

} // namespace vc
