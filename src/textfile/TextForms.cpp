#include "textfile/TextForms.h"

namespace textfile {

void WriteLine::separate() {
    if (!first_) {
        line_ += ',';
    }
    first_ = false;
}

WriteLine& WriteLine::text(std::string_view t) {
    separate();
    line_ += '"';
    line_ += t;
    line_ += '"';
    return *this;
}

WriteLine& WriteLine::number(double n) {
    separate();
    line_ += doubleText(n);
    return *this;
}

WriteLine& WriteLine::single(float n) {
    separate();
    line_ += singleText(n);
    return *this;
}

WriteLine& WriteLine::value(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Empty:
        separate();
        break;
    case Value::Kind::Null:
        separate();
        line_ += "#NULL#";
        break;
    case Value::Kind::Text:
        text(v.text);
        break;
    case Value::Kind::Number:
        number(v.number);
        break;
    }
    return *this;
}

std::string WriteLine::str() const {
    return line_ + std::string(kLineEnd);
}

} // namespace textfile
