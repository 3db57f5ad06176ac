#include "workstation/sequential/windows/Sequence.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/CentreOnScreen.h"
#include "platform/qt/TextBridge.h"
#include "workstation/analyses/RunAnalysis.h"

#include "platform/qt/NamedWidget.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>
#include <vector>

namespace ws {

using platform::named;
namespace {

using platform::Buttons;
using platform::Icon;
using textfile::kFalse;
using textfile::kTrue;

std::string textOf(const QListWidgetItem* item) {
    return item == nullptr ? std::string() : platform::fromDisplay(item->text());
}

std::vector<std::string> entriesOf(const QListWidget& list) {
    std::vector<std::string> entries;
    for (int row = 0; row < list.count(); ++row) {
        entries.push_back(textOf(list.item(row)));
    }
    return entries;
}

const char* const kExplanation =
    "Picking Backwards Search makes the analysis look \r\n"
    "for targets back in time from the given (event based only).\r\n\r\n"
    "Checking a code set as a group treats all codes in the group \r\n"
    "as if they where one code in the time stream.\r\n\r\n"
    "Within level comparisons limits the counting to code within the same code group.\r\n\r\n"
    "Selecting a time window analysis displays the time \r\n"
    "window selection box for time window based counting.\r\n\r\n";

} // namespace

Sequence::Sequence(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& anal,
                   std::function<void()> unloadAnal, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), anal_(anal), unloadAnal_(std::move(unloadAnal)),
      session_(g, p, random, anal, *this) {
    setObjectName(QStringLiteral("Sequence"));
    setWindowTitle(QStringLiteral("Sequential Analysis Settings"));
    setModal(true);
    buildControls();
    resetControls();
}

template <class Handler> void Sequence::guarded(Handler&& handler) {
    platform::guardHandler(p_.dialogs, {kProgramTitle + " Error"}, handler);
}

void Sequence::buildControls() {
    Label4 = named(new QLabel(QStringLiteral("Code Set:"), this), "Label4");
    List1 = named(new QListWidget(this), "List1");
    GivenLabel = named(new QLabel(QStringLiteral("Given(s):"), this), "GivenLabel");
    List2 = named(new QListWidget(this), "List2");
    TargLabel = named(new QLabel(QStringLiteral("Target(s):"), this), "TargLabel");
    List3 = named(new QListWidget(this), "List3");
    Add1 = named(new QPushButton(QStringLiteral("&1 Add"), this), "Add1");
    Del1 = named(new QPushButton(QStringLiteral("&2 Del"), this), "Del1");
    Add2 = named(new QPushButton(QStringLiteral("&3 Add"), this), "Add2");
    Del2 = named(new QPushButton(QStringLiteral("&4 Del"), this), "Del2");
    SwapBtn = named(new QPushButton(QStringLiteral("<- &Swap ->"), this), "SwapBtn");
    SearchBtn = named(new QPushButton(QStringLiteral("Search..."), this), "SearchBtn");

    Check1 = named(new QCheckBox(QStringLiteral("Toggle &Merge"), this), "Check1");
    Check2 = named(new QCheckBox(QStringLiteral("&Backward Search"), this), "Check2");
    Check3 = named(new QCheckBox(QStringLiteral("Givens &as Group"), this), "Check3");
    Check6 = named(new QCheckBox(QStringLiteral("Targets as Group"), this), "Check6");
    Check4 = named(new QCheckBox(QStringLiteral("Do 2 by 2 &Resampling"), this), "Check4");
    auto* resampleCounts = new QWidget(this); // its own group of options
    Option3 = named(new QRadioButton(QStringLiteral("1000"), resampleCounts), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("10000"), resampleCounts), "Option4");
    auto* resampleLayout = new QHBoxLayout(resampleCounts);
    resampleLayout->setContentsMargins(0, 0, 0, 0);
    resampleLayout->addWidget(Option3);
    resampleLayout->addWidget(Option4);
    Check5 = named(new QCheckBox(QStringLiteral("Within Level Comparison"), this), "Check5");
    Combo1 = named(new QComboBox(this), "Combo1");

    Frame1 = named(new QGroupBox(QStringLiteral("Lag Type.."), this), "Frame1");
    Option1 = named(new QRadioButton(QStringLiteral("&Event Lags"), Frame1), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Time &Window"), Frame1), "Option2");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Label3 = named(new QLabel(Frame1), "Label3");
    auto* lagLayout = new QGridLayout(Frame1);
    lagLayout->addWidget(Option1, 0, 0, 1, 2);
    lagLayout->addWidget(Option2, 1, 0, 1, 2);
    lagLayout->addWidget(Text1, 2, 0);
    lagLayout->addWidget(Label3, 2, 1);

    Frame2 = named(new QGroupBox(QStringLiteral("Time based settings..."), this), "Frame2");
    const std::array<const char*, 3> windowTypes{
        "Window is from onset of given", "Window is from offset of given", "Window is simply concurrent"};
    const std::array<const char*, 6> rules{"Count target onset",     "Count target duration",
                                           "Count target offset",    "Window includes onset",
                                           "Window includes offset", "Kill scrap files"};
    auto* windowLayout = new QGridLayout(Frame2);
    for (std::size_t k = 0; k < Option5.size(); ++k) {
        Option5[k] = named(new QRadioButton(QString::fromLatin1(windowTypes[k]), Frame2),
                           QStringLiteral("Option5_%1").arg(k));
        windowLayout->addWidget(Option5[k], static_cast<int>(k), 0);
    }
    for (std::size_t k = 0; k < Check7.size(); ++k) {
        Check7[k] =
            named(new QCheckBox(QString::fromLatin1(rules[k]), Frame2), QStringLiteral("Check7_%1").arg(k));
    }
    windowLayout->addWidget(Check7[3], 3, 0);
    windowLayout->addWidget(Check7[4], 4, 0);
    windowLayout->addWidget(Check7[0], 0, 1);
    windowLayout->addWidget(Check7[1], 1, 1);
    windowLayout->addWidget(Check7[2], 2, 1);
    windowLayout->addWidget(Check7[5], 3, 1);

    GoForIt = named(new QPushButton(QStringLiteral("&Go For It!"), this), "GoForIt");
    GoForIt->setDefault(true);
    Cancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "Cancel");
    Command1 = named(new QPushButton(QStringLiteral("Explain..."), this), "Command1");
    DragLabel = named(new QLabel(this), "DragLabel");

    auto* codes = new QVBoxLayout;
    codes->addWidget(Label4);
    codes->addWidget(List1);
    auto* lists = new QGridLayout;
    lists->addWidget(SearchBtn, 0, 2);
    lists->addWidget(GivenLabel, 1, 0);
    lists->addWidget(TargLabel, 1, 2);
    lists->addWidget(List2, 2, 0);
    lists->addWidget(List3, 2, 2);
    lists->addWidget(SwapBtn, 2, 1, Qt::AlignVCenter);
    auto* givenButtons = new QHBoxLayout;
    givenButtons->addWidget(Add1);
    givenButtons->addWidget(Del1);
    auto* targetButtons = new QHBoxLayout;
    targetButtons->addWidget(Add2);
    targetButtons->addWidget(Del2);
    lists->addLayout(givenButtons, 3, 0);
    lists->addLayout(targetButtons, 3, 2);
    auto* options = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Check1, Check2, Check3, Check6, Check4, resampleCounts,
                                                      Check5, Combo1, Frame1}) {
        options->addWidget(w);
    }
    options->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GoForIt);
    buttons->addWidget(Cancel);
    buttons->addWidget(Command1);

    auto* layout = new QGridLayout(this);
    layout->setMenuBar(buildFileMenu());
    layout->addLayout(codes, 0, 0);
    layout->addLayout(lists, 0, 1);
    layout->addLayout(options, 0, 2);
    layout->addWidget(Frame2, 1, 0, 1, 2);
    layout->addLayout(buttons, 1, 2);
    for (QWidget* comesAndGoes : std::initializer_list<QWidget*>{Combo1, Frame2}) {
        QSizePolicy policy = comesAndGoes->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the controls never move as others come and go
        comesAndGoes->setSizePolicy(policy);
    }

    // Dragging a code from the code list onto the givens or targets adds it there.
    List1->setDragEnabled(true);
    List1->setDragDropMode(QAbstractItemView::DragOnly);
    for (QListWidget* destination : {List2, List3}) {
        destination->viewport()->setAcceptDrops(true);
        destination->viewport()->installEventFilter(this);
    }

    connect(Add1, &QPushButton::clicked, this, [this] { guarded([this] { Add1_Click(); }); });
    connect(Del1, &QPushButton::clicked, this, [this] { guarded([this] { Del1_Click(); }); });
    connect(Add2, &QPushButton::clicked, this, [this] { guarded([this] { Add2_Click(); }); });
    connect(Del2, &QPushButton::clicked, this, [this] { guarded([this] { Del2_Click(); }); });
    connect(SwapBtn, &QPushButton::clicked, this, [this] { guarded([this] { SwapBtn_Click(); }); });
    connect(Check4, &QCheckBox::clicked, this, [this] { Check4_Click(); });
    connect(Check5, &QCheckBox::clicked, this, [this] { Check5_Click(); });
    // Choices are bound to the change itself, so activating the window fires nothing.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            Option1_Click();
        }
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            Option2_Click();
        }
    });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    // A press first gives the button the focus, as far as its flag is concerned.
    connect(GoForIt, &QPushButton::clicked, this, [this] {
        if (goForItFocus_ == kFalse) {
            GoForIt_GotFocus();
        }
        GoForIt_Click();
    });
    connect(SearchBtn, &QPushButton::clicked, this, [this] {
        if (searchFocus_ == kFalse) {
            SearchBtn_GotFocus();
        }
        SearchBtn_Click();
    });
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
}

QMenuBar* Sequence::buildFileMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* fileMenu = bar->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    const auto addItem = [this, fileMenu](const char* name, const char* caption, void (Sequence::*handler)(),
                                          const QKeySequence& shortcut) {
        QAction* action = fileMenu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    addItem("NewFile", "&New", &Sequence::NewFile_Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem("FileOpen", "&Open...", &Sequence::FileOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem("FileSave", "&Save", &Sequence::FileSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem("FileSaveAs", "Save &As...", &Sequence::FileSaveAs_Click, QKeySequence());
    fileMenu->addSeparator();
    addItem("FileExit", "E&xit", &Sequence::FileExit_Click, QKeySequence(Qt::CTRL | Qt::Key_X));
    return bar;
}

void Sequence::resetControls() {
    for (QListWidget* list : {List1, List2, List3}) {
        list->clear();
    }
    for (QCheckBox* box : {Check1, Check2, Check3, Check6, Check4, Check5}) {
        box->setChecked(false);
    }
    Check1->hide();
    Check4->hide();
    for (QRadioButton* option : {Option3, Option4}) {
        option->setAutoExclusive(false); // neither of the pair is chosen
        option->setChecked(false);
        option->setAutoExclusive(true);
        option->hide();
    }
    Combo1->clear();
    Combo1->hide();
    {
        const QSignalBlocker blocker(Option1);
        Option1->setChecked(true);
    }
    Text1->setText(QStringLiteral("1"));
    Label3->setText(QStringLiteral("Event(s)"));
    Frame2->hide();
    Option5[0]->setChecked(true);
    for (std::size_t k = 0; k < Check7.size(); ++k) {
        Check7[k]->setChecked(k == 0 || k == 3 || k == 5);
    }
    DragLabel->hide();
}

void Sequence::showForRun() {
    guarded([this] {
        if (!loaded_) {
            if (!Form_Load()) {
                return;
            }
        } else if (hiddenByGoForIt_) {
            // The focus comes back to "&Go For It!": within a list of lists, the run repeats.
            const bool repeats = goForItFocus_ != kFalse && g_.ListOfListsMode != kFalse;
            GoForIt_GotFocus();
            if (repeats) {
                return;
            }
        }
        p_.dialogs.showModal(*this);
    });
}

void Sequence::newAnalysis() {
    goForItFocus_ = kFalse;
    searchFocus_ = kFalse;
}

void Sequence::unload() {
    if (isVisible()) {
        done(QDialog::Rejected);
    }
    hide();
    resetControls();
    loaded_ = false;
    hiddenByGoForIt_ = false;
}

bool Sequence::Form_Load() {
    platform::centreOnScreen(*this);
    if (!session_.load()) {
        // A refused list ends the whole analysis: the dialog under this window goes too.
        if (unloadAnal_) {
            unloadAnal_();
        }
        unload();
        return false;
    }
    for (const auto& code : sequenceCodes(g_)) {
        List1->addItem(platform::toDisplay(code));
    }
    if (List1->count() > 0) {
        List1->setCurrentRow(0);
    }
    Option1->setChecked(true);
    Option5[0]->setChecked(true);
    Option1_Click();
    for (const auto& level : sequenceLevels(g_)) {
        Combo1->addItem(platform::toDisplay(level));
    }
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
    }
    loaded_ = true;
    return true;
}

void Sequence::addTo(QListWidget& destination) {
    QListWidgetItem* chosen = List1->currentItem();
    if (chosen != nullptr) {
        const std::string code = textOf(chosen);
        const auto present = entriesOf(destination);
        if (std::find(present.begin(), present.end(), code) != present.end()) {
            p_.dialogs.beep();
        } else {
            destination.addItem(chosen->text());
            destination.setCurrentRow(destination.count() - 1);
            if (List1->currentRow() < List1->count() - 1) {
                List1->setCurrentRow(List1->currentRow() + 1);
            }
        }
    }
    g_.UnsavedChanges = kTrue;
}

void Sequence::removeFrom(QListWidget& destination) {
    const int remembered = destination.currentItem() == nullptr ? -1 : destination.currentRow();
    if (remembered >= 0) {
        delete destination.takeItem(remembered);
    }
    if (remembered <= destination.count() - 1) {
        destination.setCurrentRow(remembered);
    } else if (destination.count() > 0) {
        destination.setCurrentRow(destination.count() - 1);
    }
    g_.UnsavedChanges = kTrue;
}

void Sequence::Add1_Click() {
    addTo(*List2);
}

void Sequence::Add2_Click() {
    addTo(*List3);
}

void Sequence::Del1_Click() {
    removeFrom(*List2);
}

void Sequence::Del2_Click() {
    removeFrom(*List3);
}

void Sequence::SwapBtn_Click() {
    QStringList givens;
    while (List2->count() > 0) {
        std::unique_ptr<QListWidgetItem> item(List2->takeItem(0));
        givens.push_back(item->text());
    }
    while (List3->count() > 0) {
        std::unique_ptr<QListWidgetItem> item(List3->takeItem(0));
        List2->addItem(item->text());
    }
    List3->addItems(givens);
}

void Sequence::Check4_Click() {
    const bool on = Check4->isChecked();
    Option3->setVisible(on);
    Option4->setVisible(on);
    if (on) {
        Option3->setChecked(true);
    }
}

void Sequence::Check5_Click() {
    Combo1->setVisible(Check5->isChecked());
}

void Sequence::Option1_Click() {
    Label3->setText(QStringLiteral("Event(s)"));
    Text1->setText(QStringLiteral("1"));
    Frame2->hide();
}

void Sequence::Option2_Click() {
    Label3->setText(QStringLiteral("Time Unit(s)"));
    Text1->setText(QStringLiteral("5"));
    Frame2->show();
}

void Sequence::Command1_Click() {
    p_.dialogs.messageBox(kExplanation, "Checkbox Explainations", Buttons::OK, Icon::Information);
}

void Sequence::GoForIt_GotFocus() {
    if (goForItFocus_ != kFalse && g_.ListOfListsMode != kFalse) {
        GoForIt_Click();
    } else {
        goForItFocus_ = kTrue;
    }
}

void Sequence::SearchBtn_GotFocus() {
    if (searchFocus_ != kFalse && g_.ListOfListsMode != kFalse) {
        SearchBtn_Click();
    } else {
        searchFocus_ = kTrue;
    }
}

void Sequence::GoForIt_Click() {
    guarded([this] {
        const SequenceControls chosen = controls();
        session_.copyIntoRun(chosen);
        hiddenByGoForIt_ = true;
        done(QDialog::Accepted);
        hide();
        anal_.redraw();
        session_.runPairings(chosen);
    });
}

SequenceControls Sequence::controls() const {
    SequenceControls c;
    c.givens = entriesOf(*List2);
    c.targets = entriesOf(*List3);
    c.merge = Check1->isChecked();
    c.backward = Check2->isChecked();
    c.givensAsGroup = Check3->isChecked();
    c.targetsAsGroup = Check6->isChecked();
    c.resample = Check4->isChecked();
    c.resample1000 = Option3->isChecked();
    c.withinLevel = Check5->isChecked();
    c.levelText = platform::fromDisplay(Combo1->currentText());
    c.eventLags = Option1->isChecked();
    c.timeWindow = Option2->isChecked();
    c.countText = platform::fromDisplay(Text1->text());
    for (std::size_t k = 0; k < Option5.size(); ++k) {
        if (Option5[k]->isChecked()) {
            c.windowType = static_cast<int>(k);
        }
    }
    for (std::size_t k = 0; k < Check7.size(); ++k) {
        c.rules[k] = Check7[k]->isChecked();
    }
    return c;
}

void Sequence::Cancel_Click() {
    g_.AbortRun = kTrue;
    hiddenByGoForIt_ = false;
    done(QDialog::Rejected);
    hide();
}

void Sequence::reject() {
    Cancel_Click();
}

void Sequence::closeEvent(QCloseEvent* event) {
    unload(); // the frame's close box: AbortRun stays as it was
    event->accept();
}

bool Sequence::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* destination = watched == List2->viewport()   ? List2
                               : watched == List3->viewport() ? List3
                                                              : nullptr;
    if (destination == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    const auto add = [this, destination] {
        guarded([this, destination] { destination == List2 ? Add1_Click() : Add2_Click(); });
    };
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        destination == List2 ? List2_DblClick() : List3_DblClick();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->source() == List1) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == List1) {
            drop->acceptProposedAction();
            add();
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void Sequence::SearchBtn_Click() {
    guarded([this] {
        for (const auto& code : session_.searchTargets(controls())) {
            List3->addItem(platform::toDisplay(code));
        }
    });
}

void Sequence::NewFile_Click() {
    session_.NewFile_Click();
}

void Sequence::clearLists() {
    while (List2->count() > 0) {
        delete List2->takeItem(0);
    }
    while (List3->count() > 0) {
        delete List3->takeItem(0);
    }
}

void Sequence::FileSave_Click() {
    guarded([this] { session_.FileSave_Click(); });
}

void Sequence::FileSaveAs_Click() {
    guarded([this] { session_.FileSaveAs_Click(); });
}

void Sequence::FileOpen_Click() {
    guarded([this] { session_.FileOpen_Click(); });
}

void Sequence::showSetup(const SeqSetup& setup) {
    for (const auto& code : setup.givens) {
        List2->addItem(platform::toDisplay(code));
    }
    for (const auto& code : setup.targets) {
        List3->addItem(platform::toDisplay(code));
    }
    Check1->setChecked(setup.merge != 0);
    Check2->setChecked(setup.backward != 0);
    Check3->setChecked(setup.givensAsGroup != 0);
    // Choosing an option runs its handler even when it was chosen already.
    const auto choose = [this](QRadioButton* option, void (Sequence::*handler)()) {
        if (option->isChecked()) {
            (this->*handler)();
        } else {
            option->setChecked(true);
        }
    };
    if (setup.eventLags) {
        choose(Option1, &Sequence::Option1_Click);
    }
    if (setup.timeWindow) {
        choose(Option2, &Sequence::Option2_Click);
    }
    Text1->setText(platform::toDisplay(setup.countText));
}

void Sequence::FileExit_Click() {
    guarded([this] {
        if (session_.FileExit_Click()) {
            unload(); // a failed save keeps the window, with the edits that could not be saved
        }
    });
}

} // namespace ws
