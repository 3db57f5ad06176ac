#include "workstation/core/windows/Talvor.h"

#include "platform/HandlerGuard.h"
#include "platform/NotAvailable.h"
#include "platform/qt/OnScreen.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/core/HelpScreens.h"
#include "workstation/core/MainWindowGeometry.h"
#include "workstation/core/ProgramTitle.h"
#include "workstation/core/Settings.h"
#include "workstation/core/ShowOutput.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <exception>
#include <limits>

namespace ws {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string versionText() {
    return std::to_string(SUITE_VERSION_MAJOR) + "." + std::to_string(SUITE_VERSION_MINOR) + "." +
           std::to_string(SUITE_VERSION_PATCH);
}

std::string welcomeText() {
    const char* const lines[] = {
        "TALVOR records and analyses behavioural observations.",
        "Collect data from the File menu.",
        "Check, recode and merge data files from Utilities.",
        "Run frequency, agreement, multi-group and",
        "sequential analyses from the Analysis menu.",
        "Preferences holds the settings.",
        "",
        "Good to see you - happy observing!",
        "",
    };
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += '\r';
    }
    return text + " hit the space bar or click OK... ";
}

std::string aboutText(const std::string& version) {
    return std::string("This program was designed to facilitate behavioral data ") +
           "collection and analysis. " + "\r" + "Written and developed by Pell Dask. " + "\r\r" +
           "Thank you for selecting this program for use in your research!" + "\r\r" +
           "    Current Version: " + version;
}

const std::string kRecodeWarning =
    std::string("Non TALVOR files will be recoded into TALVOR formated files...") + "\r\n\r\n" +
    "To work wih the recoded files you may have the file format set wrong" + "\r\n" +
    "in the analysis settings box.";

// The start and farewell sounds are a courtesy: nothing about them may stop the program.
void startSound(platform::Sound& sound, const std::string& path) {
    try {
        sound.setFileName(path);
        sound.open();
        sound.play();
    } catch (...) {
    }
}

void closeSound(platform::Sound& sound) {
    try {
        sound.close();
    } catch (...) {
    }
}

} // namespace

Talvor::Talvor(Global& g, platform::Platform& p, MainWindowLinks& links, QWidget* parent)
    : QMainWindow(parent), endProgram([] { QCoreApplication::quit(); }), g_(g), p_(p), links_(links) {
    setObjectName(QStringLiteral("Talvor"));
    setCentralWidget(new QWidget(this));
    const WindowPlacement defaults;
    resize(toPixels(defaults.width), toPixels(defaults.height));
    buildMenus();
}

Talvor::~Talvor() = default;

void Talvor::buildMenus() {
    auto name = [](QObject* object, const char* objectName) {
        object->setObjectName(QString::fromLatin1(objectName));
    };
    auto addMenu = [&](auto* parentMenu, const char* objectName, const char* caption) {
        QMenu* menu = parentMenu->addMenu(QString::fromLatin1(caption));
        name(menu, objectName);
        name(menu->menuAction(), objectName);
        return menu;
    };
    auto addItem = [&](QMenu* menu, const char* objectName, const char* caption, void (Talvor::*handler)(),
                       const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        name(action, objectName);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    auto addSeparator = [&](QMenu* menu, const char* objectName) { name(menu->addSeparator(), objectName); };

    QMenuBar* bar = menuBar();
    QMenu* fileMenu = addMenu(bar, "FileMenu", "&File");
    addItem(fileMenu, "CollectData", "Collect &Data...", &Talvor::CollectData_Click,
            QKeySequence(Qt::Key_F2));
    addItem(fileMenu, "CodeEditor", "&Code File Editor...", &Talvor::CodeEditor_Click,
            QKeySequence(Qt::Key_F3));
    addItem(fileMenu, "ListEditor", "&List Editor...", &Talvor::ListEditor_Click, QKeySequence(Qt::Key_F4));
    addItem(fileMenu, "DataEditor", "&Data File Editor...", &Talvor::DataEditor_Click,
            QKeySequence(Qt::Key_F5));
    addSeparator(fileMenu, "Sep1");
    addItem(fileMenu, "PrintSetup", "Printer &Setup...", &Talvor::PrintSetup_Click);
    QMenu* printMenu = addMenu(fileMenu, "PrintMenu", "&Print");
    addItem(printMenu, "PrintData", "&Data File...", &Talvor::PrintData_Click);
    QMenu* printList = addMenu(printMenu, "PrintList", "List of &Files...");
    addItem(printList, "PrintListNames", "Print the File &Names...", &Talvor::PrintListNames_Click);
    addItem(printList, "PrintListData", "Print the &Data...", &Talvor::PrintListData_Click);
    addSeparator(fileMenu, "Sep2");
    addItem(fileMenu, "ExitTalvor", "E&xit TALVOR", &Talvor::ExitTalvor_Click,
            QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* utilMenu = addMenu(bar, "UtilMnu", "&Utilities");
    addItem(utilMenu, "DataCheck", "&Data File Checker...", &Talvor::DataCheck_Click);
    addItem(utilMenu, "RecodeData", "&Recode Data Files...", &Talvor::RecodeData_Click);
    addItem(utilMenu, "Filemerger", "&Talvor File Merger...", &Talvor::Filemerger_Click);
    addItem(utilMenu, "SeqCompareMnu", "&Compare 2 sequential dependancies...", &Talvor::SeqCompareMnu_Click);

    QMenu* analysisMenu = addMenu(bar, "AnalisisMenu", "&Analysis");
    addItem(analysisMenu, "FreqDurMenu", "&Frequency and Duration...", &Talvor::FreqDurMenu_Click);
    addItem(analysisMenu, "IOAMenu", "&Inter-Observer Agreement...", &Talvor::IOAMenu_Click);
    addItem(analysisMenu, "MultiLevel", "&Multi-Group/Visual Analysis...", &Talvor::MultiLevel_Click);
    addItem(analysisMenu, "SeqMenu", "&Sequential Analyses...", &Talvor::SeqMenu_Click);

    QMenu* preferencesMenu = addMenu(bar, "PreferencesMenu", "&Preferences");
    addItem(preferencesMenu, "BrondelOps", "&TALVOR Options...", &Talvor::BrondelOps_Click,
            QKeySequence(Qt::Key_F6));
    addSeparator(preferencesMenu, "psep");
    addItem(preferencesMenu, "AboutTalvor", "&About TALVOR...", &Talvor::AboutTalvor_Click);
}

// No error leaves a handler: what it did not expect is reported and the program goes on.
template <class Handler> void Talvor::guarded(Handler&& handler) {
    platform::guardHandler(
        p_.dialogs,
        {kProgramTitle, Icon::Critical, "This action was stopped by an unexpected error.\r", true}, handler);
}

void Talvor::callLink(const std::function<void()>& link, const std::string& subject) {
    guarded([&] {
        if (link) {
            link();
        } else {
            platform::sayNotAvailable(p_.dialogs, subject, kProgramTitle);
        }
    });
}

// False, having said so, when no analysis dialog is wired in.
bool Talvor::analysisWired() {
    if (links_.showAnalysis) {
        return true;
    }
    platform::sayNotAvailable(p_.dialogs, "The analysis window", kProgramTitle);
    return false;
}

// Writes the title that tells the analysis dialog what to run, and waits for it to close.
// False when no analysis dialog is wired in.
bool Talvor::runAnalysis(const std::string& title) {
    if (!analysisWired()) {
        return false;
    }
    links_.showAnalysis(title);
    return true;
}

// Start-up never stops on a failing step: the window must come up whatever is missing.
void Talvor::Form_Load() {
    try {
        centreOnScreen();
    } catch (...) {
    }
    try {
        LoadSettings(g_, p_, this, links_.settingsCalls);
    } catch (...) {
    }
    try {
        g_.VersionText = versionText();
        setWindowTitle(QString::fromStdString("TALVOR for Windows " + g_.VersionText));
    } catch (...) {
    }
    if (g_.gStartBanner != 0) {
        try {
            showWelcome();
        } catch (...) {
        }
    }
}

void Talvor::showWelcome() {
    startSound(p_.sound, p_.programFolder + "/Dudirirove.wav");
    p_.dialogs.messageBox(welcomeText(), "Welcome to TALVOR!", Buttons::OK, Icon::None);
    closeSound(p_.sound);
}

void Talvor::centreOnScreen() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr) {
        return;
    }
    const int screenWidth = shown->geometry().width() * kTwipsPerPixel;
    const int screenHeight = shown->geometry().height() * kTwipsPerPixel;
    const int left = (screenWidth - frameGeometry().width() * kTwipsPerPixel) / 2;
    const int top = (screenHeight - frameGeometry().height() * kTwipsPerPixel) / 2;
    move(shown->geometry().left() + toPixels(left), shown->geometry().top() + toPixels(top));
}

void Talvor::Form_Unload() {
    guarded([&] { SaveSettings(g_, p_, this, links_.settingsCalls); });
    if (endProgram) {
        endProgram();
    }
}

void Talvor::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// The client rectangle, the same one applyPlacement sets: storing the frame's corner and
// applying it to the client area would move the window by the frame on every restart.
WindowPlacement Talvor::placement() const {
    WindowPlacement current;
    if (isMinimized()) {
        current.state = 1;
    } else if (isMaximized()) {
        current.state = 2;
    }
    const QRect client = geometry();
    current.left = toTwips(client.x());
    current.top = toTwips(client.y());
    current.width = toTwips(client.width());
    current.height = toTwips(client.height());
    return current;
}

void Talvor::applyPlacement(const WindowPlacement& placement) {
    if (placement.state < 0 || placement.state > 2) {
        return; // a state the window does not have: keep the window as it is
    }
    Qt::WindowStates states = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (placement.withGeometry) {
        // The normal rectangle first, so a maximised window comes back to it when restored.
        setWindowState(states);
        const PixelRect stored{toPixels(placement.left), toPixels(placement.top),
                               std::max(1, toPixels(placement.width)),
                               std::max(1, toPixels(placement.height))};
        const PixelRect shown =
            keepOnScreen(stored, platform::qt::availableScreens(), platform::qt::frameMarginsOf(*this));
        setGeometry(shown.left, shown.top, shown.width, shown.height);
    }
    if (placement.state == 1) {
        states |= Qt::WindowMinimized;
    } else if (placement.state == 2) {
        states |= Qt::WindowMaximized;
    }
    setWindowState(states);
}

void Talvor::CollectData_Click() {
    callLink(links_.showCollector, "The data collector");
}
void Talvor::CodeEditor_Click() {
    callLink(links_.showCodeEditor, "The code file editor");
}
void Talvor::ListEditor_Click() {
    callLink(links_.showListEditor, "The list editor");
}
void Talvor::DataEditor_Click() {
    callLink(links_.showDataEditor, "The data file editor");
}
void Talvor::PrintSetup_Click() {
    callLink(links_.printSetup, "The printer set-up");
}
void Talvor::PrintData_Click() {
    callLink(links_.printData, "Printing a data file");
}
void Talvor::PrintListNames_Click() {
    callLink(links_.printListNames, "Printing a list's file names");
}
void Talvor::PrintListData_Click() {
    callLink(links_.printListData, "Printing a list's data");
}
void Talvor::Filemerger_Click() {
    callLink(links_.showMerger, "The file merger");
}
void Talvor::SeqCompareMnu_Click() {
    callLink(links_.showSeqCompare, "The comparison of two sequential dependencies");
}
void Talvor::BrondelOps_Click() {
    callLink(links_.showOptions, "The options window");
}

void Talvor::ExitTalvor_Click() {
    guarded([&] {
        SaveSettings(g_, p_, this, links_.settingsCalls);
        Answer answer = Answer::OK;
        if (g_.gStartBanner != 0) {
            startSound(p_.sound, p_.programFolder + "/Marnet.wav");
            answer = p_.dialogs.messageBox("Thank you for choosing TALVOR!", "Bye for now....",
                                           Buttons::OKCancel, Icon::None);
            closeSound(p_.sound);
        }
        if (answer == Answer::OK && endProgram) {
            endProgram();
        }
    });
}

void Talvor::DataCheck_Click() {
    guarded([&] {
        if (runAnalysis(" Data File Checking")) {
            ws::ShowOutput(g_, p_);
        }
    });
}

void Talvor::RecodeData_Click() {
    guarded([&] {
        if (!analysisWired()) {
            return;
        }
        if (g_.gFileFormat != 0) {
            p_.dialogs.beep();
            if (p_.dialogs.messageBox(kRecodeWarning, "Warning!", Buttons::OKCancel, Icon::None) ==
                Answer::Cancel) {
                return;
            }
        }
        runAnalysis(" Data File Recoding");
    });
}

void Talvor::FreqDurMenu_Click() {
    guarded([&] {
        if (runAnalysis(" Frequency and Duration")) {
            ws::ShowOutput(g_, p_);
        }
    });
}

void Talvor::IOAMenu_Click() {
    guarded([&] {
        if (!analysisWired()) {
            return;
        }
        // The runner sets IOAFirstFileTaken when it holds the first file of a pair and
        // needs the dialog again for the second.
        std::string title = " Inter-Observer Agreement";
        for (;;) {
            g_.IOAFirstFileTaken = textfile::kFalse;
            runAnalysis(title);
            if (g_.IOAFirstFileTaken == 0) {
                break;
            }
            title = "Please pick the file to compare to " + textfile::FileNameOnly(g_.DataFileName);
        }
        ws::ShowOutput(g_, p_);
    });
}

void Talvor::MultiLevel_Click() {
    guarded([&] {
        if (runAnalysis(" Multi-Group Frequencies and Durations")) {
            ws::ShowOutput(g_, p_);
        }
    });
}

void Talvor::SeqMenu_Click() {
    guarded([&] {
        if (runAnalysis(" Sequential Analysis") && g_.RunCancelled == 0) {
            ws::ShowOutput(g_, p_);
        }
    });
}

void Talvor::AboutTalvor_Click() {
    guarded([&] {
        p_.dialogs.messageBox(aboutText(g_.VersionText), "About TALVOR", Buttons::OK, Icon::Information);
    });
}

void Talvor::ShowOutput() {
    guarded([&] { ws::ShowOutput(g_, p_); });
}

void Talvor::HelpKeys() {
    guarded([&] { ws::HelpKeys(p_.dialogs); });
}

void Talvor::HelpMouse() {
    guarded([&] { ws::HelpMouse(p_.dialogs); });
}

void Talvor::HelpInterface() {
    guarded([&] { ws::HelpInterface(p_.dialogs); });
}

} // namespace ws
