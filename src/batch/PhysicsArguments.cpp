#include "batch/PhysicsArguments.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "materials/PhysicsError.h"
#include "range/Units.h"

namespace fenra {

namespace {

constexpr double kKevPerMev = 1000;

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

enum class NumberRead { Number, NotNumber, Overflow, Underflow };

// Whether a number text beyond the doubles is too small rather than too large: a negative
// exponent, or no exponent and no digit before the point ("0.000...1").
bool TooSmall(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos) return e + 1 < text.size() && text[e + 1] == '-';
    const std::size_t first = text.find_first_not_of("+-0");
    return first == std::string_view::npos || text[first] == '.';
}

// A number in C notation (from_chars does not look at the locale), all of the text and finite.
NumberRead ReadNumber(const std::string& text, double* v) {
    if (text.empty()) return NumberRead::NotNumber;
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), *v);
    if (ptr != text.data() + text.size()) return NumberRead::NotNumber;
    if (ec == std::errc::result_out_of_range)
        return TooSmall(text) ? NumberRead::Underflow : NumberRead::Overflow;
    if (ec != std::errc() || !std::isfinite(*v)) return NumberRead::NotNumber;
    return NumberRead::Number;
}

// The refusal of a number beyond the doubles.
[[noreturn]] void BeyondDoubles(NumberRead r, const std::string& what, const std::string& text) {
    Bad(r == NumberRead::Underflow ? PhysicsText::Underflows : PhysicsText::Overflows,
        {Value(what), Value(text)});
}

// A value after its unit is applied must still be a number the calculation can hold.
void CheckConverted(double v, const std::string& what, const std::string& text, const char* unit) {
    if (!std::isfinite(v))
        Bad(PhysicsText::ConvertedOverflows, {Value(what), Value(text), Value(unit)});
}

// Splits a number from a unit of the list (longest first); the unit is "" when none matches.
double NumberWithUnit(const std::string& text, const char* const* units, std::size_t n,
                      const std::string& what, std::string* unit) {
    unit->clear();
    std::string number = text;
    for (std::size_t k = 0; k < n; ++k) {
        if (EndsWith(text, units[k])) {
            *unit = units[k];
            number = text.substr(0, text.size() - unit->size());
            break;
        }
    }
    double v = 0;
    const NumberRead read = ReadNumber(number, &v);
    if (read == NumberRead::Overflow || read == NumberRead::Underflow)
        BeyondDoubles(read, what, text);
    if (read != NumberRead::Number) Bad(PhysicsText::NotNumberWithUnit, {Value(what), Value(text)});
    if (v < 0) Bad(PhysicsText::Negative, {Value(what), Value(text)});
    return v;
}

}  // namespace

double ParseEnergyArgument(const std::string& text, double mass) {
    static const char* const kUnits[] = {"keV/u", "MeV/u", "keV", "MeV"};
    std::string unit;
    const double v = NumberWithUnit(text, kUnits, 4, "ENERGY", &unit);
    double keV = v * kKevPerMev * mass;  // MeV/u
    if (unit.empty() || unit == "keV") keV = v;
    if (unit == "MeV") keV = v * kKevPerMev;
    if (unit == "keV/u") keV = v * mass;
    CheckConverted(keV, "ENERGY", text, "keV");
    return keV;
}

double ParseThicknessArgument(const std::string& text, const Target& t, const std::string& what) {
    static const char* const kUnits[] = {"e15/cm2", "mg/cm2", "ug/cm2", "nm", "um", "mm"};
    std::string unitText;
    const double v = NumberWithUnit(text, kUnits, 6, what, &unitText);
    ThicknessUnit unit = ThicknessUnit::E15;
    if (!ThicknessUnitOf(unitText, &unit))
        Bad(PhysicsText::NoThicknessUnit, {Value(what), Value(text)});
    if (IsLength(unit) && !(t.atomsPerCm3 > 0))
        Bad(PhysicsText::LengthWithoutDensity, {Value(what), Value(text), Value(t.material.name)});
    const double e15 = ThicknessToE15(t, v, unit);
    CheckConverted(e15, what, text, "1E15 atoms/cm2");
    return e15;
}

Message QuotedArgument(const std::string& name, const std::string& text) {
    return Sentence(PhysicsText::ArgumentQuoted, {Value(name), Value(text)});
}

Message RefusedArgument(const char* name, std::string_view text, const PhysicsError& e) {
    return Prefixed(
        Sentence(PhysicsText::ArgumentQuoted, {Value(name), Value(TextForMessage(text))}),
        e.Reason());
}

double ParsePositiveNumber(const std::string& text, const std::string& option) {
    double v = 0;
    const NumberRead read = ReadNumber(text, &v);
    if (read == NumberRead::Overflow || read == NumberRead::Underflow)
        BeyondDoubles(read, option, text);
    if (read != NumberRead::Number || !(v > 0))
        Bad(PhysicsText::NotPositiveNumber, {Value(option), Value(text)});
    return v;
}

}  // namespace fenra
