#include "workstation/analyses/AgreementReportText.h"

#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "workstation/analyses/AgreementPair.h"

namespace ws {

std::string agreementReportDate(platform::Clock& clock) {
    const platform::DateTime now = clock.now();
    return textfile::reportDate(now.year, now.month, now.day);
}

void writeGroupFileLines(textfile::ReportText& out, const AgreementPair& pair, int group) {
    out.line(" File name 1: " + textfile::FileNameOnly(pair.name1) +
             "                   Group: " + std::to_string(group));
    out.line(" " + pair.header1);
    out.line(" File name 2: " + textfile::FileNameOnly(pair.name2));
    out.line(" " + pair.header2);
}

std::string quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string printSingle(float value) {
    const std::string digits = textfile::singleText(value);
    return (digits.front() == '-' ? digits : " " + digits) + " ";
}

void appendReportSection(const std::string& path, const std::function<void(textfile::ReportText&)>& build) {
    textfile::ReportText out;
    try {
        build(out);
    } catch (...) {
        textfile::appendToFile(path, out.bytes());
        throw;
    }
    textfile::appendToFile(path, out.bytes());
}

} // namespace ws
