#pragma once
// A large text built piece by piece at a cursor in a string's room: a string's own append
// checks and stores its length for every piece, which for a file of a million short cells
// costs more than copying the cells. The room grows in steps; finish() cuts the string to
// what was written.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace textfile {

class TextCursor {
public:
    // Writes after the text's present end, with room for `guess` bytes to start with.
    TextCursor(std::string& text, std::size_t guess) : text_(text) {
        const std::size_t used = text_.size();
        text_.resize(used + guess);
        at_ = text_.data() + used;
        end_ = text_.data() + text_.size();
    }
    TextCursor(const TextCursor&) = delete;
    TextCursor& operator=(const TextCursor&) = delete;

    // Room for `size` bytes at the cursor, which moves past them; the caller fills them.
    char* take(std::size_t size) {
        if (static_cast<std::size_t>(end_ - at_) < size) {
            grow(size);
        }
        char* const room = at_;
        at_ += size;
        return room;
    }
    void put(std::string_view piece) { copy(take(piece.size()), piece); }
    void put(char ch) { *take(1) = ch; }

    // Copies a piece into room taken before; short pieces byte by byte, as most cells are.
    static char* copy(char* to, std::string_view piece) {
        constexpr std::size_t kShort = 8;
        if (piece.size() <= kShort) {
            for (const char ch : piece) {
                *to++ = ch;
            }
            return to;
        }
        std::memcpy(to, piece.data(), piece.size());
        return to + piece.size();
    }

    // The string holds what was written, no more.
    void finish() { text_.resize(static_cast<std::size_t>(at_ - text_.data())); }

private:
    // Kept out of line: taking room is on every piece's path, growing seldom.
    [[gnu::noinline]] void grow(std::size_t size) {
        const auto used = static_cast<std::size_t>(at_ - text_.data());
        text_.resize(std::max(text_.size() * 2, used + size));
        at_ = text_.data() + used;
        end_ = text_.data() + text_.size();
    }

    std::string& text_;
    char* at_;
    char* end_;
};

} // namespace textfile
