#pragma once
// The modern model's stopping of one ion in one target with all that depends only on the pair
// worked out once: where the join with the fit runs, the factors of the fit's continuous form
// for each element (FitJoinFactors), and the Bethe stopping tabulated from the join upwards
// (BetheTable.h). The same value as the model's formula (ElectronicStopping.h, ModernStop.h)
// within the table's interpolation error, kBetheTableTolerance, and at the cost of about one
// call of the fit.
//
// Built once per ion and target (the range library's targets hold one), then never changed: it
// can be read from several threads at once.

#include <array>
#include <cstdint>

#include "physics/BetheTable.h"
#include "physics/ModernStop.h"

namespace fenra {

constexpr int kMaxModernParts = kMaxBetheParts;

class ModernTable {
  public:
    // Ion Z1 with the fit's screening factor Fs in the n elements (1 to kMaxModernParts, more
    // are left out as Bragg's rule of the calculator leaves them) with Single atomic ratios,
    // whose Bethe target is b.
    ModernTable(int16_t Z1, float Fs, const FitElement* elements, const float* ratios, int n,
                const BetheTarget& b);

    // Stopping per atom in eV/(1E15 atoms/cm2) at E keV/amu.
    double Stop(float E) const;

    // Whether the table is the one of this ion.
    bool IsFor(int16_t Z1, float Fs) const { return Z1 == Z1_ && Fs == Fs_; }
    const JoinInterval& Join() const { return join_; }

  private:
    double FitStop(float E) const;

    int16_t Z1_ = 0;
    float Fs_ = 0;
    int n_ = 0;
    std::array<FitElement, kMaxModernParts> elements_{};
    std::array<float, kMaxModernParts> ratios_{};
    std::array<FitJoinFactors, kMaxModernParts> factors_{};
    JoinInterval join_;
    double lnLow_ = 0, inverseWidth_ = 0;  // ln of the join's start, 1 / ln(high / low)
    BetheTable bethe_;
};

}  // namespace fenra
