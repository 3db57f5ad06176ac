#include "textfile/Value.h"

#include "textfile/NumberText.h"
#include "textfile/Numeric.h"

namespace textfile {

std::string Value::asText() const {
    switch (kind) {
    case Kind::Text:
        return text;
    case Kind::Number:
        return doubleText(number);
    case Kind::Empty:
    case Kind::Null:
        break;
    }
    return {};
}

double Value::asNumber() const {
    switch (kind) {
    case Kind::Number:
        return number;
    case Kind::Text:
        return leadingNumber(text);
    case Kind::Empty:
    case Kind::Null:
        break;
    }
    return 0;
}

} // namespace textfile
