#include "videocoder/core/ImportData.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/LineEnds.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "videocoder/core/CodeLookup.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/TextCase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>
#include <utility>

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
// knows it (by code or description; no lookup when no set is open), otherwise in the column
// of its place in the list.
void fillCodeColumns(const Globals& g, const CodeLookup* lookup, const std::vector<std::string>& codes,
                     DataTable& data, int row) {
    for (int column = 2; column <= kLastCodeColumn; ++column) {
        const auto index = static_cast<std::size_t>(column - 2);
        const std::string code = trimBlanks(index < codes.size() ? codes[index] : std::string());
        int target = column;
        if (lookup != nullptr) {
            const std::int16_t found = lookup->find(code);
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
    // The code set the header opened, looked up through one index for every row.
    std::optional<CodeLookup> lookup;
    if (!g.codeSet.gCodeFileName.empty()) {
        lookup.emplace(g.codeSet);
    }
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
        fillCodeColumns(g, lookup ? &*lookup : nullptr, codes, data, row);
    }
    data.gRowCount = count;
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

// The next row at the end of gData, which holds gRowCount rows once addRow() made one.
int addRowAtEnd(DataTable& data) {
    data.gData.addRow();
    const int rows = data.gData.rows();
    data.gRowCount = Value::ofNumber(rows);
    return rows;
}

// Room for `rows` more rows, within twice the file's `bytes` in cells, so that a count or a
// guess read from a file never reserves more memory than the file can fill.
void reserveRowsFor(CellTable& table, std::size_t rows, std::size_t bytes) {
    const std::size_t cellBytes =
        sizeof(std::uint32_t) * static_cast<std::size_t>(std::max(table.storedColumns(), 1));
    table.reserveRows(static_cast<std::size_t>(table.rows()) + std::min(rows, bytes * 2 / cellBytes + 1));
}

// A table that holds one row and nothing in it (the open data before anything was typed) is
// made anew holding cells for the columns an import fills only: a transcript's three
// columns then cost twelve bytes a row, not two hundred. Its cells read as before.
void narrowBlankTable(CellTable& table, int columns) {
    if (table.rows() != 1 || table.storedColumns() <= columns) {
        return;
    }
    for (int column = 1; column <= table.storedColumns(); ++column) {
        if (table.kind(column, 1) != Value::Kind::Empty) {
            return;
        }
    }
    table.reset(table.columns(), 1, columns);
}

// An EVENTS file keeps every column that holds something when it is saved: gColCount widened,
// row by row, to the columns the rows read fill; the count is read once, at the first row.
class ColumnCountWidening {
public:
    explicit ColumnCountWidening(DataTable& data)
        : data_(data), events_(upperCase(data.gDataType) == "EVENTS") {}
    void to(int columns) {
        if (!events_) {
            return;
        }
        if (count_ < 0) {
            count_ = textfile::toInt32(data_.gColCount.asNumber());
        }
        if (columns > count_) {
            data_.gColCount = Value::ofNumber(columns);
            count_ = columns;
        }
    }

private:
    DataTable& data_;
    bool events_;
    int count_ = -1;
};

// A DORU transcript's lines run some 30 to 60 bytes; two make a row of three columns.
constexpr std::size_t kDoruBytesPerRow = 64;
constexpr int kDoruColumns = 3;

// The time DoruTimeOf() takes from a line, found without changing the line: none, or a
// text; braceComment when it came from a brace comment that then leaves the line.
struct DoruTime {
    bool none = true;
    std::string_view text;
    bool braceComment = false;
};

DoruTime doruTimeIn(std::string_view line) {
    if (!line.empty() && line.front() == '-') {
        return {false, textfile::trimmedBlanks(line.substr(1)), false};
    }
    const std::size_t open = line.find('{');
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t close = line.find('}', open + 1);
    if (close == std::string_view::npos) {
        return {false, {}, false}; // an unclosed brace holds no time
    }
    const std::string_view inside = line.substr(open + 1, close - open - 1);
    if (inside.find(':') == std::string_view::npos) {
        return {false, {}, false};
    }
    return {false, inside, true};
}

// One DORU row as it is read, over one or two lines: its time, codes and utterance as views
// into the kept bytes, or values of their own; put into the table in one call when the next
// row starts.
class DoruRow {
public:
    void start(int row) {
        row_ = row;
        count_ = 0;
        first_ = nullptr;
        last_ = nullptr;
        others_.clear();
    }
    void set(int column, std::string_view text) {
        texts_[static_cast<std::size_t>(column - 1)] = text;
        count_ = std::max(count_, column);
        if (!text.empty()) {
            first_ = first_ == nullptr ? text.data() : std::min(first_, text.data());
            last_ = std::max(last_, text.data() + text.size());
        }
    }
    void set(int column, Value value) {
        set(column, std::string_view());
        others_.push_back({column, std::move(value)});
    }
    void setTime(const DoruTime& time) {
        if (time.none) {
            set(1, Value::empty());
        } else {
            set(1, time.text);
        }
    }
    void putInto(CellTable& table) const {
        if (row_ == 0 || count_ == 0) {
            return;
        }
        table.putRowTexts(row_, std::string_view(first_, static_cast<std::size_t>(last_ - first_)),
                          texts_.data(), count_);
        for (const auto& [column, value] : others_) {
            table.at(column, row_) = value;
        }
    }

private:
    int row_ = 0;
    std::array<std::string_view, kDoruColumns> texts_;
    int count_ = 0;
    const char* first_ = nullptr;
    const char* last_ = nullptr;
    std::vector<std::pair<int, Value>> others_;
};

// The comma/quote fields of CSV bytes, as textfile::FieldReader reads them, as views into
// the bytes: blanks before a field skipped; a quoted field up to its closing quote or the
// line end, what follows it up to the delimiter dropped; a bare field up to a comma or line
// end, its trailing blanks dropped; the delimiter (a comma, CR LF, LF or a lone CR) taken.
class CsvFields {
public:
    explicit CsvFields(std::string_view bytes) : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    bool atEnd() const { return at_ == end_; }
    const char* at() const { return at_; }
    // The next field's text into `text`; true when it was quoted.
    bool next(std::string_view& text) {
        const char* at = at_;
        while (at != end_ && (*at == ' ' || *at == '\t')) {
            ++at;
        }
        bool quoted = false;
        if (at != end_ && *at == '"') {
            const char* const begin = ++at;
            while (at != end_ && *at != '"' && !lineEnd(*at)) {
                ++at;
            }
            text = std::string_view(begin, static_cast<std::size_t>(at - begin));
            quoted = true;
            if (at != end_ && *at == '"') {
                ++at;
            }
            while (at != end_ && *at != ',' && !lineEnd(*at)) {
                ++at;
            }
        } else {
            const char* const begin = at;
            while (at != end_ && *at != ',' && !lineEnd(*at)) {
                ++at;
            }
            const char* last = at;
            while (last != begin && (last[-1] == ' ' || last[-1] == '\t')) {
                --last;
            }
            text = std::string_view(begin, static_cast<std::size_t>(last - begin));
        }
        if (at != end_ && *at == ',') {
            ++at;
        } else {
            if (at != end_ && *at == '\r') {
                ++at;
            }
            if (at != end_ && *at == '\n') {
                ++at;
            }
        }
        at_ = at;
        return quoted;
    }

private:
    static bool lineEnd(char c) { return c == '\r' || c == '\n'; }
    const char* at_;
    const char* end_;
};

// A bare field as FieldReader::readValue() takes it: a whole number of up to 15 characters
// read directly (exact in a double), any other through the general parse.
bool bareNumber(std::string_view text, double& value) {
    constexpr std::size_t kExactLength = 15;
    if (text.size() <= kExactLength) {
        std::int64_t whole = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
        if (error == std::errc() && end == text.data() + text.size()) {
            value = whole == 0 && text.front() == '-' ? -0.0 : static_cast<double>(whole);
            return true;
        }
    }
    if (!textfile::isNumeric(text)) {
        return false;
    }
    value = textfile::leadingNumber(text);
    return true;
}

// The failure of reading a bare field as a number too large for a double; null for any
// other field.
std::exception_ptr overflowOf(std::string_view bare) {
    try {
        double number = 0;
        bareNumber(bare, number);
    } catch (const RunError&) {
        return std::current_exception();
    }
    return nullptr;
}

// One CSV row's fields as the table takes them: texts as views into the kept bytes, put in
// one call; the fields that are no text (nothing, #NULL#, a number) set after them.
class CsvRowCells {
public:
    void clear() { others_.clear(); }
    // Where the text of field `column` (1..kDataColumns) goes.
    std::string_view& text(int column) { return texts_[static_cast<std::size_t>(column - 1)]; }
    // Field `column` was bare: nothing, #NULL# and numbers are no texts. A number too large
    // for a double is not taken; its failure comes back to be thrown once the row is in.
    std::exception_ptr bare(int column) {
        const std::string_view text = texts_[static_cast<std::size_t>(column - 1)];
        double number = 0;
        if (text.empty()) {
            others_.push_back({column, Value::empty()});
        } else if (text == "#NULL#") {
            others_.push_back({column, Value::null()});
        } else {
            try {
                if (bareNumber(text, number)) {
                    others_.push_back({column, Value::ofNumber(number)});
                }
            } catch (const RunError&) {
                return std::current_exception();
            }
        }
        return nullptr;
    }
    // Columns 1..count into `row`, their fields all lying in `line`.
    void putInto(CellTable& table, int row, std::string_view line, int count) const {
        if (count == 0) {
            return;
        }
        table.putRowTexts(row, line, texts_.data(), count);
        for (const auto& [column, value] : others_) {
            if (column <= count) {
                table.at(column, row) = value;
            }
        }
    }

private:
    std::array<std::string_view, kDataColumns> texts_;
    std::vector<std::pair<int, Value>> others_;
};

} // namespace

Value DoruTimeOf(std::string& line) {
    const DoruTime found = doruTimeIn(line);
    Value time = found.none ? Value::empty() : Value::ofText(std::string(found.text));
    if (found.braceComment) {
        line.erase(static_cast<std::size_t>(found.text.data() - line.data()) - 1, found.text.size() + 2);
    }
    return time;
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
    appendDoruFile(std::string(bytes), data);
}

void appendDoruFile(std::string bytes, DataTable& data) {
    narrowBlankTable(data.gData, kDoruColumns);
    // The texts stay in the file's bytes, which the table keeps.
    const std::string_view kept = data.gData.keep(std::move(bytes));
    reserveRowsFor(data.gData, kept.size() / kDoruBytesPerRow + 1, kept.size());
    DoruRow pending;
    bool first = true;
    const auto startRow = [&] {
        pending.putInto(data.gData);
        pending.start(first ? addRow(data) : addRowAtEnd(data));
        first = false;
    };
    bool newRow = true;
    for (std::size_t at = textfile::byteOrderMarkLength(kept); at < kept.size();) {
        const std::size_t end = textfile::lineEndFrom(kept, at);
        const std::string_view line = kept.substr(at, end - at);
        at = textfile::pastLineEnd(kept, end);
        const bool timeLine =
            !line.empty() && line.front() == '-' && line.find(':') != std::string_view::npos;
        if (timeLine) {
            startRow();
            pending.setTime(doruTimeIn(line));
            newRow = false;
            continue;
        }
        if (!line.empty() && line.front() == '+') {
            continue;
        }
        const bool startsRow = newRow;
        if (startsRow) {
            startRow();
        }
        const DoruTime time = startsRow ? doruTimeIn(line) : DoruTime{};
        if (time.braceComment) {
            // The comment leaves the line, so its codes and utterance are texts of their own.
            std::string rest(line);
            pending.set(1, DoruTimeOf(rest));
            pending.set(2, Value::ofText(DoruCodesOf(rest)));
            pending.set(3, Value::ofText(std::move(rest)));
        } else {
            if (startsRow) {
                pending.setTime(time);
            }
            const std::size_t open = std::min(line.find('['), line.size());
            pending.set(2, line.substr(open));
            pending.set(3, line.substr(0, open));
        }
        newRow = true;
    }
    pending.putInto(data.gData);
}

void appendCsvRows(std::string_view bytes, DataTable& data) {
    appendCsvFile(std::string(bytes), data);
}

void appendCsvFile(std::string bytes, DataTable& data) {
    const std::string_view body = std::string_view(bytes).substr(textfile::byteOrderMarkLength(bytes));
    if (body.empty()) {
        throw RunError(textfile::kInputPastEndOfFile);
    }
    const std::size_t firstLine = std::min(body.find_first_of("\r\n"), body.size());
    const int fields = CountCommas(body.substr(0, firstLine)) + 1;
    narrowBlankTable(data.gData, std::min(fields, kDataColumns));
    // The texts stay in the file's bytes, which the table keeps.
    const std::string_view kept = data.gData.keep(std::move(bytes));
    CsvFields scan(kept.substr(textfile::byteOrderMarkLength(kept)));
    // As many rows as lines as long as the first, as a guess.
    reserveRowsFor(data.gData, kept.size() / (firstLine + 2) + 1, kept.size());
    ColumnCountWidening widen(data);
    CsvRowCells cells;
    int widest = 0;
    for (bool first = true; !scan.atEnd(); first = false) {
        const int row = first ? addRow(data) : addRowAtEnd(data);
        const char* const start = scan.at();
        cells.clear();
        std::exception_ptr failure;
        int taken = 0;         // the fields read whole; a row that fails keeps them
        std::string_view past; // a field past the last column
        for (int field = 1; field <= fields && !scan.atEnd(); ++field) {
            std::string_view& text = field <= kDataColumns ? cells.text(field) : past;
            const bool quoted = scan.next(text);
            const bool filled = !text.empty(); // Empty and "" are not
            if (filled) {
                widest = std::max(widest, field);
            }
            if (field > kDataColumns) {
                // A field is read as a value before its column is checked: a number too large
                // fails first.
                if (filled && (failure = quoted ? nullptr : overflowOf(text)) == nullptr) {
                    failure = std::make_exception_ptr(RunError(textfile::kSubscriptOutOfRange));
                }
                if (failure != nullptr) {
                    break;
                }
            } else if (!quoted && (failure = cells.bare(field)) != nullptr) {
                break;
            }
            taken = field;
        }
        cells.putInto(data.gData, row, std::string_view(start, static_cast<std::size_t>(scan.at() - start)),
                      std::min(taken, kDataColumns));
        if (failure != nullptr) {
            std::rethrow_exception(failure);
        }
        widen.to(std::min(widest, kDataColumns));
    }
}

void appendDataFileRows(std::string_view bytes, DataTable& data) {
    appendDataFile(std::string(bytes), data);
}

void appendDataFile(std::string bytes, DataTable& data) {
    DataFileReader reader{std::move(bytes)};
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
        narrowBlankTable(data.gData, columns);
        // The rows' texts stay in the file's bytes, which the table keeps.
        const std::size_t body = reader.position();
        const std::string_view kept = data.gData.keep(reader.takeBytes());
        reserveRowsFor(data.gData, static_cast<std::size_t>(std::max(rows, 0)), kept.size() - body);
        ColumnCountWidening widen(data);
        textfile::QvdRow split;
        std::size_t at = body;
        for (int n = 1; n <= rows; ++n) {
            if (at >= kept.size()) {
                throw RunError(textfile::kInputPastEndOfFile);
            }
            const std::size_t end = textfile::lineEndFrom(kept, at);
            const std::string_view line = kept.substr(at, end - at);
            at = textfile::pastLineEnd(kept, end);
            textfile::splitQvdRow(line, split, columns);
            const int row = n == 1 ? addRow(data) : addRowAtEnd(data);
            data.gData.putRowTexts(row, line, &split.fields[1], columns);
            widen.to(columns);
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
    appendDoruFile(std::move(bytes), g.data);
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
    importIntoOpenData(links, path, [&](std::string bytes) { appendCsvFile(std::move(bytes), g.data); });
}

void MergeDataFile(Globals& g, CoderLinks& links) {
    const std::string path = askForSource(links.dialogs, "Open the data file to import...",
                                          "Vintrosa data files (*.qvd)|*.qvd|All Files (*.*)|*.*");
    if (path.empty()) {
        return;
    }
    importIntoOpenData(links, path, [&](std::string bytes) { appendDataFile(std::move(bytes), g.data); });
}

void openImportedData(Globals& g, CoderLinks& links) {
    g.open.gDataOpen = kTrue;
    links.refreshDataGrid();
    armAutoSaveTimer(g.settings, links.dataFrm.port());
}

} // namespace vc
