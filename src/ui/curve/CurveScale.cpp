#include "ui/curve/CurveScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fenra {

namespace {

// A depth is far beyond the range when the ion stops within this fraction of it, and far short
// of it when the ion keeps at least this fraction of its energy at the end.
constexpr double kFarBeyondDepthFraction = 0.2;
constexpr double kFarShortEnergyFraction = 0.8;
// keV per eV: the stopping is in eV/(1E15 atoms/cm2), the slab in 1E15 atoms/cm2.
constexpr double kKeVPerEv = 1e-3;
// Tick labels from ten million on are written in exponent form.
constexpr double kExponentFrom = 1e7;

// The smallest of 1, 2 or 5 times a power of ten that is at least v (> 0).
double RoundUpTo125(double v) {
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * decade >= v * (1 - 1e-9)) return m * decade;
    return 10 * decade;
}

}  // namespace

std::vector<double> RoundTicks(double max, int maxIntervals) {
    std::vector<double> ticks;
    if (!(max > 0) || !std::isfinite(max)) return ticks;
    const double step = RoundUpTo125(max / std::max(1, maxIntervals));
    // A tick that falls within rounding of max still counts.
    for (int k = 0; double(k) * step <= max * (1 + 1e-9); ++k) ticks.push_back(double(k) * step);
    return ticks;
}

std::string RoundTickText(double value, double step) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char text[64];
    if (std::fabs(value) >= kExponentFrom) {
        // 2E+09, 1.5E+09: the digits of a long number would run into the next label.
        std::snprintf(text, sizeof text, "%.6G", value);
        return text;
    }
    const int decimals =
        step > 0 && step < 1 ? static_cast<int>(std::ceil(-std::log10(step) - 1e-9)) : 0;
    std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 15), value);
    // 1.5 and 2 on a scale of halves, not 2.0: no trailing zeros, nor a trailing point.
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

CurveDepth FitOfCurveDepth(const CurveSnapshot& curve, CurveKind kind) {
    CurveDepth depth;
    const int n = curve.N();
    const double e0 = curve.ionEnergy;
    if (!IsDepthKind(kind) || n < 1 || !(curve.range > 0) || !(e0 > 0)) return depth;
    const double slab = double(curve.range) / n;
    double e = e0;
    for (int i = 1; i <= n; ++i) {
        e -= slab * double(curve.stop[static_cast<std::size_t>(i - 1)]) * kKeVPerEv;
        if (e <= 0) {
            if (i <= kFarBeyondDepthFraction * n) {
                depth.fit = DepthFit::FarBeyond;
                depth.stopDepth = i * slab;
            }
            return depth;
        }
    }
    if (e / e0 >= kFarShortEnergyFraction) {
        depth.fit = DepthFit::FarShort;
        depth.energyLeftFraction = e / e0;
    }
    return depth;
}

}  // namespace fenra
