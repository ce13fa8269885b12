#pragma once
// An ion in a material, resolved once against the element database: everything the electronic
// and nuclear stopping need, so that the stopping, range and layer functions take plain values.
// All functions here are pure and safe to call from several threads at once.
//
// Units: energies are the ion's total kinetic energy in keV; energy per unit mass in keV/amu;
// stopping in eV/(1E15 atoms/cm2); thicknesses and ranges in 1E15 atoms/cm2 unless named.
// Errors: PhysicsError (materials/PhysicsError.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "physics/ElectronicStopping.h"
#include "physics/NuclearStop.h"
#include "physics/StopUnits.h"
#include "physics/StoppingModel.h"

namespace fenra {

// The energies per unit mass (keV/amu) between which the stopping model holds. Outside them a
// result is still given, with outOfModel set: below, the fits are extrapolated towards 0; above,
// the classic high-energy fit grows without bound (5 % above Bethe's formula near 3 GeV/amu),
// while the modern model's Bethe formula holds to 10 GeV/amu.
constexpr double kModelLowEnergy = 1;                // keV/amu
constexpr double kModelHighEnergy = 2000000;         // keV/amu (2 GeV/amu), classic
constexpr double kModernModelHighEnergy = 10000000;  // keV/amu (10 GeV/amu), modern
// The modern model also warns for an ion heavier than helium where the nuclear stopping is more
// than this share of the total: there the electronic fit alone says little.
constexpr double kModernNuclearShareLimit = 0.5;

// The heaviest ion mass taken, in amu. The heaviest known nuclides weigh less than 300 amu; far
// above, the energies of the range table (up to 1e7 keV/amu times the mass) leave the range of
// the Singles the stopping is computed in, and the table could not be built.
constexpr double kMaxIonMass = 1000;  // amu

// Checks an ion mass in amu given by the user: finite and not above kMaxIonMass (0 and below
// mean the default mass where the caller allows it). BadValue naming `what` otherwise.
void CheckIonMass(double mass, const Message& what);

struct Ion {
    int16_t Z = 0;
    std::string symbol;   // as spelled in the element table
    double mass = 0;      // amu
    float shownMass = 0;  // the mass as the main window shows it (ShownMass): the Single the
                          // calculator divides the energy by
    float screening = 0;  // ScrnFac of the element table
};

// An ion by symbol ("He", exact spelling), atomic number ("2"), particle name ("p", "proton",
// "d", "deuteron", "t", "triton", "helion", "alpha") or isotope ("12C", "238U"; range/IonNames.h).
// mass <= 0 takes the isotope's measured atomic mass for a particle or isotope, else the mass of
// the most abundant isotope as the main window shows it (its 7-digit general text). Errors:
// UnknownName for an unknown symbol or number or an isotope without a measured mass; BadValue
// for a mass that is not finite.
Ion ResolveIon(const ElementDatabase& db, std::string_view symbolOrZ, double mass = 0);

struct Target {
    Ion ion;
    Material material;
    StoppingModel model = kDefaultStoppingModel;
    CompoundData compound;                    // elements and Single ratios, material's order
    std::vector<NuclearStopFactors> nuclear;  // per element
    double meanMass = 0;                      // amu per atom (ratio-weighted NatMass)
    double atomsPerCm3 = 0;                   // 0 when the material has no density
    std::string key;                          // identifies model, ion, mass and composition
    uint64_t keyHash = 0;
};

// Errors: UnknownName for an element not in the table; CalculationFailed when the table has no
// PCoef or HiCoef record for one; BadValue for an empty material or a non-positive ion mass.
Target MakeTarget(const ElementDatabase& db, const Ion& ion, const Material& material,
                  StoppingModel model = kDefaultStoppingModel);

// An error in the material text itself (a malformed formula, an unknown symbol or name), so
// that a caller can say which of its arguments it concerns.
class MaterialTextError : public PhysicsError {
  public:
    using PhysicsError::PhysicsError;
};

// The ion in the material `text` names (element symbol, formula or listed name, see
// ResolveMaterial), with `density` (g/cm3) in place of the material's own when one is given:
// what the batch calculator, the Python module and the range window all resolve.
// Errors: MaterialTextError for the text; BadValue for a density that is not a positive
// finite number ("the density ..."); then MakeTarget's.
Target ResolveTarget(const ElementDatabase& db, const MaterialList& list, const Ion& ion,
                     std::string_view text, std::optional<double> density = std::nullopt,
                     StoppingModel model = kDefaultStoppingModel);

struct StoppingValues {
    double energy = 0;        // keV
    double energyPerAmu = 0;  // keV/amu
    float electronic = 0;     // eV/(1E15 atoms/cm2); classic: the main window's StopEvAtoms
    double nuclear = 0;       // eV/(1E15 atoms/cm2), ZBL universal, Bragg's rule
    double total = 0;         // electronic + nuclear
    bool outOfModel = false;  // where the model does not hold (OutOfModel)
};

// Stopping at energy E (keV, >= 0). Errors: BadValue for a negative or non-finite E;
// CalculationFailed when the physics gives no finite result.
StoppingValues StoppingAt(const Target& t, double E);

// The total stopping used in the range integral, without checks (E > 0).
double TotalStop(const Target& t, double E);

// Whether the model does not hold at E: classic outside 1 keV/u to 2 GeV/u; modern outside
// 1 keV/u to 10 GeV/u, and for ions heavier than helium where the nuclear stopping is more than
// half the total.
bool OutOfModel(const Target& t, double E);

// The warning of a result for an energy outside the model's range: `what` ("ENERGY 5keV",
// "the energy needed to pass the stack") followed by "is outside the model's 1 keV/u to
// 2 GeV/u; the result is extrapolated" (classic) or by the modern model's limits.
Message OutOfModelSentence(Message what, StoppingModel model = kDefaultStoppingModel);

// Where the model holds, as its warnings word it: "the model's 1 keV/u to 2 GeV/u" (classic).
Message ModelDomainSentence(StoppingModel model);
std::string OutOfModelWarning(const std::string& what, StoppingModel model = kDefaultStoppingModel);

// Unit conversions of a stopping (ConvertStop with the target's mean mass and atomic density)
// or an areal density of this target.
StopUnitBasis StopBasisOf(const Target& t);
double KevPerMgCm2(const Target& t, double evPerE15);    // eV/(1E15 atoms/cm2) -> keV/(mg/cm2)
double KevPerUm(const Target& t, double evPerE15);       // -> keV/um; 0 without a density
double EvPerAngstrom(const Target& t, double evPerE15);  // -> eV/Angstrom; 0 without a density
double MgCm2FromE15(const Target& t, double e15);
double E15FromMgCm2(const Target& t, double mgCm2);
double UmFromE15(const Target& t, double e15);  // 0 without a density
double E15FromUm(const Target& t, double um);   // BadValue without a density

}  // namespace fenra
