#include "videocoder/core/ExportData.h"

#include "platform/CommandLine.h"
#include "textfile/Files.h"
#include "textfile/NumberText.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/SortData.h"
#include "videocoder/core/TextCase.h"
#include "videocoder/core/TimeConversion.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vc {
namespace {

using textfile::RunError;
using textfile::Value;
const std::string kLineEnd(textfile::kLineEnd);

const std::string kExportErrorTitle = "Error Exporting";
constexpr std::string_view kTerminators = ">.?!";
constexpr int kStartTimeField = 9;
constexpr int kEndTimeField = 10;

const std::array<const char*, kHeaderFields> kDoruLabels = {
    "Subject ID: ",     "Session Date: ", "Session Time: ",  "Location: ",  "Session Code: ",
    "Observer/Coder: ", "Notes: ",        "Vid File: ",      "Code File: ", "Start Frame: ",
    "End Frame: ",      "Date Started: ", "Date Completed: "};

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The lines of a text, at CR LF, LF or CR.
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    return lines;
}

// Print form of a single: the sign place, the shortest digits that read back, a blank.
std::string printSingle(float value) {
    return value < 0 ? "-" + textfile::singleText(-value) + " " : " " + textfile::singleText(value) + " ";
}

// A CSV cell: the text between double quotes, then a comma.
void appendQuoted(std::string& text, const std::string& cell) {
    text += '"';
    text += cell;
    text += "\",";
}

std::string cellText(const DataTable& data, int column, int row) {
    return data.gData.at(column, row).asText(); // Null and Empty as ""
}

std::string firstCharacter(const std::string& text) {
    return text.substr(0, 1);
}

std::string fromCharacter(const std::string& text, std::size_t position) { // counted from 1
    return position - 1 < text.size() ? text.substr(position - 1) : std::string();
}

// One utterance line as the speaker rule (gDoruActor) builds it.
std::string utteranceLine(std::string codes, std::string text, const VideoSettings& s) {
    if (codes.empty()) {
        codes = " ";
    }
    if (text.empty()) {
        text = " ";
    }
    const bool speakerInCodes = s.gDoruActor == 1;
    if (contains(codes, "[") || !speakerInCodes) {
        codes = BracketCodes(codes);
    } else {
        codes = firstCharacter(codes) + BracketCodes(fromCharacter(codes, 3));
    }
    const std::string trimmedText = trimBlanks(text);
    std::string speaker, words, codePart;
    switch (s.gDoruActor) {
    case 0:
        speaker = firstCharacter(text);
        words = trimBlanks(fromCharacter(text, 2));
        codePart = trimBlanks(codes);
        break;
    case 1:
        speaker = firstCharacter(codes);
        words = trimmedText;
        codePart = trimBlanks(fromCharacter(codes, 2));
        break;
    default:
        speaker = trimBlanks(s.gDoruActorCode);
        words = trimmedText;
        codePart = trimBlanks(codes);
        break;
    }
    std::string terminator = ".";
    if (trimmedText.empty()) {
        terminator = speakerInCodes ? " " : "";
        words.clear();
    } else if (contains(kTerminators, trimmedText.substr(trimmedText.size() - 1))) {
        terminator = trimmedText.substr(trimmedText.size() - 1);
        if (!words.empty() && words.back() == terminator.front()) {
            words.pop_back();
        }
    }
    return speaker + " " + words + " " + codePart + terminator;
}

void showExportError(platform::Dialogs& dialogs, const RunError& e, const std::string& path) {
    dialogs.messageBox(failureText("", e, path), kExportErrorTitle, platform::Buttons::OK,
                       platform::Icon::Critical);
}

// Starts the helper program on the exported file; false, said in a box, when it cannot start.
bool openInHelper(platform::Dialogs& dialogs, platform::Launcher& launcher, const std::string& helperApp,
                  const std::string& path) {
    const std::vector<std::string> argv = exportHelperArguments(helperApp, path);
    const std::string commandLine = helperApp + " \"" + path + "\"";
    const platform::QuickFailure tellFailure = [&dialogs, commandLine](int exitCode) {
        dialogs.messageBox(commandLine + "\r\nended with an error (exit code " + std::to_string(exitCode) +
                               ") and may not have opened the file.",
                           kExportErrorTitle, platform::Buttons::OK, platform::Icon::Critical);
    };
    if (!argv.front().empty() && launcher.start(argv, tellFailure)) {
        return true;
    }
    dialogs.messageBox(textfile::describeError(textfile::kFileNotFound) + "\r\n" + commandLine,
                       kExportErrorTitle, platform::Buttons::OK, platform::Icon::Critical);
    return false;
}

} // namespace

std::string BuildExportHeader(int mode, const HeaderFields& header, const VideoSettings& s) {
    std::string text;
    if (mode == 1) {
        for (int field = 0; field < kHeaderFields; ++field) {
            text += (field > 0 ? ",\"" : "\"") + header[field] + "\"";
        }
    } else if (mode == 2) {
        text = s.gDoruFirstLine + kLineEnd;
        for (int field = 0; field < kHeaderFields; ++field) {
            if (field != kNotesField) {
                text += "+ " + std::string(kDoruLabels[field]) + header[field] + kLineEnd;
                continue;
            }
            // Further notes lines carry "+ " too, or DORU readers would take them for utterances.
            const std::vector<std::string> lines = linesOf(header[field]);
            text += "+ " + std::string(kDoruLabels[field]) + lines.front() + kLineEnd;
            for (std::size_t line = 1; line < lines.size(); ++line) {
                if (!isBlank(lines[line])) {
                    text += "+ " + lines[line] + kLineEnd;
                }
            }
        }
        text += "- " + header[kStartTimeField];
    }
    return text;
}

std::string BracketCodes(const std::string& codes) {
    if (contains(codes, "[")) {
        return codes;
    }
    const std::string trimmed = trimBlanks(codes);
    if (trimmed.empty()) {
        return {};
    }
    std::string bracketed = "[";
    for (const char ch : trimmed) {
        bracketed += ch == ',' ? std::string("][") : std::string(1, ch);
    }
    return bracketed + "]";
}

std::string defaultExportName(const std::string& fileName, bool events) {
    std::string name = FileNameOf(fileName);
    if (name.size() >= 4 && lowerCase(name.substr(name.size() - 4)) == ".qvd") {
        name.erase(name.size() - 4);
    }
    return name + (events ? ".csv" : ".slt");
}

float csvTimeNumber(const std::string& time, const VideoSettings& s) {
    if (contains(time, ".")) {
        return textfile::toSingle(static_cast<double>(TimeTextToSeconds(time, s)) * 100);
    }
    if (contains(time, ":")) {
        return static_cast<float>(TimecodeToFrames(time, s));
    }
    if (isBlank(time)) {
        return 0;
    }
    if (!textfile::isNumeric(time)) {
        throw RunError(textfile::kTypeMismatch, textfile::describeError(textfile::kTypeMismatch),
                       "The time \"" + time + "\" cannot be read.");
    }
    return textfile::toSingle(textfile::leadingNumber(time));
}

std::string csvExportText(const DataTable& data, const GridLayout& grid, const HeaderFields& header,
                          const VideoSettings& s) {
    const int columns = textfile::toInt32(data.gColCount.asNumber());
    const int rows = textfile::toInt32(data.gRowCount.asNumber());
    if (columns > data.gData.columns() || rows > data.gData.rows()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    std::string text;
    // Most cells are short: a guess at the size saves copying the text as it grows.
    text.reserve(static_cast<std::size_t>(std::max(rows, 0) + 2) *
                 static_cast<std::size_t>(std::max(columns, 0)) * 6);
    for (int column = 0; column < columns; ++column) {
        appendQuoted(text, grid[column].title);
    }
    text += kLineEnd;
    const bool convert = s.gTimeConvert != 0;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            const Value& cell = data.gData.at(column, row);
            if (column == 1 && convert) {
                text += printSingle(csvTimeNumber(cell.asText(), s));
                text += ',';
            } else {
                appendQuoted(text, cell.isText() ? cell.text : cell.asText());
            }
        }
        text += kLineEnd;
    }
    if (s.gExportHeader != 0) {
        text += BuildExportHeader(1, header, s) + kLineEnd;
    }
    return text;
}

std::string doruExportText(const DataTable& data, const HeaderFields& header, const VideoSettings& s) {
    const int rows = textfile::toInt32(data.gRowCount.asNumber());
    if (rows > data.gData.rows()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    std::string text = BuildExportHeader(2, header, s) + kLineEnd;
    for (int row = 1; row <= rows; ++row) {
        if (s.gDoruEXTimes == 0) {
            text += "- " + cellText(data, 1, row) + kLineEnd;
        }
        text += utteranceLine(cellText(data, 2, row), cellText(data, 3, row), s) + kLineEnd;
    }
    text += "- " + trimBlanks(header[kEndTimeField]) + kLineEnd;
    return text;
}

std::vector<std::string> exportHelperArguments(const std::string& helperApp, const std::string& file) {
    std::vector<std::string> argv = platform::splitCommandLine(helperApp);
    if (argv.empty()) {
        argv.emplace_back(); // no program named: nothing can be started
    }
    argv.push_back(file);
    return argv;
}

void ExportData(Globals& g, CoderLinks& links, const ExportServices& services) {
    VideoSettings& s = g.settings;
    LoadSettings(s, services.settings);
    const std::string type = upperCase(g.data.gDataType);
    const bool events = type == "EVENTS";
    if (!events && type != "TRANSCRIPT") {
        return;
    }
    platform::Dialogs& dialogs = links.dialogs;
    const std::string filter = events ? "Comma Seperated files (*.csv)|*.csv|All Files (*.*)|*.*"
                                      : "DORU files (*.slt)|*.slt|All Files (*.*)|*.*";
    const std::string path =
        dialogs.saveFile({"Name the export file...", filter, defaultExportName(g.data.gFileName, events),
                          events ? ".csv" : ".slt", kSaveDialogFlags});
    if (path.empty()) {
        return;
    }
    CodingWindowModel& window = links.dataFrm;
    try {
        if (!events) {
            SortData(g, links, 1, 0);
        }
        const std::string text = events ? csvExportText(g.data, window.FG1, window.Text1, s)
                                        : doruExportText(g.data, window.Text1, s);
        textfile::saveFileAtomically(path, text);
    } catch (const RunError& e) {
        showExportError(dialogs, e, path);
        return;
    }
    if (events && s.gOpenCsv != 0) {
        openInHelper(dialogs, services.launcher, s.gHelperApp, path);
        return;
    }
    dialogs.messageBox(path + " created", kProgramTitle, platform::Buttons::OK, platform::Icon::None);
}

} // namespace vc
