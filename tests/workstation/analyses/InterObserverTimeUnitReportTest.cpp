#include "workstation/analyses/InterObserverTimeUnitReport.h"
#include "workstation/core/Global.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ws {
namespace {

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        result.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

TEST(TimeUnitText, PageHeaderAgainAfterFortyFourCodeLines) {
    Global g;
    g.NumCodes = 45;
    g.CodeTable.resize(45);
    for (int row = 1; row <= 45; ++row) {
        g.CodeTable(1, row) = textfile::Value::ofText("C" + std::to_string(row));
        g.CodeTable(3, row) = textfile::Value::ofNumber(1);
    }
    AgreementCounts counts(45);
    const AgreementPair pair{"/d/one.eve", "/d/two.eve", "first", "second", 3};
    textfile::ReportText out;
    writeTimeUnitText(out, g, g, counts, pair, 1, "12-10-2026");

    const std::vector<std::string> lines = splitLines(out.bytes());
    ASSERT_EQ(lines.size(), 12u + 44u + 12u + 1u);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(lines[56 + i], lines[i]) << "header line " << i;
    }
    EXPECT_EQ(lines[2], " Time Unit Matching Inter-observer Agreement Report - Date: 12-10-2026");
    EXPECT_EQ(lines[55].substr(0, 4), " C44");
    EXPECT_EQ(lines[68].substr(0, 4), " C45");
}

} // namespace
} // namespace ws
