#pragma once
// How wide the answers of Range.h are: the energy spread, angular and lateral spread and mean
// charge of the ion behind each layer of a stack, and the spread of its range. The formulas
// are those of physics/Straggling.h, physics/Scattering.h and physics/ChargeState.h, carried
// through thick layers by the tables of SpreadTable.h.
//
// Units: energies keV, energy spreads keV (standard deviations), angles rad (projected on one
// plane), lateral spreads um, ranges 1E15 atoms/cm2.
// Validity: the formulas hold above kSpreadLowEnergy per nucleon and while the Gaussian
// propagation does (the ion keeps most of its energy, the angles stay small). Outside, the
// numbers are still given with outOfValidity set.

#include <limits>
#include <vector>

#include "range/Range.h"

namespace fenra {

// Below the Bohr velocity neither Bohr's straggling (with its low-velocity factor) nor the
// scattering power, which ignores the nuclear collisions that dominate there, holds.
constexpr double kSpreadLowEnergy = 25;  // keV/amu
// A layer that leaves less than this fraction of the entry energy: the energy distribution is
// far from Gaussian (the ion nearly stops).
constexpr double kNearlyStoppedFraction = 0.2;
// Projected angular spreads above this are beyond the small-angle approximation.
constexpr double kSmallAngleLimit = 0.2;  // rad

struct LayerSpread {
    static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    double energySigma = kUnknown;  // keV, behind the layer; unknown when the ion stops in it
    double angleSigma = kUnknown;   // rad, behind the layer; unknown when the ion stops in it
    // um, behind the layer, or at the stopping point of an ion that stops in it; unknown
    // unless this and every layer before it have a density
    double lateralSigma = kUnknown;
    double chargeMean = kUnknown;  // mean charge behind the layer; unknown when it stops
    bool outOfValidity = false;
};

// EnergyAfterStack with the spreads behind each layer, for an ion entering the first layer
// without spread, in one look-up of each layer's tables. *spreads gets one entry per layer of
// the path; on an error (EnergyAfterStack's) it holds those of the layers before.
StackResult EnergyAfterStackWithSpreads(const std::vector<Layer>& stack, double energyIn,
                                        std::vector<LayerSpread>* spreads,
                                        RangeCache& cache = SharedRangeCache());

// EnergyBeforeStack with the spreads behind each layer of the path it finds, for an ion
// entering the first layer without spread. *spreads gets one entry per layer; on an error
// (EnergyBeforeStack's) it is empty.
StackResult EnergyBeforeStackWithSpreads(const std::vector<Layer>& stack, double energyOut,
                                         std::vector<LayerSpread>* spreads,
                                         RangeCache& cache = SharedRangeCache());

// The energy spread (keV) at the point inside a layer of t where the ion has `energy`, for an
// ion that entered the layer with energyIn and spread sigmaIn (keV): the plot's band.
double EnergySigmaWithin(const Target& t, double energyIn, double sigmaIn, double energy,
                         RangeCache& cache = SharedRangeCache());

struct RangeSpread {
    double range = 0;  // 1E15 atoms/cm2
    double sigma = 0;  // 1E15 atoms/cm2, the range straggling
    bool outOfValidity = false;
};

// The range of an ion of energy E and its straggling sigma_R^2 = integral from 0 to E of
// (dOmega^2/dx) / S^3 dE. Errors as Range's.
RangeSpread RangeStraggling(const Target& t, double E, RangeCache& cache = SharedRangeCache());

// The warning of spreads outside their formulas' validity: `what` followed by ": outside the
// validity of the formulas (below 25 keV/u, an ion that nearly stops, or angles beyond
// 0.2 rad); estimates only". The colon keeps it right for one spread and for several.
Message SpreadValiditySentence(Message what);
std::string SpreadValidityWarning(const std::string& what);

}  // namespace fenra
