#pragma once
// One pair of observers' files as the agreement sections name them.

#include <cstdint>
#include <string>

namespace ws {

struct AgreementPair {
    std::string name1; // observer 1's full file name (slot 1)
    std::string name2; // observer 2's full file name (slot 2)
    std::string header1;
    std::string header2;
    std::int16_t window = 0; // gIOAWindow when the pair started, in the files' time unit
};

} // namespace ws
