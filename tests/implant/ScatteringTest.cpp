// The universal potential's scattering: the quadrature of the scattering integral against
// independent limits, and the table the simulation reads against the quadrature.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "implant/ScatteringTable.h"
#include "implant/UniversalScattering.h"

namespace fenra {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The small-angle (impulse) limit theta = -(b/eps) int_b^inf V'(r) / sqrt(r^2 - b^2) dr with
// r = b cosh s, by the midpoint rule: a separate road to the angle of a fast glancing collision.
double ImpulseAngle(double epsilon, double b) {
    const int n = 200000;
    const double sMax = 25, ds = sMax / n;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double r = b * std::cosh((i + 0.5) * ds);
        sum += (UniversalScreeningSlope(r) * r - UniversalScreening(r)) / (r * r) * ds;
    }
    return -(b / epsilon) * sum;
}

TEST(UniversalScattering, ScreeningStartsAtOneAndFalls) {
    EXPECT_NEAR(UniversalScreening(0), 1, 2e-6);  // the four weights add up to 1.000001
    EXPECT_LT(UniversalScreening(10), 1e-2);
    EXPECT_LT(UniversalScreeningSlope(1), 0);
}

TEST(UniversalScattering, ClosestApproachSolvesItsEquation) {
    const double cases[][2] = {{1e-4, 0}, {1e-2, 0.5}, {1, 1}, {100, 0.01}, {1e5, 20}};
    for (const auto& c : cases) {
        const double eps = c[0], b = c[1], x = ClosestApproach(eps, b);
        const double g = 1 - UniversalScreening(x) / (x * eps) - b * b / (x * x);
        EXPECT_NEAR(g, 0, 1e-12) << "eps " << eps << " b " << b;
        EXPECT_GE(x, b);
    }
}

TEST(UniversalScattering, HeadOnTurnsBackAndFarMissesGoStraight) {
    EXPECT_DOUBLE_EQ(IntegratedScatteringAngle(1, 0), kPi);
    EXPECT_LT(IntegratedScatteringAngle(1, 200), 1e-15);
    EXPECT_GT(IntegratedScatteringAngle(1e-3, 0.01), 3.1);
}

TEST(UniversalScattering, QuadratureMatchesTheImpulseLimitOfFastIons) {
    const double cases[][2] = {{1e4, 0.3}, {1e4, 1}, {1e4, 3}, {1e5, 10}};
    for (const auto& c : cases) {
        const double theta = IntegratedScatteringAngle(c[0], c[1]);
        EXPECT_NEAR(theta / ImpulseAngle(c[0], c[1]), 1, 2e-4) << "eps " << c[0] << " b " << c[1];
    }
}

TEST(UniversalScattering, QuadratureHasConverged) {
    for (double eps : {1e-4, 1e-2, 1.0, 1e2, 1e4})
        for (double b : {0.001, 0.1, 1.0, 10.0}) {
            const double a = IntegratedScatteringAngle(eps, b, 64);
            const double finer = IntegratedScatteringAngle(eps, b, 128);
            EXPECT_NEAR(a / finer, 1, 1e-5) << "eps " << eps << " b " << b;
        }
}

// The grid the table is judged on: reduced energies and impact parameters between the table's
// nodes (each a node value times an odd factor), over the range ions meet.
TEST(ScatteringTable, AgreesWithTheScatteringIntegral) {
    const ScatteringTable& table = ScatteringTable::Universal();
    double worstTheta = 0, worstSin2 = 0, atEps = 0, atB = 0;
    for (double eps = 1.07e-4; eps < 1e6; eps *= 3.17) {
        for (double b = 1.13e-3; b < 40; b *= 2.31) {
            const double theta = IntegratedScatteringAngle(eps, b);
            const HalfAngle h = table.Lookup(eps, b);
            const double tableTheta = 2 * std::asin(std::sqrt(h.sin2));
            const double dTheta = std::fabs(tableTheta / theta - 1);
            const double s = std::sin(theta / 2);
            const double dSin2 = std::fabs(h.sin2 / (s * s) - 1);
            EXPECT_NEAR(h.sin2 + h.cos2, 1, 1e-15);
            if (dTheta > worstTheta) {
                worstTheta = dTheta;
                atEps = eps;
                atB = b;
            }
            worstSin2 = std::max(worstSin2, dSin2);
        }
    }
    std::printf(
        "table against the integral: worst relative deviation %.2e in theta (at eps %.3g, "
        "b %.3g), %.2e in sin^2(theta/2)\n",
        worstTheta, atEps, atB, worstSin2);
    EXPECT_LT(worstTheta, 5e-3);
    EXPECT_LT(worstSin2, 1e-2);
}

TEST(ScatteringTable, FollowsCoulombBeyondItsEdges) {
    const ScatteringTable& table = ScatteringTable::Universal();
    // Above the highest energy tan(theta/2) scales as 1/epsilon.
    const double top = ScatteringTable::MaxEpsilon();
    const HalfAngle a = table.Lookup(top, 0.5), b = table.Lookup(10 * top, 0.5);
    EXPECT_NEAR(std::sqrt(b.sin2 / b.cos2) / std::sqrt(a.sin2 / a.cos2), 0.1, 1e-12);
    // Deep inside the screening the angle follows the integral.
    const double tiny = ScatteringTable::MinImpact() / 4;
    const double theta = IntegratedScatteringAngle(100, tiny);
    const HalfAngle c = table.Lookup(100, tiny);
    EXPECT_NEAR(2 * std::asin(std::sqrt(c.sin2)) / theta, 1, 2e-3);
    // Head-on and beyond the largest impact parameter.
    EXPECT_EQ(table.Lookup(1, 0).sin2, 1);
    EXPECT_EQ(table.Lookup(1, 0).cos2, 0);
    EXPECT_EQ(table.Lookup(1, 1000).sin2, 0);
}

}  // namespace
}  // namespace fenra
