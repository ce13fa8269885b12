#include <algorithm>
#include <cmath>
#include <limits>

#include "implant/Kinematics.h"
#include "implant/PreparedStack.h"
#include "implant/UniversalScattering.h"
#include "physics/NuclearStop.h"

namespace fenra {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKevPerEv = 1e-3;
constexpr double kNm3PerCm3 = 1e-21;
// dE/dx in keV/nm from a stopping in eV/(1E15 atoms/cm2) and a density in atoms/nm3: a path
// of 1 nm crosses N atoms/nm2 = 0.1 N (1E15 atoms/cm2); 1 eV = 1e-3 keV.
constexpr double kLossPerStopping = 0.1 * 1e-3;
constexpr double kVariancePerStraggling = 0.1 * 1e-6;
// A free flight loses at most this share of the energy to electrons.
constexpr double kMaxFlightLoss = 0.05;
// The largest half-angle sin^2 of a collision left out (about a 0.02 rad deflection).
constexpr double kMaxSkippedSin2 = 1e-4;
constexpr int kImpactBisections = 60;
constexpr double kMarginOfDepthRange = 1.5;

void Require(bool ok, ImplantProblem problem, int layer = -1) {
    if (!ok) throw ImplantError(problem, layer);
}

bool Finite(double v) {
    return std::isfinite(v);
}

void CheckInputs(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                 const ImplantOptions& o) {
    Require(!layers.empty(), ImplantProblem::NoLayer);
    Require(layers.size() <= kMaxImplantLayers, ImplantProblem::TooManyLayers);
    Require(ion.Z >= 1 && ion.mass > 0 && Finite(ion.mass), ImplantProblem::BadIon);
    Require(ion.energy > 0 && Finite(ion.energy), ImplantProblem::BadEnergy);
    Require(ion.angle >= 0 && ion.angle < 90, ImplantProblem::BadAngle);
    Require(o.ions >= 1 && o.threads >= 0 && o.cutoffEv > 0 && Finite(o.cutoffEv) &&
                o.cutoffEv * kKevPerEv < ion.energy && o.minTransferEv > 0 &&
                Finite(o.minTransferEv) && o.depthBins >= 1 && o.energyBins >= 1 &&
                o.angleBins >= 1 && o.depthRange >= 0 && Finite(o.depthRange),
            ImplantProblem::BadOption);
    for (std::size_t k = 0; k < layers.size(); ++k) {
        const ImplantLayer& L = layers[k];
        const int index = static_cast<int>(k);
        Require(!L.elements.empty(), ImplantProblem::NoElement, index);
        for (const ImplantElement& e : L.elements)
            Require(e.Z >= 1 && e.mass > 0 && Finite(e.mass) && e.fraction > 0 &&
                        Finite(e.fraction) && e.displacementEnergy > 0 &&
                        Finite(e.displacementEnergy),
                    ImplantProblem::NoElement, index);
        Require(L.atomsPerCm3 > 0 && Finite(L.atomsPerCm3), ImplantProblem::NoDensity, index);
        Require(L.thickness > 0 && Finite(L.thickness), ImplantProblem::BadThickness, index);
        const StoppingTable& t = L.electronic;
        bool good = !t.energy.empty() && t.energy.size() == t.stopping.size();
        for (std::size_t j = 0; good && j < t.energy.size(); ++j)
            good = Finite(t.energy[j]) && Finite(t.stopping[j]) && t.stopping[j] >= 0 &&
                   (j == 0 || t.energy[j] > t.energy[j - 1]);
        good = good && (t.straggling.empty() || t.straggling.size() == t.energy.size());
        for (std::size_t j = 0; good && j < t.straggling.size(); ++j)
            good = Finite(t.straggling[j]) && t.straggling[j] >= 0;
        Require(good, ImplantProblem::BadStoppingTable, index);
    }
}

// A column of the caller's table at E: linear between its points, constant beyond its ends.
double TableAt(const StoppingTable& t, const std::vector<double>& column, double E) {
    if (E <= t.energy.front()) return column.front();
    if (E >= t.energy.back()) return column.back();
    const auto hi = std::upper_bound(t.energy.begin(), t.energy.end(), E) - t.energy.begin();
    const auto k = static_cast<std::size_t>(hi);
    const double w = (E - t.energy[k - 1]) / (t.energy[k] - t.energy[k - 1]);
    return column[k - 1] + w * (column[k] - column[k - 1]);
}

// The reduced impact parameter beyond which a collision at reduced energy eps deflects by
// less than sin^2(theta/2) = target: bisection in ln b, the angle falling with b.
double ReducedImpactFor(const ScatteringTable& table, double eps, double target) {
    double lo = std::log(ScatteringTable::MinImpact());
    double hi = std::log(ScatteringTable::MaxImpact());
    for (int it = 0; it < kImpactBisections; ++it) {
        const double mid = 0.5 * (lo + hi);
        if (table.Lookup(eps, std::exp(mid)).sin2 > target) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return std::exp(hi);
}

PreparedElement Element(const ImplantIon& ion, const ImplantElement& e, double share) {
    PreparedElement p;
    p.cumulativeShare = share;
    p.epsilonPerKeV = NuclearFactors(ion.Z, ion.mass, e.Z, e.mass).epsilonPerKeV;
    p.screening = UniversalScreeningLength(ion.Z, ion.mass, e.Z, e.mass);
    p.mass = e.mass;
    p.damage = RecoilDamageFactors(e.Z, e.mass, e.displacementEnergy);
    return p;
}

void FillFlights(PreparedLayer& L, const PreparedStack& s, const ImplantIon& ion,
                 const ImplantOptions& o) {
    const double N = L.density;
    const double denseFlight = std::cbrt(1 / N);  // mean atomic distance
    const double minTransfer = o.minTransferEv * kKevPerEv;
    for (int k = 0; k < s.grid.nodes; ++k) {
        const double E = s.grid.Node(k);
        double reach = 0;  // nm, the largest impact parameter still worth a collision
        for (const PreparedElement& el : L.elements) {
            const double gammaE = TransferFactor(ion.mass, el.mass) * E;
            const double target = std::min(minTransfer / gammaE, kMaxSkippedSin2);
            reach = std::max(
                reach, el.screening * ReducedImpactFor(*s.table, el.epsilonPerKeV * E, target));
        }
        double flight = 1 / (kPi * N * reach * reach);
        const double loss = L.electronicLoss[static_cast<std::size_t>(k)] +
                            L.nuclearLoss[static_cast<std::size_t>(k)];
        if (loss > 0) flight = std::min(flight, kMaxFlightLoss * E / loss);
        flight = std::max(flight, denseFlight);
        L.flight.push_back(flight);
        L.impactLimit.push_back(1 / std::sqrt(kPi * N * flight));
    }
}

PreparedLayer Layer(const ImplantLayer& in, double zFront, const PreparedStack& s,
                    const ImplantIon& ion, const ImplantOptions& o) {
    PreparedLayer L;
    L.zFront = zFront;
    L.zBack = zFront + in.thickness;
    L.density = in.atomsPerCm3 * kNm3PerCm3;
    double total = 0;
    for (const ImplantElement& e : in.elements) total += e.fraction;
    double share = 0;
    for (const ImplantElement& e : in.elements) {
        share += e.fraction / total;
        L.elements.push_back(Element(ion, e, share));
    }
    L.elements.back().cumulativeShare = 1;  // no gap for rounding to fall into
    for (int k = 0; k < s.grid.nodes; ++k) {
        const double E = s.grid.Node(k);
        L.electronicLoss.push_back(TableAt(in.electronic, in.electronic.stopping, E) * L.density *
                                   kLossPerStopping);
        // eV^2 per 1E15 atoms/cm2 to keV^2/nm: 0.1 N (1E15 atoms/cm2) per nm, 1e-6 keV^2/eV^2.
        if (o.electronicStraggling && !in.electronic.straggling.empty())
            L.straggling.push_back(TableAt(in.electronic, in.electronic.straggling, E) * L.density *
                                   kVariancePerStraggling);
        double nuclear = 0;  // Bragg's rule over the shares, eV/(1E15 atoms/cm2)
        for (const ImplantElement& e : in.elements)
            nuclear += e.fraction / total * NuclearStop(ion.Z, ion.mass, e.Z, e.mass, E);
        L.meanNuclearLoss.push_back(nuclear * L.density * kLossPerStopping);
        L.nuclearLoss.push_back(s.scattering ? 0.0 : L.meanNuclearLoss.back());
    }
    FillFlights(L, s, ion, o);
    return L;
}

// Rounds up to 1, 2, 2.5 or 5 times a power of ten, so that the bins have readable edges.
double ReadableRange(double x) {
    const double decade = std::pow(10.0, std::floor(std::log10(x)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * decade >= x * (1 - 1e-12)) return m * decade;
    return 10 * decade;
}

}  // namespace

std::vector<double> ImplantTableEnergies(double ionEnergy, double cutoffEv) {
    const int lowExp = std::ilogb(cutoffEv * kKevPerEv) - 1;
    const int highExp = std::ilogb(ionEnergy) + 1;
    const int nodes = (highExp - lowExp) * (1 << kEnergyGridBits) + 1;
    std::vector<double> e;
    for (int k = 0; k < nodes; ++k) e.push_back(OctaveNode<kEnergyGridBits>(k, lowExp));
    return e;
}

double StraightPathDepth(const PreparedStack& s) {
    double E = s.energy;
    double z = 0;
    for (const PreparedLayer& L : s.layers) {
        // Steps of 1 % of the energy, each at the stopping of its middle.
        while (z < L.zBack) {
            const double dE = std::max(0.01 * E, 0.5 * s.cutoff);
            const double mid = E - 0.5 * dE;
            const double loss =
                s.grid.Read(L.electronicLoss, mid) + s.grid.Read(L.meanNuclearLoss, mid);
            if (!(loss > 0)) {
                z = L.zBack;
                break;
            }
            const double dz = dE / loss;
            if (z + dz >= L.zBack) {
                E -= (L.zBack - z) * loss;
                z = L.zBack;
                break;
            }
            z += dz;
            E -= dE;
            if (E <= s.cutoff) return z;
        }
    }
    return z;
}

PreparedStack PrepareStack(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                           const ImplantOptions& o) {
    CheckInputs(ion, layers, o);
    PreparedStack s;
    s.ionMass = ion.mass;
    s.energy = ion.energy;
    const double angle = ion.angle * kPi / 180;
    s.cosAngle = std::cos(angle);
    s.sinAngle = std::sin(angle);
    s.cutoff = o.cutoffEv * kKevPerEv;
    s.scattering = o.scattering;
    s.seed = o.seed;
    const std::vector<double> nodes = ImplantTableEnergies(ion.energy, o.cutoffEv);
    s.grid.lowExp = std::ilogb(o.cutoffEv * kKevPerEv) - 1;
    s.grid.nodes = static_cast<int>(nodes.size());
    s.table = &ScatteringTable::Universal();
    double z = 0;
    for (const ImplantLayer& L : layers) {
        s.layers.push_back(Layer(L, z, s, ion, o));
        z = s.layers.back().zBack;
    }
    s.depthBins = o.depthBins;
    s.energyBins = o.energyBins;
    s.angleBins = o.angleBins;
    if (o.depthRange > 0) {
        s.depthRange = o.depthRange;
    } else {
        s.depthRange = ReadableRange(std::min(z, kMarginOfDepthRange * StraightPathDepth(s)));
    }
    return s;
}

}  // namespace fenra
