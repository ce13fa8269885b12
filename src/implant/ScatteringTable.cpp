#include "implant/ScatteringTable.h"

#include <cmath>

#include "implant/OctaveGrid.h"
#include "implant/UniversalScattering.h"

namespace fenra {

namespace {

constexpr int kSubBits = 3;  // 8 nodes per octave
constexpr int kSub = 1 << kSubBits;
constexpr int kEpsLowExp = -17;     // epsilon from 2^-17 (7.6e-6)
constexpr int kEpsHighExp = 22;     // to 2^22 (4.2e6)
constexpr int kImpactLowExp = -10;  // b from 2^-10 (1e-3)
constexpr int kImpactHighExp = 9;   // to 2^9 (512), where the universal Phi is below 1e-40
constexpr int kRows = (kEpsHighExp - kEpsLowExp) * kSub + 1;
constexpr int kColumns = (kImpactHighExp - kImpactLowExp) * kSub + 1;
// Quadrature panels for the table's nodes: 1e-8 relative in theta (against 64 panels).
constexpr int kTablePanels = 6;

}  // namespace

double ScatteringTable::MinEpsilon() {
    return std::ldexp(1.0, kEpsLowExp);
}
double ScatteringTable::MaxEpsilon() {
    return std::ldexp(1.0, kEpsHighExp);
}
double ScatteringTable::MinImpact() {
    return std::ldexp(1.0, kImpactLowExp);
}
double ScatteringTable::MaxImpact() {
    return std::ldexp(1.0, kImpactHighExp);
}

ScatteringTable::ScatteringTable() : q_(static_cast<std::size_t>(kRows) * kColumns) {
    for (int r = 0; r < kRows; ++r) {
        const double epsilon = OctaveNode<kSubBits>(r, kEpsLowExp);
        for (int c = 0; c < kColumns; ++c) {
            const double b = OctaveNode<kSubBits>(c, kImpactLowExp);
            const double half = 0.5 * IntegratedScatteringAngle(epsilon, b, kTablePanels);
            const double t = std::tan(half);
            // Far out the angle underflows; a very negative q stands for "no deflection".
            q_[static_cast<std::size_t>(r) * kColumns + static_cast<std::size_t>(c)] =
                t > 0 ? 2 * std::log(t) : -1400;
        }
    }
}

const ScatteringTable& ScatteringTable::Universal() {
    static const ScatteringTable table;  // thread-safe initialisation (C++11)
    return table;
}

double ScatteringTable::Q(double epsilon, double b) const {
    OctavePosition r = OctaveLocate<kSubBits>(epsilon, kEpsLowExp);
    OctavePosition c = OctaveLocate<kSubBits>(b, kImpactLowExp);
    if (r.node >= kRows - 1) r = {kRows - 2, 1.0};
    if (r.node < 0) r = {0, 0.0};
    if (c.node >= kColumns - 1) c = {kColumns - 2, 1.0};
    const double* row0 = &q_[static_cast<std::size_t>(r.node) * kColumns];
    const double* row1 = row0 + kColumns;
    const auto k = static_cast<std::size_t>(c.node);
    const double low = row0[k] + c.weight * (row0[k + 1] - row0[k]);
    const double high = row1[k] + c.weight * (row1[k + 1] - row1[k]);
    return low + r.weight * (high - low);
}

HalfAngle ScatteringTable::Lookup(double epsilon, double b) const {
    HalfAngle h;
    if (!(b > 0)) {  // head-on: straight back in the centre of mass
        h.sin2 = 1;
        h.cos2 = 0;
        return h;
    }
    if (b >= MaxImpact()) return h;
    double q = 0;
    if (b < MinImpact()) {
        q = Q(epsilon, MinImpact()) - 2 * std::log(b / MinImpact());
    } else if (epsilon > MaxEpsilon()) {
        q = Q(MaxEpsilon(), b) - 2 * std::log(epsilon / MaxEpsilon());
    } else {
        q = Q(epsilon, b);
    }
    // tan^2 = e^q: sin^2 = 1/(1 + e^-q), cos^2 = e^-q/(1 + e^-q).
    const double t = std::exp(-q);
    if (!std::isfinite(t)) return h;
    h.sin2 = 1 / (1 + t);
    h.cos2 = t / (1 + t);
    return h;
}

}  // namespace fenra
