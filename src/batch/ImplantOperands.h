#pragma once
// The operands of fenra32-calc implant, ION ENERGY MATERIAL:THICKNESS..., resolved into the
// simulation's ion and layers, each refused with a PhysicsError naming the argument.

#include <string>
#include <vector>

#include "batch/ImplantArguments.h"
#include "batch/ImplantLayers.h"
#include "elements/ElementDatabase.h"
#include "implant/Implant.h"
#include "materials/MaterialList.h"
#include "range/IonTarget.h"

namespace fenra {

struct ImplantCommandStack {
    std::vector<ImplantLayer> layers;
    std::vector<std::string> names;
    Ion ion;
    double energy = 0;
    std::vector<ElementDisplacement> displacement;  // each element's, as the layers hold them
};

// The ion, its energy and the layers of the command line, with their displacement energies.
ImplantCommandStack ResolveImplantStack(const ImplantArguments& o, const ElementDatabase& db,
                                        const MaterialList& list);

}  // namespace fenra
