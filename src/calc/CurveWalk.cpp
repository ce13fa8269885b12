#include "calc/CurveWalk.h"

#include <algorithm>
#include <cmath>

#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kEvPerKev = 1000.0;

// Outcomes after which a walk cannot go on: the data set cannot be calculated at all, or the
// numbers have become meaningless.
bool StopsTheWalk(CalcOutcome o) {
    return o != CalcOutcome::Calculated && o != CalcOutcome::RatioZero;
}

CalcResult FloatingPointFault(float energy) {
    CalcResult r;
    r.outcome = CalcOutcome::FloatingPointFault;
    r.value = energy;
    return r;
}

// What the walk changes in the data set and gives back when it ends: the energy it follows
// and the results of each step's calculation.
struct WalkedFields {
    float energy, evAtoms, kevMg, evA, kevUm;
    bool calculated;

    explicit WalkedFields(const DataSet& d)
        : energy(d.IonEnergy),
          evAtoms(d.StopEvAtoms),
          kevMg(d.StopKevMg),
          evA(d.StopEvA),
          kevUm(d.StopKevUm),
          calculated(d.Calculated) {}
    void RestoreTo(DataSet& d) const {
        d.IonEnergy = energy;
        d.StopEvAtoms = evAtoms;
        d.StopKevMg = kevMg;
        d.StopEvA = evA;
        d.StopKevUm = kevUm;
        d.Calculated = calculated;
    }
};

CurveWalkResult Walk(DataSet& d, const ElementDatabase& db, CurveKind kind,
                     const CurveWalkHooks& hooks);

}  // namespace

CalcResult CheckCurveInputs(const DataSet& d, CurveKind kind) {
    CalcResult r = CheckDataSetInputs(d);
    if (r.outcome != CalcOutcome::Calculated) return r;
    // A depth of 0 or less holds no slab to follow the ion through.
    if (IsDepthKind(kind) && !(d.Range > 0)) {
        r.outcome = CalcOutcome::RangeNotAboveZero;
        r.value = d.Range;
        return r;
    }
    // A lone target element of ratio 0 is no target: no curve, as Calculate gives no result.
    if (d.ElementCount == 1 && d.TargetRatio[1] == 0) r.outcome = CalcOutcome::RatioZero;
    return r;
}

CurveWalkResult WalkCurve(DataSet& d, const ElementDatabase& db, CurveKind kind,
                          const CurveWalkHooks& hooks) {
    CurveWalkResult walk;
    walk.result = CheckCurveInputs(d, kind);
    if (walk.result.outcome != CalcOutcome::Calculated) return walk;
    const WalkedFields before(d);
    walk = Walk(d, db, kind, hooks);
    before.RestoreTo(d);
    SetCurveIon(walk.curve, d);
    return walk;
}

namespace {

CurveWalkResult Walk(DataSet& d, const ElementDatabase& db, CurveKind kind,
                     const CurveWalkHooks& hooks) {
    CurveWalkResult walk;
    constexpr int N = kSlabCount;
    const bool depth = IsDepthKind(kind);

    // Slab thickness (1E15 atoms/cm2) or slab energy (keV), once, in single precision.
    const float step = CurveStep(depth ? d.Range : d.IonEnergy, N);
    const float E0 = d.IonEnergy;
    if (!std::isfinite(step)) {
        walk.result = FloatingPointFault(E0);
        return walk;
    }

    std::vector<float>& stop = walk.curve.stop;
    std::vector<float>& energy = walk.curve.energy;
    stop.assign(N + 1, 0.0f);
    energy.assign(N + 1, 0.0f);

    // Ends the walk on a calculation that cannot go on, with the start energy back in place.
    auto calculate = [&](int point) {
        CalcResult r = CalculateDataSet(d, db);
        if (StopsTheWalk(r.outcome)) {
            d.IonEnergy = E0;
            walk.result = std::move(r);
            return false;
        }
        walk.pointsReached = point;
        return true;
    };

    if (!calculate(0)) return walk;
    stop[0] = d.StopEvAtoms;  // the stopping at full energy, as calculated
    if (kind == CurveKind::DepthEnergy) energy[0] = E0;
    std::string rangeText = depth ? "0" : "";

    for (int i = 1; i <= N; ++i) {
        CurveProgress progress;
        progress.step = i;
        if (depth) {
            // The ion loses the slab's thickness times the stopping at the slab's entrance.
            const double loss = static_cast<double>(step) * stop[i - 1] / kEvPerKev;
            d.IonEnergy = static_cast<float>(d.IonEnergy - loss);
            if (!std::isfinite(d.IonEnergy)) {
                d.IonEnergy = E0;
                walk.result = FloatingPointFault(E0);
                return walk;
            }
            if (kind == CurveKind::DepthEnergy) energy[i] = d.IonEnergy;
            if (d.IonEnergy <= 0) break;  // stopped within this slab
            rangeText = GeneralText(LeadingNumber(rangeText) + static_cast<double>(step));
            progress.rangeText = rangeText;
        } else {
            d.IonEnergy = EnergyStepDown(d.IonEnergy, step);
        }
        progress.energyText = GeneralText(d.IonEnergy);
        if (hooks.progress) hooks.progress(progress);

        if (!calculate(i)) return walk;
        if (d.StopEvAtoms < 0) d.StopEvAtoms = 0;
        stop[i] = d.StopEvAtoms;
    }

    d.IonEnergy = E0;
    return walk;
}

}  // namespace

}  // namespace fenra
