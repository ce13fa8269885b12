#include "physics/BetheCorrections.h"

#include <cmath>
#include <cstddef>

namespace fenra {

namespace {

constexpr double kFineStructure = 7.2973525693e-3;

double BarkasBergerShell(double eta, double I) {
    const double e2 = 1 / (eta * eta), e4 = e2 * e2, e6 = e4 * e2;
    return (0.422377 * e2 + 0.0304043 * e4 - 0.00038106 * e6) * 1e-6 * I * I +
           (3.858019 * e2 - 0.1667989 * e4 + 0.00157955 * e6) * 1e-9 * I * I * I;
}

// Ashley-Ritchie-Brandt's function F(W) of the Barkas term, ascending in W (data/barkas_arb.csv).
struct ArbPoint {
    double W, F;
};
constexpr ArbPoint kArb[] = {
#include "barkas_arb.inc"
};
constexpr std::size_t kArbPoints = sizeof kArb / sizeof kArb[0];

// The close-collision parameter b of element Z2's outer shells in ARB's function, Bichsel's
// values (data/SOURCES.md).
double ArbParameter(int Z2) {
    if (Z2 == 2) return 0.6;
    if (Z2 <= 10 || Z2 == 18) return 1.8;
    if (Z2 <= 25) return 1.4;
    if (Z2 <= 50) return 1.35;
    return 1.3;
}

double ArbF(double W) {
    if (W <= kArb[0].W) return kArb[0].F;
    const ArbPoint& last = kArb[kArbPoints - 1];
    if (W >= last.W) return last.F * last.W / W;
    std::size_t k = 1;
    while (kArb[k].W < W) ++k;
    const ArbPoint &a = kArb[k - 1], &b = kArb[k];
    return a.F + (W - a.W) / (b.W - a.W) * (b.F - a.F);
}

}  // namespace

double ShellCorrection(double eta, double meanExcitation) {
    if (eta >= kShellFitLowEta) return BarkasBergerShell(eta, meanExcitation);
    const double r = kShellFitLowEta / eta;
    return BarkasBergerShell(kShellFitLowEta, meanExcitation) * r * r;
}

double BarkasTerm(double beta, int Z2) {
    const double Z = Z2;
    const double X = beta * beta / (kFineStructure * kFineStructure * Z);
    const double sqrtX = std::sqrt(X);
    return ArbF(ArbParameter(Z2) / sqrtX) / (std::sqrt(Z) * X * sqrtX);
}

std::vector<double> BarkasKnots(int Z2) {
    // W = b / sqrt(X) = b alpha sqrt(Z2) / beta: ascending in beta from ARB's last point.
    const double scale = ArbParameter(Z2) * kFineStructure * std::sqrt(static_cast<double>(Z2));
    std::vector<double> knots;
    for (std::size_t k = kArbPoints; k-- > 0;) {
        const double beta = scale / kArb[k].W;
        if (beta < 1) knots.push_back(beta);
    }
    return knots;
}

}  // namespace fenra
