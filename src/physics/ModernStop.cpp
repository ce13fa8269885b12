#include "physics/ModernStop.h"

#include <algorithm>
#include <cmath>

#include "physics/EffectiveCharge.h"
#include "physics/Stopping.h"

namespace fenra {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBohrEnergy = 25;  // keV/amu at the Bohr velocity, as the fit takes it
constexpr float kReducedVelocityFloor = 0.13f;
// Relative distance from the switching energy at which the two branches are compared: far
// enough for the fit's single-precision energies to fall on either side.
constexpr double kSwitchMargin = 1e-5;
constexpr double kAmuKeV = 931494.10242;                 // atomic mass unit, keV
constexpr double kInverseFineStructure = 137.035999084;  // c / v0
// The join moves down in energy for targets of low mean excitation energy, whose shell
// corrections are small enough for the Bethe formula at lower velocities: it is scaled by
// I / kJoinScaleExcitation, at least kJoinScaleMin (water: 0.8 to 3.2 MeV/u; Al: 1.7 to 6.6;
// from about Cu up: 2 to 8).
constexpr double kJoinScaleExcitation = 200;  // eV
constexpr double kJoinScaleMin = 0.4;

double FitStop(int16_t Z1, float Fs, float E, const FitElement& t) {
    if (Z1 == 1) return ProtonStop(t.Z2, E, t.coef);
    if (Z1 == 2) return HeliumStop(t.Z2, E, t.coef);
    return HeavyIonStop(Z1, t.Z2, E, t.vF, Fs, t.coef);
}

}  // namespace

double JoinWeight(double E) {
    return JoinWeight(E, JoinInterval{});
}

double JoinWeight(double E, const JoinInterval& j) {
    if (E <= j.low) return 0;
    if (E >= j.high) return 1;
    return JoinRamp(std::log(E / j.low) / std::log(j.high / j.low));
}

double JoinRamp(double s) {
    return 0.5 * (1 - std::cos(kPi * s));
}

// The kinetic energy per amu (keV) of an ion of speed v v0 Z1^(2/3).
double EnergyAtReducedVelocity(int Z1, double v) {
    const double z = Z1;
    const double beta = v * std::cbrt(z * z) / kInverseFineStructure;
    return kAmuKeV * (1 / std::sqrt(1 - beta * beta) - 1);
}

JoinInterval JoinOf(int Z1, const BetheTarget& t) {
    const double scale = JoinScale(t);
    JoinInterval j{kJoinLow * scale, kJoinHigh * scale};
    if (Z1 > 2) {
        j.low = std::max(j.low, EnergyAtReducedVelocity(Z1, kJoinLowIonVelocity));
        j.high = std::max(j.high, EnergyAtReducedVelocity(Z1, kJoinHighIonVelocity));
    }
    return j;
}

double LowVelocitySwitchEnergy(int16_t Z1, float vF) {
    // The reduced velocity yr = vr / Z1^0.6667 reaches its floor w (the larger of 0.13 and
    // 1 / Z1^0.6667) where the relative velocity vr = w Z1^0.6667; the fit's vr(u), u = v/vF,
    // is inverted branch by branch (u >= 1: vr = vF (u + 1/(5u)); u < 1: vr = 3 vF/4 (1 + 2u^2/3
    // - u^4/15)).
    const double z23 = std::pow(static_cast<double>(Z1), 0.6667);
    double w = 1 / z23;
    if (static_cast<float>(w) < kReducedVelocityFloor) w = kReducedVelocityFloor;
    const double r = w * z23 / vF;  // vr / vF at the switch
    double u = 0;
    if (r >= 1.2) {
        u = (r + std::sqrt(r * r - 0.8)) / 2;
    } else {
        const double rr = r / 0.75;
        if (rr <= 1) return 0;  // the slowest ion is above the floor
        u = std::sqrt(5 - std::sqrt(25 - 15 * (rr - 1)));
    }
    return kBohrEnergy * u * u * vF * vF;
}

namespace {

// The proton fit at kHighEnergyBound over its value just above, where the high-energy
// coefficients take over.
double HighEnergyRatio(const FitElement& t) {
    const float above = std::nextafter(kHighEnergyBound, 2 * kHighEnergyBound);
    return ProtonStop(t.Z2, kHighEnergyBound, t.coef) / ProtonStop(t.Z2, above, t.coef);
}

}  // namespace

FitJoinFactors FitJoinFactorsOf(int16_t Z1, float Fs, const FitElement& t) {
    FitJoinFactors f;
    f.highEnergyRatio = HighEnergyRatio(t);
    if (Z1 < 3) return f;
    const double Es = LowVelocitySwitchEnergy(Z1, t.vF);
    if (!(Es > 0)) return f;
    const double normal = FitStop(Z1, Fs, static_cast<float>(Es * (1 + kSwitchMargin)), t);
    const double low = FitStop(Z1, Fs, static_cast<float>(Es * (1 - kSwitchMargin)), t);
    if (!(low > 0)) return f;
    f.switchEnergy = Es;
    f.lowVelocityRatio = normal / low;
    return f;
}

// Without the pair's factors at hand: only those the energy needs are worked out.
double ContinuousFitStop(int16_t Z1, float Fs, float E, const FitElement& t) {
    if (E > kHighEnergyBound) {
        FitJoinFactors f;
        f.highEnergyRatio = HighEnergyRatio(t);
        return ContinuousFitStop(Z1, Fs, E, t, f);
    }
    if (Z1 < 3 || !HeavyIonCharge(Z1, E, t.vF, Fs).lowVelocity) return FitStop(Z1, Fs, E, t);
    return ContinuousFitStop(Z1, Fs, E, t, FitJoinFactorsOf(Z1, Fs, t));
}

double ContinuousFitStop(int16_t Z1, float Fs, float E, const FitElement& t,
                         const FitJoinFactors& f) {
    const double S = FitStop(Z1, Fs, E, t);
    if (E > kHighEnergyBound) return S * f.highEnergyRatio;
    if (!(f.switchEnergy > 0)) return S;
    // The branch the fit took: plainly below or above the switch by the energy, and within a
    // hair of it as the fit itself decides in single precision.
    bool lowVelocity = E < f.switchEnergy;
    if (std::fabs(E / f.switchEnergy - 1) < kSwitchMargin)
        lowVelocity = HeavyIonCharge(Z1, E, t.vF, Fs).lowVelocity;
    return lowVelocity ? S * f.lowVelocityRatio : S;
}

double JoinScale(const BetheTarget& t) {
    return std::clamp(std::exp(t.lnI) / kJoinScaleExcitation, kJoinScaleMin, 1.0);
}

double JoinedStop(double fit, int Z1, double E, const BetheTarget& t) {
    const double w = JoinWeight(E, JoinOf(Z1, t));
    if (w <= 0) return fit;
    const double bethe = BetheStop(Z1, E, t);
    return w >= 1 ? bethe : (1 - w) * fit + w * bethe;
}

}  // namespace fenra
