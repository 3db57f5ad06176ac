#include "textfile/FieldReader.h"

#include "textfile/Files.h"
#include "textfile/LineEnds.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace textfile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Whole numbers of up to 15 characters are exact in a double, so one integer parse gives what
// the general parse would: print-form times (" 5 ") come this way. Other text (a plus sign,
// a point, an exponent, text that is no number) is left to the general path.
bool parsePlainWholeNumber(std::string_view text, double& value) {
    constexpr std::size_t kExactLength = 15;
    if (text.empty() || text.size() > kExactLength) {
        return false;
    }
    std::int64_t whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = static_cast<double>(whole);
    if (whole == 0 && text.front() == '-') {
        value = -0.0; // "-0" keeps its sign, as the general parse keeps it
    }
    return true;
}

bool readWholeNumber(std::string_view text, double& value) {
    if (parsePlainWholeNumber(text, value)) {
        return true;
    }
    if (!isNumeric(text)) {
        return false;
    }
    value = leadingNumber(text);
    return true;
}

} // namespace

FieldReader::FieldReader(std::string bytes) : bytes_(std::move(bytes)), pos_(byteOrderMarkLength(bytes_)) {}

FieldReader FieldReader::fromFile(const std::string& path) {
    return FieldReader(readWholeFile(path));
}

FieldReader FieldReader::fromFile(const std::string& path, std::string buffer) {
    readWholeFileInto(path, buffer);
    return FieldReader(std::move(buffer));
}

Field FieldReader::readField() {
    const FieldView field = readFieldView();
    return {std::string(field.text), field.quoted};
}

FieldView FieldReader::readAnyFieldView() {
    if (atEnd()) {
        throw RunError(kInputPastEndOfFile);
    }
    const char* const end = bytes_.data() + bytes_.size();
    const char* at = bytes_.data() + pos_;
    while (at != end && isBlank(*at)) {
        ++at;
    }
    FieldView field;
    if (at != end && *at == '"') {
        field.quoted = true;
        // A missing closing quote ends the field at the line end, so one bad line
        // cannot swallow the rest of the file.
        const char* const begin = ++at;
        while (at != end && *at != '"' && !isLineEnd(*at)) {
            ++at;
        }
        field.text = std::string_view(begin, static_cast<std::size_t>(at - begin));
        if (at != end && *at == '"') {
            ++at;
        }
        while (at != end && *at != ',' && !isLineEnd(*at)) {
            ++at;
        }
    } else {
        const char* const begin = at;
        while (at != end && *at != ',' && !isLineEnd(*at)) {
            ++at;
        }
        const char* last = at;
        while (last != begin && isBlank(last[-1])) {
            --last;
        }
        field.text = std::string_view(begin, static_cast<std::size_t>(last - begin));
    }
    pos_ = static_cast<std::size_t>(at - bytes_.data());
    if (at != end && *at == ',') {
        ++pos_;
    } else {
        pos_ = pastLineEnd(bytes_, pos_);
    }
    return field;
}

std::int32_t FieldReader::readAnyInt32() {
    return toInt32(readNumber());
}

double FieldReader::readNumber() {
    // Up to 15 digits a whole number is exact in a double: it reads as the general parse reads it.
    constexpr std::ptrdiff_t kExactDigits = 15;
    std::uint64_t magnitude = 0;
    bool negative = false;
    if (readBareWholeNumber(kExactDigits, magnitude, negative)) {
        // Negated as a double, so "-0" keeps its sign as the general parse keeps it.
        const auto value = static_cast<double>(magnitude);
        return negative ? -value : value;
    }
    const FieldView field = readFieldView();
    if (field.text.empty() && !field.quoted) {
        return 0; // nothing between two commas reads as zero, as it always has
    }
    double value = 0;
    if (!readWholeNumber(field.text, value)) {
        throw RunError(kTypeMismatch);
    }
    return value;
}

Value FieldReader::readValue() {
    const FieldView field = readFieldView();
    if (field.quoted) {
        return Value::ofText(std::string(field.text));
    }
    if (field.text.empty()) {
        return Value::empty();
    }
    if (field.text == "#NULL#") {
        return Value::null();
    }
    double number = 0;
    if (readWholeNumber(field.text, number)) {
        return Value::ofNumber(number);
    }
    return Value::ofText(std::string(field.text));
}

std::string FieldReader::readLine() {
    return std::string(readLineView());
}

std::string_view FieldReader::readLineView() {
    if (atEnd()) {
        throw RunError(kInputPastEndOfFile);
    }
    const std::size_t begin = pos_;
    pos_ = lineEndFrom(bytes_, pos_);
    const std::string_view line(bytes_.data() + begin, pos_ - begin);
    pos_ = pastLineEnd(bytes_, pos_);
    return line;
}

std::size_t FieldReader::linesLeft() const {
    std::size_t lines = 0;
    for (std::size_t at = pos_; at < bytes_.size(); ++lines) {
        at = pastLineEnd(bytes_, lineEndFrom(bytes_, at));
    }
    return lines;
}

} // namespace textfile
