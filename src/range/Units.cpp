#include "range/Units.h"

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

const char* StopUnitNames() {
    return "eV/(1e15 atoms/cm2), keV/(mg/cm2), eV/A or keV/um";
}

const char* ThicknessUnitNames() {
    return "1e15 atoms/cm2 (e15/cm2), mg/cm2, ug/cm2, nm, um or mm";
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
