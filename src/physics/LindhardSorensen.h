#pragma once
// The Lindhard-Sorensen correction to the stopping number of a bare ion: the exact
// relativistic (Dirac) treatment of the close collisions, which replaces the Bloch and Mott
// terms and the Bethe formula's first-Born kinematics (J. Lindhard and A.H. Sorensen, Phys.
// Rev. A 53 (1996) 2443, eq. 4.15 with the point-nucleus phase shifts of eq. 4.9):
//
//   dL_LS = sum_k { k/eta^2 [ (k-1)/(2k-1) sin^2(d_k - d_(k-1)) + (k+1)/(2k+1) sin^2(d_-k -
//           d_-(k+1)) ] + k/(4k^2-1)/eta^2 sin^2(d_k - d_-k) - 1/k } + beta^2/2,
//
// with eta = alpha Z1 / beta and the Dirac-Coulomb phase shifts
//   d_k = xi_k - arg Gamma(s_k + 1 + i eta) + pi (l - s_k) / 2,  s_k = sqrt(k^2 - (alpha Z1)^2),
//   exp(2 i xi_k) = (k - i eta / gamma) / (s_k - i eta),  l = k (k > 0), -k - 1 (k < 0).
// It tends to 0 for alpha Z1 -> 0 and gives Bloch's correction in the non-relativistic limit;
// for protons and alphas it is Bloch's term plus the Mott term pi alpha Z1 beta / 2 to within
// about 2 (alpha Z1)^2.
// The nucleus is taken as a point charge: the finite nuclear size lowers dL_LS noticeably only
// above gamma of about 10 for the heaviest ions (Lindhard and Sorensen, fig. 4).

namespace fenra {

// The correction summed directly (about a thousand phase shifts; for tables and tests). Z1 from
// 1 to 120, gamma > 1. terms: number of values of k summed before the tail is added, which is
// estimated from the last term as c / k^3.
double LindhardSorensenSum(int Z1, double gamma, int terms = 400);

// The same read from a table of the ion's Z1 in ln(beta gamma), built on the first use of each
// Z1 (safely when several threads ask at once) and interpolated linearly. Below
// kLindhardSorensenLowBetaGamma the value there is used; the stopping takes the correction only
// above its join with the low-energy fit, well above this.
constexpr double kLindhardSorensenLowBetaGamma = 0.03;   // about 0.4 MeV/u
constexpr double kLindhardSorensenHighBetaGamma = 60.0;  // about 55 GeV/u
constexpr double kLindhardSorensenStep = 0.04;           // of the table, in ln(beta gamma)
double LindhardSorensenCorrection(int Z1, double gamma);

}  // namespace fenra
