#pragma once
// The code-set file (.cod) and lookups in the code table.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ws {

// A code set read whole from its file, before it replaces the one in memory.
struct CodeSetContents {
    std::int16_t numCodes = 0;
    CodeTableData table;
    std::vector<std::string> groupNames; // groups 0.. as far as the file goes
};

struct CodeSetReading {
    bool read = false;
    std::string failure; // why the file was refused, as a sentence's end
    CodeSetContents contents;
};

// What OpenCodeFile does when the file Code_File names cannot be read: keep the code set in
// use (when settings are applied), or ask for another as when none is named (at start).
enum class WhenRefused { KeepInUse, AskForAnother };

// Reads Code_File into the code table, asking for a file when it is missing (or when
// Code_File is the escape character). True when a file was read. A file that cannot be
// read whole is refused with a message and leaves the table as it was; Code_File then
// names the file in use again.
std::int16_t OpenCodeFile(Global& g, platform::Platform& p, WhenRefused whenRefused = WhenRefused::KeepInUse);
// Reads the file and makes it the code set in use and Code_File, or refuses it with the
// message OpenCodeFile gives and changes nothing. True when it was read.
bool takeCodeFile(Global& g, platform::Dialogs& dialogs, const std::string& path);
// Reads a code-set file as it stands, with no dialog: the reading shared by OpenCodeFile
// and the stand-alone collector. A file that cannot be read whole is refused.
CodeSetReading readCodeSetFile(const std::string& path);
// Makes the contents the current code set (table, count and the names of the groups the
// file gave; names of groups past the file's end stay as they were).
void useCodeSet(CodeSet& set, CodeSetContents&& contents);
// Writes the code table to Code_File, asking for a name when it is empty; saved whole
// or not at all. True when written.
std::int16_t SaveCodeFile(Global& g, platform::Platform& p);
// The bytes SaveCodeFile writes for the code set.
std::string codeSetBytes(const CodeSet& set);
// Row of the code in the code table (exact match), or -1.
std::int16_t FindCode(const CodeSet& set, const std::string& code);
// The distinct group numbers of the code set in groups[1..count], ascending.
void ListCodeGroups(const CodeSet& set, std::int16_t& count, std::array<std::int16_t, 51>& groups);

} // namespace ws
