#pragma once
// A small study for the video coder's start-up, grid and benchmark: a code set of groups 0
// ("Looking") and 2 ("Voice"), and an EVENTS data file naming it, with the rows given.

#include <string>

namespace vctest {

inline std::string sampleCodeSet() {
    std::string text = " 3 \r\n\"L\",\"Looks at toy\",0\r\n\"T\",\"Talks\",2\r\n\"Q\",\"Quiet\",2\r\n";
    const char* const groups[] = {"Looking", "", "Voice"};
    for (int group = 0; group < 49; ++group) {
        text += "\"" + std::string(group < 3 ? groups[group] : "") + "\"\r\n";
    }
    return text;
}

// rows: the body lines after the counts, each ending in CR LF.
inline std::string sampleData(const std::string& codeFile, int rowCount, const std::string& rows) {
    return "EVENTS\r\nS01\r\n12-10-2026\r\n09:30\r\nLab 2\r\nA1\r\njm\r\n<notes>\r\n</notes>\r\n\r\n" +
           codeFile + "\r\n00:00:00.00\r\n00:10:00.00\r\n12-10-2026\r\n\r\n" + std::to_string(rowCount) +
           "\r\n4\r\n" + rows;
}

inline const std::string kSampleRows = "\"00:00:05.20\",\"L\",,T\r\n\"00:00:06.00\",,,Q\r\n";

} // namespace vctest
