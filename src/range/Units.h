#pragma once
// Units a caller names by text (the Python module's unit= arguments), and the conversions of a
// target's stopping and thicknesses into them. The conversions themselves are IonTarget.h's.
//
// Stopping: "eV/(1e15 atoms/cm2)", "keV/(mg/cm2)", "eV/A", "keV/um" (the last two need a
// density). Thickness, depth or range: "e15/cm2" (also "1e15 atoms/cm2"), "mg/cm2", "ug/cm2",
// "nm", "um", "mm" (lengths need a density).
//
// The typed units below add the spellings people write, each a base unit above times a power of
// ten: energies in eV, keV, MeV, GeV and per unit mass (keV/u, MeV/u, GeV/u, u the atomic mass
// unit: the ion's mass in amu times the energy per u); stopping also in MeV/(mg/cm2), MeV cm2/g
// and keV/nm; thicknesses also in A or \u00c5 (Angstrom), cm, g/cm2 and \u00b5g/cm2.

#include <string>
#include <string_view>

#include "messages/Message.h"
#include "physics/StopUnits.h"
#include "range/IonTarget.h"

namespace fenra {

// StopUnit is physics/StopUnits.h's.
enum class ThicknessUnit { E15, MgCm2, UgCm2, Nm, Um, Mm };

// False for a text that names no unit of the kind.
bool StopUnitOf(std::string_view text, StopUnit* unit);
bool ThicknessUnitOf(std::string_view text, ThicknessUnit* unit);

// The first spelling of a unit above ("eV/(1e15 atoms/cm2)", "keV/um", "e15/cm2", "um"),
// for messages and headings.
const char* StopUnitText(StopUnit unit);
const char* ThicknessUnitText(ThicknessUnit unit);

bool IsLength(ThicknessUnit unit);

enum class EnergyUnit { Ev, Kev, Mev, Gev, KevPerU, MevPerU, GevPerU };

// A unit as typed: a base unit and the number of typed units in one base unit.
struct TypedStopUnit {
    StopUnit base = StopUnit::EvE15;
    double perBase = 1;
};
struct TypedThicknessUnit {
    ThicknessUnit base = ThicknessUnit::E15;
    double perBase = 1;
};

// False for a text that names no unit of the kind (exact spelling).
bool EnergyUnitOf(std::string_view text, EnergyUnit* unit);
bool TypedStopUnitOf(std::string_view text, TypedStopUnit* unit);
bool TypedThicknessUnitOf(std::string_view text, TypedThicknessUnit* unit);

// The unit that ends `text` (the longest spelling of the kind that does) and the text before
// it; false, with *number the whole text, when no spelling ends it.
bool SplitEnergyUnit(std::string_view text, std::string_view* number, EnergyUnit* unit);
bool SplitThicknessUnit(std::string_view text, std::string_view* number, TypedThicknessUnit* unit);

// "eV, keV, MeV, GeV, keV/u, MeV/u or GeV/u" and the like, for messages.
Message EnergyUnitNames();
Message TypedStopUnitNames();
Message TypedThicknessUnitNames();

// The column name of a stopping in the unit ("eV_e15", "MeV_cm2_g", "keV_nm").
const char* TypedStopUnitSlug(std::string_view text);

// An energy in the unit as the ion's total kinetic energy in keV, and back; massAmu is the
// ion's mass for the units per u.
double EnergyToKev(double value, EnergyUnit unit, double massAmu);
double EnergyFromKev(double keV, EnergyUnit unit, double massAmu);

// A stopping in eV/(1E15 atoms/cm2) in the given unit; BadValue for a length unit when the
// target has no density.
double StopIn(const Target& t, double evPerE15, StopUnit unit);

// A thickness in the given unit in 1E15 atoms/cm2, and back; BadValue for a length unit when
// the target has no density.
double ThicknessToE15(const Target& t, double value, ThicknessUnit unit);
double ThicknessFromE15(const Target& t, double e15, ThicknessUnit unit);

// The same in a typed unit.
double StopIn(const Target& t, double evPerE15, const TypedStopUnit& unit);
double ThicknessToE15(const Target& t, double value, const TypedThicknessUnit& unit);
double ThicknessFromE15(const Target& t, double e15, const TypedThicknessUnit& unit);

}  // namespace fenra
