#pragma once
// A curve window's points as CSV ("Save data…"): both coordinates of every point, with a header
// naming them and their units. The designed curve file (.Fcv) is written as before, beside it.

#include <string>

#include "calc/CurveWalk.h"
#include "files/FileError.h"
#include "state/CurveSnapshot.h"

namespace fenra {

// The header line of each kind: "depth_e15,stopping_eV_e15", "depth_e15,energy_keV",
// "energy_keV,stopping_eV_e15" (depth in 1E15 atoms/cm2, stopping in eV/(1E15 atoms/cm2)).
const char* CurveCsvHeader(CurveKind kind);

// The x coordinate of point i of a walk in N steps: for the depth kinds the depth i times the
// slab thickness (range / N); for Energy vs Stopping the energy the walk had reached after i
// energy steps, at which the stopping of point i was calculated.
double CurvePointX(CurveKind kind, const CurveSnapshot& c, int N, int i);

// The points of the copy, 0..N (as far as the copy holds them), in the order of the curve file:
// depth kinds from depth 0, Energy vs Stopping from energy 0 (point N) up to the full energy.
// Nine significant digits; a value not above 0 (an ion at rest, or the negative last energy of
// a depth walk) is written as 0. CR LF line ends; "" when N < 1.
std::string CurveCsvText(CurveKind kind, const CurveSnapshot& c, int N);

bool SaveCurveCsv(CurveKind kind, const CurveSnapshot& c, int N, const std::string& path,
                  FileError* error = nullptr);

}  // namespace fenra
