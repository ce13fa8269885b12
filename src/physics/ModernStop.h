#pragma once
// The modern electronic stopping model: the classic fit at low energies, the corrected
// relativistic Bethe formula (BetheStop.h) at high energies, and a smooth join between them.
//
// The join runs from kJoinLow to kJoinHigh keV/amu, both scaled down for targets of low mean
// excitation energy (JoinScale): the stopping is
//   S = (1 - w) S_fit + w S_Bethe,  w = (1 - cos(pi ln(E/kJoinLow) / ln(kJoinHigh/kJoinLow)))/2,
// so that S and its slope are continuous at both ends. Why there: below about 2 MeV/u the shell
// corrections of the heavier elements are too large for the high-velocity formula of the shell
// correction (for light targets, below about 0.8 MeV/u), and above 8 MeV/u the fit is no longer
// needed; the join also stays below the
// fit's own switch to its high-energy coefficients at 10 MeV/u, so that switch (a step of up to
// 0.8 %) is never seen in this model.
//
// Below the join the fit is taken as it is, except for one repair: the fit's heavy-ion
// low-velocity branch (reduced velocity on its floor) meets the normal branch with a step of up
// to several per cent; here the low-velocity branch is scaled by the ratio of the two branches
// at the switching energy, so that the stopping is continuous there.

#include <cstdint>

#include "physics/BetheStop.h"
#include "physics/Coefficients.h"

namespace fenra {

constexpr double kJoinLow = 2000;   // keV/amu
constexpr double kJoinHigh = 8000;  // keV/amu

// The weight w of the Bethe formula at E keV/amu: 0 below kJoinLow, 1 above kJoinHigh.
double JoinWeight(double E);

// Where the join of an ion in a target runs, keV/amu.
struct JoinInterval {
    double low = kJoinLow, high = kJoinHigh;
};

// The weight w at E keV/amu for a join over j (the raised cosine above in ln E).
double JoinWeight(double E, const JoinInterval& j);

// The raised cosine (1 - cos(pi s)) / 2 of the join at s = ln(E/low) / ln(high/low), 0 < s < 1.
double JoinRamp(double s);

// The join of ion Z1 in target t: the target's interval (kJoinLow to kJoinHigh times
// JoinScale), moved up for an ion heavier than helium to where its Pierce-Blann charge is
// reliable, from a speed of 1.5 to 3 times v0 Z1^(2/3) (mean charge 76 % to 94 % of Z1: C 0.6
// to 2.4 MeV/u, Ar 2.6 to 11, U 24 to 110).
constexpr double kJoinLowIonVelocity = 1.5;   // in units of v0 Z1^(2/3)
constexpr double kJoinHighIonVelocity = 3.0;  // in units of v0 Z1^(2/3)
JoinInterval JoinOf(int Z1, const BetheTarget& t);

// What the fit needs of one target element.
struct FitElement {
    int16_t Z2 = 0;
    float vF = 0;  // Fermi velocity, Bohr velocities
    CoefficientSet coef;
};

// The fit's stopping per atom in eV/(1E15 atoms/cm2) of ion Z1 (screening factor Fs) at E
// keV/amu in one element, with the heavy-ion low-velocity branch made continuous, and the step
// of the fit's switch to its high-energy coefficients at 10000 keV/amu taken out: above it the
// fit is scaled by the ratio of the two proton formulas there.
double ContinuousFitStop(int16_t Z1, float Fs, float E, const FitElement& t);

// What ContinuousFitStop needs besides the fit itself, for one ion in one element: constants of
// the pair, worked out once where many energies follow.
struct FitJoinFactors {
    double highEnergyRatio = 1;   // the proton fit at kHighEnergyBound over just above it
    double switchEnergy = 0;      // LowVelocitySwitchEnergy, keV/amu; 0 when there is none
    double lowVelocityRatio = 1;  // the normal branch over the low-velocity one at the switch
};
FitJoinFactors FitJoinFactorsOf(int16_t Z1, float Fs, const FitElement& t);

// ContinuousFitStop with the pair's factors f (FitJoinFactorsOf): the same value.
double ContinuousFitStop(int16_t Z1, float Fs, float E, const FitElement& t,
                         const FitJoinFactors& f);

// The energy per unit mass (keV/amu) at which the fit's heavy-ion low-velocity branch takes
// over for ion Z1 in a target of Fermi velocity vF; 0 when it never does.
double LowVelocitySwitchEnergy(int16_t Z1, float vF);

// Joins a fit stopping to the Bethe stopping of the same target over JoinOf(Z1, t): fit is the
// stopping of the fit at E (per atom, eV/(1E15 atoms/cm2)); returns the modern stopping. The
// Bethe formula is evaluated only where its weight is above 0.
// The factor on kJoinLow and kJoinHigh for a target: I / 200 eV, between 0.4 and 1.
double JoinScale(const BetheTarget& t);

double JoinedStop(double fit, int Z1, double E, const BetheTarget& t);

}  // namespace fenra
