// The range-and-layers calculation keeps each refusal and warning once, as a sentence; the CSV
// and fenra32-calc say it in English through Words. One row per place a sentence is made: its
// English stays word for word what the calculation has always said.

#include <gtest/gtest.h>

#include <cmath>

#include "range/DetectorStack.h"
#include "range/StackCalculation.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

using test::DetectorStack;

StackInput WithoutLayers(const char* material, double depth, ThicknessUnit unit) {
    StackInput in = DetectorStack();
    in.layers.clear();
    in.material = material;
    in.reachDepthGiven = true;
    in.reachDepth = depth;
    in.reachDepthUnit = unit;
    return in;
}

StackInput Reaching(double depth, ThicknessUnit unit) {
    StackInput in = DetectorStack();
    in.reachDepthGiven = true;
    in.reachDepth = depth;
    in.reachDepthUnit = unit;
    return in;
}

struct WordsCase {
    const char* name;
    StackInput (*input)();
    Message (*pick)(const StackCalculation&);
    const char* english;
};

const WordsCase kCases[] = {
    {"UnknownIon",
     [] {
         StackInput in = DetectorStack();
         in.ion = "Xx";
         return in;
     },
     [](const StackCalculation& c) { return c.error; },
     "the ion \"Xx\" is not in the element table"},
    {"NegativeEnergy",
     [] {
         StackInput in = DetectorStack();
         in.energy = -1;
         return in;
     },
     [](const StackCalculation& c) { return c.error; },
     "the energy is not a finite number of at least 0 keV"},
    // The mass that froze the window: refused where it is read, before any range table.
    {"MassBeyondAnyNucleus",
     [] {
         StackInput in = DetectorStack();
         in.ionMass = 1e300;
         return in;
     },
     [](const StackCalculation& c) { return c.error; },
     "the ion mass 1e+300 amu is above 1000 amu, heavier than any nucleus"},
    {"TooManyLayers",
     [] {
         StackInput in = DetectorStack();
         in.layers.resize(11, in.layers[0]);
         return in;
     },
     [](const StackCalculation& c) { return c.error; }, "a stack holds at most 10 layers"},
    {"MaterialRefused",
     [] {
         StackInput in = DetectorStack();
         in.material = "Q2";
         return in;
     },
     [](const StackCalculation& c) { return c.material.error; },
     "the formula \"Q2\" has the unknown element symbol \"Q\" at character 1"},
    {"StoppingUnitWithoutDensity",
     [] {
         StackInput in = DetectorStack();
         in.material = "C10H8O4";
         return in;
     },
     [](const StackCalculation& c) { return c.material.stopping.reason; },
     "keV/um needs a density, and the material \"C10H8O4\" has none: give one"},
    {"RangeWithoutDensity",
     [] {
         StackInput in = DetectorStack();
         in.material = "C10H8O4";
         return in;
     },
     [](const StackCalculation& c) { return c.material.rangeUmReason; },
     "um needs a density, and the material \"C10H8O4\" has none: give one"},
    {"LayerFormula",
     [] {
         StackInput in = DetectorStack();
         in.layers[1].material = "H2O)";
         return in;
     },
     [](const StackCalculation& c) { return c.layers[1].error; },
     "layer 2: the formula \"H2O)\" has an unmatched ')' at character 4"},
    {"LayerDensity",
     [] {
         StackInput in = DetectorStack();
         in.layers[0].density = -2;
         return in;
     },
     [](const StackCalculation& c) { return c.layers[0].error; },
     "layer 1: the density is not a positive finite density in g/cm3"},
    {"LayerThickness",
     [] {
         StackInput in = DetectorStack();
         in.layers[0].thickness = NAN;
         return in;
     },
     [](const StackCalculation& c) { return c.layers[0].error; },
     "layer 1: the thickness is not a finite number of at least 0"},
    {"LayerLengthWithoutDensity",
     [] {
         StackInput in = DetectorStack();
         in.layers[2] = {"C10H8O4", 1, ThicknessUnit::Um, 0};
         return in;
     },
     [](const StackCalculation& c) { return c.layers[2].error; },
     "layer 3: um needs a density, and the material \"C10H8O4\" has none: give one"},
    {"StackNotRead",
     [] {
         StackInput in = DetectorStack();
         in.layers[1].material = "H2O)";
         return in;
     },
     [](const StackCalculation& c) { return c.stackError; }, "a layer of the stack cannot be read"},
    {"EnergyToPassOfAnUnreadStack",
     [] {
         StackInput in = DetectorStack();
         in.layers[1].material = "H2O)";
         return in;
     },
     [](const StackCalculation& c) { return c.energyToPass.reason; },
     "a layer of the stack cannot be read"},
    {"EnergyToReachOfAnUnreadStack",
     [] {
         StackInput in = Reaching(1, ThicknessUnit::Um);
         in.layers[1].material = "H2O)";
         return in;
     },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "a layer of the stack cannot be read"},
    {"DepthNotFinite", [] { return Reaching(NAN, ThicknessUnit::Um); },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "the depth is not a finite number of at least 0"},
    {"DepthBeyondStack", [] { return Reaching(40, ThicknessUnit::Um); },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "the depth lies beyond the back face of the stack"},
    {"DepthInAnUnreadMaterial", [] { return WithoutLayers("Q2", 1, ThicknessUnit::Um); },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "the material cannot be read"},
    {"DepthInAMaterialWithoutDensity",
     [] { return WithoutLayers("C10H8O4", 1, ThicknessUnit::Nm); },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "nm needs a density, and the material \"C10H8O4\" has none: give one"},
    {"DepthInALayerWithoutDensity",
     [] {
         StackInput in = Reaching(1, ThicknessUnit::Um);
         in.layers[0] = {"C10H8O4", 1, ThicknessUnit::E15, 0};
         return in;
     },
     [](const StackCalculation& c) { return c.energyToReach.reason; },
     "um needs a density, and the material \"C10H8O4\" has none: give one"},
    {"EnergyOutsideTheModel",
     [] {
         StackInput in = DetectorStack();
         in.energy = 2;  // 0.5 keV/u
         return in;
     },
     [](const StackCalculation& c) { return c.warnings.at(0); },
     "the energy is outside the model's 1 keV/u to 2 GeV/u; the result is extrapolated"},
    {"PathOutsideTheModel",
     [] {
         StackInput in = DetectorStack();
         in.energy = 2;
         return in;
     },
     [](const StackCalculation& c) { return c.warnings.at(1); },
     "an energy on the path through the stack is outside the model's 1 keV/u to 2 GeV/u; the "
     "result is "
     "extrapolated"},
    {"SpreadsOutsideTheirFormulas",
     [] {
         StackInput in = DetectorStack();
         in.energy = 2;
         return in;
     },
     [](const StackCalculation& c) { return c.warnings.back(); },
     "the spreads behind layer 1: outside the validity of the formulas (below 25 keV/u, an ion "
     "that nearly stops, or angles beyond 0.2 rad); estimates only"},
    {"EnergyToPassOutsideTheModel",
     [] {
         StackInput in = DetectorStack();
         in.layers = {{"Pb", 10000, ThicknessUnit::Mm, 0}};
         return in;
     },
     [](const StackCalculation& c) { return c.warnings.back(); },
     "the energy needed to pass the stack is outside the model's 1 keV/u to 2 GeV/u; the result is "
     "extrapolated"},
    {"EnergyToReachOutsideTheModel",
     [] {
         StackInput in = DetectorStack();
         in.layers = {{"Pb", 10000, ThicknessUnit::Mm, 0}};
         in.reachDepthGiven = true;
         in.reachDepth = 9000;
         in.reachDepthUnit = ThicknessUnit::Mm;
         return in;
     },
     [](const StackCalculation& c) { return c.warnings.back(); },
     "the energy to reach the depth is outside the model's 1 keV/u to 2 GeV/u; the result is "
     "extrapolated"},
};

class StackWords : public testing::TestWithParam<WordsCase> {};

TEST_P(StackWords, EnglishIsTheSentenceInWords) {
    const StackCalculation c = CalculateStack(GetParam().input(), Db(), List());
    const Message m = GetParam().pick(c);
    ASSERT_FALSE(m.Empty());
    EXPECT_NE(m.text, nullptr);  // a sentence to translate, not a value shown as it is
    EXPECT_EQ(Words(m), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(StackCalculation, StackWords, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WordsCase>& i) { return i.param.name; });

}  // namespace
}  // namespace fenra
