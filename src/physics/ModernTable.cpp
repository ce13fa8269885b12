#include "physics/ModernTable.h"

#include <algorithm>
#include <cmath>

#include "physics/ElectronicStopping.h"

namespace fenra {

ModernTable::ModernTable(int16_t Z1, float Fs, const FitElement* elements, const float* ratios,
                         int n, const BetheTarget& b)
    : Z1_(Z1),
      Fs_(Fs),
      n_(std::clamp(n, 0, kMaxModernParts)),
      join_(JoinOf(Z1, b)),
      lnLow_(std::log(join_.low)),
      inverseWidth_(1 / std::log(join_.high / join_.low)),
      bethe_(Z1, b, join_.low) {
    for (int j = 0; j < n_; ++j) {
        const std::size_t k = static_cast<std::size_t>(j);
        elements_[k] = elements[j];
        ratios_[k] = ratios[j];
        factors_[k] = FitJoinFactorsOf(Z1, Fs, elements[j]);
    }
}

double ModernTable::FitStop(float E) const {
    double S[kMaxModernParts];
    for (std::size_t k = 0; k < static_cast<std::size_t>(n_); ++k)
        S[k] = ContinuousFitStop(Z1_, Fs_, E, elements_[k], factors_[k]);
    return BraggStopPerAtom(ratios_.data(), S, n_);
}

double ModernTable::Stop(float E) const {
    // As JoinedStop: the fit alone up to the join's start, Bethe's formula alone from its end.
    if (E <= join_.low) return FitStop(E);
    const double bethe = bethe_.Stop(E);
    if (E >= join_.high) return bethe;
    const double w = JoinRamp((std::log(static_cast<double>(E)) - lnLow_) * inverseWidth_);
    return (1 - w) * FitStop(E) + w * bethe;
}

}  // namespace fenra
