#include "physics/EquilibriumCharge.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kInverseFineStructure = 137.035999084;

}  // namespace

double PierceBlannCharge(int Z1, double beta) {
    const double z = Z1;
    const double vr = beta * kInverseFineStructure / std::cbrt(z * z);
    return z * (1 - std::exp(-0.95 * vr));
}

}  // namespace fenra
