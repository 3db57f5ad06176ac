#include "textfile/LineEnds.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textfile {

std::size_t lineEndFrom(std::string_view text, std::size_t pos) {
    const char* const data = text.data();
    const char* const end = data + text.size();
    const char* at = data + pos;
#if defined(__SSE2__)
    // Sixteen bytes at a time, looking for either end at once: searching for LF first and
    // then for CR before it would run through the rest of a file that has no LF at all.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - at >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (ends != 0) {
            return static_cast<std::size_t>(at - data) + static_cast<std::size_t>(__builtin_ctz(ends));
        }
        at += 16;
    }
#endif
    while (at != end && *at != '\r' && *at != '\n') {
        ++at;
    }
    return static_cast<std::size_t>(at - data);
}

} // namespace textfile
