#include "batch/ImplantLayers.h"

#include "materials/PhysicsError.h"

namespace fenra {

namespace {

constexpr double kNmPerUm = 1000;

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
    for (double E : L.electronic.energy)
        L.electronic.stopping.push_back(StoppingAt(t, E).electronic);
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

}  // namespace fenra
