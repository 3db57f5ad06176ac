#include "workstation/core/CodeTable.h"

#include "textfile/Numeric.h"

namespace ws {

std::int16_t CodeTableData::group(int row) const {
    return textfile::toInt16((*this)(3, row).asNumber());
}

bool CodeTableData::codeIs(int row, std::string_view code) const {
    const textfile::Value& value = (*this)(1, row);
    if (value.isText()) {
        return value.text == code;
    }
    return value.asText() == code;
}

} // namespace ws
