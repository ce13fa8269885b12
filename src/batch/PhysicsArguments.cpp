#include "batch/PhysicsArguments.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "materials/PhysicsError.h"
#include "range/Units.h"

namespace fenra {

namespace {

[[noreturn]] void Bad(const std::string& message) {
    throw PhysicsError(ErrorKind::BadValue, message);
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

// The words for a number beyond the doubles, after `what "text"`.
std::string BeyondDoubles(NumberRead r) {
    return r == NumberRead::Underflow
               ? " underflows: it is nearer 0 than the numbers the program holds (2.2e-308)"
               : " overflows: it is beyond the numbers the program holds (1.8e308)";
}

// A value after its unit is applied must still be a number the calculation can hold.
void CheckConverted(double v, const std::string& what, const std::string& text, const char* unit) {
    if (!std::isfinite(v)) Bad(what + " \"" + text + "\" overflows: it is beyond 1.8e308 " + unit);
}

// The number before a unit (split off by the caller): finite and at least 0.
double NumberBeforeUnit(std::string_view number, const std::string& what, const std::string& text) {
    double v = 0;
    const NumberRead read = ReadNumber(std::string(number), &v);
    if (read == NumberRead::Overflow || read == NumberRead::Underflow)
        Bad(what + " \"" + text + "\"" + BeyondDoubles(read));
    if (read != NumberRead::Number) Bad(what + " \"" + text + "\" is not a number with a unit");
    if (v < 0) Bad(what + " \"" + text + "\" is negative");
    return v;
}

}  // namespace

double ParseEnergyArgument(const std::string& text, double mass) {
    std::string_view number;
    EnergyUnit unit = EnergyUnit::Kev;  // a bare number is in keV
    SplitEnergyUnit(text, &number, &unit);
    const double keV = EnergyToKev(NumberBeforeUnit(number, "ENERGY", text), unit, mass);
    CheckConverted(keV, "ENERGY", text, "keV");
    return keV;
}

double ParseThicknessArgument(const std::string& text, const Target& t) {
    std::string_view number;
    TypedThicknessUnit unit;
    const bool hasUnit = SplitThicknessUnit(text, &number, &unit);
    const double v = NumberBeforeUnit(number, "THICKNESS", text);
    if (!hasUnit) Bad("THICKNESS \"" + text + "\" has no unit (" + TypedThicknessUnitNames() + ")");
    if (IsLength(unit.base) && !(t.atomsPerCm3 > 0))
        Bad("THICKNESS \"" + text + "\" is a length, and the material \"" + t.material.name +
            "\" has no density: give --density G_CM3");
    const double e15 = ThicknessToE15(t, v, unit);
    CheckConverted(e15, "THICKNESS", text, "1E15 atoms/cm2");
    return e15;
}

double ParsePositiveNumber(const std::string& text, const std::string& option) {
    double v = 0;
    const NumberRead read = ReadNumber(text, &v);
    if (read == NumberRead::Overflow || read == NumberRead::Underflow)
        Bad(option + " \"" + text + "\"" + BeyondDoubles(read));
    if (read != NumberRead::Number || !(v > 0))
        Bad(option + " \"" + text + "\" is not a positive number");
    return v;
}

}  // namespace fenra
