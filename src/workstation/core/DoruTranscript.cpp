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

void DoruTranscript::read(const std::string& fileName) {
    textfile::readWholeFileInto(fileName, bytes_);
    clear();
    // What the last time line gave the utterance to come: a view of the file's bytes.
    std::string_view nextTime;
    const char* const end = bytes_.data() + bytes_.size(); // the string's terminating NUL
    for (const char* at = bytes_.data(); at != end; at = pastLineEnd(at, end)) {
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
    bool inCode = false;
    bool inComment = false;
    for (;; ++at) {
        // Plain bytes only count inside a code, where a run of them goes on at once.
        const char* const plain = at;
        at = pastPlain(at, end);
        if (inCode) {
            appendToEntry(std::string_view(plain, static_cast<std::size_t>(at - plain)));
        }
        if (endsLine(at, end)) {
            return at;
        }
        const char ch = *at;
        if (ch == '{') {
            inComment = true;
        } else if (ch == '}') {
            inComment = false;
        }
        if (ch == '[') {
            beginEntry();
            requireWithin(entriesOfCurrent(), kMaxUtteranceEntries);
            inCode = true;
        } else if (ch == ']') {
            if (entriesOfCurrent() == 0) {
                beginEntry(); // the continuation of a line with no speaker yet
            }
            appendToEntry(']');
            const std::size_t begin = entryEnds_.size() == 1 ? 0 : entryEnds_[entryEnds_.size() - 2];
            for (std::size_t letter = begin; letter < entryChars_.size(); ++letter) {
                entryChars_[letter] = textfile::lowerCase(entryChars_[letter]);
            }
            inCode = false;
        }
        if (inCode) {
            appendToEntry(ch);
        } else if (inComment && kindOf(ch) == kTime) {
            timeChars_ += ch;
        }
    }
}

} // namespace ws
