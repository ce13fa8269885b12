#include "physics/LindhardSorensen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <mutex>
#include <vector>

namespace fenra {

namespace {

using Complex = std::complex<double>;

constexpr double kFineStructure = 7.2973525693e-3;
constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxZ1 = 120;

// ln Gamma(z) for Re z > 0: shifted up to |z| >= 15 by the recurrence, then Stirling's series
// (Abramowitz and Stegun 6.1.40), error below 1e-13. The imaginary part is arg Gamma up to a
// multiple of 2 pi, which the phase-shift differences do not feel.
Complex LogGamma(Complex z) {
    Complex shift = 0;
    while (std::abs(z) < 15) {
        shift += std::log(z);
        z += 1.0;
    }
    const Complex w = 1.0 / z, w2 = w * w;
    const Complex series =
        w * (1.0 / 12 - w2 * (1.0 / 360 - w2 * (1.0 / 1260 - w2 * (1.0 / 1680))));
    return (z - 0.5) * std::log(z) - z + 0.5 * std::log(2 * kPi) + series - shift;
}

// The Dirac-Coulomb phase shift d_k of a point charge (k = +-1, +-2, ...).
double PhaseShift(int k, double alphaZ, double eta, double gamma) {
    const double kd = k;
    const double s = std::sqrt(kd * kd - alphaZ * alphaZ);
    const double l = k > 0 ? kd : -kd - 1;
    const double xi = 0.5 * std::arg(Complex(kd, -eta / gamma) / Complex(s, -eta));
    return xi - LogGamma(Complex(s + 1, eta)).imag() + kPi * (l - s) / 2;
}

double Sin2(double x) {
    const double s = std::sin(x);
    return s * s;
}

// The table of one ion: dL_LS at ln(beta gamma) = kLow + i kStep.
const double kLow = std::log(kLindhardSorensenLowBetaGamma);
const double kHigh = std::log(kLindhardSorensenHighBetaGamma);
constexpr double kStep = kLindhardSorensenStep;

struct IonTable {
    std::once_flag built;
    std::vector<double> values;
};

std::array<IonTable, kMaxZ1 + 1>& Tables() {
    static std::array<IonTable, kMaxZ1 + 1> tables;
    return tables;
}

void BuildTable(int Z1, std::vector<double>* values) {
    const int n = static_cast<int>(std::ceil((kHigh - kLow) / kStep)) + 1;
    values->resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double betaGamma = std::exp(kLow + i * kStep);
        (*values)[static_cast<std::size_t>(i)] =
            LindhardSorensenSum(Z1, std::sqrt(1 + betaGamma * betaGamma));
    }
}

}  // namespace

double LindhardSorensenSum(int Z1, double gamma, int terms) {
    const double beta = std::sqrt(1 - 1 / (gamma * gamma));
    const double alphaZ = kFineStructure * Z1;
    const double eta = alphaZ / beta;
    const double eta2 = eta * eta;
    double sum = 0, term = 0;
    double dPrev = 0;                                    // d_(k-1)
    double dMinus = PhaseShift(-1, alphaZ, eta, gamma);  // d_-k
    for (int k = 1; k <= terms; ++k) {
        const double kd = k;
        const double dk = PhaseShift(k, alphaZ, eta, gamma);
        const double dMinusNext = PhaseShift(-k - 1, alphaZ, eta, gamma);
        term = kd * (kd + 1) / (2 * kd + 1) * Sin2(dMinus - dMinusNext) / eta2 +
               kd / (4 * kd * kd - 1) * Sin2(dk - dMinus) / eta2 - 1 / kd;
        if (k > 1) term += kd * (kd - 1) / (2 * kd - 1) * Sin2(dk - dPrev) / eta2;
        sum += term;
        dPrev = dk;
        dMinus = dMinusNext;
    }
    // The terms fall as c / k^3: the rest of the series is about c / (2 (k + 1/2)^2).
    const double last = terms;
    sum += term * last * last * last / (2 * (last + 0.5) * (last + 0.5));
    return sum + beta * beta / 2;
}

double LindhardSorensenCorrection(int Z1, double gamma) {
    Z1 = std::clamp(Z1, 1, kMaxZ1);
    IonTable& t = Tables()[static_cast<std::size_t>(Z1)];
    std::call_once(t.built, BuildTable, Z1, &t.values);
    const double betaGamma = std::sqrt(gamma * gamma - 1);
    const double x = std::log(std::max(betaGamma, kLindhardSorensenLowBetaGamma));
    const double pos = std::min((x - kLow) / kStep, static_cast<double>(t.values.size() - 1));
    const std::size_t i = std::min(static_cast<std::size_t>(pos), t.values.size() - 2);
    const double f = pos - static_cast<double>(i);
    return t.values[i] + f * (t.values[i + 1] - t.values[i]);
}

}  // namespace fenra
