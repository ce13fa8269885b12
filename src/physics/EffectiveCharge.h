#pragma once
// The effective-charge pieces behind HeliumStop and HeavyIonStop, exposed so that the
// intermediate values can be checked on their own. Same arithmetic as the stopping functions:
// double, except the values held as float below.

#include <cstdint>

namespace fenra {

// Squared fractional effective charge of helium (Ziegler-Biersack-Littmark fit), at the energy
// per unit mass E (keV/amu), raised to 1 keV/amu below that, in a target of atomic number Z2.
double HeliumEffectiveChargeSquared(int16_t Z2, float E);

// Brandt-Kitagawa effective charge of an ion of atomic number Z1 >= 3.
struct HeavyIonEffectiveCharge {
    double yr = 0;             // reduced relative velocity, after its floor
    double q = 0;              // ionisation fraction, 0..1
    float lambda0 = 0;         // screening length of the remaining electrons, unscaled
    float lambda1 = 0;         // lower limit of the screening length
    float lambda = 0;          // screening length used, lambda0 * Fs but at least lambda1
    double zeta = 0;           // fractional effective charge
    bool lowVelocity = false;  // yr sits on its floor: stopping is scaled from Emin
};

// E: keV/amu; vF: Fermi velocity of the target in Bohr velocities; Fs: screening factor of the
// ion.
HeavyIonEffectiveCharge HeavyIonCharge(int16_t Z1, float E, float vF, float Fs);

// Where the low-velocity branch takes its stopping: the minimum energy per unit mass Emin and
// the exponent P of the fall-off (E/Emin)^P below it.
struct LowVelocityScaling {
    float V = 0;      // 0.13 * Z1^0.6667, at least 1 (Bohr velocities)
    double Vmin = 0;  // relative velocity at the floor (Bohr velocities)
    float Emin = 0;   // keV/amu
    float P = 0;      // exponent of the fall-off
};

LowVelocityScaling HeavyIonLowVelocity(int16_t Z1, int16_t Z2, float vF);

}  // namespace fenra
