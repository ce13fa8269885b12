#pragma once
// The texts of the range window's units and numbers, in one place for the window, its table
// and its plot.

#include <QString>
#include <optional>

#include "range/Units.h"

namespace fenra {

// "eV/(1E15 atoms/cm2)", "keV/(mg/cm2)", "keV/µm", "eV/Å": the order of the unit list.
QString StopUnitDisplay(StopUnit unit);
StopUnit StopUnitAt(int index);  // kStopUnitCount of them

// "1E15 atoms/cm2", "mg/cm2", "µg/cm2", "nm", "µm", "mm": ThicknessUnit's order.
QString ThicknessUnitDisplay(ThicknessUnit unit);
constexpr int kThicknessUnitCount = 6;

// "eV", "keV", "MeV", "GeV", "keV/u", "MeV/u", "GeV/u": EnergyUnit's order.
QString EnergyUnitDisplay(EnergyUnit unit);
constexpr int kEnergyUnitCount = 7;

// The significant digits of the window's numbers unless the settings say otherwise, and the
// range a setting may choose from.
constexpr int kDefaultShownDigits = 6;
constexpr int kFewestShownDigits = 2, kMostShownDigits = 15;

// A result as the window shows it: `digits` significant digits, all of them, trailing zeros
// too ("5273.00", "48.6790"), so every number of a column has the same precision; exponent form
// below 0.0001 and from 10^digits on ("1.23457e+06"); '.' as the decimal point.
QString ShownNumber(double v, int digits = kDefaultShownDigits);

// A length given in µm as the window shows it, in the unit its size calls for and named:
// nm below 1 µm, µm below 1 mm, mm below 1 cm, cm from there ("27.6021 µm", "1.50000 mm").
// A number that rounds up to 1000 of its unit goes to the next ("999.9999 µm" is "1.00000 mm").
QString ShownLength(double um, int digits = kDefaultShownDigits);

// A number typed into a field: the whole text without surrounding blanks, '.' as the decimal
// point. Anything else reads as NaN, which the calculation refuses in its own words.
double TypedNumber(const QString& text);

// An energy typed into a field, "2 MeV", "2MeV", "500 keV/u" or a bare "2000": the number's
// text and the unit that ends it, with the unit words of the command line's energies
// (range/Units.h's SplitEnergyUnit). Without a unit, or with text before it that is no number,
// no unit: the text is then read whole as a number in the unit of the field's selector.
struct TypedEnergy {
    QString number;
    std::optional<EnergyUnit> unit;
};
TypedEnergy SplitTypedEnergy(const QString& text);

}  // namespace fenra
