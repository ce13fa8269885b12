#include "range/RangeTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "materials/PhysicsError.h"
#include "physics/EffectiveCharge.h"
#include "physics/ModernStop.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kEvPerKev = 1000;  // dR/dE = 1000 / S: keV over eV/(1E15 atoms/cm2)

// Steps of the model are located to the nearest Single of the energy per unit mass: the
// stopping on either side of a node is taken this far (relative) from it.
constexpr double kSideOffset = 4e-7;

// The grid: 8 buckets per octave, read off the top three mantissa bits of the energy.
constexpr int kBucketShift = 49;
constexpr int kMaxRefineDepth = 40;

// Below the table the integrand E/S(E) is integrated over ln E from this fraction of the
// table's start; below that the stopping is a power law of E (the fits' low-energy forms),
// whose integral is closed.
// There the nuclear stopping (which grows as E^0.79 at low energy, against E^0.45 or E^0.5 of
// the electronic part) is negligible even for the heaviest ions.
constexpr double kTailEnergy = 1e-30;  // keV/amu
constexpr double kLogPanel = 0.025;    // widest panel in ln E above the table's start: the
                                       // many points average the rounding noise out
constexpr double kTailLogPanel = 1;    // and below it, where E/S is nearly a power of E
// The stopping is a function of Single energies: it carries a rounding noise of about 1e-7
// (relative) from point to point, which no rule can integrate away below that level. A panel
// is refined while its two estimates differ by more than this (a kink of the model inside),
// down to kMinLogWidth, where a kink's error is far below the range's 1e-7.
constexpr double kDirectTolerance = 2e-7;  // relative, per panel
constexpr double kMinLogWidth = 1e-3;
// The table's intervals are not halved below this width (relative): a step of the model
// inside one then moves the range by less than 1e-7 of it.
constexpr double kMinRelativeWidth = 1e-6;

// Energies per unit mass (keV/amu) where the electronic fits change region.
constexpr double kHeliumFloor = 1;
constexpr double kProtonLow = 25;
constexpr double kProtonHigh = 10000;

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double FromBits(uint64_t b) {
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

uint64_t BucketOf(double E) {
    return Bits(E) >> kBucketShift;
}
double BucketEdge(uint64_t k) {
    return FromBits(k << kBucketShift);
}

double Slope(const Target& t, double E) {
    return kEvPerKev / TotalStop(t, E);
}

[[noreturn]] void NoStopping(double E) {
    throw PhysicsError(ErrorKind::CalculationFailed, PhysicsText::StoppingNotPositiveNear,
                       {Value(std::to_string(E))});
}

// dR/dE at E, refused at once when the stopping there is no positive finite number: the table
// would otherwise halve its intervals without end on values that never agree.
double CheckedSlope(const Target& t, double E) {
    const double f = Slope(t, E);
    if (!(f > 0) || !std::isfinite(f)) NoStopping(E);
    return f;
}

// Four-point Gauss-Legendre rule of E dR/dE over [xa, xb] in x = ln E.
double Gauss4Log(const Target& t, double xa, double xb) {
    static constexpr double kX[2] = {0.33998104358485626, 0.86113631159405258};
    static constexpr double kW[2] = {0.65214515486254614, 0.34785484513745386};
    const double c = 0.5 * (xa + xb), h = 0.5 * (xb - xa);
    double sum = 0;
    for (int i = 0; i < 2; ++i) {
        for (double s : {-1.0, 1.0}) {
            const double E = std::exp(c + s * h * kX[i]);
            sum += kW[i] * E * Slope(t, E);
        }
    }
    return h * sum;
}

double AdaptiveLog(const Target& t, double xa, double xb, double whole, int depth) {
    const double xm = 0.5 * (xa + xb);
    const double left = Gauss4Log(t, xa, xm), right = Gauss4Log(t, xm, xb);
    if (depth >= kMaxRefineDepth || xb - xa < kMinLogWidth ||
        std::fabs(left + right - whole) <= kDirectTolerance * std::fabs(left + right))
        return left + right;
    return AdaptiveLog(t, xa, xm, left, depth + 1) + AdaptiveLog(t, xm, xb, right, depth + 1);
}

// The integral over [a, b], a > 0, with no breakpoint inside.
double IntegratePiece(const Target& t, double a, double b, double panel = kLogPanel) {
    const double xa = std::log(a), xb = std::log(b);
    const int panels = std::max(1, static_cast<int>(std::ceil((xb - xa) / panel)));
    double sum = 0;
    for (int k = 0; k < panels; ++k) {
        const double x0 = xa + (xb - xa) * k / panels;
        const double x1 = k + 1 == panels ? xb : xa + (xb - xa) * (k + 1) / panels;
        sum += AdaptiveLog(t, x0, x1, Gauss4Log(t, x0, x1), 0);
    }
    return sum;
}

// The integral from 0 to a: the stopping below a is a power law S = S(a) (E/a)^p of the
// electronic fits (the nuclear part is negligible there), so it is a / ((1 - p) S(a)).
double PowerLawTail(const Target& t, double a) {
    const double s1 = TotalStop(t, a), s2 = TotalStop(t, 2 * a);
    const double p = std::log(s2 / s1) / std::log(2.0);
    return kEvPerKev * a / ((1 - p) * s1);
}

double Hermite(const RangeInterval& iv, double E) {
    return RangeOnInterval(iv, E);
}

// Four-point Gauss-Lobatto rule on [a, b]: the end points are the interpolation's slopes, so
// each interval costs two new stopping values (three where a node is a breakpoint). Nodes at
// s = (1 -+ 1/sqrt(5)) / 2 of the interval, weights 1/12, 5/12, 5/12, 1/12 (exact to degree 5).
constexpr double kLobattoInner = 0.27639320225002103;  // (1 - 1/sqrt(5)) / 2
constexpr double kLobattoEnd = 1.0 / 12, kLobattoMid = 5.0 / 12;
// The integral from a to the middle of the cubic through the same four values (exact to
// degree 3): weights 17/192, 5/24 + 5 sqrt(5)/64, 5/24 - 5 sqrt(5)/64, -1/192.
constexpr double kHalf0 = 17.0 / 192, kHalf1 = 0.38302614407550439, kHalf2 = 0.033640522591162236,
                 kHalf3 = -1.0 / 192;

// Halves [a, b] until the interpolation meets, at the middle, the integral of the cubic through
// the rule's four values (an estimate one order more accurate than the interpolation).
// fa, fb: dR/dE at a from above and at b from below.
void Refine(const Target& t, double a, double b, double fa, double fb, double ra, int depth,
            std::vector<RangeInterval>* out) {
    const double h = b - a;
    const double f1 = CheckedSlope(t, a + kLobattoInner * h);
    const double f2 = CheckedSlope(t, b - kLobattoInner * h);
    const double rb = ra + h * (kLobattoEnd * (fa + fb) + kLobattoMid * (f1 + f2));
    const double rm = ra + h * (kHalf0 * fa + kHalf1 * f1 + kHalf2 * f2 + kHalf3 * fb);
    const RangeInterval iv{a, b, ra, rb, fa, fb};
    const double m = 0.5 * (a + b);
    if (depth >= kMaxRefineDepth || h < kMinRelativeWidth * b ||
        std::fabs(Hermite(iv, m) - rm) <= kTableTolerance * rm) {
        out->push_back(iv);
        return;
    }
    Refine(t, a, m, fa, CheckedSlope(t, m * (1 - kSideOffset)), ra, depth + 1, out);
    Refine(t, m, b, CheckedSlope(t, m * (1 + kSideOffset)), fb, out->back().r1, depth + 1, out);
}

// The energy per unit mass where a heavy ion's charge reaches the low-velocity floor in an
// element, by bisection in ln E; 0 when it is on the floor at every energy or at none.
double HeavyIonSwitch(const Target& t, const TargetElementData& e) {
    auto slow = [&](double Eu) {
        return HeavyIonCharge(t.ion.Z, static_cast<float>(Eu), e.vF, t.ion.screening).lowVelocity;
    };
    double lo = 1e-12, hi = 1e8;
    if (!slow(lo) || slow(hi)) return 0;
    for (int i = 0; i < 200 && hi / lo > 1 + 1e-12; ++i) {
        const double mid = std::sqrt(lo * hi);
        (slow(mid) ? lo : hi) = mid;
    }
    return hi;
}

}  // namespace

std::vector<double> ModelBreakpoints(const Target& t) {
    const double M = t.ion.shownMass;  // the Single the calculator divides by
    std::vector<double> b = {kProtonLow * M, kProtonHigh * M};
    if (t.ion.Z == 2) b.push_back(kHeliumFloor * M);
    for (std::size_t j = 0; j < t.compound.elements.size(); ++j) {
        if (t.ion.Z >= 3)
            if (const double s = HeavyIonSwitch(t, t.compound.elements[j]); s > 0)
                b.push_back(s * M);
        b.push_back(NuclearFitSwitchEnergy(t.nuclear[j]));
    }
    if (t.model == StoppingModel::modern) {
        // The ends of the join of the fit to Bethe's formula: the slope is continuous there,
        // the curvature is not.
        const JoinInterval join = JoinOf(t.ion.Z, t.compound.bethe);
        b.push_back(join.low * M);
        b.push_back(join.high * M);
    }
    std::sort(b.begin(), b.end());
    b.erase(std::unique(b.begin(), b.end()), b.end());
    return b;
}

double IntegrateRangeBetween(const Target& t, double a, double b) {
    if (!(b > a)) return 0;
    std::vector<double> cuts = {a};
    for (double p : ModelBreakpoints(t))
        if (p > a && p < b) cuts.push_back(p);
    cuts.push_back(b);
    double sum = 0;
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        const double lo = cuts[k], hi = cuts[k + 1];
        if (lo > 0) {
            sum += IntegratePiece(t, lo, hi);
        } else {
            const double tiny = std::min(hi, kTailEnergy * t.ion.mass);
            const double start = std::min(hi, kTableLowEnergy * t.ion.mass);
            sum += PowerLawTail(t, tiny) + IntegratePiece(t, tiny, start, kTailLogPanel) +
                   IntegratePiece(t, start, hi);
        }
    }
    return sum;
}

double IntegrateRange(const Target& t, double E) {
    return IntegrateRangeBetween(t, 0, E);
}

RangeTable::RangeTable(const Target& t) : target_(t) {
    const double M = t.ion.mass;
    firstBucket_ = BucketOf(kTableLowEnergy * M);
    const uint64_t lastBucket = BucketOf(kTableHighEnergy * M) + 1;
    eLow_ = BucketEdge(firstBucket_);
    eHigh_ = BucketEdge(lastBucket);

    // Nodes, each with whether the model may step there (then its two sides are apart).
    std::vector<std::pair<double, bool>> nodes;
    for (uint64_t k = firstBucket_; k <= lastBucket; ++k) nodes.push_back({BucketEdge(k), false});
    for (double p : ModelBreakpoints(t))
        if (p > eLow_ && p < eHigh_) nodes.push_back({p, true});
    std::sort(nodes.begin(), nodes.end());

    rLow_ = IntegrateRangeBetween(t, 0, eLow_);
    if (!(rLow_ >= 0) || !std::isfinite(rLow_)) NoStopping(eLow_);
    double r = rLow_;
    double fa = CheckedSlope(t, eLow_);
    for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
        const double a = nodes[k].first, b = nodes[k + 1].first;
        if (!(b > a)) continue;
        const bool step = nodes[k + 1].second;
        const double fb = CheckedSlope(t, step ? b * (1 - kSideOffset) : b);
        Refine(t, a, b, fa, fb, r, 0, &intervals_);
        r = intervals_.back().r1;
        fa = step ? CheckedSlope(t, b * (1 + kSideOffset)) : fb;
    }
    rHigh_ = r;
    for (const RangeInterval& iv : intervals_)
        if (!std::isfinite(iv.r1) || !(iv.d0 > 0) || !(iv.d1 > 0) || !std::isfinite(iv.d0) ||
            !std::isfinite(iv.d1))
            NoStopping(iv.e0);

    std::size_t i = 0;
    for (uint64_t k = firstBucket_; k < lastBucket; ++k) {
        while (intervals_[i].e1 <= BucketEdge(k)) ++i;
        bucketStart_.push_back(static_cast<uint32_t>(i));
    }
}

std::size_t RangeTable::IntervalOf(double E) const {
    std::size_t i = bucketStart_[BucketOf(E) - firstBucket_];
    while (E > intervals_[i].e1) ++i;
    return i;
}

double RangeTable::HermiteRange(const RangeInterval& iv, double E) const {
    return Hermite(iv, E);
}

double RangeTable::SlopeAt(double E) const {
    const RangeInterval& iv = intervals_[IntervalOf(E)];
    return SlopeOnInterval(iv, (E - iv.e0) / (iv.e1 - iv.e0));
}

double RangeTable::Range(double E) const {
    if (E >= eLow_ && E < eHigh_) return Hermite(intervals_[IntervalOf(E)], E);
    if (E < eLow_) return IntegrateRange(target_, E);
    return rHigh_ + IntegrateRangeBetween(target_, eHigh_, E);
}

namespace {

// Solves f(E) = R for a monotonic f with slope 1000/S on [lo, hi] by Newton steps kept inside
// the bracket (bisection when a step leaves it).
template <typename F>
double SolveBracketed(const Target& t, F f, double R, double lo, double hi) {
    double E = 0.5 * (lo + hi);
    for (int i = 0; i < 200; ++i) {
        const double g = f(E) - R;
        if (g > 0)
            hi = E;
        else
            lo = E;
        double next = E - g / Slope(t, E);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - E) <= 1e-15 * E || hi - lo <= 1e-15 * hi) return next;
        E = next;
    }
    return E;
}

}  // namespace

double HighestEnergy(const Target& t) {
    // A hair below the limit, so that neither Single rounds up to infinity.
    constexpr double kBelowLimit = 0.999;
    return kBelowLimit * std::numeric_limits<float>::max() * std::min(1.0, t.ion.mass);
}

double RangeTable::EnergyForRange(double R) const {
    if (!(R > 0)) return 0;
    if (R < rLow_)
        return SolveBracketed(
            target_, [&](double E) { return IntegrateRange(target_, E); }, R, 0, eLow_);
    if (R >= rHigh_) {
        // No energy the model holds has a longer range than the highest one.
        const double eMax = HighestEnergy(target_), rMax = Range(eMax);
        if (!(R <= rMax))
            throw PhysicsError(ErrorKind::CalculationFailed, PhysicsText::RangeBeyondModel,
                               {Value(NineDigitText(eMax)), Value(NineDigitText(rMax))});
        double hi = std::min(2 * eHigh_, eMax);
        while (Range(hi) < R) hi = std::min(2 * hi, eMax);
        return SolveBracketed(
            target_, [&](double E) { return Range(E); }, R, eHigh_, hi);
    }
    const auto it = std::lower_bound(intervals_.begin(), intervals_.end(), R,
                                     [](const RangeInterval& iv, double r) { return iv.r1 < r; });
    const RangeInterval& iv = *it;
    // Newton on the cubic in s = (E - e0) / h, kept inside [0, 1].
    const double h = iv.e1 - iv.e0;
    double lo = 0, hi = 1;
    double s = (R - iv.r0) / (iv.r1 - iv.r0);
    for (int i = 0; i < 60; ++i) {
        const double E = iv.e0 + s * h;
        const double g = Hermite(iv, E) - R;
        if (g > 0)
            hi = s;
        else
            lo = s;
        const double s2 = s * s;
        const double dR = (iv.r0 - iv.r1) * (6 * s2 - 6 * s) + h * iv.d0 * (3 * s2 - 4 * s + 1) +
                          h * iv.d1 * (3 * s2 - 2 * s);
        double next = dR > 0 ? s - g / dR : 0.5 * (lo + hi);
        if (!(next >= lo && next <= hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - s) <= 1e-13) return iv.e0 + next * h;
        s = next;
    }
    return iv.e0 + s * h;
}

}  // namespace fenra
