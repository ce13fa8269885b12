#pragma once
// Universal nuclear stopping of Ziegler, Biersack and Littmark (1985): the published fit of the
// reduced nuclear stopping sn(epsilon) in the reduced energy epsilon, with the universal
// screening length a_U = 0.8853 a0 / (Z1^0.23 + Z2^0.23). Pure functions, double precision.

namespace fenra {

// Reduced energy at and below which the fitted form is used; above it the high-energy limit
// ln(epsilon) / (2 epsilon) (unscreened Coulomb scattering). The two differ by about 1 % there.
constexpr double kNuclearFitSwitch = 30;

// Reduced nuclear stopping sn(epsilon), dimensionless.
double ReducedNuclearStop(double epsilon);

// The factors that turn a lab energy into epsilon and sn into a stopping, for one ion (Z1,
// mass M1 in amu) and one target element (Z2, M2 in amu).
struct NuclearStopFactors {
    double epsilonPerKeV = 0;  // epsilon = epsilonPerKeV * E (E: ion energy in keV)
    double stopPerSn = 0;      // eV/(1E15 atoms/cm2) per unit of sn
};

NuclearStopFactors NuclearFactors(int Z1, double M1, int Z2, double M2);

// Nuclear stopping in eV/(1E15 atoms/cm2) of an ion of energy E (keV, total) in one element.
double NuclearStop(const NuclearStopFactors& f, double E);

// The same in one call (Z1, Z2 from 1 to 92 use a table of Z^0.23).
double NuclearStop(int Z1, double M1, int Z2, double M2, double E);

// The ion energy (keV) at which epsilon reaches kNuclearFitSwitch.
double NuclearFitSwitchEnergy(const NuclearStopFactors& f);

}  // namespace fenra
