#pragma once
// The scale of a curve window drawn at another size than designed, and what a depth curve says
// about its depth: plain functions over plain values, without Qt.
//
// At its designed size a curve window labels the fifths of each axis, as designed. Grown, it
// has room for more labels and puts them on round numbers: multiples of 1, 2 or 5 times a power
// of ten, written without a trailing decimal point.

#include <string>
#include <vector>

#include "state/CurveKind.h"
#include "state/CurveSnapshot.h"

namespace fenra {

// The ticks from 0 up to max (> 0) at the multiples of the smallest step of 1, 2 or 5 times a
// power of ten that makes at most maxIntervals intervals (at least 1); 0 is the first tick.
// Empty when max is not a positive finite number.
std::vector<double> RoundTicks(double max, int maxIntervals);

// A round tick's label: as many decimals as the step needs and no trailing zeros ("2400",
// "0.25", "1.5", "2"), "0" for zero; from 1E+07 on in exponent form ("2E+09", "1.5E+09").
std::string RoundTickText(double value, double step);

// How the depth of a depth curve (the main window's Range) compares with the ion's range.
enum class DepthFit {
    Fits,       // the ion stops, or loses much of its energy, within the depth
    FarBeyond,  // the ion stops within the first fifth of the depth
    FarShort,   // the ion keeps four fifths or more of its energy at the end of the depth
};

struct CurveDepth {
    DepthFit fit = DepthFit::Fits;
    double stopDepth = 0;           // FarBeyond: the depth of the first point with no energy left
    double energyLeftFraction = 0;  // FarShort: the energy at the end over the start energy
};

// The ion's energy along a depth curve, as the walk stepped it (each slab loses its thickness
// times the stopping at its entrance, per 1000 to keV), tells where it stops. Fits for the
// energy curve against stopping, and for a curve without a depth or an energy.
CurveDepth FitOfCurveDepth(const CurveSnapshot& curve, CurveKind kind);

}  // namespace fenra
