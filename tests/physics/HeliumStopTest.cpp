#include <gtest/gtest.h>

#include <cmath>

#include "ElementTable.h"
#include "physics/EffectiveCharge.h"
#include "physics/Stopping.h"

namespace fenra {
namespace {

TEST(HeliumCharge, WorkedValues) {
    EXPECT_NEAR(HeliumEffectiveChargeSquared(14, 1000.0f), 1.007825, 5e-7);
    EXPECT_NEAR(HeliumEffectiveChargeSquared(6, 100.0f), 0.678701, 5e-7);
}

TEST(HeliumCharge, ExponentIsCappedAt30) {
    // Far above 10 MeV/amu the fifth-degree fit runs away; capped, G = 1 - exp(-30) and the
    // target term exp(-(7.6 - L)^2) is below double resolution.
    const double capped = 1 - std::exp(-30.0);
    ASSERT_NE(capped, 1.0);
    EXPECT_EQ(HeliumEffectiveChargeSquared(14, 1e6f), capped);
    EXPECT_EQ(HeliumEffectiveChargeSquared(79, 1e7f), capped);
}

TEST(HeliumCharge, TargetTermPeaksNearLn7_6) {
    // At L = 7.6 the correction H = 1 + 0.007 + 0.00005 Z2; the fit G is the same for every Z2.
    const float E = static_cast<float>(std::exp(7.6));
    const double h92 = 1 + 0.007 + 0.00005 * 92;
    const double h1 = 1 + 0.007 + 0.00005 * 1;
    EXPECT_NEAR(HeliumEffectiveChargeSquared(92, E) / HeliumEffectiveChargeSquared(1, E),
                (h92 * h92) / (h1 * h1), 1e-12);
    // Away from the peak the correction fades.
    EXPECT_NEAR(HeliumEffectiveChargeSquared(92, 10.0f) / HeliumEffectiveChargeSquared(1, 10.0f),
                1.0, 1e-4);
}

TEST(HeliumCharge, FlatBelow1KevPerAmu) {
    const double at1 = HeliumEffectiveChargeSquared(14, 1.0f);
    EXPECT_EQ(HeliumEffectiveChargeSquared(14, 0.3f), at1);
    EXPECT_EQ(HeliumEffectiveChargeSquared(14, 0.0f), at1);
}

TEST(HeliumStop, SquareRootFallOffBelow1KevPerAmu) {
    const CoefficientSet& si = test::ElementZ(14).coef;
    const double at1 = HeliumStop(14, 1.0f, si);
    EXPECT_EQ(HeliumStop(14, 0.0f, si), 0.0);
    EXPECT_EQ(HeliumStop(14, 0.25f, si), at1 * 0.5);  // sqrt(0.25) is exact
    EXPECT_DOUBLE_EQ(HeliumStop(14, 0.5f, si), at1 * std::sqrt(0.5));
    // Just above 1 the ordinary formula; continuous at 1.
    EXPECT_NEAR(HeliumStop(14, std::nextafter(1.0f, 2.0f), si) / at1, 1.0, 1e-6);
}

TEST(HeliumStop, LowEnergyProtonExponentFollowsTarget) {
    // Same coefficients: between 1 and 25 keV/amu only the proton fall-off exponent and the tiny
    // target term tell Z2 = 6 from Z2 = 7.
    const CoefficientSet& c = test::ElementZ(6).coef;
    const double r6 = HeliumStop(6, 5.0f, c) / HeliumStop(6, 25.0f, c);
    const double r7 = HeliumStop(7, 5.0f, c) / HeliumStop(7, 25.0f, c);
    const double g = HeliumEffectiveChargeSquared(6, 5.0f) / HeliumEffectiveChargeSquared(6, 25.0f);
    EXPECT_NEAR(r6 / g, std::pow(0.2, 0.25), 1e-9);
    EXPECT_NEAR(r7 / g, std::pow(0.2, static_cast<double>(0.45f)), 1e-9);
}

}  // namespace
}  // namespace fenra
