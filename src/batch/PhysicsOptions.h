#pragma once
// The options and operands of fenra32-calc's physics commands, read from the command line.

#include <string>
#include <vector>

#include "physics/StoppingModel.h"

namespace fenra {

struct PhysicsOptions {
    std::string command;
    std::vector<std::string> operands;
    std::string databasePath;
    std::string outputFile;  // -o: empty for the standard output
    bool csv = false;
    double mass = 0;     // 0: the ion's default
    double density = 0;  // 0: the material's own
    StoppingModel model = kPhysicsDefaultModel;
    std::string from, to;      // --from, --to: energies as typed; empty when not given
    int steps = 0;             // --steps: 0 when not given
    bool linear = false;       // --linear: equal steps in energy rather than in its logarithm
    std::string stoppingUnit;  // --stopping-unit: empty for the table of every unit
};

// Whether `option` takes the next word as its value (--db FILE, --steps N, ...).
bool IsValuedPhysicsOption(const std::string& option);

// The options of `args` (the words after the program's name); PhysicsError(BadValue) for an
// unknown option, an option without its value, or options that do not go together.
PhysicsOptions ReadPhysicsOptions(const std::vector<std::string>& args);

}  // namespace fenra
