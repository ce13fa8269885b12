// The units as people type them: energies with per-u forms, stoppings and thicknesses scaled
// from the base units, and the splitting of a number from its unit.

#include <gtest/gtest.h>

#include <string>

#include "range/RangeTestSupport.h"
#include "range/Units.h"

namespace fenra {
namespace {

struct EnergyRow {
    const char* text;
    double value;
    double keV;  // for an ion of 4 amu
};

class EnergyUnits : public ::testing::TestWithParam<EnergyRow> {};

TEST_P(EnergyUnits, SplitAndConvertToKev) {
    const EnergyRow& r = GetParam();
    std::string_view number;
    EnergyUnit unit = EnergyUnit::Kev;
    ASSERT_TRUE(SplitEnergyUnit(r.text, &number, &unit)) << r.text;
    EXPECT_EQ(std::stod(std::string(number)), r.value);
    EXPECT_DOUBLE_EQ(EnergyToKev(r.value, unit, 4), r.keV) << r.text;
    EXPECT_DOUBLE_EQ(EnergyFromKev(r.keV, unit, 4), r.value) << r.text;
}

INSTANTIATE_TEST_SUITE_P(Rows, EnergyUnits,
                         ::testing::Values(EnergyRow{"500eV", 500, 0.5}, EnergyRow{"5keV", 5, 5},
                                           EnergyRow{"5MeV", 5, 5000}, EnergyRow{"2GeV", 2, 2e6},
                                           EnergyRow{"250keV/u", 250, 1000},
                                           EnergyRow{"1.5MeV/u", 1.5, 6000},
                                           EnergyRow{"1GeV/u", 1, 4e6},
                                           EnergyRow{"1e3eV", 1e3, 1}));

struct ThicknessRow {
    const char* text;
    ThicknessUnit base;
    double perBase;  // typed units in one base unit
};

class ThicknessUnits : public ::testing::TestWithParam<ThicknessRow> {};

TEST_P(ThicknessUnits, SplitToTheScaledBaseUnit) {
    const ThicknessRow& r = GetParam();
    std::string_view number;
    TypedThicknessUnit unit;
    const std::string text = std::string("2.5") + r.text;
    ASSERT_TRUE(SplitThicknessUnit(text, &number, &unit)) << text;
    EXPECT_EQ(number, "2.5");
    EXPECT_EQ(unit.base, r.base) << r.text;
    EXPECT_EQ(unit.perBase, r.perBase) << r.text;
    ASSERT_TRUE(TypedThicknessUnitOf(r.text, &unit));
    const Target si = test::MakeIonTarget("He", "Si");
    EXPECT_DOUBLE_EQ(ThicknessToE15(si, 2.5, unit), ThicknessToE15(si, 2.5 / r.perBase, r.base));
    EXPECT_NEAR(ThicknessFromE15(si, ThicknessToE15(si, 2.5, unit), unit), 2.5, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Rows, ThicknessUnits,
                         ::testing::Values(ThicknessRow{"A", ThicknessUnit::Nm, 10},
                                           ThicknessRow{"\u00c5", ThicknessUnit::Nm, 10},
                                           ThicknessRow{"\u212b", ThicknessUnit::Nm, 10},
                                           ThicknessRow{"nm", ThicknessUnit::Nm, 1},
                                           ThicknessRow{"um", ThicknessUnit::Um, 1},
                                           ThicknessRow{"\u00b5m", ThicknessUnit::Um, 1},
                                           ThicknessRow{"\u03bcm", ThicknessUnit::Um, 1},
                                           ThicknessRow{"mm", ThicknessUnit::Mm, 1},
                                           ThicknessRow{"cm", ThicknessUnit::Mm, 0.1},
                                           ThicknessRow{"g/cm2", ThicknessUnit::MgCm2, 1e-3},
                                           ThicknessRow{"mg/cm2", ThicknessUnit::MgCm2, 1},
                                           ThicknessRow{"ug/cm2", ThicknessUnit::UgCm2, 1},
                                           ThicknessRow{"\u00b5g/cm2", ThicknessUnit::UgCm2, 1},
                                           ThicknessRow{"e15/cm2", ThicknessUnit::E15, 1}));

struct StopRow {
    const char* text;
    const char* slug;
    StopUnit base;
    double perBase;
};

class StopUnits : public ::testing::TestWithParam<StopRow> {};

TEST_P(StopUnits, ScaleTheBaseUnit) {
    const StopRow& r = GetParam();
    TypedStopUnit unit;
    ASSERT_TRUE(TypedStopUnitOf(r.text, &unit)) << r.text;
    EXPECT_EQ(unit.base, r.base);
    EXPECT_EQ(unit.perBase, r.perBase);
    EXPECT_STREQ(TypedStopUnitSlug(r.text), r.slug);
    const Target si = test::MakeIonTarget("He", "Si");
    EXPECT_DOUBLE_EQ(StopIn(si, 50, unit), StopIn(si, 50, r.base) * r.perBase);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StopUnits,
    ::testing::Values(StopRow{"eV/(1e15 atoms/cm2)", "eV_e15", StopUnit::EvE15, 1},
                      StopRow{"keV/(mg/cm2)", "keV_mg_cm2", StopUnit::KevMgCm2, 1},
                      StopRow{"MeV/(mg/cm2)", "MeV_mg_cm2", StopUnit::KevMgCm2, 1e-3},
                      StopRow{"MeV cm2/g", "MeV_cm2_g", StopUnit::KevMgCm2, 1},
                      StopRow{"eV/A", "eV_A", StopUnit::EvAngstrom, 1},
                      StopRow{"keV/um", "keV_um", StopUnit::KevUm, 1},
                      StopRow{"keV/nm", "keV_nm", StopUnit::KevUm, 1e-3}));

TEST(TypedUnits, TextsThatNameNoUnit) {
    std::string_view number;
    EnergyUnit e = EnergyUnit::Kev;
    TypedThicknessUnit t;
    TypedStopUnit s;
    for (const char* text : {"", "5", "5kev", "5keV/n", "keV ", "5eV/u"}) {
        EXPECT_FALSE(SplitEnergyUnit(text, &number, &e)) << text;
        EXPECT_EQ(number, text);
    }
    for (const char* text : {"", "5", "5UM", "5m", "5in", "5mg/cm3", "5\xc2"})
        EXPECT_FALSE(SplitThicknessUnit(text, &number, &t)) << text;
    for (const char* text : {"MeV/mg/cm2", "MeV cm2 / g", "kev/nm", ""})
        EXPECT_FALSE(TypedStopUnitOf(text, &s)) << text;
    // Only the end is matched: what stands before the unit is the number reader's to refuse.
    ASSERT_TRUE(SplitEnergyUnit("5TeV", &number, &e));
    EXPECT_EQ(number, "5T");
    // The longest spelling wins: mg/cm2 rather than g/cm2, keV rather than eV.
    ASSERT_TRUE(SplitThicknessUnit("3mg/cm2", &number, &t));
    EXPECT_EQ(number, "3");
    EXPECT_EQ(t.perBase, 1);
    ASSERT_TRUE(SplitEnergyUnit("3keV", &number, &e));
    EXPECT_EQ(e, EnergyUnit::Kev);
}

}  // namespace
}  // namespace fenra
