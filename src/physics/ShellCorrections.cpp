#include "physics/ShellCorrections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace fenra {

namespace {

constexpr double kFineStructure = 7.2973525693e-3;
constexpr int kMaxZ = 92;
constexpr double kKScreening = 0.3;  // Z_K = Z2 - 0.3 (Walske)
// The O and P shells of the elements above Z2 = 60 are scaled from the L shell by this factor
// (Bichsel's outermost shells, as the M and N factors of data/shell_scale_*.csv).
constexpr double kOuterScale = 150;

// Walske's K shell: the coefficients at each theta (ascending), and B at each eta (ascending),
// one column per theta after the eta.
struct KCoefficients {
    double theta, S, T, U, V;
};
constexpr KCoefficients kK[] = {
#include "shell_walske_k.inc"
};
constexpr int kKThetas = sizeof kK / sizeof kK[0];
constexpr double kKB[][kKThetas + 1] = {
#include "shell_walske_k_b.inc"
};
constexpr int kKEtas = sizeof kKB / sizeof kKB[0];

// Walske's L shell: B = B_s + 3 B_l, the 2s and the 2p electrons' parts.
struct LCoefficients {
    double theta, S, T, U;
};
constexpr LCoefficients kL[] = {
#include "shell_walske_l.inc"
};
constexpr int kLThetas = sizeof kL / sizeof kL[0];
constexpr double kLBs[][kLThetas + 1] = {
#include "shell_walske_l_bs.inc"
};
constexpr double kLBl[][kLThetas + 1] = {
#include "shell_walske_l_bl.inc"
};
// The rows of the L-shell table taken: its last row (eta = 7) is left out. There C_L would be
// 1.40 at theta = 0.45 against 0.60 at eta = 5, where it must already fall as U_L / eta; the
// row's B_s and B_l grow from eta = 5 at a third of their slope in ln eta before it, so the row
// is taken as misprinted, and the high-speed expansion holds from eta = 5.
constexpr int kLEtas = sizeof kLBs / sizeof kLBs[0] - 1;
static_assert(kKEtas == 29 && kLEtas == 27 && sizeof kLBl == sizeof kLBs);

// A quantity given at points of Z2 (ascending): the shells' theta and Bichsel's factors H_n.
struct ZPoint {
    double Z, value;
};
constexpr ZPoint kThetaK[] = {
#include "shell_theta_k.inc"
};
constexpr ZPoint kThetaL[] = {
#include "shell_theta_l.inc"
};
constexpr ZPoint kScaleM[] = {
#include "shell_scale_m.inc"
};
constexpr ZPoint kScaleN[] = {
#include "shell_scale_n.inc"
};
constexpr ZPoint kScreeningL[] = {
#include "shell_screening_l.inc"
};

template <std::size_t N>
double AtZ(const ZPoint (&points)[N], double Z) {
    if (Z <= points[0].Z) return points[0].value;
    if (Z >= points[N - 1].Z) return points[N - 1].value;
    std::size_t k = 1;
    while (points[k].Z < Z) ++k;
    const ZPoint &a = points[k - 1], &b = points[k];
    return a.value + (Z - a.Z) / (b.Z - a.Z) * (b.value - a.value);
}

// Walske's C(eta) of one shell at one theta: S ln eta + T - B(eta) over the table's points, B
// linear in ln eta between them (B grows as S ln eta at high speed), and (U + V / eta + W /
// eta^2) / eta above them.
struct ShellCurve {
    double S = 0, T = 0, U = 0, V = 0, W = 0;
    int points = 0;
    std::array<double, kKEtas> eta{}, lnEta{}, B{};
};

double Evaluate(const ShellCurve& c, double eta) {
    const int last = c.points - 1;
    if (eta >= c.eta[last]) {
        const double x = 1 / eta;
        return (c.U + (c.V + c.W * x) * x) * x;
    }
    const double lnEta = std::log(eta);
    double B = c.B[0];
    if (eta > c.eta[0]) {
        const auto k = std::upper_bound(c.eta.begin(), c.eta.begin() + last, eta) - c.eta.begin();
        const double f = (lnEta - c.lnEta[k - 1]) / (c.lnEta[k] - c.lnEta[k - 1]);
        B = c.B[k - 1] + f * (c.B[k] - c.B[k - 1]);
    }
    return c.S * lnEta + c.T - B;
}

// The table's column k and its share f of the next one at theta, held at the ends.
template <typename Row, int N>
void ThetaColumn(const Row (&rows)[N], double theta, int* k, double* f) {
    theta = std::clamp(theta, rows[0].theta, rows[N - 1].theta);
    *k = 0;
    while (*k < N - 2 && rows[*k + 1].theta < theta) ++*k;
    *f = (theta - rows[*k].theta) / (rows[*k + 1].theta - rows[*k].theta);
}

double Mix(double a, double b, double f) {
    return a + f * (b - a);
}

ShellCurve KCurve(double theta) {
    int k;
    double f;
    ThetaColumn(kK, theta, &k, &f);
    const KCoefficients &a = kK[k], &b = kK[k + 1];
    ShellCurve c;
    c.S = Mix(a.S, b.S, f), c.T = Mix(a.T, b.T, f), c.U = Mix(a.U, b.U, f);
    c.V = Mix(a.V, b.V, f);
    c.points = kKEtas;
    for (int i = 0; i < kKEtas; ++i) {
        c.eta[i] = kKB[i][0];
        c.lnEta[i] = std::log(c.eta[i]);
        c.B[i] = Mix(kKB[i][k + 1], kKB[i][k + 2], f);
    }
    // Continuity with the last point of the table.
    const double e = c.eta[kKEtas - 1];
    const double last = c.S * std::log(e) + c.T - c.B[kKEtas - 1];
    c.W = e * (e * e * last - e * c.U - c.V);
    return c;
}

ShellCurve LCurve(double theta) {
    int k;
    double f;
    ThetaColumn(kL, theta, &k, &f);
    const LCoefficients &a = kL[k], &b = kL[k + 1];
    ShellCurve c;
    c.S = Mix(a.S, b.S, f), c.T = Mix(a.T, b.T, f), c.U = Mix(a.U, b.U, f);
    c.points = kLEtas;
    for (int i = 0; i < kLEtas; ++i) {
        c.eta[i] = kLBs[i][0];
        c.lnEta[i] = std::log(c.eta[i]);
        const double Bs = Mix(kLBs[i][k + 1], kLBs[i][k + 2], f);
        const double Bl = Mix(kLBl[i][k + 1], kLBl[i][k + 2], f);
        c.B[i] = Bs + 3 * Bl;
    }
    const double e = c.eta[kLEtas - 1];
    c.V = e * (e * (c.S * std::log(e) + c.T - c.B[kLEtas - 1]) - c.U);
    return c;
}

// The shells of one element: the K shell, and the L shell and those outside it (eta of each
// = scale beta^2; weight N_n / 8).
struct ElementShells {
    ShellCurve k, l;
    double kWeight = 1, kScale = 0;
    int outer = 0;
    std::array<double, 4> weight{}, scale{};
};

ElementShells ShellsOfElement(int Z2) {
    ElementShells e;
    const double Z = Z2;
    const double alpha2 = kFineStructure * kFineStructure;
    // Hydrogen's one electron is unscreened; helium's two fill the K shell.
    const double ZK = Z2 == 1 ? 1 : Z - kKScreening;
    e.k = KCurve(ThetaK(Z2));
    e.kWeight = Z2 == 1 ? 0.5 : 1;
    e.kScale = 1 / (alpha2 * ZK * ZK);
    if (Z2 <= 2) return e;
    const double ZL = Z - AtZ(kScreeningL, Z);
    const double lScale = 1 / (alpha2 * ZL * ZL);
    e.l = LCurve(ThetaL(Z2));
    // Electrons in L, M, N (to Z2 = 60, with the O shell), O+P, and each shell's factor H_n.
    const double electrons[4] = {std::min(Z - 2, 8.0), std::clamp(Z - 10, 0.0, 18.0),
                                 std::clamp(Z - 28, 0.0, 32.0), std::max(Z - 60, 0.0)};
    const double factor[4] = {1, AtZ(kScaleM, Z), AtZ(kScaleN, Z), kOuterScale};
    for (int n = 0; n < 4 && electrons[n] > 0; ++n) {
        e.weight[n] = electrons[n] / 8;
        e.scale[n] = factor[n] * lScale;
        e.outer = n + 1;
    }
    return e;
}

const ElementShells& ShellsOf(int Z2) {
    static const std::array<ElementShells, kMaxZ + 1> shells = [] {
        std::array<ElementShells, kMaxZ + 1> s{};
        for (int Z = 1; Z <= kMaxZ; ++Z) s[Z] = ShellsOfElement(Z);
        return s;
    }();
    return shells[std::clamp(Z2, 1, kMaxZ)];
}

}  // namespace

double WalskeKShell(double theta, double eta) {
    return Evaluate(KCurve(theta), eta);
}

double WalskeLShell(double theta, double eta) {
    return Evaluate(LCurve(theta), eta);
}

double ThetaK(int Z2) {
    return AtZ(kThetaK, Z2);
}

double ThetaL(int Z2) {
    return AtZ(kThetaL, Z2);
}

double BichselShellTerm(double beta, int Z2) {
    const ElementShells& e = ShellsOf(Z2);
    const double beta2 = beta * beta;
    double C = e.kWeight * Evaluate(e.k, e.kScale * beta2);
    for (int n = 0; n < e.outer; ++n) C += e.weight[n] * Evaluate(e.l, e.scale[n] * beta2);
    return C / Z2;
}

std::vector<double> ShellKnots(int Z2) {
    const ElementShells& e = ShellsOf(Z2);
    std::vector<double> knots;
    auto add = [&knots](const ShellCurve& c, double scale) {
        for (int i = 0; i < c.points; ++i) {
            const double beta = std::sqrt(c.eta[i] / scale);
            if (beta < 1) knots.push_back(beta);
        }
    };
    add(e.k, e.kScale);
    for (int n = 0; n < e.outer; ++n) add(e.l, e.scale[n]);
    std::sort(knots.begin(), knots.end());
    return knots;
}

}  // namespace fenra
