#pragma once
// The electronic stopping of an ion in one target element and the Bragg sum over the elements
// of a compound, as the Calculate command computes them. The range and layer calculations use
// the same functions, so their stopping is the calculator's to the last bit.

#include <cstdint>

#include "physics/Coefficients.h"

namespace fenra {

// What the calculation needs of one target element.
struct TargetElementData {
    int16_t Z2 = 0;
    float M = 0;   // NatMass, amu
    float N = 0;   // AtomDensity, 1E22 atoms/cm3
    float vF = 0;  // Fermi velocity, Bohr velocities
    CoefficientSet coef;
};

// Stopping per atom of element t in eV/(1E15 atoms/cm2) for an ion of atomic number Z1 and
// screening factor Fs at the energy per unit mass E (keV/amu, a Single): the proton, helium
// or heavy-ion formula by Z1.
double ElementStop(int16_t Z1, float Fs, float E, const TargetElementData& t);

// Bragg's rule per atom: the ratio-weighted mean of the n stoppings S[0..n-1] with the Single
// ratios r[0..n-1], summed in double as the calculator sums them.
double BraggStopPerAtom(const float* r, const double* S, int n);

}  // namespace fenra
