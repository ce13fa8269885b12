#include "physics/Scattering.h"

#include <cmath>

#include "physics/IonKinematics.h"

namespace fenra {

namespace {

// Tsai's L_rad and L'_rad of H, He, Li and Be (PDG Table 34.2), where the Thomas-Fermi forms do
// not hold.
constexpr double kLightLrad[4] = {5.31, 4.79, 4.74, 4.71};
constexpr double kLightLradPrime[4] = {6.144, 5.621, 5.805, 5.924};

double CoulombCorrection(int Z) {
    const double a2 = kFineStructure * Z * kFineStructure * Z;
    return a2 * (1 / (1 + a2) + 0.20206 - 0.0369 * a2 + 0.0083 * a2 * a2 - 0.002 * a2 * a2 * a2);
}

}  // namespace

double InverseRadiationLengthPerAtom(int Z) {
    if (Z < 1) return 0;
    const double z = Z;
    double lrad, lradPrime;
    if (Z <= 4) {
        lrad = kLightLrad[Z - 1];
        lradPrime = kLightLradPrime[Z - 1];
    } else {
        lrad = std::log(184.15 * std::pow(z, -1.0 / 3));
        lradPrime = std::log(1194 * std::pow(z, -2.0 / 3));
    }
    return (z * z * (lrad - CoulombCorrection(Z)) + z * lradPrime) / kRadiationLengthPerE15;
}

double ScatteringPower(int z, double pvMeV, double inverseX0) {
    const double a = z * kScatteringEs / pvMeV;
    return a * a * inverseX0;
}

BeamSpread Through(const BeamSpread& in, const ScatteringSlab& slab) {
    const double t = slab.thickness;
    BeamSpread out;
    out.lateral2 = in.lateral2 + 2 * t * in.covariance + t * t * in.angle2 + slab.m2;
    out.covariance = in.covariance + t * in.angle2 + slab.m1;
    out.angle2 = in.angle2 + slab.m0;
    return out;
}

}  // namespace fenra
