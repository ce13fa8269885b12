#include "batch/PhysicsArguments.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "materials/PhysicsError.h"
#include "range/Units.h"

namespace fenra {

namespace {

constexpr double kKevPerMev = 1000;

[[noreturn]] void Bad(const std::string& message) {
    throw PhysicsError(ErrorKind::BadValue, message);
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
        Bad(what + " \"" + text + "\"" + BeyondDoubles(read));
    if (read != NumberRead::Number) Bad(what + " \"" + text + "\" is not a number with a unit");
    if (v < 0) Bad(what + " \"" + text + "\" is negative");
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

double ParseThicknessArgument(const std::string& text, const Target& t) {
    static const char* const kUnits[] = {"e15/cm2", "mg/cm2", "ug/cm2", "nm", "um", "mm"};
    std::string unitText;
    const double v = NumberWithUnit(text, kUnits, 6, "THICKNESS", &unitText);
    ThicknessUnit unit = ThicknessUnit::E15;
    if (!ThicknessUnitOf(unitText, &unit))
        Bad("THICKNESS \"" + text + "\" has no unit (nm, um, mm, mg/cm2, ug/cm2 or e15/cm2)");
    if (IsLength(unit) && !(t.atomsPerCm3 > 0))
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
