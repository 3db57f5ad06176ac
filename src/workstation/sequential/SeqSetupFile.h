#pragma once
// Code setup files of the sequential settings window: the givens, the targets, three check
// boxes, the lag type and the count box, one item a line. Codes are whole lines, so a
// code holding a comma reads back whole.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ws {

inline const std::string kSeqSetupType = "Sequential";

struct SeqSetup {
    std::vector<std::string> givens;
    std::vector<std::string> targets;
    std::int16_t merge = 0; // check states: 0 or 1
    std::int16_t backward = 0;
    std::int16_t givensAsGroup = 0;
    bool eventLags = true;
    bool timeWindow = false;
    std::string countText;
};

std::string seqSetupBytes(const SeqSetup& setup);

// Nothing when the file's first item is not the setup type. A file that ends before its
// counts or holds text where a number stands throws textfile::RunError.
std::optional<SeqSetup> parseSeqSetup(std::string bytes);

} // namespace ws
