#include "ui/range/PlotScale.h"

#include <algorithm>
#include <cmath>

namespace fenra {

namespace {

// The smallest of 1, 2, 5 times a power of ten that is at least v (> 0).
double RoundUp125(double v) {
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= v * (1 - 1e-12)) return m * decade;
    return 10 * decade;
}

// The end of an axis from 0 over values up to v (> 0): the smallest of 1, 2, 2.5 and 5 times a
// power of ten that is at least v. The 2.5 keeps 2001 from taking an axis to 5000 (2500 is 5
// steps of 500); the axis still ends on a tick.
double RoundUpEnd(double v) {
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * decade >= v * (1 - 1e-12)) return m * decade;
    return 10 * decade;
}

double LinearStep(const PlotAxis& axis) {
    // At most ten ticks: a step of a tenth of the span, rounded up to 1, 2 or 5.
    return RoundUp125((axis.max - axis.min) / 10);
}

}  // namespace

PlotAxis FitAxis(double lo, double hi, bool log) {
    PlotAxis axis;
    axis.log = log;
    if (log) {
        if (!(hi > 0) || !std::isfinite(hi)) hi = 1;
        if (!(lo > 0) || lo > hi || !std::isfinite(lo)) lo = hi;
        axis.min = std::pow(10.0, std::floor(std::log10(lo)));
        axis.max = std::pow(10.0, std::ceil(std::log10(hi)));
        if (axis.max <= axis.min) axis.max = axis.min * 10;
        return axis;
    }
    if (!std::isfinite(lo)) lo = 0;
    if (!std::isfinite(hi)) hi = lo;
    axis.min = lo < 0 ? -RoundUp125(-lo) : 0;
    axis.max = hi > 0 ? (axis.min == 0 ? RoundUpEnd(hi) : RoundUp125(hi)) : 0;
    if (axis.max <= axis.min) axis.max = axis.min + 1;
    return axis;
}

PlotAxis FitLogAxisFrom(double lo, double hi) {
    PlotAxis axis = FitAxis(lo, hi, true);
    if (lo > 0 && std::isfinite(lo) && lo < axis.max) axis.min = lo;
    return axis;
}

std::vector<double> AxisTicks(const PlotAxis& axis) {
    std::vector<double> ticks;
    if (axis.log) {
        // A tolerance of a millionth of a decade keeps a bound that is a decade on the axis.
        const int first = static_cast<int>(std::ceil(std::log10(axis.min) - 1e-6));
        const int last = static_cast<int>(std::floor(std::log10(axis.max) + 1e-6));
        const bool fine = last - first < 1;
        for (int e = first - 1; e <= last; ++e)
            for (const double m : {1.0, 2.0, 5.0}) {
                const double v = m * std::pow(10.0, e);
                if ((m == 1 || fine) && v >= axis.min * (1 - 1e-9) && v <= axis.max * (1 + 1e-9))
                    ticks.push_back(v);
            }
        return ticks;
    }
    const double step = LinearStep(axis);
    const double first = std::ceil(axis.min / step - 1e-9);
    for (double k = first; k * step <= axis.max + step * 1e-9; k += 1)
        ticks.push_back(k * step == 0 ? 0.0 : k * step);
    return ticks;
}

std::optional<double> AxisFraction(const PlotAxis& axis, double v) {
    if (!axis.log) return (v - axis.min) / (axis.max - axis.min);
    if (!(v > 0)) return std::nullopt;
    return (std::log10(v) - std::log10(axis.min)) / (std::log10(axis.max) - std::log10(axis.min));
}

double AxisValue(const PlotAxis& axis, double fraction) {
    if (!axis.log) return axis.min + fraction * (axis.max - axis.min);
    const double lmin = std::log10(axis.min), lmax = std::log10(axis.max);
    return std::pow(10.0, lmin + fraction * (lmax - lmin));
}

QString TickText(double v) {
    return QString::number(v, 'g', 4);
}

}  // namespace fenra
