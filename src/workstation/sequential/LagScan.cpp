#include "workstation/sequential/LagScan.h"

#include <algorithm>

namespace ws {

LagScan lagScan(int lastEvent, std::int32_t lag, bool forward) {
    const std::int64_t n = lastEvent;
    const std::int64_t l = lag;
    LagScan scan;
    if (forward) {
        scan.offset = l;
        scan.step = 1;
        scan.first = std::max<std::int64_t>(1, 1 - l);
        scan.last = std::min(n, n - l);
    } else {
        scan.offset = -l;
        scan.step = -1;
        scan.first = std::min(n, n + l);
        scan.last = std::max<std::int64_t>(1, 1 + l);
    }
    return scan;
}

} // namespace ws
