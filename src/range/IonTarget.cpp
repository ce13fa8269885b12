#include "range/IonTarget.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>

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

// The ratio as the Single the stopping weighs the element with: 0 or infinite is no weight.
float SingleRatio(const MaterialElement& e, const Material& m) {
    const float ratio = static_cast<float>(e.ratio);
    if (ratio == 0 || !std::isfinite(ratio))
        Fail(ErrorKind::BadValue, "the ratio " + NineDigitText(e.ratio) + " of \"" + e.symbol +
                                      "\" in \"" + m.name + "\" " +
                                      (ratio == 0 ? "underflows" : "overflows") +
                                      " a single-precision number (1.2e-38 to 3.4e38)");
    return ratio;
}

}  // namespace

void CheckIonMass(double mass, const std::string& what) {
    if (!std::isfinite(mass)) Fail(ErrorKind::BadValue, what + " is not a finite number");
    if (mass > kMaxIonMass)
        Fail(ErrorKind::BadValue,
             what + " is above " + NineDigitText(kMaxIonMass) + " amu, heavier than any nucleus");
}

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
             "the ion \"" + TextForMessage(symbolOrZ) + "\" is not in the element table");
    if (!std::isfinite(mass)) Fail(ErrorKind::BadValue, "the ion mass is not a finite number");
    CheckIonMass(mass, "the ion mass " + NineDigitText(mass) + " amu");
    Ion ion;
    ion.Z = r->AtomNum;
    ion.symbol = r->Symbol;
    // The window shows the default mass as general text and calculates with what it shows.
    ion.mass = mass > 0 ? mass : LeadingNumber(GeneralText(r->MAIW));
    ion.screening = r->ScrnFac;
    return ion;
}

Target MakeTarget(const ElementDatabase& db, const Ion& ion, const Material& material) {
    if (material.elements.empty()) Fail(ErrorKind::BadValue, "the material has no element");
    if (!(ion.mass > 0) || !std::isfinite(ion.mass))
        Fail(ErrorKind::BadValue, "the ion mass is not a positive number");
    CheckIonMass(ion.mass, "the ion mass " + NineDigitText(ion.mass) + " amu");
    Target t;
    t.ion = ion;
    t.material = material;
    AppendBits(&t.key, ion.Z);
    AppendBits(&t.key, ion.mass);
    for (const MaterialElement& e : material.elements) {
        t.elements.push_back(ElementData(db, e.symbol));
        t.ratios.push_back(SingleRatio(e, material));
        t.nuclear.push_back(
            NuclearFactors(ion.Z, ion.mass, t.elements.back().Z2, t.elements.back().M));
        AppendBits(&t.key, t.elements.back().Z2);
        AppendBits(&t.key, t.ratios.back());
    }
    t.meanMass = MeanAtomicMass(material, db);
    t.atomsPerCm3 = AtomsPerCm3(material, db);
    t.keyHash = std::hash<std::string>()(t.key);
    return t;
}

double TotalStop(const Target& t, double E) {
    // The energy per unit mass as the calculator forms it: both numbers as Singles.
    const float Eu = static_cast<float>(E) / static_cast<float>(t.ion.mass);
    const int n = static_cast<int>(t.elements.size());
    double S[kMaxMaterialElements];
    double nuclear = 0, ratios = 0;
    for (int j = 0; j < n; ++j) {
        S[j] = ElementStop(t.ion.Z, t.ion.screening, Eu, t.elements[j]);
        nuclear += static_cast<double>(t.ratios[j]) * NuclearStop(t.nuclear[j], E);
        ratios += static_cast<double>(t.ratios[j]);
    }
    const float electronic = static_cast<float>(BraggStopPerAtom(t.ratios.data(), S, n));
    return electronic + nuclear / ratios;
}

bool OutOfModel(const Target& t, double E) {
    const double perAmu = E / t.ion.mass;
    return perAmu < kModelLowEnergy || perAmu > kModelHighEnergy;
}

std::string OutOfModelWarning(const std::string& what) {
    return what + " is outside the model's 1 keV/u to 2 GeV/u; the result is extrapolated";
}

StoppingValues StoppingAt(const Target& t, double E) {
    if (!(E >= 0) || !std::isfinite(E))
        Fail(ErrorKind::BadValue, "the energy is not a finite number of at least 0 keV");
    StoppingValues v;
    v.energy = E;
    v.energyPerAmu = E / t.ion.mass;
    const float Eu = static_cast<float>(E) / static_cast<float>(t.ion.mass);
    const int n = static_cast<int>(t.elements.size());
    double S[kMaxMaterialElements];
    double ratios = 0;
    for (int j = 0; j < n; ++j) {
        S[j] = ElementStop(t.ion.Z, t.ion.screening, Eu, t.elements[j]);
        v.nuclear += static_cast<double>(t.ratios[j]) * NuclearStop(t.nuclear[j], E);
        ratios += static_cast<double>(t.ratios[j]);
    }
    v.electronic = static_cast<float>(BraggStopPerAtom(t.ratios.data(), S, n));
    v.nuclear /= ratios;
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
