#pragma once
// Following the ion of a data set as it slows down, in kSlabCount steps, and giving back the
// curve it traced.

#include <functional>
#include <string>

#include "calc/CalculateDataSet.h"
#include "state/CurveKind.h"
#include "state/CurveSnapshot.h"
#include "state/CurveSteps.h"

namespace fenra {

constexpr int kSlabCount = 100;  // slabs of a curve walk: points 0..100

// What the main window shows after each step: the running energy in the energy field, and for
// the depth kinds the depth reached in the range field (both as general text).
struct CurveProgress {
    int step = 0;            // 1..kSlabCount
    std::string energyText;  // general text of the running IonEnergy
    std::string rangeText;   // general text of the depth reached; empty for EnergyStop
};

struct CurveWalkHooks {
    // Called once per step, before that step's calculation (the window repaints here).
    std::function<void(const CurveProgress&)> progress;
};

struct CurveWalkResult {
    // Calculated when the walk ran to its end; otherwise the fault that stopped it
    // (FloatingPointFault, UnknownIon, UnknownElement, MissingCoefficients, NoTargetElement).
    CalcResult result;
    int pointsReached = 0;  // last point whose stopping was calculated (0..kSlabCount)
    // Points 0..kSlabCount of the curve (0 where the walk did not reach) and the ion values of
    // the data set after the walk; empty when the walk did not start.
    CurveSnapshot curve;
};

// What a curve needs before the walk: the inputs Calculate needs (CheckDataSetInputs), a
// range above 0 for the depth kinds, and a target (a lone element of ratio 0 gives
// RatioZero). Calculated when the walk may start.
CalcResult CheckCurveInputs(const DataSet& d, CurveKind kind);

// Walks the data set: point 0 at the full energy, then up to kSlabCount steps (depth kinds:
// slab thickness Range/N and the stopping at the slab's entrance; EnergyStop: energy steps
// E0/N, a last energy below 0 from single-precision error taken as 0). Nothing is walked when
// CheckCurveInputs refuses the data set. IonEnergy, the four results and the Calculated flag
// are restored to their start values on every outcome; TargetName (and IonMass when it was 0)
// are left as a Calculate would leave them.
CurveWalkResult WalkCurve(DataSet& d, const ElementDatabase& db, CurveKind kind,
                          const CurveWalkHooks& hooks = {});

}  // namespace fenra
