#include "workstation/core/CodeTable.h"

#include "textfile/Numeric.h"

#include <cmath>

namespace ws {

int CodeTableData::group(int row) const {
    const double g = (*this)(3, row).asNumber();
    return static_cast<int>(std::nearbyint(g));
}

} // namespace ws
