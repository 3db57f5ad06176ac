#include "workstation/core/ListFile.h"

#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"

namespace ws {

ListFileReader::ListFileReader(const std::string& path)
    : reader_(textfile::FieldReader::fromFile(path)), type_(reader_.readText()) {}

bool ListFileReader::walkEntries(int count,
                                 const std::function<bool(int number, const std::string& entry)>& step,
                                 bool shortListEnds) {
    for (int n = 1; n <= count; ++n) {
        std::string entry;
        try {
            entry = readEntry();
        } catch (const textfile::RunError&) {
            if (shortListEnds) {
                return true;
            }
            throw;
        }
        if (!step(n, entry)) {
            return false;
        }
    }
    return true;
}

std::int16_t ListFileReader::readCount() {
    return textfile::toInt16(reader_.readNumber());
}

std::string readListType(const std::string& path) {
    return ListFileReader(path).type();
}

std::string listTypeOrNothing(const std::string& path) {
    try {
        return readListType(path);
    } catch (const textfile::RunError&) {
        return {};
    }
}

std::string listFileBytes(const std::string& type, const std::vector<std::string>& entries) {
    std::string bytes = type;
    bytes += textfile::kLineEnd;
    bytes += textfile::printNumber(static_cast<double>(entries.size()));
    bytes += textfile::kLineEnd;
    for (const std::string& entry : entries) {
        bytes += entry;
        bytes += textfile::kLineEnd;
    }
    return bytes;
}

void writeListFile(const std::string& path, const std::string& type,
                   const std::vector<std::string>& entries) {
    textfile::saveFileAtomically(path, listFileBytes(type, entries));
}

} // namespace ws
