#include "workstation/core/windows/DORUSettings.h"

#include "platform/qt/NamedWidget.h"
#include "platform/qt/TextBridge.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ws {

using platform::named;

DORUSettings::DORUSettings(platform::Platform& p, QWidget* parent)
    : ImportSettingsWindow("DORUSettings", "DORU Import Settings",
                           "DORU files are parsed to get the bracket codes [] for each line.  If a time is "
                           "present on the line in {braces} it will be used as the time.  If not then "
                           "the time will be 0 with the order preserved",
                           "Use a code translation file...",
                           "Convert times (if present) to the nearest second", parent),
      p_(p) {
    Label2 = named(
        new QLabel(
            QStringLiteral("Browse for the code translation text file.  See the manual for the file format."),
            this),
        "Label2");
    Label2->setTextFormat(Qt::PlainText);
    Command1 = named(new QPushButton(QStringLiteral("Browse..."), this), "Command1");
    // The translation file sits under its box.
    const int below = layout_->indexOf(Check2) + 1;
    layout_->insertWidget(below, Label2);
    layout_->insertWidget(below + 1, Command1);
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Check2_Click();
}

void DORUSettings::fill(const DORUControls& c) {
    Check3->setChecked(c.Check3 != 0);
    Check2->setChecked(c.Check2 != 0);
    Check1->setChecked(c.Check1 != 0);
    Label2->setText(platform::toDisplay(c.Label2));
    Check2_Click();
    Form_Load();
}

DORUControls DORUSettings::read() const {
    return {Check3->isChecked() ? 1 : 0, Check2->isChecked() ? 1 : 0, Check1->isChecked() ? 1 : 0,
            platform::fromDisplay(Label2->text())};
}

void DORUSettings::Check2_Click() {
    Label2->setVisible(Check2->isChecked());
    Command1->setVisible(Check2->isChecked());
    growToFit();
}

void DORUSettings::Command1_Click() {
    platform::FileDialogRequest request;
    request.title = "Select the code translation file to use";
    request.filter = "All Files (*.*)|*.*";
    request.flags = platform::kFileMustExist | platform::kHideReadOnly;
    const std::string chosen = p_.dialogs.openFile(request);
    if (chosen.find_first_not_of(' ') != std::string::npos) {
        Label2->setText(platform::toDisplay(chosen));
    }
}

} // namespace ws
