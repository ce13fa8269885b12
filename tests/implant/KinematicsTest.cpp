// Energy and momentum in each collision, and the displacement count of the recoils.

#include <gtest/gtest.h>

#include <cmath>

#include "implant/Damage.h"
#include "implant/Kinematics.h"

namespace fenra {
namespace {

struct CollisionCase {
    double M1, M2, sin2;
};

class Conservation : public ::testing::TestWithParam<CollisionCase> {};

TEST_P(Conservation, EnergyAndMomentumAreKept) {
    const CollisionCase c = GetParam();
    const double E = 50;  // keV
    HalfAngle h;
    h.sin2 = c.sin2;
    h.cos2 = 1 - c.sin2;
    const CollisionOutcome o = Collide(E, c.M1, c.M2, h);
    const double after = E - o.transfer;
    ASSERT_GE(after, -1e-12 * E);
    // Momenta p = sqrt(2 M E): along the incoming direction and across it.
    const double p0 = std::sqrt(2 * c.M1 * E);
    const double p1 = std::sqrt(2 * c.M1 * std::max(after, 0.0));
    const double p2 = std::sqrt(2 * c.M2 * o.transfer);
    const RecoilDirection recoil = RecoilOf(h);
    EXPECT_NEAR(p1 * o.cosIon + p2 * recoil.cos, p0, 1e-12 * p0);
    EXPECT_NEAR(p1 * o.sinIon - p2 * recoil.sin, 0, 1e-12 * p0);
    // The ion's energy after, from the centre-of-mass velocities: independent of gamma.
    const double cosTheta = 1 - 2 * c.sin2, sum = c.M1 + c.M2;
    const double expected =
        E * (c.M1 * c.M1 + c.M2 * c.M2 + 2 * c.M1 * c.M2 * cosTheta) / (sum * sum);
    EXPECT_NEAR(after, expected, 1e-12 * E);
    EXPECT_NEAR(o.cosIon * o.cosIon + o.sinIon * o.sinIon, 1, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Collisions, Conservation,
                         ::testing::Values(CollisionCase{1.008, 28.09, 1e-8},  // glancing proton
                                           CollisionCase{1.008, 28.09, 1.0},   // proton turned back
                                           CollisionCase{10.81, 28.09, 0.3},   // boron in silicon
                                           CollisionCase{74.92, 28.09, 0.7},   // arsenic, heavier
                                           CollisionCase{28.09, 28.09, 1.0},   // equal, head-on
                                           CollisionCase{28.09, 28.09, 0.5},
                                           CollisionCase{238.0, 1.008, 1.0}));  // uranium on H

TEST(Kinematics, EqualMassesHeadOnStopTheIon) {
    HalfAngle h;
    h.sin2 = 1;
    h.cos2 = 0;
    const CollisionOutcome o = Collide(10, 4, 4, h);
    EXPECT_DOUBLE_EQ(o.transfer, 10);
    EXPECT_DOUBLE_EQ(RecoilOf(h).cos, 1);
}

TEST(Kinematics, HeavyIonsAreDeflectedLittle) {
    // The largest laboratory angle of a heavy ion on a light atom: sin psi = M2/M1.
    double worst = 0;
    for (double s2 = 0; s2 <= 1; s2 += 1e-3) {
        HalfAngle h;
        h.sin2 = s2;
        h.cos2 = 1 - s2;
        worst = std::max(worst, Collide(1, 74.92, 28.09, h).sinIon);
    }
    EXPECT_NEAR(worst, 28.09 / 74.92, 1e-4);
    EXPECT_LE(worst, 28.09 / 74.92 + 1e-12);
}

struct DamageCase {
    double T;        // keV
    double minimum;  // displacements at least
    double maximum;  // at most
};

class KinchinPease : public ::testing::TestWithParam<DamageCase> {};

TEST_P(KinchinPease, CountsDisplacementsFromTheDamageEnergy) {
    const DamageFactors si = RecoilDamageFactors(14, 28.09, 25);
    const DamageCase c = GetParam();
    const double n = Displacements(si, c.T);
    EXPECT_GE(n, c.minimum);
    EXPECT_LE(n, c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Silicon, KinchinPease,
    ::testing::Values(DamageCase{0.020, 0, 0},       // below Ed = 25 eV
                      DamageCase{0.026, 0, 0},       // above Ed, but T_d below it
                      DamageCase{0.030, 1, 1},       // T_d about 26 eV, just above Ed
                      DamageCase{0.060, 1, 1},       // below 2 Ed/0.8 = 62.5 eV after the partition
                      DamageCase{1.0, 12, 16},       // 0.8 T_d/(2 Ed), T_d about 0.9 T
                      DamageCase{100, 700, 1100}));  // most of T goes to electrons

TEST(KinchinPease, DamageEnergyIsBelowTheTransferAndNearItWhenSlow) {
    const DamageFactors si = RecoilDamageFactors(14, 28.09, 25);
    EXPECT_LT(DamageEnergy(si, 100), 100);
    EXPECT_GT(DamageEnergy(si, 0.1) / 0.1, 0.8);
    EXPECT_EQ(DamageEnergy(si, 0), 0);
}

}  // namespace
}  // namespace fenra
