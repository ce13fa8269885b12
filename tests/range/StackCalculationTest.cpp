// The range-and-layers calculation agrees with the range functions it is built on, and says
// why a number is missing.

#include <gtest/gtest.h>

#include <cmath>

#include "materials/PhysicsError.h"
#include "range/DetectorStack.h"
#include "range/Spread.h"
#include "range/StackCalculation.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

Target TargetOf(const char* ion, const char* material, double density = 0) {
    Material m = ResolveMaterial(material, Db(), List());
    if (density > 0) m.density = density;
    return MakeTarget(Db(), ResolveIon(Db(), ion), m);
}

using test::DetectorStack;

// The ion field takes what ResolveIon takes: a particle or an isotope is its element with the
// isotope's mass; an unknown isotope is the stack's error, in the resolver's words.
TEST(CalculateStack, TheIonMayBeAParticleOrAnIsotope) {
    StackInput alpha = DetectorStack(), he = DetectorStack();
    alpha.ion = "alpha";
    he.ionMass = 4.0026032497;
    const StackCalculation a = CalculateStack(alpha, Db(), List());
    const StackCalculation h = CalculateStack(he, Db(), List());
    ASSERT_EQ(Words(a.error), "");
    EXPECT_EQ(a.material.range.e15, h.material.range.e15);
    EXPECT_EQ(a.layers[2].stopDepth.e15, h.layers[2].stopDepth.e15);
    alpha.ion = "2He";
    EXPECT_EQ(Words(CalculateStack(alpha, Db(), List()).error),
              "the isotope \"2He\" has no measured mass in the isotope table (He: mass numbers 3 "
              "to 10)");
}

TEST(CalculateStack, MaterialStoppingAndRangeAreTheCoresInTheChosenUnit) {
    const StackCalculation c = CalculateStack(DetectorStack(), Db(), List());
    ASSERT_EQ(Words(c.error), "");
    const Target si = TargetOf("He", "Si");
    const StoppingValues v = StoppingAt(si, 5000);
    ASSERT_TRUE(c.material.stopping.available);
    EXPECT_EQ(c.material.stopping.electronic, KevPerUm(si, v.electronic));
    EXPECT_EQ(c.material.stopping.nuclear, KevPerUm(si, v.nuclear));
    EXPECT_EQ(c.material.stopping.total, KevPerUm(si, v.total));
    const double range = Range(si, 5000).range;
    EXPECT_EQ(c.material.range.e15, range);
    EXPECT_EQ(c.material.range.mgCm2, MgCm2FromE15(si, range));
    EXPECT_EQ(c.material.range.um, UmFromE15(si, range));
    EXPECT_TRUE(c.material.range.hasUm);
    EXPECT_TRUE(c.warnings.empty());
}

TEST(CalculateStack, EvPerAngstromIsATenthOfKevPerUm) {
    StackInput in = DetectorStack();
    in.unit = StopUnit::EvAngstrom;
    const StackCalculation a = CalculateStack(in, Db(), List());
    in.unit = StopUnit::KevUm;
    const StackCalculation b = CalculateStack(in, Db(), List());
    EXPECT_NEAR(a.material.stopping.total, b.material.stopping.total / 10, 1e-12);
}

TEST(CalculateStack, LengthUnitsOfACompoundWithoutDensitySayWhy) {
    StackInput in = DetectorStack();
    in.material = "C10H8O4";
    const StackCalculation c = CalculateStack(in, Db(), List());
    EXPECT_FALSE(c.material.stopping.available);
    EXPECT_EQ(Words(c.material.stopping.reason),
              "keV/um needs a density, and the material \"C10H8O4\" has none: give one");
    EXPECT_FALSE(c.material.range.hasUm);
    EXPECT_EQ(Words(c.material.rangeUmReason),
              "um needs a density, and the material \"C10H8O4\" has none: give one");
    in.density = 1.397;
    const StackCalculation d = CalculateStack(in, Db(), List());
    EXPECT_TRUE(d.material.stopping.available);
    EXPECT_EQ(d.material.stopping.total,
              KevPerUm(TargetOf("He", "C10H8O4", 1.397),
                       StoppingAt(TargetOf("He", "C10H8O4", 1.397), 5000).total));
}

TEST(CalculateStack, LayersFollowEnergyAfterStack) {
    const StackCalculation c = CalculateStack(DetectorStack(), Db(), List());
    ASSERT_TRUE(c.stackComplete) << Words(c.stackError);
    const Target mylar = TargetOf("He", "mylar"), al = TargetOf("He", "Al"),
                 si = TargetOf("He", "Si");
    const std::vector<Layer> stack = {
        {mylar, E15FromUm(mylar, 2)}, {al, E15FromUm(al, 0.05)}, {si, E15FromUm(si, 30)}};
    const StackResult s = EnergyAfterStack(stack, 5000);
    ASSERT_EQ(c.layers.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(c.layers[k].thicknessE15, stack[k].thickness);
        EXPECT_EQ(c.layers[k].energyIn, s.layers[k].energyIn);
        EXPECT_EQ(c.layers[k].energyOut, s.layers[k].energyOut);
        EXPECT_TRUE(c.layers[k].reached);
    }
    EXPECT_TRUE(c.stopped);
    EXPECT_EQ(c.stoppedInLayer, 2);
    EXPECT_EQ(c.layers[2].stopDepth.e15,
              stack[0].thickness + stack[1].thickness + s.layers[2].stoppedAt);
    // The depth in the layer is the layer's own, in every unit: the stack's less the front's.
    EXPECT_EQ(c.layers[2].stopDepthInLayer.e15, s.layers[2].stoppedAt);
    EXPECT_EQ(c.layers[2].stopDepthInLayer.mgCm2, MgCm2FromE15(si, s.layers[2].stoppedAt));
    EXPECT_NEAR(c.layers[2].stopDepthInLayer.um, c.layers[2].stopDepth.um - 2.05, 1e-9);
    EXPECT_EQ(c.layers[1].stopDepthInLayer.e15, 0);  // passed
    EXPECT_NEAR(c.layers[1].front.um, 2, 1e-9);
    EXPECT_NEAR(c.layers[2].front.um, 2.05, 1e-9);
    ASSERT_EQ(c.boundaries.size(), 4u);
    EXPECT_NEAR(c.boundaries[3].um, 32.05, 1e-9);
}

TEST(CalculateStack, EnergyToPassLeavesTheIonAtRestAtTheBackFace) {
    StackInput in = DetectorStack();
    const StackCalculation c = CalculateStack(in, Db(), List());
    ASSERT_TRUE(c.energyToPass.known) << Words(c.energyToPass.reason);
    EXPECT_GT(c.energyToPass.energy, 5000);
    // A little more than that passes; a little less stops in the last layer.
    in.energy = c.energyToPass.energy * (1 + 1e-6);
    EXPECT_FALSE(CalculateStack(in, Db(), List()).stopped);
    in.energy = c.energyToPass.energy * (1 - 1e-6);
    const StackCalculation less = CalculateStack(in, Db(), List());
    EXPECT_TRUE(less.stopped);
    EXPECT_EQ(less.stoppedInLayer, 2);
}

TEST(CalculateStack, EnergyToReachADepthInsideALayer) {
    StackInput in = DetectorStack();
    in.reachDepthGiven = true;
    in.reachDepth = 12.05;  // 10 um into the silicon
    in.reachDepthUnit = ThicknessUnit::Um;
    const StackCalculation c = CalculateStack(in, Db(), List());
    ASSERT_TRUE(c.energyToReach.known) << Words(c.energyToReach.reason);
    in.energy = c.energyToReach.energy;
    in.reachDepthGiven = false;
    const StackCalculation there = CalculateStack(in, Db(), List());
    ASSERT_TRUE(there.stopped);
    EXPECT_NEAR(there.layers[2].stopDepth.um, 12.05, 1e-6);

    in.reachDepthGiven = true;
    in.reachDepth = 40;
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).energyToReach.reason),
              "the depth lies beyond the back face of the stack");
}

TEST(CalculateStack, EnergyToReachWithoutLayersIsTheEnergyForThatRange) {
    StackInput in = DetectorStack();
    in.layers.clear();
    in.reachDepthGiven = true;
    in.reachDepth = 1;
    in.reachDepthUnit = ThicknessUnit::MgCm2;
    const StackCalculation c = CalculateStack(in, Db(), List());
    const Target si = TargetOf("He", "Si");
    ASSERT_TRUE(c.energyToReach.known);
    EXPECT_EQ(c.energyToReach.energy, EnergyForRange(si, E15FromMgCm2(si, 1)).energy);
}

TEST(CalculateStack, RefusalsAreTextsForTheWindow) {
    StackInput in = DetectorStack();
    in.ion = "Xx";
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).error),
              "the ion \"Xx\" is not in the element table");
    in = DetectorStack();
    in.energy = -1;
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).error),
              "the energy is not a finite number of at least 0 keV");
    in = DetectorStack();
    in.layers.resize(11, in.layers[0]);
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).error), "a stack holds at most 10 layers");

    in = DetectorStack();
    in.layers[1].material = "H2O)";
    in.layers[2] = {"C10H8O4", 1, ThicknessUnit::Um, 0};
    const StackCalculation c = CalculateStack(in, Db(), List());
    EXPECT_EQ(Words(c.error), "");
    EXPECT_FALSE(c.stackComplete);
    EXPECT_EQ(Words(c.layers[1].error),
              "layer 2: the formula \"H2O)\" has an unmatched ')' at character 4");
    EXPECT_EQ(Words(c.layers[2].error),
              "layer 3: um needs a density, and the material \"C10H8O4\" has none: give one");
    EXPECT_EQ(Words(c.energyToPass.reason), "a layer of the stack cannot be read");
    EXPECT_TRUE(c.plot.empty());

    in = DetectorStack();
    in.layers[0].density = -2;
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).layers[0].error),
              "layer 1: the density is not a positive finite density in g/cm3");
    in.layers[0].density = 0;
    in.layers[0].thickness = NAN;
    EXPECT_EQ(Words(CalculateStack(in, Db(), List()).layers[0].error),
              "layer 1: the thickness is not a finite number of at least 0");
}

TEST(CalculateStack, OutOfModelEnergiesWarn) {
    StackInput in = DetectorStack();
    in.energy = 2;  // 0.5 keV/u
    const StackCalculation c = CalculateStack(in, Db(), List());
    ASSERT_FALSE(c.warnings.empty());
    EXPECT_EQ(Words(c.warnings[0]),
              "the energy is outside the model's 1 keV/u to 2 GeV/u; the result is extrapolated");
    // The spreads say so in the same list, in the same way, after the stopping's warnings.
    ASSERT_EQ(c.layers[0].stopped, true);
    EXPECT_EQ(Words(c.warnings.back()),
              "the spreads behind layer 1: outside the validity of the formulas (below 25 "
              "keV/u, an ion that nearly stops, or angles beyond 0.2 rad); estimates only");
    EXPECT_TRUE(c.layers[0].spreadOutOfValidity);
    EXPECT_TRUE(CalculateStack(DetectorStack(), Db(), List()).warnings.empty());
}

TEST(CalculateStack, PlotFollowsThePathWithAStepInStoppingAtEachFace) {
    const StackCalculation c = CalculateStack(DetectorStack(), Db(), List());
    ASSERT_FALSE(c.plot.empty());
    EXPECT_EQ(c.plot.front().energy, 5000);
    EXPECT_EQ(c.plot.back().energy, 0);
    EXPECT_EQ(c.plot.back().depth.e15, c.layers[2].stopDepth.e15);
    const Target mylar = TargetOf("He", "mylar"), al = TargetOf("He", "Al");
    bool sawFace = false;
    for (std::size_t k = 1; k < c.plot.size(); ++k) {
        const StackPlotPoint& a = c.plot[k - 1];
        const StackPlotPoint& b = c.plot[k];
        EXPECT_GE(b.depth.e15, a.depth.e15);
        EXPECT_LE(b.energy, a.energy);
        if (a.layer == 0 && b.layer == 1) {
            sawFace = true;
            EXPECT_EQ(a.depth.e15, b.depth.e15);
            EXPECT_EQ(a.energy, b.energy);
            EXPECT_EQ(a.stopping, KevPerUm(mylar, StoppingAt(mylar, a.energy).total));
            EXPECT_EQ(b.stopping, KevPerUm(al, StoppingAt(al, b.energy).total));
        }
        if (b.layer == 1 && k + 1 < c.plot.size() && c.plot[k + 1].layer == 1) {
            const double x = b.depth.e15 - c.layers[1].front.e15;
            EXPECT_NEAR(b.energy, EnergyAfterLayer(al, c.layers[1].energyIn, x).energyOut,
                        1e-9 * b.energy);
        }
    }
    EXPECT_TRUE(sawFace);
    // The end of the range is resolved finely: points below a hundredth of the energy in.
    int nearEnd = 0;
    for (const StackPlotPoint& p : c.plot)
        nearEnd += p.layer == 2 && p.energy > 0 && p.energy < c.layers[2].energyIn / 100;
    EXPECT_GE(nearEnd, 4);  // in 2 % steps down to 1 keV/u
}

// The plot steps by energy: at most 2 % of the energy between two points of a layer, down to the
// model's lowest energy, whatever the layer's thickness; so the points crowd towards the stop.
struct PlotStepCase {
    const char* ion;
    double energy;  // keV
    std::vector<StackLayerInput> layers;
    int stopLayer;  // -1: the ion leaves the stack
};

class PlotSteps : public ::testing::TestWithParam<PlotStepCase> {};

TEST_P(PlotSteps, NoStepLosesMoreThanTwoPerCentOfTheEnergy) {
    const PlotStepCase& p = GetParam();
    StackInput in;
    in.ion = p.ion;
    in.energy = p.energy;
    in.material = p.layers[0].material;
    in.layers = p.layers;
    const StackCalculation c = CalculateStack(in, Db(), List());
    ASSERT_TRUE(c.stackComplete);
    EXPECT_EQ(c.stoppedInLayer, p.stopLayer);
    const double lowest = kModelLowEnergy * TargetOf(p.ion, "Si").ion.mass;
    double smallestStopStep = 1e300, firstStopStep = 0;
    for (std::size_t k = 1; k < c.plot.size(); ++k) {
        const StackPlotPoint& a = c.plot[k - 1];
        const StackPlotPoint& b = c.plot[k];
        EXPECT_GE(b.depth.e15, a.depth.e15);
        if (a.layer != b.layer || b.energy < lowest * 1.0001) continue;
        EXPECT_LE(a.energy / b.energy, 1.02 * (1 + 1e-6))
            << "point " << k << " of " << c.plot.size();
        if (b.layer == p.stopLayer) {
            const double step = b.depth.e15 - a.depth.e15;
            if (firstStopStep == 0) firstStopStep = step;
            smallestStopStep = std::min(smallestStopStep, step);
        }
    }
    if (p.stopLayer >= 0) {
        EXPECT_LT(smallestStopStep, firstStopStep / 10);
    }
    // Each face keeps its point: the layer's energy out where the next layer begins.
    for (const StackLayerRow& row : c.layers) {
        if (!row.reached || row.stopped) continue;
        bool found = false;
        for (const StackPlotPoint& q : c.plot)
            found = found || (q.depth.e15 == row.back.e15 && q.energy == row.energyOut);
        EXPECT_TRUE(found);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalculateStack, PlotSteps,
    ::testing::Values(PlotStepCase{"He", 2000, {{"Si", 40, ThicknessUnit::Um, 0}}, 0},
                      PlotStepCase{"H", 3000, {{"Al", 1, ThicknessUnit::Mm, 0}}, 0},
                      PlotStepCase{"He",
                                   5000,
                                   {{"mylar", 2, ThicknessUnit::Um, 0},
                                    {"Al", 50, ThicknessUnit::Nm, 0},
                                    {"Si", 30, ThicknessUnit::Um, 0}},
                                   2},
                      PlotStepCase{"H", 2000, {{"Si", 10, ThicknessUnit::Um, 0}}, -1}));

TEST(CalculateStack, SpreadsAreTheCoresAndTheBandGrowsFromZero) {
    const StackCalculation c = CalculateStack(DetectorStack(), Db(), List());
    ASSERT_TRUE(c.stackComplete);
    const Target mylar = TargetOf("He", "mylar"), al = TargetOf("He", "Al"),
                 si = TargetOf("He", "Si");
    const std::vector<Layer> stack = {
        {mylar, E15FromUm(mylar, 2)}, {al, E15FromUm(al, 0.05)}, {si, E15FromUm(si, 30)}};
    std::vector<LayerSpread> s;
    EnergyAfterStackWithSpreads(stack, 5000, &s);
    ASSERT_EQ(s.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(c.layers[k].lateralSigma, s[k].lateralSigma) << k;
        EXPECT_EQ(c.layers[k].spreadOutOfValidity, s[k].outOfValidity) << k;
    }
    EXPECT_EQ(c.layers[0].energySigma, s[0].energySigma);
    EXPECT_EQ(c.layers[1].angleSigma, s[1].angleSigma);
    EXPECT_EQ(c.layers[1].chargeMean, s[1].chargeMean);
    EXPECT_TRUE(std::isnan(c.layers[2].energySigma));  // it stops in the Si
    // The band: 0 at the front, the layer's spread at its back face, growing on the way.
    ASSERT_FALSE(c.plot.empty());
    EXPECT_EQ(c.plot.front().energySigma, 0);
    double last = 0;
    for (const StackPlotPoint& p : c.plot) {
        if (p.layer > 0) break;
        EXPECT_GE(p.energySigma, last);
        last = p.energySigma;
    }
    EXPECT_NEAR(last / c.layers[0].energySigma, 1, 1e-9);
    EXPECT_TRUE(std::isnan(c.plot.back().energySigma));  // the ion at rest
}

}  // namespace
}  // namespace fenra
