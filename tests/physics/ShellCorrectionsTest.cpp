// Walske's K- and L-shell corrections and Bichsel's outer shells: the tables' points worked out by
// hand from the published numbers (C = S ln eta + T - B), the interpolation between them, the
// high-speed limit, and the sum over the shells of an element.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "physics/ShellCorrections.h"

namespace fenra {
namespace {

constexpr double kAlpha = 7.2973525693e-3;

struct WalskeCase {
    double theta, eta, expected;
};

// K shell: S, T from the coefficient table, B from the stopping-number table at (theta, eta).
const WalskeCase kKCases[] = {
    {0.80, 1.0, 2.3466 - 1.32303},
    {0.64, 0.3, 1.9477 * std::log(0.3) + 2.5222 - 2.72329e-1},
    {0.95, 10.0, 1.4772 * std::log(10.0) + 2.1686 - 5.32590},       // the last point
    {0.95, 0.005, 1.4772 * std::log(0.005) + 2.1686 - 1.34782e-8},  // the first
    // Half-way between theta = 0.64 and 0.65 at eta = 1.
    {0.645, 1.0, (2.5222 + 2.5125) / 2 - (1.60140 + 1.58102) / 2},
    // Half-way in ln eta between 1.0 and 1.2 at theta = 0.80: B is the mean of its two points.
    {0.80, std::sqrt(1.2), 1.6461 * std::log(std::sqrt(1.2)) + 2.3466 - (1.32303 + 1.62396) / 2},
    // Below the table, B is held at its first point.
    {0.80, 0.001, 1.6461 * std::log(0.001) + 2.3466 - 4.94946e-8},
};

// L shell: B = B_s + 3 B_l.
const WalskeCase kLCases[] = {
    {0.45, 2.0, 7.9117 * std::log(2.0) + 24.4531 - (6.0896 + 3 * 7.5328)},
    {0.66, 0.5, 5.9792 * std::log(0.5) + 19.8546 - (2.3932 + 3 * 3.2033)},
    {0.24, 0.005, 15.3343 * std::log(0.005) + 35.0669 - (3.3006e-3 + 3 * 6.0395e-3)},
    {0.60, 5.0, 6.3498 * std::log(5.0) + 20.9006 - (6.8003 + 3 * 7.8982)},  // the last point taken
    // Theta beyond the table is held at its end.
    {0.70, 0.5, 5.9792 * std::log(0.5) + 19.8546 - (2.3932 + 3 * 3.2033)},
};

TEST(WalskeShell, KShellMatchesTheTableAtHandCheckedPoints) {
    for (const WalskeCase& c : kKCases)
        EXPECT_NEAR(WalskeKShell(c.theta, c.eta), c.expected, 1e-9)
            << "theta " << c.theta << ", eta " << c.eta;
}

TEST(WalskeShell, LShellMatchesTheTableAtHandCheckedPoints) {
    for (const WalskeCase& c : kLCases)
        EXPECT_NEAR(WalskeLShell(c.theta, c.eta), c.expected, 1e-9)
            << "theta " << c.theta << ", eta " << c.eta;
}

TEST(WalskeShell, HighSpeedLimitIsUOverEtaAndJoinsTheTable) {
    // eta C -> U: U_K = 2.1197 at theta = 0.80, U_L = 2.0039 at theta = 0.60.
    EXPECT_NEAR(1e7 * WalskeKShell(0.80, 1e7), 2.1197, 1e-5);
    EXPECT_NEAR(1e7 * WalskeLShell(0.60, 1e7), 2.0039, 1e-5);
    // Continuous where the expansion takes over from the tables.
    for (double theta : {0.64, 0.77, 0.95})
        EXPECT_NEAR(WalskeKShell(theta, kWalskeKHighEta * (1 + 1e-12)),
                    WalskeKShell(theta, kWalskeKHighEta * (1 - 1e-12)), 1e-9)
            << theta;
    for (double theta : {0.24, 0.45, 0.66})
        EXPECT_NEAR(WalskeLShell(theta, kWalskeLHighEta * (1 + 1e-12)),
                    WalskeLShell(theta, kWalskeLHighEta * (1 - 1e-12)), 1e-9)
            << theta;
    // Past its table the L-shell correction falls with speed (its misprinted last row, at eta
    // = 7, would have it rise from 0.60 to 1.40).
    EXPECT_LT(WalskeLShell(0.45, 7), WalskeLShell(0.45, 5));
    EXPECT_GT(WalskeLShell(0.45, 7), 0);
}

TEST(WalskeShell, ThetaFollowsBichselsTableOverZ) {
    EXPECT_NEAR(ThetaK(47), 0.82467 + (47 - 44.7705) / (47.2234 - 44.7705) * (0.82838 - 0.82467),
                1e-12);
    EXPECT_NEAR(ThetaL(92), 0.6368 + (92 - 91.551) / (94.2449 - 91.551) * (0.64054 - 0.6368),
                1e-12);
    EXPECT_EQ(ThetaK(6), 0.70663);  // held at the table's first element below it
    EXPECT_EQ(ThetaL(10), 0.29875);
}

// An element's shells: the electrons of L, M, N, O+P and Bichsel's factor H_n of each.
struct ElementCase {
    int Z;
    double electrons[4], H[4];
};

const ElementCase kElementCases[] = {
    {2, {0, 0, 0, 0}, {1, 0, 0, 0}},          {13, {8, 3, 0, 0}, {1, 12.0, 0, 0}},
    {29, {8, 18, 1, 0}, {1, 6.18, 75.5, 0}},  // N held at Z2 = 33's factor
    {47, {8, 18, 19, 0}, {1, 4.00, 21.4, 0}}, {63, {8, 18, 32, 3}, {1, 3.93, 18.2, 150}},
};

TEST(BichselShellTerm, SumsWalskesShellsWithBichselsFactors) {
    for (const ElementCase& c : kElementCases)
        for (double beta : {0.05, 0.3, 0.9}) {
            const double b2 = beta * beta / (kAlpha * kAlpha);
            const double ZK = c.Z - 0.3, ZL = c.Z - 4.15;
            double C = WalskeKShell(ThetaK(c.Z), b2 / (ZK * ZK));
            for (int n = 0; n < 4; ++n)
                if (c.electrons[n] > 0)
                    C += c.electrons[n] / 8 * WalskeLShell(ThetaL(c.Z), c.H[n] * b2 / (ZL * ZL));
            EXPECT_NEAR(BichselShellTerm(beta, c.Z), C / c.Z, 1e-12) << c.Z << " at " << beta;
        }
    // Hydrogen: one unscreened K electron.
    EXPECT_NEAR(BichselShellTerm(0.1, 1), 0.5 * WalskeKShell(ThetaK(1), 0.01 / (kAlpha * kAlpha)),
                1e-12);
    // Lithium to fluorine: the L shell's screening of each element, the electrons outside K.
    const double ZL = 6 - 2.82, b2 = 0.04 / (kAlpha * kAlpha);
    EXPECT_NEAR(BichselShellTerm(0.2, 6),
                (WalskeKShell(ThetaK(6), b2 / (5.7 * 5.7)) +
                 4.0 / 8 * WalskeLShell(ThetaL(6), b2 / (ZL * ZL))) /
                    6,
                1e-12);
}

TEST(BichselShellTerm, FallsAsOneOverBetaSquaredAtHighSpeed) {
    // Every shell beyond its table: C ~ sum (U_n / eta_n), so beta^2 C / Z2 settles.
    for (int Z : {6, 13, 29}) {
        const double a = 0.98 * 0.98 * BichselShellTerm(0.98, Z);
        const double b = 0.99 * 0.99 * BichselShellTerm(0.99, Z);
        EXPECT_GT(a, 0) << Z;
        EXPECT_NEAR(b / a, 1, 0.02) << Z;
    }
}

TEST(BichselShellTerm, KnotsAreThePointsOfTheTables) {
    const std::vector<double> knots = ShellKnots(29);
    ASSERT_FALSE(knots.empty());
    EXPECT_TRUE(std::is_sorted(knots.begin(), knots.end()));
    EXPECT_LT(knots.back(), 1);
    // The K shell at eta = 1: beta = alpha Z_K.
    const double beta = kAlpha * 28.7;
    EXPECT_TRUE(std::any_of(knots.begin(), knots.end(),
                            [beta](double k) { return std::fabs(k - beta) < 1e-12; }));
}

}  // namespace
}  // namespace fenra
