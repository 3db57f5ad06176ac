#include "workstation/analyses/AnalysisKind.h"

#include <array>
#include <string_view>
#include <utility>

namespace ws {
namespace {

constexpr std::array<std::pair<std::string_view, AnalysisKind>, 6> kTitles{{
    {"Data File Checking", AnalysisKind::DataFileChecking},
    {"Data File Recoding", AnalysisKind::DataFileRecoding},
    {"Frequency and Duration", AnalysisKind::FrequencyAndDuration},
    {"Inter-Observer Agreement", AnalysisKind::InterObserverAgreement},
    {"Multi-Group Frequencies and Durations", AnalysisKind::MultiGroup},
    {"Sequential Analysis", AnalysisKind::Sequential},
}};

std::string_view trimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

AnalysisKind analysisKindOf(const std::string& title) {
    const std::string_view trimmed = trimmedBlanks(title);
    for (const auto& [text, kind] : kTitles) {
        if (trimmed == text) {
            return kind;
        }
    }
    return AnalysisKind::SecondAgreementFile;
}

} // namespace ws
