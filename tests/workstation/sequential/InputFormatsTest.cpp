// Every analysis that reads data files, over every input format the workstation takes, with
// and without continuous measures merged in: a session written in any format gives the report
// its event-file form gives, the lines that name the file (or carry its header) aside. The
// sessions are event files; each other format is made from them by a small converter.
#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/CheckDataFiles.h"
#include "workstation/analyses/FreqDurReport.h"
#include "workstation/analyses/InterObserverAgreement.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace analtest;
using Records = std::vector<std::pair<std::string, int>>; // code, time; the end record last

const std::vector<CodeRow> kCodes = {
    {"A", "Alone", 1}, {"B", "Beside", 1}, {"P", "Play", 2}, {"Q", "Quiet", 2}, {"M", "Moving", 3}};

// Two observers of one session. The transcript form ends a session at its last event, so
// each ends with an event at its end record's time.
const Records kObserver1 = {{"A", 0},  {"P", 3},  {"B", 5},  {"Q", 8},  {"A", 12},   {"P", 14},
                            {"B", 17}, {"Q", 21}, {"A", 24}, {"P", 30}, {"-500", 30}};
const Records kObserver2 = {{"A", 0},  {"P", 4},  {"B", 5},  {"Q", 9},  {"A", 11},   {"B", 18},
                            {"P", 19}, {"Q", 22}, {"A", 25}, {"P", 30}, {"-500", 30}};

std::string headerOf(const std::string& name) {
    return name + " in the playroom";
}

std::string asEventFile(const std::string& name, const Records& records) {
    std::vector<std::string> lines = {"Events", headerOf(name)};
    for (const auto& [code, time] : records) {
        lines.push_back(code + "," + std::to_string(time));
    }
    return crlfLines(lines);
}

// The coder's data file: six header lines, notes, the start and end times, then a time and
// a code on each row.
std::string asQvd(const std::string& name, const Records& records) {
    std::vector<std::string> lines = {"EVENTS",
                                      headerOf(name),
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "<notes>",
                                      "</notes>",
                                      "",
                                      "",
                                      "0",
                                      std::to_string(records.back().second),
                                      "",
                                      "",
                                      " " + std::to_string(records.size() - 1) + " ",
                                      " 2 "};
    for (auto record = records.begin(); record + 1 != records.end(); ++record) {
        lines.push_back("\"" + std::to_string(record->second) + "\"," + record->first);
    }
    return crlfLines(lines);
}

std::string asOdf(const std::string& name, const Records& records) {
    std::vector<std::string> lines = {headerOf(name), "{start}"};
    for (const auto& [code, time] : records) {
        lines.push_back(std::to_string(time) + " " + (code == "-500" ? "{end}" : code));
    }
    return crlfLines(lines);
}

// A transcript whose utterances carry each code in brackets, read through kTranslation.
std::string asDoru(const std::string&, const Records& records) {
    std::vector<std::string> lines = {"+Transcript"};
    for (auto record = records.begin(); record + 1 != records.end(); ++record) {
        lines.push_back("-" + std::to_string(record->second));
        lines.push_back("C says [" + record->first + "]");
    }
    return crlfLines(lines);
}

std::string translation() {
    std::vector<std::string> lines;
    for (const CodeRow& row : kCodes) {
        lines.push_back(row.code + " [" + row.code + "]");
    }
    return crlfLines(lines);
}

struct Format {
    const char* name;
    const char* extension;
    std::int16_t fileFormat;
    std::string (*convert)(const std::string& name, const Records& records);
};

const std::vector<Format> kFormats = {
    {"event file", ".eve", 0, asEventFile},
    {".qvd", ".qvd", 1, asQvd},
    {"ODF", ".odf", 2, asOdf},
    {"DORU", ".slt", 3, asDoru},
};

// One analysis over the sessions, named by their paths; what it appended to the report.
struct Analysis {
    const char* name;
    std::function<void(ws::Global& g, testsupport::ScriptedPlatform& sp,
                       const std::vector<std::string>& files)>
        run;
    bool reportsACleanSession = true; // the checker writes nothing for a file without errors
};

void runFreqDur(ws::Global& g, testsupport::ScriptedPlatform& sp, const std::vector<std::string>& files) {
    g.DataFileName = files[0];
    RecordingStatus status(" Frequency and Duration");
    ws::FreqDurReport(g, sp.platform, status);
}

void runAgreement(ws::Global& g, testsupport::ScriptedPlatform& sp, const std::vector<std::string>& files,
                  std::int16_t kappaMatrixWanted) {
    g.DataFileName = files[0] + "\r" + files[1];
    RecordingStatus status(" Inter-observer Agreement Report");
    ws::InterObserverAgreement(g, sp.platform, status, kappaMatrixWanted);
}

void runChecking(ws::Global& g, testsupport::ScriptedPlatform& sp, const std::vector<std::string>& files) {
    g.DataFileName = files[0];
    RecordingStatus status(" Data File Checking");
    ws::CheckDataFiles(g, sp.platform, status);
}

void runMultiGroup(ws::Global& g, testsupport::ScriptedPlatform& sp, const std::vector<std::string>& files) {
    g.GroupNames[1] = "Where";
    g.GroupNames[2] = "Activity";
    ws::MultilevModel tree;
    ASSERT_TRUE(ws::BuildMultilevTree(g, tree));
    for (ws::MultilevNode& node : tree.nodes) {
        node.checked = true;
    }
    g.DataFileName = files[0];
    RecordingStatus status(" Multi-Group/Visual Analysis");
    ws::MultiGroupFreqDur(g, sp.platform, status, tree, [](const ws::GraphFile&) {});
}

void runSequential(ws::Global& g, testsupport::ScriptedPlatform& sp, const std::vector<std::string>& files,
                   bool byTimeWindows) {
    ws::SequentialRun run = seqtest::runWith({"A", "B"}, {"P", "M"});
    if (byTimeWindows) {
        run.gEventLags = textfile::kFalse;
        run.gWindowRules = {1, 1, 0, 0, 1, 0, 0};
    }
    g.DataFileName = files[0];
    testsupport::ScriptedRandom random;
    RecordingStatus status(" Sequential Analysis");
    ws::SeqAnalysisRun(g, sp.platform, random, status, run, g.DataFileName, g.InputMode);
}

const std::vector<Analysis> kAnalyses = {
    {"frequency and duration", runFreqDur},
    {"agreement", [](auto& g, auto& sp, const auto& files) { runAgreement(g, sp, files, 0); }},
    {"agreement with the matrix",
     [](auto& g, auto& sp, const auto& files) { runAgreement(g, sp, files, 1); }},
    {"data-file checking", runChecking, false},
    {"multi-group", runMultiGroup},
    {"sequential by lags", [](auto& g, auto& sp, const auto& files) { runSequential(g, sp, files, false); }},
    {"sequential by time windows",
     [](auto& g, auto& sp, const auto& files) { runSequential(g, sp, files, true); }},
};

// The report's lines without those that name a session.
std::string linesNamingNoSession(const std::string& report) {
    std::istringstream lines(report);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("obs") == std::string::npos) {
            kept += line + "\n";
        }
    }
    return kept;
}

struct Outcome {
    std::string report;
    std::vector<std::string> boxes;
};

// Runs the analysis over both sessions written in the format, in a folder of their own.
Outcome runOver(const Analysis& analysis, const Format& format, bool mergeContinuous) {
    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    useCodeTable(g, kCodes, scratch.file("code.cod"));
    g.gFileFormat = format.fileFormat;
    g.OutputFileName = scratch.file("report.txt");
    g.OutputKind = 1;
    g.gVTRSEndTime = 1;
    g.gODFZeroJustify = 0;
    g.gDORUUseTranslation = 1;
    g.gDORUTransFile = scratch.file("codes.trn");
    writeBytes(g.gDORUTransFile, translation());
    g.gReadCont = mergeContinuous ? 1 : 0;
    g.ContGrid.cells[1] = {"2", "0", "10", "M"};
    std::vector<std::string> files;
    for (const auto& [name, records] : {std::pair{"obs1", kObserver1}, std::pair{"obs2", kObserver2}}) {
        files.push_back(scratch.file(std::string(name) + format.extension));
        writeBytes(files.back(), format.convert(name, records));
        writeBytes(scratch.file(std::string(name) + ".csv"), crlfLines({"2,4", "9,20", "16,3", "27,7"}));
    }
    analysis.run(g, sp, files);
    Outcome outcome{std::filesystem::exists(g.OutputFileName)
                        ? linesNamingNoSession(readBytes(g.OutputFileName))
                        : "(no report)",
                    {}};
    for (const auto& box : sp.dialogs.boxes) {
        outcome.boxes.push_back(box.title + ": " + box.text);
    }
    return outcome;
}

TEST(InputFormats, EveryAnalysisReportsASessionInAnyFormatAsItsEventFileForm) {
    for (const Analysis& analysis : kAnalyses) {
        for (const bool merge : {false, true}) {
            const Outcome expected = runOver(analysis, kFormats[0], merge);
            ASSERT_EQ(expected.report != "(no report)", analysis.reportsACleanSession) << analysis.name;
            for (const Format& format : kFormats) {
                SCOPED_TRACE(std::string(analysis.name) + " over " + format.name +
                             (merge ? ", continuous measures merged" : ""));
                const Outcome outcome = runOver(analysis, format, merge);
                EXPECT_EQ(outcome.report, expected.report);
                EXPECT_EQ(outcome.boxes, expected.boxes);
            }
        }
    }
}

} // namespace
