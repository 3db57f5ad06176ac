#include "textfile/FieldReader.h"

#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"

namespace textfile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// CR LF, LF or a lone CR.
std::size_t pastLineEnd(const std::string& bytes, std::size_t pos) {
    if (pos < bytes.size() && bytes[pos] == '\r') {
        ++pos;
    }
    if (pos < bytes.size() && bytes[pos] == '\n') {
        ++pos;
    }
    return pos;
}

} // namespace

FieldReader::FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

FieldReader FieldReader::fromFile(const std::string& path) {
    return FieldReader(readWholeFile(path));
}

Field FieldReader::readField() {
    if (atEnd()) {
        throw RunError(kInputPastEndOfFile);
    }
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) {
        ++pos_;
    }
    Field field;
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        field.quoted = true;
        // A missing closing quote ends the field at the line end, so one bad line
        // cannot swallow the rest of the file.
        const std::size_t begin = ++pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != '"' && !isLineEnd(bytes_[pos_])) {
            ++pos_;
        }
        field.text = bytes_.substr(begin, pos_ - begin);
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            ++pos_;
        }
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
            ++pos_;
        }
    } else {
        const std::size_t begin = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > begin && isBlank(bytes_[end - 1])) {
            --end;
        }
        field.text = bytes_.substr(begin, end - begin);
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ',') {
        ++pos_;
    } else {
        pos_ = pastLineEnd(bytes_, pos_);
    }
    return field;
}

double FieldReader::readNumber() {
    const Field field = readField();
    if (field.text.empty() && !field.quoted) {
        return 0; // nothing between two commas reads as zero, as it always has
    }
    if (!isNumeric(field.text)) {
        throw RunError(kTypeMismatch);
    }
    return leadingNumber(field.text);
}

Value FieldReader::readValue() {
    Field field = readField();
    if (field.quoted) {
        return Value::ofText(std::move(field.text));
    }
    if (field.text.empty()) {
        return Value::empty();
    }
    if (field.text == "#NULL#") {
        return Value::null();
    }
    if (isNumeric(field.text)) {
        return Value::ofNumber(leadingNumber(field.text));
    }
    return Value::ofText(std::move(field.text));
}

std::string FieldReader::readLine() {
    if (atEnd()) {
        throw RunError(kInputPastEndOfFile);
    }
    const std::size_t begin = pos_;
    while (pos_ < bytes_.size() && !isLineEnd(bytes_[pos_])) {
        ++pos_;
    }
    std::string line = bytes_.substr(begin, pos_ - begin);
    pos_ = pastLineEnd(bytes_, pos_);
    return line;
}

} // namespace textfile
