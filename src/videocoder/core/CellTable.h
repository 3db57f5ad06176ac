#pragma once
// A two-dimensional table of values indexed from 1 as (column, row): the coded rows of the
// open data file (`gData`).
//
// A data file holds a million cells, nearly all of them short texts, so a cell takes four
// bytes: Empty and Null are tags, a text read from a file is a view into the file's bytes,
// which the table keeps, and any other value (a number, a text the program made) lives in a
// side store the cell points to. Rows are slots reached through an order of row numbers, so
// inserting, deleting and exchanging rows moves row numbers, never cells.

#include "textfile/Value.h"
#include "videocoder/core/RowOrder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vc {

class CellTable {
    // Per slot: where its views start and, while its cells are as read from a line a save
    // writes back unchanged, the length of its bytes and its column count (0 when not).
    struct RowLine {
        const char* start = nullptr;
        std::uint32_t asReadLength = 0;
        int asReadWidth = 0;
    };

public:
    // One cell taken for reading and writing: it reads as the value it holds, and a value
    // assigned to it is stored in the table. Valid until the table's rows or columns change.
    class CellRef {
    public:
        CellRef(CellTable& table, std::size_t index) : table_(&table), index_(index) {}
        CellRef& operator=(const textfile::Value& value) {
            table_->store(index_, value);
            return *this;
        }
        CellRef& operator=(const CellRef& other) { return *this = other.value(); }
        operator textfile::Value() const { return value(); }
        textfile::Value value() const { return table_->valueAt(index_); }
        textfile::Value::Kind kind() const { return table_->kindAt(index_); }
        std::string asText() const { return value().asText(); }
        double asNumber() const { return value().asNumber(); }
        bool isText() const { return kind() == textfile::Value::Kind::Text; }
        bool isNumber() const { return kind() == textfile::Value::Kind::Number; }

    private:
        CellTable* table_;
        std::size_t index_;
    };

    CellTable() = default;
    CellTable(int columns, int rows) { reset(columns, rows); }

    // A fresh table: every cell Empty. Each row holds cells for its first `stored` columns
    // only (every column when 0): the columns past them read as Empty, and a row costs the
    // memory of the cells a file gives it, not of every column the table could show.
    void reset(int columns, int rows, int stored = 0);
    // Every row holds cells for at least its first `stored` columns (at most all of them).
    void storeColumns(int stored);
    // Keeps the cells of the rows that remain; new rows are Empty.
    void resizeRows(int rows);
    // One more Empty row at the end; rows are made as they are read, so a count taken
    // from a file never reserves memory by itself.
    void addRow();
    // An Empty row at `row` (1..rows()+1), the rows from it moving down one.
    void insertRow(int row);
    // Removes the rows whose flag is set (flags[0] for row 1), the others keeping their
    // order, in one pass; RunError 9 when the flags do not cover the rows.
    void eraseRows(const std::vector<bool>& flags);
    // Rows a and b change places, every cell with them; RunError 9 outside 1..rows.
    void swapRows(int a, int b);
    // Room for this many rows without moving the cells again; the rows stay as they are.
    void reserveRows(std::size_t rows);

    int columns() const { return columns_; }
    // The columns whose cells each row holds, 1..storedColumns().
    int storedColumns() const { return stored_; }
    int rows() const { return static_cast<int>(order_.size()); }

    // Throws RunError 9 outside 1..columns, 1..rows. A cell past the stored columns reads as
    // Empty; taken for writing, it makes every row hold cells up to its column.
    CellRef at(int column, int row);
    textfile::Value at(int column, int row) const;
    // A cell's kind and, for a Text, its text without a copy (valid until the cell or the
    // table changes); "" for the other kinds. RunError 9 as at().
    textfile::Value::Kind kind(int column, int row) const;
    std::string_view text(int column, int row) const;

    // One row's cells for reading in a loop, columns counted from 0 below storedColumns();
    // valid until the table changes.
    class RowCells {
    public:
        textfile::Value::Kind kind(int column) const;
        // A Text's text; "" for the other kinds.
        std::string_view text(int column) const;
        // A Number's number; 0 for the other kinds.
        double number(int column) const;
        // For a text viewed in the row's line (as nearly every cell read from a file is), puts
        // its text in `text` and says true; false for every other cell, `text` left alone.
        bool viewedText(int column, std::string_view& text) const {
            const Code code = cells_[column];
            if (!isView(code)) {
                return false;
            }
            text = {line_.start + viewOffset(code), viewLength(code)};
            return true;
        }
        // While the row's cells are as read and a save at this many columns writes them as
        // the bytes they were read from, those bytes (its line and line end); "" otherwise.
        std::string_view asRead(int columns) const {
            return line_.asReadWidth == columns ? std::string_view(line_.start, line_.asReadLength)
                                                : std::string_view();
        }

    private:
        friend class CellTable;
        RowCells(const CellTable& table, std::size_t first)
            : table_(table), cells_(table.cells_.data() + first),
              line_(table.lines_[first / static_cast<std::size_t>(table.stored_)]) {}
        const CellTable& table_;
        const std::uint32_t* cells_;
        const RowLine& line_;
    };
    // RunError 9 outside 1..rows.
    RowCells rowCells(int row) const { return RowCells(*this, indexOf(1, row)); }

    // Bytes the table keeps for its rows' texts; returns them where they are kept, valid
    // as long as the table (or a copy of it) lives.
    std::string_view keep(std::string bytes);
    // The bytes keep() took last; null when none.
    const std::shared_ptr<const std::string>& keptBytes() const { return lastKept_; }
    // Puts Text cells into `row` from views into kept bytes: one call per row, with the
    // line the views lie in (each view within it) and the texts of columns 1..count.
    // A view that cannot be kept as one (too long, too far into the line) is copied.
    // `written`: when a save at `count` columns writes these texts as the bytes they were
    // read from, those bytes (the line and its line end, starting where the line does), so
    // that until a cell of the row changes the save writes them whole.
    void putRowTexts(int row, std::string_view line, const std::string_view* texts, int count,
                     std::string_view written = {});
    // The same for a split that gives each text as its place in the line, one by one:
    // split(put) calls put(column, offset, length) for columns 0..count-1 in turn and says
    // whether it gave them all. Nothing is put, and false returned, for a line too long for
    // every text to be viewed; when the split stops short, the row holds some of its texts,
    // and is put another way.
    template <class Split>
    bool putRowSplit(int row, std::string_view line, int count, std::string_view written, Split&& split) {
        if (line.size() >= kViewLengths) {
            return false;
        }
        Code* const cells = viewCellsIn(row, line, count);
        const bool whole = split([cells](int column, std::size_t offset, std::size_t length) {
            cells[column] = length == 0
                                ? kEmptyText
                                : kViewBit | static_cast<Code>(length << 16) | static_cast<Code>(offset);
        });
        if (whole) {
            keepAsRead(static_cast<std::size_t>(cells - cells_.data()), line, written, count);
        }
        return whole;
    }

    // Equal columns, rows and cells, however each stores them.
    bool operator==(const CellTable& other) const;

private:
    friend class CellRef;
    using Code = std::uint32_t;
    // A cell's four bytes: 0 Empty, 1 Null; with bit 30 a text viewed in its slot's line
    // (offset in the low 16 bits, length in the next 14); with bit 31 the index of a side value.
    static constexpr Code kEmpty = 0;
    static constexpr Code kNull = 1;
    static constexpr Code kViewBit = 1u << 30;
    static constexpr Code kSideBit = 1u << 31;
    static constexpr std::size_t kViewOffsets = 1u << 16;
    static constexpr std::size_t kViewLengths = 1u << 14;
    static constexpr Code kEmptyText = kViewBit; // offset 0, length 0
    static bool isSide(Code code) { return (code & kSideBit) != 0; }
    static bool isView(Code code) { return (code & (kSideBit | kViewBit)) == kViewBit; }
    static std::uint32_t sideIndex(Code code) { return code & ~kSideBit; }
    static std::size_t viewOffset(Code code) { return code & 0xFFFFu; }
    static std::size_t viewLength(Code code) { return (code >> 16) & (kViewLengths - 1); }

    std::size_t indexOf(int column, int row) const;
    // Row `row` made ready for views into `line` in its first `count` columns (texts it views
    // past them kept); returns the index of its first cell.
    std::size_t viewRowIn(int row, std::string_view line, int count);
    // The same, its first `count` cells let go (Empty) and the row no longer as read; returns them.
    Code* viewCellsIn(int row, std::string_view line, int count);
    // Marks the row whose first cell is at `first` as saved as `written` (see putRowTexts).
    void keepAsRead(std::size_t first, std::string_view line, std::string_view written, int count);
    std::uint32_t newSlot();
    void releaseSlot(std::uint32_t slot);
    void release(Code code);
    void store(std::size_t index, const textfile::Value& value);
    textfile::Value valueAt(std::size_t index) const;
    textfile::Value::Kind kindAt(std::size_t index) const;
    std::string_view textAt(std::size_t index) const;

    int columns_ = 0;
    int stored_ = 0;          // cells per slot; 1..columns_ when columns_ > 0
    RowOrder order_;          // row r's slot at [r - 1]
    std::vector<Code> cells_; // slot by slot, stored_ cells each
    std::vector<RowLine> lines_;
    std::vector<std::uint32_t> freeSlots_;
    std::vector<textfile::Value> side_; // the values cells do not hold themselves
    std::vector<std::uint32_t> freeSide_;
    std::vector<std::shared_ptr<const std::string>> kept_;
    std::shared_ptr<const std::string> lastKept_;
};

inline textfile::Value::Kind CellTable::RowCells::kind(int column) const {
    const Code code = cells_[column];
    if (isSide(code)) {
        return table_.side_[sideIndex(code)].kind;
    }
    if (isView(code)) {
        return textfile::Value::Kind::Text;
    }
    return code == kNull ? textfile::Value::Kind::Null : textfile::Value::Kind::Empty;
}

inline std::string_view CellTable::RowCells::text(int column) const {
    const Code code = cells_[column];
    if (isView(code)) {
        return {line_.start + viewOffset(code), viewLength(code)};
    }
    if (isSide(code)) {
        const textfile::Value& value = table_.side_[sideIndex(code)];
        return value.kind == textfile::Value::Kind::Text ? std::string_view(value.text) : std::string_view();
    }
    return {};
}

inline double CellTable::RowCells::number(int column) const {
    const Code code = cells_[column];
    return isSide(code) && table_.side_[sideIndex(code)].kind == textfile::Value::Kind::Number
               ? table_.side_[sideIndex(code)].number
               : 0;
}

} // namespace vc
