#pragma once
// The video-coder data file (.qvd): a type line, the coding window's thirteen header fields
// with the notes between "<notes>" and "</notes>", then an EVENTS body (row count, column
// count, one row of cells per line, the last column bare) or a TRANSCRIPT body (row count,
// time, codes and utterance in quotes). Lines end in CR LF.

#include "textfile/FieldReader.h"
#include "textfile/QvdRow.h"
#include "textfile/RunError.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vc {

// The split of an EVENTS row holds at most this many fields.
inline constexpr int kSplitFields = textfile::kQvdRowFields;

// Fields 1..count of an EVENTS row into fields[1..count] (the caller empties them before each
// line): fields before the last end at every comma and lose their double quotes; field count
// takes the rest of the line as written. With a count of 1 every comma splits, and a line
// of more than 100 fields fails with RunError 9.
void SplitEventLine(std::string_view line, std::vector<std::string>& fields, int count);
// Whether an EVENTS row's line is exactly what a save writes for texts at `width` columns:
// the fields before the last each in double quotes with no quote or comma inside, each
// followed by a comma, then the last field bare; never for a width below 2 (where every
// comma splits). The fields, the ones SplitEventLine finds, go to field(column, offset,
// length) one by one, columns from 0, as their places in the line; a line that turns out
// otherwise may have given some.
template <class Field> bool splitAsWritten(std::string_view line, int width, Field&& field) {
    if (width < 2) {
        return false;
    }
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    const char* at = begin;
    for (int column = 0; column < width - 1; ++column) {
        if (at == end || *at != '"') {
            return false;
        }
        const char* const text = ++at;
        while (at != end && *at != '"' && *at != ',') {
            ++at;
        }
        if (end - at < 2 || at[0] != '"' || at[1] != ',') {
            return false;
        }
        field(column, static_cast<std::size_t>(text - begin), static_cast<std::size_t>(at - text));
        at += 2;
    }
    field(width - 1, static_cast<std::size_t>(at - begin), static_cast<std::size_t>(end - at));
    return true;
}
// A TRANSCRIPT row: each piece between the commas loses its first and last character (the
// quotes the writer put there); commas after the second stay in the utterance. Missing
// commas count as standing past the end, so pieces they would bound read as "".
void SplitTranscriptLine(std::string_view line, std::string& time, std::string& codes,
                         std::string& utterance);

// The file as SaveDataFile writes it. Null cells that are written in quotes become empty
// texts in `data` first, as saving leaves them. Throws RunError 9 when a count reaches past
// the rows or columns held.
std::string dataFileText(DataTable& data, const std::array<std::string, kHeaderFields>& header);
// Whether dataFileText() would give these bytes, found without making the text (Null cells
// are made empty texts as it makes them).
bool dataFileTextIs(DataTable& data, const std::array<std::string, kHeaderFields>& header,
                    std::string_view bytes);

// A count that the body outgrows. The body is read whole and the count then follows it, so
// no row or cell is lost when the file is saved again.
struct CountMismatch {
    std::string count; // "row count" or "column count"
    int countLine = 0;
    std::string says; // the count as the file writes it
    int holds = 0;    // the rows or columns the body holds
    int bodyLine = 0; // the first row past the row count, or the widest row
};

// Reads a data file's bytes in the order OpenDataFile needs them.
class DataFileReader {
public:
    explicit DataFileReader(std::string bytes);
    // The type line, upper-cased.
    std::string readType();
    // Header fields 0 to 12; the notes lose their blank lines and each line ends in CR LF.
    void readHeader(std::array<std::string, kHeaderFields>& header);
    // The body of `type` into data: EVENTS sets gRowCount and gColCount to the texts read,
    // TRANSCRIPT gRowCount; any other type has no body. A count that is no number fails
    // with 13, a column count outside 1..50 or a row count below 1 with 9, a short file with
    // 62, a TRANSCRIPT row that is not three quoted pieces with 13; the rows read by then
    // stay and gRowCount counts them. Rows past the row count (blank lines at the end aside)
    // and EVENTS rows of more cells than the column count are read too: the count becomes the
    // number held and the difference is listed in mismatches().
    void readBody(const std::string& type, DataTable& data);

    // A count on a line of its own (blanks around it allowed), kept as the text read; other
    // text fails with 13, the end of the file with 62.
    textfile::Value readCountLine();
    // The next line, whole; RunError 62 at the end of the file. Valid while the reader lives.
    std::string_view nextLine();

    // The line (from 1) of the last read: the one that failed when a read throws.
    int line() const { return line_; }
    // Every byte read from: the lines nextLine() gives lie in them.
    std::string_view bytes() const { return in_.bytes(); }
    // Where the next line starts in bytes().
    std::size_t position() const { return in_.position(); }
    // Every byte, handed over whole: to a table that keeps the texts of the lines still to
    // come, found at their places in them. The reader is then at its end.
    std::string takeBytes() { return in_.takeBytes(); }
    const std::vector<CountMismatch>& mismatches() const { return mismatches_; }

private:
    void readEvents(DataTable& data);
    void readTranscript(DataTable& data);
    // The next `counted` lines, fewer when the file ends first, then every further line up
    // to the last that is not blank.
    std::vector<std::string_view> bodyLines(int counted);
    // Fails with `number` at the given line.
    [[noreturn]] void failAt(int line, int number, const std::string& reason = {});

    textfile::FieldReader in_;
    int line_ = 0;
    std::vector<CountMismatch> mismatches_;
};

// Whether a line is a TRANSCRIPT row as the writer lays it out: ",,", or three pieces, each
// nothing or text between double quotes, the commas after the second in the last piece.
bool isTranscriptRow(std::string_view line);
// A TRANSCRIPT row's line into columns 1 (time), 2 (codes) and 3 (utterance) of `row`; a
// ",," line leaves the row as it is (empty).
void putTranscriptRow(DataTable& data, int row, std::string_view line);
// The cells an EVENTS row holds with `columns` as its count: with one column every comma
// splits; with more, further cells in the quoted style ("text",) that stand at the start of
// the last column count too, since a save would write them there as one text.
int cellsInEventRow(std::string_view line, int columns);

// Writes gFileName whole (asking "Name the data file..." when it is empty). True when the
// file was written; false when cancelled, when the write failed ("VTRS Error", the rows and
// the old file kept) and while another open or save runs.
bool SaveDataFile(Globals& g, CoderLinks& links);
// Whether the rows or header differ from the file as last read or saved (a file never read
// or saved counts as changed).
bool dataChanged(Globals& g, CoderLinks& links);
// Reads gFileName (asking "Open the data file..." when it is empty) into the header fields
// and gData, opening the media and code set the header names on the way. True when a file
// was read; false when cancelled, after a load failure ("Error Loading Data: " with the file
// and line), when another program holds the file's lock and while another open or save runs.
// The file stays locked until the coding window closes; counts that the body outgrows are
// said in a box once the file is open.
bool OpenDataFile(Globals& g, CoderLinks& links);
// After a header is read into the coding window: a media field of "DVD" ticks the DVD box,
// any media opens through the window's command 4, and a code set the header names is
// opened and the grid dressed for it ("not found" said, and the name forgotten, when it is
// missing).
void openHeaderFiles(Globals& g, CoderLinks& links);
// "Error Loading Data: ", the failure's description, the file and the line it failed on.
std::string loadFailureText(const textfile::RunError& e, const std::string& path, int line);
// gData fresh: 50 columns, one empty row; gColCount 50 and gRowCount 1.
void ClearData(DataTable& data);

} // namespace vc
