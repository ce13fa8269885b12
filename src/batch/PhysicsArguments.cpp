#include "batch/PhysicsArguments.h"

#include <charconv>
#include <cmath>

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

// A number in C notation (from_chars does not look at the locale); false unless it is all of
// the text and finite.
bool ReadNumber(const std::string& text, double* v) {
    if (text.empty()) return false;
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), *v);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(*v);
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
    if (!ReadNumber(number, &v)) Bad(what + " \"" + text + "\" is not a number with a unit");
    if (v < 0) Bad(what + " \"" + text + "\" is negative");
    return v;
}

}  // namespace

double ParseEnergyArgument(const std::string& text, double mass) {
    static const char* const kUnits[] = {"keV/u", "MeV/u", "keV", "MeV"};
    std::string unit;
    const double v = NumberWithUnit(text, kUnits, 4, "ENERGY", &unit);
    if (unit.empty() || unit == "keV") return v;
    if (unit == "MeV") return v * kKevPerMev;
    if (unit == "keV/u") return v * mass;
    return v * kKevPerMev * mass;  // MeV/u
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
    return ThicknessToE15(t, v, unit);
}

double ParsePositiveNumber(const std::string& text, const std::string& option) {
    double v = 0;
    if (!ReadNumber(text, &v) || !(v > 0))
        Bad(option + " \"" + text + "\" is not a positive number");
    return v;
}

}  // namespace fenra
