#include "textfile/Decimal.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace textfile::detail {
namespace {

// Reads "d.ddde+XX" as to_chars writes it (to_chars, unlike printf, ignores the locale,
// and the test main installs the user's locale).
Decimal fromScientific(std::string_view text) {
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    const std::string_view mantissa = text.substr(0, e);
    int exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view exp = text.substr(e + 1);
        if (!exp.empty() && exp.front() == '+') {
            exp.remove_prefix(1);
        }
        std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    }
    for (char c : mantissa) {
        if (c != '.') {
            d.digits.push_back(c);
        }
    }
    d.pointPos = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d.digits.clear();
        d.pointPos = 0;
    } else {
        d.digits.erase(0, first);
        d.pointPos -= static_cast<int>(first);
    }
    return d;
}

} // namespace

Decimal toDecimal(double value, int significant) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    Decimal d = fromScientific(std::string_view(buffer, result.ptr - buffer));
    if (d.isZero()) {
        d.negative = false;
    }
    return d;
}

Decimal shortestSingle(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    Decimal d = fromScientific(std::string_view(buffer, result.ptr - buffer));
    if (d.isZero()) {
        d.negative = false;
    }
    return d;
}

Decimal roundedTo(Decimal d, int decimals) {
    const int keep = d.pointPos + decimals; // digits that stay
    if (keep >= static_cast<int>(d.digits.size())) {
        return d;
    }
    if (keep < 0) {
        return Decimal{};
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        return Decimal{};
    }
    return d;
}

std::string plainText(const Decimal& d) {
    if (d.isZero()) {
        return "0";
    }
    std::string text = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.pointPos <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.pointPos), '0');
        text += d.digits;
    } else if (d.pointPos >= count) {
        text += d.digits;
        text.append(static_cast<std::size_t>(d.pointPos - count), '0');
    } else {
        text += d.digits.substr(0, d.pointPos);
        text += '.';
        text += d.digits.substr(d.pointPos);
    }
    return text;
}

std::string exponentText(const Decimal& d) {
    if (d.isZero()) {
        return "0";
    }
    std::string text = d.negative ? "-" : "";
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += '.';
        text += d.digits.substr(1);
    }
    const int exponent = d.pointPos - 1;
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 2) {
        text += '0';
    }
    text += magnitude;
    return text;
}

} // namespace textfile::detail
