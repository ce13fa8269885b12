#pragma once
// The stopping, range and range straggling of one ion in one material at a list of energies:
// the rows of fenra32-calc's `stopping` and `range` and of the range window's energy table, from
// one function so that both give the same numbers.
//
// Units: energies keV; stopping eV/(1E15 atoms/cm2); ranges and their straggling (a standard
// deviation) in 1E15 atoms/cm2, mg/cm2 and um (um only for a material with a density).

#include <limits>
#include <string>
#include <vector>

#include "messages/Message.h"
#include "range/IonTarget.h"
#include "range/RangeCache.h"

namespace fenra {

// Which parts a row is calculated for: the stopping, the range with its straggling, or both.
struct EnergyTableParts {
    bool stopping = true;
    bool range = true;
};

struct EnergyTableRow {
    static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    double energy = 0;  // keV, as asked for
    // The first failure at this energy (PhysicsError's reason; Words says it in English): nothing
    // below holds but outOfModel, of a part calculated before the failure.
    Message error;
    StoppingValues stopping;  // when asked for
    // When asked for; NaN where not known (a length without a density, a straggling the
    // integral cannot give).
    double range = 0, rangeMgCm2 = 0, rangeUm = kUnknown;
    double sigma = kUnknown, sigmaMgCm2 = kUnknown, sigmaUm = kUnknown;
    bool outOfModel = false;          // the stopping or the range: OutOfModel (Range.h)
    bool sigmaOutOfValidity = false;  // the straggling: SpreadValidityWarning (Spread.h)
};

// One row per energy, in the order given. A failure at one energy (a negative energy, a
// stopping the model cannot give) fills that row's error and leaves the others.
std::vector<EnergyTableRow> EnergyTable(const Target& t, const std::vector<double>& energies,
                                        EnergyTableParts parts = {},
                                        RangeCache& cache = SharedRangeCache());

}  // namespace fenra
