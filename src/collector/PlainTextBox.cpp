#include "collector/PlainTextBox.h"

namespace collector {

void PlainTextBox::insertAtCaret(std::string_view bytes) {
    text_.insert(caret_, bytes);
    caret_ += bytes.size();
}

void PlainTextBox::backspace() {
    if (caret_ == 0) {
        return;
    }
    // A line end is one character to the person.
    const bool lineEnd = caret_ >= 2 && text_.compare(caret_ - 2, 2, "\r\n") == 0;
    const std::size_t width = lineEnd ? 2 : 1;
    text_.erase(caret_ - width, width);
    caret_ -= width;
}

void PlainTextBox::setText(std::string_view bytes) {
    text_.assign(bytes);
    caret_ = 0;
}

} // namespace collector
