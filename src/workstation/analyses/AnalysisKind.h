#pragma once
// Which analysis a run of the analysis dialog starts: the dialog's title is all the
// runner is told, so the title decides.

#include <string>

namespace ws {

enum class AnalysisKind : int {
    SecondAgreementFile = 0, // any other title: the file to compare to the first one
    DataFileChecking = 1,
    DataFileRecoding = 2,
    FrequencyAndDuration = 3,
    InterObserverAgreement = 4,
    MultiGroup = 5,
    Sequential = 6,
};

// Compares the title without its surrounding blanks, exactly and case-sensitively.
AnalysisKind analysisKindOf(const std::string& title);

} // namespace ws
