// fenra32-calc implant --displacement: the displacement energy of the Kinchin-Pease count, for
// every element or per element, and the means per ion with their standard errors.

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "batch/ImplantLayers.h"
#include "support/BatchRun.h"

namespace fenra {
namespace {

// The value of the summary line that starts with `key` (up to its ": ").
std::string Value(const std::string& text, const std::string& key) {
    const std::size_t at = text.find("\n" + key);
    if (at == std::string::npos) return "";
    const std::size_t start = text.find(": ", at) + 2;
    return text.substr(start, text.find('\n', start) - start);
}

double Leading(const std::string& value) {
    return value.empty() ? -1 : std::stod(value.substr(0, value.find(' ')));
}

double ErrorOf(const std::string& value) {
    const std::size_t at = value.find(" +- ");
    return at == std::string::npos ? -1 : std::stod(value.substr(at + 4));
}

const std::vector<std::string> kSilica = {"implant", "B",      "20keV", "SiO2:100nm", "--density",
                                          "2.2",     "--ions", "300",   "--bins",     "4"};

Outcome RunSilica(std::vector<std::string> extra) {
    std::vector<std::string> args = kSilica;
    args.insert(args.end(), extra.begin(), extra.end());
    return CalcOnTestDatabase(args);
}

struct EdCase {
    std::vector<std::string> option;
    const char* key;  // the summary's key of the displacements
    int order;        // -1: fewer displacements than with 25 eV, 0: the same, 1: more
};

class DisplacementEnergy : public ::testing::TestWithParam<EdCase> {};

TEST_P(DisplacementEnergy, NamesItsEnergiesAndCountsWithThem) {
    const EdCase c = GetParam();
    const Outcome base = RunSilica({}), o = RunSilica(c.option);
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string value = Value(o.out, c.key);
    ASSERT_NE(value, "") << o.out;
    const double n = Leading(value), n25 = Leading(Value(base.out, "displacements per ion"));
    EXPECT_GT(ErrorOf(value), 0);
    EXPECT_LT(ErrorOf(value), 0.1 * n);
    if (c.order == 0) {
        EXPECT_EQ(o.out, base.out);
    } else if (c.order < 0) {
        EXPECT_LT(n, n25);
    } else {
        EXPECT_GT(n, n25);
    }
    // The energies deposited do not depend on the count.
    EXPECT_EQ(Value(o.out, "energy per ion to nuclei"),
              Value(base.out, "energy per ion to nuclei"));
}

INSTANTIATE_TEST_SUITE_P(
    Silica, DisplacementEnergy,
    ::testing::Values(
        EdCase{{}, "displacements per ion (Kinchin-Pease, Ed 25 eV)", 0},
        EdCase{{"--displacement", "25"}, "displacements per ion (Kinchin-Pease, Ed 25 eV)", 0},
        EdCase{
            {"--displacement", "O=25,Si=25"}, "displacements per ion (Kinchin-Pease, Ed 25 eV)", 0},
        EdCase{{"--displacement", "50"}, "displacements per ion (Kinchin-Pease, Ed 50 eV)", -1},
        EdCase{{"--displacement", "12.5"}, "displacements per ion (Kinchin-Pease, Ed 12.5 eV)", 1},
        // Per element: listed in the order the layer holds them, whatever the option's order.
        EdCase{{"--displacement", "O=28,Si=15"},
               "displacements per ion (Kinchin-Pease, Ed Si 15 eV, O 28 eV)",
               1},
        // A later value for one element counts; the number sets the others.
        EdCase{{"--displacement", "Si=90", "--displacement", "40", "--displacement", "Si=60"},
               "displacements per ion (Kinchin-Pease, Ed Si 60 eV, O 40 eV)",
               -1}));

struct EdRefusal {
    std::string value;
    const char* message;
};

class DisplacementRefusal : public ::testing::TestWithParam<EdRefusal> {};

TEST_P(DisplacementRefusal, SaysWhatIsWrong) {
    const Outcome o = RunSilica({"--displacement", GetParam().value});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, std::string("fenra32-calc: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, DisplacementRefusal,
    ::testing::Values(
        EdRefusal{"0.5", "the displacement energy \"0.5\" is not a number of eV from 1 to 1000"},
        EdRefusal{"1001", "the displacement energy \"1001\" is not a number of eV from 1 to 1000"},
        EdRefusal{"nan", "the displacement energy \"nan\" is not a number of eV from 1 to 1000"},
        EdRefusal{"25eV", "the displacement energy \"25eV\" is not a number of eV from 1 to 1000"},
        EdRefusal{"", "the displacement energy \"\" is not a number of eV from 1 to 1000"},
        EdRefusal{"Si=", "the displacement energy \"\" is not a number of eV from 1 to 1000"},
        EdRefusal{"=20", "the displacement energy \"=20\" is not a number of eV from 1 to 1000"},
        EdRefusal{"Si=20,", "the displacement energy \"\" is not a number of eV from 1 to 1000"},
        EdRefusal{"Si=20,O", "the displacement energy \"O\" is not a number of eV from 1 to 1000"},
        EdRefusal{"Si=1\n5",
                  "the displacement energy \"1\\x0a5\" is not a number of eV from 1 to 1000"},
        EdRefusal{"Ge=15", "a displacement energy is given for \"Ge\", an element of no layer"},
        EdRefusal{"si=15", "a displacement energy is given for \"si\", an element of no layer"}));

// Each mean per ion has a standard error from the spread of the single ions: four times the
// ions, half the error.
// The ion paths window reads the same text under the user's locale, which Qt sets: a German
// one must not stop the number at its '.'.
TEST(DisplacementText, IsReadInCNotationWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale here";
    DisplacementEnergies d;
    ReadDisplacementEnergies(d, "Si=15.5,O=28.25");
    EXPECT_EQ(DisplacementEnergyOf("27.5"), 27.5);
    EXPECT_THROW(DisplacementEnergyOf("27,5"), PhysicsError);
    EXPECT_THROW(DisplacementEnergyOf(" 27"), PhysicsError);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(d.bySymbol.size(), 2u);
    EXPECT_EQ(d.bySymbol[0].second, 15.5);
    EXPECT_EQ(d.bySymbol[1].second, 28.25);
}

TEST(ImplantMeansPerIon, HaveErrorsThatFallAsTheRootOfTheIons) {
    const Outcome a = CalcOnTestDatabase({"implant", "B", "20keV", "Si:1um", "--ions", "400"});
    const Outcome b = CalcOnTestDatabase({"implant", "B", "20keV", "Si:1um", "--ions", "1600"});
    for (const char* key : {"energy per ion to electrons", "energy per ion to nuclei",
                            "displacements per ion", "collisions per ion"}) {
        const double ea = ErrorOf(Value(a.out, key)), eb = ErrorOf(Value(b.out, key));
        EXPECT_GT(eb, 0) << key;
        EXPECT_NEAR(ea / eb, 2, 0.4) << key << ": " << ea << " " << eb;
        EXPECT_NEAR(Leading(Value(a.out, key)), Leading(Value(b.out, key)), 4 * ea) << key;
    }
}

}  // namespace
}  // namespace fenra
