#include "physics/IonKinematics.h"

#include <cmath>

namespace fenra {

namespace {
constexpr double kKeVPerMeV = 1000;
}

double Beta2(double energyKeV, double massAmu) {
    const double gamma = 1 + energyKeV / (massAmu * kAmuKeV);
    return 1 - 1 / (gamma * gamma);
}

double VelocityAtomic(double energyKeV, double massAmu) {
    return VelocityAtomicFromBeta2(Beta2(energyKeV, massAmu));
}

double VelocityAtomicFromBeta2(double beta2) {
    return std::sqrt(beta2) / kFineStructure;
}

double MomentumTimesVelocityMeV(double energyKeV, double massAmu) {
    const double mc2 = massAmu * kAmuKeV;
    return energyKeV * (energyKeV + 2 * mc2) / (energyKeV + mc2) / kKeVPerMeV;
}

}  // namespace fenra
