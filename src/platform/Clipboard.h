#pragma once
// The system clipboard as text: what a grid copies and pastes.

#include <string>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Texts are bytes, shown to other programs as the widgets show them.
    virtual void setText(const std::string& text) = 0;
    // "" when the clipboard holds no text.
    virtual std::string text() = 0;
};

} // namespace platform
