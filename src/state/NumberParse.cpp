// Text to numbers: the leading-number rule of the input fields and target files, and the
// whole-text rule of the mass field. Both build the value with std::from_chars, which reads
// "." as the decimal point whatever locale the program runs in.

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "state/NumberText.h"

namespace fenra {
namespace {

static_assert(std::numeric_limits<float>::is_iec559,
              "a Double beyond the range of a Single must become an infinity, not undefined");

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// The longest beginning of `text` that is a number: [+-]digits[.digits] or [+-].digits, with an
// optional exponent [EeDd][+-]digits that counts only when a digit follows. The number is
// rewritten in the form from_chars reads (no "+", "e" for the exponent letter); `length` is how
// many characters of `text` it took.
struct Scan {
    std::string number;
    std::size_t length = 0;
};

Scan ScanNumber(std::string_view text) {
    Scan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') scan.number += '-';
        ++i;
    }
    bool point = false;
    bool mantissaDigit = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            mantissaDigit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        scan.number += text[i];
    }
    if (!mantissaDigit) return Scan{};
    scan.length = i;

    if (i < text.size() && IsExponentLetter(text[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') exponent += '-';
            ++j;
        }
        const std::size_t firstDigit = j;
        for (; j < text.size() && IsDigit(text[j]); ++j) exponent += text[j];
        if (j > firstDigit) {
            scan.number += exponent;
            scan.length = j;
        }
    }
    return scan;
}

// The value of a scanned number; 0 when it lies beyond the range of a Double. A value too
// small for a Double is 0 as well, which is also its nearest Double.
template <typename T>
T ValueOf(const std::string& number) {
    T value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) packed += c;
    }
    const Scan scan = ScanNumber(packed);
    return scan.length == 0 ? 0.0 : ValueOf<double>(scan.number);
}

float LeadingNumberAsSingle(std::string_view text) {
    const float value = static_cast<float>(LeadingNumber(text));
    return std::isfinite(value) ? value : 0.0f;
}

NumberTextCheck CheckNumberText(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    const std::string_view trimmed = text.substr(first, last - first);
    if (trimmed.empty()) return NumberTextCheck::Whole;

    // Beyond the range of a Double (from_chars fails) or of a Single: read as 0.
    const Scan lead = ScanNumber(trimmed);
    if (lead.length > 0) {
        double value = 0;
        const auto result =
            std::from_chars(lead.number.data(), lead.number.data() + lead.number.size(), value,
                            std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range ||
            !std::isfinite(static_cast<float>(value)))
            return NumberTextCheck::OutOfRange;
    }
    return lead.length == trimmed.size() ? NumberTextCheck::Whole : NumberTextCheck::NotWhole;
}

float WholeTextNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    const std::string_view trimmed = text.substr(first, last - first);

    const Scan scan = ScanNumber(trimmed);
    if (scan.length == 0 || scan.length != trimmed.size()) return 0;
    // Read straight into a Single: one rounding, from the decimal text to the Single.
    return ValueOf<float>(scan.number);
}

float ShownMass(float mass) {
    return WholeTextNumber(GeneralText(mass));
}

}  // namespace fenra
