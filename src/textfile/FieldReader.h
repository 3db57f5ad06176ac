#pragma once
// Reads the suite's text files the way every reader of the suite does:
// comma/quote fields ("input" reads) and whole lines ("line input" reads).
// Lines may end in CR LF or LF.

#include "textfile/ByteWords.h"
#include "textfile/Value.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace textfile {

struct Field {
    std::string text;    // without its quotes when it was quoted, blanks around it dropped otherwise
    bool quoted = false; // the field stood in double quotes
};

// A field as it stands in the reader's bytes: valid while the reader lives.
struct FieldView {
    std::string_view text;
    bool quoted = false;
};

class FieldReader {
public:
    // A byte-order mark at the start of the bytes is stepped over.
    explicit FieldReader(std::string bytes);
    // Reads a whole file; throws RunError 53 when it does not exist, 75 when it cannot be read.
    static FieldReader fromFile(const std::string& path);
    // fromFile() into `buffer`, whose room is kept: a caller reading file after file hands back
    // what takeBytes() gave it, and reads without allocating.
    static FieldReader fromFile(const std::string& path, std::string buffer);

    // One comma-delimited field. A quoted field runs to its closing quote (commas inside belong
    // to it); what follows up to the next comma or line end is skipped. The delimiter after the
    // field (comma or line end) is consumed. Throws RunError 62 at the end of the input.
    Field readField();
    // readField() without copying the text out, for readers that take every field of a file.
    FieldView readFieldView();
    std::string readText() { return readField().text; }
    // A field read as a number: bare or print form (" 5 "), a fraction allowed; an empty
    // unquoted field reads as 0. Throws RunError 13 when the field holds other text, 62 at the end.
    double readNumber();
    // readNumber() taken as a 32-bit whole number, rounded and checked as toInt32() does.
    std::int32_t readInt32();
    // The record nearly every line of an event file holds, a bare field of one to seven bytes,
    // a comma and one to eight digits closed by the line end ("G1C1,1234"), read as
    // readFieldView() then readInt32() read it. False, with nothing consumed, for any other
    // form and within 16 bytes of the end.
    bool readShortRecord(std::string_view& field, std::int32_t& number);
    // readShortRecord() over the records that follow, each handed to take(field, number):
    // while they have the short form and take returns true. The position stays out of memory
    // meanwhile, so one record's end is found while the caller still stores the one before.
    template <class Take> void readShortRecords(Take&& take);
    // The bytes of a field that readShortRecords() handed over, packed as shortTextWord()
    // packs them, from one load: such a field is shorter than a word and has a block's room
    // after its start.
    static std::uint64_t shortRecordFieldWord(std::string_view field) {
        return bytewords::load(field.data()) & ((std::uint64_t{1} << (8 * field.size())) - 1);
    }
    // A field read into a value: quoted gives Text, "#NULL#" Null, nothing Empty,
    // a bare number Number, any other bare text Text.
    Value readValue();
    // The rest of the current line, whole (commas and quotes included), without its line end.
    // Throws RunError 62 at the end of the input.
    std::string readLine();
    // readLine() without copying the line out: valid while the reader lives.
    std::string_view readLineView();
    // The lines from here to the end, counted the way readLine() takes them.
    std::size_t linesLeft() const;

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // Every byte read from, the byte-order mark included.
    std::string_view bytes() const { return bytes_; }
    // Every byte, handed over whole; the reader is then at its end.
    std::string takeBytes() {
        std::string taken = std::move(bytes_);
        bytes_.clear();
        pos_ = 0;
        return taken;
    }
    std::size_t position() const { return pos_; }

private:
    // Nearly every field of a data file is bare: no blanks, quotes or commas in it, closed by
    // a comma, a line end or the end of the input. The readers' loops take those inline, and
    // the general path below takes the rest, which gives the same for bare fields.
    static bool isBareFieldByte(char c) { return c != ',' && static_cast<unsigned char>(c) > '"'; }
    // Past the delimiter that closes a bare field stopped at `at`; null when `at` holds a byte
    // that is no delimiter, such as a blank or a quote.
    const char* pastBareFieldEnd(const char* at) const;
    // A bare field of whole digits, perhaps after a minus sign, parsed while it is scanned.
    // False, with nothing consumed, for any other field and past maxDigits digits.
    bool readBareWholeNumber(std::ptrdiff_t maxDigits, std::uint64_t& magnitude, bool& negative);

    FieldView readAnyFieldView();
    std::int32_t readAnyInt32();
    // The short record at `begin` (at least 16 bytes before the end): past it, or null.
    static const char* pastShortRecord(const char* begin, std::string_view& field, std::int32_t& number);

    std::string bytes_;
    std::size_t pos_ = 0;
};

inline const char* FieldReader::pastBareFieldEnd(const char* at) const {
    const char* const end = bytes_.data() + bytes_.size();
    if (at == end) {
        return at;
    }
    switch (*at) {
    case ',':
    case '\n':
        return at + 1;
    case '\r':
        return at + 1 != end && at[1] == '\n' ? at + 2 : at + 1;
    default:
        return nullptr;
    }
}

inline FieldView FieldReader::readFieldView() {
    const char* const data = bytes_.data();
    const char* const end = data + bytes_.size();
    const char* const begin = data + pos_;
    const char* at = begin;
    while (at != end && isBareFieldByte(*at)) {
        ++at;
    }
    if (at != begin) {
        if (const char* next = pastBareFieldEnd(at)) {
            pos_ = static_cast<std::size_t>(next - data);
            return {std::string_view(begin, static_cast<std::size_t>(at - begin)), false};
        }
    }
    return readAnyFieldView();
}

inline bool FieldReader::readBareWholeNumber(std::ptrdiff_t maxDigits, std::uint64_t& magnitude,
                                             bool& negative) {
    const char* const data = bytes_.data();
    const char* const end = data + bytes_.size();
    const char* at = data + pos_;
    negative = at != end && *at == '-';
    if (negative) {
        ++at;
    }
    const char* const digits = at;
    std::uint64_t whole = 0; // unsigned, so a run too long to use wraps harmlessly
    while (at != end && *at >= '0' && *at <= '9') {
        whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
        ++at;
    }
    if (at == digits || at - digits > maxDigits) {
        return false;
    }
    const char* const next = pastBareFieldEnd(at);
    if (next == nullptr) {
        return false;
    }
    pos_ = static_cast<std::size_t>(next - data);
    magnitude = whole;
    return true;
}

// A record's first sixteen bytes are marked at once. Where the next record starts depends
// only on where the line feed is, so the records of a file follow one another quickly;
// whether the record has the short form is settled beside that, by a branch the processor
// nearly always guesses right.
[[gnu::always_inline]] inline const char*
FieldReader::pastShortRecord(const char* begin, std::string_view& field, std::int32_t& number) {
    namespace bw = bytewords;
    const bw::BlockMarks marks = bw::marksOf(begin);
    if (marks.lineFeeds == 0) {
        return nullptr;
    }
    const int lineEnd = std::countr_zero(marks.lineFeeds);
    const int length = std::countr_zero(marks.upToQuote | marks.commas); // a line feed is one of them
    // The digits run from past the comma to the line end, or to a CR just before it.
    const int digitsBegin = length + 1;
    const int digitsEnd = lineEnd - static_cast<int>((marks.carriageReturns << 1 >> lineEnd) & 1u);
    const int count = digitsEnd - digitsBegin;
    const unsigned digitBytes = (1u << digitsEnd) - (1u << digitsBegin);
    if (length == 0 || length >= static_cast<int>(bw::kWordBytes) || ((marks.commas >> length) & 1u) == 0 ||
        count < 1 || count > static_cast<int>(bw::kWordBytes) || (marks.digits & digitBytes) != digitBytes) {
        return nullptr;
    }
    field = std::string_view(begin, static_cast<std::size_t>(length));
    // A bare whole number of at most eight digits: readInt32() gives it as it stands.
    number = static_cast<std::int32_t>(bw::digitsValue(bw::load(begin + digitsBegin), count));
    return begin + lineEnd + 1;
}

inline bool FieldReader::readShortRecord(std::string_view& field, std::int32_t& number) {
    if constexpr (!bytewords::kUsable) {
        return false;
    }
    if (bytes_.size() - pos_ < bytewords::kBlockBytes) {
        return false;
    }
    const char* const next = pastShortRecord(bytes_.data() + pos_, field, number);
    if (next == nullptr) {
        return false;
    }
    pos_ = static_cast<std::size_t>(next - bytes_.data());
    return true;
}

template <class Take> void FieldReader::readShortRecords(Take&& take) {
    if constexpr (!bytewords::kUsable) {
        return;
    }
    if (bytes_.size() < bytewords::kBlockBytes) {
        return;
    }
    const char* const data = bytes_.data();
    const char* const last = data + bytes_.size() - bytewords::kBlockBytes; // the last start with room
    const char* at = data + pos_;
    while (at <= last) {
        std::string_view field;
        std::int32_t number = 0;
        const char* const next = pastShortRecord(at, field, number);
        if (next == nullptr) {
            break;
        }
        at = next;
        if (!take(field, number)) {
            break;
        }
    }
    pos_ = static_cast<std::size_t>(at - data);
}

inline std::int32_t FieldReader::readInt32() {
    constexpr std::ptrdiff_t kInt32Digits = 9; // any nine digits fit, either sign
    std::uint64_t magnitude = 0;
    bool negative = false;
    if (readBareWholeNumber(kInt32Digits, magnitude, negative)) {
        const auto whole = static_cast<std::int32_t>(magnitude);
        return negative ? -whole : whole;
    }
    return readAnyInt32();
}

} // namespace textfile
