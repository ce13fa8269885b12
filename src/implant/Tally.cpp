#include "implant/Tally.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kEvPerKeV = 1000;
constexpr double kRightAngle = 90;  // degrees

void AddAll(std::vector<double>& a, const std::vector<double>& b) {
    for (std::size_t k = 0; k < a.size(); ++k) a[k] += b[k];
}

MeanValue MeanOf(const Moments& m) {
    return {m.mean, m.StandardError()};
}

// A fraction k/n with its binomial standard error.
MeanValue Fraction(uint64_t k, uint64_t n) {
    if (n == 0) return {};
    const double p = static_cast<double>(k) / static_cast<double>(n);
    return {p, std::sqrt(p * (1 - p) / static_cast<double>(n))};
}

Histogram Make(double low, double width, const std::vector<double>& values, double scale) {
    Histogram h;
    h.low = low;
    h.width = width;
    h.values = values;
    for (double& v : h.values) v *= scale;
    return h;
}

}  // namespace

Tally::Tally(const PreparedStack& s)
    : stoppedPerLayer(s.layers.size()),
      depthCounts(static_cast<std::size_t>(s.depthBins)),
      electronicDeposit(depthCounts.size()),
      nuclearDeposit(depthCounts.size()),
      displacements(depthCounts.size()),
      backSpectrum(static_cast<std::size_t>(s.energyBins)),
      transSpectrum(backSpectrum.size()),
      backAngles(static_cast<std::size_t>(s.angleBins)),
      transAngles(backAngles.size()) {}

void Tally::Merge(const Tally& b) {
    ions += b.ions;
    stopped += b.stopped;
    backscattered += b.backscattered;
    transmitted += b.transmitted;
    collisions += b.collisions;
    beyondDepthRange += b.beyondDepthRange;
    for (std::size_t k = 0; k < stoppedPerLayer.size(); ++k)
        stoppedPerLayer[k] += b.stoppedPerLayer[k];
    depth.Merge(b.depth);
    lateral.Merge(b.lateral);
    radial.Merge(b.radial);
    path.Merge(b.path);
    backEnergy.Merge(b.backEnergy);
    backAngle.Merge(b.backAngle);
    transEnergy.Merge(b.transEnergy);
    transAngle.Merge(b.transAngle);
    electronic += b.electronic;
    nuclear += b.nuclear;
    backscatteredEnergy += b.backscatteredEnergy;
    transmittedEnergy += b.transmittedEnergy;
    rest += b.rest;
    AddAll(depthCounts, b.depthCounts);
    AddAll(electronicDeposit, b.electronicDeposit);
    AddAll(nuclearDeposit, b.nuclearDeposit);
    AddAll(displacements, b.displacements);
    AddAll(backSpectrum, b.backSpectrum);
    AddAll(transSpectrum, b.transSpectrum);
    AddAll(backAngles, b.backAngles);
    AddAll(transAngles, b.transAngles);
}

ImplantResult Summarise(const Tally& t, const PreparedStack& s, uint64_t requested,
                        bool cancelled) {
    ImplantResult r;
    r.ionsRequested = requested;
    r.ionsRun = t.ions;
    r.cancelled = cancelled;
    r.stopped = t.stopped;
    r.backscattered = t.backscattered;
    r.transmitted = t.transmitted;
    r.stoppedPerLayer = t.stoppedPerLayer;
    r.projectedRange = MeanOf(t.depth);
    r.straggle = {t.depth.StandardDeviation(), t.depth.StandardDeviationError()};
    r.skewness = t.depth.Skewness();
    r.kurtosis = t.depth.Kurtosis();
    r.lateralSpread = {t.lateral.StandardDeviation(), t.lateral.StandardDeviationError()};
    r.radialRange = MeanOf(t.radial);
    r.pathLength = MeanOf(t.path);
    r.backscatteredFraction = Fraction(t.backscattered, t.ions);
    r.transmittedFraction = Fraction(t.transmitted, t.ions);
    r.backscatteredEnergy = MeanOf(t.backEnergy);
    r.backscatteredAngle = MeanOf(t.backAngle);
    r.transmittedEnergy = MeanOf(t.transEnergy);
    r.transmittedAngle = MeanOf(t.transAngle);
    const double ions = t.ions > 0 ? static_cast<double>(t.ions) : 1;
    r.electronicEnergy = t.electronic / ions;
    r.nuclearEnergy = t.nuclear / ions;
    r.backscatteredEnergyShare = t.backscatteredEnergy / ions;
    r.transmittedEnergyShare = t.transmittedEnergy / ions;
    r.restEnergy = t.rest / ions;
    r.collisionsPerIon = static_cast<double>(t.collisions) / ions;
    const double dz = s.depthRange / s.depthBins;
    r.depth = Make(0, dz, t.depthCounts, 1);
    r.beyondDepthRange = t.beyondDepthRange;
    r.electronicDeposit = Make(0, dz, t.electronicDeposit, kEvPerKeV / (ions * dz));
    r.nuclearDeposit = Make(0, dz, t.nuclearDeposit, kEvPerKeV / (ions * dz));
    r.displacements = Make(0, dz, t.displacements, 1 / (ions * dz));
    const double dE = s.energy / s.energyBins;
    r.backscatteredSpectrum = Make(0, dE, t.backSpectrum, 1);
    r.transmittedSpectrum = Make(0, dE, t.transSpectrum, 1);
    const double dA = kRightAngle / s.angleBins;
    r.backscatteredAngles = Make(0, dA, t.backAngles, 1);
    r.transmittedAngles = Make(0, dA, t.transAngles, 1);
    r.layerFaces.push_back(0);
    for (const PreparedLayer& L : s.layers) r.layerFaces.push_back(L.zBack);
    return r;
}

}  // namespace fenra
