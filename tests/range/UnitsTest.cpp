// Units named by text, and the conversions of stoppings and thicknesses into them.

#include <gtest/gtest.h>

#include "materials/PhysicsError.h"
#include "physics/StopUnits.h"
#include "range/RangeTestSupport.h"
#include "range/Units.h"

namespace fenra {
namespace {

using test::MakeIonTarget;

TEST(Units, NamesOfStopUnits) {
    StopUnit u = StopUnit::KevUm;
    ASSERT_TRUE(StopUnitOf("eV/(1e15 atoms/cm2)", &u));
    EXPECT_EQ(u, StopUnit::EvE15);
    ASSERT_TRUE(StopUnitOf("keV/(mg/cm2)", &u));
    EXPECT_EQ(u, StopUnit::KevMgCm2);
    ASSERT_TRUE(StopUnitOf("eV/\u00c5", &u));
    EXPECT_EQ(u, StopUnit::EvAngstrom);
    ASSERT_TRUE(StopUnitOf("keV/um", &u));
    EXPECT_EQ(u, StopUnit::KevUm);
    EXPECT_FALSE(StopUnitOf("keV/mg/cm2", &u));
    EXPECT_FALSE(StopUnitOf("", &u));
    EXPECT_EQ(u, StopUnit::KevUm);  // left as it was
    EXPECT_TRUE(IsLength(StopUnit::EvAngstrom));
    EXPECT_FALSE(IsLength(StopUnit::KevMgCm2));
}

TEST(Units, NamesOfThicknessUnits) {
    ThicknessUnit u = ThicknessUnit::Mm;
    ASSERT_TRUE(ThicknessUnitOf("1e15 atoms/cm2", &u));
    EXPECT_EQ(u, ThicknessUnit::E15);
    ASSERT_TRUE(ThicknessUnitOf("\u00b5m", &u));
    EXPECT_EQ(u, ThicknessUnit::Um);
    ASSERT_TRUE(ThicknessUnitOf("ug/cm2", &u));
    EXPECT_EQ(u, ThicknessUnit::UgCm2);
    EXPECT_FALSE(ThicknessUnitOf("UM", &u));
    EXPECT_FALSE(ThicknessUnitOf("cm", &u));
    EXPECT_TRUE(IsLength(ThicknessUnit::Nm));
    EXPECT_FALSE(IsLength(ThicknessUnit::MgCm2));
}

// eV/Angstrom is the window's fourth unit: the same factor as its one-element conversion, which
// works in Singles, so the two agree to single precision.
TEST(Units, StoppingPerAngstromAgreesWithTheWindowsConversion) {
    const Target t = MakeIonTarget("He", "Si");
    const float s = 29.0285931f;
    const OtherStopUnits window =
        ConvertStopUnits(t.compound.elements[0].M, t.compound.elements[0].N, s);
    EXPECT_NEAR(StopIn(t, s, StopUnit::EvAngstrom), window.EvA, 1e-6 * window.EvA);
    EXPECT_NEAR(StopIn(t, s, StopUnit::KevUm), window.KevUm, 1e-6 * window.KevUm);
    EXPECT_DOUBLE_EQ(StopIn(t, s, StopUnit::KevUm), 10 * StopIn(t, s, StopUnit::EvAngstrom));
    EXPECT_EQ(StopIn(t, s, StopUnit::EvE15), static_cast<double>(s));
    EXPECT_EQ(StopIn(t, s, StopUnit::KevMgCm2), KevPerMgCm2(t, s));
}

TEST(Units, ThicknessesGoThereAndBack) {
    const Target t = MakeIonTarget("He", "Si");
    for (ThicknessUnit u : {ThicknessUnit::E15, ThicknessUnit::MgCm2, ThicknessUnit::UgCm2,
                            ThicknessUnit::Nm, ThicknessUnit::Um, ThicknessUnit::Mm}) {
        const double e15 = ThicknessToE15(t, 2.5, u);
        EXPECT_GT(e15, 0);
        EXPECT_NEAR(ThicknessFromE15(t, e15, u), 2.5, 2.5e-14);
    }
    EXPECT_DOUBLE_EQ(ThicknessToE15(t, 1000, ThicknessUnit::Nm),
                     ThicknessToE15(t, 1, ThicknessUnit::Um));
    EXPECT_DOUBLE_EQ(ThicknessToE15(t, 1, ThicknessUnit::Mm),
                     ThicknessToE15(t, 1000, ThicknessUnit::Um));
    EXPECT_DOUBLE_EQ(ThicknessToE15(t, 1000, ThicknessUnit::UgCm2),
                     ThicknessToE15(t, 1, ThicknessUnit::MgCm2));
    EXPECT_EQ(ThicknessToE15(t, 7, ThicknessUnit::E15), 7);
    // 1 um of an element is 1e-4 cm times its atoms per cm3 (AtomDensity, 1E22 atoms/cm3):
    // AtomDensity * 1000 in 1E15 atoms/cm2.
    const double perUm = t.compound.elements[0].N * 1000.0;
    EXPECT_NEAR(ThicknessToE15(t, 1, ThicknessUnit::Um), perUm, 1e-6 * perUm);
}

TEST(Units, ALengthNeedsADensity) {
    const Target t = MakeIonTarget("He", "H2O");  // a formula has no density
    for (ThicknessUnit u : {ThicknessUnit::Nm, ThicknessUnit::Um, ThicknessUnit::Mm}) {
        try {
            ThicknessToE15(t, 1, u);
            ADD_FAILURE() << "no error";
        } catch (const PhysicsError& e) {
            EXPECT_EQ(e.Kind(), ErrorKind::BadValue);
            EXPECT_STREQ(e.what(), "a length needs a density: the material \"H2O\" has no density");
        }
        EXPECT_THROW(ThicknessFromE15(t, 1, u), PhysicsError);
    }
    EXPECT_THROW(StopIn(t, 1, StopUnit::KevUm), PhysicsError);
    EXPECT_THROW(StopIn(t, 1, StopUnit::EvAngstrom), PhysicsError);
    EXPECT_GT(ThicknessToE15(t, 1, ThicknessUnit::MgCm2), 0);
    EXPECT_GT(StopIn(t, 1, StopUnit::KevMgCm2), 0);
}

TEST(Units, EachUnitHasOneTextThatReadsBack) {
    for (StopUnit u :
         {StopUnit::EvE15, StopUnit::KevMgCm2, StopUnit::EvAngstrom, StopUnit::KevUm}) {
        StopUnit back = StopUnit::EvE15;
        ASSERT_TRUE(StopUnitOf(StopUnitText(u), &back)) << StopUnitText(u);
        EXPECT_EQ(back, u);
    }
    for (ThicknessUnit u : {ThicknessUnit::E15, ThicknessUnit::MgCm2, ThicknessUnit::UgCm2,
                            ThicknessUnit::Nm, ThicknessUnit::Um, ThicknessUnit::Mm}) {
        ThicknessUnit back = ThicknessUnit::E15;
        ASSERT_TRUE(ThicknessUnitOf(ThicknessUnitText(u), &back)) << ThicknessUnitText(u);
        EXPECT_EQ(back, u);
    }
    EXPECT_STREQ(StopUnitText(StopUnit::KevUm), "keV/um");
    EXPECT_STREQ(ThicknessUnitText(ThicknessUnit::Um), "um");
    EXPECT_STREQ(ThicknessUnitText(ThicknessUnit::E15), "e15/cm2");
}

TEST(Units, OutOfModelWarningNamesWhatIsOutside) {
    EXPECT_EQ(OutOfModelWarning("ENERGY 1eV"),
              "ENERGY 1eV is outside the model's 1 keV/u to 2 GeV/u; the result is extrapolated");
}

}  // namespace
}  // namespace fenra
