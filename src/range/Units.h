#pragma once
// Units a caller names by text (the Python module's unit= arguments), and the conversions of a
// target's stopping and thicknesses into them. The conversions themselves are IonTarget.h's.
//
// Stopping: "eV/(1e15 atoms/cm2)", "keV/(mg/cm2)", "eV/A", "keV/um" (the last two need a
// density). Thickness, depth or range: "e15/cm2" (also "1e15 atoms/cm2"), "mg/cm2", "ug/cm2",
// "nm", "um", "mm" (lengths need a density).

#include <string>
#include <string_view>

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

// "eV/(1e15 atoms/cm2), keV/(mg/cm2), eV/A or keV/um" and the like, for messages.
const char* StopUnitNames();
const char* ThicknessUnitNames();

bool IsLength(ThicknessUnit unit);

// A stopping in eV/(1E15 atoms/cm2) in the given unit; BadValue for a length unit when the
// target has no density.
double StopIn(const Target& t, double evPerE15, StopUnit unit);

// A thickness in the given unit in 1E15 atoms/cm2, and back; BadValue for a length unit when
// the target has no density.
double ThicknessToE15(const Target& t, double value, ThicknessUnit unit);
double ThicknessFromE15(const Target& t, double e15, ThicknessUnit unit);

}  // namespace fenra
