// The electronic energy-loss straggling of the ion paths: behind a thin layer the energies of
// the transmitted ions spread as the range library's energy straggling says (Bohr's variance
// with the stopping's energy dependence), and without it they barely spread.

#include <gtest/gtest.h>

#include <cstdio>

#include "implant_range/ImplantRangeSupport.h"
#include "range/Spread.h"

namespace fenra::test {
namespace {

struct ThinLayer {
    const char* name;
    const char* ion;
    double energy;  // keV
    double nm;      // of silicon
};

class ThinLayerStraggling : public ::testing::TestWithParam<ThinLayer> {};

TEST_P(ThinLayerStraggling, SpreadsTheTransmittedEnergyAsTheRangeLibrary) {
    const ThinLayer c = GetParam();
    const Target si = TargetOf(c.ion, "Si");
    const std::vector<Layer> layer = {{si, E15FromUm(si, c.nm / 1000)}};
    std::vector<LayerSpread> spreads;
    EnergyAfterStackWithSpreads(layer, c.energy, &spreads);
    const double sigma = spreads.at(0).energySigma;
    ImplantOptions o;
    o.ions = 3000;
    o.threads = 2;
    o.seed = 3;
    const std::vector<ImplantLayer> stack = Stack(c.ion, {{"Si", c.nm}}, c.energy);
    const ImplantResult with = RunImplant(IonOf(c.ion, c.energy), stack, o);
    o.electronicStraggling = false;
    const ImplantResult without = RunImplant(IonOf(c.ion, c.energy), stack, o);
    std::printf(
        "%s %g keV through %g nm Si: sigma E %.3f +- %.3f keV (without straggling %.3f), "
        "range library %.3f keV\n",
        c.ion, c.energy, c.nm, with.transmittedEnergySpread.mean,
        with.transmittedEnergySpread.error, without.transmittedEnergySpread.mean, sigma);
    ASSERT_GT(with.transmittedFraction.mean, 0.99);
    // The nuclear collisions add a little of their own spread beside the electrons'.
    EXPECT_NEAR(with.transmittedEnergySpread.mean / sigma, 1,
                0.05 + 3 * with.transmittedEnergySpread.error / sigma);
    EXPECT_LT(without.transmittedEnergySpread.mean, 0.5 * sigma);
    // The mean loss is the stopping's either way.
    EXPECT_NEAR(with.transmittedEnergy.mean, without.transmittedEnergy.mean,
                3 * (with.transmittedEnergy.error + without.transmittedEnergy.error));
}

INSTANTIATE_TEST_SUITE_P(Silicon, ThinLayerStraggling,
                         ::testing::Values(ThinLayer{"Protons2MeV", "H", 2000, 1000},
                                           ThinLayer{"Protons500keV", "H", 500, 300},
                                           ThinLayer{"Helium3MeV", "He", 3000, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fenra::test
