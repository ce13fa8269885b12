#pragma once
// Electronic stopping of one target element, in eV/(1E15 atoms/cm2) per atom, for an ion of
// energy per unit mass E in keV/amu. Pure functions: no database, no state, no windows.
//
// Arithmetic is in double except where a value is stored as float (Single); those roundings,
// the float constants and the comparisons made in single precision are part of the results.
// Floating-point faults (log of a non-positive number, division by zero, a negative number to
// a fractional power, overflow) are not caught here: they show as IEEE flags and non-finite
// values, which the calculation driver checks (see FloatingPointCheck.h).

#include <cstdint>

#include "physics/Coefficients.h"

namespace fenra {

// Energy per unit mass from which the high-energy coefficients take over (a Single).
constexpr float kHighEnergyBound = 10000.0f;  // keV/amu

// Protons: three regions, below 25, 25..10000 and above 10000 keV/amu.
double ProtonStop(int16_t Z2, float E, const CoefficientSet& c);

// Helium: proton stopping at the same E scaled by 4 and the ZBL helium effective charge.
double HeliumStop(int16_t Z2, float E, const CoefficientSet& c);

// Ions from lithium up: proton stopping times (Z1 * zeta)^2, Brandt-Kitagawa effective charge,
// with the low-velocity branch below the reduced-velocity floor.
// vF: Fermi velocity of the target in Bohr velocities; Fs: screening factor of the ion.
double HeavyIonStop(int16_t Z1, int16_t Z2, float E, float vF, float Fs, const CoefficientSet& c);

}  // namespace fenra
