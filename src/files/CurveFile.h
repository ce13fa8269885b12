#pragma once
// The curve data file (.Fcv) of each curve kind, written from a curve window's own copy.

#include <string>

#include "files/FileError.h"
#include "state/CurveKind.h"
#include "state/CurveSnapshot.h"

namespace fenra {

// The whole file of a kind: header lines, then N + 1 value lines ("##.####" for a value
// above 0, " 0 " otherwise), CR LF after each line. targetText is the window's target label.
std::string DepthStopCurveText(const CurveSnapshot& c, const std::string& targetText, int N);
std::string DepthEnergyCurveText(const CurveSnapshot& c, const std::string& targetText, int N);
std::string EnergyStopCurveText(const CurveSnapshot& c, const std::string& targetText, int N);

std::string CurveFileText(CurveKind kind, const CurveSnapshot& c, const std::string& targetText,
                          int N);

bool SaveCurve(CurveKind kind, const CurveSnapshot& c, const std::string& targetText, int N,
               const std::string& path, FileError* error = nullptr);

}  // namespace fenra
