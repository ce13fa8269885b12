#include "range/Units.h"

#include <iterator>

#include "materials/PhysicsError.h"

namespace fenra {

namespace {

constexpr double kNmPerUm = 1000, kUmPerMm = 1000, kUgPerMg = 1000;

struct StopName {
    const char* text;
    StopUnit unit;
};
constexpr StopName kStopNames[] = {
    {"eV/(1e15 atoms/cm2)", StopUnit::EvE15},
    {"keV/(mg/cm2)", StopUnit::KevMgCm2},
    {"eV/A", StopUnit::EvAngstrom},
    {"eV/\u00c5", StopUnit::EvAngstrom},
    {"keV/um", StopUnit::KevUm},
    {"keV/\u00b5m", StopUnit::KevUm},
};

struct ThicknessName {
    const char* text;
    ThicknessUnit unit;
};
constexpr ThicknessName kThicknessNames[] = {
    {"e15/cm2", ThicknessUnit::E15},  {"1e15 atoms/cm2", ThicknessUnit::E15},
    {"mg/cm2", ThicknessUnit::MgCm2}, {"ug/cm2", ThicknessUnit::UgCm2},
    {"nm", ThicknessUnit::Nm},        {"um", ThicknessUnit::Um},
    {"\u00b5m", ThicknessUnit::Um},   {"mm", ThicknessUnit::Mm},
};

struct EnergyName {
    const char* text;
    EnergyUnit unit;
};
constexpr EnergyName kEnergyNames[] = {
    {"eV", EnergyUnit::Ev},         {"keV", EnergyUnit::Kev},       {"MeV", EnergyUnit::Mev},
    {"GeV", EnergyUnit::Gev},       {"keV/u", EnergyUnit::KevPerU}, {"MeV/u", EnergyUnit::MevPerU},
    {"GeV/u", EnergyUnit::GevPerU},
};

// keV in one unit of each EnergyUnit, in its order (per u: keV per amu).
constexpr double kKevPerEnergyUnit[] = {1e-3, 1, 1e3, 1e6, 1, 1e3, 1e6};

struct TypedStopName {
    const char* text;
    const char* slug;
    TypedStopUnit unit;
};
// 1 keV/(mg/cm2) = 1e-3 MeV / 1e-3 g/cm2 = 1 MeV cm2/g; 1 keV/um = 1e-3 keV/nm.
const TypedStopName kTypedStopNames[] = {
    {"eV/(1e15 atoms/cm2)", "eV_e15", {StopUnit::EvE15, 1}},
    {"keV/(mg/cm2)", "keV_mg_cm2", {StopUnit::KevMgCm2, 1}},
    {"MeV/(mg/cm2)", "MeV_mg_cm2", {StopUnit::KevMgCm2, 1e-3}},
    {"MeV cm2/g", "MeV_cm2_g", {StopUnit::KevMgCm2, 1}},
    {"eV/A", "eV_A", {StopUnit::EvAngstrom, 1}},
    {"eV/\u00c5", "eV_A", {StopUnit::EvAngstrom, 1}},
    {"keV/um", "keV_um", {StopUnit::KevUm, 1}},
    {"keV/\u00b5m", "keV_um", {StopUnit::KevUm, 1}},
    {"keV/nm", "keV_nm", {StopUnit::KevUm, 1e-3}},
};

struct TypedThicknessName {
    const char* text;
    TypedThicknessUnit unit;
};
// The micro sign (U+00B5) and the Greek mu (U+03BC) are both typed for micro; the letter A
// with ring (U+00C5) and the Angstrom sign (U+212B) both for Angstrom.
const TypedThicknessName kTypedThicknessNames[] = {
    {"e15/cm2", {ThicknessUnit::E15, 1}},
    {"1e15 atoms/cm2", {ThicknessUnit::E15, 1}},
    {"g/cm2", {ThicknessUnit::MgCm2, 1e-3}},
    {"mg/cm2", {ThicknessUnit::MgCm2, 1}},
    {"ug/cm2", {ThicknessUnit::UgCm2, 1}},
    {"\u00b5g/cm2", {ThicknessUnit::UgCm2, 1}},
    {"\u03bcg/cm2", {ThicknessUnit::UgCm2, 1}},
    {"A", {ThicknessUnit::Nm, 10}},
    {"\u00c5", {ThicknessUnit::Nm, 10}},
    {"\u212b", {ThicknessUnit::Nm, 10}},
    {"nm", {ThicknessUnit::Nm, 1}},
    {"um", {ThicknessUnit::Um, 1}},
    {"\u00b5m", {ThicknessUnit::Um, 1}},
    {"\u03bcm", {ThicknessUnit::Um, 1}},
    {"mm", {ThicknessUnit::Mm, 1}},
    {"cm", {ThicknessUnit::Mm, 0.1}},
};

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The longest spelling in `names` that ends `text`: its index, or -1.
template <typename Names>
int LongestSuffix(std::string_view text, const Names& names) {
    int best = -1;
    std::size_t length = 0;
    for (std::size_t k = 0; k < std::size(names); ++k) {
        const std::string_view name = names[k].text;
        if (name.size() > length && EndsWith(text, name)) {
            best = static_cast<int>(k);
            length = name.size();
        }
    }
    return best;
}

void NeedDensity(const Target& t) {
    if (!(t.atomsPerCm3 > 0))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::LengthNeedsDensity,
                           {Value(t.material.name)});
}

}  // namespace

bool StopUnitOf(std::string_view text, StopUnit* unit) {
    for (const StopName& n : kStopNames)
        if (text == n.text) return *unit = n.unit, true;
    return false;
}

bool ThicknessUnitOf(std::string_view text, ThicknessUnit* unit) {
    for (const ThicknessName& n : kThicknessNames)
        if (text == n.text) return *unit = n.unit, true;
    return false;
}

const char* StopUnitText(StopUnit unit) {
    for (const StopName& n : kStopNames)
        if (n.unit == unit) return n.text;
    return "";
}

const char* ThicknessUnitText(ThicknessUnit unit) {
    for (const ThicknessName& n : kThicknessNames)
        if (n.unit == unit) return n.text;
    return "";
}

bool EnergyUnitOf(std::string_view text, EnergyUnit* unit) {
    for (const EnergyName& n : kEnergyNames)
        if (text == n.text) return *unit = n.unit, true;
    return false;
}

bool TypedStopUnitOf(std::string_view text, TypedStopUnit* unit) {
    for (const TypedStopName& n : kTypedStopNames)
        if (text == n.text) return *unit = n.unit, true;
    return false;
}

bool TypedThicknessUnitOf(std::string_view text, TypedThicknessUnit* unit) {
    for (const TypedThicknessName& n : kTypedThicknessNames)
        if (text == n.text) return *unit = n.unit, true;
    return false;
}

bool SplitEnergyUnit(std::string_view text, std::string_view* number, EnergyUnit* unit) {
    const int k = LongestSuffix(text, kEnergyNames);
    *number = text;
    if (k < 0) return false;
    *unit = kEnergyNames[k].unit;
    number->remove_suffix(std::string_view(kEnergyNames[k].text).size());
    return true;
}

bool SplitThicknessUnit(std::string_view text, std::string_view* number, TypedThicknessUnit* unit) {
    const int k = LongestSuffix(text, kTypedThicknessNames);
    *number = text;
    if (k < 0) return false;
    *unit = kTypedThicknessNames[k].unit;
    number->remove_suffix(std::string_view(kTypedThicknessNames[k].text).size());
    return true;
}

Message EnergyUnitNames() {
    return Alternatives({"eV", "keV", "MeV", "GeV", "keV/u", "MeV/u", "GeV/u"});
}

Message TypedStopUnitNames() {
    return Alternatives({"eV/(1e15 atoms/cm2)", "keV/(mg/cm2)", "MeV/(mg/cm2)", "MeV cm2/g", "eV/A",
                         "keV/um", "keV/nm"});
}

Message TypedThicknessUnitNames() {
    return Alternatives(
        {"1e15 atoms/cm2 (e15/cm2)", "g/cm2", "mg/cm2", "ug/cm2", "A", "nm", "um", "mm", "cm"});
}

const char* TypedStopUnitSlug(std::string_view text) {
    for (const TypedStopName& n : kTypedStopNames)
        if (text == n.text) return n.slug;
    return "";
}

double EnergyToKev(double value, EnergyUnit unit, double massAmu) {
    const double keV = value * kKevPerEnergyUnit[static_cast<int>(unit)];
    return unit >= EnergyUnit::KevPerU ? keV * massAmu : keV;
}

double EnergyFromKev(double keV, EnergyUnit unit, double massAmu) {
    const double v = keV / kKevPerEnergyUnit[static_cast<int>(unit)];
    return unit >= EnergyUnit::KevPerU ? v / massAmu : v;
}

double StopIn(const Target& t, double evPerE15, const TypedStopUnit& unit) {
    return StopIn(t, evPerE15, unit.base) * unit.perBase;
}

double ThicknessToE15(const Target& t, double value, const TypedThicknessUnit& unit) {
    return ThicknessToE15(t, value / unit.perBase, unit.base);
}

double ThicknessFromE15(const Target& t, double e15, const TypedThicknessUnit& unit) {
    return ThicknessFromE15(t, e15, unit.base) * unit.perBase;
}

bool IsLength(ThicknessUnit unit) {
    return unit == ThicknessUnit::Nm || unit == ThicknessUnit::Um || unit == ThicknessUnit::Mm;
}

double StopIn(const Target& t, double evPerE15, StopUnit unit) {
    if (IsLength(unit)) NeedDensity(t);
    return ConvertStop(evPerE15, unit, StopBasisOf(t));
}

double ThicknessToE15(const Target& t, double value, ThicknessUnit unit) {
    if (IsLength(unit)) NeedDensity(t);
    switch (unit) {
        case ThicknessUnit::E15:
            return value;
        case ThicknessUnit::MgCm2:
            return E15FromMgCm2(t, value);
        case ThicknessUnit::UgCm2:
            return E15FromMgCm2(t, value / kUgPerMg);
        case ThicknessUnit::Nm:
            return E15FromUm(t, value / kNmPerUm);
        case ThicknessUnit::Um:
            return E15FromUm(t, value);
        case ThicknessUnit::Mm:
            break;
    }
    return E15FromUm(t, value * kUmPerMm);
}

double ThicknessFromE15(const Target& t, double e15, ThicknessUnit unit) {
    if (IsLength(unit)) NeedDensity(t);
    switch (unit) {
        case ThicknessUnit::E15:
            return e15;
        case ThicknessUnit::MgCm2:
            return MgCm2FromE15(t, e15);
        case ThicknessUnit::UgCm2:
            return MgCm2FromE15(t, e15) * kUgPerMg;
        case ThicknessUnit::Nm:
            return UmFromE15(t, e15) * kNmPerUm;
        case ThicknessUnit::Um:
            return UmFromE15(t, e15);
        case ThicknessUnit::Mm:
            break;
    }
    return UmFromE15(t, e15) / kUmPerMm;
}

}  // namespace fenra
