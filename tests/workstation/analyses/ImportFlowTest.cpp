// The imports as a person meets them: the example study's event files written as ODF text
// and as video-coder data files, run from the menu through the analysis dialog to the report.
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/OptionsWindows.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/core/windows/frmOptions.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Answer;

const fs::path kExamples = fs::path(SUITE_FIXTURES_DIR) / ".." / ".." / "data" / "examples";

std::function<void(QDialog&)> choose(std::vector<const char*> options) {
    return [options](QDialog& anal) {
        for (const char* option : options) {
            anal.findChild<QRadioButton*>(option)->click();
        }
        anal.findChild<QPushButton*>("Doit_Btn")->click();
    };
}

struct EventRecords {
    std::string header;
    std::vector<std::pair<std::string, std::string>> records; // code, time; the end record last
};

EventRecords readEventFile(const fs::path& file) {
    std::istringstream lines(textfile::readWholeFile(file.string()));
    EventRecords read;
    std::string line;
    std::getline(lines, line); // "Events"
    std::getline(lines, read.header);
    read.header.erase(read.header.find_last_not_of('\r') + 1);
    while (std::getline(lines, line)) {
        line.erase(line.find_last_not_of('\r') + 1);
        if (!line.empty()) {
            const auto comma = line.find(',');
            read.records.emplace_back(line.substr(0, comma), line.substr(comma + 1));
        }
    }
    return read;
}

std::string asOdf(const EventRecords& events) {
    std::vector<std::string> lines = {events.header, "{start}"};
    for (const auto& [code, time] : events.records) {
        lines.push_back(time + " " + (code == "-500" ? "{end}" : code));
    }
    return analtest::crlfLines(lines);
}

// One row per event: its time as a frame count, its code, and a cell no code set holds.
std::string asQvd(const EventRecords& events) {
    std::vector<std::string> lines = {"EVENTS",   events.header,
                                      "",         "",
                                      "",         "",
                                      "",         "<notes>",
                                      "</notes>", "",
                                      "",         "",
                                      "",         "",
                                      "",         " " + std::to_string(events.records.size() - 1) + " ",
                                      " 3 "};
    for (const auto& [code, time] : events.records) {
        if (code != "-500") {
            lines.push_back("\"" + time + "\",\"" + code + "\",no such code");
        }
    }
    return analtest::crlfLines(lines);
}

class ImportFlow : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(study(""));
        for (const auto& entry : fs::directory_iterator(kExamples)) {
            const fs::path ext = entry.path().extension();
            if (ext == ".cod" || ext == ".eve") {
                fs::copy_file(entry.path(), study(entry.path().filename().string()));
            }
        }
        analyses.wireInto(links);
        options.wireInto(links, &window);
        window.endProgram = [] {};
        sp.dialogs.files = {study("playground.cod")};
        window.Form_Load();
        ASSERT_EQ(g.NumCodes, 6);
        sp.dialogs.boxes.clear();
    }

    std::string study(const std::string& name) const {
        return (scratch.path() / "data" / "examples" / name).string();
    }

    void run(const char* menuItem, std::vector<std::string> picks,
             std::vector<std::function<void(QDialog&)>> dialogs) {
        sp.launcher.started.clear();
        sp.dialogs.boxes.clear();
        sp.dialogs.files.assign(picks.begin(), picks.end());
        sp.dialogs.modalHandlers.assign(dialogs.begin(), dialogs.end());
        window.findChild<QAction*>(menuItem)->trigger();
    }

    analtest::ScratchFolder scratch;
    analtest::CurrentFolder current{scratch.path()};
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses{g, sp.platform};
    ws::Talvor window{g, sp.platform, links};
    ws::OptionsWindows options{g, sp.platform};
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST_F(ImportFlow, FrequencyAndDurationOfAnOdfListMatchesItsEventFiles) {
    const std::vector<std::string> names = {"kim-obs1", "kim-obs2", "lee-obs1", "lee-obs2"};
    std::vector<std::string> eveEntries;
    std::vector<std::string> odfEntries;
    for (const std::string& name : names) {
        analtest::writeBytes(study(name + ".odf"), asOdf(readEventFile(study(name + ".eve"))));
        eveEntries.push_back("data/examples/" + name + ".eve");
        odfEntries.push_back("data/examples/" + name + ".odf");
    }
    analtest::writeListFile(study("evelist.lst"), "Event Files", eveEntries);
    analtest::writeListFile(study("odflist.lst"), "Event Files", odfEntries);

    run("FreqDurMenu", {study("evelist.lst")}, {choose({"Option4"})});
    g.gFileFormat = 2;
    g.gODFZeroJustify = 0; // the event files' times as they stand
    run("FreqDurMenu", {study("odflist.lst")}, {choose({"Option4"})});

    const std::string fromOdf = textfile::readWholeFile(study("odflist.lst.txt"));
    EXPECT_EQ(fromOdf.find("Error:"), std::string::npos) << fromOdf;
    EXPECT_EQ(replaced(replaced(fromOdf, "odflist", "evelist"), ".odf", ".eve"),
              textfile::readWholeFile(study("evelist.lst.txt")));
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"xdg-open", study("odflist.lst.txt")}));
}

TEST_F(ImportFlow, AgreementOfTwoDataFilesWarnsOfEachFilesUnmatchedCells) {
    for (const std::string name : {"lee-obs1", "lee-obs2"}) {
        analtest::writeBytes(study(name + ".qvd"), asQvd(readEventFile(study(name + ".eve"))));
    }
    g.gFileFormat = 1;
    sp.dialogs.answers = {Answer::No};
    run("IOAMenu", {study("lee-obs1.qvd"), study("lee-obs2.qvd")}, {choose({}), choose({})});

    const std::string report = textfile::readWholeFile(study("lee-obs2.qvd.txt"));
    EXPECT_EQ(report.find("Error:"), std::string::npos) << report;
    for (const std::string name : {"lee-obs1.qvd", "lee-obs2.qvd"}) {
        EXPECT_NE(
            report.find("\r\nWarning for file:" + name +
                        "\r\nString not found in code file: no such code\r\nString will not be used.\r\n"),
            std::string::npos)
            << name << "\n"
            << report;
    }
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"xdg-open", study("lee-obs2.qvd.txt")}));
}

TEST_F(ImportFlow, InputFormatIsChosenFromTheMenuAndFromPrefsAndKept) {
    sp.dialogs.modalHandlers = {[](QDialog& shown) {
        auto& options = static_cast<ws::frmOptions&>(shown);
        options.Option1[2]->click();
        options.cmdOK->click();
    }};
    window.findChild<QAction*>("BrondelOps")->trigger();
    EXPECT_EQ(g.gFileFormat, 2);
    EXPECT_EQ(sp.settings.values.at({"OSTRAVEL", "Analysis Settings", "gFileFormat"}), "2");

    bool odfShown = false;
    sp.dialogs.modalHandlers = {[&odfShown](QDialog& shown) {
        auto& options = static_cast<ws::frmOptions&>(shown);
        odfShown = options.Option1[2]->isChecked() && options.VTRSBtn->text() == "ODF Settings";
        options.Option1[0]->click();
        options.cmdCancel->click();
    }};
    analyses.anal().findChild<QPushButton*>("OutPrefs")->click();
    EXPECT_TRUE(odfShown);
    EXPECT_EQ(g.gFileFormat, 2);
    EXPECT_EQ(sp.dialogs.modalShown.back(), "frmOptions");
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

} // namespace
