#pragma once
// One computed curve and the ion values it was computed for: what a curve walk gives back, what
// a curve window owns and draws, and what a curve file is written from.

#include <string>
#include <vector>

#include "state/DataSet.h"

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

// The ion values of the curve taken from the data set as it is shown after the walk.
void SetCurveIon(CurveSnapshot& c, const DataSet& d);

// True when the copy has at least one positive stopping value (or, for an energy curve,
// one positive energy value): a curve worth saving.
bool HasPositivePoint(const std::vector<float>& values);

}  // namespace fenra
