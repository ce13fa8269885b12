#include "batch/PhysicsArguments.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "materials/PhysicsError.h"
#include "range/Units.h"

namespace fenra {

namespace {

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
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

// The number before a unit (split off by the caller): finite and at least 0.
double NumberBeforeUnit(std::string_view number, const std::string& what, const std::string& text) {
    double v = 0;
    const NumberRead read = ReadNumber(std::string(number), &v);
    if (read == NumberRead::Overflow || read == NumberRead::Underflow)
        BeyondDoubles(read, what, text);
    if (read != NumberRead::Number) Bad(PhysicsText::NotNumberWithUnit, {Value(what), Value(text)});
    if (v < 0) Bad(PhysicsText::Negative, {Value(what), Value(text)});
    return v;
}

}  // namespace

double ParseEnergyArgument(const std::string& text, double mass, const std::string& what) {
    std::string_view number;
    EnergyUnit unit = EnergyUnit::Kev;  // a bare number is in keV
    SplitEnergyUnit(text, &number, &unit);
    const double keV = EnergyToKev(NumberBeforeUnit(number, what, text), unit, mass);
    CheckConverted(keV, what, text, "keV");
    return keV;
}

double ParseThicknessArgument(const std::string& text, const Target& t, const std::string& what) {
    std::string_view number;
    TypedThicknessUnit unit;
    const bool hasUnit = SplitThicknessUnit(text, &number, &unit);
    const double v = NumberBeforeUnit(number, what, text);
    if (!hasUnit)
        Bad(PhysicsText::NoThicknessUnit, {Value(what), Value(text), TypedThicknessUnitNames()});
    if (IsLength(unit.base) && !(t.atomsPerCm3 > 0))
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

std::optional<double> FiniteNumberText(const std::string& text) {
    double v = 0;
    if (ReadNumber(text, &v) != NumberRead::Number) return std::nullopt;
    return v;
}

}  // namespace fenra
