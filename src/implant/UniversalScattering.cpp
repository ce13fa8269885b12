#include "implant/UniversalScattering.h"

#include <array>
#include <cmath>
#include <limits>

#include "physics/NuclearStop.h"

namespace fenra {

namespace {

// Universal screening function, a sum of four exponentials (ZBL 1985, eq. 2-73).
constexpr std::array<double, 4> kScreenWeight = {0.18175, 0.50986, 0.28022, 0.028171};
constexpr std::array<double, 4> kScreenDecay = {3.1998, 0.94229, 0.4029, 0.20162};

constexpr double kPi = 3.14159265358979323846;
// e^2 / (4 pi eps0) = 1.439964 eV nm (CODATA 2018), in keV nm.
constexpr double kCoulombKeVNm = 1.439964e-3;
constexpr double kRootTolerance = 1e-13;  // relative step of the closest-approach iteration
constexpr int kRootIterations = 200;

// Gauss-Legendre nodes and weights on [0, 1], by Newton's method on P_n (Golub-free classic).
constexpr int kGaussPoints = 12;
struct GaussRule {
    std::array<double, kGaussPoints> node{}, weight{};
};

const GaussRule& Gauss() {
    static const GaussRule rule = [] {
        GaussRule r;
        for (int i = 0; i < kGaussPoints; ++i) {
            double x = std::cos(kPi * (i + 0.75) / (kGaussPoints + 0.5));
            double dp = 0;
            for (int it = 0; it < 100; ++it) {
                double p0 = 1, p1 = x;
                for (int k = 2; k <= kGaussPoints; ++k) {
                    const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                dp = kGaussPoints * (x * p1 - p0) / (x * x - 1);
                const double step = p1 / dp;
                x -= step;
                if (std::fabs(step) < 1e-16) break;
            }
            const auto k = static_cast<std::size_t>(i);
            r.node[k] = 0.5 * (1 - x);
            r.weight[k] = 1 / ((1 - x * x) * dp * dp);  // 2/((1-x^2)P'^2) halved for [0,1]
        }
        return r;
    }();
    return rule;
}

// The reduced potential V(x) = Phi(x)/x in units of Z1 Z2 e^2 / a.
double ReducedPotential(double x) {
    return UniversalScreening(x) / x;
}

}  // namespace

double UniversalScreeningLength(int Z1, double M1, int Z2, double M2) {
    // epsilon = a_U E_cm / (Z1 Z2 e^2) with E_cm = E M2 / (M1 + M2).
    const double epsilonPerKeV = NuclearFactors(Z1, M1, Z2, M2).epsilonPerKeV;
    return epsilonPerKeV * (M1 + M2) / M2 * static_cast<double>(Z1) * Z2 * kCoulombKeVNm;
}

double UniversalScreening(double x) {
    double phi = 0;
    for (std::size_t k = 0; k < kScreenWeight.size(); ++k)
        phi += kScreenWeight[k] * std::exp(-kScreenDecay[k] * x);
    return phi;
}

double UniversalScreeningSlope(double x) {
    double slope = 0;
    for (std::size_t k = 0; k < kScreenWeight.size(); ++k)
        slope -= kScreenWeight[k] * kScreenDecay[k] * std::exp(-kScreenDecay[k] * x);
    return slope;
}

double ClosestApproachBeyondImpact(double epsilon, double b) {
    // With x = b + d, G = d (2b + d)/(b + d) - Phi(b + d)/epsilon rises strictly from
    // -Phi(b)/epsilon at d = 0 (or -inf for b = 0); its one root is the closest approach. The
    // bare Coulomb root (Phi = 1), written without cancellation, lies at or beyond it and starts
    // a Newton iteration kept inside the bracket [lo, hi]. Working in d keeps glancing
    // collisions, where d is tiny beside b, to full precision.
    const double inv = 1 / epsilon;
    double hi = 0.5 * (inv + inv * inv / (std::sqrt(inv * inv + 4 * b * b) + 2 * b));
    double lo = 0;
    double d = hi;
    for (int it = 0; it < kRootIterations; ++it) {
        const double x = b + d;
        const double G = d * (2 * b + d) / x - UniversalScreening(x) * inv;
        if (G > 0) hi = d;
        if (G < 0) lo = d;
        if (G == 0) return d;
        const double slope = 1 + b * b / (x * x) - UniversalScreeningSlope(x) * inv;
        double next = d - G / slope;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        const double step = std::fabs(next - d);
        d = next;
        if (step <= kRootTolerance * d || hi - lo <= kRootTolerance * hi) break;
    }
    return d;
}

double ClosestApproach(double epsilon, double b) {
    return b + ClosestApproachBeyondImpact(epsilon, b);
}

double IntegratedScatteringAngle(double epsilon, double b, int panels) {
    if (b == 0) return kPi;
    const double d = ClosestApproachBeyondImpact(epsilon, b);
    const double x0 = b + d;
    // With u = x0/x = 1 - t^2 the integral is (1/x0) int_0^1 2t dt / sqrt(g), where
    // g = h + delta, h = t^2 (2 - t^2) the bare centrifugal part (its integral is pi/4) and
    // delta = (u^2 V(x0) - V(x))/epsilon, since 1 - b^2/x0^2 = V(x0)/epsilon at the root. So
    // theta = pi d/x0 - (4 b/x0) int_0^1 t (1/sqrt(g) - 1/sqrt(h)) dt, the bracket taken as
    // -delta/(sqrt(g h)(sqrt(g) + sqrt(h))): no cancellation however small the angle.
    const double v0 = ReducedPotential(x0);
    const GaussRule& rule = Gauss();
    double sum = 0;
    for (int p = 0; p < panels; ++p) {
        // Panels crowd towards t = 0, where the integrand varies fastest.
        const double t0 = std::pow(static_cast<double>(p) / panels, 2);
        const double t1 = std::pow(static_cast<double>(p + 1) / panels, 2);
        for (std::size_t k = 0; k < rule.node.size(); ++k) {
            const double t = t0 + (t1 - t0) * rule.node[k];
            const double u = 1 - t * t;
            const double delta = (u * u * v0 - ReducedPotential(x0 / u)) / epsilon;
            const double h = t * t * (2 - t * t);
            const double g = h + delta;
            if (!(g > 0)) continue;
            const double sg = std::sqrt(g), sh = std::sqrt(h);
            sum += (t1 - t0) * rule.weight[k] * t * (-delta) / (sg * sh * (sg + sh));
        }
    }
    return kPi * d / x0 - 4 * b / x0 * sum;
}

}  // namespace fenra
