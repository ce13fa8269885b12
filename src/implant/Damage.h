#pragma once
// Displacements made by a recoil of energy T: the modified Kinchin-Pease formula of Norgett,
// Robinson and Torrens (Nucl. Eng. Des. 33 (1975) 50), on the damage energy T_d, the part of T
// the recoil's cascade gives to nuclei by Lindhard's partition in Robinson's fit:
//   T_d = T / (1 + k g(eps)), eps = T / E_L, E_L = 86.931 Z^(7/3) eV,
//   k = 0.1337 Z^(1/6) (Z/A)^(1/2), g(eps) = 3.4008 eps^(1/6) + 0.40244 eps^(3/4) + eps;
//   N_d = 0 below Ed, 1 up to 2 Ed / 0.8, 0.8 T_d / (2 Ed) above.
// The recoil is taken in a target of its own element (the usual reading in a compound).

namespace fenra {

struct DamageFactors {
    double lindhardEnergy = 0;  // E_L, keV
    double k = 0;
    double displacementEnergy = 0;  // Ed, keV
};

DamageFactors RecoilDamageFactors(int Z, double massAmu, double displacementEnergyEv);

// Damage energy (keV) of a recoil of T keV.
double DamageEnergy(const DamageFactors& f, double T);

// Displacements by the modified Kinchin-Pease formula.
double Displacements(const DamageFactors& f, double T);

}  // namespace fenra
