#include "textfile/PlainMask.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace textfile::detail {
namespace {

constexpr std::size_t kMaxDecimals = 8;
constexpr double kPowersOfTen[kMaxDecimals + 1] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

// Whole values below these are written exactly by the significant digits of each precision.
constexpr double kExactWholeDouble = 1e15;
constexpr double kExactWholeSingle = 1e7;

// Fractions are rounded here straight from the binary value, while formatMask rounds the
// value first written to 15 significant digits. Below kScaledLimit (the value times ten
// to the decimals) the two differ by less than kTieMargin, so they round alike unless the
// scaled value lies that close to a half.
constexpr double kScaledLimit = 1e9;
constexpr double kTieMargin = 1e-5; // 1e9 * 5e-15 from the written digits, and some to spare

// The decimals of a plain mask; nullopt for any other mask.
std::optional<std::size_t> plainMaskDecimals(std::string_view mask) {
    std::size_t i = 0;
    while (i < mask.size() && mask[i] == '#') {
        ++i;
    }
    if (i == mask.size() || mask[i] != '0') {
        return std::nullopt;
    }
    ++i;
    if (i == mask.size()) {
        return 0;
    }
    if (mask[i] != '.' || i + 1 == mask.size()) {
        return std::nullopt;
    }
    const std::string_view decimals = mask.substr(i + 1);
    if (decimals.size() > kMaxDecimals || decimals.find_first_not_of('0') != std::string_view::npos) {
        return std::nullopt;
    }
    return decimals.size();
}

// The rounded number as whole units and decimal units, each already rounded; nullopt
// for a value this way cannot vouch for.
struct Rounded {
    std::uint64_t whole = 0;
    std::uint64_t decimalUnits = 0; // below 10 ^ decimals
};

std::optional<Rounded> roundedPlainly(double magnitude, std::size_t decimals, Precision precision) {
    if (magnitude == std::trunc(magnitude)) { // NaN fails this and the scaled test below
        if (!(magnitude < (precision == Precision::Single ? kExactWholeSingle : kExactWholeDouble))) {
            return std::nullopt;
        }
        return Rounded{static_cast<std::uint64_t>(magnitude), 0};
    }
    if (precision != Precision::Double) {
        return std::nullopt;
    }
    const double scaled = magnitude * kPowersOfTen[decimals];
    if (!(scaled < kScaledLimit)) {
        return std::nullopt;
    }
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (std::fabs(fraction - 0.5) < kTieMargin) {
        return std::nullopt;
    }
    const auto units = static_cast<std::uint64_t>(below) + (fraction > 0.5 ? 1 : 0);
    const auto unitsPerWhole = static_cast<std::uint64_t>(kPowersOfTen[decimals]);
    return Rounded{units / unitsPerWhole, units % unitsPerWhole};
}

} // namespace

std::optional<std::string> formatPlainMask(double value, std::string_view mask, Precision precision) {
    const std::optional<std::size_t> decimals = plainMaskDecimals(mask);
    if (!decimals) {
        return std::nullopt;
    }
    const std::optional<Rounded> rounded = roundedPlainly(std::fabs(value), *decimals, precision);
    if (!rounded) {
        return std::nullopt;
    }
    std::string text;
    if (value < 0 && (rounded->whole != 0 || rounded->decimalUnits != 0)) {
        text += '-'; // a value rounded to zero loses its sign
    }
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, rounded->whole).ptr);
    if (*decimals > 0) {
        text += '.';
        const std::size_t first = text.size();
        text.append(*decimals, '0');
        std::uint64_t rest = rounded->decimalUnits;
        for (std::size_t k = text.size(); k > first; --k, rest /= 10) {
            text[k - 1] = static_cast<char>('0' + rest % 10);
        }
    }
    return text;
}

} // namespace textfile::detail
