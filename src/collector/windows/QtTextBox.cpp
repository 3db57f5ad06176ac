#include "collector/windows/QtTextBox.h"

#include "platform/qt/TextBridge.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace collector {
namespace {

QString widgetText(std::string_view bytes) {
    QString text = platform::toDisplay(std::string(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

void QtTextBox::insertAtCaret(std::string_view bytes) {
    edit_.insertPlainText(widgetText(bytes));
    edit_.ensureCursorVisible(); // the line just entered stays in sight
}

void QtTextBox::backspace() {
    QTextCursor cursor = edit_.textCursor();
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
    } else {
        cursor.deletePreviousChar();
    }
    edit_.setTextCursor(cursor);
}

std::string QtTextBox::text() const {
    QString text = edit_.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return platform::fromDisplay(text);
}

void QtTextBox::setText(std::string_view bytes) {
    edit_.setPlainText(widgetText(bytes));
}

void QtTextBox::moveCaretToEnd() {
    edit_.moveCursor(QTextCursor::End);
    edit_.ensureCursorVisible();
}

void QtTextBox::takeFocus() {
    edit_.setFocus();
}

} // namespace collector
