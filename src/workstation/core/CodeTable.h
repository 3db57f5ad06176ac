#pragma once
// The current code set in memory: fields 1..3 (code, description, group) by rows 1..NumCodes.

#include "textfile/Value.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

class CodeTableData {
public:
    CodeTableData() { resize(1); }
    // Re-creates the table with rows 1..rows, every value empty.
    void resize(int rows) {
        cells_.assign(static_cast<std::size_t>(rows + 1) * 4, textfile::Value{});
        rows_ = rows;
    }
    // Rows 1..rows keeping the values of the rows that remain; new rows are empty.
    void resizeKeeping(int rows) {
        cells_.resize(static_cast<std::size_t>(rows + 1) * 4);
        rows_ = rows;
    }
    int rows() const { return rows_; }

    textfile::Value& operator()(int field, int row) { return cells_.at(index(field, row)); }
    const textfile::Value& operator()(int field, int row) const { return cells_.at(index(field, row)); }

    // Field 1 as text.
    std::string code(int row) const { return (*this)(1, row).asText(); }
    // code(row) == code without copying the code out, for lookups over every row.
    bool codeIs(int row, std::string_view code) const;
    std::string description(int row) const { return (*this)(2, row).asText(); }
    // Field 3 as a 16-bit group number (a text group from the editor's grid reads by its
    // leading number). A group that does not fit throws RunError 6 into the caller's failure
    // path: the file may hold any number there, but every use of it is 16-bit.
    std::int16_t group(int row) const;

private:
    std::size_t index(int field, int row) const { return static_cast<std::size_t>(row) * 4 + field; }
    std::vector<textfile::Value> cells_;
    int rows_ = 1;
};

} // namespace ws
