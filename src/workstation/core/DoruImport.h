#pragma once
// DORU transcripts (.slt): utterances with a speaker letter, bracketed codes and times from
// time lines and braces, made into events one per code or, with a translation file, one per
// utterance that a translation line fits.

#include "workstation/core/DataFileRead.h"

#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxUtterances = 5000;
inline constexpr int kMaxUtteranceEntries = 50;
inline constexpr int kMaxTranslationLines = 100;
inline constexpr int kMaxTranslationFields = 50;

struct DoruUtterance {
    std::string timeText;
    std::vector<std::string> entries; // the speaker letter first, then "[code]" in lower case
};

// The utterances of a transcript, 1..n as elements 0..n-1. Past the table's limits it throws
// RunError 9.
std::vector<DoruUtterance> ParseDoruFile(const std::string& fileName);
// The non-blank lines of a translation file, each as its fields: the event code first.
std::vector<std::vector<std::string>> readDoruTranslation(const std::string& fileName);
// Whether every code of records 1..times(0) - 1 is in the code table; a warning naming
// `importedFile` for each one that is not.
bool CheckDoruCodes(const CodeSet& codeSet, const SlotWriter& slot, const std::string& importedFile,
                    const EntrySink& warn);

// Imports a transcript into the slot as ReadEventFile asks.
EventReadResult ImportDoruFile(const DataFileRead& read);

} // namespace ws
