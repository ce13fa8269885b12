// Energy and range straggling, angular and lateral spread and charge state through layers:
// the thin-layer closed forms, layers split in two, stacks chained by hand, the known limits
// and the scale of published values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "range/RangeTestSupport.h"
#include "range/Spread.h"

namespace fenra {
namespace {

using test::MakeIonTarget;

constexpr double kUmPerCm = 1e4;

double UmPerE15(const Target& t) {
    return 1e15 / t.atomsPerCm3 * kUmPerCm;
}

// The spreads behind each layer of the stack, and its path in *path when asked.
std::vector<LayerSpread> SpreadsAfter(const std::vector<Layer>& stack, double energy,
                                      StackResult* path = nullptr) {
    std::vector<LayerSpread> spreads;
    const StackResult p = EnergyAfterStackWithSpreads(stack, energy, &spreads);
    if (path) *path = p;
    return spreads;
}

LayerSpread OneLayer(const Target& t, double energy, double thickness) {
    return SpreadsAfter({{t, thickness}}, energy).at(0);
}

struct ThinCase {
    const char* ion;
    const char* material;
    double energyPerAmu;  // keV/amu
};

const ThinCase kThinCases[] = {
    {"He", "mylar", 500}, {"He", "mylar", 5000}, {"H", "Si", 30},     {"H", "Si", 100000},
    {"H", "water", 500},  {"U", "C", 5000},      {"Ar", "Au", 30},    {"Ar", "Au", 5000},
    {"C", "air", 3000},   {"O", "kapton", 200},  {"H", "water", 1e5},
};

class ThinLayer : public ::testing::TestWithParam<ThinCase> {};

// A layer of 1e-7 of the range: Bohr's variance times the thickness, T x for the angle and
// T L^3 / 3 for the lateral spread, at the layer's mean energy.
TEST_P(ThinLayer, EqualsTheClosedForms) {
    const ThinCase& c = GetParam();
    const Target t = MakeIonTarget(c.ion, c.material);
    const double E = c.energyPerAmu * t.ion.mass;
    const double x = 1e-7 * Range(t, E).range;
    const std::vector<Layer> stack = {{t, x}};
    StackResult path;
    const LayerSpread s = SpreadsAfter(stack, E, &path).at(0);
    const SpreadMaterial m = SpreadMaterialOf(t);
    const double Em = 0.5 * (E + path.energyOut);
    const double T = ScatteringPowerAt(m, Em), L = x * UmPerE15(t);
    EXPECT_NEAR(s.energySigma * s.energySigma / (StragglingPerAtom(m, Em) * x * 1e-6), 1, 1e-6);
    EXPECT_NEAR(s.angleSigma * s.angleSigma / (T * x), 1, 1e-6);
    EXPECT_NEAR(s.lateralSigma * s.lateralSigma / (T / UmPerE15(t) * L * L * L / 3), 1, 1e-6);
    EXPECT_NEAR(s.chargeMean, ChargeAt(m, path.energyOut).mean, 1e-6 * t.ion.Z);
}

INSTANTIATE_TEST_SUITE_P(Ions, ThinLayer, ::testing::ValuesIn(kThinCases));

TEST(ThinLayer, NoThicknessNoSpread) {
    const Target t = MakeIonTarget("He", "mylar");
    const LayerSpread s = OneLayer(t, 5486, 0);
    EXPECT_EQ(s.energySigma, 0);
    EXPECT_EQ(s.angleSigma, 0);
    EXPECT_EQ(s.lateralSigma, 0);
    double last = 0;
    for (double f : {1e-9, 1e-7, 1e-5, 1e-3, 1e-1}) {
        const LayerSpread thin = OneLayer(t, 5486, f * Range(t, 5486).range);
        EXPECT_GT(thin.energySigma, last);
        last = thin.energySigma;
    }
    EXPECT_LT(OneLayer(t, 5486, 1e-9 * Range(t, 5486).range).energySigma, 1e-3 * last);
}

struct SplitCase {
    const char* ion;
    const char* material;
    double energyPerAmu;  // keV/amu
    double fraction;      // of the range
};

const SplitCase kSplitCases[] = {
    {"He", "mylar", 1371, 0.3}, {"H", "Si", 10000 / 1.0078, 0.1}, {"H", "water", 150, 0.8},
    {"U", "C", 1e6, 0.01},      {"Ar", "Au", 100, 0.5},           {"H", "water", 0.05, 1e-4},
    {"C", "air", 12000, 0.6},   {"H", "water", 0.2, 0.5},
};

class SplitLayer : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLayer, TwoHalvesSpreadAsTheWhole) {
    const SplitCase& c = GetParam();
    const Target t = MakeIonTarget(c.ion, c.material);
    const double E = c.energyPerAmu * t.ion.mass;
    const double x = c.fraction * Range(t, E).range;
    const std::vector<Layer> whole = {{t, x}}, halves = {{t, 0.4 * x}, {t, 0.6 * x}};
    const LayerSpread a = SpreadsAfter(whole, E).at(0);
    const LayerSpread b = SpreadsAfter(halves, E).at(1);
    EXPECT_NEAR(b.energySigma / a.energySigma, 1, 1e-6);
    EXPECT_NEAR(b.angleSigma / a.angleSigma, 1, 1e-6);
    EXPECT_NEAR(b.lateralSigma / a.lateralSigma, 1, 1e-6);
    EXPECT_NEAR(b.chargeMean, a.chargeMean, 1e-9 * t.ion.Z);
}

INSTANTIATE_TEST_SUITE_P(Ions, SplitLayer, ::testing::ValuesIn(kSplitCases));

struct ChainCase {
    const char* ion;
    double energy;  // keV
    const char* materials[3];
    double um[3];
};

const ChainCase kChainCases[] = {
    {"H", 20000, {"mylar", "Al", "Si"}, {50, 200, 300}},
    {"He", 5486, {"mylar", "Al", "Si"}, {2, 0.05, 5}},
    {"C", 60000, {"kapton", "Au", "water"}, {10, 1, 20}},
    {"U", 2.4e6, {"C", "Si", "Cu"}, {5, 10, 2}},
};

class Chain : public ::testing::TestWithParam<ChainCase> {};

// Each layer's spreads from the one before by the propagation written out, on the tables read
// at the layer's entry and exit energies.
TEST_P(Chain, StackEqualsItsLayersChainedByHand) {
    const ChainCase& c = GetParam();
    std::vector<Layer> stack;
    for (int k = 0; k < 3; ++k) {
        const Target t = MakeIonTarget(c.ion, c.materials[k]);
        stack.push_back({t, E15FromUm(t, c.um[k])});
    }
    StackResult path;
    const std::vector<LayerSpread> spreads = SpreadsAfter(stack, c.energy, &path);
    ASSERT_EQ(spreads.size(), 3u);
    ASSERT_FALSE(path.stopped);
    double var = 0;
    BeamSpread beam;
    for (std::size_t k = 0; k < 3; ++k) {
        const Target& t = stack[k].target;
        const LayerResult& r = path.layers[k];
        const double factor = UmPerE15(t);
        double charge = 0;
        SharedRangeCache().UseSpread(t, [&](const SpreadTable& table) {
            const double sIn = table.Stopping(r.energyIn), sOut = table.Stopping(r.energyOut);
            var = sOut * sOut *
                  (var / (sIn * sIn) + table.VarianceBetween(r.energyOut, r.energyIn) * 1e-6);
            const ScatteringSlab s = table.Scattering(r.energyOut, r.energyIn);
            beam =
                Through(beam, {s.thickness * factor, s.m0, s.m1 * factor, s.m2 * factor * factor});
            charge = table.MeanCharge(r.energyOut);
            return 0;
        });
        EXPECT_DOUBLE_EQ(spreads[k].energySigma, std::sqrt(var)) << k;
        EXPECT_DOUBLE_EQ(spreads[k].angleSigma, std::sqrt(beam.angle2)) << k;
        EXPECT_DOUBLE_EQ(spreads[k].lateralSigma, std::sqrt(beam.lateral2)) << k;
        EXPECT_EQ(spreads[k].chargeMean, charge) << k;
        EXPECT_FALSE(spreads[k].outOfValidity) << k;
    }
    // The energy spread grows through the stack, and so do the angle and the lateral spread.
    EXPECT_LT(spreads[0].angleSigma, spreads[2].angleSigma);
    EXPECT_LT(spreads[0].lateralSigma, spreads[2].lateralSigma);
}
INSTANTIATE_TEST_SUITE_P(Stacks, Chain, ::testing::ValuesIn(kChainCases));

TEST(Stack, EnergySpreadGrowsThroughADetectorStack) {
    const Target a = MakeIonTarget("H", "mylar"), b = MakeIonTarget("H", "Al"),
                 c = MakeIonTarget("H", "Si");
    const std::vector<LayerSpread> spreads = SpreadsAfter(
        {{a, E15FromUm(a, 50)}, {b, E15FromUm(b, 200)}, {c, E15FromUm(c, 300)}}, 20000);
    EXPECT_LT(spreads[0].energySigma, spreads[2].energySigma);
    EXPECT_LT(spreads[0].lateralSigma, spreads[1].lateralSigma);
}

// The path walked with the spreads is EnergyAfterStack's to the last bit, with one spread per
// layer reached: passing, stopping in the second layer, and a path out of the tables' validity
// (below their start: nothing known).
TEST(Stack, WithSpreadsWalksThePathOfEnergyAfterStack) {
    const Target a = MakeIonTarget("He", "mylar"), b = MakeIonTarget("He", "Al"),
                 c = MakeIonTarget("He", "Si");
    const std::vector<Layer> stack = {
        {a, E15FromUm(a, 2)}, {b, E15FromUm(b, 0.05)}, {c, E15FromUm(c, 5)}};
    for (double energy : {0.001, 800.0, 2000.0, 5486.0, 40000.0}) {
        const StackResult path = EnergyAfterStack(stack, energy);
        std::vector<LayerSpread> spreads = {LayerSpread{}};  // replaced, not appended to
        const StackResult fused = EnergyAfterStackWithSpreads(stack, energy, &spreads);
        ASSERT_EQ(fused.layers.size(), path.layers.size()) << energy;
        ASSERT_EQ(spreads.size(), path.layers.size()) << energy;
        EXPECT_EQ(fused.energyOut, path.energyOut) << energy;
        EXPECT_EQ(fused.stopped, path.stopped) << energy;
        EXPECT_EQ(fused.stoppedInLayer, path.stoppedInLayer) << energy;
        EXPECT_EQ(fused.outOfModel, path.outOfModel) << energy;
        for (std::size_t k = 0; k < spreads.size(); ++k) {
            const LayerSpread& w = spreads[k];
            EXPECT_EQ(fused.layers[k].energyOut, path.layers[k].energyOut) << energy;
            EXPECT_EQ(fused.layers[k].stoppedAt, path.layers[k].stoppedAt) << energy;
            const bool known = energy > 1 && !path.layers[k].stopped;
            EXPECT_EQ(std::isfinite(w.energySigma), known) << energy << " " << k;
            EXPECT_EQ(std::isfinite(w.angleSigma), known) << energy << " " << k;
            EXPECT_EQ(std::isfinite(w.chargeMean), known) << energy << " " << k;
            EXPECT_EQ(std::isfinite(w.lateralSigma), energy > 1) << energy << " " << k;
            if (energy < 1) {
                EXPECT_TRUE(w.outOfValidity) << k;
            }
        }
    }
    EXPECT_EQ(EnergyAfterStack(stack, 800).stoppedInLayer, 2);
    std::vector<LayerSpread> spreads;
    EXPECT_THROW(EnergyAfterStackWithSpreads(stack, -1, &spreads), PhysicsError);
    EXPECT_THROW(EnergyAfterStackWithSpreads({{a, -1}}, 100, &spreads), PhysicsError);
}

TEST(Stack, EnergyBeforeSpreadsAsTheForwardPath) {
    const Target a = MakeIonTarget("He", "mylar"), b = MakeIonTarget("He", "Au");
    const std::vector<Layer> stack = {{a, E15FromUm(a, 5)}, {b, E15FromUm(b, 1)}};
    std::vector<LayerSpread> s1 = {LayerSpread{}, LayerSpread{}, LayerSpread{}};  // replaced
    const StackResult back = EnergyBeforeStackWithSpreads(stack, 3000, &s1);
    const StackResult plain = EnergyBeforeStack(stack, 3000);
    EXPECT_EQ(back.energyIn, plain.energyIn);
    const std::vector<LayerSpread> s2 = SpreadsAfter(stack, back.energyIn);
    ASSERT_EQ(s1.size(), 2u);
    ASSERT_EQ(s2.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(back.layers[k].energyIn, plain.layers[k].energyIn);
        EXPECT_NEAR(s1[k].energySigma / s2[k].energySigma, 1, 1e-7);
        EXPECT_NEAR(s1[k].lateralSigma / s2[k].lateralSigma, 1, 1e-7);
        EXPECT_NEAR(s1[k].chargeMean / s2[k].chargeMean, 1, 1e-7);
    }
    std::vector<LayerSpread> refused = {LayerSpread{}};
    EXPECT_THROW(EnergyBeforeStackWithSpreads(stack, -1, &refused), PhysicsError);
    EXPECT_TRUE(refused.empty());
}

TEST(Stack, LateralNeedsEveryDensityOnTheWay) {
    const Target dense = MakeIonTarget("H", "Si");
    Target formula = MakeIonTarget("H", "C2H4");  // a formula carries no density
    ASSERT_EQ(formula.atomsPerCm3, 0);
    const std::vector<Layer> stack = {
        {dense, E15FromUm(dense, 10)}, {formula, 1e18 / 1e15}, {dense, E15FromUm(dense, 10)}};
    const std::vector<LayerSpread> s = SpreadsAfter(stack, 5000);
    EXPECT_TRUE(std::isfinite(s[0].lateralSigma));
    EXPECT_TRUE(std::isnan(s[1].lateralSigma));
    EXPECT_TRUE(std::isnan(s[2].lateralSigma));
    for (const LayerSpread& l : s) {
        EXPECT_GT(l.angleSigma, 0);
        EXPECT_GT(l.energySigma, 0);
    }
}

TEST(Stop, LateralAtTheStoppingPointOnly) {
    const Target t = MakeIonTarget("H", "water");
    const LayerSpread s = OneLayer(t, 150000, E15FromUm(t, 200000));
    EXPECT_TRUE(std::isnan(s.energySigma));
    EXPECT_TRUE(std::isnan(s.angleSigma));
    EXPECT_TRUE(std::isnan(s.chargeMean));
    // About 4 mm at the end of a 15.8 cm path, more than after 10 cm.
    EXPECT_NEAR(s.lateralSigma / 1000, 3.9, 0.5);
    EXPECT_GT(s.lateralSigma, OneLayer(t, 150000, E15FromUm(t, 100000)).lateralSigma);
}

struct ScaleCase {
    const char* name;
    const char* ion;
    double energy;  // keV
    const char* material;
    double um;
    double energySigma, angleMrad, lateralUm, charge;  // published scale; 0: not checked
};

// For scale, from the ATIMA-based catima library: bands, not exact values.
const ScaleCase kScaleCases[] = {
    {"AlphaMylar", "He", 5486, "mylar", 10, 23, 17, 0, 2},
    {"ProtonSilicon", "H", 10000, "Si", 100, 44, 0, 0, 1},
    {"ProtonWater", "H", 150000, "water", 100000, 0, 0, 1700, 1},
    {"UraniumCarbon", "U", 238.05e6, "C", 100, 0, 0, 0, 91.7},
};

class PublishedScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PublishedScale, WithinTheBand) {
    const ScaleCase& c = GetParam();
    const Target t = MakeIonTarget(c.ion, c.material);
    const LayerSpread s = OneLayer(t, c.energy, E15FromUm(t, c.um));
    if (c.energySigma > 0) {
        EXPECT_NEAR(s.energySigma, c.energySigma, 0.1 * c.energySigma);
    }
    if (c.angleMrad > 0) {
        EXPECT_NEAR(s.angleSigma * 1000, c.angleMrad, 0.15 * c.angleMrad);
    }
    if (c.lateralUm > 0) {
        EXPECT_NEAR(s.lateralSigma, c.lateralUm, 0.15 * c.lateralUm);
    }
    EXPECT_NEAR(s.chargeMean, c.charge, 0.01 * c.charge);
    EXPECT_FALSE(s.outOfValidity);
}

INSTANTIATE_TEST_SUITE_P(Catima, PublishedScale, ::testing::ValuesIn(kScaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RangeStraggling, ProtonsInWaterFallTowardsOnePercent) {
    const Target t = MakeIonTarget("H", "water");
    double last = 1;
    for (double E : {1e3, 1e4, 5e4, 1.5e5, 2.5e5}) {
        const RangeSpread s = RangeStraggling(t, E);
        EXPECT_DOUBLE_EQ(s.range, Range(t, E).range);
        const double fraction = s.sigma / s.range;
        EXPECT_LT(fraction, last) << E;
        last = fraction;
    }
    EXPECT_NEAR(RangeStraggling(t, 150000).sigma / Range(t, 150000).range, 0.0107, 0.0005);
    EXPECT_GT(last, 0.0095);
}

TEST(RangeStraggling, IsTheLimitOfAStoppingLayer) {
    // sigma_R^2 = Q(E): the same integral the layers use, taken from 0.
    const Target t = MakeIonTarget("He", "Si");
    SharedRangeCache().UseSpread(t, [&](const SpreadTable& table) {
        EXPECT_DOUBLE_EQ(table.VarianceIntegral(8000), table.VarianceBetween(0, 8000));
        EXPECT_NEAR(table.VarianceBetween(3000, 8000),
                    table.VarianceIntegral(8000) - table.VarianceIntegral(3000),
                    1e-12 * table.VarianceIntegral(8000));
        return 0;
    });
    EXPECT_EQ(RangeStraggling(t, 0).sigma, 0);
}

TEST(Validity, SlowIonsAndNearlyStoppingLayersAreMarked) {
    const Target t = MakeIonTarget("Ar", "Si");
    EXPECT_TRUE(OneLayer(t, 10 * t.ion.mass, 1).outOfValidity);  // 10 keV/u
    const double R = Range(t, 40000).range;
    EXPECT_FALSE(OneLayer(t, 40000, 0.1 * R).outOfValidity);
    EXPECT_TRUE(OneLayer(t, 40000, 0.97 * R).outOfValidity);  // leaves a few per cent
    // Stopping in the layer: marked where it enters below 25 keV/u.
    EXPECT_FALSE(OneLayer(t, 40000, 2 * R).outOfValidity);
    EXPECT_FALSE(OneLayer(t, 26 * t.ion.mass, 2 * R).outOfValidity);
    EXPECT_TRUE(OneLayer(t, 24 * t.ion.mass, 2 * R).outOfValidity);
    EXPECT_TRUE(RangeStraggling(t, 10 * t.ion.mass).outOfValidity);
    // Below the tables' start (0.01 keV/u) nothing is known.
    const LayerSpread below = OneLayer(t, 0.005 * t.ion.mass, 1e-3);
    EXPECT_TRUE(below.outOfValidity);
    EXPECT_TRUE(std::isnan(below.energySigma));
    EXPECT_TRUE(std::isnan(below.lateralSigma));
    EXPECT_FALSE(RangeStraggling(t, 40000).outOfValidity);
    EXPECT_EQ(SpreadValidityWarning("the spreads of layer 2"),
              "the spreads of layer 2: outside the validity of the formulas (below 25 keV/u, an "
              "ion that nearly stops, or angles beyond 0.2 rad); estimates only");
}

// Every stopping model there is: the values of StoppingModel, in order, up to the first without
// a name.
std::vector<StoppingModel> AllModels() {
    std::vector<StoppingModel> models;
    for (int k = 0; *StoppingModelName(static_cast<StoppingModel>(k)); ++k)
        models.push_back(static_cast<StoppingModel>(k));
    return models;
}

TEST(Models, EveryModelSplitsAndMeetsTheThinLayer) {
    ASSERT_FALSE(AllModels().empty());
    for (StoppingModel model : AllModels()) {
        const Target t = MakeTarget(test::Db(), ResolveIon(test::Db(), "He"),
                                    ResolveMaterial("mylar", test::Db(), test::Materials()), model);
        const double E = 5486, R = Range(t, E).range;
        const std::vector<Layer> whole = {{t, 0.3 * R}}, halves = {{t, 0.1 * R}, {t, 0.2 * R}};
        const LayerSpread a = SpreadsAfter(whole, E).at(0);
        const LayerSpread b = SpreadsAfter(halves, E).at(1);
        EXPECT_NEAR(b.energySigma / a.energySigma, 1, 1e-6) << StoppingModelName(model);
        EXPECT_NEAR(b.lateralSigma / a.lateralSigma, 1, 1e-6) << StoppingModelName(model);
        const std::vector<Layer> thin = {{t, 1e-7 * R}};
        StackResult path;
        const LayerSpread s = SpreadsAfter(thin, E, &path).at(0);
        const double Em = 0.5 * (E + path.energyOut);
        EXPECT_NEAR(s.energySigma * s.energySigma /
                        (StragglingPerAtom(SpreadMaterialOf(t), Em) * 1e-7 * R * 1e-6),
                    1, 1e-6)
            << StoppingModelName(model);
        EXPECT_NEAR(a.energySigma, 23, 5) << StoppingModelName(model);
    }
}

struct SlabCase {
    const char* ion;
    const char* material;
    double low, high;  // keV
};

// Within one interval, across two, across many (chained by blocks), and from the table's start.
const SlabCase kSlabCases[] = {
    {"He", "mylar", 5000, 5001}, {"He", "mylar", 5000, 5600}, {"H", "water", 10, 150000},
    {"U", "C", 2e5, 2.4e6},      {"Ar", "Au", 0, 1200},       {"H", "Si", 24.9, 25.1},
};

class Slab : public ::testing::TestWithParam<SlabCase> {};

// The scattering's slab, read on the located energies, is as thick as the range between them,
// and its moments are those of the energies read one by one.
TEST_P(Slab, IsAsThickAsTheRangeBetweenItsEnergies) {
    const SlabCase& c = GetParam();
    const Target t = MakeIonTarget(c.ion, c.material);
    SharedRangeCache().UseSpread(t, [&](const SpreadTable& table) {
        const double low = std::max(c.low, table.Ranges().LowEnergy());
        const ScatteringSlab s = table.Scattering(table.Locate(low), table.Locate(c.high));
        const double dR = table.Ranges().Range(c.high) - table.Ranges().Range(low);
        EXPECT_NEAR(s.thickness / dR, 1, 1e-12) << c.ion << " " << c.material;
        const ScatteringSlab e = table.Scattering(c.low, c.high);
        EXPECT_EQ(s.m0, e.m0);
        EXPECT_EQ(s.m2, e.m2);
        EXPECT_GT(s.m1, 0);
        EXPECT_LT(s.m1 * s.m1, s.m0 * s.m2 * (1 + 1e-12));  // Cauchy-Schwarz
        EXPECT_EQ(table.VarianceBetween(table.Locate(low), table.Locate(c.high)),
                  table.VarianceBetween(low, c.high));
        return 0;
    });
}
INSTANTIATE_TEST_SUITE_P(Energies, Slab, ::testing::ValuesIn(kSlabCases));

TEST(Cache, SpreadTablesAreBuiltOncePerPair) {
    RangeCache cache(4);
    const Target t = MakeIonTarget("H", "Si");
    const SpreadTable* first = nullptr;
    cache.UseSpread(t, [&](const SpreadTable& table) { return first = &table; });
    const SpreadTable* second = nullptr;
    cache.UseSpread(t, [&](const SpreadTable& table) { return second = &table; });
    EXPECT_EQ(first, second);
    EXPECT_EQ(cache.Size(), 1u);
}

}  // namespace
}  // namespace fenra
