#pragma once
// The utterances of a DORU transcript (.slt): each one's speaker letter, bracketed codes and the
// time its time line and braces give it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

inline constexpr int kMaxUtterances = 5000;
inline constexpr int kMaxUtteranceEntries = 50;

// The utterances are kept flat: their time texts and entries are ranges of buffers the whole
// transcript shares. A transcript has thousands of utterances of two or three short entries,
// so one allocation for each would cost more than the rest of its reading; and a table read
// into again keeps its buffers.
class DoruTranscript;

// Replaces the table's contents with the utterances of `fileName`. Past the table's limits it
// throws RunError 9.
void ParseDoruFile(const std::string& fileName, DoruTranscript& transcript);

class DoruTranscript {
public:
    std::size_t size() const { return utterances_.size(); }
    std::string_view timeText(std::size_t utterance) const;
    // The utterance's entries: its speaker letter first, then "[code]" in lower case.
    std::size_t firstEntry(std::size_t utterance) const { return utterances_[utterance].firstEntry; }
    std::size_t entryEnd(std::size_t utterance) const {
        return utterance + 1 < utterances_.size() ? utterances_[utterance + 1].firstEntry : entryEnds_.size();
    }
    std::string_view entry(std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : entryEnds_[index - 1];
        return std::string_view(entryChars_.data() + begin, entryEnds_[index] - begin);
    }

private:
    friend void ParseDoruFile(const std::string& fileName, DoruTranscript& transcript);
    void read(const std::string& fileName);

    struct Start {
        std::size_t timeChar = 0;
        std::size_t firstEntry = 0;
    };

    void clear();
    void beginUtterance(std::string_view timeText, char speaker);
    // Reads the utterance line that starts at `at`; returns where it ends.
    const char* readUtteranceLine(const char* at, const char* end);
    // Reads the code that opens at `open`; returns the last byte it took.
    const char* readCode(const char* open, const char* end, bool& inComment);
    // Closes the last entry with "]" and puts it in small letters.
    void closeEntry();
    // Puts the entry letters from `begin` to the end in small letters.
    void lowerCaseFrom(std::size_t begin);
    void beginEntry();
    void appendToEntry(char ch) {
        entryChars_ += ch;
        ++entryEnds_.back();
    }
    void appendToEntry(std::string_view text) {
        entryChars_ += text;
        entryEnds_.back() += text.size();
    }
    std::size_t entriesOfCurrent() const {
        return entryEnds_.size() - (utterances_.empty() ? 0 : utterances_.back().firstEntry);
    }

    std::string bytes_; // the file's
    std::vector<Start> utterances_;
    std::string timeChars_;
    std::string entryChars_;
    std::vector<std::size_t> entryEnds_; // where each entry ends in entryChars_
};

} // namespace ws
