#pragma once
// The axes of the range window's plot: a span of values on a linear or logarithmic scale, its
// ticks at round numbers, and the positions of values along it (0 at the start of the axis,
// 1 at its end).

#include <QString>
#include <optional>
#include <vector>

namespace fenra {

struct PlotAxis {
    double min = 0, max = 1;
    bool log = false;  // logarithmic: min and max positive, max a power of ten
};

// The axis over the values lo..hi (of one sign for a logarithmic axis: only positive values
// can be shown there): a linear axis from 0 to hi rounded up to 1, 2, 2.5 or 5 times a power
// of ten (from lo, when lo is below 0, rounded down to 1, 2 or 5 times one, to hi rounded up
// to one of those); a logarithmic one from the decade below the smallest positive value to the
// decade above hi. An empty span gets a width, never a division by 0.
PlotAxis FitAxis(double lo, double hi, bool log);

// A logarithmic axis that starts exactly at lo (> 0), the first point shown, and ends at the
// decade above hi: a depth axis wastes no decades in front of the path.
PlotAxis FitLogAxisFrom(double lo, double hi);

// Ticks within the axis: every step of 1, 2 or 5 times a power of ten on a linear axis (four
// to ten of them), every decade on a logarithmic one, and 2 and 5 times each decade too where
// fewer than two decades fall within it.
std::vector<double> AxisTicks(const PlotAxis& axis);

// The position of v along the axis; nothing for a value a logarithmic axis cannot show.
std::optional<double> AxisFraction(const PlotAxis& axis, double v);

// The value at a position along the axis.
double AxisValue(const PlotAxis& axis, double fraction);

// A tick's label: at most four significant digits, in exponent form (1e+04, 1e-05) from
// 10000 on and below 0.0001.
QString TickText(double v);

}  // namespace fenra
