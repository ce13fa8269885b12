#include "batch/ImplantLayers.h"

#include <cmath>
#include <optional>

#include "materials/PhysicsError.h"
#include "range/SpreadTable.h"

namespace fenra {

namespace {

constexpr double kNmPerUm = 1000;

constexpr double kEvPerKeV = 1000;

std::optional<double> GivenDensity(double density) {
    if (density == 0) return std::nullopt;
    return density;
}

// One layer of the stack; PhysicsError saying what is wrong with it.
ImplantLayer StackLayer(const StackLayerInput& li, const StackInput& in, const Ion& ion,
                        const ElementDatabase& db, const MaterialList& list, double cutoffEv,
                        std::string* name) {
    const Target t = ResolveTarget(db, list, ion, li.material, GivenDensity(li.density), in.model);
    *name = t.material.name;
    if (!(t.atomsPerCm3 > 0))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NoDensityForPaths,
                           {Value(t.material.name)});
    if (!(li.thickness > 0) || !std::isfinite(li.thickness))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::PathsBadThickness);
    return ImplantLayerOf(t, ThicknessToE15(t, li.thickness, li.unit), in.energy, cutoffEv);
}

}  // namespace

ImplantLayer ImplantLayerOf(const Target& t, double thickness, double energy, double cutoffEv,
                            double displacementEnergyEv) {
    if (!(t.atomsPerCm3 > 0))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NoDensityForPaths,
                           {Value(t.material.name)});
    ImplantLayer L;
    const CompoundData& c = t.compound;
    for (std::size_t k = 0; k < c.elements.size(); ++k)
        L.elements.push_back({c.elements[k].Z2, c.elements[k].M, static_cast<double>(c.ratios[k]),
                              displacementEnergyEv});
    L.atomsPerCm3 = t.atomsPerCm3;
    L.thickness = UmFromE15(t, thickness) * kNmPerUm;
    L.electronic.energy = ImplantTableEnergies(energy, cutoffEv);
    const SpreadMaterial spread = SpreadMaterialOf(t);
    for (double E : L.electronic.energy) {
        L.electronic.stopping.push_back(StoppingAt(t, E).electronic);
        L.electronic.straggling.push_back(StragglingPerAtom(spread, E));
    }
    return L;
}

ImplantIon ImplantIonOf(const Ion& ion, double energy, double angleDegrees) {
    ImplantIon i;
    i.Z = ion.Z;
    i.mass = ion.mass;
    i.energy = energy;
    i.angle = angleDegrees;
    return i;
}

ImplantStack ImplantStackOf(const StackInput& in, const ElementDatabase& db,
                            const MaterialList& list, double angleDegrees, double cutoffEv) {
    ImplantStack s;
    Ion ion;
    try {
        ion = ResolveIon(db, in.ion, in.ionMass);
    } catch (const PhysicsError& e) {
        s.error = Prefixed(Sentence(PhysicsText::TheIon), e.Reason());
        return s;
    }
    if (!(in.energy > cutoffEv / kEvPerKeV) || !std::isfinite(in.energy)) {
        s.error = Sentence(PhysicsText::ImplantEnergyNotAboveCutoff);
        return s;
    }
    if (in.layers.empty() || in.layers.size() > static_cast<std::size_t>(kMaxImplantLayers)) {
        s.error = Sentence(PhysicsText::ImplantStackNeedsLayers,
                           {Value(std::to_string(kMaxImplantLayers))});
        return s;
    }
    for (std::size_t k = 0; k < in.layers.size(); ++k) {
        std::string name;
        try {
            s.layers.push_back(StackLayer(in.layers[k], in, ion, db, list, cutoffEv, &name));
            s.names.push_back(name);
        } catch (const PhysicsError& e) {
            s = ImplantStack{};
            s.error = Prefixed(Sentence(PhysicsText::LayerNumbered, {Value(std::to_string(k + 1))}),
                               e.Reason());
            return s;
        }
    }
    s.ion = ImplantIonOf(ion, in.energy, angleDegrees);
    s.ionSymbol = ion.symbol;
    return s;
}

}  // namespace fenra
