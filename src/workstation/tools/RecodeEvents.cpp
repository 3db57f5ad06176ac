#include "workstation/tools/RecodeEvents.h"

#include "workstation/core/EventSlotWriter.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace ws {
namespace {

void recodePairs(SlotWriter& slot, const RecodeChoice& choice) {
    const int end = slot.times()[0];
    for (int i = 1; i <= end; ++i) {
        std::string& code = slot.code(i);
        // Later pairs see what earlier pairs made: A to B then B to C turns A into C.
        for (std::size_t j = 0; j < choice.from.size(); ++j) {
            if (code == choice.from[j]) {
                code = choice.to[j];
            }
        }
    }
}

bool runMatchesAt(const SlotWriter& slot, int i, int end, const std::vector<std::string>& from) {
    if (i + static_cast<int>(from.size()) - 1 > end) {
        return false;
    }
    for (std::size_t k = 0; k < from.size(); ++k) {
        if (slot.codes()[static_cast<std::size_t>(i) + k] != from[k]) {
            return false;
        }
    }
    return true;
}

// Runs of equal length are replaced where they stand, and the scan goes on at the next event.
void recodeEqualRuns(SlotWriter& slot, const RecodeChoice& choice) {
    const int end = slot.times()[0];
    const int n = static_cast<int>(choice.to.size());
    for (int i = 1; i <= end; ++i) {
        if (runMatchesAt(slot, i, end, choice.from)) {
            std::copy(choice.to.begin(), choice.to.end(), slot.codesUpTo(i + n - 1).begin() + i);
        }
    }
}

// Runs of another length move every later event, so the result is built once beside the
// slot (each event moved once, however many runs change) and then taken into it.
bool recodeUnequalRuns(SlotWriter& slot, const RecodeChoice& choice) {
    const std::vector<std::string>& oldCodes = slot.codes();
    const std::vector<std::int32_t>& oldTimes = slot.times();
    const int end = oldTimes[0];
    const int nFrom = static_cast<int>(choice.from.size());
    const int nTo = static_cast<int>(choice.to.size());
    std::vector<std::string> codes;
    std::vector<std::int32_t> times;
    codes.reserve(static_cast<std::size_t>(end) + 1);
    times.reserve(static_cast<std::size_t>(end) + 1);
    for (int i = 1; i <= end;) {
        if (runMatchesAt(slot, i, end, choice.from)) {
            for (int k = 0; k < nTo; ++k) {
                codes.push_back(choice.to[static_cast<std::size_t>(k)]);
                times.push_back(oldTimes[static_cast<std::size_t>(i + std::min(k, nFrom - 1))]);
            }
            i += nFrom;
        } else {
            codes.push_back(oldCodes[static_cast<std::size_t>(i)]); // a copy: a refusal leaves the slot whole
            times.push_back(oldTimes[static_cast<std::size_t>(i)]);
            ++i;
        }
        if (static_cast<int>(codes.size()) > kMaxEvents) {
            return false;
        }
    }
    const int newEnd = static_cast<int>(codes.size());
    std::move(codes.begin(), codes.end(), slot.codesUpTo(newEnd).begin() + 1);
    std::copy(times.begin(), times.end(), slot.timesUpTo(newEnd).begin() + 1);
    slot.time(0) = newEnd;
    return true;
}

void appendPrintInteger(std::string& bytes, std::int32_t value) {
    char digits[16];
    if (value >= 0) {
        bytes += ' ';
    }
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    bytes.append(digits, result.ptr);
    bytes += ' ';
}

} // namespace

bool recodeSlot(EventSlots& slots, const RecodeChoice& choice) {
    // Runs need codes on both sides and pairs need partners; FileRecode refuses the rest.
    if (choice.from.empty() || choice.to.empty() ||
        (choice.mode == RecodeMode::Individuals && choice.from.size() != choice.to.size())) {
        return true;
    }
    SlotWriter slot(slots, 1);
    if (choice.mode == RecodeMode::Individuals) {
        recodePairs(slot, choice);
        return true;
    }
    if (choice.from.size() == choice.to.size()) {
        recodeEqualRuns(slot, choice);
        return true;
    }
    return recodeUnequalRuns(slot, choice);
}

std::string recodedFileBytes(const EventSlots& slots, const std::string& header, std::int32_t endTime) {
    const int end = slots.EventTimes[0];
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(end) * 12 + header.size() + 32);
    bytes += "Events\r\n";
    bytes += header;
    bytes += "\r\n";
    for (int i = 1; i <= end; ++i) {
        bytes += slots.EventCodes[static_cast<std::size_t>(i)];
        bytes += ',';
        appendPrintInteger(bytes, slots.EventTimes[static_cast<std::size_t>(i)]);
        bytes += "\r\n";
    }
    if (end < 1 || slots.EventCodes[static_cast<std::size_t>(end)] != kSessionEndCode) {
        bytes += kSessionEndCode;
        bytes += ',';
        appendPrintInteger(bytes, endTime);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace ws
