#include "physics/LssStopping.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Bohr radius a0 (CODATA 2018), nm.
constexpr double kBohrRadiusNm = 0.0529177211;
// Thomas-Fermi screening length of the atom pair in units of a0 (Lindhard 1963).
constexpr double kThomasFermiFactor = 0.8853;
// e^2 / (4 pi eps0) = 1.439964 eV nm (CODATA 2018), in keV nm.
constexpr double kCoulombKeVNm = 1.439964e-3;
// 1 eV nm^2 per atom is 10 eV/(1E15 atoms/cm2) (1 nm^2 = 1e-14 cm2).
constexpr double kStopPerEvNm2 = 10;
constexpr double kEvPerKeV = 1000;
// Lindhard and Scharff: k = xi_e 0.0793 Z1^1/2 Z2^1/2 (A1 + A2)^3/2 /
// ((Z1^2/3 + Z2^2/3)^3/4 A1^3/2 A2^1/2), xi_e ~ Z1^1/6 (LSS 1963, eq. 2.12).
constexpr double kLindhardScharff = 0.0793;
// Winterbon, Sigmund and Sanders' fit of f(t^1/2) for the Thomas-Fermi potential:
// f = lambda x^(1 - 2m) (1 + (2 lambda x^(2 - 2m))^q)^(-1/q), x = t^1/2.
constexpr double kWssLambda = 1.309;
constexpr double kWssM = 1.0 / 3.0;
constexpr double kWssQ = 2.0 / 3.0;
// The quadrature of sn: Simpson's rule in ln x over 40 e-folds below epsilon, where f x has
// fallen as x^4/3 to below 1e-23 of its value (the relative error is below 1e-9).
constexpr double kStopSpanLn = 40;
constexpr int kStopIntervals = 800;

}  // namespace

LssFactors LssFactorsOf(int Z1, double M1, int Z2, double M2) {
    const double z1 = Z1, z2 = Z2;
    const double twoThirds = std::pow(z1, 2.0 / 3) + std::pow(z2, 2.0 / 3);
    LssFactors f;
    f.screening = kThomasFermiFactor * kBohrRadiusNm / std::sqrt(twoThirds);
    f.epsilonPerKeV = f.screening * M2 / (z1 * z2 * kCoulombKeVNm * (M1 + M2));
    // S = sn pi a^2 gamma E / epsilon = sn 4 pi a Z1 Z2 e^2 M1 / (M1 + M2).
    f.stopPerSn = 4 * kPi * f.screening * z1 * z2 * kCoulombKeVNm * kEvPerKeV * M1 / (M1 + M2) *
                  kStopPerEvNm2;
    f.k = kLindhardScharff * std::pow(z1, 2.0 / 3) * std::sqrt(z2) * std::pow(M1 + M2, 1.5) /
          (std::pow(twoThirds, 0.75) * std::pow(M1, 1.5) * std::sqrt(M2));
    return f;
}

double LindhardScharffStop(const LssFactors& f, double E) {
    if (!(E > 0)) return 0;
    return f.stopPerSn * f.k * std::sqrt(f.epsilonPerKeV * E);
}

double ThomasFermiScattering(double sqrtT) {
    if (!(sqrtT > 0)) return 0;
    const double inner = std::pow(2 * kWssLambda * std::pow(sqrtT, 2 - 2 * kWssM), kWssQ);
    return kWssLambda * std::pow(sqrtT, 1 - 2 * kWssM) * std::pow(1 + inner, -1 / kWssQ);
}

double ThomasFermiReducedStop(double epsilon) {
    if (!(epsilon > 0)) return 0;
    const double top = std::log(epsilon), h = kStopSpanLn / kStopIntervals;
    double sum = 0;
    for (int k = 0; k <= kStopIntervals; ++k) {
        const double x = std::exp(top - k * h);
        const double weight = (k == 0 || k == kStopIntervals) ? 1 : (k % 2 ? 4 : 2);
        sum += weight * ThomasFermiScattering(x) * x;
    }
    return sum * h / 3 / epsilon;
}

double ThomasFermiNuclearStop(const LssFactors& f, double E) {
    if (!(E > 0)) return 0;
    return f.stopPerSn * ThomasFermiReducedStop(f.epsilonPerKeV * E);
}

}  // namespace fenra
