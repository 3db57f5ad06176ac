// The video coder's code-set reader on any bytes; a code set it takes must save and read
// back the same.
#include "FuzzSupport.h"

#include "textfile/RunError.h"
#include "videocoder/core/CodeSetFile.h"

#include <string>
#include <vector>

namespace {

// Quotes and line ends inside a text have no write form that reads back as they were.
bool writable(const std::string& text) {
    return text.find_first_of("\"\r\n") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vc::CodeSet codes;
    std::vector<std::string> groups;
    try {
        vc::readCodeFile(std::string(fuzz::bytesOf(data, size)), codes, groups);
    } catch (const textfile::RunError&) {
        if (codes.gCodeCount != codes.gCodes.rows()) {
            fuzz::propertyFailed("a failed read left a count that is not the codes held");
        }
        return 0;
    }
    for (int code = 1; code <= codes.gCodeCount; ++code) {
        for (int field = 1; field <= vc::kCodeFields; ++field) {
            if (!writable(codes.gCodes.at(field, code).asText())) {
                return 0;
            }
        }
    }
    for (const std::string& group : groups) {
        if (!writable(group)) {
            return 0;
        }
    }

    vc::CodeSet again;
    std::vector<std::string> groupsAgain;
    try {
        vc::readCodeFile(vc::codeFileText(codes, groups), again, groupsAgain);
    } catch (const textfile::RunError&) {
        fuzz::propertyFailed("a saved code set was refused");
    }
    if (again.gCodeCount != codes.gCodeCount || groupsAgain != groups) {
        fuzz::propertyFailed("a saved code set reads back with another count or groups");
    }
    for (int code = 1; code <= codes.gCodeCount; ++code) {
        for (int field = 1; field <= vc::kCodeFields; ++field) {
            if (again.gCodes.at(field, code).asText() != codes.gCodes.at(field, code).asText()) {
                fuzz::propertyFailed("a saved code set reads back with another value");
            }
        }
    }
    return 0;
}
