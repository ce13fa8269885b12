// Multiple-scattering power, radiation lengths and the Fermi-Eyges accumulation.

#include <gtest/gtest.h>

#include <cmath>

#include "physics/IonKinematics.h"
#include "physics/Scattering.h"

namespace fenra {
namespace {

constexpr double kAvogadro = 6.02214076e23;

struct RadiationCase {
    int Z;
    double A, inverse, x0;  // 1/X0 per 1E15 atoms/cm2 by hand; PDG's X0 in g/cm2
};
class RadiationLength : public ::testing::TestWithParam<RadiationCase> {};

TEST_P(RadiationLength, TsaiFormulaAndThePublishedTable) {
    const RadiationCase& c = GetParam();
    const double inv = InverseRadiationLengthPerAtom(c.Z);
    EXPECT_NEAR(inv / c.inverse, 1, 1e-10);
    const double x0 = c.A / kAvogadro * 1e15 / inv;  // g/cm2
    EXPECT_NEAR(x0, c.x0, 0.006 * c.x0);
}

INSTANTIATE_TEST_SUITE_P(Elements, RadiationLength,
                         ::testing::Values(RadiationCase{1, 1.008, 2.65487099348e-11, 63.04},
                                           RadiationCase{6, 12.011, 4.67111645142e-10, 42.70},
                                           RadiationCase{8, 15.999, 7.75965039773e-10, 34.24},
                                           RadiationCase{14, 28.085, 2.1370539187e-09, 21.82},
                                           RadiationCase{29, 63.546, 8.20351124149e-09, 12.86},
                                           RadiationCase{82, 207.2, 5.40156289834e-08, 6.37}));

TEST(RadiationLength, WaterByBraggsRule) {
    const double inv = 2 * InverseRadiationLengthPerAtom(1) + InverseRadiationLengthPerAtom(8);
    EXPECT_NEAR(18.015 / kAvogadro * 1e15 / inv, 36.08, 0.01);
    EXPECT_EQ(InverseRadiationLengthPerAtom(0), 0);
}

TEST(ScatteringPower, FermiRossiForm) {
    const double inv = InverseRadiationLengthPerAtom(14);
    const double pv = MomentumTimesVelocityMeV(10000, 1.0078);
    EXPECT_DOUBLE_EQ(ScatteringPower(1, pv, inv), (15.0 / pv) * (15.0 / pv) * inv);
    EXPECT_DOUBLE_EQ(ScatteringPower(6, pv, inv), 36 * ScatteringPower(1, pv, inv));
}

TEST(ScatteringPower, AlphaThroughTenMicrometresOfMylar) {
    // For scale: about 17 mrad from other codes. Thin estimate at the mean 1/(pv)^2 of entry
    // (10.96 MeV) and exit (about 8.4 MeV): 13 to 20 mrad.
    const double inv =
        (10 * InverseRadiationLengthPerAtom(6) + 8 * InverseRadiationLengthPerAtom(1) +
         4 * InverseRadiationLengthPerAtom(8)) /
        22;
    const double atoms = 1.397 / (192.17 / 22) * kAvogadro * 1e-3 / 1e15;
    const double t = 0.5 * (ScatteringPower(2, 10.96, inv) + ScatteringPower(2, 8.4, inv));
    EXPECT_NEAR(std::sqrt(t * atoms) * 1000, 17, 3);
}

TEST(FermiEyges, SlabsFollowOneAnother) {
    // A slab of constant T and thickness L: m0 = T L, m1 = T L^2/2, m2 = T L^3/3.
    auto uniform = [](double T, double L) {
        return ScatteringSlab{L, T * L, T * L * L / 2, T * L * L * L / 3};
    };
    const ScatteringSlab whole = uniform(2e-6, 3),
                         joined = Follow(uniform(2e-6, 1), uniform(2e-6, 2));
    EXPECT_DOUBLE_EQ(joined.thickness, whole.thickness);
    EXPECT_DOUBLE_EQ(joined.m0, whole.m0);
    EXPECT_DOUBLE_EQ(joined.m1, whole.m1);
    EXPECT_DOUBLE_EQ(joined.m2, whole.m2);
    // The beam behind it: the same as behind the two slabs in turn.
    const BeamSpread a = Through(BeamSpread{}, whole);
    const BeamSpread b = Through(Through(BeamSpread{}, uniform(2e-6, 1)), uniform(2e-6, 2));
    EXPECT_DOUBLE_EQ(a.angle2, b.angle2);
    EXPECT_DOUBLE_EQ(a.covariance, b.covariance);
    EXPECT_DOUBLE_EQ(a.lateral2, b.lateral2);
    EXPECT_DOUBLE_EQ(a.lateral2, 2e-6 * 27 / 3);
}

TEST(FermiEyges, DriftWithoutScattering) {
    const BeamSpread in{4e-6, 1e-6, 2e-6};
    const BeamSpread out = Through(in, ScatteringSlab{10, 0, 0, 0});
    EXPECT_DOUBLE_EQ(out.angle2, 4e-6);
    EXPECT_DOUBLE_EQ(out.covariance, 1e-6 + 10 * 4e-6);
    EXPECT_DOUBLE_EQ(out.lateral2, 2e-6 + 2 * 10 * 1e-6 + 100 * 4e-6);
}

}  // namespace
}  // namespace fenra
