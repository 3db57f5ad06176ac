#pragma once
// A DORU translation file: each non-blank line an event code followed by the entries
// ("[code]" or a speaker letter) an utterance must hold to be that event.

#include "textfile/TextSlots.h"
#include "workstation/core/DoruTranscript.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

inline constexpr int kMaxTranslationLines = 100;
inline constexpr int kMaxTranslationFields = 50;

// The non-blank lines of a translation file, each as its fields: the event code first. Past
// the limits it throws RunError 9.
std::vector<std::vector<std::string>> readDoruTranslation(const std::string& fileName);

// The lines ready to match every utterance of a transcript: each entry is looked up once in
// a hash of the lines' distinct entry fields, each with the set of lines that name it, instead
// of every field of every line being compared with every entry.
class DoruTranslation {
public:
    explicit DoruTranslation(const std::vector<std::vector<std::string>>& lines);
    // Its look-ups point into it.
    DoruTranslation(const DoruTranslation&) = delete;
    DoruTranslation& operator=(const DoruTranslation&) = delete;

    std::size_t lines() const { return codes_.size(); }
    const std::string& code(std::size_t line) const { return codes_[line]; }
    // The first line every one of whose entry fields the utterance's entries fill, counting
    // entries (two entries may fill the same field), letter case aside; lines() when none does.
    std::size_t lineFor(const DoruTranscript& transcript, std::size_t utterance) const;

private:
    // Lines by index, one bit each.
    using LineSet = std::array<std::uint64_t, (kMaxTranslationLines + 63) / 64>;
    struct Field {
        std::string text;      // in small letters
        LineSet lines{};       // the lines that name it
        std::size_t alone = 0; // the first line an utterance fits whose only named entry this is
    };
    // The entry field `entry` is (letter case aside); null when no line names it.
    const Field* fieldOf(std::string_view entry) const;
    bool names(const Field& field, std::size_t line) const {
        return (field.lines[line / 64] >> (line % 64)) & 1;
    }
    // The first line that utterances whose named entries are `named` fit, or lines().
    std::size_t firstFitting(const Field* const* named, std::size_t count) const;
    void index(const std::string& text, std::size_t line);

    std::vector<std::string> codes_;      // by line
    std::vector<std::size_t> needs_;      // entry fields by line
    std::size_t firstWithoutEntries_ = 0; // the first line an utterance naming no entry fits
    std::vector<Field> fields_;
    // Each field by its key: texts of up to eight bytes by their words in small letters, longer
    // ones by a hash of them, which only finds where to compare them.
    textfile::TextSlots slots_;
    // The fields of one byte by that byte in either case: every utterance's speaker letter is
    // looked up, and most match no field.
    std::array<const Field*, 256> byteFields_{};
};

} // namespace ws
