#pragma once
// Reading the numbers with units of the physics commands. Every reader throws PhysicsError
// (BadValue) whose message names the argument it was given.

#include <optional>
#include <string>
#include <string_view>

#include "range/IonTarget.h"
#include "state/NumberText.h"

namespace fenra {

// "5000", "5MeV", "1.25MeV/u", "300keV/u", "20eV", "1GeV": total energy in keV of an ion of
// mass `mass` (amu); units: range/Units.h's EnergyUnitOf, keV when none is given. `what` names
// the argument in a refusal ("ENERGY", "--from").
double ParseEnergyArgument(const std::string& text, double mass,
                           const std::string& what = "ENERGY");

// A thickness or range: a number with a unit of TypedThicknessUnitOf (A, nm, um, mm, cm, g/cm2,
// mg/cm2, ug/cm2, e15/cm2, ...), in 1E15 atoms/cm2 of target t (a length needs t's density).
// `what` names the argument in a refusal ("THICKNESS", "RANGE").
double ParseThicknessArgument(const std::string& text, const Target& t,
                              const std::string& what = "THICKNESS");

// A plain positive finite number (--mass, --density); `option` names it in messages.
// `NAME "text"`, an argument as a refusal names it ("--mass \"x\"").
Message QuotedArgument(const std::string& name, const std::string& text);

// `NAME "text": reason`, the refusal of one argument, its text shortened for the message.
Message RefusedArgument(const char* name, std::string_view text, const PhysicsError& e);

double ParsePositiveNumber(const std::string& text, const std::string& option);

// A finite number in C notation, all of the text, whatever the process locale (a window's
// German locale would make strtod stop at the '.'); nothing when the text is not one.
std::optional<double> FiniteNumberText(const std::string& text);

}  // namespace fenra
