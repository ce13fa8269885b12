// The range and layer functions: stops, stacks and their inverse, warnings outside the model,
// errors, the cache's bound and its use from several threads.

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "materials/PhysicsError.h"
#include "range/Range.h"
#include "range/RangeTable.h"
#include "range/RangeTestSupport.h"

namespace fenra {
namespace {

using test::MakeIonTarget;

TEST(Layers, AnIonStopsInALayerThickerThanItsRange) {
    const Target t = MakeIonTarget("He", "Si");
    const double R = Range(t, 5000).range;
    const LayerResult r = EnergyAfterLayer(t, 5000, R * 1.5);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.energyOut, 0);
    EXPECT_EQ(r.energyLoss, 5000);
    EXPECT_DOUBLE_EQ(r.stoppedAt, R);
    EXPECT_FALSE(r.outOfModel);  // coming to rest is no energy outside the model
    const LayerResult none = EnergyAfterLayer(t, 5000, 0);
    EXPECT_FALSE(none.stopped);
    EXPECT_NEAR(none.energyOut, 5000, 5000 * 1e-9);
}

TEST(Layers, AStackAndItsInverse) {
    const Ion he = ResolveIon(test::Db(), "He");
    auto layer = [&](const char* m, double e15) {
        return Layer{MakeTarget(test::Db(), he, ResolveMaterial(m, test::Db(), test::Materials())),
                     e15};
    };
    const std::vector<Layer> stack = {layer("mylar", 1000), layer("Al", 300), layer("Si", 500)};
    const StackResult after = EnergyAfterStack(stack, 5500);
    ASSERT_EQ(after.layers.size(), 3u);
    EXPECT_FALSE(after.stopped);
    EXPECT_EQ(after.layers[1].energyIn, after.layers[0].energyOut);
    EXPECT_EQ(after.energyOut, after.layers[2].energyOut);
    const StackResult before = EnergyBeforeStack(stack, after.energyOut);
    EXPECT_NEAR(before.energyIn / 5500, 1, 1e-7);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(before.layers[k].energyOut / after.layers[k].energyOut, 1, 1e-7);
    // Thick enough to stop it in the second layer: the third is not listed.
    const std::vector<Layer> thick = {layer("mylar", 1000), layer("Al", 1e6), layer("Si", 500)};
    const StackResult stopped = EnergyAfterStack(thick, 5500);
    ASSERT_EQ(stopped.layers.size(), 2u);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.stoppedInLayer, 1);
    EXPECT_EQ(stopped.energyOut, 0);
}

TEST(Warnings, EnergiesOutsideTheModelAreFlagged) {
    const Target t = MakeIonTarget("H", "Si");
    const double M = t.ion.mass;
    EXPECT_TRUE(Range(t, 0.5 * M).outOfModel);
    EXPECT_FALSE(Range(t, 1.01 * M).outOfModel);
    EXPECT_FALSE(Range(t, 1.9e6 * M).outOfModel);
    EXPECT_TRUE(Range(t, 2.1e6 * M).outOfModel);
    EXPECT_FALSE(Range(t, 0).outOfModel);
    EXPECT_TRUE(StoppingAt(t, 3e6 * M).outOfModel);
    EXPECT_FALSE(StoppingAt(t, 1000).outOfModel);
    // A layer that leaves less than 1 keV/amu behind.
    const double R = Range(t, 1000).range;
    EXPECT_TRUE(EnergyAfterLayer(t, 1000, R - Range(t, 0.5 * M).range).outOfModel);
    EXPECT_TRUE(EnergyForRange(t, Range(t, 0.5 * M).range).outOfModel);
}

TEST(Errors, BadValuesAndUnknownNames) {
    const Target t = MakeIonTarget("H", "Si");
    auto kindOf = [](auto f) {
        try {
            f();
        } catch (const PhysicsError& e) {
            return e.Kind();
        }
        return ErrorKind::CalculationFailed;
    };
    EXPECT_EQ(kindOf([&] { Range(t, -1); }), ErrorKind::BadValue);
    EXPECT_EQ(kindOf([&] { Range(t, NAN); }), ErrorKind::BadValue);
    EXPECT_EQ(kindOf([&] { EnergyAfterLayer(t, 100, -1); }), ErrorKind::BadValue);
    EXPECT_EQ(kindOf([&] { EnergyForRange(t, INFINITY); }), ErrorKind::BadValue);
    EXPECT_EQ(kindOf([&] { StoppingAt(t, -1); }), ErrorKind::BadValue);
    EXPECT_EQ(kindOf([&] { ResolveIon(test::Db(), "Qq"); }), ErrorKind::UnknownName);
    EXPECT_EQ(kindOf([&] { ResolveIon(test::Db(), "93"); }), ErrorKind::UnknownName);
    EXPECT_EQ(kindOf([&] { E15FromUm(MakeIonTarget("H", "H2O"), 1); }), ErrorKind::BadValue);
    EXPECT_EQ(ResolveIon(test::Db(), "2").symbol, "He");
    EXPECT_EQ(ResolveIon(test::Db(), "He", 3.016).mass, 3.016);
    // The default mass is the window's: its most abundant isotope through the 7-digit text.
    EXPECT_EQ(ResolveIon(test::Db(), "H").mass, 1.0078);
}

TEST(Units, ConversionsOfAreaDensityAndLength) {
    const Target t = MakeIonTarget("H", "water");
    // 1 mg/cm2 of water: 1e-3 g / (18.015/3 g/mol) * N_A atoms = 100.28E15 atoms/cm2.
    EXPECT_NEAR(E15FromMgCm2(t, 1), 1e-3 / t.meanMass * 6.022045e23 / 1e15, 1e-9);
    EXPECT_NEAR(MgCm2FromE15(t, E15FromMgCm2(t, 2.5)), 2.5, 1e-12);
    // 1 um of water at 1 g/cm3 weighs 0.1 mg/cm2.
    EXPECT_NEAR(MgCm2FromE15(t, E15FromUm(t, 1)), 0.1, 1e-12);
    EXPECT_NEAR(UmFromE15(t, E15FromUm(t, 3)), 3, 1e-12);
    EXPECT_EQ(UmFromE15(MakeIonTarget("H", "H2O"), 5), 0);
}

TEST(Cache, StaysWithinItsBoundAndServesSeveralThreads) {
    RangeCache cache(8);
    const char* materials[] = {"Si",   "Al", "Au", "C",  "H2O",  "mylar", "kapton", "air",
                               "SiO2", "Cu", "Ag", "Ge", "GaAs", "LiF",   "CsI",    "W"};
    std::vector<Target> targets;
    std::vector<double> expected;
    for (const char* m : materials) {
        targets.push_back(MakeIonTarget("He", m));
        expected.push_back(RangeTable(targets.back()).Range(3000));
    }
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int k = 0; k < 4; ++k)
        threads.emplace_back([&, k] {
            for (int round = 0; round < 3; ++round)
                for (std::size_t i = 0; i < targets.size(); ++i) {
                    const std::size_t j = (i * 7 + k * 3) % targets.size();
                    if (Range(targets[j], 3000, cache).range != expected[j]) ++mismatches[k];
                }
        });
    for (std::thread& th : threads) th.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
    EXPECT_EQ(cache.Size(), 8u);
    cache.Clear();
    EXPECT_EQ(cache.Size(), 0u);
}

TEST(Cache, KeepsTheMostRecentlyUsed) {
    RangeCache cache(2);
    const Target a = MakeIonTarget("H", "Si"), b = MakeIonTarget("H", "Al"),
                 c = MakeIonTarget("H", "Au");
    const auto tableA = cache.Table(a);
    cache.Table(b);
    EXPECT_EQ(cache.Table(a), tableA);  // a used after b: b is the oldest now
    cache.Table(c);                     // evicts b
    EXPECT_EQ(cache.Table(a), tableA);
    EXPECT_EQ(cache.Size(), 2u);
}

}  // namespace
}  // namespace fenra
