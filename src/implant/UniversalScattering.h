#pragma once
// Elastic scattering of two screened nuclei with the universal interatomic potential of
// Ziegler, Biersack and Littmark (1985), in reduced units: distances in units of the universal
// screening length a_U (physics/NuclearStop.h), the centre-of-mass energy as the reduced energy
// epsilon = a_U E_cm / (Z1 Z2 e^2), the impact parameter b = p / a_U.
//
// The scattering integral by quadrature: the reference, and the source of the table the
// simulation reads (ScatteringTable.h).

namespace fenra {

// The universal screening length a_U in nm of an ion (Z1, mass M1 in amu) on a target atom (Z2,
// M2), as the nuclear stopping's reduced energy holds it (physics/NuclearStop.h).
double UniversalScreeningLength(int Z1, double M1, int Z2, double M2);

// Universal screening function Phi(x) and its derivative.
double UniversalScreening(double x);
double UniversalScreeningSlope(double x);

// The distance of closest approach x0 (reduced): the root of
// 1 - Phi(x)/(x epsilon) - b^2/x^2 = 0, to a relative 1e-12.
double ClosestApproach(double epsilon, double b);

// x0 - b, to full relative precision even when it is tiny beside b.
double ClosestApproachBeyondImpact(double epsilon, double b);

// The centre-of-mass scattering angle in radians from the scattering integral
// theta = pi - 2 b int_x0^inf dx / (x^2 sqrt(1 - Phi(x)/(x epsilon) - b^2/x^2)),
// by Gauss-Legendre quadrature after the substitution x = x0 / (1 - t^2), which removes the
// inverse square-root singularity at x0, on `panels` panels of 12 points crowded towards x0,
// written as a difference from the bare centrifugal integral so that small angles keep their
// relative precision.
// With 64 panels the relative error is below 1e-9 (the universal potential never orbits).
double IntegratedScatteringAngle(double epsilon, double b, int panels = 64);

}  // namespace fenra
