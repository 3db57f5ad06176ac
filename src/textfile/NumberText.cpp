#include "textfile/NumberText.h"

#include "textfile/Decimal.h"

#include <charconv>
#include <cmath>

namespace textfile {
namespace {

// From here on a plain text would be all zeros past the significant digits.
constexpr int kExponentFromPointPos = 16; // 1E15 has 16 digits before the point

std::string decimalText(const detail::Decimal& d) {
    return d.pointPos >= kExponentFromPointPos ? detail::exponentText(d) : detail::plainText(d);
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

std::string doubleText(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // Whole numbers below 15 digits come out as their digits: counts, mostly, spared the
    // general conversion.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        return std::to_string(static_cast<long long>(value));
    }
    return decimalText(detail::toDecimal(value, 15));
}

std::string singleText(float value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return decimalText(detail::shortestSingle(value));
}

std::string printNumber(double value) {
    return joinedNumber(value) + " ";
}

void appendPrintNumber(std::string& out, std::int32_t value) {
    char digits[16];
    digits[0] = value < 0 ? '-' : ' ';
    const std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    char* const end = std::to_chars(digits + 1, digits + sizeof digits - 1, magnitude).ptr;
    *end = ' ';
    out.append(digits, end + 1);
}

std::string joinedNumber(double value) {
    const std::string digits = doubleText(value);
    return digits.front() == '-' ? digits : " " + digits;
}

} // namespace textfile
