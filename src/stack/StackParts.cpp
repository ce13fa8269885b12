#include "stack/StackParts.h"

#include <algorithm>
#include <cmath>

#include "materials/PhysicsError.h"
#include "range/Spread.h"

namespace fenra {

namespace {

// Points every 1/perLayer of the path through a layer; where the ion stops, more towards the
// end of its range, where the stopping changes fastest (the Bragg peak): at energies halved
// from the energy in, down to the model's lowest energy, placed at the depth their range
// leaves (no inversion of the range is needed for them).
struct PathPoint {
    double x = 0;       // 1E15 atoms/cm2 into the layer
    double energy = 0;  // keV
};

std::vector<PathPoint> PathPoints(const Layer& layer, const StackLayerRow& row, double path,
                                  int perLayer, RangeCache& cache) {
    std::vector<PathPoint> points;
    const int n = std::max(perLayer, 1);
    for (int k = 0; k <= n; ++k) {
        const double x = path * k / n;
        double e = row.energyIn;
        if (k == n && row.stopped)
            e = 0;
        else if (k > 0)
            e = EnergyAfterLayer(layer.target, row.energyIn, x, cache).energyOut;
        points.push_back({x, e});
    }
    if (!row.stopped) return points;
    const double lowest = kModelLowEnergy * layer.target.ion.mass;
    for (double e = row.energyIn / 2; e >= lowest; e /= 2) {
        const double rest = Range(layer.target, e, cache).range;
        if (rest < path / n) points.push_back({path - rest, e});
    }
    std::sort(points.begin(), points.end(),
              [](const PathPoint& a, const PathPoint& b) { return a.x < b.x; });
    return points;
}

}  // namespace

EnergyAnswer EnergyToPass(const std::vector<Layer>& stack, RangeCache& cache) {
    EnergyAnswer a;
    a.known = true;
    std::size_t n = stack.size();
    while (n > 0 && stack[n - 1].thickness == 0) --n;  // a layer of no thickness costs nothing
    if (n == 0) return a;
    // Just through the last layer: it stops at its back face.
    const RangeResult last = EnergyForRange(stack[n - 1].target, stack[n - 1].thickness, cache);
    a.energy = last.energy;
    a.outOfModel = last.outOfModel;
    if (n > 1) {
        const std::vector<Layer> front(stack.begin(), stack.begin() + static_cast<long>(n - 1));
        const StackResult before = EnergyBeforeStack(front, last.energy, cache);
        a.energy = before.energyIn;
        a.outOfModel = a.outOfModel || before.outOfModel;
    }
    return a;
}

EnergyAnswer EnergyToReach(const std::vector<Layer>& stack, const Target* material, double depth,
                           ThicknessUnit unit, RangeCache& cache) {
    EnergyAnswer a;
    if (!(depth >= 0) || !std::isfinite(depth)) {
        a.reason = "the depth is not a finite number of at least 0";
        return a;
    }
    if (stack.empty()) {
        if (!material) {
            a.reason = "the material cannot be read";
            return a;
        }
        if (IsLength(unit) && !(material->atomsPerCm3 > 0)) {
            a.reason = NoDensityReason(ThicknessUnitText(unit), material->material.name);
            return a;
        }
        const RangeResult r =
            EnergyForRange(*material, ThicknessToE15(*material, depth, unit), cache);
        a.known = true;
        a.energy = r.energy;
        a.outOfModel = r.outOfModel;
        return a;
    }
    std::vector<Layer> part;
    double rest = depth;
    for (const Layer& l : stack) {
        if (IsLength(unit) && !(l.target.atomsPerCm3 > 0)) {
            a.reason = NoDensityReason(ThicknessUnitText(unit), l.target.material.name);
            return a;
        }
        const double thickness = ThicknessFromE15(l.target, l.thickness, unit);
        if (rest <= thickness) {
            part.push_back({l.target, std::min(ThicknessToE15(l.target, rest, unit), l.thickness)});
            return EnergyToPass(part, cache);
        }
        rest -= thickness;
        part.push_back(l);
    }
    a.reason = "the depth lies beyond the back face of the stack";
    return a;
}

void FillPlot(const std::vector<Layer>& stack, const StackInput& in, StackCalculation& out,
              RangeCache& cache) {
    double sigmaIn = 0;  // the energy spread in front of the layer
    for (std::size_t k = 0; k < stack.size(); ++k) {
        const StackLayerRow& row = out.layers[k];
        if (!row.reached) break;
        const Target& t = stack[k].target;
        const double path = row.stopped ? row.stoppedAtE15 : stack[k].thickness;
        // A face between two layers has a point of each: the stopping steps there.
        for (const PathPoint& pp : PathPoints(stack[k], row, path, in.plotPointsPerLayer, cache)) {
            StackPlotPoint p;
            p.layer = static_cast<int>(k);
            p.depth = DepthAfter(row.front, t, pp.x);
            p.energy = pp.energy;
            p.energySigma = EnergySigmaWithin(t, row.energyIn, sigmaIn, p.energy, cache);
            if (!IsLength(in.unit) || t.atomsPerCm3 > 0) {
                try {
                    p.stopping = StopIn(t, StoppingAt(t, p.energy).total, in.unit);
                    p.stoppingKnown = true;
                } catch (const PhysicsError&) {
                    // No stopping at this point (an ion at rest the model cannot evaluate).
                }
            }
            out.plot.push_back(p);
        }
        sigmaIn = row.energySigma;
    }
}

}  // namespace fenra
