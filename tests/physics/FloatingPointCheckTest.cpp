// Faults are not caught in the physics: they show as IEEE flags, which the caller's
// FloatingPointCheck sees, and as non-finite values.

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "ElementTable.h"
#include "physics/FloatingPointCheck.h"
#include "physics/StopUnits.h"
#include "physics/Stopping.h"

namespace fenra {
namespace {

// Kept out of reach of constant folding, so the operations happen at run time.
volatile double g_zero = 0;
volatile double g_big = 1e300;

TEST(FloatingPointCheck, SeesOnlyFaultsSinceConstruction) {
    std::feraiseexcept(FE_DIVBYZERO);
    const FloatingPointCheck check;
    EXPECT_FALSE(check.Faulted());  // the earlier fault was cleared
    std::feraiseexcept(FE_INVALID);
    EXPECT_TRUE(check.Faulted());
}

TEST(FloatingPointCheck, EachFaultFlagCounts) {
    {
        const FloatingPointCheck check;
        volatile double r = 1 / g_zero;
        (void)r;
        EXPECT_TRUE(check.Faulted());
    }
    {
        const FloatingPointCheck check;
        volatile double r = g_big * g_big;
        (void)r;
        EXPECT_TRUE(check.Faulted());
    }
    {
        const FloatingPointCheck check;
        volatile double r = std::sqrt(-1 - g_zero);
        (void)r;
        EXPECT_TRUE(check.Faulted());
    }
}

TEST(FloatingPointCheck, UnderflowAndInexactAreNotFaults) {
    const FloatingPointCheck check;
    volatile double tiny = std::exp(-1000 - g_zero);  // underflows to 0
    volatile double third = (1 + g_zero) / 3;         // inexact
    (void)tiny;
    (void)third;
    EXPECT_FALSE(check.Faulted());
}

TEST(PhysicsFaults, NegativeEnergyInProtonLowRegion) {
    const FloatingPointCheck check;
    const double S = ProtonStop(14, -5.0f, test::ElementZ(14).coef);
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(S));
}

TEST(PhysicsFaults, LogarithmOfNegativeArgument) {
    CoefficientSet bad = test::ElementZ(14).coef;
    bad.P[6] = -1000;  // PCoef7 / E' + PCoef8 * E' < 0
    const FloatingPointCheck check;
    const double S = ProtonStop(14, 100.0f, bad);
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(S));
}

TEST(PhysicsFaults, MissingCoefficientSet) {
    const FloatingPointCheck check;
    const double S = ProtonStop(14, 100.0f, CoefficientSet{});
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(S));
}

TEST(PhysicsFaults, NegativeEnergyInHelium) {
    const FloatingPointCheck check;
    const double S = HeliumStop(14, -0.5f, test::ElementZ(14).coef);
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(S));
}

TEST(PhysicsFaults, ZeroFermiVelocityInHeavyIon) {
    const FloatingPointCheck check;
    (void)HeavyIonStop(8, 14, 100.0f, 0.0f, 1.0f, test::ElementZ(14).coef);
    EXPECT_TRUE(check.Faulted());
}

TEST(PhysicsFaults, NegativeEnergyInHeavyIon) {
    const FloatingPointCheck check;
    const double S = HeavyIonStop(8, 14, -10.0f, 0.97411f, 1.0f, test::ElementZ(14).coef);
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(S));
}

TEST(PhysicsFaults, ZeroTargetMassInConversion) {
    const FloatingPointCheck check;
    const OtherStopUnits o = ConvertStopUnits(0.0f, 4.977f, 8.3f);
    EXPECT_TRUE(check.Faulted());
    EXPECT_FALSE(std::isfinite(o.KevMg));
}

TEST(PhysicsFaults, OrdinaryCalculationsRaiseNone) {
    const test::ElementRow& si = test::ElementZ(14);
    const test::ElementRow& o = test::ElementZ(8);
    const FloatingPointCheck check;
    for (float E : {0.0f, 0.5f, 25.0f, 1000.0f, 1e4f, 5e4f}) {
        (void)ProtonStop(14, E, si.coef);
        (void)HeliumStop(14, E, si.coef);
        (void)HeavyIonStop(8, 14, E, si.fermi, o.scrnFac, si.coef);
    }
    (void)ConvertStopUnits(si.natMass, si.atomDensity, 8.3f);
    EXPECT_FALSE(check.Faulted());
}

}  // namespace
}  // namespace fenra
