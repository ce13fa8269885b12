#pragma once
// The density-effect correction delta of the Bethe formula: the polarisation of a dense medium
// screens the distant collisions of a fast ion, so that its stopping number loses delta/2.

#include "physics/BetheElements.h"

namespace fenra {

// Sternheimer's parametrisation (R.M. Sternheimer, M.J. Berger, S.M. Seltzer, At. Data Nucl.
// Data Tables 30 (1984) 261, eqs. 3-4), with X = log10(beta gamma):
//   X < X0:        delta = delta0 * 10^(2 (X - X0))   (conductors; 0 for insulators and gases)
//   X0 <= X < X1:  delta = 2 ln10 X - Cbar + a (X1 - X)^m
//   X >= X1:       delta = 2 ln10 X - Cbar
double DensityEffect(const SternheimerParameters& p, double betaGamma);

// The plasma energy h-bar omega_p in eV of a material of density rho (g/cm3) with
// electronsPerAmu electrons per amu of mass (<Z/A>): 28.816 sqrt(rho <Z/A>) eV.
double PlasmaEnergy(double density, double electronsPerAmu);

// The general parameters of R.M. Sternheimer and R.F. Peierls, Phys. Rev. B 3 (1971) 3681, for
// a material of mean excitation energy I (eV) and plasma energy hwp (eV), in a condensed phase
// or as a gas: Cbar = 2 ln(I / hwp) + 1, X0 and X1 from Cbar in steps, m = 3, and a such that
// the two branches meet at X0.
SternheimerParameters SternheimerPeierlsParameters(double meanExcitation, double plasmaEnergy,
                                                   bool gas);

// An element's tabulated parameters p carried over to the same element with mean excitation
// energy I (eV) and plasma energy hwp (eV) of another form or density (amorphous carbon against
// graphite): the curve delta(X) is moved along X so that its high-energy limit 2 ln10 X - Cbar
// takes the new Cbar = 2 ln(I / hwp) + 1 (Sternheimer, Berger and Seltzer 1984, sect. 3: delta
// depends on beta gamma through beta gamma hwp / I), and keeps its shape.
SternheimerParameters ScaledSternheimerParameters(const SternheimerParameters& p,
                                                  double meanExcitation, double plasmaEnergy);

}  // namespace fenra
