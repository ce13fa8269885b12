#include "range/EnergySteps.h"

#include <cmath>

namespace fenra {

std::vector<double> EnergySteps(double from, double to, int steps, bool linear) {
    std::vector<double> energies;
    energies.reserve(static_cast<std::size_t>(steps) + 1);
    // Logarithmic: ln E_k = ln E1 + (k/N) (ln E2 - ln E1), equal ratios between neighbours,
    // in logarithms so that no ratio of the two ends overflows.
    const double lnFrom = linear ? 0 : std::log(from), lnTo = linear ? 0 : std::log(to);
    for (int k = 0; k <= steps; ++k) {
        const double f = static_cast<double>(k) / steps;
        energies.push_back(k == 0       ? from
                           : k == steps ? to
                           : linear     ? from + (to - from) * f
                                        : std::exp(lnFrom + (lnTo - lnFrom) * f));
    }
    return energies;
}

}  // namespace fenra
