// Reading lists of 200 generated sessions of 5,000 events each as video-coder data files (.qvd),
// ODF text and DORU transcripts (translated to the same codes), and as event files, each
// against one read() of the files it reads (a transcript's translation file counted once).
#include "BenchFiles.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/core/EventFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
constexpr int kEventsPerFile = 5000;
constexpr int kRounds = 7;
const char* const kCodes[] = {"A", "B", "C", "D", "E", "F"};
const char* const kDescriptions[] = {"Look Away", "Babble", "Cry", "Down", "Eat", "Fuss"};

// hundredths as the coder's clock text "HH:MM:SS.ss".
std::string clockText(int hundredths) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%02d", hundredths / 360000, hundredths / 6000 % 60,
                  hundredths / 100 % 60, hundredths % 100);
    return text;
}

struct Session {
    std::vector<int> codes;
    std::vector<int> times;
    int end = 0;
};

std::string asEventFile(const Session& s) {
    std::string bytes = "Events\r\nGenerated session\r\n";
    for (std::size_t i = 0; i < s.codes.size(); ++i) {
        bytes += std::string(kCodes[s.codes[i]]) + "," + std::to_string(s.times[i]) + "\r\n";
    }
    return bytes + "-500," + std::to_string(s.end) + "\r\n";
}

std::string asOdf(const Session& s) {
    std::string bytes = "Generated session\r\n{start}\r\n";
    for (std::size_t i = 0; i < s.codes.size(); ++i) {
        bytes += std::to_string(s.times[i]) + " " + kCodes[s.codes[i]] + "\r\n";
    }
    return bytes + std::to_string(s.end) + " {end}\r\n";
}

// Codes in the first code column, descriptions in the second on every other row; the last
// column is written bare, as the coder writes it.
std::string asDataFile(const Session& s) {
    std::string bytes = "EVENTS\r\nS01\r\n12-10-2026\r\n09:30\r\nLab 2\r\nA1\r\njm\r\n<notes>\r\n</notes>\r\n"
                        "video.mp4\r\ncodes.cod\r\n\r\n" +
                        clockText(s.end) + "\r\n12-10-2026\r\n\r\n " + std::to_string(s.codes.size()) +
                        " \r\n 3 \r\n";
    for (std::size_t i = 0; i < s.codes.size(); ++i) {
        const int code = s.codes[i];
        bytes += "\"" + clockText(s.times[i]) + "\"," +
                 (i % 2 == 0 ? "\"" + std::string(kCodes[code]) + "\","
                             : "\"\"," + std::string(kDescriptions[code])) +
                 "\r\n";
    }
    return bytes;
}

std::string asDoru(const Session& s) {
    std::string bytes = "+Generated session\r\n";
    for (std::size_t i = 0; i < s.codes.size(); ++i) {
        bytes += "-" + std::to_string(s.times[i]) + "\r\nC we saw [" + kCodes[s.codes[i]] + "] there\r\n";
    }
    return bytes;
}

class BenchData {
public:
    BenchData() {
        std::mt19937 random(11);
        std::string translation;
        for (const char* code : kCodes) {
            translation += std::string(code) + "[" + code + "]\r\n";
        }
        textfile::saveFileAtomically((folder_ / "trans.txt").string(), translation);
        for (int f = 0; f < kFiles; ++f) {
            Session s;
            int time = 0;
            for (int i = 0; i < kEventsPerFile; ++i) {
                s.codes.push_back(static_cast<int>(random() % 6));
                s.times.push_back(time);
                // Some events share their time with the one before.
                time += static_cast<int>(random() % 4) * 25;
            }
            // The imports close a session at its last event.
            s.end = s.times.back();
            const std::string base = (folder_ / ("kid" + std::to_string(f))).string();
            add(eve_, base + ".eve", asEventFile(s));
            add(odf_, base + ".odf", asOdf(s));
            add(qvd_, base + ".qvd", asDataFile(s));
            add(doru_, base + ".slt", asDoru(s));
        }
        g.NumCodes = 6;
        g.CodeTable.resize(6);
        for (int row = 1; row <= 6; ++row) {
            g.CodeTable(1, row) = textfile::Value::ofText(kCodes[row - 1]);
            g.CodeTable(2, row) = textfile::Value::ofText(kDescriptions[row - 1]);
        }
        g.OutputFileName = (folder_ / "report.txt").string();
        g.gODFConvertTimes = 0;
        g.gODFZeroJustify = 0;
        g.gDORUUseTranslation = 1;
        g.gDORUTransFile = (folder_ / "trans.txt").string();
    }
    // Reads every file of the list; false when one was not read cleanly.
    bool readAll(const std::vector<std::string>& files, int format) {
        g.gFileFormat = static_cast<std::int16_t>(format);
        bool clean = true;
        for (const std::string& file : files) {
            std::string header;
            g.DataFileName = file;
            clean = clean && ws::ReadEventFile(g, sp.platform, file, 1, header) &&
                    g.EventTimes[0] == kEventsPerFile + 1;
        }
        return clean;
    }
    std::string translation() const { return (folder_ / "trans.txt").string(); }

    std::vector<std::string> eve_, odf_, qvd_, doru_;

private:
    static void add(std::vector<std::string>& list, const std::string& path, const std::string& bytes) {
        textfile::saveFileAtomically(path, bytes);
        list.push_back(path);
    }

    bench::ScratchFolder folder_{"import-bench"};
    ws::Global g;
    testsupport::ScriptedPlatform sp;
};

BenchData& data() {
    static BenchData d;
    return d;
}

void importList(benchmark::State& state, const std::vector<std::string>& files, int format,
                std::vector<std::string> alsoRead = {}) {
    bench::Baseline baseline;
    baseline.reads(files).reads(std::move(alsoRead));
    bool clean = true;
    bench::contest(
        state, kFiles * kEventsPerFile, [] {}, [&] { clean = data().readAll(files, format) && clean; },
        baseline);
    if (!clean) {
        state.SkipWithError("a file was not read cleanly");
    }
}

void BM_ReadEventFiles(benchmark::State& state) {
    importList(state, data().eve_, 0);
}
void BM_ImportDataFiles(benchmark::State& state) {
    importList(state, data().qvd_, 1);
}
void BM_ImportOdfFiles(benchmark::State& state) {
    importList(state, data().odf_, 2);
}
void BM_ImportDoruFiles(benchmark::State& state) {
    importList(state, data().doru_, 3, {data().translation()});
}

BENCHMARK(BM_ReadEventFiles)->Unit(benchmark::kMillisecond)->Iterations(kRounds);
BENCHMARK(BM_ImportDataFiles)->Unit(benchmark::kMillisecond)->Iterations(kRounds);
BENCHMARK(BM_ImportOdfFiles)->Unit(benchmark::kMillisecond)->Iterations(kRounds);
BENCHMARK(BM_ImportDoruFiles)->Unit(benchmark::kMillisecond)->Iterations(kRounds);

} // namespace
