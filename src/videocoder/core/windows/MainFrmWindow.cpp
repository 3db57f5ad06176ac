#include "videocoder/core/windows/MainFrmWindow.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/TextBridge.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/windows/FrmSplash.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

namespace vc {
namespace {

inline constexpr double kTwipsPerPixel = 15;

int pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace

MainFrmWindow::MainFrmWindow(Globals& g, CoderLinks& links, MainFrmServices services, MainFrmLinks& windows,
                             QWidget* parent)
    : QMainWindow(parent), dialogs_(links.dialogs),
      controller_(g, links, std::move(services), *this, windows) {
    setObjectName("MainFrm");
    setWindowTitle("Vintro for Digital Video");
    auto* label = new QLabel("Vintro DV", this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    label->setFont(QFont("Arial", 24));
    setCentralWidget(label);
    buildMenus();
    resize(480, 160);
}

void MainFrmWindow::buildMenus() {
    auto addMenu = [](auto* parent, const char* name, const char* caption) {
        QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> handler) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, handler] { guarded(handler); });
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(name);
        return separator;
    };
    MainFrm& c = controller_;

    QMenu* file = addMenu(menuBar(), "FileMnu", "&File");
    QMenu* fresh = addMenu(file, "NewMnu", "&New");
    addItem(fresh, "EventFileMnu", "&Observation Data File", [&c] { c.EventFileMnu_Click(); });
    addItem(fresh, "TransFileMnu", "&Transcription Data File", [&c] { c.TransFileMnu_Click(); });
    addItem(fresh, "CodeFileMnu", "&Code File", [&c] { c.CodeFileMnu_Click(); });
    QMenu* open = addMenu(file, "OpenMnu", "&Open");
    addItem(open, "OpenDataMnu", "Open a &Data File...", [&c] { c.OpenDataMnu_Click(); });
    addItem(open, "OpenMovieMnu", "Open a &Media File...", [&c] { c.OpenMovieMnu_Click(); });
    addItem(open, "DVDOpen", "Open a DVD...", [&c] { c.DVDOpen_Click(); });
    addItem(open, "OpenCodeMnu", "Open a &Code file...", [&c] { c.OpenCodeMnu_Click(); });
    addItem(file, "DoruImportMnu", "Import a DORU File...", [&c] { c.DoruImportMnu_Click(); });
    addItem(file, "TransImportMenu", "Convert a Transcription file to Events...",
            [&c] { c.TransImportMenu_Click(); });
    sep5_ = addSeparator(file, "sep5");
    for (int i = 1; i <= kRecentFiles; ++i) {
        const std::string name = "recentMnu(" + std::to_string(i) + ")";
        QAction* entry = addItem(file, name.c_str(), "", [&c, i] { c.recentMnu_Click(i); });
        entry->setVisible(false);
        recent_[static_cast<std::size_t>(i)] = entry;
    }
    addSeparator(file, "sep4");
    addItem(file, "ExitMnu", "E&xit", [&c] { c.ExitMnu_Click(); });

    QMenu* edit = addMenu(menuBar(), "EditMnu", "&Edit");
    addItem(edit, "PrefsMnu", "&Options...", [&c] { c.PrefsMnu_Click(); });
    addItem(edit, "ResetMnu", "Reset all options settings to default...", [&c] { c.ResetMnu_Click(); });
    addItem(edit, "AssocMnu", "Reset Windows File Associations for *.qvd", [&c] { c.AssocMnu_Click(); });

    QMenu* help = addMenu(menuBar(), "HelpMnu", "&Help");
    addItem(help, "AboutMnu", "About Vintro DV...", [&c] { c.AboutMnu_Click(); });
    addSeparator(help, "sep6");
    addItem(help, "CnvrtTime", "Convert a Time to the Current Time Format", [&c] { c.CnvrtTime_Click(); });
}

void MainFrmWindow::startUp(const std::string& commandLine) {
    guarded([&] { controller_.Form_Load(commandLine); });
}

void MainFrmWindow::guarded(const std::function<void()>& handler) {
    platform::guardHandler(dialogs_, {kErrorTitle}, handler);
}

void MainFrmWindow::showSplash() {
    auto* splash = new FrmSplash(this);
    splash->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    }
    splash->show();
}

void MainFrmWindow::setLeft(double twips) {
    move(pixels(twips), y());
}

void MainFrmWindow::setTop(double twips) {
    move(x(), pixels(twips));
}

void MainFrmWindow::setHeight(double twips) {
    resize(width(), pixels(twips));
}

void MainFrmWindow::setWidth(double twips) {
    resize(pixels(twips), height());
}

WindowPosition MainFrmWindow::position() const {
    return {x() * kTwipsPerPixel, y() * kTwipsPerPixel, height() * kTwipsPerPixel, width() * kTwipsPerPixel};
}

bool MainFrmWindow::minimisedOrMaximised() const {
    return (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != 0;
}

void MainFrmWindow::setRecentEntry(int entry, bool visible, const std::string& caption) {
    QAction* action = recent_.at(static_cast<std::size_t>(entry));
    // A file name's own "&" shows as itself, not as an accelerator.
    action->setText(platform::toDisplay(caption).replace('&', "&&"));
    action->setVisible(visible);
}

void MainFrmWindow::setSep5Visible(bool visible) {
    sep5_->setVisible(visible);
}

void MainFrmWindow::endProgram() {
    ending_ = true;
    if (onEndProgram) {
        onEndProgram();
    } else {
        QCoreApplication::exit(0);
    }
}

void MainFrmWindow::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    bool closed = false;
    guarded([&] { closed = controller_.Form_Unload(); });
    if (!closed) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

} // namespace vc
