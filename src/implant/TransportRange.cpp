#include "implant/TransportRange.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "implant/Kinematics.h"
#include "implant/ScatteringTable.h"
#include "implant/UniversalScattering.h"
#include "physics/LssStopping.h"
#include "physics/NuclearStop.h"

namespace fenra {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKevPerEv = 1e-3;
constexpr double kNm3PerCm3 = 1e-21;
// dE/dx in keV/nm from a stopping in eV/(1E15 atoms/cm2) and a density in atoms/nm3.
constexpr double kLossPerStopping = 1e-4;
// keV nm^2 per atom in eV/(1E15 atoms/cm2).
constexpr double kStopPerKeVNm2 = 1e4;
// The quadrature over the impact parameter of the universal potential: the trapezoidal rule in
// ln b from b = 2^-16 (a head-on region weighing b^2 nothing) to 2^9, where the table's angle
// ends (the potential below 1e-40 of its Coulomb value), 32 nodes per e-fold.
constexpr double kLowestImpact = 1.0 / 65536;
constexpr int kNodesPerEFold = 32;
// The quadrature over Lindhard's t = epsilon^2 sin^2(theta/2): the trapezoidal rule in ln t over
// 36 e-folds below the head-on t = epsilon^2, where what the moments take of a collision
// (about T or 1 - cos psi, both proportional to t) times the cross-section, t^2/3 at small t,
// has fallen below 1e-10.
constexpr double kThomasFermiSpan = 36;

// One node of the collision quadrature at one energy: the rate of such collisions per nm of
// path, the energy they transfer, and the ion's deflection in them.
struct CollisionNode {
    double rate = 0;      // 1/nm
    double transfer = 0;  // keV
    double cosIon = 1;
    double sin2Ion = 0;  // sin^2 of the deflection, formed without cancellation
};

void AddNode(std::vector<CollisionNode>& out, double rate, double E, double M1, double M2,
             const HalfAngle& half) {
    const CollisionOutcome c = Collide(E, M1, M2, half);
    out.push_back({rate, c.transfer, c.cosIon, c.sinIon * c.sinIon});
}

// The nodes of one element with `density` atoms/nm3 of it, at E keV.
void AddCollisions(std::vector<CollisionNode>& out, const ImplantIon& ion, const ImplantElement& el,
                   double density, NuclearScattering nuclear, double E) {
    const double h = 1.0 / kNodesPerEFold;
    if (nuclear == NuclearScattering::Universal) {
        const ScatteringTable& table = ScatteringTable::Universal();
        const double a = UniversalScreeningLength(ion.Z, ion.mass, el.Z, el.mass);
        const double epsilon = NuclearFactors(ion.Z, ion.mass, el.Z, el.mass).epsilonPerKeV * E;
        const double lowest = std::log(kLowestImpact);
        const int last = static_cast<int>(
            std::ceil((std::log(ScatteringTable::MaxImpact()) - lowest) * kNodesPerEFold));
        for (int k = 0; k <= last; ++k) {
            const double b = std::exp(lowest + k * h);
            const double p = a * b;
            // d sigma = 2 pi p dp = 2 pi p^2 d(ln p).
            const double w = 2 * kPi * p * p * h * (k == 0 || k == last ? 0.5 : 1);
            AddNode(out, density * w, E, ion.mass, el.mass, table.Lookup(epsilon, b));
        }
        return;
    }
    const LssFactors f = LssFactorsOf(ion.Z, ion.mass, el.Z, el.mass);
    const double epsilon = f.epsilonPerKeV * E;
    const int last = static_cast<int>(kThomasFermiSpan * kNodesPerEFold);
    for (int k = 0; k <= last; ++k) {
        // t = epsilon^2 s, s = sin^2(theta/2) = e^-(k h).
        HalfAngle half;
        half.sin2 = std::exp(-k * h);
        half.cos2 = -std::expm1(-k * h);
        const double rootT = epsilon * std::sqrt(half.sin2);
        // d sigma = pi a^2 f(t^1/2) / (2 t^3/2) dt = pi a^2 f(t^1/2) / (2 t^1/2) d(ln t).
        const double w = kPi * f.screening * f.screening * ThomasFermiScattering(rootT) /
                         (2 * rootT) * h * (k == 0 || k == last ? 0.5 : 1);
        AddNode(out, density * w, E, ion.mass, el.mass, half);
    }
}

double SumOfFractions(const ImplantLayer& layer) {
    double sum = 0;
    for (const ImplantElement& e : layer.elements) sum += e.fraction;
    return sum;
}

// The electronic energy loss, keV/nm, at E keV.
double ElectronicLossAt(const ImplantIon& ion, const ImplantLayer& layer, ElectronicLoss model,
                        double E) {
    const double N = layer.atomsPerCm3 * kNm3PerCm3;
    if (model == ElectronicLoss::LindhardScharff) {
        const double sum = SumOfFractions(layer);
        double S = 0;
        for (const ImplantElement& e : layer.elements)
            S += e.fraction / sum *
                 LindhardScharffStop(LssFactorsOf(ion.Z, ion.mass, e.Z, e.mass), E);
        return S * N * kLossPerStopping;
    }
    const StoppingTable& t = layer.electronic;
    if (t.energy.empty()) return 0;
    const auto above = std::upper_bound(t.energy.begin(), t.energy.end(), E);
    double S = 0;
    if (above == t.energy.begin()) {
        S = t.stopping.front();
    } else if (above == t.energy.end()) {
        S = t.stopping.back();
    } else {
        const auto k = static_cast<std::size_t>(above - t.energy.begin());
        const double share = (E - t.energy[k - 1]) / (t.energy[k] - t.energy[k - 1]);
        S = t.stopping[k - 1] + share * (t.stopping[k] - t.stopping[k - 1]);
    }
    return S * N * kLossPerStopping;
}

// Where E - T falls: within the last step (its share of the step, below = false) or at
// position `at` of the nodes already known (below = true; at < 0: at or under the cut-off).
struct Landing {
    bool below = false;
    double at = 0;
};

// The Legendre polynomial P_l(cos psi) of a node and 1 - P_l, the latter without cancellation.
void Legendre(int order, const CollisionNode& n, double& P, double& oneMinusP) {
    const double c = n.cosIon;
    if (order == 0) {
        P = 1;
        oneMinusP = 0;
    } else if (order == 1) {
        P = c;
        oneMinusP = c > 0 ? n.sin2Ion / (1 + c) : 1 - c;
    } else {
        P = 1 - 1.5 * n.sin2Ion;
        oneMinusP = 1.5 * n.sin2Ion;
    }
}

// One step of a moment F of Legendre order `order` and source `source` up to node i, from the
// nodes 0..i-1 of F: the equation source = Se F' + int d sigma [F(E) - P_l F(E - T)] with
// F' = (F_i - F_i-1)/dE, F(E - T) linear within the step, solved for F_i.
double StepMoment(const std::vector<CollisionNode>& nodes, const std::vector<Landing>& landings,
                  const std::vector<double>& F, std::size_t i, double dE, double Se, int order,
                  double source) {
    const double before = F[i - 1];
    double a = Se / dE, b = Se / dE * before;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const CollisionNode& n = nodes[k];
        double P = 1, oneMinusP = 0;
        Legendre(order, n, P, oneMinusP);
        const Landing& l = landings[k];
        if (!l.below) {
            // F(E - T) = F_i - (T/dE)(F_i - F_i-1).
            const double share = n.transfer / dE;
            a += n.rate * (oneMinusP + P * share);
            b += n.rate * P * share * before;
            continue;
        }
        a += n.rate;
        if (l.at < 0) continue;
        const auto j = static_cast<std::size_t>(l.at);
        const double w = l.at - static_cast<double>(j);
        const double landed = j + 1 < i ? F[j] + w * (F[j + 1] - F[j]) : F[j];
        b += n.rate * P * landed;
    }
    return (source + b) / a;
}

// The raw moments at the ion's energy: R1, A, B and L of the header.
struct RawMoments {
    double R1 = 0, A = 0, B = 0, L = 0;
};

RawMoments March(const ImplantIon& ion, const ImplantLayer& layer, const TransportOptions& o,
                 int stepsPerOctave) {
    const double cutoff = o.cutoffEv * kKevPerEv;
    const double N = layer.atomsPerCm3 * kNm3PerCm3, sum = SumOfFractions(layer);
    const double span = std::log(ion.energy / cutoff);
    const auto steps = static_cast<std::size_t>(std::ceil(span / std::log(2.0) * stepsPerOctave));
    const double step = span / static_cast<double>(steps);
    std::vector<double> R1(steps + 1), A(steps + 1), B(steps + 1), L(steps + 1);
    std::vector<CollisionNode> nodes;
    std::vector<Landing> landings;
    for (std::size_t i = 1; i <= steps; ++i) {
        const double E = i == steps ? ion.energy : cutoff * std::exp(step * static_cast<double>(i));
        const double previous = cutoff * std::exp(step * static_cast<double>(i - 1));
        const double dE = E - previous;
        nodes.clear();
        for (const ImplantElement& e : layer.elements)
            AddCollisions(nodes, ion, e, N * e.fraction / sum, o.nuclear, E);
        landings.resize(nodes.size());
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const double rest = E - nodes[k].transfer;
            landings[k].below = rest <= previous;
            landings[k].at = rest > cutoff ? std::log(rest / cutoff) / step : -1;
        }
        const double Se = ElectronicLossAt(ion, layer, o.electronic, E);
        R1[i] = StepMoment(nodes, landings, R1, i, dE, Se, 1, 1);
        L[i] = StepMoment(nodes, landings, L, i, dE, Se, 0, 1);
        A[i] = StepMoment(nodes, landings, A, i, dE, Se, 0, 2.0 / 3 * R1[i]);
        B[i] = StepMoment(nodes, landings, B, i, dE, Se, 2, 4.0 / 3 * R1[i]);
    }
    return {R1[steps], A[steps], B[steps], L[steps]};
}

}  // namespace

double QuadratureNuclearStop(const ImplantIon& ion, const ImplantElement& element,
                             NuclearScattering nuclear, double E) {
    std::vector<CollisionNode> nodes;
    AddCollisions(nodes, ion, element, 1, nuclear, E);
    double sum = 0;
    for (const CollisionNode& n : nodes) sum += n.rate * n.transfer;
    return sum * kStopPerKeVNm2;
}

TransportMoments TransportRangeMoments(const ImplantIon& ion, const ImplantLayer& layer,
                                       const TransportOptions& o) {
    if (layer.elements.empty()) throw ImplantError(ImplantProblem::NoElement, 0);
    if (!(layer.atomsPerCm3 > 0)) throw ImplantError(ImplantProblem::NoDensity, 0);
    if (!(o.cutoffEv > 0) || !std::isfinite(o.cutoffEv) || o.stepsPerOctave < 1)
        throw ImplantError(ImplantProblem::BadOption, -1);
    TransportMoments m;
    if (!(ion.energy > o.cutoffEv * kKevPerEv) || !std::isfinite(ion.energy)) return m;
    // The backward differences err in proportion to the step: Richardson's extrapolation of
    // the march on n and 2n steps per octave cancels that first order. It matters for the
    // straggle, a small difference of large second moments.
    const RawMoments coarse = March(ion, layer, o, o.stepsPerOctave);
    const RawMoments fine = March(ion, layer, o, 2 * o.stepsPerOctave);
    auto extrapolated = [](double c, double f) { return 2 * f - c; };
    const double R1 = extrapolated(coarse.R1, fine.R1), A = extrapolated(coarse.A, fine.A),
                 B = extrapolated(coarse.B, fine.B);
    m.projectedRange = R1;
    m.pathLength = extrapolated(coarse.L, fine.L);
    m.straggle = std::sqrt(std::max(0.0, A + B - R1 * R1));
    m.lateralSpread = std::sqrt(std::max(0.0, A - B / 2));
    return m;
}

}  // namespace fenra
