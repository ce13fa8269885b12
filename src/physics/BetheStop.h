#pragma once
// Electronic stopping of a fast ion from the relativistic Bethe formula with its corrections:
//
//   S = K z^2 Ze / beta^2 [ L0 - C/Ze - delta/2 + z L1 + dL_LS ],
//   L0 = ln(2 m c^2 beta^2 gamma^2 / I) - beta^2,
//
// per atom of the target, in eV/(1E15 atoms/cm2), with K = 4 pi r_e^2 m c^2 = 0.307075 MeV cm2
// per mole of electrons (Particle Data Group), Ze the target's electrons per atom, I its mean
// excitation energy, C the shell correction and delta the density effect (ShellCorrections.h,
// BetheCorrections.h, DensityEffect.h), L1 the Barkas term (BetheCorrections.h; the terms add as in
// ICRU Report 49 sect. 2), dL_LS the Lindhard-Sorensen correction (LindhardSorensen.h) and z the
// ion's charge: bare for hydrogen and helium, Pierce-Blann's equilibrium charge for heavier
// ions (EquilibriumCharge.h). The maximum energy transfer is taken as 2 m c^2 beta^2 gamma^2;
// the Lindhard-Sorensen term holds the exact kinematics of the heavy ion.
//
// A compound follows Bragg's rule on the stopping number: ln I is the electron-weighted mean of
// its elements' ln I unless the material has a measured I of its own, the shell and Barkas terms
// are summed over the elements by their electrons, and the density effect comes from the
// compound's own parameters (Sternheimer-Peierls) when its density is known, else from the
// elements' own.

#include <array>

#include "physics/BetheElements.h"

namespace fenra {

constexpr int kMaxBetheParts = 10;

// A target resolved for the Bethe formula.
struct BetheTarget {
    int parts = 0;
    std::array<int, kMaxBetheParts> Z{};                          // atomic numbers
    std::array<double, kMaxBetheParts> electronShare{};           // share of the electrons, sum 1
    std::array<double, kMaxBetheParts> meanExcitation{};          // eV, each element's own
    std::array<SternheimerParameters, kMaxBetheParts> density{};  // each element's own
    double electronsPerAtom = 0;                                  // Ze
    double lnI = 0;                                               // ln(I / eV) of the target
    bool ownDensityEffect = false;
    SternheimerParameters compoundDensity;  // used when ownDensityEffect
};

// One element in its natural state (Z from 1 to 92).
BetheTarget BetheTargetOfElement(int Z2);

// A compound of n elements (atomic numbers Z, atomic ratios, atomic masses in amu). density:
// g/cm3, 0 when not known; meanExcitation: the compound's measured I in eV, 0 for Bragg
// additivity; gas: the density-effect parameters of a gas. One element without a measured I of
// its own is the element in its natural state (gas or condensed, BetheElements.h), whatever the
// density: its tabulated parameters are better than the general ones. One element with an I of
// its own (amorphous carbon, the named gases) keeps the shape of its tabulated density-effect
// curve, moved to its I and density (ScaledSternheimerParameters).
BetheTarget BetheTargetOfCompound(const int* Z, const double* ratios, const double* masses, int n,
                                  double density, double meanExcitation, bool gas);

// The Lorentz factor of an ion of kinetic energy perAmu keV per atomic mass unit.
double LorentzGamma(double perAmu);

// The corrected stopping number z^2 L of an ion Z1 at Lorentz factor gamma.
double BetheStoppingNumber(int Z1, double gamma, const BetheTarget& t);

// Electronic stopping per atom in eV/(1E15 atoms/cm2) of an ion Z1 at perAmu keV/amu.
double BetheStop(int Z1, double perAmu, const BetheTarget& t);

}  // namespace fenra
