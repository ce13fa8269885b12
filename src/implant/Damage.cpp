#include "implant/Damage.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kLindhardEnergyEv = 86.931;  // E_L / Z^(7/3), eV
constexpr double kLindhardK = 0.1337;
constexpr double kRobinsonA = 3.4008;
constexpr double kRobinsonB = 0.40244;
constexpr double kDisplacementEfficiency = 0.8;
constexpr double kKevPerEv = 1e-3;

}  // namespace

DamageFactors RecoilDamageFactors(int Z, double massAmu, double displacementEnergyEv) {
    DamageFactors f;
    const double z = Z;
    f.lindhardEnergy = kLindhardEnergyEv * std::pow(z, 7.0 / 3.0) * kKevPerEv;
    f.k = kLindhardK * std::pow(z, 1.0 / 6.0) * std::sqrt(z / massAmu);
    f.displacementEnergy = displacementEnergyEv * kKevPerEv;
    return f;
}

double DamageEnergy(const DamageFactors& f, double T) {
    if (!(T > 0)) return 0;
    const double eps = T / f.lindhardEnergy;
    const double g = kRobinsonA * std::pow(eps, 1.0 / 6.0) + kRobinsonB * std::pow(eps, 0.75) + eps;
    return T / (1 + f.k * g);
}

double Displacements(const DamageFactors& f, double T) {
    const double Ed = f.displacementEnergy;
    if (!(T >= Ed)) return 0;  // also skips the partition for the many small transfers
    const double Td = DamageEnergy(f, T);
    if (Td < Ed) return 0;
    if (Td < 2 * Ed / kDisplacementEfficiency) return 1;
    return kDisplacementEfficiency * Td / (2 * Ed);
}

}  // namespace fenra
