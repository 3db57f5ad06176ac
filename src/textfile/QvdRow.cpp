#include "textfile/QvdRow.h"

namespace textfile {

void splitQvdRow(std::string_view line, QvdRow& row, int lastField) {
    auto& fields = row.fields;
    int reached = 0; // fields 1..reached are emptied for this line
    const auto reach = [&](int field) {
        for (; reached < field; ++reached) {
            fields[static_cast<std::size_t>(reached + 1)] = {};
        }
    };
    // Most fields are one piece, quoted or not, and stay a view of the line; only a field that
    // quotes split into more pieces is joined in the row's buffer.
    const int last = forEachQvdPiece(line, lastField, [&](int field, std::string_view piece) {
        reach(field);
        std::string_view& text = fields[static_cast<std::size_t>(field)];
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
    });
    reach(std::max(last, std::min(lastField, kQvdRowFields)));
}

} // namespace textfile
