#pragma once
// The collector's text box as its handlers use it. Texts are bytes with CR LF line ends;
// the window's box and the plain box of tests and benchmarks both keep that form.

#include <string>
#include <string_view>

namespace collector {

class TextBox {
public:
    virtual ~TextBox() = default;
    // Replaces the selection (if any) at the caret and leaves the caret after the text.
    virtual void insertAtCaret(std::string_view bytes) = 0;
    // What the Backspace key does in the box: the selection, or the character before the caret.
    virtual void backspace() = 0;
    virtual std::string text() const = 0;
    virtual void setText(std::string_view bytes) = 0;
    virtual void moveCaretToEnd() = 0;
    virtual void takeFocus() = 0;
};

} // namespace collector
