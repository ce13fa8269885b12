#include "physics/NuclearStop.h"

#include <array>
#include <cmath>

namespace fenra {

namespace {

// Reduced energy epsilon = 32.53 M2 E / (Z1 Z2 (M1 + M2) (Z1^0.23 + Z2^0.23)), E in keV: the
// lab energy in units of the Coulomb energy at the universal screening length.
constexpr double kReducedEnergyFactor = 32.53;  // keV^-1
// Sn = 8.462 Z1 Z2 M1 sn / ((M1 + M2)(Z1^0.23 + Z2^0.23)) in eV/(1E15 atoms/cm2): pi a_U e^2
// per unit of reduced stopping, with the mass factor of the energy transfer.
constexpr double kStopFactor = 8.462;  // eV/(1E15 atoms/cm2)
constexpr double kScreeningExponent = 0.23;

// The fit's coefficients: sn = ln(1 + a e) / (2 (e + b e^c + d e^0.5)).
constexpr double kFitA = 1.1383;
constexpr double kFitB = 0.01321;
constexpr double kFitC = 0.21226;
constexpr double kFitD = 0.19593;

constexpr int kMaxTabledZ = 92;

double ScreeningSum(int Z1, int Z2) {
    static const std::array<double, kMaxTabledZ + 1> table = [] {
        std::array<double, kMaxTabledZ + 1> t{};
        for (int z = 1; z <= kMaxTabledZ; ++z) t[z] = std::pow(z, kScreeningExponent);
        return t;
    }();
    auto power = [](int z) {
        return z >= 1 && z <= kMaxTabledZ ? table[z] : std::pow(z, kScreeningExponent);
    };
    return power(Z1) + power(Z2);
}

}  // namespace

double ReducedNuclearStop(double epsilon) {
    if (!(epsilon > 0)) return 0;  // at rest: 0/0 in the fit, 0 in the limit
    if (epsilon > kNuclearFitSwitch) return std::log(epsilon) / (2 * epsilon);
    const double denominator =
        epsilon + kFitB * std::pow(epsilon, kFitC) + kFitD * std::sqrt(epsilon);
    return std::log1p(kFitA * epsilon) / (2 * denominator);
}

NuclearStopFactors NuclearFactors(int Z1, double M1, int Z2, double M2) {
    const double zz = static_cast<double>(Z1) * Z2;
    const double screen = ScreeningSum(Z1, Z2);
    NuclearStopFactors f;
    f.epsilonPerKeV = kReducedEnergyFactor * M2 / (zz * (M1 + M2) * screen);
    f.stopPerSn = kStopFactor * zz * M1 / ((M1 + M2) * screen);
    return f;
}

double NuclearStop(const NuclearStopFactors& f, double E) {
    if (!(E > 0)) return 0;
    return f.stopPerSn * ReducedNuclearStop(f.epsilonPerKeV * E);
}

double NuclearStop(int Z1, double M1, int Z2, double M2, double E) {
    return NuclearStop(NuclearFactors(Z1, M1, Z2, M2), E);
}

double NuclearFitSwitchEnergy(const NuclearStopFactors& f) {
    return kNuclearFitSwitch / f.epsilonPerKeV;
}

}  // namespace fenra
