#include "workstation/core/DoruTranscript.h"

#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"

#include <array>
#include <cstdint>

namespace ws {
namespace {

void requireWithin(std::size_t count, int limit) {
    if (count > static_cast<std::size_t>(limit)) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
}

// What a byte of a transcript line can be to its reader. Most bytes are plain text, which
// outside codes is only stepped over. A NUL may be the one that ends the file's bytes (the
// string's terminator), so the scans need no separate test for the end.
enum ByteKind : std::uint8_t { kPlain, kLineEnd, kNul, kMark, kTime };

constexpr std::array<ByteKind, 256> kByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    kinds['\r'] = kLineEnd;
    kinds['\n'] = kLineEnd;
    kinds['\0'] = kNul;
    for (const char mark : {'[', ']', '{', '}'}) {
        kinds[static_cast<unsigned char>(mark)] = kMark;
    }
    for (const char time : {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ':', '.'}) {
        kinds[static_cast<unsigned char>(time)] = kTime;
    }
    return kinds;
}();

ByteKind kindOf(char ch) {
    return kByteKinds[static_cast<unsigned char>(ch)];
}

bool endsLine(const char* at, const char* end) {
    return at == end || kindOf(*at) == kLineEnd;
}

// Past the plain bytes from `at`: at the first byte that is not plain or a NUL of the text.
// `*end` must be a NUL.
const char* pastPlain(const char* at, const char* end) {
    for (;;) {
        while (kindOf(*at) == kPlain) {
            ++at;
        }
        if (*at != '\0' || at == end) {
            return at;
        }
        ++at;
    }
}

// Where the line that goes on at `at` ends: at its CR or LF, or at `end`, which must hold a NUL.
const char* lineEndFrom(const char* at, const char* end) {
    for (;; ++at) {
        while (*at != '\r' && *at != '\n' && *at != '\0') {
            ++at;
        }
        if (*at != '\0' || at == end) {
            return at;
        }
    }
}

// Past a line end: CR LF, LF or a lone CR.
const char* pastLineEnd(const char* at, const char* end) {
    if (at != end && *at == '\r') {
        ++at;
    }
    if (at != end && *at == '\n') {
        ++at;
    }
    return at;
}

} // namespace

void ParseDoruFile(const std::string& fileName, DoruTranscript& transcript) {
    transcript.read(fileName);
}

void DoruTranscript::read(const std::string& fileName) {
    textfile::readWholeFileInto(fileName, bytes_);
    clear();
    // What the last time line gave the utterance to come: a view of the file's bytes.
    std::string_view nextTime;
    const char* const end = bytes_.data() + bytes_.size(); // the string's terminating NUL
    for (const char* at = bytes_.data() + textfile::byteOrderMarkLength(bytes_); at != end;
         at = pastLineEnd(at, end)) {
        const char first = *at;
        if (first == '-') {
            const char* const lineEnd = lineEndFrom(at + 1, end);
            const std::string_view time =
                textfile::trimmedBlanks(std::string_view(at + 1, static_cast<std::size_t>(lineEnd - at - 1)));
            if (!time.empty()) { // a line of the minus sign alone gives no time
                requireWithin(size() + 1, kMaxUtterances);
                nextTime = time;
            }
            at = lineEnd;
            continue;
        }
        if (kindOf(first) == kLineEnd || first == '+' || first == '$') {
            at = lineEndFrom(at, end); // an empty line or one the transcriber notes for itself
            continue;
        }
        if (first != ' ') {
            requireWithin(size() + 1, kMaxUtterances);
            beginUtterance(nextTime, first);
            nextTime = {};
        }
        at = readUtteranceLine(at, end);
    }
}

std::string_view DoruTranscript::timeText(std::size_t utterance) const {
    const std::size_t begin = utterances_[utterance].timeChar;
    const std::size_t end =
        utterance + 1 < utterances_.size() ? utterances_[utterance + 1].timeChar : timeChars_.size();
    return std::string_view(timeChars_.data() + begin, end - begin);
}

void DoruTranscript::clear() {
    utterances_.clear();
    timeChars_.clear();
    entryChars_.clear();
    entryEnds_.clear();
}

void DoruTranscript::beginUtterance(std::string_view timeText, char speaker) {
    if (utterances_.empty()) {
        // Lines that continue before the first utterance were read into the buffers only to
        // be dropped: they count towards the entry limit and nothing else.
        clear();
    }
    utterances_.push_back(Start{timeChars_.size(), entryEnds_.size()});
    timeChars_ += timeText;
    beginEntry();
    appendToEntry(speaker);
}

void DoruTranscript::beginEntry() {
    entryEnds_.push_back(entryChars_.size());
}

// Bracketed codes become entries, and digits, colons and points inside braces go on the
// utterance's time text. Only the current utterance's last entry and time text change, and
// they end their buffers, so every change is an append at the end.
const char* DoruTranscript::readUtteranceLine(const char* at, const char* const end) {
    bool inComment = false;
    for (;; ++at) {
        at = pastPlain(at, end);
        if (endsLine(at, end)) {
            return at;
        }
        const char ch = *at;
        if (ch == '{') {
            inComment = true;
        } else if (ch == '}') {
            inComment = false;
        } else if (ch == '[') {
            at = readCode(at, end, inComment);
        } else if (ch == ']') {
            closeEntry(); // a bracket no code of this line opened
        } else if (inComment && kindOf(ch) == kTime) {
            timeChars_ += ch;
        }
    }
}

// Everything up to the code's closing bracket (braces included, which still open and close
// comments) goes on the entry at once, in small letters when the bracket closes it; a code
// left open at the next "[" or the line end keeps its letters.
const char* DoruTranscript::readCode(const char* const open, const char* const end, bool& inComment) {
    beginEntry();
    requireWithin(entriesOfCurrent(), kMaxUtteranceEntries);
    const char* at = open + 1;
    for (;; ++at) {
        const char ch = *at;
        if (ch == '{') {
            inComment = true;
        } else if (ch == '}') {
            inComment = false;
        } else if (ch == '[' || ch == ']' || kindOf(ch) == kLineEnd || (ch == '\0' && at == end)) {
            break;
        }
    }
    const std::size_t begin = entryChars_.size();
    entryChars_.append(open, static_cast<std::size_t>(at - open));
    if (at == end || *at != ']') {
        entryEnds_.back() = entryChars_.size();
        return at - 1; // the caller goes on at the "[" or the line end
    }
    entryChars_ += ']';
    entryEnds_.back() = entryChars_.size();
    lowerCaseFrom(begin);
    return at;
}

void DoruTranscript::closeEntry() {
    if (entriesOfCurrent() == 0) {
        beginEntry(); // the continuation of a line with no speaker yet
    }
    appendToEntry(']');
    lowerCaseFrom(entryEnds_.size() == 1 ? 0 : entryEnds_[entryEnds_.size() - 2]);
}

void DoruTranscript::lowerCaseFrom(std::size_t begin) {
    char* const chars = entryChars_.data();
    const std::size_t end = entryChars_.size();
    for (std::size_t letter = begin; letter < end; ++letter) {
        chars[letter] = textfile::lowerCase(chars[letter]);
    }
}

} // namespace ws
