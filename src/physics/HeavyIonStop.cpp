#include <algorithm>
#include <cmath>

#include "physics/EffectiveCharge.h"
#include "physics/Stopping.h"

namespace fenra {

namespace {

// 25 keV/amu is the energy of an ion at the Bohr velocity: speed in Bohr units is sqrt(E/25).
constexpr double kBohrEnergy = 25;  // keV/amu

// Lowest reduced velocity of the fit, a Single: replaces the reduced velocity and scales the
// minimum velocity of the low-velocity branch.
constexpr float kReducedVelocityFloor = 0.13f;

// The fitted exponents are these decimals, not 2/3 and 1/3.
constexpr double kTwoThirds = 0.6667;
constexpr double kOneThird = 0.3333;

constexpr double kMaxIonisationExponent = 50;  // exp(-50) is below double resolution of 1
constexpr double kBohrRadiusTerm = 1.919;      // 4 * lambda * vF / 1.919 in the log term

// Screening factor b = 0.12 + 0.025 Z1 and its limits, Singles.
constexpr float kScreeningMin = 0.32f;
constexpr float kScreeningMax = 0.43f;

constexpr double kMaxStrippingSlope = 1.2;  // upper limit of d = 0.6 + Z1/30
constexpr int16_t kMaxShellZ = 16;          // Z1 above this uses 16 in the lambda1 top ramp
// Offset of the lambda1 ramp: a hair above 0.2 so that g = 0.2 (Z1 = 28) cannot divide by 0.
constexpr double kRampOffset = 0.2000001;

// Low-velocity fall-off exponents, Singles.
constexpr float kSlowExponentShallow = 0.375f;
constexpr float kSlowExponentDefault = 0.5f;
constexpr int16_t kMaxZ1ShallowInSiGe = 19;

// Z1^0.6667 and Z1^0.3333, each computed once per call.
struct IonPowers {
    double z23;
    double z13;
};

IonPowers PowersOf(int16_t Z1) {
    const double z = Z1;
    return {std::pow(z, kTwoThirds), std::pow(z, kOneThird)};
}

// Mean velocity of the ion relative to the target's electrons (Bohr velocities).
double RelativeVelocity(float E, float vF) {
    const double v = std::sqrt(static_cast<double>(E) / kBohrEnergy);
    const double u = v / vF;
    const double u2 = std::pow(u, 2);
    if (u < 1) return (1 + 2 * u2 / 3 - std::pow(u, 4) / 15) * (3 * static_cast<double>(vF) / 4);
    return (1 + 1 / (5 * u2)) * (static_cast<double>(vF) * u);
}

// The reduced velocity at which the fit ends; below it the low-velocity branch takes over.
double ReducedVelocityFloor(const IonPowers& pw) {
    const double w = 1 / pw.z23;
    return static_cast<float>(w) < kReducedVelocityFloor ? kReducedVelocityFloor : w;
}

double IonisationFraction(double yr) {
    double a = 1.3167 * std::pow(yr, 0.6) - 0.803 * std::pow(yr, 0.3) + 0.38157 * yr +
               0.008983 * std::pow(yr, 2);
    if (a > kMaxIonisationExponent) a = kMaxIonisationExponent;
    const double q = 1 - std::exp(-a);
    return std::clamp(q, 0.0, 1.0);
}

// Lower limit of the screening length, a ramp in q from 0 at q = 0.2 up to c, then back down
// towards full stripping.
float ScreeningLowerLimit(int16_t Z1, double q, float c) {
    if (q < 0.2) return 0;
    double g = 0.9 - 0.025 * Z1;
    if (g < 0) g = 0;
    if (q < g) return static_cast<float>(c * (q - 0.2) / std::fabs(g - kRampOffset));
    const int16_t h = Z1 > kMaxShellZ ? kMaxShellZ : Z1;
    const double k = 1 - 0.025 * h;
    if (q < k) return c;
    return static_cast<float>(c * (1 - q) / (0.025 * h));
}

HeavyIonEffectiveCharge ChargeOf(int16_t Z1, float E, float vF, float Fs, const IonPowers& pw) {
    HeavyIonEffectiveCharge r;
    double yr = RelativeVelocity(E, vF) / pw.z23;
    if (static_cast<float>(yr) < kReducedVelocityFloor) yr = kReducedVelocityFloor;
    if (yr < 1 / pw.z23) yr = 1 / pw.z23;
    r.yr = yr;
    r.q = IonisationFraction(yr);

    float b = static_cast<float>(0.12 + 0.025 * Z1);
    if (b < kScreeningMin) b = kScreeningMin;
    if (b > kScreeningMax) b = kScreeningMax;
    const float c = static_cast<float>(b / pw.z13);
    double d = 0.6 + Z1 / 30.0;
    if (d > kMaxStrippingSlope) d = kMaxStrippingSlope;
    r.lambda0 = static_cast<float>((0.8 - r.q * d) / pw.z13);
    r.lambda1 = ScreeningLowerLimit(Z1, r.q, c);
    r.lambda = static_cast<float>(static_cast<double>(r.lambda0) * Fs);
    if (r.lambda < r.lambda1) r.lambda = r.lambda1;

    const double vF2 = std::pow(static_cast<double>(vF), 2);
    const double screen = std::pow(4 * static_cast<double>(r.lambda) * vF / kBohrRadiusTerm, 2);
    r.zeta = r.q + (1 - r.q) / (2 * vF2) * std::log(1 + screen);
    r.lowVelocity = !(yr > ReducedVelocityFloor(pw));
    return r;
}

LowVelocityScaling LowVelocityOf(int16_t Z1, int16_t Z2, float vF, const IonPowers& pw) {
    LowVelocityScaling s;
    s.V = static_cast<float>(static_cast<double>(kReducedVelocityFloor) * pw.z23);
    if (!(s.V > 1)) s.V = 1;
    const double V = s.V;
    const double radicand = std::pow(V, 2) - 0.8 * std::pow(static_cast<double>(vF), 2);
    s.Vmin = 0.5 * (V + std::sqrt(std::max(0.0, radicand)));
    s.Emin = static_cast<float>(kBohrEnergy * std::pow(s.Vmin, 2));
    const bool shallow = Z2 == 6 || ((Z2 == 14 || Z2 == 32) && Z1 <= kMaxZ1ShallowInSiGe);
    s.P = shallow ? kSlowExponentShallow : kSlowExponentDefault;
    return s;
}

}  // namespace

HeavyIonEffectiveCharge HeavyIonCharge(int16_t Z1, float E, float vF, float Fs) {
    return ChargeOf(Z1, E, vF, Fs, PowersOf(Z1));
}

LowVelocityScaling HeavyIonLowVelocity(int16_t Z1, int16_t Z2, float vF) {
    return LowVelocityOf(Z1, Z2, vF, PowersOf(Z1));
}

double HeavyIonStop(int16_t Z1, int16_t Z2, float E, float vF, float Fs, const CoefficientSet& c) {
    const IonPowers pw = PowersOf(Z1);
    const HeavyIonEffectiveCharge ch = ChargeOf(Z1, E, vF, Fs, pw);
    const double charge2 = std::pow(Z1 * ch.zeta, 2);
    if (!ch.lowVelocity) return ProtonStop(Z2, E, c) * charge2;

    // Too slow for the charge fit: stopping at Emin, scaled down by a power of E/Emin.
    const LowVelocityScaling s = LowVelocityOf(Z1, Z2, vF, pw);
    const double Sp = ProtonStop(Z2, s.Emin, c);
    return Sp * charge2 * std::pow(static_cast<double>(E) / s.Emin, static_cast<double>(s.P));
}

}  // namespace fenra
