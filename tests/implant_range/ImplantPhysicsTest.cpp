// The simulation on the program's stopping in silicon: straight paths give the range of the
// continuous slowing down, fast protons barely scatter, and the projected ranges of the
// dopants stand beside published ones.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "implant/TransportRange.h"
#include "implant_range/ImplantRangeSupport.h"
#include "materials/PhysicsError.h"

namespace fenra::test {
namespace {

constexpr double kSiliconNm = 1e6;  // thick enough to stop every ion here

ImplantOptions Options(uint64_t ions) {
    ImplantOptions o;
    o.ions = ions;
    o.threads = 2;
    o.seed = 7;
    return o;
}

struct StraightCase {
    const char* ion;
    double energy;  // keV
};

class StraightPaths : public ::testing::TestWithParam<StraightCase> {};

// Without scattering every ion runs the same straight path, losing the mean electronic and
// nuclear stopping: its length is the range of the range tables, from the energy to the cut-off.
TEST_P(StraightPaths, HaveTheContinuousSlowingDownRange) {
    const StraightCase c = GetParam();
    ImplantOptions o = Options(300);
    o.scattering = false;
    const ImplantResult r =
        RunImplant(IonOf(c.ion, c.energy), Stack(c.ion, {{"Si", kSiliconNm}}, c.energy), o);
    const double csda = CsdaPathNm(c.ion, "Si", c.energy);
    ASSERT_EQ(r.stopped, 300u);
    EXPECT_NEAR(r.pathLength.mean, csda, 3 * r.pathLength.error + 2e-4 * csda) << c.ion;
    EXPECT_NEAR(r.projectedRange.mean, r.pathLength.mean, 1e-9 * csda);
    EXPECT_EQ(r.backscattered, 0u);
    EXPECT_NEAR(r.lateralSpread.mean, 0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Silicon, StraightPaths,
                         ::testing::Values(StraightCase{"H", 1000}, StraightCase{"H", 20},
                                           StraightCase{"He", 2000}, StraightCase{"He", 50},
                                           StraightCase{"Ar", 300}, StraightCase{"Ar", 20}));

TEST(FastProtons, BarelyScatterInSilicon) {
    const ImplantResult r =
        RunImplant(IonOf("H", 2000), Stack("H", {{"Si", kSiliconNm}}, 2000), Options(2000));
    const double csda = CsdaPathNm("H", "Si", 2000);
    std::printf(
        "2 MeV H in Si: projected range %.1f +- %.1f nm, CSDA %.1f nm (%.2f %%), "
        "backscattered %.1e\n",
        r.projectedRange.mean, r.projectedRange.error, csda,
        100 * (r.projectedRange.mean / csda - 1), r.backscatteredFraction.mean);
    // The detour of the scattered paths puts the projected range about 1 % short of the path
    // length: within 1 % and three standard errors of the mean.
    EXPECT_NEAR(r.projectedRange.mean / csda, 1, 0.01 + 3 * r.projectedRange.error / csda);
    EXPECT_LT(r.projectedRange.mean, csda);
    EXPECT_LT(r.backscatteredFraction.mean, 1e-3);
}

TEST(FastProtons, CrossTenMicrometresOfSilicon) {
    const ImplantResult r =
        RunImplant(IonOf("H", 1000), Stack("H", {{"Si", 10000}}, 1000), Options(1000));
    const Target si = TargetOf("H", "Si");
    const StackResult straight = EnergyAfterStack({{si, E15FromUm(si, 10)}}, 1000);
    EXPECT_GT(r.transmittedFraction.mean, 0.99);
    // The mean energy behind the layer is about that of the straight path, a little below it:
    // scattered paths are longer.
    EXPECT_LT(r.transmittedEnergy.mean, straight.energyOut);
    EXPECT_GT(r.transmittedEnergy.mean, straight.energyOut * 0.99);
    EXPECT_LT(r.transmittedAngle.mean, 5);
}

// The dopants beside the LSS table of Gibbons, Johnson and Mylroie (kGibbonsDopants). The
// simulation runs on this program's own stopping, not on the table's: the transport equations
// on either stopping (TransportRange.h) show the deviations to be the stopping's. On this
// program's stopping they give the simulation's projected range to 0.5 %, and 2.1 % for boron at
// 10 keV (the medium of the equations has no surface, so the ions a target sends back are
// counted there behind its front, a little shallower); on the table's stopping they give the
// table (TransportRangeTest.cpp). The README's table lists each deviation; the bound keeps them.
class Dopants : public ::testing::TestWithParam<Dopant> {};

TEST_P(Dopants, StopNearThePublishedProjectedRange) {
    const Dopant d = GetParam();
    const ImplantResult r =
        RunImplant(IonOf(d.ion, d.energy), Stack(d.ion, {{"Si", 5000}}, d.energy), Options(1000));
    std::printf(
        "%s %g keV in Si: Rp %.1f +- %.1f nm (published %.1f, %+.1f %%), straggle "
        "%.1f nm (published %.1f, %+.1f %%)\n",
        d.ion, d.energy, r.projectedRange.mean, r.projectedRange.error, d.range,
        100 * (r.projectedRange.mean / d.range - 1), r.straggle.mean, d.straggle,
        100 * (r.straggle.mean / d.straggle - 1));
    EXPECT_NEAR(r.projectedRange.mean / d.range, 1, 0.3);
    const TransportMoments m = TransportRangeMoments(
        IonOf(d.ion, d.energy), Stack(d.ion, {{"Si", 5000}}, d.energy).front(), TransportOptions{});
    std::printf("  transport equations: Rp %.1f nm, straggle %.1f nm, path %.1f nm\n",
                m.projectedRange, m.straggle, m.pathLength);
    EXPECT_NEAR(r.projectedRange.mean, m.projectedRange,
                0.03 * m.projectedRange + 3 * r.projectedRange.error);
    EXPECT_NEAR(r.pathLength.mean, m.pathLength, 0.03 * m.pathLength + 3 * r.pathLength.error);
    // The straggle comes out 2 to 8 % below the equations': the fixed flights of the simulation
    // take out the scatter of the number of collisions that the equations' random gas of atoms
    // has (README).
    EXPECT_NEAR(r.straggle.mean / m.straggle, 0.95, 0.05);
    // The mean path is the continuous-slowing-down range of the same stopping, a little short of
    // it where single collisions take much of the energy (the range is concave in the energy):
    // nuclear losses neither counted twice nor lost beyond the largest impact parameter.
    const double csda = CsdaPathNm(d.ion, "Si", d.energy);
    EXPECT_GT(r.pathLength.mean, 0.9 * csda);
    EXPECT_LT(r.pathLength.mean, csda + 3 * r.pathLength.error);
    EXPECT_NEAR(r.straggle.mean / d.straggle, 1, 0.35);
}

INSTANTIATE_TEST_SUITE_P(Silicon, Dopants, ::testing::ValuesIn(kGibbonsDopants));

TEST(Determinism, OneTwoAndEightThreadsGiveTheSameBits) {
    const std::vector<ImplantLayer> stack = Stack("B", {{"Al", 20}, {"Si", 2000}}, 50);
    ImplantOptions o = Options(600);
    o.threads = 1;
    const ImplantResult one = RunImplant(IonOf("B", 50), stack, o);
    for (int threads : {2, 8}) {
        o.threads = threads;
        const ImplantResult r = RunImplant(IonOf("B", 50), stack, o);
        EXPECT_EQ(r.depth.values, one.depth.values);
        EXPECT_EQ(r.nuclearDeposit.values, one.nuclearDeposit.values);
        EXPECT_EQ(r.electronicDeposit.values, one.electronicDeposit.values);
        EXPECT_EQ(r.displacements.values, one.displacements.values);
        EXPECT_EQ(r.projectedRange.mean, one.projectedRange.mean);
        EXPECT_EQ(r.skewness, one.skewness);
    }
}

TEST(ImplantLayers, NeedADensity) {
    const Target gas = MakeTarget(Db(), ResolveIon(Db(), "B"), Material{"X", {{"Si", 1}}, 0});
    EXPECT_THROW(ImplantLayerOf(gas, 1000, 50, 10), PhysicsError);
}

}  // namespace
}  // namespace fenra::test
