#include "workstation/core/MainWindowGeometry.h"

#include <algorithm>
#include <limits>

namespace ws {

std::int16_t toTwips(int pixels) {
    const long twips = static_cast<long>(pixels) * kTwipsPerPixel;
    return static_cast<std::int16_t>(std::clamp<long>(twips, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
}

int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace ws
