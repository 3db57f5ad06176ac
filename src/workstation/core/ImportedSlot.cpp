#include "workstation/core/ImportedSlot.h"

#include "textfile/Paths.h"
#include "textfile/RunError.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace ws {

namespace {

// The exchange steps of one pass i, literally: every later record whose time is below the one
// at i is swapped with it.
void exchangePass(std::vector<std::string>& codes, std::vector<std::int32_t>& times, int i, int last) {
    for (int j = i + 1; j <= last; ++j) {
        if (times[j] < times[i]) {
            textfile::SwapValues(times[i], times[j]);
            textfile::SwapValues(codes[i], codes[j]);
        }
    }
}

// The minimum times of the slot over ranges of indices, so that a pass can jump from one swap
// straight to the next instead of comparing every later record.
class TimeMinima {
public:
    TimeMinima(const std::vector<std::int32_t>& times, int last) {
        while (leaves_ <= last) {
            leaves_ *= 2;
        }
        minima_.assign(static_cast<std::size_t>(2 * leaves_), std::numeric_limits<std::int32_t>::max());
        for (int index = 1; index <= last; ++index) {
            minima_[static_cast<std::size_t>(leaves_ + index)] = times[static_cast<std::size_t>(index)];
        }
        for (int node = leaves_ - 1; node >= 1; --node) {
            minima_[node] = std::min(minima_[2 * node], minima_[2 * node + 1]);
        }
    }
    void set(int index, std::int32_t time) {
        std::size_t node = static_cast<std::size_t>(leaves_ + index);
        minima_[node] = time;
        for (node /= 2; node >= 1; node /= 2) {
            minima_[node] = std::min(minima_[2 * node], minima_[2 * node + 1]);
        }
    }
    // The first index after `from` whose time is below `time`, or 0 when there is none.
    int firstBelowAfter(int from, std::int32_t time) const {
        return firstBelow(1, 0, leaves_ - 1, from + 1, time);
    }

private:
    int firstBelow(int node, int low, int high, int from, std::int32_t time) const {
        if (high < from || minima_[static_cast<std::size_t>(node)] >= time) {
            return 0;
        }
        if (low == high) {
            return low;
        }
        const int middle = (low + high) / 2;
        const int left = firstBelow(2 * node, low, middle, from, time);
        return left != 0 ? left : firstBelow(2 * node + 1, middle + 1, high, from, time);
    }
    int leaves_ = 1;
    std::vector<std::int32_t> minima_;
};

bool inTimeOrder(const std::vector<std::int32_t>& times, int last) {
    for (int index = 2; index <= last; ++index) {
        if (times[static_cast<std::size_t>(index)] < times[static_cast<std::size_t>(index - 1)]) {
            return false;
        }
    }
    return true;
}

} // namespace

void sortSlotByTime(SlotWriter& slot) {
    const int last = slot.times()[0];
    if (last < 0 || last > kMaxEvents) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    auto& codes = slot.codesUpTo(last);
    auto& times = slot.timesUpTo(last);
    // A slot in order makes no exchange at all.
    if (inTimeOrder(times, last)) {
        return;
    }
    // Pass i swaps at exactly the later indices whose time is below the time then at i, which
    // the minima find directly. A slot far out of order makes so many swaps that the plain
    // passes cost less; they take over at the next pass, from the same state.
    TimeMinima minima(times, last);
    long long swapsLeft = 32LL * last;
    int i = 1;
    for (; i < last && swapsLeft > 0; ++i) {
        for (int j = minima.firstBelowAfter(i, times[i]); j != 0; j = minima.firstBelowAfter(j, times[i])) {
            textfile::SwapValues(times[i], times[j]);
            textfile::SwapValues(codes[i], codes[j]);
            minima.set(j, times[j]);
            --swapsLeft;
        }
    }
    for (; i < last; ++i) {
        exchangePass(codes, times, i, last);
    }
}

void throwSlotFull() {
    throw textfile::RunError(textfile::kSubscriptOutOfRange);
}

} // namespace ws
