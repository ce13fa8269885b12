#include "state/CurveSnapshot.h"

#include <algorithm>

namespace fenra {

CurveSnapshot CopyCurveData(const WorkingState& s) {
    // The shared arrays hold kCurvePoints points; a slab count outside 0..kSlabCount would read
    // past them, so it is held to what the arrays can give.
    const int n = std::clamp<int>(s.SlabCount, 0, kSlabCount);
    const auto points = static_cast<std::size_t>(n) + 1;

    CurveSnapshot c;
    c.stop.assign(s.CurveStop.begin(), s.CurveStop.begin() + points);
    c.energy.assign(s.CurveEnergy.begin(), s.CurveEnergy.begin() + points);

    const DataSet& d = s.Current();
    c.ionName = d.IonName;
    c.ionMass = d.IonMass;
    c.ionEnergy = d.IonEnergy;
    c.range = d.Range;
    return c;
}

bool HasPositivePoint(const std::vector<float>& values) {
    return std::any_of(values.begin(), values.end(), [](float v) { return v > 0; });
}

}  // namespace fenra
