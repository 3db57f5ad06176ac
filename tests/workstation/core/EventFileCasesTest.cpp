// Reads every case folder under fixtures/eventfile: the data file (or one generated here),
// settings in case.txt, and the exact error entries, slot contents and scratch copy expected.
#include "workstation/core/EventFile.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

std::string withPath(std::string text, const std::string& path) {
    for (auto at = text.find("{path}"); at != std::string::npos; at = text.find("{path}", at + path.size())) {
        text.replace(at, 6, path);
    }
    return text;
}

// The header, element 0 and every index up to the last one holding anything, so stale
// records past the end show up too.
std::string slotDump(Global& g, int slot, const std::string& header) {
    const auto& codes = g.codesOf(slot);
    const auto& times = g.timesOf(slot);
    int last = kMaxEvents;
    while (last > 0 && codes[last].empty() && times[last] == 0) {
        --last;
    }
    std::string dump = "header|" + header + "\n0|" + std::to_string(times[0]) + "\n";
    for (int index = 1; index <= last; ++index) {
        dump += std::to_string(index) + "|" + codes[index] + "|" + std::to_string(times[index]) + "\n";
    }
    return dump;
}

void useTestCodeSet(Global& g) {
    const std::vector<std::string> codes = {"A", "B", "C", "D", "CD"};
    g.CodeTable.resize(static_cast<int>(codes.size()));
    for (std::size_t row = 1; row <= codes.size(); ++row) {
        g.CodeTable(1, static_cast<int>(row)) = textfile::Value::ofText(codes[row - 1]);
    }
    g.NumCodes = static_cast<std::int16_t>(codes.size());
}

std::string generatedEventFile(int records) {
    std::string text = "Events\r\nGenerated\r\n";
    for (int index = 1; index <= records; ++index) {
        text += "A," + std::to_string(index) + "\r\n";
    }
    return text + "-500,99999\r\n";
}

class EventFileCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("eventfile"); }
    testsupport::ScratchFolder scratchFolder_;
    const fs::path& scratch_ = scratchFolder_.path();
};

TEST_P(EventFileCase, ReadsAsExpected) {
    const fs::path folder = this->folder();
    ASSERT_TRUE(fs::exists(folder / "case.txt")) << "every case folder needs a case.txt";
    auto settings = caseSettings();

    Global g;
    testsupport::ScriptedPlatform sp;
    useTestCodeSet(g);
    g.OutputFileName = (scratch_ / "report.txt").string();
    if (settings.contains("cutOff")) {
        g.gCutOffEvents = -1;
        g.gNumToUse = static_cast<std::int16_t>(std::stoi(settings["cutOff"]));
    }
    if (settings.contains("format")) {
        g.gFileFormat = static_cast<std::int16_t>(std::stoi(settings["format"]));
    }
    std::string dataFile = (folder / "input.eve").string();
    if (settings.contains("data")) {
        dataFile = settings["data"]; // a path of the machine's own, such as a device
    }
    if (settings.contains("generate")) {
        dataFile = (scratch_ / "input.eve").string();
        textfile::saveFileAtomically(dataFile, generatedEventFile(std::stoi(settings["generate"])));
    }

    std::string header = "untouched";
    const bool result = ReadEventFile(g, sp.platform, dataFile, 1, header);

    EXPECT_EQ(result, settings["result"] == "true");
    if (settings.contains("endIndex")) {
        EXPECT_EQ(g.EventTimes[0], std::stoi(settings["endIndex"]));
    }
    if (fs::exists(folder / "expected-output.txt")) {
        ASSERT_TRUE(fs::exists(g.OutputFileName));
        EXPECT_TRUE(testsupport::sameBytes(
            textfile::readWholeFile(g.OutputFileName),
            withPath(textfile::readWholeFile((folder / "expected-output.txt").string()), dataFile)));
    } else {
        EXPECT_FALSE(fs::exists(g.OutputFileName)) << textfile::readWholeFile(g.OutputFileName);
    }
    if (fs::exists(folder / "expected-slot.txt")) {
        EXPECT_TRUE(testsupport::sameAsFile(slotDump(g, 1, header), folder / "expected-slot.txt"));
    }

    if (settings.contains("box")) {
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(sp.dialogs.boxes[0].text, withPath(settings["box"], dataFile));
        EXPECT_EQ(sp.dialogs.boxes[0].title, "Sorry");
        EXPECT_EQ(sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
    } else {
        EXPECT_TRUE(sp.dialogs.boxes.empty());
    }
    const std::vector<std::string> farewell = {"File /opt/suite/Marnet.wav", "Open", "Play", "Close"};
    EXPECT_EQ(sp.sound.commands, settings["sound"] == "farewell" ? farewell : std::vector<std::string>{});

    if (fs::exists(folder / "expected-scratch.eve")) {
        const std::string base = (scratch_ / "kid.odf").string();
        WriteScratchEventFile(g, 1, base, header);
        EXPECT_TRUE(
            testsupport::sameAsFile(textfile::readWholeFile(base + ".eve"), folder / "expected-scratch.eve"));
        std::string readBack;
        EXPECT_TRUE(ReadEventFile(g, sp.platform, base + ".eve", 2, readBack));
        EXPECT_EQ(slotDump(g, 2, readBack), slotDump(g, 1, header));
    }
}

SUITE_FIXTURE_CASES(EventFileCase, "eventfile");

} // namespace
} // namespace ws
