#include "videocoder/core/ExportData.h"

#include "platform/CommandLine.h"
#include "textfile/Files.h"
#include "textfile/NumberText.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextCursor.h"
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
void putPrintSingle(textfile::TextCursor& out, float value) {
    out.put(value < 0 ? '-' : ' ');
    out.put(textfile::singleText(value < 0 ? -value : value));
    out.put(' ');
}

// A CSV cell: the text between double quotes, then a comma.
void appendQuoted(std::string& text, std::string_view cell) {
    text += '"';
    text += cell;
    text += "\",";
}
void putQuoted(textfile::TextCursor& out, std::string_view cell) {
    char* at = out.take(cell.size() + 3);
    *at++ = '"';
    at = textfile::TextCursor::copy(at, cell);
    *at++ = '"';
    *at = ',';
}

// Columns first..last - 1 (from 0) of a row quoted, then `rowEnd`, with room taken once for
// the row: only when every one of those cells is a text viewed in the row's line, as nearly
// every row read from a file is; false, nothing written, when one is not.
bool putViewedCells(textfile::TextCursor& out, const CellTable::RowCells& cells, int first, int last,
                    std::string_view rowEnd) {
    constexpr std::size_t kQuotesAndComma = 3;
    std::size_t size = rowEnd.size();
    std::string_view cell;
    for (int column = first; column < last; ++column) {
        if (!cells.viewedText(column, cell)) {
            return false;
        }
        size += cell.size() + kQuotesAndComma;
    }
    char* at = out.take(size);
    for (int column = first; column < last; ++column) {
        cells.viewedText(column, cell);
        *at++ = '"';
        at = textfile::TextCursor::copy(at, cell);
        *at++ = '"';
        *at++ = ',';
    }
    textfile::TextCursor::copy(at, rowEnd);
    return true;
}

// A cell as its text without a copy: a Text as it stands, a Number in its write form (made in
// `number`), Empty and Null as "". Columns past the row's stored ones are Empty.
std::string_view cellText(const CellTable::RowCells& cells, int column, int stored, std::string& number) {
    std::string_view viewed;
    if (column > stored) {
        return {};
    }
    if (cells.viewedText(column - 1, viewed)) {
        return viewed;
    }
    switch (cells.kind(column - 1)) {
    case Value::Kind::Text:
        return cells.text(column - 1);
    case Value::Kind::Number:
        number = textfile::doubleText(cells.number(column - 1));
        return number;
    case Value::Kind::Empty:
    case Value::Kind::Null:
        break;
    }
    return {};
}

std::string_view firstCharacter(std::string_view text) {
    return text.substr(0, 1);
}

std::string_view fromCharacter(std::string_view text, std::size_t position) { // counted from 1
    return position - 1 < text.size() ? text.substr(position - 1) : std::string_view();
}

// A code list holding no "[" in brackets, appended to `out`: 'a,b' gives '[a][b]', a blank one "".
void appendInBrackets(std::string& out, std::string_view codes) {
    const std::string_view trimmed = textfile::trimmedBlanks(codes);
    if (trimmed.empty()) {
        return;
    }
    out += '[';
    for (const char ch : trimmed) {
        if (ch == ',') {
            out += "][";
        } else {
            out += ch;
        }
    }
    out += ']';
}

// BracketCodes() of the codes appended to `out`.
void appendBracketed(std::string& out, std::string_view codes) {
    if (contains(codes, "[")) {
        out += codes;
        return;
    }
    appendInBrackets(out, codes);
}

bool isTerminator(char ch) {
    return kTerminators.find(ch) != std::string_view::npos;
}

// One utterance line as the speaker rule (gDoruActor) builds it, put at `out`; the
// bracketed codes are made in `bracketed`.
void putUtteranceLine(textfile::TextCursor& out, std::string_view codes, std::string_view text,
                      const VideoSettings& s, std::string& bracketed) {
    if (codes.empty()) {
        codes = " ";
    }
    if (text.empty()) {
        text = " ";
    }
    const bool speakerInCodes = s.gDoruActor == 1;
    // Codes already in brackets stand as they are, without a copy.
    std::string_view bracketedCodes = codes;
    if (!contains(codes, "[")) {
        bracketed.clear();
        if (speakerInCodes) {
            bracketed += firstCharacter(codes);
            appendInBrackets(bracketed, fromCharacter(codes, 3));
        } else {
            appendInBrackets(bracketed, codes);
        }
        bracketedCodes = bracketed;
    }
    const std::string_view trimmedText = textfile::trimmedBlanks(text);
    std::string_view speaker, words, codePart;
    switch (s.gDoruActor) {
    case 0:
        speaker = firstCharacter(text);
        words = textfile::trimmedBlanks(fromCharacter(text, 2));
        codePart = textfile::trimmedBlanks(bracketedCodes);
        break;
    case 1:
        speaker = firstCharacter(bracketedCodes);
        words = trimmedText;
        codePart = textfile::trimmedBlanks(fromCharacter(bracketedCodes, 2));
        break;
    default:
        speaker = textfile::trimmedBlanks(s.gDoruActorCode);
        words = trimmedText;
        codePart = textfile::trimmedBlanks(bracketedCodes);
        break;
    }
    std::string_view terminator = ".";
    if (trimmedText.empty()) {
        terminator = speakerInCodes ? " " : "";
        words = {};
    } else if (isTerminator(trimmedText.back())) {
        terminator = trimmedText.substr(trimmedText.size() - 1);
        if (!words.empty() && words.back() == terminator.front()) {
            words.remove_suffix(1);
        }
    }
    out.put(speaker);
    out.put(' ');
    out.put(words);
    out.put(' ');
    out.put(codePart);
    out.put(terminator);
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
    std::string bracketed;
    appendBracketed(bracketed, codes);
    return bracketed;
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
    for (int column = 0; column < columns; ++column) {
        appendQuoted(text, grid[column].title);
    }
    text += kLineEnd;
    const bool convert = s.gTimeConvert != 0;
    const CellTable& table = data.gData;
    const int stored = table.storedColumns();
    std::string number;
    // A guess at the size saves growing the text often, and room made too large is filled
    // for nothing: a little more than the data file as last read or saved, which quotes its
    // cells as the CSV does; else a few bytes a cell.
    const auto rowCount = static_cast<std::size_t>(std::max(rows, 0) + 1);
    textfile::TextCursor out(text, data.baseline.empty()
                                       ? rowCount * static_cast<std::size_t>(std::max(columns, 0)) * 6
                                       : data.baseline.view().size() * 5 / 4 + rowCount * 8);
    // Columns past the stored ones are Empty in every row: their cells and the line end are
    // one piece, and the columns before them are read without asking where each one lies.
    const int held = std::min(columns, stored);
    std::string rowEnd;
    for (int column = std::max(held, 0) + 1; column <= columns; ++column) {
        rowEnd += "\"\",";
    }
    rowEnd += kLineEnd;
    const int firstQuoted = convert && columns >= 1 ? 2 : 1;
    std::string time;
    for (int row = 1; row <= rows; ++row) {
        const CellTable::RowCells cells = table.rowCells(row);
        if (firstQuoted == 2) {
            time = cellText(cells, 1, stored, number);
            putPrintSingle(out, csvTimeNumber(time, s));
            out.put(',');
        }
        if (!putViewedCells(out, cells, firstQuoted - 1, held, rowEnd)) {
            for (int column = firstQuoted; column <= held; ++column) {
                putQuoted(out, cellText(cells, column, stored, number));
            }
            out.put(rowEnd);
        }
    }
    out.finish();
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
    const CellTable& table = data.gData;
    const int stored = table.storedColumns();
    std::string time, codes, words, bracketed;
    // A guess at the size saves growing the text often.
    textfile::TextCursor out(text, static_cast<std::size_t>(std::max(rows, 0)) * 64);
    for (int row = 1; row <= rows; ++row) {
        const CellTable::RowCells cells = table.rowCells(row);
        if (s.gDoruEXTimes == 0) {
            out.put("- ");
            out.put(cellText(cells, 1, stored, time));
            out.put(kLineEnd);
        }
        putUtteranceLine(out, cellText(cells, 2, stored, codes), cellText(cells, 3, stored, words), s,
                         bracketed);
        out.put(kLineEnd);
    }
    out.finish();
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
