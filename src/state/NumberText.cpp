// Numbers to text: the short form, the print form, the general texts, the fixed formats of the
// curve labels and curve files, Integer digits and the zone layout of text-file lines.
//
// Every form starts from the same decimal digits: the exact binary value rounded to a fixed
// number of significant digits (7 for a Single, 15 for a Double), ties to even as the C
// library's "%.*e" does. std::to_chars gives those digits without looking at the locale,
// which a windowed program may have changed.

#include "state/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace fenra {
namespace {

constexpr int kSingleDigits = 7;            // significant digits shown of a Single
constexpr int kDoubleDigits = 15;           // significant digits shown of a Double
constexpr int kSmallestFixedExponent = -4;  // 1E-4 is still written in fixed notation
constexpr int kZoneWidth = 14;              // characters per zone of a text-file line

// A finite nonzero magnitude as significant digits and the decimal exponent of the first one:
// digits "15", exponent -5 is 1.5E-05. No trailing zeros in the digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double v, int significantDigits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, result.ptr);  // [-]d.ddddddde[+-]xx

    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.') d.digits += text[i];
    }
    std::from_chars(text.data() + i + 1 + (text[i + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// NaN and infinities are never stored by the calculation; if one slips through it is shown
// as such rather than as a number it is not.
bool NonFiniteText(double v, std::string& text) {
    if (std::isnan(v)) {
        text = "NaN";
        return true;
    }
    if (std::isinf(v)) {
        text = v < 0 ? "-Inf" : "Inf";
        return true;
    }
    return false;
}

// 1.5E-05, 1E+07, 1.234568E+10: the mantissa without trailing zeros, at least two exponent
// digits.
std::string ExponentForm(const Decimal& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    text += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

// 1000, 2.5, .5 (or 0.5 with the leading zero).
std::string FixedForm(const Decimal& d, bool zeroBeforePoint) {
    if (d.exponent < 0) {
        return std::string(zeroBeforePoint ? "0." : ".") +
               std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits) {
        return d.digits + std::string(integerDigits - d.digits.size(), '0');
    }
    return d.digits.substr(0, integerDigits) + "." + d.digits.substr(integerDigits);
}

std::string Compose(double v, int significantDigits, bool zeroBeforePoint) {
    std::string text;
    if (NonFiniteText(v, text)) return text;
    if (v == 0) return "0";  // also -0
    const Decimal d = ToDecimal(v, significantDigits);
    const bool exponentForm =
        d.exponent < kSmallestFixedExponent || d.exponent >= significantDigits;
    text = exponentForm ? ExponentForm(d) : FixedForm(d, zeroBeforePoint);
    return d.negative ? "-" + text : text;
}

// Adds one unit in the last place of a digit string; true when the carry runs out of it.
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// "##.###" with the given number of decimals. The rounding works on the 7 digits that the
// short form shows, in decimal, so that a value shown as 2.0005 gives 2.001, as a user reading
// the short form would expect, although the Single itself lies just below 2.0005.
std::string FormatFixed(float v, int decimals) {
    std::string text;
    if (NonFiniteText(v, text)) return text;
    if (v == 0) return ".";

    const Decimal d = ToDecimal(v, kSingleDigits);
    std::string integerPart;
    std::string fraction;
    if (d.exponent < 0) {
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
        integerPart = d.digits.substr(0, std::min(integerDigits, d.digits.size()));
        integerPart.resize(integerDigits, '0');
        if (d.digits.size() > integerDigits) fraction = d.digits.substr(integerDigits);
    }

    const auto kept = static_cast<std::size_t>(decimals);
    if (fraction.size() > kept) {
        const bool roundUp = fraction[kept] >= '5';  // halves away from zero
        fraction.resize(kept);
        if (roundUp && IncrementDigits(fraction) && IncrementDigits(integerPart)) {
            integerPart.insert(0, "1");
        }
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart.erase(0, firstNonZero == std::string::npos ? integerPart.size() : firstNonZero);

    // A value that rounds to nothing is written "." without a sign: there is no negative zero
    // on an axis or in a file.
    const bool zero = integerPart.empty() && fraction.empty();
    return (d.negative && !zero ? "-" : "") + integerPart + "." + fraction;
}

}  // namespace

std::string ShortForm(float v) {
    return Compose(v, kSingleDigits, false);
}

std::string PrintForm(float v) {
    if (std::isnan(v)) return " NaN ";
    if (v < 0) return "-" + ShortForm(-v) + " ";
    return " " + ShortForm(v) + " ";
}

std::string GeneralText(float v) {
    return Compose(v, kSingleDigits, true);
}

std::string GeneralText(double v) {
    return Compose(v, kDoubleDigits, true);
}

std::string FormatFixed3(float v) {
    return FormatFixed(v, 3);
}

std::string FormatFixed4(float v) {
    return FormatFixed(v, 4);
}

std::string NineDigitText(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    return std::string(buf, r.ptr);
}

std::string ShortestText(float v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string IntegerText(int v) {
    return std::to_string(v);
}

std::string ZoneLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += fields[i];
        if (i + 1 == fields.size()) break;
        // Each field but the last moves the line on to the next zone start after its end, as
        // a print zone does: an empty field keeps its zone, and a field that fills its zone
        // exactly is still followed by blanks, so neighbouring fields never run together.
        const std::size_t rest = line.size() % kZoneWidth;
        line.append(kZoneWidth - rest, ' ');
    }
    return line;
}

}  // namespace fenra
