#pragma once
// The ion paths simulation's plain inputs from the program's targets: the elements, density
// and thickness of each layer and its electronic stopping table from the stopping model.

#include <vector>

#include "implant/Implant.h"
#include "range/Range.h"

namespace fenra {

// One layer of thickness `thickness` (1E15 atoms/cm2) of t's material, its electronic stopping
// tabled at the simulation's own energies for an ion of `energy` keV and the cut-off.
// Errors: PhysicsError BadValue when the material has no density.
ImplantLayer ImplantLayerOf(const Target& t, double thickness, double energy, double cutoffEv,
                            double displacementEnergyEv = 25);

ImplantIon ImplantIonOf(const Ion& ion, double energy, double angleDegrees);

}  // namespace fenra
