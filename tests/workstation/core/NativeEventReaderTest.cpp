// The event reader against a plain one kept here: every field copied out, every time through
// the general number parse, every code cut as a new text, over random files of every record
// form, line end and setting the reader meets.
#include "workstation/core/NativeEventReader.h"

#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileRows.h"
#include "workstation/core/EventFileSlots.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/Global.h"

#include "support/ScratchFolder.h"
#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ws {
namespace {

struct ReadOutcome {
    std::vector<std::string> codes = std::vector<std::string>(kMaxEvents + 1);
    std::vector<std::int32_t> times = std::vector<std::int32_t>(kMaxEvents + 1);
    std::vector<std::string> entries;
    int index = 0;
    int failure = 0;
    bool clean = false;
    bool endRecordRead = false;
};

std::string plainCut(const std::string& code, int numToUse) {
    const int start = numToUse % 100;
    const int length = numToUse / 100;
    if (start < 1 || length < 0) {
        throw textfile::RunError(textfile::kInvalidArgument);
    }
    const auto from = static_cast<std::size_t>(start - 1);
    return from < code.size() ? code.substr(from, static_cast<std::size_t>(length)) : std::string();
}

ReadOutcome plainRead(const std::string& bytes, const std::string& fileName, const CutOffSettings& cutOff,
                      const CodeSet& set) {
    ReadOutcome out;
    try {
        textfile::FieldReader reader(bytes);
        reader.readText();
        reader.readLine();
        bool clean = true;
        for (out.index = 1; out.index <= kMaxEvents;) {
            const auto at = static_cast<std::size_t>(out.index);
            std::string code(codeWithoutBlanks(reader.readField().text));
            out.codes[at] = code;
            out.times[at] = textfile::toInt32(reader.readNumber());
            if (cutOff.gCutOffEvents != 0 && code != kSessionEndCode) {
                code = plainCut(code, cutOff.gNumToUse);
                out.codes[at] = code;
            }
            if (code.empty()) {
                continue;
            }
            if (out.times[at] < out.times[at - 1]) {
                out.entries.push_back(sequenceErrorEntry(fileName, out.index, code));
                clean = false;
            }
            if (code == kSessionEndCode) {
                out.times[0] = out.index;
                out.endRecordRead = true;
                for (int i = 1; i < out.index; ++i) {
                    const std::string trimmed(codeWithoutBlanks(out.codes[static_cast<std::size_t>(i)]));
                    if (FindCode(set, trimmed) == -1) {
                        out.entries.push_back(undefinedCodeEntry(fileName, i, trimmed));
                        clean = false;
                    }
                }
                out.clean = clean;
                return out;
            }
            ++out.index;
        }
        out.entries.push_back(fileTooLongEntry(fileName));
    } catch (const textfile::RunError& error) {
        out.failure = error.number();
    }
    return out;
}

// Mostly short records ("A,12"), and among them every other form a record may take.
std::string randomRecord(std::mt19937& random) {
    const char* const codes[] = {"A", "B", "LONGCODE", "X", " A ", "\"B\"", "\"A,B\"", "", "AB C", "-500"};
    const char* const oddTimes[] = {"-7",          " 12 ", "12.5", "1e3",   "123456789", "1234567890",
                                    "99999999999", "",     "abc",  "\"4\"", "+5"};
    const char* const ends[] = {"\r\n", "\n", "\r", ","};
    const bool plain = random() % 4 != 0;
    std::string record = plain ? std::string(1, "AB"[random() % 2]) : codes[random() % std::size(codes)];
    record += ",";
    record += plain || random() % 2 == 0 ? std::to_string(random() % 100000)
                                         : oddTimes[random() % std::size(oddTimes)];
    record += plain ? "\r\n" : ends[random() % std::size(ends)];
    return record;
}

TEST(NativeEventReader, ReadsRandomFilesAsThePlainReaderReadsThem) {
    testsupport::ScratchFolder scratch;
    const std::string fileName = scratch.file("random.eve");
    Global g;
    g.CodeTable.resize(3);
    g.CodeTable(1, 1) = textfile::Value::ofText("A");
    g.CodeTable(1, 2) = textfile::Value::ofText("B");
    g.CodeTable(1, 3) = textfile::Value::ofText("LONGCODE");
    g.NumCodes = 3;
    const CutOffSettings cutOffs[] = {{0, 100}, {1, 101}, {1, 202}, {1, 0}};
    std::mt19937 random(20261211);
    for (int round = 0; round < 400; ++round) {
        std::string bytes = "Events\r\nSession " + std::to_string(round) + "\r\n";
        int time = 0;
        for (int records = static_cast<int>(random() % 60); records > 0; --records) {
            time += static_cast<int>(random() % 9);
            bytes += random() % 3 == 0 ? randomRecord(random) : "A," + std::to_string(time) + "\r\n";
        }
        if (random() % 6 != 0) {
            bytes += "-500," + std::to_string(time + 1) + (random() % 2 == 0 ? "\r\n" : "");
        }
        const CutOffSettings cutOff = cutOffs[random() % 10 < 7 ? 0 : 1 + random() % 3];
        SCOPED_TRACE(::testing::PrintToString(bytes) + " cut-off " + std::to_string(cutOff.gNumToUse));
        std::ofstream(fileName, std::ios::binary | std::ios::trunc) << bytes;

        const ReadOutcome expected = plainRead(bytes, fileName, cutOff, g);
        emptySlot(g, 1);
        std::vector<std::string> entries;
        const EntrySink sink = [&](const std::string& entry) { entries.push_back(entry); };
        EventReadResult result;
        {
            EventFileRows rows(g, nullptr, nullptr);
            SlotWriter slot(g, 1);
            result = readNativeEventFile(fileName, cutOff, g, slot, rows, sink);
        }
        ASSERT_EQ(result.failure ? result.failure->number : 0, expected.failure);
        ASSERT_EQ(result.index, expected.index);
        ASSERT_EQ(result.clean, expected.clean);
        ASSERT_EQ(result.endRecordRead, expected.endRecordRead);
        ASSERT_EQ(entries, expected.entries);
        ASSERT_EQ(g.EventCodes, expected.codes);
        ASSERT_EQ(g.EventTimes, expected.times);
    }
}

} // namespace
} // namespace ws
