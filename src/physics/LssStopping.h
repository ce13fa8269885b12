#pragma once
// The stopping of the range theory of Lindhard, Scharff and Schiott (Mat. Fys. Medd. Dan. Vid.
// Selsk. 33 no. 14 (1963), "LSS"), on which the classic range tables rest: Lindhard's
// Thomas-Fermi screening length a = 0.8853 a0 (Z1^2/3 + Z2^2/3)^-1/2, the reduced energy
// epsilon = a M2 E / (Z1 Z2 e^2 (M1 + M2)), the electronic stopping k epsilon^1/2 of Lindhard and
// Scharff, and the nuclear scattering of the Thomas-Fermi potential in Lindhard's one-parameter
// form f(t^1/2) (Lindhard, Nielsen and Scharff, Mat. Fys. Medd. 36 no. 10 (1968)), with
// t = epsilon^2 sin^2(theta/2), in the fit of Winterbon, Sigmund and Sanders (Mat. Fys. Medd.
// 37 no. 14 (1970)). Pure functions, double precision; energies in keV.
//
// Kept beside the program's own stopping to compare with the tables computed from these
// formulas, never used by the calculator.

namespace fenra {

struct LssFactors {
    double screening = 0;      // Lindhard's screening length a, nm
    double epsilonPerKeV = 0;  // epsilon = epsilonPerKeV * E (E: ion energy in keV)
    double stopPerSn = 0;      // eV/(1E15 atoms/cm2) per unit of reduced stopping
    double k = 0;              // Lindhard and Scharff's electronic factor
};

// For one ion (Z1, mass M1 in amu) and one target element (Z2, M2 in amu).
LssFactors LssFactorsOf(int Z1, double M1, int Z2, double M2);

// Lindhard and Scharff's electronic stopping k epsilon^1/2, eV/(1E15 atoms/cm2), at E keV.
double LindhardScharffStop(const LssFactors& f, double E);

// Lindhard's scattering function f(t^1/2) of the Thomas-Fermi potential (WSS fit: lambda 1.309,
// m 1/3, q 2/3): d sigma = pi a^2 f(t^1/2) / (2 t^3/2) dt.
double ThomasFermiScattering(double sqrtT);

// The reduced Thomas-Fermi nuclear stopping sn(epsilon) = (1/epsilon) int_0^epsilon f(x) dx.
double ThomasFermiReducedStop(double epsilon);

// The Thomas-Fermi nuclear stopping, eV/(1E15 atoms/cm2), at E keV.
double ThomasFermiNuclearStop(const LssFactors& f, double E);

}  // namespace fenra
