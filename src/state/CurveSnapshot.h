#pragma once
// A curve window's own copy of a curve and of the ion values it was computed for, taken when
// the window draws; the window saves from this copy, whatever is calculated afterwards.

#include <string>
#include <vector>

#include "state/WorkingState.h"

namespace fenra {

struct CurveSnapshot {
    std::vector<float> stop;    // points 0..N, eV/(1E15 atoms/cm2)
    std::vector<float> energy;  // points 0..N, keV
    std::string ionName;
    float ionMass = 0;    // amu
    float ionEnergy = 0;  // keV
    float range = 0;      // 1E15 atoms/cm2

    int N() const { return static_cast<int>(stop.size()) - 1; }
};

// Copies CurveStop and CurveEnergy (points 0..SlabCount) and the ion values of the current
// data set.
CurveSnapshot CopyCurveData(const WorkingState& s);

// True when the copy has at least one positive stopping value (or, for an energy curve,
// one positive energy value): a curve worth saving.
bool HasPositivePoint(const std::vector<float>& values);

}  // namespace fenra
