#include "videocoder/core/CellTable.h"

#include "textfile/RunError.h"

#include <algorithm>

namespace vc {

namespace {

using textfile::Value;

void failSubscript() {
    throw textfile::RunError(textfile::kSubscriptOutOfRange);
}

} // namespace

void CellTable::reset(int columns, int rows, int stored) {
    if (columns < 0 || rows < 0 || stored < 0) {
        failSubscript();
    }
    columns_ = columns;
    stored_ = stored == 0 ? columns : std::min(stored, columns);
    order_.clear();
    cells_.clear();
    lines_.clear();
    freeSlots_.clear();
    side_.clear();
    freeSide_.clear();
    kept_.clear();
    lastKept_.reset();
    const auto count = static_cast<std::size_t>(rows);
    cells_.assign(count * static_cast<std::size_t>(stored_), kEmpty);
    lines_.assign(count, RowLine{});
    order_.assignInOrder(count);
}

void CellTable::storeColumns(int stored) {
    stored = std::min(stored, columns_);
    if (stored <= stored_) {
        return;
    }
    const std::size_t slots = lines_.size();
    const auto from = static_cast<std::size_t>(stored_);
    const auto to = static_cast<std::size_t>(stored);
    std::vector<Code> wider(slots * to, kEmpty);
    for (std::size_t slot = 0; slot < slots; ++slot) {
        std::copy_n(cells_.begin() + static_cast<std::ptrdiff_t>(slot * from), from,
                    wider.begin() + static_cast<std::ptrdiff_t>(slot * to));
    }
    cells_ = std::move(wider);
    stored_ = stored;
}

std::uint32_t CellTable::newSlot() {
    if (!freeSlots_.empty()) {
        const std::uint32_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    const auto slot = static_cast<std::uint32_t>(lines_.size());
    cells_.resize(cells_.size() + static_cast<std::size_t>(stored_), kEmpty);
    lines_.push_back(RowLine{});
    return slot;
}

// A slot whose row is gone: its side values are let go and its cells made Empty, so that it
// comes back as a fresh row.
void CellTable::releaseSlot(std::uint32_t slot) {
    const auto width = static_cast<std::size_t>(stored_);
    Code* cells = cells_.data() + slot * width;
    for (std::size_t column = 0; column < width; ++column) {
        release(cells[column]);
        cells[column] = kEmpty;
    }
    lines_[slot] = RowLine{};
    freeSlots_.push_back(slot);
}

void CellTable::release(Code code) {
    if (isSide(code)) {
        side_[sideIndex(code)] = Value{};
        freeSide_.push_back(sideIndex(code));
    }
}

void CellTable::resizeRows(int rows) {
    if (rows < 0) {
        failSubscript();
    }
    const auto count = static_cast<std::size_t>(rows);
    while (order_.size() > count) {
        releaseSlot(order_.back());
        order_.pop_back();
    }
    while (order_.size() < count && !freeSlots_.empty()) {
        order_.push_back(newSlot());
    }
    // The rest are new slots, made together.
    const std::size_t first = lines_.size();
    const std::size_t more = count - std::min(count, order_.size());
    cells_.resize(cells_.size() + more * static_cast<std::size_t>(stored_), kEmpty);
    lines_.resize(first + more);
    for (std::size_t slot = first; slot < first + more; ++slot) {
        order_.push_back(static_cast<std::uint32_t>(slot));
    }
}

void CellTable::addRow() {
    const std::uint32_t slot = newSlot();
    order_.push_back(slot);
}

void CellTable::insertRow(int row) {
    if (row < 1 || row > rows() + 1) {
        failSubscript();
    }
    const std::uint32_t slot = newSlot();
    order_.insert(static_cast<std::size_t>(row - 1), slot);
}

void CellTable::eraseRows(const std::vector<bool>& flags) {
    if (flags.size() != order_.size()) {
        failSubscript();
    }
    order_.eraseFlagged(flags, [this](std::uint32_t slot) { releaseSlot(slot); });
}

void CellTable::swapRows(int a, int b) {
    indexOf(1, a);
    indexOf(1, b);
    std::swap(order_[static_cast<std::size_t>(a - 1)], order_[static_cast<std::size_t>(b - 1)]);
}

void CellTable::reserveRows(std::size_t rows) {
    order_.reserve(rows);
    lines_.reserve(rows);
    cells_.reserve(rows * static_cast<std::size_t>(stored_));
}

std::size_t CellTable::indexOf(int column, int row) const {
    if (column < 1 || column > columns_ || row < 1 || row > rows()) {
        failSubscript();
    }
    return static_cast<std::size_t>(order_[static_cast<std::size_t>(row - 1)]) *
               static_cast<std::size_t>(stored_) +
           static_cast<std::size_t>(column - 1);
}

CellTable::CellRef CellTable::at(int column, int row) {
    indexOf(1, row);
    if (column > stored_ && column <= columns_) {
        storeColumns(column);
    }
    return CellRef(*this, indexOf(column, row));
}

Value CellTable::at(int column, int row) const {
    if (column > stored_ && column <= columns_) {
        indexOf(1, row);
        return {};
    }
    return valueAt(indexOf(column, row));
}

Value::Kind CellTable::kind(int column, int row) const {
    if (column > stored_ && column <= columns_) {
        indexOf(1, row);
        return Value::Kind::Empty;
    }
    return kindAt(indexOf(column, row));
}

std::string_view CellTable::text(int column, int row) const {
    if (column > stored_ && column <= columns_) {
        indexOf(1, row);
        return {};
    }
    return textAt(indexOf(column, row));
}

Value::Kind CellTable::kindAt(std::size_t index) const {
    const Code code = cells_[index];
    if (isSide(code)) {
        return side_[sideIndex(code)].kind;
    }
    if (isView(code)) {
        return Value::Kind::Text;
    }
    return code == kNull ? Value::Kind::Null : Value::Kind::Empty;
}

std::string_view CellTable::textAt(std::size_t index) const {
    const Code code = cells_[index];
    if (isSide(code)) {
        const Value& value = side_[sideIndex(code)];
        return value.kind == Value::Kind::Text ? std::string_view(value.text) : std::string_view();
    }
    if (isView(code) && viewLength(code) > 0) {
        const char* line = lines_[index / static_cast<std::size_t>(stored_)].start;
        return {line + viewOffset(code), viewLength(code)};
    }
    return {};
}

Value CellTable::valueAt(std::size_t index) const {
    const Code code = cells_[index];
    if (isSide(code)) {
        return side_[sideIndex(code)];
    }
    if (isView(code)) {
        return Value::ofText(std::string(textAt(index)));
    }
    return code == kNull ? Value::null() : Value::empty();
}

void CellTable::store(std::size_t index, const Value& value) {
    lines_[index / static_cast<std::size_t>(stored_)].asReadWidth = 0;
    Code& code = cells_[index];
    if (value.kind == Value::Kind::Empty || value.kind == Value::Kind::Null ||
        (value.kind == Value::Kind::Text && value.text.empty())) {
        release(code);
        code = value.kind == Value::Kind::Empty  ? kEmpty
               : value.kind == Value::Kind::Null ? kNull
                                                 : kEmptyText;
        return;
    }
    if (isSide(code)) {
        side_[sideIndex(code)] = value;
        return;
    }
    std::uint32_t at = 0;
    if (!freeSide_.empty()) {
        at = freeSide_.back();
        side_[at] = value;
        freeSide_.pop_back();
    } else {
        at = static_cast<std::uint32_t>(side_.size());
        side_.push_back(value);
    }
    code = kSideBit | at;
}

std::string_view CellTable::keep(std::string bytes) {
    lastKept_ = std::make_shared<const std::string>(std::move(bytes));
    kept_.push_back(lastKept_);
    return *lastKept_;
}

std::size_t CellTable::viewRowIn(int row, std::string_view line, int count) {
    if (count > stored_) {
        storeColumns(count);
    }
    const std::size_t first = indexOf(1, row);
    RowLine& rowLine = lines_[first / static_cast<std::size_t>(stored_)];
    if (rowLine.start != line.data()) {
        // Texts the row views past these columns lie in its old line: they keep their text.
        for (std::size_t index = first + static_cast<std::size_t>(count);
             index < first + static_cast<std::size_t>(stored_); ++index) {
            if (isView(cells_[index]) && viewLength(cells_[index]) > 0) {
                store(index, Value::ofText(std::string(textAt(index))));
            }
        }
        rowLine.start = line.data();
    }
    return first;
}

void CellTable::keepAsRead(std::size_t first, std::string_view line, std::string_view written, int count) {
    RowLine& rowLine = lines_[first / static_cast<std::size_t>(stored_)];
    const bool keepsLine = !written.empty() && written.data() == line.data() && written.size() <= UINT32_MAX;
    rowLine.asReadLength = keepsLine ? static_cast<std::uint32_t>(written.size()) : 0;
    rowLine.asReadWidth = keepsLine ? count : 0;
}

CellTable::Code* CellTable::viewCellsIn(int row, std::string_view line, int count) {
    const std::size_t first = viewRowIn(row, line, count);
    Code* const cells = cells_.data() + first;
    for (int column = 0; column < count; ++column) {
        if (isSide(cells[column])) {
            release(cells[column]);
        }
        cells[column] = kEmpty;
    }
    lines_[first / static_cast<std::size_t>(stored_)].asReadWidth = 0;
    return cells;
}

void CellTable::putRowTexts(int row, std::string_view line, const std::string_view* texts, int count,
                            std::string_view written) {
    const std::size_t first = viewRowIn(row, line, count);
    for (int column = 0; column < count; ++column) {
        const std::string_view text = texts[column];
        Code& code = cells_[first + static_cast<std::size_t>(column)];
        const auto offset = static_cast<std::size_t>(text.data() - line.data());
        if (text.empty()) {
            release(code);
            code = kEmptyText;
        } else if (!isSide(code) && text.data() >= line.data() && offset < kViewOffsets &&
                   text.size() < kViewLengths && offset + text.size() <= line.size()) {
            code = kViewBit | static_cast<Code>(text.size() << 16) | static_cast<Code>(offset);
        } else {
            store(first + static_cast<std::size_t>(column), Value::ofText(std::string(text)));
        }
    }
    keepAsRead(first, line, written, count);
}

bool CellTable::operator==(const CellTable& other) const {
    if (columns_ != other.columns_ || rows() != other.rows()) {
        return false;
    }
    for (int row = 1; row <= rows(); ++row) {
        for (int column = 1; column <= columns_; ++column) {
            const Value::Kind k = kind(column, row);
            if (k != other.kind(column, row) || text(column, row) != other.text(column, row) ||
                (k == Value::Kind::Number && !(at(column, row) == other.at(column, row)))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace vc
