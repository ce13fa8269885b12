#include "physics/ElectronicStopping.h"

#include <algorithm>

#include "physics/ModernStop.h"
#include "physics/ModernTable.h"
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

// The modern model worked out on the call: the fit over the n elements by Bragg's rule,
// evaluated only below the end of the join, joined to the Bethe formula of the whole target b.
double ModernStop(const StoppingIon& ion, float E, const TargetElementData* elements,
                  const float* ratios, int n, const BetheTarget& b) {
    n = std::min(n, kMaxCompoundElements);
    double fit = 0;
    if (E < JoinOf(ion.Z1, b).high) {
        double S[kMaxCompoundElements];
        for (int j = 0; j < n; ++j)
            S[j] = ContinuousFitStop(ion.Z1, ion.screening, E, FitElementOf(elements[j]));
        fit = BraggStopPerAtom(ratios, S, n);
    }
    return JoinedStop(fit, ion.Z1, E, b);
}

// The Bethe targets of the elements in their natural state, made once.
const BetheTarget& ElementBetheTarget(int16_t Z2) {
    static const std::vector<BetheTarget> targets = [] {
        std::vector<BetheTarget> all;
        for (int Z = 1; Z <= kBetheElementCount; ++Z) all.push_back(BetheTargetOfElement(Z));
        return all;
    }();
    return targets.at(static_cast<std::size_t>(Z2 - 1));
}

}  // namespace

std::shared_ptr<const ModernTable> MakeModernTable(const StoppingIon& ion, const CompoundData& c) {
    const int n = std::min(static_cast<int>(c.elements.size()), kMaxCompoundElements);
    FitElement fit[kMaxCompoundElements];
    for (int j = 0; j < n; ++j) fit[j] = FitElementOf(c.elements[static_cast<std::size_t>(j)]);
    return std::make_shared<const ModernTable>(ion.Z1, ion.screening, fit, c.ratios.data(), n,
                                               c.bethe);
}

double ElementStop(const StoppingIon& ion, float E, const TargetElementData& t,
                   StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            break;
        case StoppingModel::modern: {
            const float one = 1;
            return ModernStop(ion, E, &t, &one, 1, ElementBetheTarget(t.Z2));
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
    if (model == StoppingModel::modern) {
        if (c.modern && c.modern->IsFor(ion.Z1, ion.screening)) return c.modern->Stop(E);
        return ModernStop(ion, E, c.elements.data(), c.ratios.data(),
                          static_cast<int>(c.elements.size()), c.bethe);
    }
    const int n = std::min(static_cast<int>(c.elements.size()), kMaxCompoundElements);
    double S[kMaxCompoundElements];
    for (int j = 0; j < n; ++j)
        S[j] = ElementStop(ion, E, c.elements[static_cast<std::size_t>(j)], model);
    return BraggStopPerAtom(c.ratios.data(), S, n);
}

}  // namespace fenra
