#include "videocoder/core/ImportData.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/TextCase.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vc {
namespace {

using textfile::RunError;
using textfile::Value;

constexpr int kTranscriptCodes = 50;
constexpr int kLastCodeColumn = 48;
constexpr int kUtteranceColumn = 49;
constexpr int kLastImportSizedColumn = 10;

// The rows gData holds for gRowCount, one more added at the end; its number.
int addRow(DataTable& data) {
    const int rows = std::max(textfile::toInt32(data.gRowCount.asNumber()), 0);
    data.gData.resizeRows(rows + 1);
    data.gRowCount = Value::ofNumber(rows + 1);
    return rows + 1;
}

// Refuses the transcript imports while a data file is named.
bool refusedWhileNamed(const Globals& g, platform::Dialogs& dialogs) {
    if (g.data.gFileName.empty()) {
        return false;
    }
    dialogs.messageBox("Close the current data file first.", kProgramTitle, platform::Buttons::OK,
                       platform::Icon::None);
    return true;
}

std::string askForSource(platform::Dialogs& dialogs, const std::string& title, const std::string& filter) {
    return dialogs.openFile({title, filter, "", "", kFileDialogFlags});
}

void showLoadFailure(platform::Dialogs& dialogs, const RunError& e, const std::string& path, int line) {
    dialogs.messageBox(loadFailureText(e, path, line), kErrorTitle, platform::Buttons::OK,
                       platform::Icon::Critical);
}

// The coding window laid out anew for the type the data now has.
void layOutFor(Globals& g, CoderLinks& links, const std::string& type) {
    g.data.gDataType = type;
    links.dataFrm.FG1 = GridLayout{};
    links.dataFrm.markUnloaded();
    links.dataFrm.ensureLoaded(g);
}

// A cell that a text is appended to: Empty and Null count as "".
void appendTo(CellTable::CellRef cell, const std::string& text) {
    cell = Value::ofText(cell.asText() + text);
}

// The code columns of one transcript row: each code in its group's column when the code set
// knows it (by code or description), otherwise in the column of its place in the list.
void fillCodeColumns(const Globals& g, bool codeSetOpen, const std::vector<std::string>& codes,
                     DataTable& data, int row) {
    for (int column = 2; column <= kLastCodeColumn; ++column) {
        const auto index = static_cast<std::size_t>(column - 2);
        const std::string code = trimBlanks(index < codes.size() ? codes[index] : std::string());
        int target = column;
        if (codeSetOpen) {
            const std::int16_t found = FindCode(g.codeSet, code);
            if (found > 0) {
                target = textfile::toInt16(g.codeSet.gCodes.at(3, found).asNumber()) + 2;
            }
        }
        appendTo(data.gData.at(target, row), code);
    }
}

// The EVENTS rows of a transcript body.
void readTranscriptAsEvents(DataFileReader& reader, Globals& g) {
    DataTable& data = g.data;
    const Value count = reader.readCountLine();
    const std::int32_t rows = textfile::toInt32(count.asNumber());
    if (rows < 1) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    data.gData.reset(kDataColumns, 1);
    data.gRowCount = Value::ofNumber(0);
    const bool codeSetOpen = !g.codeSet.gCodeFileName.empty();
    std::string time, text;
    std::vector<std::string> codes;
    for (int row = 1; row <= rows; ++row) {
        const std::string_view line = reader.nextLine();
        if (row > 1) {
            data.gData.addRow();
        }
        data.gRowCount = Value::ofNumber(row);
        if (line == ",,") {
            continue;
        }
        SplitTranscriptCodes(line, time, text, codes);
        data.gData.at(1, row) = Value::ofText(time);
        data.gData.at(kUtteranceColumn, row) = Value::ofText(text);
        fillCodeColumns(g, codeSetOpen, codes, data, row);
    }
    data.gRowCount = count;
}

bool emptyField(const Value& value) {
    return value.kind == Value::Kind::Empty || (value.isText() && value.text.empty());
}

// A row's fields into its columns: past column 50 only empty fields (the trailing comma of a
// 50-column export) may stand.
void putField(DataTable& data, int column, int row, Value value) {
    if (column > kDataColumns) {
        if (emptyField(value)) {
            return;
        }
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    data.gData.at(column, row) = std::move(value);
}

// An EVENTS file keeps every column that holds something when it is saved.
void widenColumnCount(DataTable& data, int columns) {
    if (upperCase(data.gDataType) == "EVENTS" && columns > textfile::toInt32(data.gColCount.asNumber())) {
        data.gColCount = Value::ofNumber(columns);
    }
}

// Runs an import into the open data: the rows read by a failure stay, and the grid shows them.
template <class Read> void importIntoOpenData(CoderLinks& links, const std::string& path, Read&& read) {
    try {
        read(textfile::readWholeFile(path));
    } catch (const RunError& e) {
        showLoadFailure(links.dialogs, e, path, 0);
    }
    links.dataFrm.port().autoSize(0, kLastSizedColumn);
    links.dataFrm.port().refresh();
}

} // namespace

Value DoruTimeOf(std::string& line) {
    if (!line.empty() && line.front() == '-') {
        return Value::ofText(trimBlanks(std::string_view(line).substr(1)));
    }
    const std::size_t open = line.find('{');
    if (open == std::string::npos) {
        return Value::empty();
    }
    const std::size_t close = line.find('}', open + 1);
    if (close == std::string::npos) {
        return Value::ofText(""); // an unclosed brace holds no time
    }
    std::string inside = line.substr(open + 1, close - open - 1);
    if (inside.find(':') == std::string::npos) {
        return Value::ofText("");
    }
    line.erase(open, close - open + 1);
    return Value::ofText(std::move(inside));
}

std::string DoruCodesOf(std::string& line) {
    const std::size_t open = line.find('[');
    if (open == std::string::npos) {
        return {};
    }
    std::string codes = line.substr(open);
    line.erase(open);
    return codes;
}

void SplitTranscriptCodes(std::string_view line, std::string& time, std::string& text,
                          std::vector<std::string>& codes) {
    std::string field;
    SplitTranscriptLine(line, time, field, text);
    codes.clear();
    for (const char ch : field) {
        if (ch == '[') {
            codes.emplace_back();
        } else if (ch != ']' && !codes.empty()) {
            codes.back().push_back(ch);
        }
    }
    if (codes.size() > static_cast<std::size_t>(kTranscriptCodes)) {
        codes.resize(kTranscriptCodes);
    }
}

std::int16_t CountCommas(std::string_view text) {
    return textfile::toInt16(static_cast<double>(std::count(text.begin(), text.end(), ',')));
}

void appendDoruRows(std::string_view bytes, DataTable& data) {
    textfile::FieldReader in{std::string(bytes)};
    bool newRow = true;
    int row = 0;
    while (!in.atEnd()) {
        std::string line = in.readLine();
        const bool timeLine = !line.empty() && line.front() == '-' && line.find(':') != std::string::npos;
        if (timeLine) {
            row = addRow(data);
            data.gData.at(1, row) = DoruTimeOf(line);
            newRow = false;
            continue;
        }
        if (!line.empty() && line.front() == '+') {
            continue;
        }
        if (newRow) {
            row = addRow(data);
            data.gData.at(1, row) = DoruTimeOf(line);
        }
        data.gData.at(2, row) = Value::ofText(DoruCodesOf(line));
        data.gData.at(3, row) = Value::ofText(std::move(line));
        newRow = true;
    }
}

void appendCsvRows(std::string_view bytes, DataTable& data) {
    const std::string_view body = bytes.substr(textfile::byteOrderMarkLength(bytes));
    if (body.empty()) {
        throw RunError(textfile::kInputPastEndOfFile);
    }
    const int fields = CountCommas(body.substr(0, body.find_first_of("\r\n"))) + 1;
    textfile::FieldReader in{std::string(bytes)};
    int widest = 0;
    while (!in.atEnd()) {
        const int row = addRow(data);
        for (int field = 1; field <= fields && !in.atEnd(); ++field) {
            Value value = in.readValue();
            if (!emptyField(value)) {
                widest = std::max(widest, field);
            }
            putField(data, field, row, std::move(value));
        }
        widenColumnCount(data, std::min(widest, kDataColumns));
    }
}

void appendDataFileRows(std::string_view bytes, DataTable& data) {
    DataFileReader reader{std::string(bytes)};
    reader.readType();
    std::array<std::string, kHeaderFields> header;
    reader.readHeader(header);
    const std::string type = upperCase(data.gDataType);
    if (type == "EVENTS") {
        const std::int32_t rows = textfile::toInt32(reader.readCountLine().asNumber());
        const std::int32_t columns = textfile::toInt32(reader.readCountLine().asNumber());
        if (columns < 1 || columns > kDataColumns) {
            throw RunError(textfile::kSubscriptOutOfRange);
        }
        // The rows' texts stay in the file's bytes, which the table keeps.
        const std::string_view read = reader.bytes();
        const std::string_view kept = data.gData.keep(std::string(read));
        textfile::QvdRow split;
        for (int n = 1; n <= rows; ++n) {
            const std::string_view line = reader.nextLine();
            const std::string_view keptLine =
                kept.substr(static_cast<std::size_t>(line.data() - read.data()), line.size());
            textfile::splitQvdRow(keptLine, split, columns);
            const int row = addRow(data);
            data.gData.putRowTexts(row, keptLine, &split.fields[1], columns);
            widenColumnCount(data, columns);
        }
    } else if (type == "TRANSCRIPT") {
        const std::int32_t rows = textfile::toInt32(reader.readCountLine().asNumber());
        for (int n = 1; n <= rows; ++n) {
            const std::string_view line = reader.nextLine();
            putTranscriptRow(data, addRow(data), line);
        }
    }
}

bool ImportDoru(Globals& g, CoderLinks& links) {
    if (refusedWhileNamed(g, links.dialogs)) {
        return false;
    }
    const std::string path = askForSource(links.dialogs, "Open the DORU file...",
                                          "DORU data files (*.slt)|*.slt|All Files (*.*)|*.*");
    if (path.empty()) {
        return false;
    }
    std::string bytes;
    try {
        bytes = textfile::readWholeFile(path);
    } catch (const RunError& e) {
        showLoadFailure(links.dialogs, e, path, 0);
        return false;
    }
    g.data.gFileName = textfile::companionName(path, ".qvd");
    g.data.unconfirmedName = g.data.gFileName;
    layOutFor(g, links, "TRANSCRIPT");
    appendDoruRows(bytes, g.data);
    links.dataFrm.port().autoSize(0, kLastImportSizedColumn);
    return true;
}

bool TranscriptToEvents(Globals& g, CoderLinks& links) {
    if (refusedWhileNamed(g, links.dialogs)) {
        return false;
    }
    const std::string path = askForSource(links.dialogs, "Open the Transcription file...",
                                          "Vintro data files (*.qvd)|*.qvd|All Files (*.*)|*.*");
    if (path.empty()) {
        return false;
    }
    DataTable& data = g.data;
    const std::string previousName = data.gFileName;
    const std::string previousType = data.gDataType;
    const auto restore = [&] {
        data.gFileName = previousName;
        data.unconfirmedName.clear();
        data.gDataType = previousType;
    };
    data.gFileName = textfile::companionName(path, "-events.qvd");
    data.unconfirmedName = data.gFileName;
    std::optional<DataFileReader> reader;
    try {
        reader.emplace(textfile::readWholeFile(path));
        if (reader->readType() != "TRANSCRIPT") {
            links.dialogs.messageBox("File is not a valid Vintro transcript file...", kProgramTitle,
                                     platform::Buttons::OK, platform::Icon::None);
            restore();
            return false;
        }
        layOutFor(g, links, "EVENTS");
        reader->readHeader(links.dataFrm.Text1);
        openHeaderFiles(g, links);
        readTranscriptAsEvents(*reader, g);
    } catch (const RunError& e) {
        showLoadFailure(links.dialogs, e, path, reader ? reader->line() : 0);
        ClearData(data);
        restore();
        return false;
    }
    // Every code column is kept by the first save, whatever width an earlier file left.
    data.gColCount = Value::ofNumber(kDataColumns);
    links.dataFrm.port().autoSize(0, kLastImportSizedColumn);
    return true;
}

void ImportCsv(Globals& g, CoderLinks& links) {
    const std::string path = askForSource(links.dialogs, "Open the CSV data file to import...",
                                          "Comma Seperated Data files (*.csv)|*.csv|All Files (*.*)|*.*");
    if (path.empty()) {
        return;
    }
    importIntoOpenData(links, path, [&](const std::string& bytes) { appendCsvRows(bytes, g.data); });
}

void MergeDataFile(Globals& g, CoderLinks& links) {
    const std::string path = askForSource(links.dialogs, "Open the data file to import...",
                                          "Vintrosa data files (*.qvd)|*.qvd|All Files (*.*)|*.*");
    if (path.empty()) {
        return;
    }
    importIntoOpenData(links, path, [&](const std::string& bytes) { appendDataFileRows(bytes, g.data); });
}

void openImportedData(Globals& g, CoderLinks& links) {
    g.open.gDataOpen = kTrue;
    links.refreshDataGrid();
    armAutoSaveTimer(g.settings, links.dataFrm.port());
}

} // namespace vc
