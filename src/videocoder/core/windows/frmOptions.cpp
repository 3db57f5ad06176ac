#include "videocoder/core/windows/frmOptions.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/CentreOnScreen.h"
#include "platform/qt/TextBridge.h"
#include "videocoder/core/FileDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace vc {
namespace {

QString text(const std::string& bytes) {
    return platform::toDisplay(bytes);
}

} // namespace

frmOptions::frmOptions(OptionsForm& form, platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(text(kOptionsCaption));
    build();
    // Every key reaches the window first, so that the tab keys are its own alone.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void frmOptions::build() {
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tbsOptions"));
    // The tab strip changes pages only by a click or Ctrl+Tab, never by its arrow keys.
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(tabs_);

    QVBoxLayout* box = nullptr;
    QGroupBox* frame = nullptr;
    auto page = [&](const char* name, const char* caption, const char* tooltip) {
        auto* panel = new QWidget;
        panel->setObjectName(QString::fromLatin1(name));
        new QVBoxLayout(panel);
        const int index = tabs_->addTab(panel, QString::fromLatin1(caption));
        if (tooltip != nullptr) {
            tabs_->setTabToolTip(index, QString::fromLatin1(tooltip));
        }
    };
    auto group = [&](const char* name, const char* caption) {
        QWidget* panel = tabs_->widget(tabs_->count() - 1);
        frame = new QGroupBox(QString::fromLatin1(caption), panel);
        frame->setObjectName(QString::fromLatin1(name));
        box = new QVBoxLayout(frame);
        static_cast<QVBoxLayout*>(panel->layout())->addWidget(frame);
    };
    auto remember = [&](const std::string& name, QWidget* widget) {
        widget->setObjectName(QString::fromStdString(name));
        widgets_[name] = widget;
        return widget;
    };
    auto check = [&](const char* name, const char* caption) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), frame);
        remember(name, c);
        box->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this, name] { clicked(name); });
    };
    auto options = [&](const char* name, std::initializer_list<const char*> captions) {
        auto* array = new QButtonGroup(this);
        array->setObjectName(QString::fromLatin1(name));
        arrays_[name] = array;
        int index = 0;
        for (const char* caption : captions) {
            auto* button = new QRadioButton(QString::fromLatin1(caption), frame);
            remember(std::string(name) + "(" + std::to_string(index) + ")", button);
            array->addButton(button, index++);
            box->addWidget(button);
        }
        connect(array, &QButtonGroup::idClicked, this, [this, name](int) { clicked(name); });
    };
    auto field = [&](const char* label, const char* labelCaption, const char* name) {
        auto* row = new QHBoxLayout;
        if (label != nullptr) {
            auto* l = new QLabel(QString::fromLatin1(labelCaption), frame);
            remember(label, l);
            row->addWidget(l);
        }
        auto* edit = new QLineEdit(frame);
        remember(name, edit);
        row->addWidget(edit);
        box->addLayout(row);
    };

    page("picOptions(0)", "Media Control Options", "Set Options for Video Control");
    group("fraSample1", "Time Display");
    options("Option1", {"Display in seconds", "Display in HH:MM:SS.ss", "Display in frames (if possible)",
                        "Display in HH:MM:SS:FF"});
    field("Label8", "Frame Rate (fps):", "Text1");
    check("Check10", "Convert current files to the selected format");
    group("Frame1", "Player Selection...");
    options("Option4",
            {"Use Windows Media Player (best for .wmv files)",
             "Use VTRS Multimedia Control (best for .mpg files)", "Use VTRS DVD Control (For DVDs)"});
    field("Label6", " Drive Letter:", "Text7");
    group("Frame3", "Replay controls");
    options("Option3", {"Play pre-roll/post roll around the event", "Play to the next event time or end",
                        "Play from the previous event time or beginning"});
    check("Check4", "Replay within group");
    field("Label2(0)", "Event Pre-Roll:", "Text2(0)");
    field("Label2(1)", "Event Post-Roll:", "Text2(1)");

    page("picOptions(1)", "Data Options", "Set Options for Data Display");
    group("Frame2", "Fixed Interval Coding");
    check("Check2", "Interval time data fill enabled");
    check("Check9", "Auto adjust all times to  file info start time");
    field("Label3", "Interval to use (in time units you are using - frames or seconds)", "Text3(0)");
    group("fraSample2", "Coding Grid Settings");
    options("Option2", {"Edit in Cell", "Pick List of Codes", "Pick List of Code Descriptions"});
    check("Check1", "Enable Quick Keys");
    {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(QStringLiteral("Group:"), frame);
        remember("Label4", label);
        auto* list = new QComboBox(frame);
        remember("Combo1", list);
        row->addWidget(label);
        row->addWidget(list);
        box->addLayout(row);
    }
    check("Check3", "Quickkeys pause media");
    check("Check6", "Quickkeys Insert After");
    check("Check8", "Enable Key Down/Up Coding");
    check("Check5", "Mark Key Moves Down");
    check("Check7", "Display Comment Field");
    check("Check11", "Warn if marking out of range");
    check("AutoSaveChk", "Auto Save");
    field("Label5", "How often? (secs)", "Text6");

    page("picOptions(2)", "Export Options", nullptr);
    group("Frame4", "Comma Seperated Export");
    check("HeaderChk", "Include Header Data at Last Line");
    check("CnvtCheck", "Convert times to 100ths of seconds or frames");
    check("HelperAppChk", "Automatically open csv file with another application (browse to set)...");
    {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(frame);
        remember("HelprAppLbl", label);
        auto* browse = new QPushButton(QStringLiteral("Browse..."), frame);
        remember("Browsebtn", browse);
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this] {
            guarded([this] {
                takeControls();
                form_.Browsebtn_Click();
                showControls();
            });
        });
        row->addWidget(label, 1);
        row->addWidget(browse);
        box->addLayout(row);
    }
    group("Frame5", "DORU Transcript Export");
    field("Label7", "First line in DORU file...", "Text5");
    options("DoruOpt", {"DORU actor code is first character in transcription",
                        "DORU actor code is first character in codes", "DORU actor code is given here"});
    field(nullptr, nullptr, "Text4");
    check("Check12", "Exclude Utterance Times ");

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmOptions::reject);
    layout->addWidget(buttons);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab != form_.selectedTab()) {
            form_.tbsOptions_Click(tab);
        }
    });
}

void frmOptions::guarded(const std::function<void()>& handler) {
    platform::guardHandler(dialogs_, {kErrorTitle}, handler);
}

void frmOptions::Form_Load() {
    guarded([this] { form_.Form_Load(); });
    showControls();
    adjustSize(); // the pages' shown controls decide the size
    platform::centreOnScreen(*this);
}

void frmOptions::showControls() {
    for (auto& [name, control] : form_.controls()) {
        auto found = widgets_.find(name);
        if (auto array = arrays_.find(name); array != arrays_.end()) {
            if (QAbstractButton* button = array->second->button(control.value)) {
                button->setChecked(true);
            } else if (QAbstractButton* checkedButton = array->second->checkedButton()) {
                array->second->setExclusive(false);
                checkedButton->setChecked(false);
                array->second->setExclusive(true);
            }
            continue;
        }
        if (found == widgets_.end()) {
            continue;
        }
        QWidget* widget = found->second;
        widget->setVisible(control.visible);
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked(control.value != 0);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(text(control.text));
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            list->clear();
            for (const std::string& entry : control.list) {
                list->addItem(text(entry));
            }
            list->setCurrentIndex(control.value);
        } else if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && name == "HelprAppLbl") {
            label->setText(text(control.text));
        }
    }
    tabs_->setCurrentIndex(form_.selectedTab());
}

void frmOptions::takeControls() {
    for (auto& [name, control] : form_.controls()) {
        if (auto array = arrays_.find(name); array != arrays_.end()) {
            control.value = array->second->checkedId();
            continue;
        }
        auto found = widgets_.find(name);
        if (found == widgets_.end()) {
            continue;
        }
        QWidget* widget = found->second;
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            control.value = box->isChecked() ? 1 : 0;
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            control.text = platform::fromDisplay(edit->text());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            control.value = list->currentIndex();
        }
    }
}

void frmOptions::clicked(const std::string& control) {
    guarded([&] {
        takeControls();
        form_.click(control);
        showControls();
    });
}

void frmOptions::accept() {
    bool done = false;
    guarded([&] {
        takeControls();
        done = form_.cmdOK_Click();
    });
    if (done) {
        QDialog::accept();
    }
}

void frmOptions::reject() {
    form_.cmdCancel_Click();
    QDialog::reject();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    const int k = key->key();
    const bool tabKey =
        ctrl && (k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_PageUp || k == Qt::Key_PageDown);
    if (!tabKey) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const int shift = (key->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0) + 2 +
                          (key->modifiers().testFlag(Qt::AltModifier) ? 4 : 0);
        guarded([&] {
            if (form_.Form_KeyDown(k == Qt::Key_Tab ? 9 : 0, shift)) {
                tabs_->setCurrentIndex(form_.selectedTab());
            }
        });
    }
    event->accept();
    return true; // no widget, the tab strip included, sees a tab key
}

} // namespace vc
