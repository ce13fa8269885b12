#include "batch/ImplantLayers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "batch/PhysicsArguments.h"
#include "materials/PhysicsError.h"
#include "range/SpreadTable.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kNmPerUm = 1000;

constexpr double kEvPerKeV = 1000;

// The displacement energies the Kinchin-Pease count takes, eV (the tabled ones lie from about
// 10 eV for light elements to 90 eV for the hardest lattices).
constexpr double kLowestDisplacementEv = 1;
constexpr double kHighestDisplacementEv = 1000;

// The symbol of element Z in the table ("" when it has none).
std::string SymbolOf(const ElementDatabase& db, int Z) {
    for (const std::string& symbol : db.ListElementSymbols()) {
        const ElementRecord* e = db.FindElementBySymbol(symbol);
        if (e && e->AtomNum == Z) return symbol;
    }
    return "";
}

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

double DisplacementEnergyOf(double ev) {
    if (!(ev >= kLowestDisplacementEv) || !(ev <= kHighestDisplacementEv))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::DisplacementNotEnergy,
                           {Value(NineDigitText(ev))});
    return ev;
}

double DisplacementEnergyOf(const std::string& text) {
    const std::optional<double> v = FiniteNumberText(text);
    if (!v || !(*v >= kLowestDisplacementEv) || !(*v <= kHighestDisplacementEv))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::DisplacementNotEnergy,
                           {Value(TextForMessage(text))});
    return *v;
}

void ReadDisplacementEnergies(DisplacementEnergies& d, const std::string& text) {
    if (text.find('=') == std::string::npos) {
        d.all = DisplacementEnergyOf(text);
        return;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        const std::size_t equals = part.find('=');
        if (equals == std::string::npos || equals == 0)
            throw PhysicsError(ErrorKind::BadValue, PhysicsText::DisplacementNotEnergy,
                               {Value(TextForMessage(part))});
        d.bySymbol.emplace_back(part.substr(0, equals),
                                DisplacementEnergyOf(part.substr(equals + 1)));
        if (comma == text.size()) return;
        start = comma + 1;
    }
}

std::vector<ElementDisplacement> SetDisplacementEnergies(std::vector<ImplantLayer>& layers,
                                                         const DisplacementEnergies& d,
                                                         const ElementDatabase& db) {
    std::vector<ElementDisplacement> used;
    for (ImplantLayer& layer : layers)
        for (ImplantElement& e : layer.elements) {
            const std::string symbol = SymbolOf(db, e.Z);
            e.displacementEnergy = d.all;
            for (const auto& [name, ev] : d.bySymbol)
                if (name == symbol) e.displacementEnergy = ev;
            if (std::none_of(used.begin(), used.end(),
                             [&](const ElementDisplacement& u) { return u.symbol == symbol; }))
                used.push_back({symbol, e.displacementEnergy});
        }
    for (const auto& named : d.bySymbol)
        if (std::none_of(used.begin(), used.end(),
                         [&](const ElementDisplacement& u) { return u.symbol == named.first; }))
            throw PhysicsError(ErrorKind::BadValue, PhysicsText::DisplacementNotInLayers,
                               {Value(TextForMessage(named.first))});
    return used;
}

Message DisplacementWords(const std::vector<ElementDisplacement>& elements) {
    auto ev = [](double e) {
        return Sentence(PhysicsText::ElectronVolts, {Value(NineDigitText(e))});
    };
    const bool same = std::all_of(elements.begin(), elements.end(), [&](const auto& e) {
        return e.energy == elements.front().energy;
    });
    if (elements.empty() || same)
        return Sentence(PhysicsText::DisplacementEnergiesOf,
                        {ev(elements.empty() ? 25 : elements.front().energy)});
    Message list;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        Message one = Sentence(PhysicsText::ArgumentValue,
                               {Value(elements[k].symbol), ev(elements[k].energy)});
        list = k == 0 ? std::move(one)
                      : Sentence(PhysicsText::Joined, {std::move(list), std::move(one)});
    }
    return Sentence(PhysicsText::DisplacementEnergiesOf, {std::move(list)});
}

std::string DisplacementText(const std::vector<ElementDisplacement>& elements) {
    return Words(DisplacementWords(elements));
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
