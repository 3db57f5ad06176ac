#pragma once
// The split of one EVENTS row of the video coder's data files (.qvd), which the coder's open
// and merge and the workstation's import all read: commas end fields and double quotes are
// dropped, except in the last column, which takes the rest of the line as written.

#include "textfile/RunError.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace textfile {

// A row holds at most this many fields; a line of more fails with RunError 9.
inline constexpr int kQvdRowFields = 100;

// Hands the row's text to piece(field, text), fields counted from 1, in order: each run of
// characters between commas and quotes is one piece (runs of none are not handed), and field
// `lastField` gets the rest of the line unchanged. With a lastField of 1 or below every comma
// ends a field. Returns the last field the line reaches.
template <class Piece> int forEachQvdPiece(std::string_view line, int lastField, Piece&& piece) {
    int field = 1;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t stop = at;
        while (stop < line.size() && line[stop] != ',' && line[stop] != '"') {
            ++stop;
        }
        if (stop > at) {
            piece(field, line.substr(at, stop - at));
        }
        if (stop == line.size()) {
            break;
        }
        at = stop + 1;
        if (line[stop] == ',') {
            if (++field > kQvdRowFields) {
                throw RunError(kSubscriptOutOfRange);
            }
            if (field == lastField) {
                if (at < line.size()) {
                    piece(field, line.substr(at));
                }
                break;
            }
        }
    }
    return field;
}

// A row split into fields 1..kQvdRowFields: views of the line, or of the row's own buffer for
// a field that quotes split into pieces. Valid while the line and the row are.
struct QvdRow {
    std::array<std::string_view, kQvdRowFields + 1> fields;
    std::array<std::string, kQvdRowFields + 1> joined; // the pieces of split fields, together
};

// Fields 1 and up of the line into row; fields up to lastField that the line lacks are empty.
void splitQvdRow(std::string_view line, QvdRow& row, int lastField);

} // namespace textfile
