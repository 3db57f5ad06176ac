// Reads every case folder under fixtures/eventfile: the data file (or one generated here),
// settings in case.txt, and the exact error entries, slot contents and scratch copy expected.
#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileServices.h"

#include "SlotDump.h"

#include "workstation/core/DataFileReaders.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileRows.h"

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
    // The case's input.eve, a path of the machine's own (such as a device), or a file
    // generated in the scratch folder.
    std::string dataFileOf(std::map<std::string, std::string>& settings) const {
        if (settings.contains("generate")) {
            const std::string generated = (scratch_ / "input.eve").string();
            textfile::saveFileAtomically(generated, generatedEventFile(std::stoi(settings["generate"])));
            return generated;
        }
        return settings.contains("data") ? settings["data"] : (folder() / "input.eve").string();
    }
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
    const std::string dataFile = dataFileOf(settings);

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

// The format's reader from the table alone, with no platform: what it hands the sink, the
// refusal it returns and the slot it fills are what the procedure writes, shows and leaves.
TEST_P(EventFileCase, ReaderAloneGivesTheSameResult) {
    auto settings = caseSettings();
    Global g;
    useTestCodeSet(g);
    if (settings.contains("cutOff")) {
        g.gCutOffEvents = -1;
        g.gNumToUse = static_cast<std::int16_t>(std::stoi(settings["cutOff"]));
    }
    const DataFileReader reader =
        readerForFormat(settings.contains("format") ? std::stoi(settings["format"]) : 0);
    if (reader == nullptr) {
        EXPECT_EQ(settings["result"], "false"); // a format no reader has reads nothing
        EXPECT_FALSE(fs::exists(folder() / "expected-output.txt"));
        return;
    }
    const std::string dataFile = dataFileOf(settings);

    std::string entries;
    const EntrySink sink = [&entries](const std::string& entry) { entries += entry; };
    EventReadResult result;
    {
        EventFileRows rows(g, nullptr, nullptr);
        SlotWriter slot(g, 1);
        result = reader(DataFileRead{dataFile, g, g, slot, rows, sink});
    }

    EXPECT_EQ(result.clean && !result.failure, settings["result"] == "true");
    EXPECT_EQ(result.refusal, settings.contains("box") ? withPath(settings["box"], dataFile) : "");
    EXPECT_EQ(result.failure.has_value(), settings["sound"] == "farewell");
    if (result.failure) {
        entries +=
            readErrorEntry(result.failure->number, result.failure->description, dataFile, result.index);
    }
    const fs::path expectedOutput = folder() / "expected-output.txt";
    EXPECT_TRUE(testsupport::sameBytes(
        entries, fs::exists(expectedOutput)
                     ? withPath(textfile::readWholeFile(expectedOutput.string()), dataFile)
                     : std::string()));
    if (fs::exists(folder() / "expected-slot.txt")) {
        EXPECT_TRUE(testsupport::sameAsFile(slotDump(g, 1, result.header.value_or("untouched")),
                                            folder() / "expected-slot.txt"));
    }
}

SUITE_FIXTURE_CASES(EventFileCase, "eventfile");

} // namespace
} // namespace ws
