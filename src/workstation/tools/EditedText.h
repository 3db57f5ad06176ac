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

    // The text shown: UTF-8, every CR LF, LF or lone CR as one LF. Made when first asked for,
    // so that a long file can be shown part by part before it is made whole.
    const std::string& shown() const;
    // The file's own bytes of its lines from byte `from` on, at most `lines` of them with their
    // line ends; `from` moves past them. A part never ends between the CR and the LF of one
    // line end, so the parts, each read as readsAsLatin1() says, are shown() line for line.
    std::string_view nextLines(std::size_t& from, std::size_t lines) const;
    // A first screen of at most `lines` lines taken from the start of a longer file alone,
    // before the rest is read: its whole lines, when they are ASCII, which reads the same in
    // either encoding. Empty when the start gives no such lines.
    static std::string_view firstScreen(std::string_view start, std::size_t lines);
    // True when the file is not UTF-8 and so shows as Latin-1. Decided when first asked for.
    bool latin1() const;
    // Whether a part of the file is to be read as Latin-1 (else as UTF-8). ASCII reads the same
    // either way, so a part of it is decided without a look at the rest of the file.
    bool readsAsLatin1(std::string_view part) const;
    const std::string& fileBytes() const { return fileBytes_; }
    // The bytes to save for the widget's text (UTF-8, LF line ends). The text as it was
    // shown gives the file's own bytes back whole.
    std::string bytesFor(const std::string& text) const;

private:
    std::string fileBytes_;
    mutable std::optional<std::string> shown_;
    mutable std::optional<bool> latin1_;
    std::string lineEnd_ = "\r\n";
};

// The caret's line: 1 + the line ends (CR LF or LF, one each) in the text before the caret.
int CurrentLine(std::string_view textBeforeCaret);

} // namespace ws
