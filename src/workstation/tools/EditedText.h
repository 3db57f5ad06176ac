#pragma once
// A data file as the text editor shows it and the bytes it saves back. The widget holds
// UTF-8 text with LF line ends; a file that is not UTF-8 shows as Latin-1, and its line
// end (CR LF or LF) is put back on every line when the text is saved.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ws {

class EditedText {
public:
    EditedText() = default;
    explicit EditedText(std::string fileBytes);

    // What the widget is given: UTF-8, every CR LF, LF or lone CR as one LF. Made when first
    // asked for, so that a long file can be shown part by part before it is made whole.
    const std::string& shown() const;
    // The part of shown() made of the file's lines from byte `from` on, at most `lines` of
    // them with their line ends; `from` moves past them. The parts of a file, one after the
    // other, are shown() whole.
    std::string shownPart(std::size_t& from, std::size_t lines) const;
    const std::string& fileBytes() const { return fileBytes_; }
    // The bytes to save for the widget's text (UTF-8, LF line ends). The text as it was
    // shown gives the file's own bytes back whole.
    std::string bytesFor(const std::string& text) const;

private:
    std::string fileBytes_;
    mutable std::optional<std::string> shown_;
    bool latin1_ = false;
    std::string lineEnd_ = "\r\n";
};

// The caret's line: 1 + the line ends (CR LF or LF, one each) in the text before the caret.
int CurrentLine(std::string_view textBeforeCaret);

} // namespace ws
