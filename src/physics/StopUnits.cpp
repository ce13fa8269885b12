#include "physics/StopUnits.h"

namespace fenra {

namespace {
// Density in 1E22 atoms/cm3 times eV per (1E15 atoms/cm2) gives 1E7 eV/cm = 0.1 eV/Angstrom.
constexpr double kLinearStopFactor = 0.1;
constexpr double kKevUmPerEvA = 10;  // 1 eV/Angstrom = 1E4 eV/um = 10 keV/um
}  // namespace

bool IsLength(StopUnit unit) {
    return unit == StopUnit::EvAngstrom || unit == StopUnit::KevUm;
}

double ConvertStop(double S, StopUnit unit, const StopUnitBasis& basis) {
    switch (unit) {
        case StopUnit::EvE15:
            return S;
        case StopUnit::KevMgCm2:
            return kAvogadro / basis.massAmu * S * kMassStopFactor;
        case StopUnit::EvAngstrom:
            return basis.density22 * S * kLinearStopFactor;
        case StopUnit::KevUm:
            break;
    }
    return basis.density22 * S * kLinearStopFactor * kKevUmPerEvA;
}

OtherStopUnits ConvertStopUnits(float M, float N, float S) {
    const StopUnitBasis basis{M, N};
    OtherStopUnits r;
    r.KevMg = static_cast<float>(ConvertStop(S, StopUnit::KevMgCm2, basis));
    r.EvA = static_cast<float>(ConvertStop(S, StopUnit::EvAngstrom, basis));
    r.KevUm = r.EvA * static_cast<float>(kKevUmPerEvA);
    return r;
}

}  // namespace fenra
