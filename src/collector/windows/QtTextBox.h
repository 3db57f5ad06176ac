#pragma once
// The collector's text box over a QPlainTextEdit: CR LF outside, the widget's LF inside.

#include "collector/TextBox.h"

class QPlainTextEdit;

namespace collector {

class QtTextBox : public TextBox {
public:
    explicit QtTextBox(QPlainTextEdit& edit) : edit_(edit) {}
    void insertAtCaret(std::string_view bytes) override;
    void backspace() override;
    std::string text() const override;
    void setText(std::string_view bytes) override;
    void moveCaretToEnd() override;
    void takeFocus() override;

private:
    QPlainTextEdit& edit_;
};

} // namespace collector
