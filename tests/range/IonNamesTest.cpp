// Ions by particle name and by isotope: element, mass and the words of a refusal.

#include <gtest/gtest.h>

#include "range/IonNames.h"
#include "range/RangeTestSupport.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

struct NamedIon {
    const char* text;
    int Z;
    const char* symbol;
    double mass;  // amu, data/isotope_masses.csv
};

class IonNames : public ::testing::TestWithParam<NamedIon> {};

TEST_P(IonNames, ResolveToTheElementAndTheIsotopesMass) {
    const NamedIon& c = GetParam();
    const Ion ion = ResolveIon(test::Db(), c.text);
    EXPECT_EQ(ion.Z, c.Z);
    EXPECT_EQ(ion.symbol, c.symbol);
    EXPECT_EQ(ion.mass, c.mass);
    EXPECT_EQ(ion.shownMass, ShownMass(static_cast<float>(c.mass)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IonNames,
    ::testing::Values(
        NamedIon{"p", 1, "H", 1.0078250321}, NamedIon{"proton", 1, "H", 1.0078250321},
        NamedIon{"d", 1, "H", 2.0141017780}, NamedIon{"deuteron", 1, "H", 2.014101778},
        NamedIon{"t", 1, "H", 3.0160492675}, NamedIon{"triton", 1, "H", 3.0160492675},
        NamedIon{"helion", 2, "He", 3.0160293097}, NamedIon{"alpha", 2, "He", 4.0026032497},
        NamedIon{"12C", 6, "C", 12}, NamedIon{"13C", 6, "C", 13.0033548378},
        NamedIon{"238U", 92, "U", 238.0507826}, NamedIon{"235U", 92, "U", 235.0439231},
        // The element names keep their most abundant isotope as the window shows it;
        // "P" is phosphorus, "p" the proton.
        NamedIon{"H", 1, "H", 1.0078}, NamedIon{"P", 15, "P", 30.974},
        NamedIon{"1", 1, "H", 1.0078}));

TEST(IonNames, AGivenMassTakesPrecedence) {
    EXPECT_EQ(ResolveIon(test::Db(), "alpha", 4.5).mass, 4.5);
    EXPECT_EQ(ResolveIon(test::Db(), "238U", 238).mass, 238);
}

TEST(IonNames, RefusalsSayWhatIsUnknown) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"300U",
         "the isotope \"300U\" has no measured mass in the isotope table (U: mass numbers 219 to "
         "240)"},
        {"2C",
         "the isotope \"2C\" has no measured mass in the isotope table (C: mass numbers 8 to "
         "20)"},
        {"12Xx", "the ion \"12Xx\" is not in the element table"},
        {"0C", "the ion \"0C\" is not in the element table"},
        {"1000U", "the ion \"1000U\" is not in the element table"},
        {"12 C", "the ion \"12 C\" is not in the element table"},
        {"C12", "the ion \"C12\" is not in the element table"},
        {"Alpha", "the ion \"Alpha\" is not in the element table"},
    };
    for (const Case& c : cases) {
        try {
            ResolveIon(test::Db(), c.text);
            ADD_FAILURE() << c.text;
        } catch (const PhysicsError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_EQ(e.Kind(), ErrorKind::UnknownName) << c.text;
        }
    }
}

TEST(IonNames, TheTableHoldsTheIsotopesInOrder) {
    EXPECT_EQ(IsotopeMass(6, 12), 12.0);
    EXPECT_FALSE(IsotopeMass(6, 7));
    EXPECT_FALSE(IsotopeMass(93, 237));
    EXPECT_FALSE(IsotopeMass(0, 1));
    const MassNumberRange u = MassNumbersOf(92);
    EXPECT_EQ(u.lowest, 219);
    EXPECT_EQ(u.highest, 240);
    for (int Z = 1; Z <= 92; ++Z) EXPECT_GT(MassNumbersOf(Z).lowest, 0) << Z;
    int A = 0;
    std::string_view symbol;
    EXPECT_TRUE(SplitMassNumber("238U", &A, &symbol));
    EXPECT_EQ(A, 238);
    EXPECT_EQ(symbol, "U");
    EXPECT_FALSE(SplitMassNumber("", &A, &symbol));
    EXPECT_FALSE(SplitMassNumber("U", &A, &symbol));
    EXPECT_FALSE(SplitMassNumber("238", &A, &symbol));
    EXPECT_FALSE(SplitMassNumber("99999999999U", &A, &symbol));
}

}  // namespace
}  // namespace fenra
