#include "range/SpreadTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>

#include "physics/IonKinematics.h"

namespace fenra {

namespace {

constexpr double kEvPerKev = 1000;

// The four Gauss-Lobatto points of an interval, s = 0, (1 -+ 1/sqrt(5)) / 2, 1, and their
// weights 1/12, 5/12, 5/12, 1/12: the rule the range table integrates 1/S with.
constexpr double kLobattoInner = 0.27639320225002103;
constexpr std::array<double, 4> kLobattoS = {0, kLobattoInner, 1 - kLobattoInner, 1};
constexpr std::array<double, 4> kLobattoW = {1.0 / 12, 5.0 / 12, 5.0 / 12, 1.0 / 12};

// Five-point Gauss-Legendre on [-1, 1]: exact to degree 9, the degree of (R - R_exit)^2 T/S
// between two nodes (R a cubic, T/S a cubic). Three points, exact to degree 5, move the lateral
// spread behind thick layers by up to 4e-8.
constexpr std::array<double, 5> kGaussX = {-0.90617984593866399, -0.53846931010568309, 0,
                                           0.53846931010568309, 0.90617984593866399};
constexpr std::array<double, 5> kGaussW = {0.23692688505618909, 0.47862867049936647,
                                           0.56888888888888889, 0.47862867049936647,
                                           0.23692688505618909};

using Matrix = std::array<std::array<double, 4>, 4>;

// The inverse of the Vandermonde matrix of the Lobatto points: coefficients of the cubic
// through four values.
const Matrix& CubicFit() {
    static const Matrix inverse = [] {
        Matrix a{}, inv{};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                a[r][c] = std::pow(kLobattoS[r], c);
                inv[r][c] = r == c ? 1 : 0;
            }
        for (int c = 0; c < 4; ++c) {  // Gauss-Jordan with partial pivoting
            int p = c;
            for (int r = c + 1; r < 4; ++r)
                if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
            std::swap(a[c], a[p]);
            std::swap(inv[c], inv[p]);
            const double d = a[c][c];
            for (int k = 0; k < 4; ++k) a[c][k] /= d, inv[c][k] /= d;
            for (int r = 0; r < 4; ++r) {
                if (r == c) continue;
                const double f = a[r][c];
                for (int k = 0; k < 4; ++k) a[r][k] -= f * a[c][k], inv[r][k] -= f * inv[c][k];
            }
        }
        return inv;
    }();
    return inverse;
}

template <typename Cubic>
Cubic FitCubic(const std::array<double, 4>& values) {
    const Matrix& m = CubicFit();
    Cubic cubic;
    for (int k = 0; k < 4; ++k) {
        cubic.c[k] = 0;
        for (int j = 0; j < 4; ++j) cubic.c[k] += m[k][j] * values[j];
    }
    return cubic;
}

template <typename Cubic>
double Eval(const Cubic& p, double s) {
    return p.c[0] + s * (p.c[1] + s * (p.c[2] + s * p.c[3]));
}

// Integral over [s0, s1] by two-point Gauss-Legendre, exact for a cubic.
template <typename Cubic>
double Integral(const Cubic& p, double s0, double s1) {
    constexpr double kX = 0.57735026918962576;  // 1/sqrt(3)
    const double m = 0.5 * (s0 + s1), d = 0.5 * (s1 - s0);
    return d * (Eval(p, m - d * kX) + Eval(p, m + d * kX));
}

}  // namespace

SpreadMaterial SpreadMaterialOf(const Target& t) {
    SpreadMaterial m;
    m.Z1 = t.ion.Z;
    m.mass = t.ion.mass;
    double ratios = 0, z = 0, x0 = 0;
    const CompoundData& c = t.compound;
    for (std::size_t j = 0; j < c.elements.size(); ++j) {
        const double r = c.ratios[j];
        const int Z2 = c.elements[j].Z2;
        m.elements.push_back({Z2, r});
        ratios += r;
        z += r * Z2;
        x0 += r * InverseRadiationLengthPerAtom(Z2);
    }
    m.meanZ = ratios > 0 ? z / ratios : 0;
    m.inverseX0 = ratios > 0 ? x0 / ratios : 0;
    const double density = t.material.density;
    m.medium = density > 0 && density < kGasDensityLimit ? ChargeMedium::Gas : ChargeMedium::Solid;
    m.charge = PrepareChargeFit(m.Z1, m.meanZ, m.medium);
    return m;
}

ChargeState ChargeAt(const SpreadMaterial& m, double E) {
    return EquilibriumCharge(m.charge, VelocityAtomic(E, m.mass));
}

double StragglingPerAtom(const SpreadMaterial& m, double E) {
    return CompoundVariancePerAtom(MeanSquareCharge(ChargeAt(m, E)), m.elements, Beta2(E, m.mass));
}

double ScatteringPowerAt(const SpreadMaterial& m, double E) {
    return ScatteringPower(m.Z1, MomentumTimesVelocityMeV(E, m.mass), m.inverseX0);
}

SpreadTable::SpreadTable(const Target& t, std::shared_ptr<const RangeTable> range)
    : range_(std::move(range)), material_(SpreadMaterialOf(t)) {
    nodeCount_ = range_->Intervals().size();
    // Uninitialized: the pages of nodes no request reaches are never touched.
    slots_.reset(new NodeSlot[nodeCount_]);
    blocks_.resize(nodeCount_ / kBlock);
}

void SpreadTable::Grow(std::size_t i) const {
    std::lock_guard lock(growing_);
    const std::size_t from = built_.load(std::memory_order_relaxed);
    if (i < from) return;  // another thread built it meanwhile
    // Whole blocks, so that every block below the built end has its slab.
    const std::size_t to = std::min(nodeCount_, (i / kBlock + 1) * kBlock);
    Integrands last;
    for (std::size_t k = from; k < to; ++k) BuildNode(k, &last);
    for (std::size_t b = from / kBlock; (b + 1) * kBlock <= to; ++b) {
        ScatteringSlab slab = NodeAt((b + 1) * kBlock - 1).slab;
        for (std::size_t k = (b + 1) * kBlock - 1; k-- > b * kBlock;)
            slab = Follow(slab, NodeAt(k).slab);
        blocks_[b] = slab;
    }
    built_.store(to, std::memory_order_release);
}

void SpreadTable::BuildNode(std::size_t i, Integrands* last) const {
    const RangeInterval& iv = range_->Intervals()[i];
    const double h = iv.e1 - iv.e0;
    std::array<double, 4> E{}, omega{}, power{}, charge{};
    for (int k = 0; k < 4; ++k) E[k] = k == 0 ? iv.e0 : k == 3 ? iv.e1 : iv.e0 + kLobattoS[k] * h;
    // The charge, variance and scattering power depend on E alone: the values at an interval's
    // end serve as the next one's start. The points are worked out side by side, step by step,
    // so that the processor overlaps their chains of divisions.
    const int first = E[0] == last->E ? 1 : 0;
    if (first == 1) omega[0] = last->omega, power[0] = last->power, charge[0] = last->charge;
    std::array<double, 4> beta2{}, velocity{};
    std::array<ChargeState, 4> c{};
    for (int k = first; k < 4; ++k) beta2[k] = Beta2(E[k], material_.mass);
    for (int k = first; k < 4; ++k) velocity[k] = VelocityAtomicFromBeta2(beta2[k]);
    EquilibriumCharges(material_.charge, &velocity[first], &c[first], 4 - first);
    for (int k = first; k < 4; ++k) {
        omega[k] = CompoundVariancePerAtom(MeanSquareCharge(c[k]), material_.elements, beta2[k]);
        charge[k] = c[k].mean;
    }
    for (int k = first; k < 4; ++k) power[k] = ScatteringPowerAt(material_, E[k]);
    *last = {E[3], omega[3], power[3], charge[3]};
    std::array<double, 4> variance{}, scattering{};
    for (int k = 0; k < 4; ++k) {
        // dR/dE = 1000 / S: 1000 Omega^2 / S^3 and 1000 T / S without dividing by S.
        const double slope = k == 0   ? iv.d0
                             : k == 3 ? iv.d1
                                      : SlopeOnInterval(iv, (E[k] - iv.e0) / h);
        variance[k] = omega[k] * (slope * slope * slope) / (kEvPerKev * kEvPerKev);
        scattering[k] = power[k] * slope;
    }
    Node& n = *new (&slots_[i]) Node;
    n.variance = FitCubic<Cubic>(variance);
    n.scattering = FitCubic<Cubic>(scattering);
    n.charge = FitCubic<Cubic>(charge);
    n.q0 = qBuilt_;
    double whole = 0;
    for (int k = 0; k < 4; ++k) whole += kLobattoW[k] * variance[k];
    qBuilt_ += h * whole;
    n.slab = Part(i, 0, 1);
}

double SpreadTable::Fraction(std::size_t i, double E) const {
    const RangeInterval& iv = range_->Intervals()[i];
    return std::clamp((E - iv.e0) / (iv.e1 - iv.e0), 0.0, 1.0);
}

SpreadTable::Point SpreadTable::Locate(double E) const {
    const std::size_t i = range_->IntervalOf(E);
    Need(i);
    return {E, i, Fraction(i, E)};
}

double SpreadTable::Stopping(const Point& p) const {
    return kEvPerKev / SlopeOnInterval(range_->Intervals()[p.interval], p.s);
}

double SpreadTable::VarianceBelow(const Point& p) const {
    const RangeInterval& iv = range_->Intervals()[p.interval];
    return NodeAt(p.interval).q0 + (iv.e1 - iv.e0) * Integral(NodeAt(p.interval).variance, 0, p.s);
}

double SpreadTable::VarianceIntegral(double E) const {
    if (!(E > range_->LowEnergy())) return 0;
    if (!Covers(E)) return std::nan("");
    return VarianceBelow(Locate(E));
}

double SpreadTable::VarianceBetween(double low, double high) const {
    if (Covers(low) && Covers(high)) return VarianceBetween(Locate(low), Locate(high));
    return VarianceIntegral(high) - VarianceIntegral(low);
}

double SpreadTable::VarianceBetween(const Point& low, const Point& high) const {
    const std::size_t i = low.interval;
    if (i != high.interval) return VarianceBelow(high) - VarianceBelow(low);
    const RangeInterval& iv = range_->Intervals()[i];
    return (iv.e1 - iv.e0) * Integral(NodeAt(i).variance, low.s, high.s);
}

ScatteringSlab SpreadTable::Part(std::size_t i, double s0, double s1) const {
    const RangeInterval& iv = range_->Intervals()[i];
    const Cubic& t = NodeAt(i).scattering;
    const double h = iv.e1 - iv.e0;
    // The range's cubic Hermite interpolation in powers of s, R = r0 + c1 s + c2 s^2 + c3 s^3,
    // so that the depth below s0 is a product with s - s0, not a difference of two ranges.
    const double c1 = h * iv.d0, c2 = 3 * (iv.r1 - iv.r0) - h * (2 * iv.d0 + iv.d1),
                 c3 = 2 * (iv.r0 - iv.r1) + h * (iv.d0 + iv.d1);
    auto depth = [&](double s) {
        return (s - s0) * (c1 + c2 * (s + s0) + c3 * (s * s + s * s0 + s0 * s0));
    };
    const double m = 0.5 * (s0 + s1), d = 0.5 * (s1 - s0);
    ScatteringSlab slab;
    for (std::size_t j = 0; j < kGaussX.size(); ++j) {
        const double s = m + d * kGaussX[j];
        const double w = kGaussW[j] * Eval(t, s), x = depth(s);
        slab.m0 += w;
        slab.m1 += w * x;
        slab.m2 += w * x * x;
    }
    const double scale = d * h;
    slab.m0 *= scale;
    slab.m1 *= scale;
    slab.m2 *= scale;
    slab.thickness = depth(s1);
    return slab;
}

ScatteringSlab SpreadTable::Scattering(double low, double high) const {
    low = std::max(low, range_->LowEnergy());
    if (!(high > low) || !Covers(high)) return {};
    return Scattering(Locate(low), Locate(high));
}

ScatteringSlab SpreadTable::Scattering(const Point& low, const Point& high) const {
    if (!(high.E > low.E)) return {};
    const std::size_t top = high.interval, bottom = low.interval;
    if (top == bottom) return Part(top, low.s, high.s);
    ScatteringSlab slab = Part(top, 0, high.s);
    std::size_t i = top - 1;
    while (i > bottom) {
        if ((i + 1) % kBlock == 0 && i + 1 - kBlock > bottom) {
            slab = Follow(slab, blocks_[i / kBlock]);
            i -= kBlock;
        } else {
            slab = Follow(slab, NodeAt(i--).slab);
        }
    }
    return Follow(slab, Part(bottom, low.s, 1));
}

double SpreadTable::MeanCharge(double E) const {
    if (!Covers(E)) return ChargeAt(material_, E).mean;
    return MeanCharge(Locate(E));
}

double SpreadTable::MeanCharge(const Point& p) const {
    return std::clamp(Eval(NodeAt(p.interval).charge, p.s), 0.0, static_cast<double>(material_.Z1));
}

}  // namespace fenra
