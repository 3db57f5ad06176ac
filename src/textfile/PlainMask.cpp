#include "textfile/PlainMask.h"

#include <bit>
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

// For single precision: exact powers of ten as doubles and as whole numbers.
constexpr int kSingleDigits = 7;
constexpr int kExactPowers = 22;
constexpr double kDoublePowers[kExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kWholePowers[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL};
constexpr double kSevenDigitsLow = 1e6;
constexpr double kSevenDigitsHigh = 1e7;
constexpr double kLog10Of2 = 0.30102999566398120;
constexpr int kExponentTries = 3; // the first guess is at most one off
// The rounded number, in units of its last decimal, stays below 10^18.
constexpr int kMaxUnitDigits = 17;
// Larger singles are left to the general layout (their whole digits pass 10^18 anyway).
constexpr double kSingleLimit = 1e17;

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

// Single precision: formatMask first writes the value to seven significant digits, then
// rounds that decimal, halves away from zero. Here the seven digits come as a whole number
// from one product with an exact power of ten (off by far less than kTieMargin, so it
// rounds alike unless it lies that close to a half), and the decimals are cut from it.
std::optional<Rounded> roundedSingle(double magnitude, std::size_t decimals) {
    if (!(magnitude > 0) || !(magnitude < kSingleLimit)) { // zero goes the whole way; NaN, inf
        return std::nullopt;
    }
    // The exponent frexp gives, read from the bits with no call: a subnormal's comes out far
    // too low, and the tries below then give it up.
    constexpr int kMantissaBits = 52;
    constexpr int kFrexpBias = 1022;
    const int binaryExponent =
        static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> kMantissaBits) - kFrexpBias;
    // The decimal exponent of the leading digit, perhaps one too high; corrected below.
    int exponent = static_cast<int>(std::floor(binaryExponent * kLog10Of2));
    double scaled = 0;
    for (int tries = 0;; ++tries) {
        if (tries == kExponentTries) {
            return std::nullopt;
        }
        const int shift = kSingleDigits - 1 - exponent; // digits after the point in the seven
        if (shift < -kExactPowers || shift > kExactPowers) {
            return std::nullopt;
        }
        scaled = shift >= 0 ? magnitude * kDoublePowers[shift] : magnitude / kDoublePowers[-shift];
        if (scaled < kSevenDigitsLow) {
            --exponent;
        } else if (scaled >= kSevenDigitsHigh) {
            ++exponent;
        } else {
            break;
        }
    }
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (std::fabs(fraction - 0.5) < kTieMargin) {
        return std::nullopt;
    }
    auto seven = static_cast<std::uint64_t>(below) + (fraction > 0.5 ? 1 : 0);
    if (seven == kWholePowers[kSingleDigits]) { // 9999999.5 and up: one digit more
        seven = kWholePowers[kSingleDigits - 1];
        ++exponent;
    }
    // The units of the last decimal: seven * 10^(decimals - after), rounded when negative.
    const int after = kSingleDigits - 1 - exponent;
    const int spare = static_cast<int>(decimals) - after;
    std::uint64_t units = 0;
    if (spare >= 0) {
        if (exponent + static_cast<int>(decimals) > kMaxUnitDigits) {
            return std::nullopt;
        }
        units = seven * kWholePowers[spare];
    } else if (-spare <= kSingleDigits) {
        const std::uint64_t dropped = kWholePowers[-spare];
        units = seven / dropped + (seven % dropped * 2 >= dropped ? 1 : 0);
    } // else every digit lies past the last decimal, below its half: zero
    const std::uint64_t unitsPerWhole = kWholePowers[decimals];
    return Rounded{units / unitsPerWhole, units % unitsPerWhole};
}

std::optional<Rounded> roundedPlainly(double magnitude, std::size_t decimals, Precision precision) {
    const double exactWhole = precision == Precision::Single ? kExactWholeSingle : kExactWholeDouble;
    if (magnitude == std::trunc(magnitude) && magnitude < exactWhole) { // NaN fails both
        return Rounded{static_cast<std::uint64_t>(magnitude), 0};
    }
    if (precision == Precision::Single) {
        return roundedSingle(magnitude, decimals);
    }
    if (magnitude == std::trunc(magnitude)) {
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

bool appendPlainMask(std::string& out, double value, std::string_view mask, Precision precision) {
    const std::optional<std::size_t> decimals = plainMaskDecimals(mask);
    if (!decimals) {
        return false;
    }
    const std::optional<Rounded> rounded = roundedPlainly(std::fabs(value), *decimals, precision);
    if (!rounded) {
        return false;
    }
    // Sign, whole digits, point and decimals, laid out in place and appended at once.
    char text[48];
    char* end = text;
    if (value < 0 && (rounded->whole != 0 || rounded->decimalUnits != 0)) {
        *end++ = '-'; // a value rounded to zero loses its sign
    }
    end = std::to_chars(end, text + sizeof text, rounded->whole).ptr;
    if (*decimals > 0) {
        *end++ = '.';
        std::uint64_t rest = rounded->decimalUnits;
        for (std::size_t k = *decimals; k > 0; --k, rest /= 10) {
            end[k - 1] = static_cast<char>('0' + rest % 10);
        }
        end += *decimals;
    }
    out.append(text, end);
    return true;
}

std::optional<std::string> formatPlainMask(double value, std::string_view mask, Precision precision) {
    std::string text;
    if (!appendPlainMask(text, value, mask, precision)) {
        return std::nullopt;
    }
    return text;
}

} // namespace textfile::detail
