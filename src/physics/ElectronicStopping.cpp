#include "physics/ElectronicStopping.h"

#include <algorithm>

#include "physics/Stopping.h"

namespace fenra {

namespace {

constexpr int kMaxCompoundElements = 10;

double ClassicElementStop(const StoppingIon& ion, float E, const TargetElementData& t) {
    if (ion.Z1 == 1) return ProtonStop(t.Z2, E, t.coef);
    if (ion.Z1 == 2) return HeliumStop(t.Z2, E, t.coef);
    return HeavyIonStop(ion.Z1, t.Z2, E, t.vF, ion.screening, t.coef);
}

}  // namespace

const char* StoppingModelName(StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            return "classic";
    }
    return "";
}

// The enumeration's values run from 0 up to the first without a name.
std::optional<StoppingModel> StoppingModelNamed(std::string_view name) {
    for (int k = 0;; ++k) {
        const auto model = static_cast<StoppingModel>(k);
        const std::string_view n = StoppingModelName(model);
        if (n.empty()) return std::nullopt;
        if (n == name) return model;
    }
}

std::string StoppingModelNames() {
    std::string names;
    for (int k = 0;; ++k) {
        const std::string n = StoppingModelName(static_cast<StoppingModel>(k));
        if (n.empty()) return names;
        names += (names.empty() ? "" : ", ") + n;
    }
}

double ElementStop(const StoppingIon& ion, float E, const TargetElementData& t,
                   StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            break;
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
    const int n = std::min(static_cast<int>(c.elements.size()), kMaxCompoundElements);
    double S[kMaxCompoundElements];
    for (int j = 0; j < n; ++j)
        S[j] = ElementStop(ion, E, c.elements[static_cast<std::size_t>(j)], model);
    return BraggStopPerAtom(c.ratios.data(), S, n);
}

}  // namespace fenra
