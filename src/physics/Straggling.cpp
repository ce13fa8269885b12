#include "physics/Straggling.h"

#include <algorithm>
#include <cmath>

#include "physics/IonKinematics.h"

namespace fenra {

double LindhardScharffFactor(double chi) {
    if (!(chi < kLindhardScharffLimit)) return 1;
    if (!(chi > 0)) return 0;
    const double root = std::sqrt(chi);
    return std::min(1.0, 0.5 * (1.36 * root - 0.016 * chi * root));
}

double RelativisticStragglingFactor(double beta2) {
    return (1 - 0.5 * beta2) / (1 - beta2);
}

double BohrVariancePerAtom(double chargeSquared, int Z2, double beta2) {
    const double chi = beta2 / (kFineStructure * kFineStructure) / Z2;
    return kBohrVariancePerE15 * chargeSquared * Z2 * RelativisticStragglingFactor(beta2) *
           LindhardScharffFactor(chi);
}

double CompoundVariancePerAtom(double chargeSquared, const std::vector<ElementShare>& elements,
                               double beta2) {
    double sum = 0, ratios = 0;
    for (const ElementShare& e : elements) {
        sum += e.ratio * BohrVariancePerAtom(chargeSquared, e.Z, beta2);
        ratios += e.ratio;
    }
    return ratios > 0 ? sum / ratios : 0;
}

}  // namespace fenra
