#pragma once
// The commands of fenra32-calc on an ion and materials rather than a target file:
//
//   stopping ION MATERIAL ENERGY...                electronic, nuclear and total stopping
//   range ION MATERIAL ENERGY...                   range at each energy
//   layers ION ENERGY MATERIAL:THICKNESS...        energy after each layer of a stack
//   energy-before ION ENERGY MATERIAL:THICKNESS... the energy in front of the stack that
//                                                  leaves ENERGY behind it
//   energy-for-range ION MATERIAL RANGE...         the energy whose range is RANGE
//
// Options: --db PATH, --csv, --mass AMU, --density G_CM3.

#include <ostream>
#include <string>
#include <vector>

namespace fenra {

// True when args (after the program name) name one of these commands.
bool IsPhysicsCommand(const std::vector<std::string>& args);

// Runs one of these commands; returns the exit status (0, 1 a calculation failed for one
// input after the others were printed, 2 bad input).
int RunPhysicsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The lines of --help that describe these commands.
const char* PhysicsCommandsUsage();

}  // namespace fenra
