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
    // Per ion: the energy to electrons and to nuclei (keV), displacements and collisions.
    Moments ionElectronic, ionNuclear, ionDisplacements, ionCollisions;
    // keV summed over the ions.
    double electronic = 0, nuclear = 0, backscatteredEnergy = 0, transmittedEnergy = 0, rest = 0;
    std::vector<double> depthCounts, electronicDeposit, nuclearDeposit, displacements;
    std::vector<double> backSpectrum, transSpectrum, backAngles, transAngles;
    // The batch statistics of the deposits: the blocks added, and per bin the sum over blocks
    // of (block sum)^2 / (block ions).
    uint64_t blocks = 0;
    std::vector<double> electronicSquares, nuclearSquares, displacementSquares;

    explicit Tally(const PreparedStack& s);
    void Merge(const Tally& b);
    // Merges the tally of one block of ions and adds it to the batch statistics.
    void AddBlock(const Tally& block);
};

// The result of the merged sums.
ImplantResult Summarise(const Tally& t, const PreparedStack& s, uint64_t requested, bool cancelled);

}  // namespace fenra
