#include <cmath>

#include "physics/EffectiveCharge.h"
#include "physics/Stopping.h"

namespace fenra {

namespace {

// Below this energy per unit mass the charge and the proton stopping are taken here and the
// result falls off as sqrt(E).
constexpr float kHeliumFloorEnergy = 1.0f;  // keV/amu

// The exponent of exp(-P) is capped: beyond it helium is fully stripped to double precision.
constexpr double kMaxChargeExponent = 30;

constexpr double kHeliumChargeSquared = 4;  // (Z1 = 2)^2

float HeliumChargeEnergy(float E) {
    return E < kHeliumFloorEnergy ? kHeliumFloorEnergy : E;
}

double ChargeSquaredAt(int16_t Z2, float Ec) {
    const double L = std::log(static_cast<double>(Ec));
    // Fifth-degree fit in ln(E), summed term by term in rising powers (not by Horner's rule).
    // The powers are products: they differ from pow() at most in the last bit of a double,
    // which never reaches the Single results, and they cost a third of the pow() calls.
    const double L2 = L * L;
    const double L3 = L2 * L;
    const double L4 = L3 * L;
    const double L5 = L4 * L;
    double P = 0.2865 + 0.1266 * L - 0.001429 * L2 + 0.02402 * L3 - 0.01135 * L4 + 0.001475 * L5;
    if (P > kMaxChargeExponent) P = kMaxChargeExponent;
    const double G = 1 - std::exp(-P);
    // Target correction, largest at ln(E) = 7.6 (about 2 MeV/amu).
    const double t = 7.6 - L;
    const double H = 1 + (0.007 + 0.00005 * Z2) * std::exp(-(t * t));
    return G * (H * H);
}

}  // namespace

double HeliumEffectiveChargeSquared(int16_t Z2, float E) {
    return ChargeSquaredAt(Z2, HeliumChargeEnergy(E));
}

double HeliumStop(int16_t Z2, float E, const CoefficientSet& c) {
    const float Ec = HeliumChargeEnergy(E);
    const double S = ChargeSquaredAt(Z2, Ec) * ProtonStop(Z2, Ec, c) * kHeliumChargeSquared;
    if (E > kHeliumFloorEnergy) return S;
    // A negative E has no square root: that fault is left to the caller's check.
    return S * std::sqrt(static_cast<double>(E));
}

}  // namespace fenra
