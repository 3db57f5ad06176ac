// The code-set reader on any bytes; a code set it takes must save and read back the same.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Numeric.h"
#include "workstation/core/CodeSetFile.h"

namespace {

// Quotes and line ends inside a text have no write form that reads back as they were.
bool writable(const textfile::Value& value) {
    return !value.isText() || value.text.find_first_of("\"\r\n") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::ScriptedPlatform sp;
    ws::Global& g = fuzz::reusedGlobal(0);
    g.Code_File = fuzz::writeScratch("input.cod", fuzz::bytesOf(data, size));
    if (ws::OpenCodeFile(g, sp.platform) != textfile::kTrue) {
        return 0;
    }
    for (int row = 1; row <= g.NumCodes; ++row) {
        for (int field = 1; field <= 3; ++field) {
            if (!writable(g.CodeTable(field, row))) {
                return 0;
            }
        }
    }
    for (const std::string& name : g.GroupNames) {
        if (!writable(textfile::Value::ofText(name))) {
            return 0;
        }
    }

    g.Code_File = fuzz::scratchPath("saved.cod");
    if (ws::SaveCodeFile(g, sp.platform) != textfile::kTrue) {
        fuzz::propertyFailed("a code set that was read could not be saved");
    }
    ws::Global& again = fuzz::reusedGlobal(1);
    again.Code_File = g.Code_File;
    if (ws::OpenCodeFile(again, sp.platform) != textfile::kTrue) {
        fuzz::propertyFailed("a saved code set was refused");
    }
    if (again.NumCodes != g.NumCodes) {
        fuzz::propertyFailed("a saved code set reads back with another count");
    }
    for (int row = 1; row <= g.NumCodes; ++row) {
        for (int field = 1; field <= 3; ++field) {
            if (again.CodeTable(field, row).asText() != g.CodeTable(field, row).asText()) {
                fuzz::propertyFailed("a saved code set reads back with another value");
            }
        }
    }
    for (int group = 0; group < 49; ++group) {
        if (again.GroupNames[group] != g.GroupNames[group]) {
            fuzz::propertyFailed("a saved code set reads back with another group name");
        }
    }
    return 0;
}
