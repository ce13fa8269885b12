#include "stack/StackCalculation.h"

#include <cmath>

#include "materials/PhysicsError.h"
#include "stack/StackParts.h"

namespace fenra {

namespace {

// The ion in a material text with an optional density instead of the material's own.
Target ResolveTarget(const ElementDatabase& db, const MaterialList& list, const Ion& ion,
                     const std::string& text, double density, StoppingModel model) {
    Material m = ResolveMaterial(text, db, list);
    if (density != 0) {
        CheckDensity(density, "the density");
        m.density = density;
    }
    return MakeTarget(db, ion, m, model);
}

StoppingInUnit StoppingIn(const Target& t, const StoppingValues& v, StopUnit unit) {
    StoppingInUnit s;
    if (IsLength(unit) && !(t.atomsPerCm3 > 0)) {
        s.reason = NoDensityReason(StopUnitText(unit), t.material.name);
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
        *target = ResolveTarget(db, list, ion, in.material, in.density, in.model);
        r.name = target->material.name;
        r.density = target->material.density;
        const StoppingValues v = StoppingAt(*target, in.energy);
        r.stopping = StoppingIn(*target, v, in.unit);
        const RangeResult range = Range(*target, in.energy, cache);
        r.range = DepthAfter(StackDepth{}, *target, range.range);
        if (!r.range.hasUm) r.rangeUmReason = NoDensityReason("um", r.name);
        r.outOfModel = v.outOfModel || range.outOfModel;
    } catch (const PhysicsError& e) {
        r = MaterialResult{};
        r.error = e.what();
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
        const std::string where = "layer " + std::to_string(k + 1) + ": ";
        try {
            Target t = ResolveTarget(db, list, ion, li.material, li.density, in.model);
            row.name = t.material.name;
            row.density = t.material.density;
            if (!(li.thickness >= 0) || !std::isfinite(li.thickness))
                throw PhysicsError(ErrorKind::BadValue,
                                   "the thickness is not a finite number of at least 0");
            if (IsLength(li.unit) && !(t.atomsPerCm3 > 0))
                throw PhysicsError(ErrorKind::BadValue,
                                   NoDensityReason(ThicknessUnitText(li.unit), row.name));
            row.thicknessE15 = ThicknessToE15(t, li.thickness, li.unit);
            row.thickness = DepthAfter(StackDepth{}, t, row.thicknessE15);
            stack->push_back({std::move(t), row.thicknessE15});
        } catch (const PhysicsError& e) {
            row = StackLayerRow{};
            row.error = where + e.what();
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
    const StackResult s = EnergyAfterStack(stack, in.energy, cache);
    for (std::size_t k = 0; k < s.layers.size(); ++k) {
        const LayerResult& l = s.layers[k];
        StackLayerRow& row = out.layers[k];
        row.reached = true;
        row.energyIn = l.energyIn;
        row.energyOut = l.energyOut;
        row.energyLoss = l.energyLoss;
        row.stopped = l.stopped;
        row.stoppedAtE15 = l.stoppedAt;
        if (l.stopped) row.stopDepth = DepthAfter(row.front, stack[k].target, l.stoppedAt);
    }
    out.energyOut = s.energyOut;
    out.stopped = s.stopped;
    out.stoppedInLayer = s.stoppedInLayer;
    if (s.outOfModel)
        out.warnings.push_back(
            OutOfModelWarning("an energy on the path through the stack", in.model));
}

}  // namespace

std::string NoDensityReason(const std::string& unitText, const std::string& materialName) {
    return unitText + " needs a density, and the material \"" + materialName +
           "\" has none: give one";
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
            throw PhysicsError(ErrorKind::BadValue,
                               "the energy is not a finite number of at least 0 keV");
        if (in.layers.size() > static_cast<std::size_t>(kMaxStackLayers))
            throw PhysicsError(
                ErrorKind::BadValue,
                "a stack holds at most " + std::to_string(kMaxStackLayers) + " layers");
    } catch (const PhysicsError& e) {
        out.error = e.what();
        return out;
    }
    Target material;
    out.material = MaterialSection(in, db, list, ion, cache, &material);
    if (out.material.outOfModel) out.warnings.push_back(OutOfModelWarning("the energy", in.model));
    std::vector<Layer> stack;
    out.stackComplete = ReadLayers(in, db, list, ion, out, &stack);
    const Target* reachIn = out.material.error.empty() ? &material : nullptr;
    if (!out.stackComplete) {
        out.stackError = "a layer of the stack cannot be read";
        out.energyToPass.reason = out.energyToReach.reason = out.stackError;
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
        out.stackError = e.what();
        out.energyToPass = out.energyToReach = EnergyAnswer{};
        out.energyToPass.reason = out.energyToReach.reason = out.stackError;
        for (StackLayerRow& row : out.layers) row.reached = row.stopped = false;
        out.plot.clear();
        return out;
    }
    if (out.energyToPass.outOfModel)
        out.warnings.push_back(OutOfModelWarning("the energy needed to pass the stack", in.model));
    if (out.energyToReach.outOfModel)
        out.warnings.push_back(OutOfModelWarning("the energy to reach the depth", in.model));
    return out;
}

}  // namespace fenra
