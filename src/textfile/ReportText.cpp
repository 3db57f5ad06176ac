#include "textfile/ReportText.h"

#include "textfile/TextForms.h"
#include "textfile/Utf8Text.h"

namespace textfile {

ReportText& ReportText::text(std::string_view t) {
    bytes_ += t;
    // A text that carries its own line end starts a new line for the tab stops.
    if (const auto lf = t.find_last_of('\n'); lf != std::string_view::npos) {
        column_ = 1 + static_cast<int>(characterCount(t.substr(lf + 1)));
    } else {
        column_ += static_cast<int>(characterCount(t));
    }
    return *this;
}

ReportText& ReportText::tab(int column) {
    if (column < 1) {
        column = 1;
    }
    if (column_ > column) {
        endLine();
    }
    bytes_.append(static_cast<std::size_t>(column - column_), ' ');
    column_ = column;
    return *this;
}

ReportText& ReportText::right(std::string_view formatted, int width) {
    const int pad = width - static_cast<int>(characterCount(formatted));
    if (pad > 0) {
        bytes_.append(static_cast<std::size_t>(pad), ' ');
        column_ += pad;
    }
    return text(formatted);
}

ReportText& ReportText::endLine() {
    bytes_ += kLineEnd;
    column_ = 1;
    return *this;
}

std::string ReportText::take() {
    std::string taken = std::move(bytes_);
    bytes_.clear();
    column_ = 1;
    return taken;
}

} // namespace textfile
