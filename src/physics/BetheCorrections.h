#pragma once
// The corrections to the Bethe stopping number L of a fast ion that depend on the target: the
// shell correction and the Barkas (Z1^3) term. The density effect is in DensityEffect.h, the
// higher orders in Z1 (Bloch, Mott, Lindhard-Sorensen) in LindhardSorensen.h.

namespace fenra {

// The total shell correction C of an element of mean excitation energy I (eV) for an ion of
// velocity eta (beta gamma in the source; see BetheStop.cpp for the choice of beta); the
// stopping number loses C / Z2. Empirical formula of W.H. Barkas
// and M.J. Berger, NASA SP-3013 (1964), as quoted in ICRU Report 37 and by the Particle Data
// Group:
//   C = (0.422377 eta^-2 + 0.0304043 eta^-4 - 0.00038106 eta^-6) 1e-6 I^2
//     + (3.858019 eta^-2 - 0.1667989 eta^-4 + 0.00157955 eta^-6) 1e-9 I^3,
// fitted for eta >= 0.13. Below kShellFitLowEta, where the polynomial turns over, C is carried
// on from there as C(eta0) (eta0 / eta)^2, the velocity dependence of the outer shells
// (Bichsel's scaling, ICRU Report 49 sect. 2.4): the join region of the stopping never relies
// on it alone.
constexpr double kShellFitLowEta = 0.13;
double ShellCorrection(double eta, double meanExcitation);

// The Barkas term as a relative change of the stopping number, L -> L (1 + BarkasFactor): the
// polarisation of the target electrons by the ion (J. Lindhard, Nucl. Instrum. Methods 132
// (1976) 1), 2 z F(v) / (sqrt(Z2) v^2), with v = beta gamma / (alpha sqrt(Z2)) the ion's speed
// in units of the target's mean orbital speed and v^2 F(v) the function of J.D. Jackson and
// R.L. McCarthy, Phys. Rev. B 6 (1972) 4131: 0.33, 0.30, 0.26, 0.225 at v = 1..4 (linear between)
// and 0.45 / sqrt(v) above 4. Below v = 1 the factor is held at its value at v = 1.
// z: the ion's (effective) charge number.
double BarkasFactor(double z, double betaGamma, int Z2);

// The speeds v (as above) where the Barkas factor's pieces meet: its slope changes there.
constexpr double kBarkasKnots[] = {1, 2, 3, 4};

}  // namespace fenra
