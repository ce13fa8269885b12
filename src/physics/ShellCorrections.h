#pragma once
// The shell correction C of the Bethe stopping number, shell by shell, in the form ICRU Report
// 49 (1993) sect. 2.3 takes after H. Bichsel (Phys. Rev. A 46 (1992) 5761):
//
//   C = C_K(theta_K, eta_K) + sum_n (N_n / 8) C_L(theta_L, H_n eta_L),
//
// with Walske's hydrogenic corrections of the K shell (two electrons; M.C. Walske, Phys. Rev. 88
// (1952) 1283) and of the L shell (eight electrons; Phys. Rev. 101 (1956) 940), and the outer
// shells n = L, M, N, O+P of N_n electrons scaled from the L shell by Bichsel's factors H_n of
// each element (1 for the L shell itself). eta_s = beta^2 / (alpha^2 Z_s^2) is the ion's
// kinetic energy over the shell's hydrogenic binding, with the screened charges Z_K = Z2 - 0.3
// and Z_L = Z2 - d(Z2) (Slater's screening), and theta_s the shell's ionisation energy over
// Z_s^2 Ry. Walske tabulates the shell's stopping number B(theta, eta), and
//   C(theta, eta) = S(theta) ln eta + T(theta) - B(theta, eta)
// (data/shell_walske_*.csv; linear in theta and in ln eta between the points, B held below the
// first eta), which above the last eta of the table gives way to the high-speed expansion
// C_K = (U_K + V_K / eta + W_K / eta^2) / eta and C_L = (U_L + V_L / eta) / eta, with W_K and V_L
// taken so that C is continuous there. The stopping number loses C / Z2.

#include <vector>

namespace fenra {

// Walske's correction of the two electrons of a K shell, and of the eight of an L shell.
double WalskeKShell(double theta, double eta);
double WalskeLShell(double theta, double eta);

// The last eta of each table, above which the high-speed expansion holds.
constexpr double kWalskeKHighEta = 10;
constexpr double kWalskeLHighEta = 5;

// The ionisation energies of the K and L shells of element Z2 in Walske's units (theta_K,
// theta_L), interpolated in the table of Bichsel's values over Z2 and held at its ends.
double ThetaK(int Z2);
double ThetaL(int Z2);

// The last element with Bichsel's factors of its own: beyond it, H_M and H_N are held at theirs.
constexpr int kBichselShellLastZ = 63;

// The shell term C / Z2 of element Z2 (1 to 92) for an ion of speed beta (over c).
double BichselShellTerm(double beta, int Z2);

// The speeds beta (ascending, below 1) at which the shell term of element Z2 meets a point of
// Walske's tables: its slope changes there.
std::vector<double> ShellKnots(int Z2);

}  // namespace fenra
