#pragma once
// What the agreement sections share: the report date, the file-name lines of the
// time-unit headers, quoted texts and the print form of single-precision figures.

#include "platform/Clock.h"
#include "textfile/ReportText.h"

#include <functional>
#include <string>
#include <string_view>

namespace ws {

struct AgreementPair;

// mm-dd-yyyy from the clock.
std::string agreementReportDate(platform::Clock& clock);

// " File name 1: a.eve                   Group: 2", observer 1's header, the same for observer 2.
void writeGroupFileLines(textfile::ReportText& out, const AgreementPair& pair, int group);

std::string quoted(std::string_view text);
// Print form of a single: sign place, the shortest digits that read back, one blank.
std::string printSingle(float value);

// Builds one section and appends it to the report file. What was built before a failure
// is still appended, then the failure goes on to the run's handler.
void appendReportSection(const std::string& path, const std::function<void(textfile::ReportText&)>& build);

} // namespace ws
