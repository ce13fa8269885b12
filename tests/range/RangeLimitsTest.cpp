// What the model cannot hold is refused, never answered with a number: ranges beyond its
// highest energy, masses and ratios beyond the Singles; and no layer adds energy.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "materials/PhysicsError.h"
#include "range/Range.h"
#include "range/RangeTable.h"
#include "range/RangeTestSupport.h"

namespace fenra {
namespace {

using test::MakeIonTarget;

std::pair<std::string, ErrorKind> Refusal(const std::function<void()>& f) {
    try {
        f();
    } catch (const PhysicsError& e) {
        return {e.what(), e.Kind()};
    }
    return {"accepted", ErrorKind::BadValue};
}

TEST(ModelReach, ARangeBeyondTheHighestEnergyIsAnError) {
    const Target t = MakeIonTarget("H", "Si");
    const double eMax = HighestEnergy(t);
    EXPECT_TRUE(std::isfinite(static_cast<float>(eMax)));
    const double rMax = Range(t, eMax).range;
    ASSERT_TRUE(std::isfinite(rMax));
    // Just within: an energy; just beyond and far beyond: the reason, whatever the size.
    EXPECT_LE(EnergyForRange(t, rMax * 0.999).energy, eMax);
    for (double R : {rMax * 1.001, 1e30, 1e300}) {
        const auto [message, kind] = Refusal([&] { EnergyForRange(t, R); });
        EXPECT_EQ(kind, ErrorKind::CalculationFailed) << R;
        EXPECT_EQ(message.rfind("the range is beyond the model's reach: the highest energy it "
                                "holds, ",
                                0),
                  0u)
            << message;
    }
}

TEST(ModelReach, NoEnergyBeforeALayerNoHeldEnergyCanPass) {
    const Target t = MakeIonTarget("He", "Si");
    const std::vector<Layer> stack = {{t, 1e20}};
    const auto [message, kind] = Refusal([&] { EnergyBeforeStack(stack, 250); });
    EXPECT_EQ(kind, ErrorKind::CalculationFailed);
    // An ion that stops inside a layer stays a normal result.
    const StackResult stopped = EnergyAfterStack(stack, 250);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.energyOut, 0);
}

// Energies per unit mass across the model, from 10 eV/u to 1 TeV/u, through a layer of no
// thickness and through thin ones: never a gain, and no change at all without thickness.
class NoGain : public ::testing::TestWithParam<const char*> {};

TEST_P(NoGain, AZeroLayerKeepsTheEnergyAndNoLayerAddsAny) {
    const Target t = MakeIonTarget(GetParam(), "mylar");
    for (double perAmu = 0.01; perAmu < 1e9; perAmu *= 1.37) {
        const double E = perAmu * t.ion.mass;
        const LayerResult zero = EnergyAfterLayer(t, E, 0);
        EXPECT_EQ(zero.energyOut, E) << E;
        EXPECT_EQ(zero.energyLoss, 0) << E;
        const StackResult before = EnergyBeforeStack({{t, 0}}, E);
        EXPECT_EQ(before.energyIn, E) << E;
        for (double thickness : {1e-9, 1e-3, 1.0}) {
            const LayerResult thin = EnergyAfterLayer(t, E, thickness);
            EXPECT_GE(thin.energyLoss, 0) << E << " " << thickness;
            EXPECT_LE(thin.energyOut, E) << E << " " << thickness;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ions, NoGain, ::testing::Values("H", "He", "Ar"));

TEST(HeldNumbers, AnIonMassAboveAnyNucleusIsRefused) {
    EXPECT_NO_THROW(ResolveIon(test::Db(), "H", 1000));
    for (double mass : {1000.5, 1e300}) {
        const auto [message, kind] = Refusal([&] { ResolveIon(test::Db(), "H", mass); });
        EXPECT_EQ(kind, ErrorKind::BadValue);
        EXPECT_NE(message.find("amu is above 1000 amu, heavier than any nucleus"),
                  std::string::npos)
            << message;
    }
}

TEST(HeldNumbers, RatiosWhoseSingleIsZeroOrInfiniteAreRefused) {
    struct Case {
        const char* formula;
        std::string message;
    };
    const std::string kTiny = "H0." + std::string(49, '0') + "1O";  // 1e-50: a Single of 0
    const Case cases[] = {
        {"H1000000000000000000000000000000000000000O",
         "the ratio 1e+39 of \"H\" in \"H1000000000000000000000000000000000000000O\" overflows "
         "a single-precision number (1.2e-38 to 3.4e38)"},
        {kTiny.c_str(), "the ratio 1e-50 of \"H\" in \"" + kTiny +
                            "\" underflows a single-precision number (1.2e-38 to 3.4e38)"},
    };
    const Ion h = ResolveIon(test::Db(), "H");
    for (const Case& c : cases) {
        const Material m = ParseFormula(c.formula, test::Db());
        const auto [message, kind] = Refusal([&] { MakeTarget(test::Db(), h, m); });
        EXPECT_EQ(kind, ErrorKind::BadValue);
        EXPECT_EQ(message, c.message);
    }
}

// A stopping that is no number (here from a damaged coefficient) ends the table's building at
// once, instead of halving its intervals without end on values that never agree.
TEST(RangeTableBuild, GivesUpAtOnceOnAStoppingThatIsNoNumber) {
    Target t = MakeIonTarget("H", "Si");
    t.compound.elements[0].coef.P[0] = NAN;
    const auto [message, kind] = Refusal([&] { RangeTable table(t); });
    EXPECT_EQ(kind, ErrorKind::CalculationFailed);
    EXPECT_EQ(message.rfind("the stopping is not a positive finite number near ", 0), 0u)
        << message;
}

}  // namespace
}  // namespace fenra
