#pragma once
// DORU transcripts (.slt): utterances with a speaker letter, bracketed codes and times from
// time lines and braces, made into events one per code or, with a translation file, one per
// utterance that a translation line fits.

#include "workstation/core/DataFileRead.h"

#include <string>

namespace ws {

// Whether every code of records 1..times(0) - 1 is in the code table; a warning naming
// `importedFile` for each one that is not.
bool CheckDoruCodes(const CodeSet& codeSet, const SlotWriter& slot, const std::string& importedFile,
                    const EntrySink& warn);

// Imports a transcript into the slot as ReadEventFile asks.
EventReadResult ImportDoruFile(const DataFileRead& read);

} // namespace ws
