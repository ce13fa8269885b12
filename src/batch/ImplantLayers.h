#pragma once
// The ion paths simulation's plain inputs from the program's targets: the elements, density
// and thickness of each layer and its electronic stopping table from the stopping model.

#include <string>
#include <vector>

#include "implant/Implant.h"
#include "messages/Message.h"
#include "range/Range.h"
#include "range/StackCalculation.h"

namespace fenra {

// One layer of thickness `thickness` (1E15 atoms/cm2) of t's material, its electronic stopping
// and energy-loss straggling (the range's spreads use the same, range/SpreadTable.h) tabled at
// the simulation's own energies for an ion of `energy` keV and the cut-off.
// Errors: PhysicsError BadValue when the material has no density.
ImplantLayer ImplantLayerOf(const Target& t, double thickness, double energy, double cutoffEv,
                            double displacementEnergyEv = 25);

ImplantIon ImplantIonOf(const Ion& ion, double energy, double angleDegrees);

// The simulation's inputs for a stack as the range window holds it: its ion, mass, energy,
// model and layers (the material of the single-material answers plays no part).
struct ImplantStack {
    Message error;  // why the stack cannot be simulated; nothing below is filled then
    ImplantIon ion;
    std::string ionSymbol;
    std::vector<ImplantLayer> layers;
    std::vector<std::string> names;  // each layer's material as resolved
};

ImplantStack ImplantStackOf(const StackInput& in, const ElementDatabase& db,
                            const MaterialList& list, double angleDegrees, double cutoffEv);

}  // namespace fenra
