#include "workstation/core/CodeTable.h"

#include "textfile/Numeric.h"

#include <cmath>

namespace ws {

int CodeTableData::group(int row) const {
    const double g = (*this)(3, row).asNumber();
    return static_cast<int>(std::nearbyint(g));
}

bool CodeTableData::codeIs(int row, std::string_view code) const {
    const textfile::Value& value = (*this)(1, row);
    if (value.isText()) {
        return value.text == code;
    }
    return value.asText() == code;
}

} // namespace ws
