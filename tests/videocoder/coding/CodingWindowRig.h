#pragma once
// The coding window offscreen as the program wires it, over the scripted platform and the
// simulated players, with a small study in a scratch folder. Every numbered command the
// window sends and every box it shows go into one trace.

#include "CommandRig.h"
#include "PlayerRigs.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/coding/windows/DataFrmWindow.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/GroupDescriptions.h"
#include "videocoder/core/RefreshDataGrid.h"

#include <fstream>
#include <string>
#include <vector>

namespace vctest {

// A code set of groups 0 ("Looking") and 2 ("Voice").
inline std::string studyCodeSet() {
    std::string text = " 3 \r\n\"L\",\"Looks at toy\",0\r\n\"T\",\"Talks\",2\r\n\"Q\",\"Quiet\",2\r\n";
    const char* const groups[] = {"Looking", "", "Voice"};
    for (int group = 0; group < 49; ++group) {
        text += "\"" + std::string(group < 3 ? groups[group] : "") + "\"\r\n";
    }
    return text;
}

// An EVENTS file of two rows naming the media and code set given; the notes have two lines.
inline std::string studyData(const std::string& media, const std::string& codeFile) {
    return "EVENTS\r\nS01\r\n12-10-2026\r\n09:30\r\nLab 2\r\nA1\r\njm\r\n<notes>\r\nfirst line\r\nsecond "
           "line\r\n</notes>\r\n" +
           media + "\r\n" + codeFile + "\r\n00:00:00.00\r\n00:10:00.00\r\n12-10-2026\r\n\r\n2\r\n4\r\n" +
           "\"00:00:05.20\",\"L\",,T\r\n\"00:00:06.00\",,,Q\r\n";
}

struct CodingWindowRig {
    SimulatedPlayers sim;
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedDialogs& dialogs = sim.scripted.dialogs;
    vc::Globals& g = sim.g;
    // The window waits on a clock whose every reading lets a millisecond pass, so that a busy
    // wait ends.
    SteppingClock clock{sim.scripted.clock};
    platform::Platform platform{
        sim.scripted.dialogs, sim.scripted.settings, sim.scripted.launcher, sim.scripted.sound, clock,
        "/opt/suite",         sim.scripted.printer,  sim.scripted.clipboard};
    vc::PlayerWindows players{sim.g, sim.scripted.platform, sim.factory()};
    vc::DataFrmWindow window{sim.g, platform, players.links()};
    vc::DataFrm& dataFrm = window.controller();
    vc::CodingWindowModel model{dataFrm};
    vc::GroupDescriptions groups;
    vc::CoderLinks links{sim.scripted.dialogs, model, groups, {}};
    std::vector<std::string> commands;
    std::size_t boxesSeen = 0;

    CodingWindowRig() {
        links.RefreshDataGrid = [this] { vc::RefreshDataGrid(g, links); };
        vc::CommandLinks commandLinks;
        commandLinks.InstantReplay = [this] { dataFrm.InstantReplay(); };
        commandLinks.ExportData = [this] { dataFrm.later().run(vc::LaterItem::ExportData, dialogs); };
        commandLinks.showBackplay = [this] { commands.push_back("backwards play"); };
        commandLinks.OpenMovieMnu_Click = [this] { commands.push_back("media asked"); };
        commandLinks.TimeOuttaRange = [this](double seconds, std::optional<std::int32_t> frame) {
            return dataFrm.TimeOuttaRange(seconds, frame);
        };
        window.attach(links, std::move(commandLinks));
        dataFrm.commandSent = [this](int code) { commands.push_back("command " + std::to_string(code)); };
    }

    std::string codeFile() {
        const std::string path = scratch.file("kids.cod");
        textfile::saveFileAtomically(path, studyCodeSet());
        return path;
    }
    std::string clip() {
        const std::string path = scratch.file("clip.mp4");
        std::ofstream(path) << "not really a video";
        return path;
    }
    std::string dataFile(const std::string& name, const std::string& media, const std::string& codes) {
        const std::string path = scratch.file(name);
        textfile::saveFileAtomically(path, studyData(media, codes));
        return path;
    }
    // Opens a data file and shows the window, as the main window does.
    void open(const std::string& path) {
        g.data.gFileName = path;
        if (vc::OpenDataFile(g, links)) {
            g.open.gDataOpen = vc::kTrue;
            window.controller().show();
        }
        commands.clear();
        boxesSeen = dialogs.boxes.size();
    }
    void openStudy() { open(dataFile("kids.qvd", "", codeFile())); }
    // The media window, open on the simulated player.
    void openMedia() {
        g.data.gVideoFileName = clip();
        players.open(vc::PlayerKind::MediaWindow);
        boxesSeen = dialogs.boxes.size();
    }

    // The commands sent and boxes shown since the last look, in one list each.
    std::vector<std::string> newBoxes() {
        std::vector<std::string> shown;
        for (; boxesSeen < dialogs.boxes.size(); ++boxesSeen) {
            shown.push_back(dialogs.boxes[boxesSeen].text);
        }
        return shown;
    }
    std::vector<std::string> trace() {
        std::vector<std::string> all = commands;
        commands.clear();
        for (const std::string& box : newBoxes()) {
            all.push_back("box " + box);
        }
        return all;
    }
};

} // namespace vctest
