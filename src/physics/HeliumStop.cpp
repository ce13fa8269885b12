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
    // Fifth-degree fit in ln(E), summed term by term in rising powers.
    double P = 0.2865 + 0.1266 * L - 0.001429 * std::pow(L, 2) + 0.02402 * std::pow(L, 3) -
               0.01135 * std::pow(L, 4) + 0.001475 * std::pow(L, 5);
    if (P > kMaxChargeExponent) P = kMaxChargeExponent;
    const double G = 1 - std::exp(-P);
    // Target correction, largest at ln(E) = 7.6 (about 2 MeV/amu).
    const double H = 1 + (0.007 + 0.00005 * Z2) * std::exp(-std::pow(7.6 - L, 2));
    return G * std::pow(H, 2);
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
