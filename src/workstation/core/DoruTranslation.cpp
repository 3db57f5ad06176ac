#include "workstation/core/DoruTranslation.h"

#include "textfile/FieldReader.h"
#include "textfile/RunError.h"
#include "textfile/ShortTextWord.h"
#include "textfile/TextCase.h"

namespace ws {
namespace {

void requireWithin(std::size_t count, int limit) {
    if (count > static_cast<std::size_t>(limit)) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
}

std::vector<std::string> translationFields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (const char ch : line) {
        if (ch == ',' || ch == '[') {
            fields.emplace_back(ch == '[' ? "[" : "");
            requireWithin(fields.size(), kMaxTranslationFields);
        } else if (ch != ' ') {
            fields.back() += ch;
        }
    }
    return fields;
}

// `lowered` (in small letters already) equals `text` with letter case ignored.
bool equalsIgnoringCase(std::string_view lowered, std::string_view text) {
    if (lowered.size() != text.size()) {
        return false;
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (lowered[at] != textfile::lowerCase(text[at])) {
            return false;
        }
    }
    return true;
}

// The key of a text in small letters: for texts of up to kShortTextBytes bytes their word, in
// which all bytes are lowered at once; for longer ones an FNV-1a hash.
std::uint64_t loweredKey(std::string_view text) {
    if (text.size() <= textfile::kShortTextBytes) {
        constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
        const std::uint64_t word = textfile::shortTextWord(text);
        const std::uint64_t low = word & ~kHighBits;
        // A byte's high bit in fromA is set when its low bits are 'A' or above, in pastZ when
        // they are past 'Z'; no sum carries into the next byte.
        const std::uint64_t fromA = low + 0x3F3F3F3F3F3F3F3Full;
        const std::uint64_t pastZ = low + 0x2525252525252525ull;
        const std::uint64_t capitals = fromA & ~pastZ & ~word & kHighBits;
        return word | capitals >> 2; // 0x80 >> 2 is the 0x20 between 'A' and 'a'
    }
    std::uint64_t hash = 14695981039346656037ull;
    for (const char ch : text) {
        hash = (hash ^ static_cast<unsigned char>(textfile::lowerCase(ch))) * 1099511628211ull;
    }
    return hash;
}

} // namespace

std::vector<std::vector<std::string>> readDoruTranslation(const std::string& fileName) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
    std::vector<std::vector<std::string>> lines;
    while (!reader.atEnd()) {
        const std::string_view line = reader.readLineView();
        if (textfile::isBlank(line)) {
            continue;
        }
        requireWithin(lines.size() + 1, kMaxTranslationLines);
        lines.push_back(translationFields(line));
    }
    return lines;
}

DoruTranslation::DoruTranslation(const std::vector<std::vector<std::string>>& lines) {
    requireWithin(lines.size(), kMaxTranslationLines);
    std::size_t entryFields = 0;
    for (const auto& fields : lines) {
        entryFields += fields.size() - 1;
    }
    slots_.reserveFor(entryFields);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const auto& fields = lines[line];
        codes_.push_back(fields[0]);
        needs_.push_back(fields.size() - 1);
        for (std::size_t field = 1; field < fields.size(); ++field) {
            index(textfile::lowerCase(fields[field]), line);
        }
    }
    firstWithoutEntries_ = firstFitting(nullptr, 0);
    for (Field& field : fields_) {
        const Field* const named[] = {&field};
        field.alone = firstFitting(named, 1);
    }
    for (const Field& field : fields_) {
        if (field.text.size() == 1) {
            const char ch = field.text[0];
            byteFields_[static_cast<unsigned char>(ch)] = &field;
            if (ch >= 'a' && ch <= 'z') {
                byteFields_[static_cast<unsigned char>(ch - 'a' + 'A')] = &field;
            }
        }
    }
}

void DoruTranslation::index(const std::string& text, std::size_t line) {
    const std::uint64_t key = loweredKey(text);
    std::size_t known =
        slots_.find(key, text.size(), [&](std::size_t field) { return fields_[field].text == text; });
    if (known == textfile::TextSlots::npos) {
        known = fields_.size();
        fields_.emplace_back().text = text;
        slots_.insert(key, text.size(), known);
    }
    fields_[known].lines[line / 64] |= std::uint64_t{1} << (line % 64);
}

const DoruTranslation::Field* DoruTranslation::fieldOf(std::string_view entry) const {
    if (entry.size() == 1) {
        return byteFields_[static_cast<unsigned char>(entry[0])];
    }
    const std::size_t field = slots_.find(loweredKey(entry), entry.size(), [&](std::size_t found) {
        return entry.size() <= textfile::kShortTextBytes || equalsIgnoringCase(fields_[found].text, entry);
    });
    return field == textfile::TextSlots::npos ? nullptr : &fields_[field];
}

std::size_t DoruTranslation::firstFitting(const Field* const* named, std::size_t count) const {
    for (std::size_t line = 0; line < codes_.size(); ++line) {
        if (needs_[line] > count) {
            continue;
        }
        std::size_t matching = 0;
        for (std::size_t entry = 0; entry < count; ++entry) {
            matching += names(*named[entry], line) ? 1 : 0;
        }
        if (matching == needs_[line]) {
            return line;
        }
    }
    return codes_.size();
}

std::size_t DoruTranslation::lineFor(const DoruTranscript& transcript, std::size_t utterance) const {
    // The entries that some line names; the others count nowhere. Left uninitialised: only the
    // ones found are read, and clearing the array cost as much as the search.
    std::array<const Field*, kMaxUtteranceEntries> named;
    std::size_t count = 0;
    for (std::size_t entry = transcript.firstEntry(utterance); entry < transcript.entryEnd(utterance);
         ++entry) {
        if (const Field* field = fieldOf(transcript.entry(entry))) {
            if (count == named.size()) { // a transcript holds no more entries to an utterance
                throw textfile::RunError(textfile::kSubscriptOutOfRange);
            }
            named[count++] = field;
        }
    }
    // Nearly every utterance names one entry or none, whose lines are known beforehand.
    if (count <= 1) {
        return count == 0 ? firstWithoutEntries_ : named[0]->alone;
    }
    return firstFitting(named.data(), count);
}

} // namespace ws
