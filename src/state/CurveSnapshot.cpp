#include "state/CurveSnapshot.h"

#include <algorithm>

namespace fenra {

void SetCurveIon(CurveSnapshot& c, const DataSet& d) {
    c.ionName = d.IonName;
    c.ionMass = d.IonMass;
    c.ionEnergy = d.IonEnergy;
    c.range = d.Range;
}

bool HasPositivePoint(const std::vector<float>& values) {
    return std::any_of(values.begin(), values.end(), [](float v) { return v > 0; });
}

}  // namespace fenra
