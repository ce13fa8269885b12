#pragma once
// The command line of fenra32-calc implant: its options and operands, each refused with a
// PhysicsError (BadValue) naming the argument.

#include <cstdint>
#include <string>
#include <vector>

#include "batch/ImplantLayers.h"
#include "physics/StoppingModel.h"

namespace fenra {

struct ImplantArguments {
    std::vector<std::string> operands;  // ION ENERGY LAYER...
    std::string databasePath, outPrefix;
    StoppingModel model = kDefaultStoppingModel;
    bool csv = false;
    bool straggling = true;  // the electronic energy-loss straggling of the flights
    double mass = 0, density = 0, angle = 0, cutoff = 10;
    DisplacementEnergies displacement;
    uint64_t ions = 1000, seed = 1;
    int threads = 0, bins = 100;
};

// True for an option followed by its value ("--ions 100").
bool ImplantOptionTakesValue(const std::string& a);

// The options and operands after the program name; at least ION ENERGY LAYER, and at most
// kMaxImplantLayers layers.
ImplantArguments ReadImplantArguments(const std::vector<std::string>& args);

}  // namespace fenra
