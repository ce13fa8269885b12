#include "range/EnergyTable.h"

#include <cmath>

#include "materials/PhysicsError.h"
#include "range/Range.h"
#include "range/Spread.h"

namespace fenra {

namespace {

// The range from the range table and its straggling from the straggling integral (Spread.h),
// in the three units of a depth.
void FillRange(const Target& t, EnergyTableRow& row, RangeCache& cache) {
    const RangeResult r = Range(t, row.energy, cache);
    const RangeSpread s = RangeStraggling(t, row.energy, cache);
    const bool length = t.atomsPerCm3 > 0;
    row.range = r.range;
    row.rangeMgCm2 = MgCm2FromE15(t, r.range);
    row.rangeUm = length ? UmFromE15(t, r.range) : EnergyTableRow::kUnknown;
    row.outOfModel = row.outOfModel || r.outOfModel;
    row.sigmaOutOfValidity = s.outOfValidity;
    if (!std::isfinite(s.sigma)) return;
    row.sigma = s.sigma;
    row.sigmaMgCm2 = MgCm2FromE15(t, s.sigma);
    if (length) row.sigmaUm = UmFromE15(t, s.sigma);
}

}  // namespace

std::vector<EnergyTableRow> EnergyTable(const Target& t, const std::vector<double>& energies,
                                        EnergyTableParts parts, RangeCache& cache) {
    std::vector<EnergyTableRow> rows;
    rows.reserve(energies.size());
    for (const double E : energies) {
        EnergyTableRow row;
        row.energy = E;
        try {
            if (parts.stopping) {
                row.stopping = StoppingAt(t, E);
                row.outOfModel = row.stopping.outOfModel;
            }
            if (parts.range) FillRange(t, row, cache);
        } catch (const PhysicsError& e) {
            // Only the energy and the out-of-model mark of a part done before the failure stay.
            EnergyTableRow failed;
            failed.energy = E;
            failed.outOfModel = row.outOfModel;
            failed.error = e.Reason();
            row = std::move(failed);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace fenra
