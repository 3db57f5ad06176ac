#include "workstation/core/ListFile.h"

#include "textfile/Numeric.h"

namespace ws {

ListFileReader::ListFileReader(const std::string& path)
    : reader_(textfile::FieldReader::fromFile(path)), type_(reader_.readText()) {}

std::int16_t ListFileReader::readCount() {
    return textfile::toInt16(reader_.readNumber());
}

std::string readListType(const std::string& path) {
    return ListFileReader(path).type();
}

} // namespace ws
