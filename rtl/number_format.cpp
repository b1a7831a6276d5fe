// FormatFloat and FloatToStr.
#include "rtl/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "rtl/exceptions.h"

namespace almanix {

namespace {

// A value as sign, significant digits and decimal exponent: |value| = 0.d1d2d3... x 10^exponent.
// Zero has no digits. Trailing zeros are never kept.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

constexpr int MaxDigits = 18;

void StripTrailingZeros(DecimalDigits& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

// The value to 18 significant digits (correctly rounded, halves to even).
DecimalDigits ToDecimal(Extended value) {
    if (!std::isfinite(value)) throw EInvalidOp();
    DecimalDigits d;
    d.negative = std::signbit(value);
    if (value == 0) {
        d.negative = false;
        return d;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", MaxDigits - 1, std::fabs(value));
    // buffer holds d.ddddddddddddddddde+XX
    d.digits.push_back(buffer[0]);
    d.digits.append(buffer + 2, MaxDigits - 1);
    d.exponent = std::atoi(buffer + MaxDigits + 2) + 1;
    StripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the next digit.
void RoundToDigits(DecimalDigits& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        StripTrailingZeros(d);
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    StripTrailingZeros(d);
}

// Digits before the decimal point (none for |value| < 1) and after it (without trailing zeros).
std::string IntegerDigits(const DecimalDigits& d) {
    if (d.exponent <= 0) return {};
    std::string text = d.digits.substr(0, d.exponent);
    text.append(d.exponent - text.size(), '0');
    return text;
}

std::string FractionDigits(const DecimalDigits& d) {
    if (d.exponent >= static_cast<int>(d.digits.size())) return {};
    if (d.exponent >= 0) return d.digits.substr(d.exponent);
    return std::string(-d.exponent, '0') + d.digits;
}

// Scientific notation of general format: d[.ddd]E[-]x.
std::string Scientific(const DecimalDigits& d, const std::string& separator) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) text += separator + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
}

struct DigitPattern {
    std::size_t forcedInteger = 0;    // integer places from the leftmost '0' to the point
    std::size_t fractionPlaces = 0;   // placeholders after the point
    std::size_t forcedFraction = 0;   // fraction places up to the rightmost '0'
};

DigitPattern ParseDigitPattern(const std::string& pattern) {
    DigitPattern p;
    bool afterPoint = false;
    for (const char c : pattern) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++p.fractionPlaces;
                if (c == '0') p.forcedFraction = p.fractionPlaces;
            } else {
                if (c == '0' && p.forcedInteger == 0) p.forcedInteger = 1;
                else if (p.forcedInteger > 0) ++p.forcedInteger;
            }
        } else {
            throw EConvertError("Unsupported number format '" + pattern + "'");
        }
    }
    return p;
}

}  // namespace

std::string FloatToStr(Extended Value, const TFormatSettings& Settings) {
    constexpr int Precision = 15;
    DecimalDigits d = ToDecimal(Value);
    RoundToDigits(d, Precision);
    if (d.digits.empty()) return "0";
    if (d.exponent > Precision || d.exponent < -3) return Scientific(d, Settings.DecimalSeparator);
    std::string text = d.negative ? "-" : "";
    const std::string integer = IntegerDigits(d);
    text += integer.empty() ? "0" : integer;
    const std::string fraction = FractionDigits(d);
    if (!fraction.empty()) text += Settings.DecimalSeparator + fraction;
    return text;
}

std::string FloatToStr(Extended Value) { return FloatToStr(Value, FormatSettings); }

std::string FormatFloat(const std::string& Pattern, Extended Value, const TFormatSettings& Settings) {
    if (Pattern.empty()) return FloatToStr(Value, Settings);
    const DigitPattern p = ParseDigitPattern(Pattern);
    DecimalDigits d = ToDecimal(Value);
    RoundToDigits(d, std::min(MaxDigits, d.exponent + static_cast<int>(p.fractionPlaces)));
    if (d.exponent > MaxDigits) return FloatToStr(Value, Settings);

    std::string integer = IntegerDigits(d);
    if (integer.size() < p.forcedInteger) integer.insert(0, p.forcedInteger - integer.size(), '0');
    std::string fraction = FractionDigits(d);
    if (fraction.size() < p.forcedFraction) fraction.append(p.forcedFraction - fraction.size(), '0');

    std::string text = d.negative && !d.digits.empty() ? "-" : "";
    text += integer;
    if (!fraction.empty()) text += Settings.DecimalSeparator + fraction;
    return text;
}

std::string FormatFloat(const std::string& Pattern, Extended Value) {
    return FormatFloat(Pattern, Value, FormatSettings);
}

}  // namespace almanix
