#pragma once
// The energies of a table from one energy to another: equal steps in the logarithm of the
// energy (a range table spans decades), or in the energy itself.

#include <vector>

namespace fenra {

// The most steps a table takes: far longer than anyone reads, and a bound on the memory a
// mistyped number can ask for.
constexpr int kMaxEnergySteps = 100000;

// steps + 1 energies from `from` to `to`, both included exactly; either may be the larger.
// Needs 1 <= steps <= kMaxEnergySteps, finite energies at least 0, and both above 0 unless
// linear: the callers check these and word their own messages.
std::vector<double> EnergySteps(double from, double to, int steps, bool linear);

}  // namespace fenra
