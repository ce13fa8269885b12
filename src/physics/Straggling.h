#pragma once
// Energy-loss straggling per unit thickness: the variance of the energy lost, d(Omega^2)/dx,
// in eV^2 per 1E15 atoms/cm2 of a material, for an ion of effective charge squared <q^2>.
// Pure functions, double.
//
// Bohr's variance (N. Bohr, Phil. Mag. 30 (1915) 581), 4 pi e^4 Z2 <q^2> per atom, with
//  - the relativistic factor (1 - beta^2/2) / (1 - beta^2) (U. Fano, Ann. Rev. Nucl. Sci. 13
//    (1963) 1; ICRU Report 49 (1993)),
//  - the low-velocity correction of Lindhard and Scharff (Mat. Fys. Medd. Dan. Vid. Selsk. 27
//    no. 15 (1953)): L(chi)/2 with L(chi) = 1.36 chi^1/2 - 0.016 chi^3/2, chi = v^2/(Z2 v0^2),
//    taken where it is below 1 (chi < 2.28; the published form uses it up to chi = 3, where it
//    would step from 1.136 down to 1),
//  - compounds by Bragg's rule: the ratio-weighted mean of the elements' variances per atom.

#include <vector>

namespace fenra {

// 4 pi e^4 per 1E15 atoms/cm2 with e^2 = 1.439964548 eV nm (CODATA 2018):
// 4 pi (1.439964548 eV nm)^2 * 1e-14 cm2/nm2 * 1e15.
constexpr double kBohrVariancePerE15 = 260.56343073172616;  // eV^2 per (1E15 atoms/cm2)

// Where the Lindhard-Scharff factor reaches 1: L(chi)/2 = 1.
constexpr double kLindhardScharffLimit = 2.28369318;

// The Lindhard-Scharff factor at chi = v^2 / (Z2 v0^2): L(chi)/2 below kLindhardScharffLimit,
// else 1.
double LindhardScharffFactor(double chi);

// (1 - beta^2/2) / (1 - beta^2).
double RelativisticStragglingFactor(double beta2);

// Bohr's variance per atom of one element Z2, with both corrections: eV^2 per 1E15 atoms/cm2.
// chargeSquared: <q^2> of the ion; beta2: its beta^2.
double BohrVariancePerAtom(double chargeSquared, int Z2, double beta2);

struct ElementShare {
    int Z = 0;         // atomic number
    double ratio = 0;  // atomic ratio in the material
};

// Bragg's rule: sum of ratio_i * BohrVariancePerAtom(Z_i) over sum of ratio_i.
double CompoundVariancePerAtom(double chargeSquared, const std::vector<ElementShare>& elements,
                               double beta2);

}  // namespace fenra
