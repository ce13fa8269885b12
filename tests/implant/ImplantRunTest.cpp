// The simulation on a synthetic layer: the checks of its inputs, determinism whatever the
// number of threads, the energy balance, cancelling, and the geometry of the tallies.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <new>
#include <thread>
#include <vector>

#include "implant/Implant.h"
#include "support/SiliconLikeLayer.h"

namespace fenra {
namespace {

ImplantIon Boron(double energy = 30) {
    return {5, 10.81, energy, 0};
}

ImplantOptions Options(uint64_t ions, int threads) {
    ImplantOptions o;
    o.ions = ions;
    o.threads = threads;
    o.seed = 20261209;
    return o;
}

TEST(ImplantRun, SameSeedSameBitsWhateverTheThreads) {
    const std::vector<ImplantLayer> stack = {SiliconLike(40), SiliconLike(400)};
    const ImplantIon ion = Boron();
    const ImplantResult one = RunImplant(ion, stack, Options(1500, 1));
    for (int threads : {2, 8}) {
        const ImplantResult r = RunImplant(ion, stack, Options(1500, threads));
        EXPECT_EQ(r.depth.values, one.depth.values) << threads;
        EXPECT_EQ(r.electronicDeposit.values, one.electronicDeposit.values) << threads;
        EXPECT_EQ(r.nuclearDeposit.values, one.nuclearDeposit.values) << threads;
        EXPECT_EQ(r.displacements.values, one.displacements.values) << threads;
        EXPECT_EQ(r.electronicDeposit.errors, one.electronicDeposit.errors) << threads;
        EXPECT_EQ(r.nuclearDeposit.errors, one.nuclearDeposit.errors) << threads;
        EXPECT_EQ(r.displacements.errors, one.displacements.errors) << threads;
        EXPECT_EQ(r.backscatteredSpectrum.values, one.backscatteredSpectrum.values) << threads;
        EXPECT_EQ(r.projectedRange.mean, one.projectedRange.mean) << threads;
        EXPECT_EQ(r.straggle.mean, one.straggle.mean) << threads;
        EXPECT_EQ(r.kurtosis, one.kurtosis) << threads;
        EXPECT_EQ(r.stoppedPerLayer, one.stoppedPerLayer) << threads;
    }
    ImplantOptions other = Options(1500, 2);
    other.seed += 1;
    EXPECT_NE(RunImplant(ion, stack, other).depth.values, one.depth.values);
}

TEST(ImplantRun, EveryIonEndsOnceAndItsEnergyIsAccountedFor) {
    const std::vector<ImplantLayer> stack = {SiliconLike(30), SiliconLike(20)};
    const ImplantResult r = RunImplant(Boron(), stack, Options(1000, 2));
    EXPECT_EQ(r.ionsRun, 1000u);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.stopped + r.backscattered + r.transmitted, 1000u);
    EXPECT_GT(r.transmitted, 0u);  // 50 nm cannot hold 30 keV boron
    EXPECT_GT(r.backscattered, 0u);
    EXPECT_EQ(r.stoppedPerLayer[0] + r.stoppedPerLayer[1], r.stopped);
    const double balance = r.electronicEnergy + r.nuclearEnergy + r.backscatteredEnergyShare +
                           r.transmittedEnergyShare + r.restEnergy;
    EXPECT_NEAR(balance, 30, 1e-9);
    double spectrum = 0;
    for (double v : r.transmittedSpectrum.values) spectrum += v;
    EXPECT_EQ(spectrum, static_cast<double>(r.transmitted));
    double angles = 0;
    for (double v : r.backscatteredAngles.values) angles += v;
    EXPECT_EQ(angles, static_cast<double>(r.backscattered));
    EXPECT_GT(r.transmittedEnergy.mean, 0);
    EXPECT_LT(r.transmittedEnergy.mean, 30);
    EXPECT_GE(r.backscatteredAngle.mean, 0);
    EXPECT_LE(r.backscatteredAngle.mean, 90);
    EXPECT_EQ(r.layerFaces, (std::vector<double>{0, 30, 50}));
    // Deposits per nm per ion add up, over the stack, to the energies per ion.
    double electronic = 0;
    for (double v : r.electronicDeposit.values) electronic += v * r.electronicDeposit.width;
    EXPECT_NEAR(electronic, r.electronicEnergy * 1000, 1e-6 * electronic);
}

// The means per ion of the energies, displacements and collisions come with the standard
// errors of single ions; the displacements per ion are those of the histogram when it holds
// every collision.
TEST(ImplantRun, MeansPerIonHaveTheirStandardErrors) {
    const ImplantResult r = RunImplant(Boron(), {SiliconLike(2000)}, Options(800, 2));
    ASSERT_EQ(r.beyondDepthRange, 0u);
    ASSERT_EQ(r.transmitted, 0u);
    double displacements = 0;
    for (double v : r.displacements.values) displacements += v * r.displacements.width;
    EXPECT_NEAR(r.displacementsPerIon.mean, displacements, 1e-9 * displacements);
    for (const MeanValue& m :
         {MeanValue{r.electronicEnergy, r.electronicEnergyError},
          MeanValue{r.nuclearEnergy, r.nuclearEnergyError}, r.displacementsPerIon,
          MeanValue{r.collisionsPerIon, r.collisionsPerIonError}}) {
        EXPECT_GT(m.error, 0);
        // The spread of single ions is below their mean (a few tens of per cent); the error
        // is that over the root of 800.
        EXPECT_LT(m.error, m.mean / std::sqrt(800.0));
    }
    // One ion: no spread to tell, so no error.
    const ImplantResult one = RunImplant(Boron(), {SiliconLike(2000)}, Options(1, 1));
    EXPECT_EQ(one.electronicEnergyError, 0);
    EXPECT_EQ(one.displacementsPerIon.error, 0);
}

TEST(ImplantRun, StoppedIonsAreCountedInTheDepthHistogram) {
    ImplantOptions o = Options(600, 2);
    o.depthBins = 50;
    const ImplantResult r = RunImplant(Boron(), {SiliconLike(2000)}, o);
    double counted = 0;
    for (double v : r.depth.values) counted += v;
    EXPECT_EQ(counted + static_cast<double>(r.beyondDepthRange), static_cast<double>(r.stopped));
    EXPECT_EQ(r.depth.values.size(), 50u);
    EXPECT_GT(r.projectedRange.mean, 0);
    EXPECT_LT(r.projectedRange.mean, r.pathLength.mean);
    EXPECT_GT(r.straggle.mean, 0);
    EXPECT_GT(r.lateralSpread.mean, 0);
    EXPECT_GT(r.projectedRange.error, 0);
    EXPECT_LT(r.projectedRange.error, r.straggle.mean / 20);  // sigma / sqrt(600)
    EXPECT_GT(r.collisionsPerIon, 10);
    // The range holds every ion: chosen from the straight path, rounded up to 1, 2, 2.5 or 5.
    EXPECT_LE(r.depth.Edge(50), 2000);
    EXPECT_GT(r.depth.Edge(50), r.projectedRange.mean + 3 * r.straggle.mean);
}

TEST(ImplantRun, TiltedIonsStopShallower) {
    ImplantIon tilted = Boron();
    tilted.angle = 60;
    const ImplantResult straight = RunImplant(Boron(), {SiliconLike(2000)}, Options(500, 2));
    const ImplantResult r = RunImplant(tilted, {SiliconLike(2000)}, Options(500, 2));
    EXPECT_LT(r.projectedRange.mean, 0.7 * straight.projectedRange.mean);
    EXPECT_GT(r.backscatteredFraction.mean, straight.backscatteredFraction.mean);
}

TEST(ImplantRun, CancelledBeforeItStartsReturnsNothingDone) {
    ImplantProgress progress;
    progress.cancel = true;
    const ImplantResult r = RunImplant(Boron(), {SiliconLike(500)}, Options(5000, 2), &progress);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.ionsRun, 0u);
    EXPECT_EQ(r.ionsRequested, 5000u);
    EXPECT_EQ(progress.ionsDone.load(), 0u);
}

TEST(ImplantRun, CancelledMidwayKeepsAWholePrefixOfTheIons) {
    ImplantProgress progress;
    // Blocks finish out of order: two threads may take up to 8 blocks beyond the first one
    // merged, so only 8 finished blocks (2048 ions) prove that block 0 is among them.
    std::thread stopper([&] {
        while (progress.ionsDone.load() < 2048) std::this_thread::yield();
        progress.cancel = true;
    });
    const ImplantResult r = RunImplant(Boron(), {SiliconLike(500)}, Options(1000000, 2), &progress);
    stopper.join();
    EXPECT_TRUE(r.cancelled);
    EXPECT_GE(r.ionsRun, 256u);
    EXPECT_LT(r.ionsRun, 1000000u);
    EXPECT_EQ(r.ionsRun % 256, 0u);  // whole blocks, in order
    // The same ions again, uncancelled, give the same bits.
    const ImplantResult again = RunImplant(Boron(), {SiliconLike(500)}, Options(r.ionsRun, 1));
    EXPECT_EQ(again.depth.values, r.depth.values);
    EXPECT_EQ(again.projectedRange.mean, r.projectedRange.mean);
}

TEST(ImplantRun, ProgressCountsEveryIon) {
    ImplantProgress progress;
    RunImplant(Boron(), {SiliconLike(500)}, Options(700, 2), &progress);
    EXPECT_EQ(progress.ionsDone.load(), 700u);
}

// A fault in any thread (here an out-of-memory at the fourth block) stops the others and
// reaches the caller, instead of ending the process.
class ImplantFault : public ::testing::TestWithParam<int> {};

TEST_P(ImplantFault, InAThreadReachesTheCaller) {
    ImplantProgress progress;
    std::atomic<int> faults{0};
    progress.beforeBlock = [&](uint64_t block) {
        if (block < 3) return;
        ++faults;
        throw std::bad_alloc();
    };
    EXPECT_THROW(RunImplant(Boron(), {SiliconLike(500)}, Options(1000000, GetParam()), &progress),
                 std::bad_alloc);
    EXPECT_GE(faults.load(), 1);
    EXPECT_LE(faults.load(), GetParam());  // each thread stops at its first fault
    EXPECT_LE(progress.ionsDone.load(), 3u * 256u);
}

INSTANTIATE_TEST_SUITE_P(Threads, ImplantFault, ::testing::Values(1, 2, 8));

struct BadInput {
    const char* what;
    ImplantProblem problem;
    int layer;
    const char* words;  // what() and the window say this, word for word
    void (*spoil)(ImplantIon&, std::vector<ImplantLayer>&, ImplantOptions&);
};

class ImplantInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(ImplantInputs, AreRefusedWithTheirProblemAndLayer) {
    const BadInput c = GetParam();
    ImplantIon ion = Boron();
    std::vector<ImplantLayer> stack = {SiliconLike(100), SiliconLike(100)};
    ImplantOptions o = Options(10, 1);
    c.spoil(ion, stack, o);
    try {
        RunImplant(ion, stack, o);
        ADD_FAILURE() << c.what << " was accepted";
    } catch (const ImplantError& e) {
        EXPECT_EQ(e.Problem(), c.problem) << c.what;
        EXPECT_EQ(e.Layer(), c.layer) << c.what;
        EXPECT_STREQ(e.what(), c.words) << c.what;
        EXPECT_EQ(Words(e.Reason()), c.words) << c.what;
        EXPECT_EQ(Words(ImplantProblemSentence(c.problem)), c.words) << c.what;
    }
}

using Ion = ImplantIon;
using Stack = std::vector<ImplantLayer>;
using Opt = ImplantOptions;
INSTANTIATE_TEST_SUITE_P(
    Table, ImplantInputs,
    ::testing::Values(
        BadInput{"no layer", ImplantProblem::NoLayer, -1, "no layer",
                 [](Ion&, Stack& s, Opt&) { s.clear(); }},
        BadInput{"eleven layers", ImplantProblem::TooManyLayers, -1, "too many layers",
                 [](Ion&, Stack& s, Opt&) { s.resize(11, s[0]); }},
        BadInput{"mass 0", ImplantProblem::BadIon, -1, "bad ion",
                 [](Ion& i, Stack&, Opt&) { i.mass = 0; }},
        BadInput{"energy NaN", ImplantProblem::BadEnergy, -1, "bad energy",
                 [](Ion& i, Stack&, Opt&) { i.energy = std::nan(""); }},
        BadInput{"energy below the cut-off", ImplantProblem::BadOption, -1, "bad option",
                 [](Ion& i, Stack&, Opt&) { i.energy = 0.005; }},
        BadInput{"angle 90", ImplantProblem::BadAngle, -1, "bad angle",
                 [](Ion& i, Stack&, Opt&) { i.angle = 90; }},
        BadInput{"no ions", ImplantProblem::BadOption, -1, "bad option",
                 [](Ion&, Stack&, Opt& o) { o.ions = 0; }},
        BadInput{"no bins", ImplantProblem::BadOption, -1, "bad option",
                 [](Ion&, Stack&, Opt& o) { o.depthBins = 0; }},
        BadInput{"no element", ImplantProblem::NoElement, 1, "bad element",
                 [](Ion&, Stack& s, Opt&) { s[1].elements.clear(); }},
        BadInput{"negative share", ImplantProblem::NoElement, 0, "bad element",
                 [](Ion&, Stack& s, Opt&) { s[0].elements[0].fraction = -1; }},
        BadInput{"no density", ImplantProblem::NoDensity, 1, "no density",
                 [](Ion&, Stack& s, Opt&) { s[1].atomsPerCm3 = 0; }},
        BadInput{"infinite thickness", ImplantProblem::BadThickness, 0, "bad thickness",
                 [](Ion&, Stack& s, Opt&) { s[0].thickness = INFINITY; }},
        BadInput{"empty table", ImplantProblem::BadStoppingTable, 1, "bad stopping table",
                 [](Ion&, Stack& s, Opt&) { s[1].electronic = {}; }},
        BadInput{"unordered table", ImplantProblem::BadStoppingTable, 0, "bad stopping table",
                 [](Ion&, Stack& s, Opt&) {
                     std::swap(s[0].electronic.energy[3], s[0].electronic.energy[4]);
                 }},
        BadInput{"negative stopping", ImplantProblem::BadStoppingTable, 0, "bad stopping table",
                 [](Ion&, Stack& s, Opt&) { s[0].electronic.stopping[2] = -1; }},
        BadInput{"straggling column too short", ImplantProblem::BadStoppingTable, 1,
                 "bad stopping table",
                 [](Ion&, Stack& s, Opt&) { s[1].electronic.straggling = {1, 2}; }},
        BadInput{"negative straggling", ImplantProblem::BadStoppingTable, 0, "bad stopping table",
                 [](Ion&, Stack& s, Opt&) {
                     s[0].electronic.straggling.assign(s[0].electronic.energy.size(), 1);
                     s[0].electronic.straggling[3] = -1;
                 }},
        BadInput{"straggling NaN", ImplantProblem::BadStoppingTable, 0, "bad stopping table",
                 [](Ion&, Stack& s, Opt&) {
                     s[0].electronic.straggling.assign(s[0].electronic.energy.size(), NAN);
                 }}));

}  // namespace
}  // namespace fenra
