#include "textfile/QvdRow.h"

#include "textfile/ShortTextWord.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textfile {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kLowSevens = 0x7F7F7F7F7F7F7F7Full;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// The high bit of each byte of `word` that is zero, exactly (no carry marks a byte above).
std::uint64_t zeroBytes(std::uint64_t word) {
    return ~(((word & kLowSevens) + kLowSevens) | word | kLowSevens);
}

// Bit i set where byte i of `word` (the first in memory at bit 0) is `mark`.
std::uint64_t markBits(std::uint64_t word, char mark) {
    const std::uint64_t highs = zeroBytes(word ^ (kOnes * static_cast<unsigned char>(mark)));
    // Each byte's flag, moved to bit 0 of the byte, lands on its own bit of the top byte.
    return ((highs >> 7) * 0x0102040810204080ull) >> 56;
}

// A row is split from the masks of its marks, one pair per block of this many bytes.
constexpr std::size_t kMaskBytes = 64;

// Bit i of each set where byte i of a block is a comma, or a quote.
struct Marks {
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;

    void addWord(std::uint64_t word, std::size_t at) {
        commas |= markBits(word, ',') << at;
        quotes |= markBits(word, '"') << at;
    }
#if defined(__SSE2__)
    void addSixteen(const char* bytes, std::size_t at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        const auto bits = [&](char mark) {
            const int found = _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(mark)));
            return static_cast<std::uint64_t>(static_cast<std::uint16_t>(found)) << at;
        };
        commas |= bits(',');
        quotes |= bits('"');
    }
#endif
    Marks shiftedDown(std::size_t bytes) const {
        return {commas >> bytes, quotes >> bytes};
    }
};

// The marks of a line of at most kMaskBytes bytes. Only the line's own bytes are read (a copy
// to a padded buffer stalls each load on the copy's stores): the last, partial block is the
// one that ends at the line's end, shifted down.
Marks marksOf(std::string_view line) {
    const std::size_t size = line.size();
    const char* const text = line.data();
    Marks marks;
    std::size_t at = 0;
#if defined(__SSE2__)
    if (size >= 16) {
        for (; at + 16 <= size; at += 16) {
            marks.addSixteen(text + at, at);
        }
        if (at != size) {
            marks.addSixteen(text + size - 16, size - 16);
        }
        return marks;
    }
#endif
    if (size < 8) {
        marks.addWord(shortTextWord(line), 0); // zero bytes past the line mark nothing
        return marks;
    }
    std::uint64_t word = 0;
    for (; at + 8 <= size; at += 8) {
        std::memcpy(&word, text + at, sizeof word);
        marks.addWord(word, at);
    }
    if (const std::size_t rest = size - at; rest != 0) {
        std::memcpy(&word, text + size - 8, sizeof word);
        marks.addWord(word >> (8 * (8 - rest)), at);
    }
    return marks;
}

// The marks of the block of up to kMaskBytes bytes that starts at blockStart. The short last
// block of a longer line is read as the line's last kMaskBytes bytes, shifted down, so that
// it takes the whole-block loads too.
Marks marksOfBlock(std::string_view line, std::size_t blockStart) {
    const std::size_t rest = line.size() - blockStart;
    if (rest >= kMaskBytes) {
        return marksOf(line.substr(blockStart, kMaskBytes));
    }
    if (blockStart == 0) {
        return marksOf(line);
    }
    return marksOf(line.substr(line.size() - kMaskBytes)).shiftedDown(kMaskBytes - rest);
}

// Pieces of a row put straight into their fields: most fields are one piece, quoted or not,
// and stay a view of the line; only a field that quotes split into more pieces is joined in
// the row's buffer.
class RowFields {
public:
    // Every comma ends a field unless lastField is one of 2..kQvdRowFields; past field
    // kQvdRowFields the row fails, so one compare per comma finds both.
    RowFields(QvdRow& row, int lastField)
        : row_(row), lastField_(lastField),
          stopField_(lastField >= 2 && lastField <= kQvdRowFields ? lastField : kQvdRowFields + 1) {
        row_.fields[1] = {};
    }

    void take(const char* begin, const char* stop) {
        const std::string_view piece(begin, static_cast<std::size_t>(stop - begin));
        std::string_view& text = row_.fields[static_cast<std::size_t>(field_)];
        if (text.empty()) {
            text = piece;
            return;
        }
        std::string& joined = row_.joined[static_cast<std::size_t>(field_)];
        if (text.data() != joined.data()) {
            joined.assign(text);
        }
        joined += piece;
        text = joined;
    }
    // Empties the field before its pieces are taken.
    void clear() { row_.fields[static_cast<std::size_t>(field_)] = {}; }
    // The piece that is all of the field, which stands for any it held before.
    void set(const char* begin, const char* stop) {
        row_.fields[static_cast<std::size_t>(field_)] =
            std::string_view(begin, static_cast<std::size_t>(stop - begin));
    }
    // Past a comma: true when the field it opens is the last, which takes the rest. The field
    // is left as it was: set it, or clear it before taking pieces.
    bool nextField() {
        if (++field_ != stopField_) {
            return false;
        }
        if (field_ > kQvdRowFields) {
            throw RunError(kSubscriptOutOfRange);
        }
        return true;
    }
    // Empties the fields up to lastField that the line did not reach.
    void finish() {
        for (int rest = field_ + 1; rest <= std::min(lastField_, kQvdRowFields); ++rest) {
            row_.fields[static_cast<std::size_t>(rest)] = {};
        }
    }

private:
    QvdRow& row_;
    int lastField_;
    int stopField_;
    int field_ = 1;
};

// A field's pieces from the quotes in it, bit i for field[i]. The usual fields, unquoted or
// quoted at both ends only, are one piece each and take no walk.
void takeQuotedField(RowFields& fields, const char* field, const char* stop, std::uint64_t quotes) {
    const auto size = static_cast<std::size_t>(stop - field);
    if (quotes == 0) {
        fields.set(field, stop);
        return;
    }
    if (quotes == (1 | std::uint64_t{1} << (size - 1))) {
        fields.set(field + 1, std::max(field + 1, stop - 1)); // a lone quote leaves nothing
        return;
    }
    fields.clear();
    const char* at = field;
    for (; quotes != 0; quotes &= quotes - 1) {
        const char* const quote = field + std::countr_zero(quotes);
        if (quote != at) {
            fields.take(at, quote);
        }
        at = quote + 1;
    }
    if (stop != at) {
        fields.take(at, stop);
    }
}

// A field's pieces found byte by byte, for a field that starts in an earlier block, and for
// the row's last field; neither holds a comma.
void takeFieldOfBlocks(RowFields& fields, const char* at, const char* stop) {
    fields.clear();
    while (at != stop) {
        const auto* quote =
            static_cast<const char*>(std::memchr(at, '"', static_cast<std::size_t>(stop - at)));
        if (quote == nullptr) {
            quote = stop;
        }
        if (quote != at) {
            fields.take(at, quote);
        }
        if (quote == stop) {
            return;
        }
        at = quote + 1;
    }
}

// The walk from the marks' masks, block by block and comma by comma: a field that lies in one
// block takes its quotes from the block's mask, so the branches follow the row's fields (the
// same from row to row) and not the lengths of its pieces or its quotes.
void splitMaskedRow(std::string_view line, RowFields& fields) {
    const char* const text = line.data();
    const char* const end = text + line.size();
    const char* at = text;
    for (std::size_t blockStart = 0; blockStart < line.size(); blockStart += kMaskBytes) {
        const char* const block = text + blockStart;
        const Marks marks = marksOfBlock(line, blockStart);
        for (std::uint64_t commas = marks.commas; commas != 0; commas &= commas - 1) {
            const auto comma = static_cast<unsigned>(std::countr_zero(commas));
            const char* const stop = block + comma;
            if (at >= block) {
                const std::uint64_t before = (std::uint64_t{1} << comma) - 1;
                takeQuotedField(fields, at, stop, (marks.quotes & before) >> (at - block));
            } else {
                takeFieldOfBlocks(fields, at, stop);
            }
            at = stop + 1;
            if (fields.nextField()) {
                fields.set(at, end); // the last field, quotes and commas included
                return;
            }
        }
    }
    takeFieldOfBlocks(fields, at, end);
}

// The same walk a byte at a time, where the masks' byte order does not hold.
void splitRowBytewise(std::string_view line, RowFields& fields) {
    const char* at = line.data();
    const char* const end = at + line.size();
    while (at != end) {
        const char* stop = at;
        while (stop != end && *stop != ',' && *stop != '"') {
            ++stop;
        }
        if (stop != at) {
            fields.take(at, stop);
        }
        if (stop == end) {
            return;
        }
        at = stop + 1;
        if (*stop != ',') {
            continue;
        }
        const bool last = fields.nextField();
        fields.clear();
        if (last) {
            if (at != end) {
                fields.take(at, end);
            }
            return;
        }
    }
}

} // namespace

void splitQvdRow(std::string_view line, QvdRow& row, int lastField) {
    RowFields fields(row, lastField);
    if (std::endian::native == std::endian::little) {
        splitMaskedRow(line, fields);
    } else {
        splitRowBytewise(line, fields);
    }
    fields.finish();
}

} // namespace textfile
