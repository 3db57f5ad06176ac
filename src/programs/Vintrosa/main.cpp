// The video coder: builds the platform, the shared state, the coding window and the main
// window, wires the windows the main window opens but does not own, then starts up with
// the file named on the command line.
#include "platform/Platform.h"
#include "platform/qt/MpvPlayer.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtLauncher.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/SystemClock.h"
#include "platform/qt/TextBridge.h"
#include "platform/qt/XdgFileTypes.h"
#include "videocoder/coding/GridEditingItems.h"
#include "videocoder/coding/windows/DataFrmWindow.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"
#include "videocoder/core/GroupDescriptions.h"
#include "videocoder/core/ImportData.h"
#include "videocoder/core/MainFrm.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/windows/CodeFrmWindows.h"
#include "videocoder/core/windows/FilterFrm.h"
#include "videocoder/core/windows/MainFrmWindow.h"
#include "videocoder/core/windows/OptionsWindow.h"
#include "videocoder/core/windows/SortFrm.h"

#include <QApplication>
#include <QStringList>

#include <clocale>
#include <memory>

namespace {

// The arguments as one command line, joined by one blank, as a double-click hands it over.
std::string commandLineOf(const QStringList& arguments) {
    std::string line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += platform::fromPath(arguments[i]);
    }
    return line;
}

// The coding window's own items of the later issues join through its later() table.
void wireWindows(vc::MainFrmLinks& links, vc::PlayerWindows& players, vc::CodeFrmWindows& codeFrm,
                 vc::OptionsWindow& options) {
    players.wireInto(links);
    codeFrm.wireInto(links);
    options.wireInto(links);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // The video library reads and writes numbers only under the "C" convention.
    std::setlocale(LC_NUMERIC, "C");

    platform::qt::QtPrinter printer;
    platform::qt::QtDialogs dialogs{&printer};
    platform::qt::QtSettingsStore settings;
    platform::qt::QtLauncher launcher;
    platform::qt::XdgFileTypes fileTypes(platform::qt::XdgFileTypes::userDataHome(),
                                         platform::qt::XdgFileTypes::userConfigHome(), launcher);

    platform::qt::SystemClock clock;
    platform::qt::QtSound noSound;
    platform::qt::QtClipboard clipboard;
    platform::Platform platform{dialogs, settings, launcher, noSound, clock, {}, printer, clipboard};

    vc::Globals g;
    vc::PlayerWindows players(g, platform, [] { return std::make_unique<platform::qt::MpvPlayer>(); });
    vc::DataFrmWindow dataFrmWindow(g, platform, players.links());
    vc::DataFrm& dataFrmController = dataFrmWindow.controller();
    vc::CodingWindowModel dataFrm(dataFrmController);
    vc::GroupDescriptions codeFrmGroups;
    vc::CoderLinks links{dialogs, dataFrm, codeFrmGroups, {}};
    links.RefreshDataGrid = [&] { vc::RefreshDataGrid(g, links); };

    // The command set reaches up to the main window (made below) and across to the players.
    vc::MainFrmWindow* mainFrmWindow = nullptr;
    vc::CommandLinks commandLinks;
    commandLinks.OpenMovieMnu_Click = [&] { mainFrmWindow->controller().OpenMovieMnu_Click(); };
    commandLinks.showBackplay = [&] { players.showBackplay(); };
    commandLinks.InstantReplay = [&] { dataFrmController.InstantReplay(); };
    commandLinks.ExportData = [&] { dataFrmController.later().run(vc::LaterItem::ExportData, dialogs); };
    commandLinks.TimeOuttaRange = [&](double seconds, std::optional<std::int32_t> frame) {
        return dataFrmController.TimeOuttaRange(seconds, frame);
    };
    dataFrmWindow.attach(links, std::move(commandLinks));

    // The grid-editing items, the export and the imports into the open data.
    vc::GridEditWindows gridEditWindows;
    gridEditWindows.showSortFrm = [&] {
        vc::SortFrm sortFrm(g.coding, &dataFrmWindow);
        dialogs.showModal(sortFrm);
    };
    gridEditWindows.showFilterFrm = [&] {
        vc::FilterFrm filterFrm(g.coding, &dataFrmWindow);
        dialogs.showModal(filterFrm);
    };
    vc::GridEditingItems gridEditing(dataFrmController, platform, std::move(gridEditWindows));
    gridEditing.wireInto(dataFrmController.later());

    vc::CodeFrmWindows codeFrm(g, links, platform);
    dataFrmController.later().set(vc::LaterItem::ShowCodesMnu, [&] { codeFrm.ShowCodesMnu_Click(); });
    vc::OptionsWindow options(g, links, platform);
    vc::MainFrmLinks windows;
    wireWindows(windows, players, codeFrm, options);
    windows.ImportDoru = [&] { return vc::ImportDoru(g, links); };
    windows.TranscriptToEvents = [&] { return vc::TranscriptToEvents(g, links); };
    vc::MainFrmWindow mainFrm(g, links, {settings, fileTypes, platform::fromPath(app.applicationFilePath())},
                              windows);
    mainFrmWindow = &mainFrm;
    mainFrm.show();
    mainFrm.startUp(commandLineOf(app.arguments()));
    return app.exec();
}
