#pragma once
// Reading the numbers with units of the physics commands. Every reader throws PhysicsError
// (BadValue) whose message names the argument it was given.

#include <string>
#include <string_view>

#include "range/IonTarget.h"
#include "state/NumberText.h"

namespace fenra {

// "5000", "5MeV", "1.25MeV/u", "300keV/u": total energy in keV of an ion of mass `mass` (amu).
double ParseEnergyArgument(const std::string& text, double mass);

// A thickness or range: a number with nm, um, mm, mg/cm2, ug/cm2 or e15/cm2, in
// 1E15 atoms/cm2 of target t (a length needs t's density). `what` names the argument in a
// refusal ("THICKNESS", "RANGE").
double ParseThicknessArgument(const std::string& text, const Target& t,
                              const std::string& what = "THICKNESS");

// A plain positive finite number (--mass, --density); `option` names it in messages.
// `NAME "text"`, an argument as a refusal names it ("--mass \"x\"").
Message QuotedArgument(const std::string& name, const std::string& text);

// `NAME "text": reason`, the refusal of one argument, its text shortened for the message.
Message RefusedArgument(const char* name, std::string_view text, const PhysicsError& e);

double ParsePositiveNumber(const std::string& text, const std::string& option);

}  // namespace fenra
