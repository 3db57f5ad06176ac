#pragma once
// Inter-observer agreement: compares the event files of two observers of one recording by
// the window method and by time-unit matching (with Cohen's Kappa), for one pair of files
// or for every pair of a list.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <string>

namespace ws {

// InputMode kSingleFileInput: DataFileName holds observer 1's file, character 13, observer 2's file.
// InputMode kListFileInput: DataFileName is a list of event files taken two at a time (1 and 2, 3 and
// 4, ...); an odd last entry is never read. Every section is appended to OutputFileName
// as soon as it is complete; a file the reader refuses ends the run after its error lines,
// and any other failure ends it with a message.
void InterObserverAgreement(Global& g, platform::Platform& p, AnalysisStatus& status,
                            std::int16_t kappaMatrixWanted);

// Splits a single pair's DataFileName at its first character 13. A name without it is no
// pair and fails with an invalid-argument error.
void splitPairNames(const std::string& joined, std::string& name1, std::string& name2);

} // namespace ws
