#include "physics/ChargeState.h"

#include <algorithm>
#include <cmath>

namespace fenra {

namespace {

// Solids, Schiwietz et al. (2004).
double SolidFraction(int Z1, double Zt, double velocity) {
    const double Z = Z1;
    const double vs = velocity * std::pow(Z, -0.543);
    const double c1 = 1 - 0.26 * std::exp(-Zt / 11) * std::exp(-(Zt - Z) * (Zt - Z) / 9);
    const double c2 = 1 + 0.030 * vs * std::log(Zt);
    const double x = c1 * std::pow(vs / (1.54 * c2), 1 + 1.83 / Z);
    const double x4 = x * x * x * x;
    return (8.29 * x + x4) / (0.06 / x + 4 + 7.4 * x + x4);
}

// Gases, Schiwietz and Grande (2001), eqs. (1) and (2), x held at its maximum.
double GasFraction(int Z1, double Zt, double velocity) {
    const double Z = Z1;
    double vr = velocity * std::pow(Z, -0.52);
    if (Zt > 1) vr = std::min(vr, 1 / (0.017 * std::log(Zt)));
    const double x = std::pow(vr * std::pow(Zt, 0.03 - 0.017 * vr), 1 + 0.4 / Z);
    const double x3 = x * x * x, x6 = x3 * x3;
    return (376 * x + x6) / (1428 - 1206 * std::sqrt(x) + 690 * x + x6);
}

// Width, Schiwietz and Grande (2001), eqs. (5) and (6); 0 for an ion bare or neutral.
double SolidWidth(int Z1, double Zt, double q) {
    constexpr double w = 0.7;
    const double Z = Z1;
    if (!(q > 0) || !(Z - q > 0)) return 0;
    const double a = 0.37 * std::pow(Z, 0.6);
    const double f1 = std::sqrt((q + a) / q), f2 = std::sqrt((Z - q + a) / (Z - q));
    return w / (std::pow(Z, -0.27) * std::pow(Zt, 0.035 - 0.0009 * Z) * f1 * f2);
}

}  // namespace

ChargeState EquilibriumCharge(int Z1, double Zt, double velocity, ChargeMedium medium) {
    ChargeState c;
    if (Z1 < 1 || !(velocity > 0) || !(Zt > 0)) return c;
    const double fraction = medium == ChargeMedium::Solid ? SolidFraction(Z1, Zt, velocity)
                                                          : GasFraction(Z1, Zt, velocity);
    c.mean = Z1 * std::clamp(fraction, 0.0, 1.0);
    if (medium == ChargeMedium::Solid) c.width = SolidWidth(Z1, Zt, c.mean);
    return c;
}

double MeanSquareCharge(const ChargeState& c) {
    return c.mean * c.mean + c.width * c.width;
}

}  // namespace fenra
