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

// Bit i set where byte i of `word` (the first in memory at bit 0) is a comma or a quote.
std::uint64_t commaOrQuoteBits(std::uint64_t word) {
    const std::uint64_t highs = zeroBytes(word ^ (kOnes * ',')) | zeroBytes(word ^ (kOnes * '"'));
    // Each byte's flag, moved to bit 0 of the byte, lands on its own bit of the top byte.
    return ((highs >> 7) * 0x0102040810204080ull) >> 56;
}

// A row is split from one mask of its marks per block of this many bytes.
constexpr std::size_t kMaskBytes = 64;

#if defined(__SSE2__)
// Bit i set where byte i of the sixteen at `at` is a comma or a quote.
std::uint64_t commaOrQuoteBitsOfSixteen(const char* at) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i marks =
        _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(',')), _mm_cmpeq_epi8(chunk, _mm_set1_epi8('"')));
    return static_cast<std::uint16_t>(_mm_movemask_epi8(marks));
}
#endif

// Bit i set where line[i] is a comma or a quote; the line holds at most kMaskBytes bytes.
// Only the line's own bytes are read (a copy to a padded buffer stalls each load on the copy's
// stores): the last, partial block is the one that ends at the line's end, shifted down.
std::uint64_t commaOrQuoteMask(std::string_view line) {
    const std::size_t size = line.size();
    const char* const text = line.data();
    std::uint64_t mask = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    if (size >= 16) {
        for (; at + 16 <= size; at += 16) {
            mask |= commaOrQuoteBitsOfSixteen(text + at) << at;
        }
        if (at != size) {
            mask |= commaOrQuoteBitsOfSixteen(text + size - 16) << (size - 16);
        }
        return mask;
    }
#endif
    if (size < 8) {
        return commaOrQuoteBits(shortTextWord(line)); // zero bytes past the line mark nothing
    }
    std::uint64_t word = 0;
    for (; at + 8 <= size; at += 8) {
        std::memcpy(&word, text + at, sizeof word);
        mask |= commaOrQuoteBits(word) << at;
    }
    if (const std::size_t rest = size - at; rest != 0) {
        std::memcpy(&word, text + size - 8, sizeof word);
        mask |= commaOrQuoteBits(word >> (8 * (8 - rest))) << at;
    }
    return mask;
}

// Pieces of a row put straight into their fields: most fields are one piece, quoted or not,
// and stay a view of the line; only a field that quotes split into more pieces is joined in
// the row's buffer.
class RowFields {
public:
    explicit RowFields(QvdRow& row) : row_(row) { row_.fields[1] = {}; }

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
    // Past a comma: true when the field it opens is the last, which takes the rest.
    bool nextField(int lastField) {
        if (++field_ > kQvdRowFields) {
            throw RunError(kSubscriptOutOfRange);
        }
        row_.fields[static_cast<std::size_t>(field_)] = {};
        return field_ == lastField;
    }
    // Empties the fields up to lastField that the line did not reach.
    void finish(int lastField) {
        for (int rest = field_ + 1; rest <= std::min(lastField, kQvdRowFields); ++rest) {
            row_.fields[static_cast<std::size_t>(rest)] = {};
        }
    }

private:
    QvdRow& row_;
    int field_ = 1;
};

// Bit i set where byte blockStart + i of the line is a comma or a quote, for the block of up to
// kMaskBytes bytes that starts there. The short last block of a longer line is read as the
// line's last kMaskBytes bytes, shifted down, so that it takes the whole-block loads too.
std::uint64_t commaOrQuoteMaskOfBlock(std::string_view line, std::size_t blockStart) {
    const std::size_t rest = line.size() - blockStart;
    if (rest >= kMaskBytes) {
        return commaOrQuoteMask(line.substr(blockStart, kMaskBytes));
    }
    if (blockStart == 0) {
        return commaOrQuoteMask(line);
    }
    return commaOrQuoteMask(line.substr(line.size() - kMaskBytes)) >> (kMaskBytes - rest);
}

// The walk from the marks' masks, block by block: the marks are visited in turn, so the
// branches follow the row's shape (the same from row to row) and not the lengths of its
// pieces. A piece may start in one block and end in a later one; only its start is carried.
void splitMaskedRow(std::string_view line, RowFields& fields, int lastField) {
    const char* const text = line.data();
    const char* const end = text + line.size();
    const char* at = text;
    for (std::size_t blockStart = 0; blockStart < line.size(); blockStart += kMaskBytes) {
        const char* const block = text + blockStart;
        for (std::uint64_t marks = commaOrQuoteMaskOfBlock(line, blockStart); marks != 0;
             marks &= marks - 1) {
            const char* const stop = block + std::countr_zero(marks);
            if (stop != at) {
                fields.take(at, stop);
            }
            at = stop + 1;
            if (*stop == ',' && fields.nextField(lastField)) {
                if (at != end) {
                    fields.take(at, end); // the last field, quotes and commas included
                }
                return;
            }
        }
    }
    if (at != end) {
        fields.take(at, end);
    }
}

// The same walk a byte at a time, where the masks' byte order does not hold.
void splitRowBytewise(std::string_view line, RowFields& fields, int lastField) {
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
        if (*stop == ',' && fields.nextField(lastField)) {
            if (at != end) {
                fields.take(at, end);
            }
            return;
        }
    }
}

} // namespace

void splitQvdRow(std::string_view line, QvdRow& row, int lastField) {
    RowFields fields(row);
    if (std::endian::native == std::endian::little) {
        splitMaskedRow(line, fields, lastField);
    } else {
        splitRowBytewise(line, fields, lastField);
    }
    fields.finish(lastField);
}

} // namespace textfile
