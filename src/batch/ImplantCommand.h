#pragma once
// fenra32-calc implant ION ENERGY MATERIAL:THICKNESS... : the ion paths simulation through a
// stack of layers, its summary and its depth histogram.
//
// Options: --ions N, --seed S, --threads T, --angle DEG, --cutoff EV, --bins K, --model M,
// --no-straggling, --displacement E, --csv, --out-prefix P, and those of the other physics commands: --db PATH, --mass AMU,
// --density G_CM3. A progress line goes to standard error when it is a terminal; Ctrl+C stops
// the run and prints the results of the ions done so far (exit status 130).

#include <ostream>
#include <string>
#include <vector>

namespace fenra {

constexpr int kImplantInterrupted = 130;  // 128 + SIGINT, as shells report it

// True when args (after the program name) name the implant command.
bool IsImplantCommand(const std::vector<std::string>& args);

int RunImplantCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* ImplantCommandUsage();

}  // namespace fenra
