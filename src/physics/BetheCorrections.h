#pragma once
// The corrections to the Bethe stopping number L of a fast ion that depend on the target: the
// shell correction and the Barkas (Z1^3) term. The density effect is in DensityEffect.h, the
// higher orders in Z1 (Bloch, Mott, Lindhard-Sorensen) in LindhardSorensen.h.

#include <vector>

namespace fenra {

// The total shell correction C of an element of mean excitation energy I (eV) for an ion of
// velocity eta (beta gamma in the source; see BetheStop.cpp for the choice of beta); the
// stopping number loses C / Z2. The modern model takes it for the elements above
// kBichselShellLastZ, the lighter ones Walske's and Bichsel's shells (ShellCorrections.h).
// Empirical formula of W.H. Barkas and M.J. Berger, NASA SP-3013 (1964), as quoted in ICRU
// Report 37 and by the Particle Data Group:
//   C = (0.422377 eta^-2 + 0.0304043 eta^-4 - 0.00038106 eta^-6) 1e-6 I^2
//     + (3.858019 eta^-2 - 0.1667989 eta^-4 + 0.00157955 eta^-6) 1e-9 I^3,
// fitted for eta >= 0.13. Below kShellFitLowEta, where the polynomial turns over, C is carried
// on from there as C(eta0) (eta0 / eta)^2, the velocity dependence of the outer shells
// (Bichsel's scaling, ICRU Report 49 sect. 2.4): the join region of the stopping never relies
// on it alone.
constexpr double kShellFitLowEta = 0.13;
double ShellCorrection(double eta, double meanExcitation);

// The Barkas (z^3) term L1 of the stopping number, L = L0 - C/Z2 - delta/2 + z L1 + ...: the
// polarisation of the target electrons by the ion in the form of J.C. Ashley, R.H. Ritchie and
// W. Brandt, Phys. Rev. B 5 (1972) 2393 (ARB), which ICRU Report 49 (1993) sect. 2 takes after
// H. Bichsel, Phys. Rev. A 41 (1990) 3642:
//   L1 = F(b / sqrt(X)) / (sqrt(Z2) X^(3/2)),  X = beta^2 / (alpha^2 Z2),
// with ARB's function F (data/barkas_arb.csv; linear between its points, held at its first,
// falling as 1/W beyond its last) and Bichsel's close-collision parameter b of the element's
// outer shells (0.6 for He, 1.8 up to Ne and for Ar, 1.4 to Mn, 1.35 to Sn, 1.3 above). The
// term adds to the stopping number as ICRU 49 writes it, not as a factor on L0.
// beta: the ion's speed over c.
double BarkasTerm(double beta, int Z2);

// The speeds beta (ascending, below 1) at which the Barkas term of element Z2 meets a point of
// ARB's function: its slope changes there.
std::vector<double> BarkasKnots(int Z2);

}  // namespace fenra
