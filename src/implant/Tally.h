#pragma once
// The sums of a block of ions, merged block after block into the run's sums. Memory is set by
// the histograms, never by the number of ions.

#include <cstdint>
#include <vector>

#include "implant/Implant.h"
#include "implant/Moments.h"
#include "implant/PreparedStack.h"

namespace fenra {

struct Tally {
    uint64_t ions = 0, stopped = 0, backscattered = 0, transmitted = 0, collisions = 0;
    uint64_t beyondDepthRange = 0;
    std::vector<uint64_t> stoppedPerLayer;
    Moments depth, lateral, radial, path;
    Moments backEnergy, backAngle, transEnergy, transAngle;
    // keV summed over the ions.
    double electronic = 0, nuclear = 0, backscatteredEnergy = 0, transmittedEnergy = 0, rest = 0;
    std::vector<double> depthCounts, electronicDeposit, nuclearDeposit, displacements;
    std::vector<double> backSpectrum, transSpectrum, backAngles, transAngles;

    explicit Tally(const PreparedStack& s);
    void Merge(const Tally& b);
};

// The result of the merged sums.
ImplantResult Summarise(const Tally& t, const PreparedStack& s, uint64_t requested, bool cancelled);

}  // namespace fenra
