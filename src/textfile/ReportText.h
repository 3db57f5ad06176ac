#pragma once
// Fixed-column report text: items placed at tab stops, numbers right-aligned. Columns count
// characters (see Utf8Text.h), so a text with accents keeps the columns after it in place.

#include <string>
#include <string_view>

namespace textfile {

// Accumulates print lines. Columns count from 1.
class ReportText {
public:
    ReportText& text(std::string_view t);
    // Fills with blanks up to column - 1. When the line already reaches past the column,
    // ends the line first and starts the item at that column of the new line.
    ReportText& tab(int column);
    // Right-aligns an already formatted text in width characters: padded on the left;
    // a longer text is written whole.
    ReportText& right(std::string_view formatted, int width);
    // Ends the current line with CR LF.
    ReportText& endLine();
    // Text then line end.
    ReportText& line(std::string_view t = {}) { return text(t).endLine(); }

    int column() const { return column_; } // the column the next character goes to
    const std::string& bytes() const { return bytes_; }
    std::string take();

private:
    std::string bytes_;
    int column_ = 1;
};

} // namespace textfile
