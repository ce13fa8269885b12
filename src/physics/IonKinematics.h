#pragma once
// Relativistic kinematics of an ion of kinetic energy E (keV, the whole ion) and mass M (amu),
// shared by the straggling, scattering and charge-state formulas. Pure functions, double.

namespace fenra {

// Energy equivalent of the atomic mass unit, CODATA 2018: 931.49410242 MeV.
constexpr double kAmuKeV = 931494.10242;  // keV
// Fine-structure constant, CODATA 2018 (the Bohr velocity is alpha c).
constexpr double kFineStructure = 7.2973525693e-3;

// beta^2 = 1 - 1/gamma^2 with gamma = 1 + E / (M c^2).
double Beta2(double energyKeV, double massAmu);

// The ion's velocity in Bohr velocities (atomic units), beta / alpha.
double VelocityAtomic(double energyKeV, double massAmu);
double VelocityAtomicFromBeta2(double beta2);

// p v in MeV: (E^2 + 2 E M c^2) / (E + M c^2), the quantity multiple scattering scales with.
double MomentumTimesVelocityMeV(double energyKeV, double massAmu);

}  // namespace fenra
