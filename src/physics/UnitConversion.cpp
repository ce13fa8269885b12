#include "physics/UnitConversion.h"

namespace fenra {

namespace {
// Density in 1E22 atoms/cm3 times eV per (1E15 atoms/cm2) gives 1E7 eV/cm = 0.1 eV/Angstrom.
constexpr double kLinearStopFactor = 0.1;
constexpr float kKevUmPerEvA = 10.0f;  // 1 eV/Angstrom = 10 keV/um
}  // namespace

OtherStopUnits ConvertStopUnits(float M, float N, float S) {
    OtherStopUnits r;
    r.KevMg = static_cast<float>(kAvogadro / M * S * kMassStopFactor);
    r.EvA = static_cast<float>(static_cast<double>(N) * S * kLinearStopFactor);
    // Ten times the stored eV/Angstrom, so that the two linear units agree digit for digit.
    r.KevUm = r.EvA * kKevUmPerEvA;
    return r;
}

}  // namespace fenra
