#pragma once
// The range of an ion in a material as a table: the exact range integral at nodes from
// kTableLowEnergy to kTableHighEnergy keV/amu, with the stopping there, read between nodes by
// cubic Hermite interpolation (its derivative at the nodes is 1/S, exactly). Nodes sit on a
// grid of 8 per octave; an interval whose interpolation at its middle misses the exact integral
// by more than kTableTolerance (relative) is halved, so the steps and kinks of the model (the
// 10000 keV/amu join, the heavy-ion low-velocity switch, the screening ramps) end up between
// nodes a hair apart. Known breakpoints (ModelBreakpoints) are nodes from the start.
//
// A table never changes after it is built: it can be read from several threads at once.

#include <cstdint>
#include <vector>

#include "range/IonTarget.h"

namespace fenra {

constexpr double kTableLowEnergy = 0.01;    // keV/amu
constexpr double kTableHighEnergy = 1.0e7;  // keV/amu (10 GeV/amu)
constexpr double kTableTolerance = 1e-8;    // relative, at each interval's middle

// The energies (keV, ascending) where the model's stopping has a step or a kink by
// construction: 1 keV/amu (helium's charge floor), 25 and 10000 keV/amu (the proton fit's
// regions), the heavy-ion switch to the low-velocity formula for each element, and the switch
// of the nuclear stopping fit at reduced energy 30 for each element; with the modern model also
// the two ends of its join to Bethe's formula (JoinOf).
std::vector<double> ModelBreakpoints(const Target& t);

// The range in 1E15 atoms/cm2 by direct adaptive integration from 0 to E, without a table:
// slow; the reference the table is checked against, and the path for energies beyond it.
double IntegrateRange(const Target& t, double E);

// The integral of 1/S_total from a to b (keV), 0 <= a <= b, in 1E15 atoms/cm2.
double IntegrateRangeBetween(const Target& t, double a, double b);

struct RangeInterval {
    double e0 = 0, e1 = 0;  // keV
    double r0 = 0, r1 = 0;  // 1E15 atoms/cm2
    double d0 = 0, d1 = 0;  // dR/dE at e0 (from above) and at e1 (from below)
};

// The highest energy (keV) the stopping model holds for this ion: both the energy and the energy
// per unit mass stay within the Singles the stopping is computed in.
double HighestEnergy(const Target& t);

// The cubic Hermite interpolation of the range on one interval, at e0 <= E <= e1.
inline double RangeOnInterval(const RangeInterval& iv, double E) {
    const double h = iv.e1 - iv.e0;
    const double s = (E - iv.e0) / h;
    const double s2 = s * s, s3 = s2 * s;
    return iv.r0 * (2 * s3 - 3 * s2 + 1) + h * iv.d0 * (s3 - 2 * s2 + s) +
           iv.r1 * (3 * s2 - 2 * s3) + h * iv.d1 * (s3 - s2);
}

// dR/dE on one interval at s = (E - e0) / (e1 - e0), 0 <= s <= 1: the derivative of
// RangeOnInterval.
inline double SlopeOnInterval(const RangeInterval& iv, double s) {
    return (iv.r1 - iv.r0) / (iv.e1 - iv.e0) * (6 * s - 6 * s * s) +
           iv.d0 * (3 * s * s - 4 * s + 1) + iv.d1 * (3 * s * s - 2 * s);
}

class RangeTable {
  public:
    explicit RangeTable(const Target& t);  // builds it: about a thousand stopping values

    // Range at E (keV, >= 0) in 1E15 atoms/cm2; beyond the table by direct integration.
    double Range(double E) const;

    // The energy whose range is R (>= 0), inverse of Range to a relative 1e-13.
    // CalculationFailed when R is beyond the range of HighestEnergy.
    double EnergyForRange(double R) const;

    double LowEnergy() const { return eLow_; }
    double HighEnergy() const { return eHigh_; }
    std::size_t IntervalCount() const { return intervals_.size(); }

    // The intervals, ascending in energy, and the one holding E (LowEnergy() <= E <
    // HighEnergy()); the straggling tables are built on the same nodes.
    const std::vector<RangeInterval>& Intervals() const { return intervals_; }
    std::size_t IntervalOf(double E) const;

    // dR/dE at E inside the table, from the interpolation: 1000 / S_total, within about 1e-6
    // of the stopping, and exact at the nodes.
    double SlopeAt(double E) const;

  private:
    double HermiteRange(const RangeInterval& iv, double E) const;

    Target target_;
    double eLow_ = 0, eHigh_ = 0;
    double rLow_ = 0, rHigh_ = 0;
    uint64_t firstBucket_ = 0;
    std::vector<RangeInterval> intervals_;
    std::vector<uint32_t> bucketStart_;  // first interval of each grid bucket
};

}  // namespace fenra
