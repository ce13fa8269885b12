#include <cmath>

#include "physics/Stopping.h"

namespace fenra {

namespace {

// Below this energy per unit mass the stopping is the value at this energy scaled down by a
// power of E (a Single, so the comparison with the float E is exact).
constexpr float kLowEnergyBound = 25.0f;  // keV/amu

// Exponents of the low-energy fall-off: lighter targets (Z2 <= 6) fall off more slowly.
constexpr float kLowExponentHeavyTarget = 0.45f;
constexpr float kLowExponentLightTarget = 0.25f;
constexpr int16_t kLightTargetMaxZ = 6;

// Polynomial in x = ln(E)/E, fitted for the fast region.
double HighEnergyStop(float E, const CoefficientSet& c) {
    const double x = std::log(static_cast<double>(E)) / E;
    return c.H[0] + c.H[1] * x + c.H[2] * x * x + c.H[3] / x;
}

// Harmonic combination of the low-energy power law and the Bethe-like logarithmic term, so that
// the smaller of the two dominates.
double MediumEnergyStop(float Ep, const CoefficientSet& c) {
    const double e = Ep;
    const double sLow = c.P[0] * std::pow(e, c.P[1]) + c.P[2] * std::pow(e, c.P[3]);
    // The fitted coefficients go with a logarithm that has no "1 +" inside it.
    const double lambda = std::log(c.P[6] / e + c.P[7] * e);
    const double sHigh = (c.P[4] / std::pow(e, c.P[5])) * lambda;
    return sLow * sHigh / (sLow + sHigh);
}

}  // namespace

double ProtonStop(int16_t Z2, float E, const CoefficientSet& c) {
    if (E > kHighEnergyBound) return HighEnergyStop(E, c);

    const float Ep = E <= kLowEnergyBound ? kLowEnergyBound : E;
    const double S = MediumEnergyStop(Ep, c);
    if (E > kLowEnergyBound) return S;

    // Equal to 1 at E = 25, so the low and medium regions join without a step.
    const float p = Z2 > kLightTargetMaxZ ? kLowExponentHeavyTarget : kLowExponentLightTarget;
    return S * std::pow(static_cast<double>(E) / kLowEnergyBound, static_cast<double>(p));
}

}  // namespace fenra
