#include "physics/ElectronicStopping.h"

#include <algorithm>

#include "physics/ModernStop.h"
#include "physics/Stopping.h"

namespace fenra {

namespace {

constexpr int kMaxCompoundElements = 10;

double ClassicElementStop(const StoppingIon& ion, float E, const TargetElementData& t) {
    if (ion.Z1 == 1) return ProtonStop(t.Z2, E, t.coef);
    if (ion.Z1 == 2) return HeliumStop(t.Z2, E, t.coef);
    return HeavyIonStop(ion.Z1, t.Z2, E, t.vF, ion.screening, t.coef);
}

FitElement FitElementOf(const TargetElementData& t) {
    return FitElement{t.Z2, t.vF, t.coef};
}

// The modern model: the fit over the compound by Bragg's rule, evaluated only below the end of
// the join, joined to the Bethe formula of the whole target b.
double ModernStop(const StoppingIon& ion, float E, const CompoundData& c, const BetheTarget& b) {
    const int n = std::min(static_cast<int>(c.elements.size()), kMaxCompoundElements);
    double fit = 0;
    if (E < JoinOf(ion.Z1, b).high) {
        double S[kMaxCompoundElements];
        for (int j = 0; j < n; ++j)
            S[j] = ContinuousFitStop(ion.Z1, ion.screening, E,
                                     FitElementOf(c.elements[static_cast<std::size_t>(j)]));
        fit = BraggStopPerAtom(c.ratios.data(), S, n);
    }
    return JoinedStop(fit, ion.Z1, E, b);
}

}  // namespace

double ElementStop(const StoppingIon& ion, float E, const TargetElementData& t,
                   StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            break;
        case StoppingModel::modern: {
            CompoundData alone;
            alone.elements.push_back(t);
            alone.ratios.push_back(1);
            return ModernStop(ion, E, alone, BetheTargetOfElement(t.Z2));
        }
    }
    // classic, and the fallback of a value outside the enumeration
    return ClassicElementStop(ion, E, t);
}

double BraggStopPerAtom(const float* r, const double* S, int n) {
    double W1 = 0, W2 = 0;
    for (int j = 0; j < n; ++j) {
        W1 = W1 + static_cast<double>(r[j]);
        W2 = W2 + static_cast<double>(r[j]) * S[j];
    }
    return W2 / W1;
}

double CompoundStop(const StoppingIon& ion, float E, const CompoundData& c, StoppingModel model) {
    if (model == StoppingModel::modern) return ModernStop(ion, E, c, c.bethe);
    const int n = std::min(static_cast<int>(c.elements.size()), kMaxCompoundElements);
    double S[kMaxCompoundElements];
    for (int j = 0; j < n; ++j)
        S[j] = ElementStop(ion, E, c.elements[static_cast<std::size_t>(j)], model);
    return BraggStopPerAtom(c.ratios.data(), S, n);
}

}  // namespace fenra
