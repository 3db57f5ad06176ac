#include "videocoder/core/DataFile.h"

#include "platform/SavedFile.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/QvdRow.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/TextCase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <type_traits>

namespace vc {
namespace {

using textfile::RunError;
using textfile::Value;

const std::string kDataFilter = "Vintrosa data files (*.qvd)|*.qvd|All Files (*.*)|*.*";
constexpr std::string_view kNotesOpen = "<notes>";
constexpr std::string_view kNotesClose = "</notes>";

// A count as written: the text it was read from, or a number the program set in print form.
std::string countText(const Value& count) {
    return count.isText() ? count.text : textfile::printNumber(count.asNumber());
}

// A count read from its line: the whole line a number, kept as the text read.
Value readCount(const std::string& line) {
    if (!textfile::isNumeric(line)) {
        throw RunError(textfile::kTypeMismatch);
    }
    return Value::ofText(line);
}

std::int32_t wholeCount(const Value& count) {
    return textfile::toInt32(count.asNumber());
}

// The bytes a data file's text is compared with as it is written, none of it kept: a file
// read or saved is checked against the text a save would write without making that text.
class MatchingText {
public:
    // `stopEarly`: the writer may stop at the first row that differs (leaving later Null
    // cells as they are, which a save then writes in full).
    explicit MatchingText(std::string_view expected, bool stopEarly = false)
        : expected_(expected), stopEarly_(stopEarly) {}
    bool stopped() const { return stopEarly_ && !same_; }
    void append(std::string_view piece) {
        // A row written as its line read lies where it is expected: nothing to compare.
        const bool inPlace = piece.data() == expected_.data() + at_ && at_ + piece.size() <= expected_.size();
        same_ = same_ && (inPlace || expected_.substr(at_, piece.size()) == piece);
        at_ += piece.size();
    }
    void push_back(char ch) { append(std::string_view(&ch, 1)); }
    MatchingText& operator+=(std::string_view piece) {
        append(piece);
        return *this;
    }
    MatchingText& operator+=(char ch) {
        push_back(ch);
        return *this;
    }
    bool matches() const { return same_ && at_ == expected_.size(); }

private:
    std::string_view expected_;
    bool stopEarly_;
    std::size_t at_ = 0;
    bool same_ = true;
};

// Whether the writer may stop: a comparison found a difference.
template <class Out> bool stopped(const Out& text) {
    if constexpr (std::is_same_v<Out, MatchingText>) {
        return text.stopped();
    } else {
        return false;
    }
}

template <class Out> void appendLine(Out& text, std::string_view line) {
    text += line;
    text += textfile::kLineEnd;
}

// A cell in the quoted style of all but the last column: text in quotes, a number bare,
// never filled as nothing. Null cells were made empty texts before.
template <class Out> void appendQuotedCell(Out& text, const Value& cell) {
    switch (cell.kind) {
    case Value::Kind::Text:
        text.push_back('"');
        text.append(cell.text);
        text.push_back('"');
        return;
    case Value::Kind::Number:
        text += textfile::doubleText(cell.number);
        return;
    case Value::Kind::Empty:
    case Value::Kind::Null:
        return;
    }
}

template <class Out> void appendEventsBody(Out& text, DataTable& data) {
    appendLine(text, countText(data.gRowCount));
    appendLine(text, countText(data.gColCount));
    const int rows = wholeCount(data.gRowCount);
    const int columns = wholeCount(data.gColCount);
    CellTable& table = data.gData;
    if (columns < 1 || columns > table.columns()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    table.storeColumns(columns);
    for (int row = 1; row <= rows && !stopped(text); ++row) {
        const CellTable::RowCells cells = table.rowCells(row);
        if (const std::string_view written = cells.asRead(columns); !written.empty()) {
            text.append(written);
            continue;
        }
        for (int column = 0; column < columns - 1; ++column) {
            switch (cells.kind(column)) {
            case Value::Kind::Text:
                text.push_back('"');
                text.append(cells.text(column));
                text.push_back('"');
                break;
            case Value::Kind::Number:
                text += textfile::doubleText(cells.number(column));
                break;
            case Value::Kind::Null:
                // Written in quotes, a Null cell is an empty text, as the save leaves it.
                table.at(column + 1, row) = Value::ofText("");
                text += "\"\"";
                break;
            case Value::Kind::Empty:
                break;
            }
            text.push_back(',');
        }
        if (cells.kind(columns - 1) == Value::Kind::Number) {
            text += textfile::printNumber(cells.number(columns - 1));
        } else {
            text.append(cells.text(columns - 1));
        }
        text.append(textfile::kLineEnd);
    }
}

template <class Out> void appendTranscriptBody(Out& text, DataTable& data) {
    appendLine(text, countText(data.gRowCount));
    const int rows = wholeCount(data.gRowCount);
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= 3; ++column) {
            if (column > 1) {
                text += ',';
            }
            if (data.gData.kind(column, row) == Value::Kind::Null) {
                data.gData.at(column, row) = Value::ofText("");
            }
            appendQuotedCell(text, data.gData.at(column, row));
        }
        text += textfile::kLineEnd;
    }
}

// Characters from position `first` to `last` (counted from 1); none when last < first.
std::string_view span(std::string_view line, std::ptrdiff_t first, std::ptrdiff_t last) {
    const auto size = static_cast<std::ptrdiff_t>(line.size());
    last = std::min(last, size);
    if (last < first || first > size) {
        return {};
    }
    return line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// Only one open or save at a time: a player yielding during a load, or an autosave tick,
// would otherwise start the other on rows half read.
class FileInUse {
public:
    explicit FileInUse(DataTable& data) : data_(data), acquired_(!data.fileInUse) { data_.fileInUse = true; }
    ~FileInUse() {
        if (acquired_) {
            data_.fileInUse = false;
        }
    }
    FileInUse(const FileInUse&) = delete;
    FileInUse& operator=(const FileInUse&) = delete;
    bool acquired() const { return acquired_; }

private:
    DataTable& data_;
    bool acquired_;
};

} // namespace

void SplitEventLine(std::string_view line, std::vector<std::string>& fields, int count) {
    fields.resize(std::max(fields.size(), std::size_t{kSplitFields + 1}));
    textfile::forEachQvdPiece(line, count,
                              [&](int field, std::string_view piece) { fields[field].append(piece); });
}

void SplitTranscriptLine(std::string_view line, std::string& time, std::string& codes,
                         std::string& utterance) {
    const auto size = static_cast<std::ptrdiff_t>(line.size());
    // Positions counted from 1; a comma that is missing stands just past the end.
    const auto positionOf = [&](std::size_t from) {
        const std::size_t at = from >= line.size() ? std::string_view::npos : line.find(',', from);
        return at == std::string_view::npos ? size + 1 : static_cast<std::ptrdiff_t>(at) + 1;
    };
    const std::ptrdiff_t c1 = positionOf(0);
    const std::ptrdiff_t c2 = positionOf(static_cast<std::size_t>(c1));
    time = span(line, 2, c1 - 2);
    codes = span(line, c1 + 2, c2 - 2);
    utterance = span(line, c2 + 2, size - 1);
}

namespace {

template <class Out>
void writeDataFile(Out& text, DataTable& data, const std::array<std::string, kHeaderFields>& header) {
    appendLine(text, data.gDataType);
    for (int field = 0; field < kNotesField; ++field) {
        appendLine(text, header[field]);
    }
    appendLine(text, kNotesOpen);
    appendLine(text, header[kNotesField]);
    appendLine(text, kNotesClose);
    for (int field = kNotesField + 1; field < kHeaderFields; ++field) {
        appendLine(text, header[field]);
    }
    const std::string type = upperCase(data.gDataType);
    if (type == "EVENTS") {
        appendEventsBody(text, data);
    } else if (type == "TRANSCRIPT") {
        appendTranscriptBody(text, data);
    }
}

} // namespace

std::string dataFileText(DataTable& data, const std::array<std::string, kHeaderFields>& header) {
    std::string text;
    // A guess at the text's size saves copying a large file's text as it grows: the size it
    // had when last read or saved, else a few bytes a cell.
    text.reserve(data.baseline.empty() ? static_cast<std::size_t>(data.gData.rows()) *
                                                 static_cast<std::size_t>(data.gData.storedColumns()) * 6 +
                                             1024
                                       : data.baseline.view().size() + 1024);
    writeDataFile(text, data, header);
    return text;
}

bool dataFileTextIs(DataTable& data, const std::array<std::string, kHeaderFields>& header,
                    std::string_view bytes) {
    MatchingText text(bytes);
    writeDataFile(text, data, header);
    return text.matches();
}

namespace {

// Whether the rows and header still give the text last read or saved; stops at the first row
// that does not, as the save then makes the text anew.
bool heldTextIsCurrent(DataTable& data, const std::array<std::string, kHeaderFields>& header) {
    if (data.baseline.empty()) {
        return false;
    }
    MatchingText text(data.baseline.view(), true);
    writeDataFile(text, data, header);
    return text.matches();
}

} // namespace

DataFileReader::DataFileReader(std::string bytes) : in_(std::move(bytes)) {}

Value DataFileReader::readCountLine() {
    const std::string_view line = nextLine();
    return readCount(std::string(line));
}

std::string_view DataFileReader::nextLine() {
    ++line_;
    return in_.readLineView();
}

void DataFileReader::failAt(int line, int number, const std::string& reason) {
    line_ = line;
    throw RunError(number, textfile::describeError(number), reason);
}

std::string DataFileReader::readType() {
    return upperCase(std::string(nextLine()));
}

void DataFileReader::readHeader(std::array<std::string, kHeaderFields>& header) {
    for (int field = 0; field < kNotesField; ++field) {
        header[field] = nextLine();
    }
    nextLine(); // "<notes>", whatever it holds
    std::string notes;
    for (std::string_view line = nextLine(); lowerCase(std::string(line)) != kNotesClose; line = nextLine()) {
        if (!isBlank(line)) {
            appendLine(notes, line);
        }
    }
    header[kNotesField] = notes;
    for (int field = kNotesField + 1; field < kHeaderFields; ++field) {
        header[field] = nextLine();
    }
}

void DataFileReader::readBody(const std::string& type, DataTable& data) {
    if (type == "EVENTS") {
        readEvents(data);
    } else if (type == "TRANSCRIPT") {
        readTranscript(data);
    }
}

std::vector<std::string_view> DataFileReader::bodyLines(int counted) {
    std::vector<std::string_view> lines;
    lines.reserve(std::min(static_cast<std::size_t>(counted), in_.linesLeft()));
    while (!in_.atEnd()) {
        lines.push_back(nextLine());
    }
    std::size_t kept = lines.size();
    while (kept > static_cast<std::size_t>(counted) && isBlank(lines[kept - 1])) {
        --kept;
    }
    lines.resize(kept);
    return lines;
}

bool isTranscriptRow(std::string_view line) {
    if (line == ",,") {
        return true;
    }
    const std::size_t c1 = line.find(',');
    const std::size_t c2 = c1 == std::string_view::npos ? c1 : line.find(',', c1 + 1);
    if (c2 == std::string_view::npos) {
        return false;
    }
    const auto piece = [](std::string_view text) {
        return text.empty() || (text.size() >= 2 && text.front() == '"' && text.back() == '"');
    };
    return piece(line.substr(0, c1)) && piece(line.substr(c1 + 1, c2 - c1 - 1)) && piece(line.substr(c2 + 1));
}

void putTranscriptRow(DataTable& data, int row, std::string_view line) {
    if (line == ",,") {
        return;
    }
    std::string time, codes, utterance;
    SplitTranscriptLine(line, time, codes, utterance);
    data.gData.at(1, row) = Value::ofText(std::move(time));
    data.gData.at(2, row) = Value::ofText(std::move(codes));
    data.gData.at(3, row) = Value::ofText(std::move(utterance));
}

namespace {

// The commas in a line, eight bytes at a time: a byte equal to ',' becomes zero, each zero
// byte sets its high bit alone, and the bits are summed in byte lanes, added up every 31
// words so that their total fits the byte the multiplication gathers it in.
std::size_t commasIn(std::string_view line) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Full;
    constexpr std::uint64_t kCommas = kOnes * ',';
    const auto sumLanes = [](std::uint64_t lanes) { return static_cast<std::size_t>((lanes * kOnes) >> 56); };
    std::size_t count = 0;
    std::size_t at = 0;
    std::uint64_t lanes = 0;
    int words = 0;
    for (; at + 8 <= line.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, line.data() + at, 8);
        const std::uint64_t x = word ^ kCommas;
        lanes += (~(((x & kLows) + kLows) | x | kLows)) >> 7;
        if (++words == 31) {
            count += sumLanes(lanes);
            lanes = 0;
            words = 0;
        }
    }
    count += sumLanes(lanes);
    for (; at < line.size(); ++at) {
        count += line[at] == ',' ? 1 : 0;
    }
    return count;
}

} // namespace

int cellsInEventRow(std::string_view line, int columns) {
    const std::size_t commas = commasIn(line);
    // With no comma past the last column's start, the line holds no more cells than that.
    if (columns <= 1 || commas < static_cast<std::size_t>(columns)) {
        return std::max(columns, 1 + static_cast<int>(commas));
    }
    std::size_t at = 0;
    for (int comma = 1; comma < columns; ++comma) {
        at = line.find(',', at) + 1;
    }
    int cells = columns;
    while (at < line.size() && line[at] == '"') {
        const std::size_t close = line.find('"', at + 1);
        if (close == std::string_view::npos || close + 1 >= line.size() || line[close + 1] != ',') {
            break;
        }
        ++cells;
        at = close + 2;
    }
    return cells;
}

void DataFileReader::readEvents(DataTable& data) {
    const int rowCountLine = line_ + 1;
    Value rowCount = readCount(std::string(nextLine()));
    const std::int32_t rows = wholeCount(rowCount);
    if (rows < 1) {
        failAt(rowCountLine, textfile::kSubscriptOutOfRange);
    }
    const int colCountLine = line_ + 1;
    Value colCount = readCount(std::string(nextLine()));
    const std::int32_t columns = wholeCount(colCount);
    if (columns < 1 || columns > kDataColumns) {
        failAt(colCountLine, textfile::kSubscriptOutOfRange);
    }
    const int firstRowLine = line_ + 1;
    const std::vector<std::string_view> lines = bodyLines(rows);
    const int rowsRead = static_cast<int>(lines.size());

    // A row wider than the count widens every row, so that no cell is dropped. Split at the
    // wider count, a row may show further cells in its last column: the widening goes on
    // until no row holds more, so that the file as saved reads back at the same width.
    int width = columns;
    int widestLine = 0;
    for (int counted = 0; counted != width;) {
        counted = width;
        for (int row = 0; row < rowsRead; ++row) {
            const int cells = cellsInEventRow(lines[static_cast<std::size_t>(row)], counted);
            if (cells > width) {
                width = cells;
                widestLine = firstRowLine + row;
            }
        }
        if (width > kDataColumns) {
            failAt(widestLine, textfile::kSubscriptOutOfRange);
        }
    }

    // Counts that fail leave the rows and counts held before, which still agree.
    data.gRowCount = std::move(rowCount);
    data.gColCount = std::move(colCount);
    // gData is made anew, each row holding the cells of the columns the file gives, no more;
    // its texts stay in the file's bytes, which the table keeps.
    CellTable& table = data.gData;
    table.reset(kDataColumns, 0, width);
    table.reserveRows(static_cast<std::size_t>(rowsRead));
    // The lines lie in the reader's bytes, which move to the table whole; each line is found
    // again there by its place.
    const char* const read = in_.bytes().data();
    const std::string_view kept = table.keep(in_.takeBytes());
    table.resizeRows(rowsRead);
    textfile::QvdRow split;
    for (int row = 1; row <= rowsRead; ++row) {
        const std::string_view line = lines[static_cast<std::size_t>(row - 1)];
        const std::size_t at = static_cast<std::size_t>(line.data() - read);
        const std::string_view keptLine = kept.substr(at, line.size());
        // Most rows are as a save wrote them: split straight into the table, and kept to be
        // written as read (with the line end a save writes).
        const std::string_view written = kept.substr(at + line.size(), 2) == textfile::kLineEnd
                                             ? kept.substr(at, line.size() + 2)
                                             : std::string_view();
        const auto asWritten = [&](auto&& put) { return splitAsWritten(keptLine, width, put); };
        if (!table.putRowSplit(row, keptLine, width, written, asWritten)) {
            textfile::splitQvdRow(keptLine, split, width);
            table.putRowTexts(row, keptLine, &split.fields[1], width);
        }
    }
    if (rowsRead < rows) {
        // The rows read stay; older ones after them go.
        table.resizeRows(std::max(rowsRead, 1));
        if (rowsRead == 0) {
            table.reset(kDataColumns, 1);
        }
        data.gRowCount = Value::ofNumber(table.rows());
        failAt(firstRowLine + rowsRead, textfile::kInputPastEndOfFile);
    }
    table.resizeRows(rowsRead);
    if (rowsRead > rows) {
        mismatches_.push_back(
            {"row count", rowCountLine, data.gRowCount.text, rowsRead, firstRowLine + rows});
        data.gRowCount = Value::ofNumber(rowsRead);
    }
    if (width > columns) {
        mismatches_.push_back({"column count", colCountLine, data.gColCount.text, width, widestLine});
        data.gColCount = Value::ofNumber(width);
    }
}

void DataFileReader::readTranscript(DataTable& data) {
    const int rowCountLine = line_ + 1;
    Value rowCount = readCount(std::string(nextLine()));
    const std::int32_t rows = wholeCount(rowCount);
    if (rows < 1) {
        failAt(rowCountLine, textfile::kSubscriptOutOfRange);
    }
    const int firstRowLine = line_ + 1;
    const std::vector<std::string_view> lines = bodyLines(rows);
    const int rowsRead = static_cast<int>(lines.size());
    data.gRowCount = std::move(rowCount);
    data.gData.reset(kDataColumns, 0, 3);
    // The rows before one that fails stay, and the count follows them.
    const auto failAfterRows = [&](int row, int number, const std::string& reason) {
        if (data.gData.rows() == 0) {
            data.gData.addRow();
        }
        data.gRowCount = Value::ofNumber(data.gData.rows());
        failAt(firstRowLine + row - 1, number, reason);
    };
    for (int row = 1; row <= rowsRead; ++row) {
        const std::string_view line = lines[static_cast<std::size_t>(row - 1)];
        if (!isTranscriptRow(line)) {
            failAfterRows(row, textfile::kTypeMismatch, "The line is no TRANSCRIPT row.");
        }
        data.gData.addRow();
        putTranscriptRow(data, row, line);
    }
    if (rowsRead < rows) {
        failAfterRows(rowsRead + 1, textfile::kInputPastEndOfFile, {});
    }
    if (rowsRead > rows) {
        mismatches_.push_back(
            {"row count", rowCountLine, data.gRowCount.text, rowsRead, firstRowLine + rows});
        data.gRowCount = Value::ofNumber(rowsRead);
    }
}

std::string loadFailureText(const textfile::RunError& e, const std::string& path, int line) {
    std::string text = "Error Loading Data: " + e.description() + "\r\nFile: " + path;
    if (line > 0) {
        text += "\r\nLine: " + std::to_string(line);
    }
    if (!e.reason().empty()) {
        text += "\r\n" + e.reason();
    }
    return text;
}

namespace {

std::string mismatchText(const std::string& path, const std::vector<CountMismatch>& mismatches) {
    std::string text = path;
    for (const CountMismatch& m : mismatches) {
        const bool rows = m.count == "row count";
        text += "\r\nThe " + m.count + " on line " + std::to_string(m.countLine) + " says " +
                trimBlanks(m.says) + ", but " +
                (rows ? "the file holds " : "line " + std::to_string(m.bodyLine) + " holds ") +
                std::to_string(m.holds) + (rows ? " rows." : " columns.");
    }
    return text + "\r\nAll of them are open. The file is written only once the data are changed.";
}

// Takes the file's lock; false, with the refusal shown, when another program holds it.
bool lockFile(DataTable& d, platform::Dialogs& dialogs, const std::string& path) {
    if (d.lock.lock(path) != platform::FileLock::Outcome::HeldElsewhere) {
        return true;
    }
    dialogs.messageBox("Another program has this data file open:\r\n" + path, "Sorry", platform::Buttons::OK,
                       platform::Icon::Information);
    return false;
}

// The first save to a name an import derived: a file of that name is replaced only when the
// person says so, and the name is locked as a chosen one would be.
bool confirmDerivedName(DataTable& d, platform::Dialogs& dialogs, const std::string& path) {
    if (textfile::fileExists(path) &&
        dialogs.messageBox(path + " already exists.\r\nDo you want to replace it?", "Warning...",
                           platform::Buttons::YesNo, platform::Icon::Exclamation) != platform::Answer::Yes) {
        return false;
    }
    return lockFile(d, dialogs, path);
}

} // namespace

bool SaveDataFile(Globals& g, CoderLinks& links) {
    const FileInUse guard(g.data);
    if (!guard.acquired()) {
        return false;
    }
    DataTable& d = g.data;
    std::string path = d.gFileName;
    if (path.empty()) {
        path = links.dialogs.saveFile({"Name the data file...", kDataFilter, "", ".qvd", kSaveDialogFlags});
        if (path.empty() || !lockFile(d, links.dialogs, path)) {
            return false;
        }
    } else if (path == d.unconfirmedName && !confirmDerivedName(d, links.dialogs, path)) {
        return false;
    }
    links.dataFrm.ensureLoaded(g);
    try {
        // Unchanged since the last read or save, the text is the one held (shared with the
        // bytes read), written without being made again.
        if (heldTextIsCurrent(d, links.dataFrm.Text1)) {
            platform::saveKeptFile(links.dialogs, path, d.baseline.text());
        } else {
            std::string text = dataFileText(d, links.dataFrm.Text1);
            platform::saveKeptFile(links.dialogs, path, text);
            d.baseline = std::move(text);
        }
    } catch (const RunError& e) {
        showSaveFailure(links.dialogs, "Error Saving Data: ", e, path);
        if (d.gFileName.empty()) {
            d.lock.unlock();
        }
        return false;
    }
    d.gFileName = path;
    d.unconfirmedName.clear();
    d.gDataType = upperCase(d.gDataType);
    return true;
}

bool dataChanged(Globals& g, CoderLinks& links) {
    if (g.data.baseline.empty()) {
        return true;
    }
    try {
        return !dataFileTextIs(g.data, links.dataFrm.Text1, g.data.baseline.view());
    } catch (const RunError&) {
        return true;
    }
}

bool OpenDataFile(Globals& g, CoderLinks& links) {
    const FileInUse guard(g.data);
    if (!guard.acquired()) {
        return false;
    }
    DataTable& d = g.data;
    if (d.gFileName.empty()) {
        d.gFileName =
            links.dialogs.openFile({"Open the data file...", kDataFilter, "", "", kFileDialogFlags});
        if (d.gFileName.empty()) {
            return false;
        }
    }
    const std::string path = d.gFileName;
    if (!lockFile(d, links.dialogs, path)) {
        d.gFileName.clear();
        return false;
    }
    CodingWindowModel& window = links.dataFrm;
    std::optional<DataFileReader> reader;
    const auto failLoad = [&](const RunError& e, int line) {
        reader.reset();
        links.dialogs.messageBox(loadFailureText(e, path, line), kErrorTitle, platform::Buttons::OK,
                                 platform::Icon::Critical);
        g.open.gDataOpen = kFalse;
        d.gFileName.clear();
        d.baseline.clear();
        d.lock.unlock();
        return false;
    };
    try {
        reader.emplace(textfile::readWholeFile(path));
        d.gDataType = reader->readType();
        window.ensureLoaded(g);
        reader->readHeader(window.Text1);

        openHeaderFiles(g, links);
        reader->readBody(d.gDataType, d);
        if (const auto& kept = d.gData.keptBytes(); kept && dataFileTextIs(d, window.Text1, *kept)) {
            d.baseline.share(kept); // the file's own bytes: not held twice
        } else {
            d.baseline = dataFileText(d, window.Text1);
        }
    } catch (const RunError& e) {
        return failLoad(e, reader ? reader->line() : 0);
    } catch (const std::bad_alloc&) {
        // Rows half made would outgrow what is left: the table goes back to one empty row.
        ClearData(d);
        return failLoad(RunError(textfile::kOutOfMemory), reader ? reader->line() : 0);
    } catch (const std::exception& e) {
        // Whatever else fails on the way (a player window opening the media) fails the load
        // the same way, so no half-read file stays named or locked.
        ClearData(d);
        return failLoad(RunError(0, e.what()), reader ? reader->line() : 0);
    }
    g.open.gDataOpen = kTrue;
    d.unconfirmedName.clear();
    window.port().autoSize(0, kLastSizedColumn);
    window.port().refresh();
    if (!reader->mismatches().empty()) {
        links.dialogs.messageBox(mismatchText(path, reader->mismatches()), "Warning...",
                                 platform::Buttons::OK, platform::Icon::Exclamation);
    }
    return true;
}

void openHeaderFiles(Globals& g, CoderLinks& links) {
    CodingWindowModel& window = links.dataFrm;
    const std::string media = trimBlanks(window.Text1[kMediaField]);
    if (media == "DVD") {
        window.chkDVD = 1;
        window.chkDVD_Click(g);
    }
    if (!media.empty()) {
        window.port().ControlSub(kControlSubOpenMedia);
    }
    if (!trimBlanks(window.Text1[kCodeFileField]).empty()) {
        g.codeSet.gCodeFileName = window.Text1[kCodeFileField];
        if (textfile::fileExists(g.codeSet.gCodeFileName)) {
            if (OpenCodeFile(g, links)) {
                links.refreshDataGrid();
            }
        } else {
            links.dialogs.messageBox(g.codeSet.gCodeFileName + " not found", "File Load Error",
                                     platform::Buttons::OK, platform::Icon::Information);
            g.codeSet.gCodeFileName.clear();
        }
    }
}

void ClearData(DataTable& data) {
    data.gData.reset(kDataColumns, 1);
    data.gColCount = Value::ofNumber(kDataColumns);
    data.gRowCount = Value::ofNumber(1);
}

} // namespace vc
