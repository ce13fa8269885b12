#pragma once
// The texts of the range window's units and numbers, in one place for the window, its table
// and its plot.

#include <QString>

#include "range/Units.h"

namespace fenra {

// "eV/(1E15 atoms/cm2)", "keV/(mg/cm2)", "keV/µm", "eV/Å": the order of the unit list.
QString StopUnitDisplay(StopUnit unit);
StopUnit StopUnitAt(int index);  // kStopUnitCount of them

// "1E15 atoms/cm2", "mg/cm2", "µg/cm2", "nm", "µm", "mm": ThicknessUnit's order.
QString ThicknessUnitDisplay(ThicknessUnit unit);
constexpr int kThicknessUnitCount = 6;

// The significant digits of the window's numbers unless the settings say otherwise, and the
// range a setting may choose from.
constexpr int kDefaultShownDigits = 6;
constexpr int kFewestShownDigits = 2, kMostShownDigits = 15;

// A result as the window shows it: `digits` significant digits, all of them, trailing zeros
// too ("5273.00", "48.6790"), so every number of a column has the same precision; exponent form
// below 0.0001 and from 10^digits on ("1.23457e+06"); '.' as the decimal point.
QString ShownNumber(double v, int digits = kDefaultShownDigits);

// A number typed into a field: the whole text without surrounding blanks, '.' as the decimal
// point. Anything else reads as NaN, which the calculation refuses in its own words.
double TypedNumber(const QString& text);

}  // namespace fenra
