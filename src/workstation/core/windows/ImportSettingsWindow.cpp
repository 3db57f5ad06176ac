#include "workstation/core/windows/ImportSettingsWindow.h"

#include "platform/qt/NamedWidget.h"
#include "workstation/core/windows/CentreOnScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ws {

using platform::named;

ImportSettingsWindow::ImportSettingsWindow(const char* name, const char* caption, const char* explanation,
                                           const char* check2, const char* check1, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(caption));
    setModal(true);
    Label1 = named(new QLabel(QString::fromLatin1(explanation), this), "Label1");
    Label1->setWordWrap(true);
    Check3 = named(new QCheckBox(QStringLiteral("Save Talvor format imported files..."), this), "Check3");
    Check2 = named(new QCheckBox(QString::fromLatin1(check2), this), "Check2");
    Check1 = named(new QCheckBox(QString::fromLatin1(check1), this), "Check1");
    Command2 = named(new QPushButton(QStringLiteral("&OK"), this), "Command2");
    layout_ = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Check3, Check2, Check1, Command2}) {
        layout_->addWidget(w);
    }
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void ImportSettingsWindow::growToFit() {
    layout_->activate();
    const int needed = layout_->hasHeightForWidth() ? layout_->totalHeightForWidth(width())
                                                    : layout_->totalMinimumSize().height();
    if (height() < needed) {
        resize(width(), needed);
    }
}

void ImportSettingsWindow::Form_Load() {
    centreOnScreen(*this);
}

void ImportSettingsWindow::Command2_Click() {
    done(QDialog::Accepted);
    hide();
}

} // namespace ws
