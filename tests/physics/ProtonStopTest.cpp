#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ElementTable.h"
#include "physics/Stopping.h"

namespace fenra {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kE = std::exp(1.0);

// A made-up set whose medium-region value is easy to work out at E' = 100:
// S_low = 1*E'^1 + 1*E'^0.5 = 110; S_high = (11000 / E'^1) * ln(100e / E') = 110;
// S = 110*110 / 220 = 55.
CoefficientSet SetGiving55At100() {
    CoefficientSet c;
    c.P = {1, 1, 1, 0.5, 11000, 1, 100 * kE, 0};
    return c;
}

TEST(ProtonStopMedium, CombinesTheTwoTermsHarmonically) {
    EXPECT_NEAR(ProtonStop(14, 100.0f, SetGiving55At100()), 55.0, 1e-12);

    // With S_high = S_low the result is half of either.
    CoefficientSet c;
    c.P = {3, 0, 0, 0, 6, 0, 25 * kE, 0};  // S_low = 3, S_high = 6 at E' = 25 -> 2
    EXPECT_NEAR(ProtonStop(14, 25.0f, c), 2.0, 1e-14);
}

TEST(ProtonStopMedium, LogarithmHasNoAddedOne) {
    // PCoef7 / 25 = 1: ln(1) = 0, so S_high and the result vanish; ln(1 + 1) would not.
    CoefficientSet c;
    c.P = {1, 0, 0, 0, 1, 0, 25, 0};
    EXPECT_EQ(ProtonStop(14, 25.0f, c), 0.0);
    EXPECT_EQ(ProtonStop(14, 10.0f, c), 0.0);  // low region evaluates at 25 too
}

TEST(ProtonStopLow, ZeroEnergyGivesZero) {
    EXPECT_EQ(ProtonStop(14, 0.0f, test::ElementZ(14).coef), 0.0);
    EXPECT_EQ(ProtonStop(6, 0.0f, test::ElementZ(6).coef), 0.0);
    EXPECT_EQ(ProtonStop(1, 0.0f, test::ElementZ(1).coef), 0.0);
}

TEST(ProtonStopLow, ScalesTheValueAt25ByAPowerOfE) {
    const CoefficientSet& si = test::ElementZ(14).coef;
    const double at25 = ProtonStop(14, 25.0f, si);
    // Just below 25 only the factor (E/25)^0.45 differs; just above, the medium formula runs on.
    const float below = std::nextafter(25.0f, 0.0f);
    EXPECT_DOUBLE_EQ(ProtonStop(14, below, si),
                     at25 * std::pow(static_cast<double>(below) / 25, static_cast<double>(0.45f)));
    EXPECT_NEAR(ProtonStop(14, std::nextafter(25.0f, 26.0f), si) / at25, 1.0, 1e-6);

    // Below 25 the medium formula is not evaluated at E: the made-up set is only known at 25.
    CoefficientSet c;
    c.P = {3, 0, 0, 0, 6, 0, 25 * kE, 0};
    EXPECT_NEAR(ProtonStop(14, 4.0f, c), 2.0 * std::pow(0.16, static_cast<double>(0.45f)), 1e-14);
}

TEST(ProtonStopLow, ExponentDependsOnTargetAtomicNumber) {
    // Same coefficients, Z2 = 6 against Z2 = 7: only the exponent changes.
    const CoefficientSet& c = test::ElementZ(6).coef;
    const double at25c = ProtonStop(6, 25.0f, c);
    const double at25n = ProtonStop(7, 25.0f, c);
    EXPECT_EQ(at25c, at25n);
    EXPECT_NEAR(ProtonStop(6, 5.0f, c) / at25c, std::pow(0.2, 0.25), 1e-15);
    // 0.45 is the float constant: 0.2^0.45f and 0.2^0.45 differ in the 9th digit.
    EXPECT_NEAR(ProtonStop(7, 5.0f, c) / at25n, std::pow(0.2, static_cast<double>(0.45f)), 1e-15);
    EXPECT_GT(std::fabs(std::pow(0.2, 0.45) - std::pow(0.2, static_cast<double>(0.45f))), 1e-9);
}

TEST(ProtonStopHigh, BoundaryBelongsToTheMediumFormula) {
    CoefficientSet c = test::ElementZ(14).coef;
    const double withHi = ProtonStop(14, kHighEnergyBound, c);
    c.H = {kNaN, kNaN, kNaN, kNaN};  // not read at or below 10000
    EXPECT_EQ(ProtonStop(14, kHighEnergyBound, c), withHi);
    EXPECT_EQ(ProtonStop(14, 500.0f, c), ProtonStop(14, 500.0f, test::ElementZ(14).coef));
    EXPECT_EQ(ProtonStop(14, 10.0f, c), ProtonStop(14, 10.0f, test::ElementZ(14).coef));
}

TEST(ProtonStopHigh, NextFloatAboveUsesThePolynomialOnly) {
    const float above = std::nextafter(kHighEnergyBound, 2e4f);
    CoefficientSet c;
    c.P = {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};  // not read above 10000
    c.H = {1, 0, 0, 0};
    EXPECT_EQ(ProtonStop(14, above, c), 1.0);

    // Each term alone, with x = ln(E)/E.
    const double E = 20000;
    const double x = std::log(E) / E;
    c.H = {0, 2, 0, 0};
    EXPECT_DOUBLE_EQ(ProtonStop(14, 20000.0f, c), 2 * x);
    c.H = {0, 0, 3, 0};
    EXPECT_DOUBLE_EQ(ProtonStop(14, 20000.0f, c), 3 * x * x);
    c.H = {0, 0, 0, 4};
    EXPECT_DOUBLE_EQ(ProtonStop(14, 20000.0f, c), 4 * E / std::log(E));
}

TEST(ProtonStopHigh, FitsOfEveryElementMeetAt10000) {
    // No blending is done: the two fits must agree by themselves (within 1% for these data).
    const float above = std::nextafter(kHighEnergyBound, 2e4f);
    for (const test::ElementRow& el : test::Elements()) {
        const double medium = ProtonStop(el.Z, kHighEnergyBound, el.coef);
        const double high = ProtonStop(el.Z, above, el.coef);
        EXPECT_NEAR(high / medium, 1.0, 0.01) << el.symbol;
    }
}

TEST(ProtonStop, PositiveAndFiniteForEveryElement) {
    for (const test::ElementRow& el : test::Elements()) {
        for (float E : {0.01f, 1.0f, 24.9f, 25.0f, 100.0f, 2000.0f, 10000.0f, 1e5f, 1e6f}) {
            const double S = ProtonStop(el.Z, E, el.coef);
            EXPECT_TRUE(std::isfinite(S) && S > 0) << el.symbol << " at " << E << ": " << S;
        }
    }
}

}  // namespace
}  // namespace fenra
