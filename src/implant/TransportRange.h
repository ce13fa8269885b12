#pragma once
// The range moments of ions in an infinite amorphous medium from the transport equations of the
// range theory, solved on a grid of energies without random numbers: a check of the Monte
// Carlo's paths that shares nothing with them but the scattering angles, and a way to compute
// ranges with another stopping (that of the classic range tables) on the same footing.
//
// For an ion of energy E starting along the unit vector e, the moments of its final position
// r obey (Lindhard, Scharff and Schiott, Mat. Fys. Medd. Dan. Vid. Selsk. 33 no. 14 (1963);
// Winterbon, Sigmund and Sanders, Mat. Fys. Medd. 37 no. 14 (1970)), with N the atomic
// density, S_e the electronic stopping, d sigma(E, T) the cross-section of a collision giving
// T to the target atom and psi the ion's laboratory deflection in it:
//   mean projected range R1:  1 = N S_e R1' + N int d sigma [R1(E) - cos psi R1(E - T)]
//   <(r.e)^2> = A + B P2(1), the lateral <y^2> = A - B/2, where
//                  2/3 R1 = N S_e A' + N int d sigma [A(E) - A(E - T)]
//                  4/3 R1 = N S_e B' + N int d sigma [B(E) - P2(cos psi) B(E - T)]
//   mean path length L:  1 = N S_e L' + N int d sigma [L(E) - L(E - T)]
// each moment 0 at the cut-off. Every equation reads F(E) from F at lower energies, so it is
// marched upwards on a geometric grid: F' by the backward difference, F(E - T) within the last
// step linear between its ends, below it by linear interpolation of the nodes; two marches,
// on n and 2n steps per octave, extrapolated to a zero step (Richardson). The integral is
// a quadrature over the impact parameter (the universal potential, its angles from the
// simulation's ScatteringTable) or over Lindhard's t (the Thomas-Fermi f(t^1/2),
// physics/LssStopping.h).
//
// Unlike the simulation the medium has no surface: no ion leaves it, and those that would come
// back out of a target are counted at their depth behind its front. Electronic energy-loss
// straggling plays no part in these means beyond its mean.
//
// Units as in Implant.h: energies in keV, lengths in nm.

#include "implant/Implant.h"

namespace fenra {

enum class NuclearScattering {
    Universal,   // the ZBL universal potential, as the simulation scatters
    ThomasFermi  // the Thomas-Fermi potential of the LSS range tables
};

enum class ElectronicLoss {
    Layer,           // the layer's electronic stopping table, as the simulation reads it
    LindhardScharff  // k epsilon^1/2 of Lindhard and Scharff (Bragg's rule in a compound)
};

struct TransportOptions {
    NuclearScattering nuclear = NuclearScattering::Universal;
    ElectronicLoss electronic = ElectronicLoss::Layer;
    double cutoffEv = 10;     // the moments are 0 at and below this energy
    int stepsPerOctave = 48;  // energy steps per doubling of the energy (and twice as many)
};

struct TransportMoments {
    double projectedRange = 0;  // nm, the mean depth along the direction of incidence
    double straggle = 0;        // nm, the standard deviation of that depth
    double lateralSpread = 0;   // nm, the standard deviation across it (one axis)
    double pathLength = 0;      // nm, the mean length of the path
};

// The moments of ions of energy ion.energy in the material of `layer` (its elements, atomic
// density and, with ElectronicLoss::Layer, its electronic stopping table); the layer's
// thickness and the ion's angle play no part.
TransportMoments TransportRangeMoments(const ImplantIon& ion, const ImplantLayer& layer,
                                       const TransportOptions& options);

// The nuclear stopping (eV/(1E15 atoms/cm2)) of the ion at E keV on one element as the
// quadrature of the cross-section integrates it, int T d sigma: to check the quadrature
// against the published stopping of the same potential.
double QuadratureNuclearStop(const ImplantIon& ion, const ImplantElement& element,
                             NuclearScattering nuclear, double E);

}  // namespace fenra
