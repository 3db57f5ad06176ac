// Every import's fixed capacities, just inside and just past each one, read through
// ReadEventFile: too big for the fixture folders and past what the fuzz targets generate.
#include "workstation/core/EventFile.h"

#include "workstation/core/ContGrid.h"

#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace ws {
namespace {

std::string repeated(int times, const std::function<std::string(int)>& line) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += line(i);
    }
    return text;
}

// A data file of `rows` rows of `columns` columns (time first), every code cell "A".
std::string dataFile(int rows, int columns) {
    std::string text =
        "EVENTS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n<notes>\r\n</notes>\r\n7\r\n8\r\n\r\n\r\n11\r\n12\r\n " +
        std::to_string(rows) + " \r\n " + std::to_string(columns) + " \r\n";
    return text + repeated(rows, [&](int row) {
               return std::to_string(row) + repeated(columns - 1, [](int) { return ",A"; }) + "\r\n";
           });
}

std::string transcript(int utterances, int codesEach) {
    return repeated(utterances, [&](int u) {
        return "-" + std::to_string(u) + "\r\nC" + repeated(codesEach, [](int) { return " [a]"; }) + "\r\n";
    });
}

std::string rules(int count) {
    return repeated(count, [](int) { return "\"2\",\"0\",\"10\",\"A\"\r\n"; });
}

struct Limit {
    const char* name;
    int format;
    std::string data;
    bool clean;
    // What a refused file leaves: the start of the one box shown, or a piece of the report.
    std::string box;
    std::string entry;
    std::string translation = {};
    std::string csv = {};
    std::string contRules = {};
    std::int16_t combine = 0;
};

class ImportLimits : public ::testing::TestWithParam<Limit> {};

TEST_P(ImportLimits, TakeTheirFailurePathOnlyPastTheLimit) {
    const Limit& limit = GetParam();
    testsupport::ScratchFolder scratch;
    Global g;
    testsupport::ScriptedPlatform sp;
    g.CodeTable.resize(2);
    g.CodeTable(1, 1) = textfile::Value::ofText("A");
    g.CodeTable(1, 2) = textfile::Value::ofText("[a]");
    g.NumCodes = 2;
    g.gFileFormat = static_cast<std::int16_t>(limit.format);
    g.gVTRSCombine = limit.combine;
    g.OutputFileName = scratch.file("report.txt");
    g.Code_File = scratch.file("codes.cod");
    const std::string data = scratch.file("day.dat");
    textfile::saveFileAtomically(data, limit.data);
    if (!limit.translation.empty()) {
        g.gDORUUseTranslation = 1;
        g.gDORUTransFile = scratch.file("trans.txt");
        textfile::saveFileAtomically(g.gDORUTransFile, limit.translation);
    }
    if (!limit.csv.empty()) {
        g.gReadCont = 1;
        textfile::saveFileAtomically(scratch.file("day.csv"), limit.csv);
        textfile::saveFileAtomically(scratch.file("ContVarGrid.csv"), limit.contRules);
        ReadContGrid(g.ContGrid, g.Code_File);
    }

    std::string header;
    EXPECT_EQ(ReadEventFile(g, sp.platform, data, 1, header), limit.clean);

    const std::string report =
        std::filesystem::exists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : "";
    if (limit.box.empty()) {
        EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    } else {
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_TRUE(sp.dialogs.boxes.front().text.starts_with(limit.box)) << sp.dialogs.boxes.front().text;
    }
    if (limit.entry.empty()) {
        EXPECT_EQ(report, "");
    } else {
        EXPECT_NE(report.find(limit.entry), std::string::npos) << report;
    }
    if (limit.clean) {
        const int end = g.EventTimes[0];
        ASSERT_GE(end, 1);
        EXPECT_EQ(g.EventCodes[static_cast<std::size_t>(end)], kSessionEndCode);
    }
}

const std::string kOdfStart = "Session\r\n{start}\r\n";
const std::string kVtrsFailure = "Error Loading VTRS Data: ";
const std::string kDoruFailure = "Error Loading DORU Data: ";
const std::string kReadError = "Error: Read/write error...";
const std::string kEveStart = "Events\r\nSession\r\n";
const std::string kRule = rules(1);

INSTANTIATE_TEST_SUITE_P(
    Imports, ImportLimits,
    ::testing::Values(Limit{"odf_20000_records", 2,
                            kOdfStart + repeated(19999, [](int i) { return std::to_string(i) + " A\r\n"; }) +
                                "20000 {end}\r\n",
                            true, "", ""},
                      Limit{"odf_20001_records", 2,
                            kOdfStart + repeated(20000, [](int i) { return std::to_string(i) + " A\r\n"; }) +
                                "20000 {end}\r\n",
                            false, "", "File too long!"},
                      Limit{"qvd_19999_cells", 1, dataFile(19999, 2), true, "", ""},
                      Limit{"qvd_20000_cells", 1, dataFile(20000, 2), false, kVtrsFailure, ""},
                      Limit{"qvd_100_columns", 1, dataFile(1, 100), true, "", ""},
                      Limit{"qvd_101_columns", 1, dataFile(1, 101), false, kVtrsFailure, ""},
                      Limit{"qvd_52_columns_combining", 1, dataFile(1, 52), true, "", "", "", "", "", 1},
                      Limit{"qvd_53_columns_combining", 1, dataFile(1, 53), false, kVtrsFailure, "", "", "",
                            "", 1},
                      Limit{"qvd_row_count_past_16_bits", 1,
                            "EVENTS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n<notes>\r\n</"
                            "notes>\r\n7\r\n8\r\n\r\n\r\n11\r\n12\r\n 32768 \r\n 2 \r\n",
                            false, kVtrsFailure, ""},
                      Limit{"doru_5000_utterances", 3, transcript(5000, 1), true, "", ""},
                      Limit{"doru_5001_utterances", 3, transcript(5001, 1), false, kDoruFailure, ""},
                      Limit{"doru_50_entries", 3, transcript(1, 49), true, "", ""},
                      Limit{"doru_51_entries", 3, transcript(1, 50), false, kDoruFailure, ""},
                      Limit{"doru_100_translation_lines", 3, transcript(2, 1), true, "", "",
                            repeated(99, [](int) { return "[a][a]\r\n"; }) + "A[a]\r\n"},
                      Limit{"doru_101_translation_lines", 3, transcript(2, 1), false, kDoruFailure, "",
                            repeated(101, [](int) { return "A[a]\r\n"; })},
                      Limit{"doru_50_translation_fields", 3, transcript(2, 1), true, "", "",
                            "A" + repeated(49, [](int) { return "[a]"; }) + "\r\nA[a]\r\n"},
                      Limit{"doru_51_translation_fields", 3, transcript(2, 1), false, kDoruFailure, "",
                            "A" + repeated(50, [](int) { return "[a]"; }) + "\r\n"},
                      Limit{"merge_255_csv_fields", 0, kEveStart + "-500,100\r\n", true, "", "", "",
                            "1,5" + repeated(253, [](int) { return ",0"; }) + "\r\n", kRule},
                      Limit{"merge_256_csv_fields", 0, kEveStart + "-500,100\r\n", false, "", kReadError, "",
                            "1,5" + repeated(254, [](int) { return ",0"; }) + "\r\n", kRule},
                      Limit{"merge_19999_into_one_record", 0, kEveStart + "-500,100\r\n", true, "", "", "",
                            repeated(19999, [](int) { return "1,5\r\n"; }), kRule},
                      Limit{"merge_20000_into_one_record", 0, kEveStart + "-500,100\r\n", false, "",
                            kReadError, "", repeated(20000, [](int) { return "1,5\r\n"; }), kRule},
                      Limit{"merge_20001_codes", 0, kEveStart + "-500,100\r\n", false, "", kReadError, "",
                            repeated(20001, [](int) { return "1,5\r\n"; }), kRule}),
    [](const ::testing::TestParamInfo<Limit>& info) { return std::string(info.param.name); });

} // namespace
} // namespace ws
