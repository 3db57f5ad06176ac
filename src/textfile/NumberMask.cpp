#include "textfile/NumberMask.h"

#include "textfile/Decimal.h"
#include "textfile/PlainMask.h"
#include "textfile/TextForms.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

namespace textfile {
namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

std::size_t countPlaceholders(std::string_view section) {
    std::size_t count = 0;
    for (char c : section) {
        count += isPlaceholder(c) ? 1 : 0;
    }
    return count;
}

// Significant digit `index` of the decimal; places outside the digits it holds are zeros.
char digitAt(const detail::Decimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)]
                                                                   : '0';
}

std::string wholeDigits(const detail::Decimal& d) {
    std::string digits;
    for (int i = 0; i < d.pointPos; ++i) {
        digits += digitAt(d, i);
    }
    return digits; // no leading zeros: the decimal has none
}

std::string fractionDigits(const detail::Decimal& d, std::size_t decimals) {
    std::string digits;
    for (std::size_t k = 0; k < decimals; ++k) {
        digits += digitAt(d, d.pointPos + static_cast<int>(k));
    }
    return digits;
}

// Whole digits fill the placeholders from the right; digits beyond them all go to the
// first placeholder, so a number wider than its mask is never cut.
std::string wholeSection(std::string_view section, const std::string& digits, std::size_t& firstShown) {
    const std::size_t placeholders = countPlaceholders(section);
    std::string out;
    std::size_t ordinal = 0;
    auto markFirst = [&] { firstShown = std::min(firstShown, out.size()); };
    for (char c : section) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        const std::size_t fromRight = placeholders - 1 - ordinal;
        if (ordinal == 0 && digits.size() > placeholders) {
            markFirst();
            out += digits.substr(0, digits.size() - placeholders);
        }
        if (fromRight < digits.size()) {
            markFirst();
            out += digits[digits.size() - 1 - fromRight];
        } else if (c == '0') {
            markFirst();
            out += '0';
        }
        ++ordinal;
    }
    if (placeholders == 0 && !digits.empty()) {
        markFirst();
        out += digits;
    }
    return out;
}

// "#" after the point drops trailing zeros; "0" keeps them.
std::string fractionSection(std::string_view section, const std::string& digits) {
    std::size_t lastShown = 0; // one past the last placeholder that shows
    std::size_t k = 0;
    for (char c : section) {
        if (isPlaceholder(c)) {
            ++k;
            if (c == '0' || digits[k - 1] != '0') {
                lastShown = k;
            }
        }
    }
    std::string out;
    k = 0;
    for (char c : section) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        if (k < lastShown) {
            out += digits[k];
        }
        ++k;
    }
    return out;
}

} // namespace

std::string formatMask(double value, std::string_view mask, Precision precision) {
    if (std::optional<std::string> text = detail::formatPlainMask(value, mask, precision)) {
        return std::move(*text);
    }
    return detail::formatMaskByDecimal(value, mask, precision);
}

void appendMask(std::string& out, double value, std::string_view mask, Precision precision) {
    if (!detail::appendPlainMask(out, value, mask, precision)) {
        out += detail::formatMaskByDecimal(value, mask, precision);
    }
}

std::string detail::formatMaskByDecimal(double value, std::string_view mask, Precision precision) {
    if (!std::isfinite(value)) {
        return doubleText(value);
    }
    const bool signPlace = !mask.empty() && mask.front() == ' ';
    const std::string_view body = signPlace ? mask.substr(1) : mask;
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    const std::size_t decimals = countPlaceholders(fraction);

    const detail::Decimal rounded = detail::roundedTo(
        detail::toDecimal(value, precision == Precision::Single ? 7 : 15), static_cast<int>(decimals));
    const bool negative = rounded.negative && !rounded.isZero();

    std::size_t firstShown = std::string::npos;
    std::string out = wholeSection(whole, wholeDigits(rounded), firstShown);
    if (point != std::string_view::npos) {
        firstShown = std::min(firstShown, out.size());
        out += '.';
        out += fractionSection(fraction, fractionDigits(rounded, decimals));
    }
    if (signPlace) {
        return (negative ? "-" : " ") + out;
    }
    if (negative) {
        out.insert(std::min(firstShown, out.size()), 1, '-');
    }
    return out;
}

} // namespace textfile
