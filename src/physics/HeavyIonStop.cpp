#include <algorithm>
#include <array>
#include <cfenv>
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

// Ionisation and screening lengths at one reduced velocity.
struct Screening {
    double q = 0;
    float lambda0 = 0;
    float lambda1 = 0;
};

// Everything that depends on the ion alone.
struct IonConstants {
    int16_t Z1 = 0;
    double z23 = 0;      // Z1^0.6667
    double z13 = 0;      // Z1^0.3333
    double w = 0;        // reduced velocity at or below which the low-velocity branch is taken
    float c = 0;         // b / Z1^0.3333, top of the lambda1 ramp
    double d = 0;        // stripping slope of lambda0
    float V = 0;         // 0.13 Z1^0.6667, at least 1
    double yrFloor = 0;  // the floored reduced velocity of a slow ion
    Screening atFloor;   // screening of a slow ion
};

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

Screening ScreeningAt(double yr, const IonConstants& ion) {
    Screening s;
    s.q = IonisationFraction(yr);
    s.lambda0 = static_cast<float>((0.8 - s.q * ion.d) / ion.z13);
    s.lambda1 = ScreeningLowerLimit(ion.Z1, s.q, ion.c);
    return s;
}

// The reduced velocity held at its floor: at least 0.13 (compared as a Single) and at least
// 1 / Z1^0.6667.
double FloorReducedVelocity(double yr, double z23) {
    if (static_cast<float>(yr) < kReducedVelocityFloor) yr = kReducedVelocityFloor;
    if (yr < 1 / z23) yr = 1 / z23;
    return yr;
}

IonConstants ComputeIonConstants(int16_t Z1) {
    IonConstants k;
    k.Z1 = Z1;
    const double z = Z1;
    k.z23 = std::pow(z, kTwoThirds);
    k.z13 = std::pow(z, kOneThird);
    k.w = 1 / k.z23;
    if (static_cast<float>(k.w) < kReducedVelocityFloor) k.w = kReducedVelocityFloor;

    float b = static_cast<float>(0.12 + 0.025 * Z1);
    if (b < kScreeningMin) b = kScreeningMin;
    if (b > kScreeningMax) b = kScreeningMax;
    k.c = static_cast<float>(b / k.z13);
    k.d = 0.6 + Z1 / 30.0;
    if (k.d > kMaxStrippingSlope) k.d = kMaxStrippingSlope;

    k.V = static_cast<float>(static_cast<double>(kReducedVelocityFloor) * k.z23);
    if (!(k.V > 1)) k.V = 1;

    // A slow ion's reduced velocity is the floor whatever its speed: its screening is fixed.
    k.yrFloor = FloorReducedVelocity(0, k.z23);
    k.atFloor = ScreeningAt(k.yrFloor, k);
    return k;
}

// The ion constants cost as much as the rest of a call, and Z1 takes few values: they are
// tabled once, by the same code, so the results are the same as computing them each time.
constexpr int16_t kMaxTabledZ = 127;

const IonConstants& ConstantsOf(int16_t Z1, IonConstants& scratch) {
    static const std::array<IonConstants, kMaxTabledZ + 1> table = [] {
        // Building the table must not leave flags behind in the caller's fault check.
        std::fenv_t env;
        std::feholdexcept(&env);
        std::array<IonConstants, kMaxTabledZ + 1> t{};
        for (int16_t z = 1; z <= kMaxTabledZ; ++z) t[z] = ComputeIonConstants(z);
        std::fesetenv(&env);
        return t;
    }();
    if (Z1 >= 1 && Z1 <= kMaxTabledZ) return table[Z1];
    scratch = ComputeIonConstants(Z1);
    return scratch;
}

// Mean velocity of the ion relative to the target's electrons (Bohr velocities).
double RelativeVelocity(float E, float vF) {
    const double v = std::sqrt(static_cast<double>(E) / kBohrEnergy);
    const double u = v / vF;
    const double u2 = std::pow(u, 2);
    if (u < 1) return (1 + 2 * u2 / 3 - u2 * u2 / 15) * (3 * static_cast<double>(vF) / 4);
    return (1 + 1 / (5 * u2)) * (static_cast<double>(vF) * u);
}

HeavyIonEffectiveCharge ChargeOf(float E, float vF, float Fs, const IonConstants& ion) {
    HeavyIonEffectiveCharge r;
    const double yr = FloorReducedVelocity(RelativeVelocity(E, vF) / ion.z23, ion.z23);
    const Screening s = yr == ion.yrFloor ? ion.atFloor : ScreeningAt(yr, ion);
    r.yr = yr;
    r.q = s.q;
    r.lambda0 = s.lambda0;
    r.lambda1 = s.lambda1;
    r.lambda = static_cast<float>(static_cast<double>(r.lambda0) * Fs);
    if (r.lambda < r.lambda1) r.lambda = r.lambda1;

    const double vF2 = std::pow(static_cast<double>(vF), 2);
    const double screen = std::pow(4 * static_cast<double>(r.lambda) * vF / kBohrRadiusTerm, 2);
    r.zeta = r.q + (1 - r.q) / (2 * vF2) * std::log(1 + screen);
    r.lowVelocity = !(yr > ion.w);
    return r;
}

LowVelocityScaling LowVelocityOf(int16_t Z2, float vF, const IonConstants& ion) {
    LowVelocityScaling s;
    s.V = ion.V;
    const double V = s.V;
    const double radicand = std::pow(V, 2) - 0.8 * std::pow(static_cast<double>(vF), 2);
    s.Vmin = 0.5 * (V + std::sqrt(std::max(0.0, radicand)));
    s.Emin = static_cast<float>(kBohrEnergy * std::pow(s.Vmin, 2));
    const bool shallow = Z2 == 6 || ((Z2 == 14 || Z2 == 32) && ion.Z1 <= kMaxZ1ShallowInSiGe);
    s.P = shallow ? kSlowExponentShallow : kSlowExponentDefault;
    return s;
}

}  // namespace

HeavyIonEffectiveCharge HeavyIonCharge(int16_t Z1, float E, float vF, float Fs) {
    IonConstants scratch;
    return ChargeOf(E, vF, Fs, ConstantsOf(Z1, scratch));
}

LowVelocityScaling HeavyIonLowVelocity(int16_t Z1, int16_t Z2, float vF) {
    IonConstants scratch;
    return LowVelocityOf(Z2, vF, ConstantsOf(Z1, scratch));
}

double HeavyIonStop(int16_t Z1, int16_t Z2, float E, float vF, float Fs, const CoefficientSet& c) {
    IonConstants scratch;
    const IonConstants& ion = ConstantsOf(Z1, scratch);
    const HeavyIonEffectiveCharge ch = ChargeOf(E, vF, Fs, ion);
    const double charge2 = std::pow(Z1 * ch.zeta, 2);
    if (!ch.lowVelocity) return ProtonStop(Z2, E, c) * charge2;

    // Too slow for the charge fit: stopping at Emin, scaled down by a power of E/Emin.
    const LowVelocityScaling s = LowVelocityOf(Z2, vF, ion);
    const double Sp = ProtonStop(Z2, s.Emin, c);
    return Sp * charge2 * std::pow(static_cast<double>(E) / s.Emin, static_cast<double>(s.P));
}

}  // namespace fenra
