#include "range/IonTarget.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>

#include "materials/MaterialExcitation.h"
#include "materials/PhysicsError.h"
#include "physics/UnitConversion.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kEvPerKev = 1000;
constexpr double kAtomsPerE15 = 1e15;
constexpr double kMgPerG = 1000;
constexpr double kUmPerCm = 1e4;
constexpr double kKevUmPerEvA = 10;  // 1 eV/Angstrom = 1e4 eV/um = 10 keV/um
// A material of known density below this (g/cm3) is a gas for the density effect.
constexpr double kGasDensityLimit = 0.01;

[[noreturn]] void Fail(ErrorKind kind, const std::string& message) {
    throw PhysicsError(kind, message);
}

template <typename T>
void AppendBits(std::string* key, T v) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    key->append(bytes, sizeof v);
}

TargetElementData ElementData(const ElementDatabase& db, const std::string& symbol) {
    const ElementRecord* r = db.FindElementBySymbol(symbol);
    if (!r)
        Fail(ErrorKind::UnknownName, "the element \"" + symbol + "\" is not in the element table");
    TargetElementData t;
    t.Z2 = r->AtomNum;
    t.M = r->NatMass;
    t.N = r->AtomDensity;
    t.vF = r->Fermi;
    const std::optional<CoefficientRow> p = db.FindCoefficientsByZ(CoefficientTable::PCoef, t.Z2);
    const std::optional<CoefficientRow> h = db.FindCoefficientsByZ(CoefficientTable::HiCoef, t.Z2);
    if (!p || !h)
        Fail(ErrorKind::CalculationFailed, std::string("the element database has no \"") +
                                               (p ? "HiCoef" : "PCoef") + "\" record for \"" +
                                               symbol + "\"");
    t.coef.P = p->values;
    std::copy_n(h->values.begin(), t.coef.H.size(), t.coef.H.begin());
    return t;
}

BetheTarget BetheTargetOf(const Target& t, const Material& material) {
    int Z[kMaxMaterialElements];
    double ratios[kMaxMaterialElements], masses[kMaxMaterialElements];
    const int n = static_cast<int>(t.elements.size());
    for (int j = 0; j < n; ++j) {
        Z[j] = t.elements[j].Z2;
        ratios[j] = material.elements[static_cast<std::size_t>(j)].ratio;
        masses[j] = t.elements[j].M;
    }
    const bool gas = material.density > 0 && material.density < kGasDensityLimit;
    return BetheTargetOfCompound(Z, ratios, masses, n, material.density,
                                 NamedMeanExcitation(material.name), gas);
}

// The electronic stopping per atom of the target's model at E keV (eV/(1E15 atoms/cm2)).
float ElectronicStop(const Target& t, double E) {
    // The energy per unit mass as the calculator forms it: both numbers as Singles.
    const float Eu = static_cast<float>(E) / static_cast<float>(t.ion.mass);
    const int n = static_cast<int>(t.elements.size());
    double S[kMaxMaterialElements];
    if (t.model == StoppingModel::classic) {
        for (int j = 0; j < n; ++j) S[j] = ElementStop(t.ion.Z, t.ion.screening, Eu, t.elements[j]);
        return static_cast<float>(BraggStopPerAtom(t.ratios.data(), S, n));
    }
    const double perAmu = E / t.ion.mass;
    double fit = 0;
    if (perAmu < JoinOf(t.ion.Z, t.bethe).high) {
        for (int j = 0; j < n; ++j)
            S[j] =
                ContinuousFitStop(t.ion.Z, t.ion.screening, Eu, t.fit[static_cast<std::size_t>(j)]);
        fit = BraggStopPerAtom(t.ratios.data(), S, n);
    }
    return static_cast<float>(JoinedStop(fit, t.ion.Z, perAmu, t.bethe));
}

double NuclearStopPerAtom(const Target& t, double E) {
    double nuclear = 0, ratios = 0;
    for (std::size_t j = 0; j < t.elements.size(); ++j) {
        nuclear += static_cast<double>(t.ratios[j]) * NuclearStop(t.nuclear[j], E);
        ratios += static_cast<double>(t.ratios[j]);
    }
    return nuclear / ratios;
}

}  // namespace

Ion ResolveIon(const ElementDatabase& db, std::string_view symbolOrZ, double mass) {
    const ElementRecord* r = db.FindElementBySymbol(symbolOrZ);
    int z = 0;
    const char* end = symbolOrZ.data() + symbolOrZ.size();
    const auto [ptr, ec] = std::from_chars(symbolOrZ.data(), end, z);
    if (!r && ec == std::errc() && ptr == end && z >= 1 &&
        z <= static_cast<int>(db.Elements().size()))
        r = &db.Elements()[static_cast<std::size_t>(z - 1)];
    if (!r)
        Fail(ErrorKind::UnknownName,
             "the ion \"" + std::string(symbolOrZ) + "\" is not in the element table");
    if (!std::isfinite(mass)) Fail(ErrorKind::BadValue, "the ion mass is not a finite number");
    Ion ion;
    ion.Z = r->AtomNum;
    ion.symbol = r->Symbol;
    // The window shows the default mass as general text and calculates with what it shows.
    ion.mass = mass > 0 ? mass : LeadingNumber(GeneralText(r->MAIW));
    ion.screening = r->ScrnFac;
    return ion;
}

Target MakeTarget(const ElementDatabase& db, const Ion& ion, const Material& material,
                  StoppingModel model) {
    if (material.elements.empty()) Fail(ErrorKind::BadValue, "the material has no element");
    if (!(ion.mass > 0) || !std::isfinite(ion.mass))
        Fail(ErrorKind::BadValue, "the ion mass is not a positive number");
    Target t;
    t.ion = ion;
    t.material = material;
    AppendBits(&t.key, ion.Z);
    AppendBits(&t.key, ion.mass);
    for (const MaterialElement& e : material.elements) {
        t.elements.push_back(ElementData(db, e.symbol));
        t.ratios.push_back(static_cast<float>(e.ratio));
        t.nuclear.push_back(
            NuclearFactors(ion.Z, ion.mass, t.elements.back().Z2, t.elements.back().M));
        AppendBits(&t.key, t.elements.back().Z2);
        AppendBits(&t.key, t.ratios.back());
    }
    t.meanMass = MeanAtomicMass(material, db);
    t.atomsPerCm3 = AtomsPerCm3(material, db);
    t.model = model;
    AppendBits(&t.key, static_cast<int>(model));
    t.keyHash = std::hash<std::string>()(t.key);
    for (const TargetElementData& e : t.elements) t.fit.push_back({e.Z2, e.vF, e.coef});
    if (model == StoppingModel::modern) t.bethe = BetheTargetOf(t, material);
    return t;
}

double TotalStop(const Target& t, double E) {
    return ElectronicStop(t, E) + NuclearStopPerAtom(t, E);
}

bool OutOfModel(const Target& t, double E) {
    const double perAmu = E / t.ion.mass;
    if (t.model == StoppingModel::classic)
        return perAmu < kModelLowEnergy || perAmu > kModelHighEnergy;
    if (perAmu < kModelLowEnergy || perAmu > kModernModelHighEnergy) return true;
    if (t.ion.Z <= 2 || perAmu >= JoinOf(t.ion.Z, t.bethe).high) return false;
    const double nuclear = NuclearStopPerAtom(t, E);
    return nuclear > kModernNuclearShareLimit * (nuclear + ElectronicStop(t, E));
}

std::string OutOfModelWarning(const std::string& what, StoppingModel model) {
    if (model == StoppingModel::modern)
        return what +
               " is outside the modern model's 1 keV/u to 10 GeV/u or where nuclear stopping is"
               " more than half the total; the result is extrapolated";
    return what + " is outside the model's 1 keV/u to 2 GeV/u; the result is extrapolated";
}

StoppingValues StoppingAt(const Target& t, double E) {
    if (!(E >= 0) || !std::isfinite(E))
        Fail(ErrorKind::BadValue, "the energy is not a finite number of at least 0 keV");
    StoppingValues v;
    v.energy = E;
    v.energyPerAmu = E / t.ion.mass;
    v.electronic = ElectronicStop(t, E);
    v.nuclear = NuclearStopPerAtom(t, E);
    v.total = v.electronic + v.nuclear;
    v.outOfModel = OutOfModel(t, E);
    if (!std::isfinite(v.electronic) || !std::isfinite(v.total))
        Fail(ErrorKind::CalculationFailed, "the stopping is not a finite number at this energy");
    return v;
}

double KevPerMgCm2(const Target& t, double evPerE15) {
    return evPerE15 * kAvogadro * kMassStopFactor / t.meanMass;
}

double KevPerUm(const Target& t, double evPerE15) {
    // eV per 1E15 atoms/cm2 times atoms/cm3 gives eV/cm; keV/um = eV/cm * 1e-3 * 1e-4.
    return evPerE15 / kAtomsPerE15 * t.atomsPerCm3 / kEvPerKev / kUmPerCm;
}

double EvPerAngstrom(const Target& t, double evPerE15) {
    return KevPerUm(t, evPerE15) / kKevUmPerEvA;
}

double MgCm2FromE15(const Target& t, double e15) {
    return e15 * kAtomsPerE15 * t.meanMass / kAvogadro * kMgPerG;
}

double E15FromMgCm2(const Target& t, double mgCm2) {
    return mgCm2 / kMgPerG * kAvogadro / t.meanMass / kAtomsPerE15;
}

double UmFromE15(const Target& t, double e15) {
    if (!(t.atomsPerCm3 > 0)) return 0;
    return e15 * kAtomsPerE15 / t.atomsPerCm3 * kUmPerCm;
}

double E15FromUm(const Target& t, double um) {
    if (!(t.atomsPerCm3 > 0))
        Fail(ErrorKind::BadValue,
             "a length needs a density: the material \"" + t.material.name + "\" has no density");
    return um / kUmPerCm * t.atomsPerCm3 / kAtomsPerE15;
}

}  // namespace fenra
