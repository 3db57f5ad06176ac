#include "workstation/analyses/windows/Anal.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/CentreOnScreen.h"
#include "platform/qt/TextBridge.h"
#include "textfile/Numeric.h"

#include "platform/qt/NamedWidget.h"
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>
#include <initializer_list>

namespace ws {

using platform::named;
namespace {

const char* const kLoadTimeLabel = "Analysis:";

} // namespace

Anal::Anal(Global& g, platform::Platform& p, AnalysisRoutes& routes, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), routes_(routes) {
    setObjectName(QStringLiteral("Anal"));
    setWindowTitle(QStringLiteral("Analysis File Selection"));
    setModal(true);
    buildControls();
    resetControls();
}

void Anal::buildControls() {
    Label1 = named(new QLabel(QString::fromLatin1(kLoadTimeLabel), this), "Label1");

    Frame1 = named(new QGroupBox(QStringLiteral("Input File Type..."), this), "Frame1");
    Option1 = named(new QRadioButton(QStringLiteral("&Single Data File"), Frame1), "Option1");
    Option4 = named(new QRadioButton(QStringLiteral("&List of Files"), Frame1), "Option4");
    Check1 = named(new QCheckBox(QStringLiteral("Skip to &Pooled"), Frame1), "Check1");
    auto* inputLayout = new QVBoxLayout(Frame1);
    inputLayout->addWidget(Option1);
    inputLayout->addWidget(Option4);
    inputLayout->addWidget(Check1);

    Frame2 = named(new QGroupBox(QStringLiteral("Output to..."), this), "Frame2");
    Option5 = named(new QRadioButton(QStringLiteral("Text Editor"), Frame2), "Option5");
    Option6 = named(new QRadioButton(QStringLiteral("&Spreadsheet Editor"), Frame2), "Option6");
    Option7 = named(new QRadioButton(QStringLiteral("&File..."), Frame2), "Option7");
    Text1 = named(new QLineEdit(Frame2), "Text1");
    auto* outputLayout = new QVBoxLayout(Frame2);
    outputLayout->addWidget(Option5);
    outputLayout->addWidget(Option6);
    outputLayout->addWidget(Option7);
    outputLayout->addWidget(Text1);

    OutPrefs = named(new QPushButton(QStringLiteral("Prefs..."), this), "OutPrefs");
    Doit_Btn = named(new QPushButton(QStringLiteral("&Pick File..."), this), "Doit_Btn");
    Cancel_Btn = named(new QPushButton(QStringLiteral("&Cancel"), this), "Cancel_Btn");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OutPrefs);
    buttons->addStretch();
    buttons->addWidget(Doit_Btn);
    buttons->addWidget(Cancel_Btn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(frames);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    keepFixedSize();

    // Choices are bound to the change itself, so merely activating the window fires nothing.
    // An access key that several controls share only moves the focus among them; reaching
    // an option that way chooses it, as any other way of choosing it does.
    for (QRadioButton* option : {Option1, Option4, Option5, Option6, Option7}) {
        option->installEventFilter(this);
    }
    const auto whenChosen = [this](QRadioButton* option, void (Anal::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) {
                (this->*handler)();
            }
        });
    };
    whenChosen(Option1, &Anal::Option1_GotFocus);
    whenChosen(Option4, &Anal::Option4_GotFocus);
    whenChosen(Option5, &Anal::Option5_GotFocus);
    whenChosen(Option6, &Anal::Option6_GotFocus);
    // Only the person's click asks for a file name, never a programmatic selection.
    connect(Option7, &QRadioButton::clicked, this, [this] { Option7_GotFocus(); });
    connect(Option7, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) {
            Option7_LostFocus();
        }
    });
    connect(OutPrefs, &QPushButton::clicked, this, [this] { OutPrefs_Click(); });
    connect(Doit_Btn, &QPushButton::clicked, this, [this] { Doit_Btn_Click(); });
    connect(Cancel_Btn, &QPushButton::clicked, this, [this] { Cancel_Btn_Click(); });
}

// Controls that come and go keep their room, and the progress texts wrap inside the
// label's two lines, so the dialog keeps one size and its controls never move.
void Anal::keepFixedSize() {
    for (QWidget* comesAndGoes : std::initializer_list<QWidget*>{Check1, Text1, ProgressBar1}) {
        QSizePolicy policy = comesAndGoes->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        comesAndGoes->setSizePolicy(policy);
    }
    Label1->setWordWrap(true);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Label1->setFixedHeight(2 * Label1->fontMetrics().lineSpacing());
    setFixedSize(sizeHint());
}

bool Anal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ShortcutFocusReason) {
        auto* option = qobject_cast<QRadioButton*>(watched);
        if (option != nullptr && !option->isChecked()) {
            option->click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Anal::resetControls() {
    Label1->setText(QString::fromLatin1(kLoadTimeLabel));
    Option1->setChecked(true);
    Check1->setChecked(false);
    Check1->hide();
    Option5->setChecked(true);
    hideNamedReport();
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
    Doit_Btn->setEnabled(true);
}

void Anal::hideNamedReport() {
    Text1->clear();
    Text1->setEnabled(false);
    Text1->hide();
}

AnalysisChoices Anal::choices() const {
    AnalysisChoices c;
    c.listFile = !Option1->isChecked();
    c.skipToPooled = Check1->isChecked();
    c.destination = Option5->isChecked()   ? ReportDestination::TextEditor
                    : Option6->isChecked() ? ReportDestination::Spreadsheet
                                           : ReportDestination::NamedFile;
    c.namedReport = platform::fromDisplay(Text1->text());
    return c;
}

void Anal::Form_Load() {
    platform::centreOnScreen(*this);
    if (g_.IOAFirstFileTaken == textfile::kFalse) {
        Option1->setChecked(true);
        Option5->setChecked(true);
    }
}

void Anal::Form_Unload() {
    setBusy(false);
}

void Anal::Option1_GotFocus() {
    Option1->setChecked(true);
    if (!Option4->isChecked()) {
        Check1->setChecked(false);
        Check1->hide();
    }
}

void Anal::Option4_GotFocus() {
    Option4->setChecked(true);
    Check1->show();
}

void Anal::Option5_GotFocus() {
    Option5->setChecked(true);
    hideNamedReport();
}

void Anal::Option6_GotFocus() {
    Option6->setChecked(true);
    hideNamedReport();
}

void Anal::Option7_GotFocus() {
    Option7->setChecked(true);
    Text1->setEnabled(true);
    Text1->show();
    platform::FileDialogRequest request;
    request.title = "Name the output file (if file exists it will be appended)...";
    request.filter = "Comma Seperated Values (*.csv)|*.csv|All Files(*.*)|*.*";
    request.flags = platform::kHideReadOnly;
    const std::string name = p_.dialogs.saveFile(request);
    Text1->setText(platform::toDisplay(name));
    if (name.empty()) {
        Text1->setEnabled(false);
        Text1->hide();
        Option5->setChecked(true);
    }
}

void Anal::Option7_LostFocus() {
    if (!Option7->isChecked()) {
        hideNamedReport();
    }
}

void Anal::OutPrefs_Click() {
    if (showOptions_) {
        showOptions_();
    }
}

void Anal::Doit_Btn_Click() {
    platform::guardHandler(p_.dialogs, {kProgramTitle + " Error"},
                           [this] { RunAnalysis(choices(), g_, p_, *this, routes_, removeReport_); });
    unload(QDialog::Accepted);
}

void Anal::Cancel_Btn_Click() {
    unload(QDialog::Rejected);
    g_.AbortRun = textfile::kTrue;
    p_.dialogs.yieldToUi();
}

// Escape and the close box end the dialog as its Cancel button does.
void Anal::reject() {
    Cancel_Btn_Click();
}

void Anal::unload(int result) {
    Form_Unload();
    resetControls();
    done(result);
}

void Anal::setLabel(const std::string& text) {
    Label1->setText(platform::toDisplay(text));
}

std::string Anal::label() const {
    return platform::fromDisplay(Label1->text());
}

void Anal::redraw() {
    if (isVisible()) {
        repaint();
    }
}

void Anal::showProgress(bool visible) {
    ProgressBar1->setVisible(visible);
}

void Anal::setProgress(int percent) {
    ProgressBar1->setValue(percent);
}

void Anal::enablePick(bool enabled) {
    Doit_Btn->setEnabled(enabled);
}

void Anal::setBusy(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace ws
