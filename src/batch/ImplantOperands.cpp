#include "batch/ImplantOperands.h"

#include <optional>

#include "batch/PhysicsArguments.h"
#include "materials/PhysicsError.h"

namespace fenra {

namespace {

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

}  // namespace

ImplantCommandStack ResolveImplantStack(const ImplantArguments& o, const ElementDatabase& db,
                                        const MaterialList& list) {
    ImplantCommandStack s;
    try {
        s.ion = ResolveIon(db, o.operands[0], o.mass);
    } catch (const PhysicsError& e) {
        throw PhysicsError(e.Kind(), RefusedArgument("ION", o.operands[0], e));
    }
    s.energy = ParseEnergyArgument(o.operands[1], s.ion.mass);
    for (std::size_t k = 2; k < o.operands.size(); ++k) {
        const std::string& arg = o.operands[k];
        const std::size_t colon = arg.rfind(':');
        if (colon == std::string::npos || colon == 0)
            Bad(PhysicsText::LayerNotMaterialThickness, {Value(arg)});
        const std::string name = arg.substr(0, colon);
        Target t;
        try {
            t = ResolveTarget(db, list, s.ion, name,
                              o.density > 0 ? std::optional<double>(o.density) : std::nullopt,
                              o.model);
        } catch (const MaterialTextError& e) {
            throw PhysicsError(e.Kind(), RefusedArgument("MATERIAL", name, e));
        }
        if (!(t.atomsPerCm3 > 0))
            Bad(PhysicsText::MaterialNoDensityGiveOne, {Value(TextForMessage(name))});
        const double thickness = ParseThicknessArgument(arg.substr(colon + 1), t);
        s.layers.push_back(ImplantLayerOf(t, thickness, s.energy, o.cutoff));
        s.names.push_back(name);
    }
    s.displacement = SetDisplacementEnergies(s.layers, o.displacement, db);
    return s;
}

}  // namespace fenra
