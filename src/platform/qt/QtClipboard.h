#pragma once

#include "platform/Clipboard.h"

namespace platform::qt {

// The application's clipboard; texts pass through the text bridge both ways.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const std::string& text) override;
    std::string text() override;
};

} // namespace platform::qt
