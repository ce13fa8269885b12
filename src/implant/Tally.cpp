#include "implant/Tally.h"

#include <algorithm>
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

void AddSquares(std::vector<double>& squares, const std::vector<double>& sums, double ions) {
    for (std::size_t k = 0; k < squares.size(); ++k) squares[k] += sums[k] * sums[k] / ions;
}

// The standard error of the per-ion mean of each bin from the batch means m_b = S_b / n_b of B
// blocks: with N = sum n_b and m = sum S_b / N, the weighted variance of the batch means is
// sum n_b (m_b - m)^2 / (B - 1) = (sum S_b^2 / n_b - N m^2) / (B - 1) per ion, and the error of
// m is its square root over N; scaled as the histogram's values.
std::vector<double> BatchErrors(const std::vector<double>& sums, const std::vector<double>& squares,
                                uint64_t ions, uint64_t blocks, double scale) {
    std::vector<double> errors(sums.size(), 0.0);
    if (blocks < 2 || ions == 0) return errors;
    const double n = static_cast<double>(ions);
    for (std::size_t k = 0; k < sums.size(); ++k) {
        const double spread = std::max(0.0, squares[k] - sums[k] * sums[k] / n);
        errors[k] = scale * std::sqrt(spread / (static_cast<double>(blocks - 1) * n));
    }
    return errors;
}

// The binomial error of each count of n independent ions.
std::vector<double> CountErrors(const std::vector<double>& counts, uint64_t ions) {
    std::vector<double> errors(counts.size(), 0.0);
    if (ions == 0) return errors;
    const double n = static_cast<double>(ions);
    for (std::size_t k = 0; k < counts.size(); ++k)
        errors[k] = std::sqrt(std::max(0.0, counts[k] * (1 - counts[k] / n)));
    return errors;
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
      transAngles(backAngles.size()),
      electronicSquares(depthCounts.size()),
      nuclearSquares(depthCounts.size()),
      displacementSquares(depthCounts.size()) {}

void Tally::AddBlock(const Tally& block) {
    Merge(block);
    if (block.ions == 0) return;
    ++blocks;
    const double n = static_cast<double>(block.ions);
    AddSquares(electronicSquares, block.electronicDeposit, n);
    AddSquares(nuclearSquares, block.nuclearDeposit, n);
    AddSquares(displacementSquares, block.displacements, n);
}

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
    ionElectronic.Merge(b.ionElectronic);
    ionNuclear.Merge(b.ionNuclear);
    ionDisplacements.Merge(b.ionDisplacements);
    ionCollisions.Merge(b.ionCollisions);
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
    r.backscatteredEnergySpread = {t.backEnergy.StandardDeviation(),
                                   t.backEnergy.StandardDeviationError()};
    r.transmittedEnergySpread = {t.transEnergy.StandardDeviation(),
                                 t.transEnergy.StandardDeviationError()};
    const double ions = t.ions > 0 ? static_cast<double>(t.ions) : 1;
    r.electronicEnergy = t.electronic / ions;
    r.nuclearEnergy = t.nuclear / ions;
    r.backscatteredEnergyShare = t.backscatteredEnergy / ions;
    r.transmittedEnergyShare = t.transmittedEnergy / ions;
    r.restEnergy = t.rest / ions;
    r.collisionsPerIon = static_cast<double>(t.collisions) / ions;
    r.electronicEnergyError = t.ionElectronic.StandardError();
    r.nuclearEnergyError = t.ionNuclear.StandardError();
    r.collisionsPerIonError = t.ionCollisions.StandardError();
    r.displacementsPerIon = MeanOf(t.ionDisplacements);
    const double dz = s.depthRange / s.depthBins;
    r.depth = Make(0, dz, t.depthCounts, 1);
    r.depth.errors = CountErrors(t.depthCounts, t.ions);
    r.beyondDepthRange = t.beyondDepthRange;
    r.electronicDeposit = Make(0, dz, t.electronicDeposit, kEvPerKeV / (ions * dz));
    r.electronicDeposit.errors =
        BatchErrors(t.electronicDeposit, t.electronicSquares, t.ions, t.blocks, kEvPerKeV / dz);
    r.nuclearDeposit = Make(0, dz, t.nuclearDeposit, kEvPerKeV / (ions * dz));
    r.nuclearDeposit.errors =
        BatchErrors(t.nuclearDeposit, t.nuclearSquares, t.ions, t.blocks, kEvPerKeV / dz);
    r.displacements = Make(0, dz, t.displacements, 1 / (ions * dz));
    r.displacements.errors =
        BatchErrors(t.displacements, t.displacementSquares, t.ions, t.blocks, 1 / dz);
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
