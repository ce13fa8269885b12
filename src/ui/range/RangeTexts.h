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

// A result as the window shows it: six significant digits, '.' as the decimal point.
QString ShownNumber(double v);

// A number typed into a field: the whole text without surrounding blanks, '.' as the decimal
// point. Anything else reads as NaN, which the calculation refuses in its own words.
double TypedNumber(const QString& text);

}  // namespace fenra
