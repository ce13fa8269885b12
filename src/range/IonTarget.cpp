#include "range/IonTarget.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "elements/TargetElements.h"
#include "materials/MaterialExcitation.h"
#include "physics/ModernStop.h"
#include "physics/ModernTable.h"
#include "physics/StopUnits.h"
#include "range/IonNames.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kAtomsPerE15 = 1e15;
constexpr double kAtomsPer1E22 = 1e22;
constexpr double kMgPerG = 1000;
constexpr double kUmPerCm = 1e4;
// A material of known density below this (g/cm3) is a gas for the density effect.
constexpr double kGasDensityLimit = 0.01;

[[noreturn]] void Fail(ErrorKind kind, PhysicsText id, std::vector<Message> args = {}) {
    throw PhysicsError(kind, id, std::move(args));
}

template <typename T>
void AppendBits(std::string* key, T v) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    key->append(bytes, sizeof v);
}

TargetElementData ElementData(const ElementDatabase& db, const std::string& symbol) {
    const ElementRecord* r = db.FindElementBySymbol(symbol);
    if (!r) Fail(ErrorKind::UnknownName, PhysicsText::ElementNotInTable, {Value(symbol)});
    TargetElementData t = TargetElementOf(*r);
    // The high-energy coefficients too: a range integral passes every energy.
    for (const CoefficientTable table : {CoefficientTable::PCoef, CoefficientTable::HiCoef})
        if (!ReadCoefficients(db, table, &t))
            Fail(ErrorKind::CalculationFailed, PhysicsText::NoCoefficientRecord,
                 {Value(CoefficientTableName(table)), Value(symbol)});
    return t;
}

// The ratio as the Single the stopping weighs the element with: 0 or infinite is no weight.
float SingleRatio(const MaterialElement& e, const Material& m) {
    const float ratio = static_cast<float>(e.ratio);
    if (ratio == 0 || !std::isfinite(ratio))
        Fail(ErrorKind::BadValue,
             ratio == 0 ? PhysicsText::RatioUnderflows : PhysicsText::RatioOverflows,
             {Value(NineDigitText(e.ratio)), Value(e.symbol), Value(m.name)});
    return ratio;
}

// The material as the modern model's Bethe formula takes it: its own mean excitation energy
// when it has a measured one, its density effect from its density (a gas below
// kGasDensityLimit).
BetheTarget BetheTargetOf(const CompoundData& c, const Material& material) {
    int Z[kMaxMaterialElements];
    double ratios[kMaxMaterialElements], masses[kMaxMaterialElements];
    const int n = static_cast<int>(c.elements.size());
    for (int j = 0; j < n; ++j) {
        Z[j] = c.elements[static_cast<std::size_t>(j)].Z2;
        ratios[j] = material.elements[static_cast<std::size_t>(j)].ratio;
        masses[j] = c.elements[static_cast<std::size_t>(j)].M;
    }
    const bool gas = material.density > 0 && material.density < kGasDensityLimit;
    return BetheTargetOfCompound(Z, ratios, masses, n, material.density,
                                 NamedMeanExcitation(material.name), gas);
}

// The stopping the range integral and StoppingAt share: electronic (a Single, the
// calculator's value) and nuclear, both per atom, by Bragg's rule.
struct StoppingParts {
    float electronic = 0;
    double nuclear = 0;
};

StoppingParts StoppingPartsAt(const Target& t, double E) {
    // The energy per unit mass as the calculator forms it: the energy as a Single, over the
    // mass as the main window shows it (a mass of more than 7 digits is rounded there).
    const float Eu = static_cast<float>(E) / t.ion.shownMass;
    const StoppingIon ion{t.ion.Z, t.ion.screening, t.ion.mass};
    StoppingParts p;
    p.electronic = static_cast<float>(CompoundStop(ion, Eu, t.compound, t.model));
    double ratios = 0;
    for (std::size_t j = 0; j < t.compound.elements.size(); ++j) {
        p.nuclear += static_cast<double>(t.compound.ratios[j]) * NuclearStop(t.nuclear[j], E);
        ratios += static_cast<double>(t.compound.ratios[j]);
    }
    p.nuclear /= ratios;
    return p;
}

// What the modern model's stopping depends on beyond the composition: the material's mean
// excitation energy (its own or by Bragg's rule) and its density effect (from its density), so
// that water and H2O, or a material at two densities, are told apart.
void AppendBetheKey(std::string* key, const BetheTarget& b, float screening) {
    AppendBits(key, screening);
    AppendBits(key, b.lnI);
    AppendBits(key, b.ownDensityEffect);
    const SternheimerParameters& d = b.compoundDensity;
    for (double v : {d.X0, d.X1, d.a, d.m, d.Cbar, d.delta0}) AppendBits(key, v);
}

// The modern tables built so far, by target key: a program that resolves the same ion and
// material again and again (a script calling one function per number does) builds each table
// once. When full the memo is emptied; the targets keep the tables they hold.
constexpr std::size_t kModernTableMemoCapacity = 256;

std::shared_ptr<const ModernTable> ModernTableOf(const Target& t) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const ModernTable>> memo;
    {
        const std::lock_guard lock(mutex);
        const auto found = memo.find(t.key);
        if (found != memo.end()) return found->second;
    }
    // Built outside the lock: two threads may build the same table, and one of them is kept.
    auto table = MakeModernTable(StoppingIon{t.ion.Z, t.ion.screening, t.ion.mass}, t.compound);
    const std::lock_guard lock(mutex);
    if (memo.size() >= kModernTableMemoCapacity) memo.clear();
    return memo.emplace(t.key, std::move(table)).first->second;
}

}  // namespace

void CheckIonMass(double mass, const Message& what) {
    if (!std::isfinite(mass)) Fail(ErrorKind::BadValue, PhysicsText::NotFinite, {what});
    if (mass > kMaxIonMass)
        Fail(ErrorKind::BadValue, PhysicsText::IonMassTooHeavy,
             {what, Value(NineDigitText(kMaxIonMass))});
}

namespace {

// The element and the isotope's mass of a particle name ("alpha") or a mass number before a
// symbol ("12C"); nullptr for any other text. UnknownName for a symbol not in the table or an
// isotope without a measured mass.
const ElementRecord* IsotopeOf(const ElementDatabase& db, std::string_view text,
                               double* isotopeMass) {
    int Z = 0, A = 0;
    std::string_view symbol;
    if (const std::optional<IsotopeName> p = ParticleNamed(text)) {
        Z = p->Z;
        A = p->A;
    } else if (SplitMassNumber(text, &A, &symbol)) {
        const ElementRecord* r = db.FindElementBySymbol(symbol);
        if (!r)
            Fail(ErrorKind::UnknownName, PhysicsText::IonNotInTable, {Value(TextForMessage(text))});
        Z = r->AtomNum;
    } else {
        return nullptr;
    }
    if (Z < 1 || Z > static_cast<int>(db.Elements().size()))
        Fail(ErrorKind::UnknownName, PhysicsText::IonNotInTable, {Value(TextForMessage(text))});
    const ElementRecord* r = &db.Elements()[static_cast<std::size_t>(Z - 1)];
    const std::optional<double> mass = IsotopeMass(Z, A);
    if (!mass) {
        const MassNumberRange known = MassNumbersOf(Z);
        Fail(ErrorKind::UnknownName, PhysicsText::IsotopeNoMass,
             {Value(TextForMessage(text)), Value(r->Symbol), Value(std::to_string(known.lowest)),
              Value(std::to_string(known.highest))});
    }
    *isotopeMass = *mass;
    return r;
}

Message IonMassValue(double mass) {
    return Sentence(PhysicsText::IonMassValue, {Value(NineDigitText(mass))});
}

}  // namespace

Ion ResolveIon(const ElementDatabase& db, std::string_view symbolOrZ, double mass) {
    double isotopeMass = 0;
    const ElementRecord* r = db.FindElementBySymbol(symbolOrZ);
    if (!r) r = IsotopeOf(db, symbolOrZ, &isotopeMass);
    int z = 0;
    const char* end = symbolOrZ.data() + symbolOrZ.size();
    const auto [ptr, ec] = std::from_chars(symbolOrZ.data(), end, z);
    if (!r && ec == std::errc() && ptr == end && z >= 1 &&
        z <= static_cast<int>(db.Elements().size()))
        r = &db.Elements()[static_cast<std::size_t>(z - 1)];
    if (!r)
        Fail(ErrorKind::UnknownName, PhysicsText::IonNotInTable,
             {Value(TextForMessage(symbolOrZ))});
    if (!std::isfinite(mass)) Fail(ErrorKind::BadValue, PhysicsText::IonMassNotFinite);
    CheckIonMass(mass, IonMassValue(mass));
    Ion ion;
    ion.Z = r->AtomNum;
    ion.symbol = r->Symbol;
    // The window shows the default mass as general text and calculates with what it shows; an
    // isotope named takes its measured mass as it is.
    ion.mass = mass > 0          ? mass
               : isotopeMass > 0 ? isotopeMass
                                 : LeadingNumber(GeneralText(r->MAIW));
    ion.shownMass = ShownMass(static_cast<float>(ion.mass));
    ion.screening = r->ScrnFac;
    return ion;
}

Target MakeTarget(const ElementDatabase& db, const Ion& ion, const Material& material,
                  StoppingModel model) {
    if (material.elements.empty()) Fail(ErrorKind::BadValue, PhysicsText::MaterialNoElement);
    if (!(ion.mass > 0) || !std::isfinite(ion.mass))
        Fail(ErrorKind::BadValue, PhysicsText::IonMassNotPositive);
    CheckIonMass(ion.mass, IonMassValue(ion.mass));
    Target t;
    t.ion = ion;
    t.material = material;
    t.model = model;
    AppendBits(&t.key, model);
    AppendBits(&t.key, ion.Z);
    AppendBits(&t.key, ion.mass);
    for (const MaterialElement& e : material.elements) {
        const TargetElementData& el = t.compound.elements.emplace_back(ElementData(db, e.symbol));
        t.compound.ratios.push_back(SingleRatio(e, material));
        t.nuclear.push_back(NuclearFactors(ion.Z, ion.mass, el.Z2, el.M));
        AppendBits(&t.key, el.Z2);
        AppendBits(&t.key, t.compound.ratios.back());
    }
    t.meanMass = MeanAtomicMass(material, db);
    t.atomsPerCm3 = AtomsPerCm3(material, db);
    if (model == StoppingModel::modern) {
        t.compound.bethe = BetheTargetOf(t.compound, material);
        AppendBetheKey(&t.key, t.compound.bethe, ion.screening);
        t.compound.modern = ModernTableOf(t);
    }
    t.keyHash = std::hash<std::string>()(t.key);
    return t;
}

Target ResolveTarget(const ElementDatabase& db, const MaterialList& list, const Ion& ion,
                     std::string_view text, std::optional<double> density, StoppingModel model) {
    Material m;
    try {
        m = ResolveMaterial(text, db, list);
    } catch (const PhysicsError& e) {
        throw MaterialTextError(e.Kind(), e.Reason());
    }
    if (density) {
        CheckDensity(*density, Sentence(PhysicsText::TheDensity));
        m.density = *density;
    }
    return MakeTarget(db, ion, m, model);
}

double TotalStop(const Target& t, double E) {
    const StoppingParts p = StoppingPartsAt(t, E);
    return p.electronic + p.nuclear;
}

namespace {

// OutOfModel with the stopping at E already at hand, or worked out when it is needed (parts
// null).
bool OutOfModelWith(const Target& t, double E, const StoppingParts* parts) {
    const double perAmu = E / t.ion.mass;
    if (t.model == StoppingModel::classic)
        return perAmu < kModelLowEnergy || perAmu > kModelHighEnergy;
    if (perAmu < kModelLowEnergy || perAmu > kModernModelHighEnergy) return true;
    if (t.ion.Z <= 2) return false;
    const double joinEnd =
        t.compound.modern ? t.compound.modern->Join().high : JoinOf(t.ion.Z, t.compound.bethe).high;
    if (perAmu >= joinEnd) return false;
    const StoppingParts p = parts ? *parts : StoppingPartsAt(t, E);
    return p.nuclear > kModernNuclearShareLimit * (p.nuclear + p.electronic);
}

}  // namespace

bool OutOfModel(const Target& t, double E) {
    return OutOfModelWith(t, E, nullptr);
}

Message ModelDomainSentence(StoppingModel model) {
    return Sentence(model == StoppingModel::modern ? PhysicsText::ModernModelDomain
                                                   : PhysicsText::ClassicModelDomain);
}

Message OutOfModelSentence(Message what, StoppingModel model) {
    return Sentence(PhysicsText::OutsideModel, {std::move(what), ModelDomainSentence(model)});
}

std::string OutOfModelWarning(const std::string& what, StoppingModel model) {
    return Words(OutOfModelSentence(Value(what), model));
}

StoppingValues StoppingAt(const Target& t, double E) {
    if (!(E >= 0) || !std::isfinite(E)) Fail(ErrorKind::BadValue, PhysicsText::EnergyNotFiniteKev);
    StoppingValues v;
    v.energy = E;
    v.energyPerAmu = E / t.ion.mass;
    const StoppingParts p = StoppingPartsAt(t, E);
    v.electronic = p.electronic;
    v.nuclear = p.nuclear;
    v.total = v.electronic + v.nuclear;
    v.outOfModel = OutOfModelWith(t, E, &p);
    if (!std::isfinite(v.electronic) || !std::isfinite(v.total))
        Fail(ErrorKind::CalculationFailed, PhysicsText::StoppingNotFinite);
    return v;
}

StopUnitBasis StopBasisOf(const Target& t) {
    return {t.meanMass, t.atomsPerCm3 / kAtomsPer1E22};
}

double KevPerMgCm2(const Target& t, double evPerE15) {
    return ConvertStop(evPerE15, StopUnit::KevMgCm2, StopBasisOf(t));
}

double KevPerUm(const Target& t, double evPerE15) {
    return ConvertStop(evPerE15, StopUnit::KevUm, StopBasisOf(t));
}

double EvPerAngstrom(const Target& t, double evPerE15) {
    return ConvertStop(evPerE15, StopUnit::EvAngstrom, StopBasisOf(t));
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
        Fail(ErrorKind::BadValue, PhysicsText::LengthNeedsDensity, {Value(t.material.name)});
    return um / kUmPerCm * t.atomsPerCm3 / kAtomsPerE15;
}

}  // namespace fenra
