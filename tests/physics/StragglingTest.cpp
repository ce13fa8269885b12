// Bohr energy-loss straggling per unit thickness with its corrections, against values worked
// by hand, and the ion kinematics it rests on.

#include <gtest/gtest.h>

#include <cmath>

#include "physics/IonKinematics.h"
#include "physics/Straggling.h"

namespace fenra {
namespace {

TEST(IonKinematics, NonRelativisticAndRelativisticValues) {
    // 150 MeV proton: gamma = 1 + 150 / 938.77 (mass 1.0078 amu).
    const double gamma = 1 + 150000 / (1.0078 * kAmuKeV);
    EXPECT_DOUBLE_EQ(Beta2(150000, 1.0078), 1 - 1 / (gamma * gamma));
    EXPECT_NEAR(MomentumTimesVelocityMeV(150000, 1.0078), 279.334283925, 1e-8);
    EXPECT_NEAR(MomentumTimesVelocityMeV(5486, 4.0026), 10.9639397085, 1e-9);
    // Slow ions: beta^2 = 2E/Mc^2, v = sqrt(E / 24.80 keV/amu) Bohr velocities.
    EXPECT_NEAR(Beta2(1, 1) / (2 / kAmuKeV), 1, 2e-6);
    EXPECT_NEAR(VelocityAtomic(25, 1), 1.00397, 1e-5);
    EXPECT_EQ(Beta2(0, 4), 0);
    EXPECT_EQ(MomentumTimesVelocityMeV(0, 4), 0);
}

struct LindhardCase {
    double chi, factor;
};
class LindhardScharff : public ::testing::TestWithParam<LindhardCase> {};

TEST_P(LindhardScharff, HalfOfLOfChiBelowOne) {
    EXPECT_NEAR(LindhardScharffFactor(GetParam().chi), GetParam().factor, 1e-11);
}

// L(chi)/2 = 0.68 chi^1/2 - 0.008 chi^3/2, worked by hand; 1 from chi = 2.28369 on.
INSTANTIATE_TEST_SUITE_P(Chi, LindhardScharff,
                         ::testing::Values(LindhardCase{0, 0}, LindhardCase{-1, 0},
                                           LindhardCase{0.01, 0.067992},
                                           LindhardCase{0.5, 0.478004184082},
                                           LindhardCase{1, 0.672}, LindhardCase{2, 0.939037805416},
                                           LindhardCase{2.28, 0.999235687177},
                                           LindhardCase{2.2837, 1}, LindhardCase{3, 1},
                                           LindhardCase{10, 1}, LindhardCase{1e6, 1}));

TEST(LindhardScharff, ContinuousWhereItReachesOne) {
    EXPECT_NEAR(LindhardScharffFactor(kLindhardScharffLimit * (1 - 1e-9)), 1, 1e-8);
}

TEST(BohrVariance, ConstantIsFourPiESquaredSquared) {
    const double e2 = 1.439964548;  // eV nm
    EXPECT_NEAR(kBohrVariancePerE15, 4 * M_PI * e2 * e2 * 10, 1e-10);
}

struct BohrCase {
    const char* name;
    double chargeSquared;
    int Z2;
    double energyKeV, mass, variance;  // eV^2 per 1E15 atoms/cm2, worked by hand
};

const BohrCase kBohrCases[] = {
    {"Proton10MeVSilicon", 1, 14, 10000, 1.0078, 3686.95358775},
    {"SlowProtonSilicon", 0.7, 14, 100, 1.0078, 925.137135213},
    {"Uranium1GeVuGold", 92.0 * 92, 79, 238.05e6, 238.05, 461666208.952},
};

class BohrVariance : public ::testing::TestWithParam<BohrCase> {};

TEST_P(BohrVariance, MatchesTheFormulaWorkedByHand) {
    const BohrCase& c = GetParam();
    const double b2 = Beta2(c.energyKeV, c.mass);
    EXPECT_NEAR(BohrVariancePerAtom(c.chargeSquared, c.Z2, b2) / c.variance, 1, 1e-10);
}

INSTANTIATE_TEST_SUITE_P(Ions, BohrVariance, ::testing::ValuesIn(kBohrCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BohrVariance, PlainBohrValueBetweenTheCorrections) {
    // 10 MeV protons: chi is large and beta^2 small, so the value is 4 pi e^4 Z2 within 1 %.
    EXPECT_NEAR(BohrVariancePerAtom(1, 14, Beta2(10000, 1.0078)) / (kBohrVariancePerE15 * 14), 1,
                0.011);
    EXPECT_DOUBLE_EQ(RelativisticStragglingFactor(0), 1);
    EXPECT_DOUBLE_EQ(RelativisticStragglingFactor(0.5), 1.5);
    EXPECT_EQ(BohrVariancePerAtom(4, 6, 0), 0);
}

TEST(BohrVariance, CompoundsByBraggsRule) {
    const double b2 = Beta2(5486, 4.0026);
    const std::vector<ElementShare> mylar = {{6, 10}, {1, 8}, {8, 4}};
    const double expected =
        (10 * BohrVariancePerAtom(4, 6, b2) + 8 * BohrVariancePerAtom(4, 1, b2) +
         4 * BohrVariancePerAtom(4, 8, b2)) /
        22;
    EXPECT_DOUBLE_EQ(CompoundVariancePerAtom(4, mylar, b2), expected);
    EXPECT_DOUBLE_EQ(CompoundVariancePerAtom(4, {{14, 3}}, b2), BohrVariancePerAtom(4, 14, b2));
    EXPECT_EQ(CompoundVariancePerAtom(4, {}, b2), 0);
}

TEST(BohrVariance, AlphaThroughTenMicrometresOfMylarThin) {
    // The thin-layer Bohr value: 4 pi e^4 z^2 n_e t, n_e t = 4.378e20 electrons/cm2 in 10 um
    // of Mylar (1.397 g/cm3, Z/A = 0.52037): sigma = 21.4 keV, before the thick-layer growth
    // to about 23 keV.
    const double atoms = 1.397 / (192.17 / 22) * 6.02214076e23 * 1e-3 / 1e15;  // 1E15/cm2
    const double b2 = Beta2(5486, 4.0026);
    const double var = CompoundVariancePerAtom(4, {{6, 10}, {1, 8}, {8, 4}}, b2) * atoms;
    EXPECT_NEAR(std::sqrt(var) / 1000, 21.4, 0.2);
}

}  // namespace
}  // namespace fenra
