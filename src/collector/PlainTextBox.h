#pragma once
// A text box without a window: the text and a caret. Drives sessions in tests and benchmarks.

#include "collector/TextBox.h"

#include <cstddef>

namespace collector {

class PlainTextBox : public TextBox {
public:
    void insertAtCaret(std::string_view bytes) override;
    void backspace() override;
    std::string text() const override { return text_; }
    void setText(std::string_view bytes) override;
    void moveCaretToEnd() override { caret_ = text_.size(); }
    void takeFocus() override { ++focusCount_; }

    // The person moving the caret with the mouse or the arrow keys.
    void moveCaretTo(std::size_t position) { caret_ = position < text_.size() ? position : text_.size(); }
    std::size_t caret() const { return caret_; }
    int focusCount() const { return focusCount_; }

private:
    std::string text_;
    std::size_t caret_ = 0;
    int focusCount_ = 0;
};

} // namespace collector
