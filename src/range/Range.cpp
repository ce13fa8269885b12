#include "range/Range.h"

#include <algorithm>
#include <cmath>

#include "materials/PhysicsError.h"

namespace fenra {

namespace {

void CheckEnergy(double E, PhysicsText what) {
    if (!(E >= 0) || !std::isfinite(E))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NotFiniteAtLeastZero,
                           {Sentence(what)});
}

// The stopping takes the energy as a Single: beyond its range there is no result.
void CheckSingle(const Target& t, double E) {
    if (!std::isfinite(static_cast<float>(E)) ||
        !std::isfinite(static_cast<float>(E) / static_cast<float>(t.ion.mass)))
        throw PhysicsError(ErrorKind::CalculationFailed, PhysicsText::EnergyBeyondSingle);
}

// An ion gains no energy in matter: the range read back and forth may differ from the exact
// inverse by a rounding, which must not show as a gain. A layer of no thickness leaves the
// energy exactly as it was.
double NoGain(double before, double thickness, double after) {
    if (thickness == 0) return before;
    return std::min(after, before);
}

bool OutOfModelUnlessAtRest(const Target& t, double E) {
    return E > 0 && OutOfModel(t, E);
}

}  // namespace

LayerResult PassLayer(const Target& t, const RangeTable& table, double energyIn, double thickness) {
    LayerResult r;
    r.energyIn = energyIn;
    const double rangeIn = table.Range(energyIn);
    if (thickness >= rangeIn) {
        r.stopped = true;
        r.stoppedAt = rangeIn;
    } else {
        r.energyOut = NoGain(energyIn, thickness, table.EnergyForRange(rangeIn - thickness));
    }
    r.energyLoss = r.energyIn - r.energyOut;
    r.outOfModel = OutOfModelUnlessAtRest(t, energyIn) || OutOfModelUnlessAtRest(t, r.energyOut);
    return r;
}

namespace {

void CheckStack(const std::vector<Layer>& stack) {
    for (const Layer& l : stack) CheckEnergy(l.thickness, PhysicsText::ALayerThickness);
}

}  // namespace

RangeResult Range(const Target& t, double E, RangeCache& cache) {
    CheckEnergy(E, PhysicsText::TheEnergy);
    CheckSingle(t, E);
    return {E, cache.Use(t, [E](const RangeTable& table) { return table.Range(E); }),
            OutOfModelUnlessAtRest(t, E)};
}

std::vector<RangeResult> Ranges(const Target& t, const std::vector<double>& energies,
                                RangeCache& cache) {
    for (double E : energies) {
        CheckEnergy(E, PhysicsText::TheEnergy);
        CheckSingle(t, E);
    }
    const std::shared_ptr<const RangeTable> table = cache.Table(t);
    std::vector<RangeResult> out;
    out.reserve(energies.size());
    for (double E : energies) out.push_back({E, table->Range(E), OutOfModelUnlessAtRest(t, E)});
    return out;
}

RangeResult EnergyForRange(const Target& t, double R, RangeCache& cache) {
    CheckEnergy(R, PhysicsText::TheRange);
    const double E = cache.Use(t, [R](const RangeTable& table) { return table.EnergyForRange(R); });
    return {E, R, OutOfModelUnlessAtRest(t, E)};
}

LayerResult EnergyAfterLayer(const Target& t, double energyIn, double thickness,
                             RangeCache& cache) {
    CheckEnergy(energyIn, PhysicsText::TheEnergy);
    CheckEnergy(thickness, PhysicsText::TheThickness);
    CheckSingle(t, energyIn);
    return cache.Use(
        t, [&](const RangeTable& table) { return PassLayer(t, table, energyIn, thickness); });
}

void CheckStackInput(const std::vector<Layer>& stack, double energyIn) {
    CheckEnergy(energyIn, PhysicsText::TheEnergy);
    CheckStack(stack);
    for (const Layer& l : stack) CheckSingle(l.target, energyIn);
}

StackResult EnergyAfterStack(const std::vector<Layer>& stack, double energyIn, RangeCache& cache) {
    return WalkStack(stack, energyIn, [&cache](const Layer& l, double E) {
        return cache.Use(l.target, [&](const RangeTable& table) {
            return PassLayer(l.target, table, E, l.thickness);
        });
    });
}

StackResult EnergyBeforeStack(const std::vector<Layer>& stack, double energyOut,
                              RangeCache& cache) {
    CheckEnergy(energyOut, PhysicsText::TheEnergy);
    CheckStack(stack);
    for (const Layer& l : stack) CheckSingle(l.target, energyOut);
    StackResult s;
    s.energyOut = energyOut;
    s.layers.resize(stack.size());
    double E = energyOut;
    for (std::size_t k = stack.size(); k-- > 0;) {
        const Layer& l = stack[k];
        const std::shared_ptr<const RangeTable> table = cache.Table(l.target);
        LayerResult& r = s.layers[k];
        r.energyOut = E;
        r.energyIn = l.thickness == 0
                         ? E
                         : std::max(E, table->EnergyForRange(table->Range(E) + l.thickness));
        r.energyLoss = r.energyIn - r.energyOut;
        r.outOfModel = OutOfModelUnlessAtRest(l.target, r.energyIn) ||
                       OutOfModelUnlessAtRest(l.target, r.energyOut);
        s.outOfModel = s.outOfModel || r.outOfModel;
        E = r.energyIn;
    }
    s.energyIn = E;
    return s;
}

}  // namespace fenra
