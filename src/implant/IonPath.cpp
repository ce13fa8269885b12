#include "implant/IonPath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <pcg_random.hpp>

#include "implant/Kinematics.h"

namespace fenra {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kTwoToMinus32 = 1.0 / 4294967296.0;
// A path that has not ended after this many steps is ended where it is (counted as stopped):
// a guard against a layer without stopping, never reached by a physical ion.
constexpr uint64_t kMaxSteps = 100000000;
// The largest share of the energy one part of a flight's integration may lose.
constexpr double kMaxPartLoss = 0.05;

// What one ion gave the target on its way.
struct IonSpent {
    double electronic = 0, nuclear = 0, displacements = 0;  // keV, keV, count
    uint64_t collisions = 0;
};

struct IonState {
    double x = 0, y = 0, z = 0;  // nm; z the depth
    double u = 0, v = 0, w = 1;  // direction cosines
    double E = 0;                // keV
    double path = 0;             // nm
    int layer = 0;
};

// A uniform double in (0, 1) from 32 random bits.
double Uniform(pcg32& rng) {
    return (static_cast<double>(rng()) + 0.5) * kTwoToMinus32;
}

// cos and sin of an angle uniform in [0, 2 pi), without trigonometry: a point uniform in the
// unit disc (by rejection) gives the angle 2 phi of its doubled polar angle.
void RandomAzimuth(pcg32& rng, double& c, double& s) {
    for (;;) {
        const double a = 2 * Uniform(rng) - 1, b = 2 * Uniform(rng) - 1;
        const double r2 = a * a + b * b;
        if (r2 > 1 || r2 == 0) continue;
        c = (a * a - b * b) / r2;
        s = 2 * a * b / r2;
        return;
    }
}

// Turns the direction by the polar angle (cosT, sinT) about itself, at azimuth (cosP, sinP).
void Deflect(IonState& ion, double cosT, double sinT, double cosP, double sinP) {
    const double u = ion.u, v = ion.v, w = ion.w;
    const double across = std::sqrt(std::max(0.0, 1 - w * w));
    if (across > 1e-10) {
        ion.u = u * cosT + sinT * (u * w * cosP - v * sinP) / across;
        ion.v = v * cosT + sinT * (v * w * cosP + u * sinP) / across;
        ion.w = w * cosT - sinT * cosP * across;
    } else {
        ion.u = sinT * cosP;
        ion.v = sinT * sinP;
        ion.w = (w < 0 ? -1 : 1) * cosT;
    }
    const double norm = 1 / std::sqrt(ion.u * ion.u + ion.v * ion.v + ion.w * ion.w);
    ion.u *= norm;
    ion.v *= norm;
    ion.w *= norm;
}

// The bin of depth x in bins of the given width (its inverse passed), or -1 outside them.
int BinOf(double x, double inverseWidth, std::size_t bins) {
    if (!(x >= 0)) return -1;
    const double k = x * inverseWidth;  // truncation is the floor for x >= 0
    return k < static_cast<double>(bins) ? static_cast<int>(k) : -1;
}

// Spreads an amount over the depth bins a straight segment from z0 to z1 crosses, in
// proportion to the depth it spends in each.
void DepositAlong(std::vector<double>& bins, double width, double z0, double z1, double amount) {
    if (amount == 0) return;
    const double inverse = 1 / width;
    const int a = BinOf(z0, inverse, bins.size());
    if (a >= 0 && a == BinOf(z1, inverse, bins.size())) {
        bins[static_cast<std::size_t>(a)] += amount;
        return;
    }
    const double lo = std::min(z0, z1), hi = std::max(z0, z1);
    if (hi <= lo) {
        if (a >= 0) bins[static_cast<std::size_t>(a)] += amount;
        return;
    }
    const double perDepth = amount / (hi - lo);
    const double end = std::min(hi, width * static_cast<double>(bins.size()));
    for (double z = std::max(lo, 0.0); z < end;) {
        const int k = BinOf(z, inverse, bins.size());
        if (k < 0) break;
        double edge = width * (k + 1);
        if (edge <= z) edge = width * (k + 2);  // z * inverse rounded down across an edge
        const double next = std::min(end, edge);
        bins[static_cast<std::size_t>(k)] += perDepth * (next - z);
        if (next <= z) break;
        z = next;
    }
}

// A standard normal deviate by the polar method of Marsaglia and Bray (SIAM Rev. 6 (1964) 260):
// two per accepted pair, the second kept for the next call.
class NormalDeviates {
  public:
    double Next(pcg32& rng) {
        if (hasSpare_) {
            hasSpare_ = false;
            return spare_;
        }
        for (;;) {
            const double a = 2 * Uniform(rng) - 1, b = 2 * Uniform(rng) - 1;
            const double r2 = a * a + b * b;
            if (r2 >= 1 || r2 == 0) continue;
            const double f = std::sqrt(-2 * std::log(r2) / r2);
            spare_ = b * f;
            hasSpare_ = true;
            return a * f;
        }
    }

  private:
    double spare_ = 0;
    bool hasSpare_ = false;
};

class Walker {
  public:
    Walker(const PreparedStack& s, uint64_t index, Tally& t)
        : s_(s),
          t_(t),
          rng_(s.seed, index),
          depthWidth_(s.depthRange / s.depthBins),
          inverseDepthWidth_(1 / depthWidth_) {
        ion_.u = s.sinAngle;
        ion_.w = s.cosAngle;
        ion_.E = s.energy;
    }

    void Run();

  private:
    void Follow();
    // Moves the ion by `step` along its direction, losing energy to electrons (and, with the
    // scattering off, the mean nuclear loss). Returns false when it came to rest on the way.
    bool Fly(const PreparedLayer& L, double step);
    void Collision(const PreparedLayer& L);
    void Stopped();
    void Left(bool back);
    void Move(double step);
    double Straggled(double meanLoss, double variance);

    const PreparedStack& s_;
    Tally& t_;
    pcg32 rng_;
    NormalDeviates normal_;
    double depthWidth_, inverseDepthWidth_;
    IonState ion_;
    IonSpent spent_;
};

void Walker::Move(double step) {
    ion_.x += ion_.u * step;
    ion_.y += ion_.v * step;
    ion_.z += ion_.w * step;
    ion_.path += step;
}

// The electronic loss of one part of a flight: normal about its mean with the straggling's
// variance, cut symmetrically at 0 and twice the mean (no energy gained, the mean kept).
double Walker::Straggled(double meanLoss, double variance) {
    if (!(variance > 0) || !(meanLoss > 0)) return meanLoss;
    const double deviation = std::sqrt(variance) * normal_.Next(rng_);
    return meanLoss + std::clamp(deviation, -meanLoss, meanLoss);
}

bool Walker::Fly(const PreparedLayer& L, double step) {
    // Second-order (midpoint) integration of dE/dx along the straight flight, in parts that
    // each lose at most 5 % of the energy: one part but near the end of the path, where a
    // flight of one atomic distance may take most of what is left.
    const EnergyGrid& g = s_.grid;
    double remaining = step;
    while (remaining > 0) {
        const double k1 = g.Read(L.electronicLoss, ion_.E) + g.Read(L.nuclearLoss, ion_.E);
        double h = remaining;
        if (k1 * h > kMaxPartLoss * ion_.E) h = kMaxPartLoss * ion_.E / k1;
        const double mid = std::max(ion_.E - 0.5 * k1 * h, 0.5 * s_.cutoff);
        double electronic = g.Read(L.electronicLoss, mid) * h;
        if (!L.straggling.empty())
            electronic = Straggled(electronic, g.Read(L.straggling, mid) * h);
        const double nuclear = s_.scattering ? 0.0 : g.Read(L.nuclearLoss, mid) * h;
        const double loss = electronic + nuclear;
        const bool rests = ion_.E - loss <= s_.cutoff;
        // At rest on the way: where the loss reaches the cut-off, linearly within the part.
        const double share = rests ? (ion_.E - s_.cutoff) / loss : 1;
        const double z0 = ion_.z;
        Move(h * share);
        t_.electronic += electronic * share;
        t_.nuclear += nuclear * share;
        spent_.electronic += electronic * share;
        spent_.nuclear += nuclear * share;
        DepositAlong(t_.electronicDeposit, depthWidth_, z0, ion_.z, electronic * share);
        DepositAlong(t_.nuclearDeposit, depthWidth_, z0, ion_.z, nuclear * share);
        if (rests) {
            ion_.E = s_.cutoff;
            return false;
        }
        ion_.E -= loss;
        remaining = h < remaining ? remaining - h : 0;
    }
    return true;
}

void Walker::Collision(const PreparedLayer& L) {
    const double pmax = s_.grid.Read(L.impactLimit, ion_.E);
    const double p = pmax * std::sqrt(Uniform(rng_));
    const double pick = Uniform(rng_);
    std::size_t j = 0;
    while (j + 1 < L.elements.size() && pick > L.elements[j].cumulativeShare) ++j;
    const PreparedElement& el = L.elements[j];
    const HalfAngle half = s_.table->Lookup(el.epsilonPerKeV * ion_.E, p / el.screening);
    const CollisionOutcome c = Collide(ion_.E, s_.ionMass, el.mass, half);
    double cosP = 1, sinP = 0;
    RandomAzimuth(rng_, cosP, sinP);
    Deflect(ion_, c.cosIon, c.sinIon, cosP, sinP);
    ion_.E -= c.transfer;
    t_.nuclear += c.transfer;
    ++t_.collisions;
    const double displaced = Displacements(el.damage, c.transfer);
    spent_.nuclear += c.transfer;
    spent_.displacements += displaced;
    ++spent_.collisions;
    const int k = BinOf(ion_.z, inverseDepthWidth_, t_.nuclearDeposit.size());
    if (k >= 0) {
        t_.nuclearDeposit[static_cast<std::size_t>(k)] += c.transfer;
        t_.displacements[static_cast<std::size_t>(k)] += displaced;
    }
}

void Walker::Stopped() {
    t_.rest += ion_.E;
    ++t_.stopped;
    ++t_.stoppedPerLayer[static_cast<std::size_t>(ion_.layer)];
    t_.depth.Add(ion_.z);
    t_.lateral.Add(ion_.y);
    // Distance from the line of incidence through the entry point.
    const double along = ion_.x * s_.sinAngle + ion_.z * s_.cosAngle;
    const double ax = ion_.x - along * s_.sinAngle, az = ion_.z - along * s_.cosAngle;
    t_.radial.Add(std::sqrt(ax * ax + ion_.y * ion_.y + az * az));
    t_.path.Add(ion_.path);
    const int k = BinOf(ion_.z, inverseDepthWidth_, t_.depthCounts.size());
    if (k >= 0) {
        t_.depthCounts[static_cast<std::size_t>(k)] += 1;
    } else {
        ++t_.beyondDepthRange;
    }
}

void Walker::Left(bool back) {
    const double cosine = std::min(1.0, std::fabs(ion_.w));
    const double angle = std::acos(cosine) * kDegreesPerRadian;
    const double dE = s_.energy / s_.energyBins;
    const double dA = 90.0 / s_.angleBins;
    const auto eBin = std::min(static_cast<std::size_t>(ion_.E / dE),
                               static_cast<std::size_t>(s_.energyBins - 1));
    const auto aBin =
        std::min(static_cast<std::size_t>(angle / dA), static_cast<std::size_t>(s_.angleBins - 1));
    if (back) {
        ++t_.backscattered;
        t_.backscatteredEnergy += ion_.E;
        t_.backEnergy.Add(ion_.E);
        t_.backAngle.Add(angle);
        t_.backSpectrum[eBin] += 1;
        t_.backAngles[aBin] += 1;
    } else {
        ++t_.transmitted;
        t_.transmittedEnergy += ion_.E;
        t_.transEnergy.Add(ion_.E);
        t_.transAngle.Add(angle);
        t_.transSpectrum[eBin] += 1;
        t_.transAngles[aBin] += 1;
    }
}

void Walker::Run() {
    Follow();
    t_.ionElectronic.Add(spent_.electronic);
    t_.ionNuclear.Add(spent_.nuclear);
    t_.ionDisplacements.Add(spent_.displacements);
    t_.ionCollisions.Add(static_cast<double>(spent_.collisions));
}

void Walker::Follow() {
    ++t_.ions;
    const int lastLayer = static_cast<int>(s_.layers.size()) - 1;
    // The first flight is a random share of a full one, so that the collisions of the first
    // nanometres do not all sit at one depth.
    double share = Uniform(rng_);
    for (uint64_t steps = 0; steps < kMaxSteps; ++steps) {
        const PreparedLayer& L = s_.layers[static_cast<std::size_t>(ion_.layer)];
        const double full = s_.grid.Read(L.flight, ion_.E);
        const double flight = share * full;
        double face = std::numeric_limits<double>::infinity();
        if (ion_.w > 0) face = (L.zBack - ion_.z) / ion_.w;
        if (ion_.w < 0) face = (L.zFront - ion_.z) / ion_.w;
        const bool crosses = face <= flight;
        const double step = crosses ? std::max(face, 0.0) : flight;
        if (!Fly(L, step)) return Stopped();
        if (crosses) {
            // The rest of the flight goes on in the next layer, as a share of its own flight.
            share = full > 0 ? std::max(0.0, (flight - step) / full) : 0;
            ion_.z = ion_.w > 0 ? L.zBack : L.zFront;
            ion_.layer += ion_.w > 0 ? 1 : -1;
            if (ion_.layer < 0) return Left(true);
            if (ion_.layer > lastLayer) return Left(false);
            continue;
        }
        share = 1;
        if (!s_.scattering) continue;
        Collision(L);
        if (ion_.E <= s_.cutoff) return Stopped();
    }
    Stopped();
}

}  // namespace

void FollowIon(const PreparedStack& s, uint64_t index, Tally& t) {
    Walker(s, index, t).Run();
}

bool FollowBlock(const PreparedStack& s, uint64_t first, uint64_t count, Tally& t,
                 const std::atomic<bool>* cancel) {
    for (uint64_t k = 0; k < count; ++k) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return false;
        FollowIon(s, first + k, t);
    }
    return true;
}

}  // namespace fenra
