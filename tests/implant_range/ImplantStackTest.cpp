// The ion paths' inputs from a stack as the range window holds it: the same layers the
// command line builds, and a refusal that names what cannot be simulated.

#include <gtest/gtest.h>

#include "ImplantRangeSupport.h"

namespace fenra::test {
namespace {

StackInput BoronOnOxide() {
    StackInput in;
    in.ion = "B";
    in.energy = 50;
    in.layers = {{"SiO2", 20, ThicknessUnit::Nm, 2.2}, {"Si", 1, ThicknessUnit::Um, 0}};
    return in;
}

TEST(ImplantStack, HoldsTheLayersTheCommandLineBuilds) {
    const ImplantStack s = ImplantStackOf(BoronOnOxide(), Db(), Materials(), 7, 10);
    ASSERT_TRUE(s.error.Empty()) << Words(s.error);
    EXPECT_EQ(s.ionSymbol, "B");
    EXPECT_EQ(s.ion.energy, 50);
    EXPECT_EQ(s.ion.angle, 7);
    EXPECT_EQ(s.names, (std::vector<std::string>{"SiO2", "Si"}));
    const Ion boron = ResolveIon(Db(), "B");
    const Target oxide = ResolveTarget(Db(), Materials(), boron, "SiO2", 2.2);
    const Target silicon = ResolveTarget(Db(), Materials(), boron, "Si");
    const ImplantLayer expected[] = {ImplantLayerOf(oxide, E15FromUm(oxide, 0.02), 50, 10),
                                     ImplantLayerOf(silicon, E15FromUm(silicon, 1), 50, 10)};
    ASSERT_EQ(s.layers.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_DOUBLE_EQ(s.layers[k].thickness, expected[k].thickness);
        EXPECT_EQ(s.layers[k].atomsPerCm3, expected[k].atomsPerCm3);
        EXPECT_EQ(s.layers[k].electronic.stopping, expected[k].electronic.stopping);
        EXPECT_EQ(s.layers[k].elements.size(), expected[k].elements.size());
    }
    EXPECT_NEAR(s.layers[0].thickness, 20, 1e-9);
}

struct Refusal {
    const char* name;
    void (*change)(StackInput&);
    const char* error;
};

const Refusal kRefusals[] = {
    {"UnknownIon", [](StackInput& in) { in.ion = "Xx"; }, "the ion: "},
    {"EnergyAtTheCutoff", [](StackInput& in) { in.energy = 0.01; },
     "the energy is not a finite number above the cut-off"},
    {"NoLayer", [](StackInput& in) { in.layers.clear(); }, "the stack needs 1 to 10 layers"},
    {"ElevenLayers", [](StackInput& in) { in.layers.resize(11, in.layers[1]); },
     "the stack needs 1 to 10 layers"},
    {"ZeroThickness", [](StackInput& in) { in.layers[1].thickness = 0; },
     "layer 2: the thickness is not a finite number above 0"},
    {"UnknownMaterial", [](StackInput& in) { in.layers[0].material = "Qq"; }, "layer 1: "},
    {"NoDensity",
     [](StackInput& in) {
         in.layers[1] = {"CH4", 1, ThicknessUnit::MgCm2, 0};
     },
     "layer 2: the material \"CH4\" has no density, which the ion paths need"},
};

class ImplantStackRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(ImplantStackRefusal, SaysWhyAndHoldsNothing) {
    StackInput in = BoronOnOxide();
    GetParam().change(in);
    const ImplantStack s = ImplantStackOf(in, Db(), Materials(), 0, 10);
    EXPECT_EQ(Words(s.error).rfind(GetParam().error, 0), 0u) << Words(s.error);
    EXPECT_TRUE(s.layers.empty());
    EXPECT_TRUE(s.names.empty());
}

INSTANTIATE_TEST_SUITE_P(Stack, ImplantStackRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fenra::test
