#include "SlotDump.h"

namespace ws {

std::string slotDump(const Global& g, int slot, const std::string& header) {
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

std::string withPath(std::string text, const std::string& path) {
    for (auto at = text.find("{path}"); at != std::string::npos; at = text.find("{path}", at + path.size())) {
        text.replace(at, 6, path);
    }
    return text;
}

} // namespace ws
