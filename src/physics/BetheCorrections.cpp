#include "physics/BetheCorrections.h"

#include <algorithm>
#include <cmath>

namespace fenra {

namespace {

constexpr double kFineStructure = 7.2973525693e-3;

double BarkasBergerShell(double eta, double I) {
    const double e2 = 1 / (eta * eta), e4 = e2 * e2, e6 = e4 * e2;
    return (0.422377 * e2 + 0.0304043 * e4 - 0.00038106 * e6) * 1e-6 * I * I +
           (3.858019 * e2 - 0.1667989 * e4 + 0.00157955 * e6) * 1e-9 * I * I * I;
}

// Jackson-McCarthy v^2 F(v) at v = 1, 2, 3, 4; at 4 the value of the form above 4 (0.45 / 2,
// their 0.23 to two digits), so that the two meet without a step.
constexpr double kV2F[] = {0.33, 0.30, 0.26, 0.225};

// v >= 1.
double V2F(double v) {
    if (v >= 4) return 0.45 / std::sqrt(v);
    const int i = static_cast<int>(v);  // 1..3
    return kV2F[i - 1] + (v - i) * (kV2F[i] - kV2F[i - 1]);
}

}  // namespace

double ShellCorrection(double eta, double meanExcitation) {
    if (eta >= kShellFitLowEta) return BarkasBergerShell(eta, meanExcitation);
    const double r = kShellFitLowEta / eta;
    return BarkasBergerShell(kShellFitLowEta, meanExcitation) * r * r;
}

double BarkasFactor(double z, double betaGamma, int Z2) {
    const double sqrtZ2 = std::sqrt(static_cast<double>(Z2));
    const double v = betaGamma / (kFineStructure * sqrtZ2);
    const double w = std::max(v, 1.0);  // below v = 1 the factor keeps its value at 1
    return 2 * z * V2F(w) / (sqrtZ2 * w * w);
}

}  // namespace fenra
