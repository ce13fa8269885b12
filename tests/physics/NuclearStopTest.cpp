// ZBL universal nuclear stopping against values worked by hand from the published fit.

#include <gtest/gtest.h>

#include <cmath>

#include "physics/NuclearStop.h"

namespace fenra {
namespace {

TEST(ReducedNuclearStop, FitBelowTheSwitch) {
    // ln(1 + 1.1383 e) / (2 (e + 0.01321 e^0.21226 + 0.19593 e^0.5))
    EXPECT_NEAR(ReducedNuclearStop(1e-3), 0.0555244604994, 1e-12);
    EXPECT_NEAR(ReducedNuclearStop(1), 0.314277552977, 1e-12);
    EXPECT_NEAR(ReducedNuclearStop(10), 0.118235878329, 1e-12);
    EXPECT_NEAR(ReducedNuclearStop(30), 0.0572276002605, 1e-12);  // the switch is still the fit
}

TEST(ReducedNuclearStop, CoulombLimitAboveTheSwitch) {
    EXPECT_NEAR(ReducedNuclearStop(30.000001), 0.0566866216937, 1e-12);
    EXPECT_NEAR(ReducedNuclearStop(100), 0.0230258509299, 1e-13);
    EXPECT_NEAR(ReducedNuclearStop(1000), 0.00345387763949, 1e-14);
    // The switch steps down by about 1 %.
    EXPECT_NEAR(ReducedNuclearStop(30.000001) / ReducedNuclearStop(30), 0.99055, 1e-4);
}

TEST(ReducedNuclearStop, Limits) {
    // At low epsilon: 1.1383 e / (2 * 0.01321 e^0.21226), so it vanishes as e^0.788.
    const double e = 1e-14;
    EXPECT_NEAR(ReducedNuclearStop(e) / (1.1383 * e / (2 * 0.01321 * std::pow(e, 0.21226))), 1,
                2e-3);
    EXPECT_EQ(ReducedNuclearStop(0), 0);
    // At high epsilon: ln(e) / (2 e), exactly.
    EXPECT_DOUBLE_EQ(ReducedNuclearStop(1e9) * 2e9 / std::log(1e9), 1);
    // The maximum, about 0.35 at epsilon near 0.3.
    EXPECT_GT(ReducedNuclearStop(0.3), ReducedNuclearStop(0.1));
    EXPECT_GT(ReducedNuclearStop(0.3), ReducedNuclearStop(1));
    EXPECT_NEAR(ReducedNuclearStop(0.3), 0.35, 0.01);
}

TEST(NuclearStop, WorkedValuesInEvPerE15) {
    // 1 MeV helium (4.0026 amu) in silicon (28.086): epsilon 338.086160, Sn 0.0846245839.
    const NuclearStopFactors he = NuclearFactors(2, 4.0026, 14, 28.086);
    EXPECT_NEAR(he.epsilonPerKeV * 1000, 338.0861600568959, 1e-9);
    EXPECT_NEAR(NuclearStop(he, 1000), 0.0846245839112128, 1e-13);
    // 10 keV protons in silicon: epsilon 7.91242556, Sn 0.196493508.
    EXPECT_NEAR(NuclearStop(1, 1.0078, 14, 28.086, 10), 0.196493507517631, 1e-13);
    // 1 MeV uranium in gold, epsilon 0.364: Sn 2128.26466.
    EXPECT_NEAR(NuclearStop(92, 238.05, 79, 196.97, 1000), 2128.26466306091, 1e-8);
    // The switch energy gives epsilon 30.
    EXPECT_NEAR(NuclearFitSwitchEnergy(he) * he.epsilonPerKeV, 30, 1e-12);
    EXPECT_EQ(NuclearStop(he, 0), 0);
    EXPECT_EQ(NuclearStop(he, -1), 0);
}

}  // namespace
}  // namespace fenra
