#include "textfile/QvdRow.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace textfile {

namespace {

// The first comma or quote from `at` on, or `end`. Eight bytes are looked through at once
// while eight remain: a row's pieces are short, and a byte loop pays a mispredicted branch
// at the end of each run on top of one test per byte.
const char* nextCommaOrQuote(const char* at, const char* const end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        constexpr std::uint64_t kHighs = 0x8080808080808080ull;
        while (end - at >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, at, sizeof word);
            const std::uint64_t commas = word ^ (kOnes * ',');
            const std::uint64_t quotes = word ^ (kOnes * '"');
            // A byte's high bit is set where that byte is zero; bytes above the first zero may be
            // marked wrongly, so only the lowest mark is used.
            const std::uint64_t marks =
                ((commas - kOnes) & ~commas & kHighs) | ((quotes - kOnes) & ~quotes & kHighs);
            if (marks != 0) {
                return at + std::countr_zero(marks) / 8;
            }
            at += 8;
        }
    }
    while (at != end && *at != ',' && *at != '"') {
        ++at;
    }
    return at;
}

} // namespace

// forEachQvdPiece's walk, with each piece put straight into its field: most fields are one
// piece, quoted or not, and stay a view of the line; only a field that quotes split into more
// pieces is joined in the row's buffer.
void splitQvdRow(std::string_view line, QvdRow& row, int lastField) {
    std::string_view* const fields = row.fields.data();
    int field = 1;
    fields[1] = {};
    const auto take = [&](const char* begin, const char* stop) {
        const std::string_view piece(begin, static_cast<std::size_t>(stop - begin));
        std::string_view& text = fields[field];
        if (text.empty()) {
            text = piece;
            return;
        }
        std::string& joined = row.joined[static_cast<std::size_t>(field)];
        if (text.data() != joined.data()) {
            joined.assign(text);
        }
        joined += piece;
        text = joined;
    };
    const char* at = line.data();
    const char* const end = at + line.size();
    while (at != end) {
        const char* const stop = nextCommaOrQuote(at, end);
        if (stop != at) {
            take(at, stop);
        }
        if (stop == end) {
            break;
        }
        at = stop + 1;
        if (*stop == ',') {
            if (++field > kQvdRowFields) {
                throw RunError(kSubscriptOutOfRange);
            }
            fields[field] = {};
            if (field == lastField) {
                if (at != end) {
                    take(at, end);
                }
                break;
            }
        }
    }
    for (int rest = field + 1; rest <= std::min(lastField, kQvdRowFields); ++rest) {
        fields[rest] = {};
    }
}

} // namespace textfile
