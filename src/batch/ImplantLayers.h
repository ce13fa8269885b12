#pragma once
// The ion paths simulation's plain inputs from the program's targets: the elements, density
// and thickness of each layer and its electronic stopping table from the stopping model.

#include <string>
#include <utility>
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

// The displacement energies (eV) of the Kinchin-Pease count: of every element, and of the
// elements named by symbol (the last value given for one counts).
struct DisplacementEnergies {
    double all = 25;
    std::vector<std::pair<std::string, double>> bySymbol;
};

// A displacement energy from its text, eV from 1 to 1000.
// Errors: PhysicsError BadValue (DisplacementNotEnergy).
double DisplacementEnergyOf(const std::string& text);

// The same from a number. Errors: as above, the number's text in the message.
double DisplacementEnergyOf(double ev);

// Reads "EV" (every element) or "SYMBOL=EV[,SYMBOL=EV...]" (the elements named) into d, on top
// of what d holds: the form of fenra32-calc implant --displacement and of the ion paths window.
// Errors: PhysicsError BadValue (DisplacementNotEnergy) naming the part that is not an energy.
void ReadDisplacementEnergies(DisplacementEnergies& d, const std::string& text);

struct ElementDisplacement {
    std::string symbol;
    double energy = 0;  // eV
};

// Gives every element of the layers its displacement energy and returns each element once, in
// the order the layers hold them, with its energy.
// Errors: PhysicsError BadValue (DisplacementNotInLayers) for a symbol named that no layer holds.
std::vector<ElementDisplacement> SetDisplacementEnergies(std::vector<ImplantLayer>& layers,
                                                         const DisplacementEnergies& d,
                                                         const ElementDatabase& db);

// "Ed 25 eV" when every element has the same, else "Ed Si 15 eV, O 28 eV": the words of
// fenra32-calc implant's summary, and, translated, of the ion paths window's.
Message DisplacementWords(const std::vector<ElementDisplacement>& elements);

// The same in English.
std::string DisplacementText(const std::vector<ElementDisplacement>& elements);

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
