#include "range/StackCalculation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "materials/PhysicsError.h"
#include "range/Spread.h"

namespace fenra {

namespace {

void Warn(StackCalculation& out, Message m) {
    out.warnings.push_back(std::move(m));
}

// Points through a layer at energies in equal steps of the logarithm of the energy, from the
// energy in to the energy out (or, where the ion stops, to the model's lowest energy and then the
// stop itself): each step loses the same fraction of the energy, so the points crowd together
// towards the end of the range, where the stopping changes fastest (the Bragg peak), and a thick
// layer gets as many points as a thin one loses energy. A point lies at the depth the range
// table gives for its energy, x = R(E_in) - R(E), and carries the energy the layer leaves there,
// so depth and energy agree with the layer's own results.
struct PathPoint {
    double x = 0;       // 1E15 atoms/cm2 into the layer
    double energy = 0;  // keV
};

// The largest fraction of its energy the ion loses between two points of the plot: 2 %.
constexpr double kPlotEnergyRatio = 1.02;

std::vector<PathPoint> PathPoints(const Layer& layer, const StackLayerRow& row, double path,
                                  int minSteps, RangeCache& cache) {
    std::vector<PathPoint> points{{0, row.energyIn}};
    const double lowest = kModelLowEnergy * layer.target.ion.mass;
    const double end = row.stopped ? std::min(lowest, row.energyIn) : row.energyOut;
    const double span = row.energyIn > 0 && end > 0 ? std::log(row.energyIn / end) : 0;
    const int steps =
        std::max({minSteps, 1, static_cast<int>(std::ceil(span / std::log(kPlotEnergyRatio)))});
    const double rangeIn = Range(layer.target, row.energyIn, cache).range;
    for (int k = 1; k < steps; ++k) {
        const double e = row.energyIn * std::exp(-span * k / steps);
        const double x = std::clamp(rangeIn - Range(layer.target, e, cache).range, 0.0, path);
        if (x <= points.back().x) continue;  // a step too small for the range table to tell
        points.push_back({x, EnergyAfterLayer(layer.target, row.energyIn, x, cache).energyOut});
    }
    if (row.stopped && end < row.energyIn) {
        const double x = std::clamp(rangeIn - Range(layer.target, end, cache).range, 0.0, path);
        if (x > points.back().x && x < path) points.push_back({x, end});
    }
    points.push_back({path, row.stopped ? 0.0 : row.energyOut});
    return points;
}

// The energy in front of the stack with which the ion just reaches its back face (0 for a
// stack without thickness).
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

// The energy with which the ion just reaches `depth` (in `unit`) into the stack, or into
// `material` when the stack is empty.
EnergyAnswer EnergyToReach(const std::vector<Layer>& stack, const Target* material, double depth,
                           ThicknessUnit unit, RangeCache& cache) {
    EnergyAnswer a;
    if (!(depth >= 0) || !std::isfinite(depth)) {
        a.reason = Sentence(PhysicsText::DepthNotFinite);
        return a;
    }
    if (stack.empty()) {
        if (!material) {
            a.reason = Sentence(PhysicsText::MaterialNotRead);
            return a;
        }
        if (IsLength(unit) && !(material->atomsPerCm3 > 0)) {
            a.reason = NoDensitySentence(ThicknessUnitText(unit), material->material.name);
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
            a.reason = NoDensitySentence(ThicknessUnitText(unit), l.target.material.name);
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
    a.reason = Sentence(PhysicsText::DepthBeyondStack);
    return a;
}

// Energy and stopping at points through the stack along the path of `out`.
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

// A density of 0 keeps the material's own.
std::optional<double> GivenDensity(double density) {
    if (density == 0) return std::nullopt;
    return density;
}

StoppingInUnit StoppingIn(const Target& t, const StoppingValues& v, StopUnit unit) {
    StoppingInUnit s;
    if (IsLength(unit) && !(t.atomsPerCm3 > 0)) {
        s.reason = NoDensitySentence(StopUnitText(unit), t.material.name);
        return s;
    }
    s.available = true;
    s.electronic = StopIn(t, v.electronic, unit);
    s.nuclear = StopIn(t, v.nuclear, unit);
    s.total = StopIn(t, v.total, unit);
    return s;
}

MaterialResult MaterialSection(const StackInput& in, const ElementDatabase& db,
                               const MaterialList& list, const Ion& ion, RangeCache& cache,
                               Target* target) {
    MaterialResult r;
    try {
        *target = ResolveTarget(db, list, ion, in.material, GivenDensity(in.density), in.model);
        r.name = target->material.name;
        r.density = target->material.density;
        const StoppingValues v = StoppingAt(*target, in.energy);
        r.stopping = StoppingIn(*target, v, in.unit);
        const RangeResult range = Range(*target, in.energy, cache);
        r.range = DepthAfter(StackDepth{}, *target, range.range);
        if (!r.range.hasUm) r.rangeUmReason = NoDensitySentence("um", r.name);
        r.outOfModel = v.outOfModel || range.outOfModel;
    } catch (const PhysicsError& e) {
        r = MaterialResult{};
        r.error = e.Reason();
    }
    return r;
}

// Reads the layers; false when one of them is refused (its row says why).
bool ReadLayers(const StackInput& in, const ElementDatabase& db, const MaterialList& list,
                const Ion& ion, StackCalculation& out, std::vector<Layer>* stack) {
    bool complete = true;
    for (std::size_t k = 0; k < in.layers.size(); ++k) {
        const StackLayerInput& li = in.layers[k];
        StackLayerRow row;
        const Message where = Sentence(PhysicsText::LayerNumbered, {Value(std::to_string(k + 1))});
        try {
            Target t =
                ResolveTarget(db, list, ion, li.material, GivenDensity(li.density), in.model);
            row.name = t.material.name;
            row.density = t.material.density;
            if (!(li.thickness >= 0) || !std::isfinite(li.thickness))
                throw PhysicsError(ErrorKind::BadValue, PhysicsText::NotFiniteAtLeastZero,
                                   {Sentence(PhysicsText::TheThickness)});
            if (IsLength(li.unit) && !(t.atomsPerCm3 > 0))
                throw PhysicsError(ErrorKind::BadValue,
                                   NoDensitySentence(ThicknessUnitText(li.unit), row.name));
            row.thicknessE15 = ThicknessToE15(t, li.thickness, li.unit);
            row.thickness = DepthAfter(StackDepth{}, t, row.thicknessE15);
            stack->push_back({std::move(t), row.thicknessE15});
        } catch (const PhysicsError& e) {
            row = StackLayerRow{};
            row.error = Prefixed(where, e.Reason());
            complete = false;
        }
        out.layers.push_back(std::move(row));
    }
    return complete;
}

// Depths of the faces, the path of the ion and where it stops.
void FillStackPath(const std::vector<Layer>& stack, const StackInput& in, StackCalculation& out,
                   RangeCache& cache) {
    StackDepth depth;
    for (std::size_t k = 0; k < stack.size(); ++k) {
        out.layers[k].front = depth;
        out.boundaries.push_back(depth);
        depth = DepthAfter(depth, stack[k].target, stack[k].thickness);
        out.layers[k].back = depth;
    }
    out.boundaries.push_back(depth);
    std::vector<LayerSpread> spreads;
    const StackResult s = EnergyAfterStackWithSpreads(stack, in.energy, &spreads, cache);
    for (std::size_t k = 0; k < s.layers.size(); ++k) {
        const LayerResult& l = s.layers[k];
        StackLayerRow& row = out.layers[k];
        row.reached = true;
        row.energyIn = l.energyIn;
        row.energyOut = l.energyOut;
        row.energyLoss = l.energyLoss;
        row.stopped = l.stopped;
        row.stoppedAtE15 = l.stoppedAt;
        if (!l.stopped) continue;
        row.stopDepth = DepthAfter(row.front, stack[k].target, l.stoppedAt);
        row.stopDepthInLayer = DepthAfter(StackDepth{}, stack[k].target, l.stoppedAt);
    }
    out.energyOut = s.energyOut;
    out.stopped = s.stopped;
    out.stoppedInLayer = s.stoppedInLayer;
    if (s.outOfModel)
        Warn(out, OutOfModelSentence(Sentence(PhysicsText::PathThroughStack), in.model));
    for (std::size_t k = 0; k < spreads.size(); ++k) {
        StackLayerRow& row = out.layers[k];
        row.energySigma = spreads[k].energySigma;
        row.angleSigma = spreads[k].angleSigma;
        row.lateralSigma = spreads[k].lateralSigma;
        row.chargeMean = spreads[k].chargeMean;
        row.spreadOutOfValidity = spreads[k].outOfValidity;
        if (row.spreadOutOfValidity)
            Warn(out, SpreadValiditySentence(Sentence(PhysicsText::SpreadsBehindLayer,
                                                      {Value(std::to_string(k + 1))})));
    }
}

}  // namespace

Message NoDensitySentence(const std::string& unitText, const std::string& materialName) {
    return Sentence(PhysicsText::NoDensityForUnit, {Value(unitText), Value(materialName)});
}

StackDepth DepthAfter(const StackDepth& front, const Target& t, double e15) {
    StackDepth d;
    d.e15 = front.e15 + e15;
    d.mgCm2 = front.mgCm2 + MgCm2FromE15(t, e15);
    d.hasUm = front.hasUm && t.atomsPerCm3 > 0;
    d.um = d.hasUm ? front.um + UmFromE15(t, e15) : 0;
    return d;
}

StackCalculation CalculateStack(const StackInput& in, const ElementDatabase& db,
                                const MaterialList& list, RangeCache& cache) {
    StackCalculation out;
    Ion ion;
    try {
        ion = ResolveIon(db, in.ion, in.ionMass);
        if (!(in.energy >= 0) || !std::isfinite(in.energy))
            throw PhysicsError(ErrorKind::BadValue, PhysicsText::EnergyNotFiniteKev);
        if (in.layers.size() > static_cast<std::size_t>(kMaxStackLayers))
            throw PhysicsError(ErrorKind::BadValue, PhysicsText::StackTooManyLayers,
                               {Value(std::to_string(kMaxStackLayers))});
    } catch (const PhysicsError& e) {
        out.error = e.Reason();
        return out;
    }
    Target material;
    out.material = MaterialSection(in, db, list, ion, cache, &material);
    if (out.material.outOfModel)
        Warn(out, OutOfModelSentence(Sentence(PhysicsText::TheEnergy), in.model));
    std::vector<Layer> stack;
    out.stackComplete = ReadLayers(in, db, list, ion, out, &stack);
    const Target* reachIn = out.material.error.Empty() ? &material : nullptr;
    if (!out.stackComplete) {
        out.stackError = Sentence(PhysicsText::LayerNotRead);
        for (EnergyAnswer* a : {&out.energyToPass, &out.energyToReach}) a->reason = out.stackError;
        return out;
    }
    try {
        FillStackPath(stack, in, out, cache);
        out.energyToPass = EnergyToPass(stack, cache);
        if (in.reachDepthGiven)
            out.energyToReach =
                EnergyToReach(stack, reachIn, in.reachDepth, in.reachDepthUnit, cache);
        FillPlot(stack, in, out, cache);
    } catch (const PhysicsError& e) {
        // A calculation on the path failed: no half-filled stack results.
        out.stackComplete = false;
        out.stackError = e.Reason();
        out.energyToPass = out.energyToReach = EnergyAnswer{};
        for (EnergyAnswer* a : {&out.energyToPass, &out.energyToReach}) a->reason = out.stackError;
        for (StackLayerRow& row : out.layers) row.reached = row.stopped = false;
        out.plot.clear();
        return out;
    }
    if (out.energyToPass.outOfModel)
        Warn(out, OutOfModelSentence(Sentence(PhysicsText::EnergyToPassStack), in.model));
    if (out.energyToReach.outOfModel)
        Warn(out, OutOfModelSentence(Sentence(PhysicsText::EnergyToReachDepth), in.model));
    return out;
}

}  // namespace fenra
