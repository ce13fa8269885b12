#include "physics/ChargeState.h"

#include <algorithm>
#include <cmath>

namespace fenra {

namespace {

// The solid fit's q/Z1 reaches 1 where 0.89 x = 4 + 0.06/x, and stays above it beyond.
const double kSolidBareX = (4 + std::sqrt(16 + 4 * 0.89 * 0.06)) / (2 * 0.89);

// Solids, Schiwietz et al. (2004), in three steps, so that a batch of velocities can run each
// step side by side: y = vs / (1.54 c2); x = c1 y^(1 + 1.83/Z1), spared where the ion is bare;
// q/Z1 from x.
double SolidReduced(const ChargeFit& f, double velocity) {
    const double vs = velocity * f.velocityScale;
    const double c2 = 1 + 0.030 * vs * f.lnZt;
    return vs / (1.54 * c2);
}

bool SolidBare(const ChargeFit& f, double y) {
    return y > f.bareAbove;  // spares the power where the ion is bare
}

double SolidFractionOfX(double x) {
    const double x4 = x * x * x * x;
    return (8.29 * x + x4) / (0.06 / x + 4 + 7.4 * x + x4);
}

// Gases, Schiwietz and Grande (2001), eqs. (1) and (2), x held at its maximum.
double GasFraction(const ChargeFit& f, double velocity) {
    double vr = velocity * f.velocityScale;
    if (f.reducedLimit > 0) vr = std::min(vr, f.reducedLimit);
    const double x = std::pow(vr * std::exp((0.03 - 0.017 * vr) * f.lnZt), f.exponent);
    const double x3 = x * x * x, x6 = x3 * x3;
    return (376 * x + x6) / (1428 - 1206 * std::sqrt(x) + 690 * x + x6);
}

// Width, Schiwietz and Grande (2001), eqs. (5) and (6); 0 for an ion bare or neutral.
double SolidWidth(const ChargeFit& f, double q) {
    const double Z = f.Z1;
    if (!(q > 0) || !(Z - q > 0)) return 0;
    const double a = f.widthA;
    return f.widthScale * std::sqrt(q * (Z - q) / ((q + a) * (Z - q + a)));
}

}  // namespace

ChargeFit PrepareChargeFit(int Z1, double Zt, ChargeMedium medium) {
    ChargeFit f;
    f.Z1 = Z1;
    f.Zt = Zt;
    f.medium = medium;
    if (Z1 < 1 || !(Zt > 0)) return f;
    const double Z = Z1;
    f.lnZt = std::log(Zt);
    if (medium == ChargeMedium::Solid) {
        f.velocityScale = std::pow(Z, -0.543);
        f.exponent = 1 + 1.83 / Z;
        f.c1 = 1 - 0.26 * std::exp(-Zt / 11) * std::exp(-(Zt - Z) * (Zt - Z) / 9);
        constexpr double w = 0.7;
        f.widthScale = w / (std::pow(Z, -0.27) * std::pow(Zt, 0.035 - 0.0009 * Z));
        f.widthA = 0.37 * std::pow(Z, 0.6);
        f.bareAbove =
            f.c1 > 0 ? std::pow(kSolidBareX / f.c1, 1 / f.exponent) * (1 + 1e-12) : HUGE_VAL;
    } else {
        f.velocityScale = std::pow(Z, -0.52);
        f.exponent = 1 + 0.4 / Z;
        f.reducedLimit = Zt > 1 ? 1 / (0.017 * f.lnZt) : 0;
    }
    return f;
}

ChargeState EquilibriumCharge(const ChargeFit& fit, double velocity) {
    ChargeState c;
    EquilibriumCharges(fit, &velocity, &c, 1);
    return c;
}

void EquilibriumCharges(const ChargeFit& fit, const double* velocity, ChargeState* out, int n) {
    n = std::min(n, kMaxChargeBatch);
    // Only the velocities the fit takes: no other reaches a power or a division.
    int valid[kMaxChargeBatch];
    int m = 0;
    for (int k = 0; k < n; ++k) {
        out[k] = ChargeState{};
        if (fit.Z1 >= 1 && velocity[k] > 0 && fit.Zt > 0) valid[m++] = k;
    }
    double fraction[kMaxChargeBatch];
    if (fit.medium == ChargeMedium::Solid) {
        double y[kMaxChargeBatch];
        for (int j = 0; j < m; ++j) y[j] = SolidReduced(fit, velocity[valid[j]]);
        for (int j = 0; j < m; ++j)
            fraction[j] = SolidBare(fit, y[j]) ? 1 : fit.c1 * std::pow(y[j], fit.exponent);
        for (int j = 0; j < m; ++j)
            if (!SolidBare(fit, y[j])) fraction[j] = SolidFractionOfX(fraction[j]);
    } else {
        for (int j = 0; j < m; ++j) fraction[j] = GasFraction(fit, velocity[valid[j]]);
    }
    for (int j = 0; j < m; ++j) out[valid[j]].mean = fit.Z1 * std::clamp(fraction[j], 0.0, 1.0);
    if (fit.medium == ChargeMedium::Solid)
        for (int j = 0; j < m; ++j) out[valid[j]].width = SolidWidth(fit, out[valid[j]].mean);
}

ChargeState EquilibriumCharge(int Z1, double Zt, double velocity, ChargeMedium medium) {
    return EquilibriumCharge(PrepareChargeFit(Z1, Zt, medium), velocity);
}

double MeanSquareCharge(const ChargeState& c) {
    return c.mean * c.mean + c.width * c.width;
}

}  // namespace fenra
