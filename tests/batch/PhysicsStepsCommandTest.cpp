// fenra32-calc's physics commands with particle names, typed units, energy steps
// (--from/--to/--steps/--linear), --stopping-unit and the two depths of a stop in `layers`.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/BatchRun.h"

namespace fenra {
namespace {

std::vector<std::string> CsvLines(const std::vector<std::string>& args) {
    std::vector<std::string> all = args;
    all.push_back("--csv");
    const Outcome o = CalcOnTestDatabase(all);
    EXPECT_EQ(o.status, 0) << o.err;
    std::vector<std::string> lines;
    std::istringstream in(o.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The first cell of each data line.
std::vector<double> FirstColumn(const std::vector<std::string>& lines) {
    std::vector<double> v;
    for (std::size_t k = 1; k < lines.size(); ++k) v.push_back(std::stod(lines[k]));
    return v;
}

// Each row: the same table two ways.
struct SameTable {
    std::vector<std::string> a, b;
};

class PhysicsSameTable : public ::testing::TestWithParam<SameTable> {};

TEST_P(PhysicsSameTable, AsTheSpellingItStandsFor) {
    EXPECT_EQ(CsvLines(GetParam().a), CsvLines(GetParam().b));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PhysicsSameTable,
    ::testing::Values(
        SameTable{{"stopping", "alpha", "Si", "5MeV"},
                  {"stopping", "He", "Si", "5MeV", "--mass", "4.0026032497"}},
        SameTable{{"range", "p", "Si", "1MeV"},
                  {"range", "H", "Si", "1000", "--mass", "1.0078250321"}},
        SameTable{{"range", "238U", "Si", "1GeV"},
                  {"range", "U", "Si", "1000000", "--mass", "238.0507826"}},
        SameTable{{"stopping", "d", "Si", "2000000eV", "0.5MeV/u"},
                  {"stopping", "deuteron", "Si", "2MeV", "1.007050889MeV"}},
        SameTable{{"stopping", "H", "Si", "1GeV/u", "0.002GeV"},
                  {"stopping", "H", "Si", "1007.8MeV", "2MeV"}},
        SameTable{{"energy-for-range", "H", "Si", "10000A", "0.1cm", "0.5g/cm2"},
                  {"energy-for-range", "H", "Si", "1um", "1mm", "500mg/cm2"}},
        SameTable{{"energy-for-range", "H", "Si", "10\u00b5m", "20\u00b5g/cm2", "30\u00c5"},
                  {"energy-for-range", "H", "Si", "10um", "20ug/cm2", "3nm"}},
        SameTable{{"range", "H", "Si", "--from", "10keV", "--to", "1MeV", "--steps", "2"},
                  {"range", "H", "Si", "10", "100", "1000"}},
        SameTable{
            {"stopping", "H", "Si", "--from", "1MeV", "--to", "3MeV", "--steps", "2", "--linear"},
            {"stopping", "H", "Si", "1000", "2000", "3000"}},
        SameTable{{"range", "H", "Si", "5", "--from", "3MeV", "--to", "1MeV", "--steps", "1"},
                  {"range", "H", "Si", "5", "3000", "1000"}}));

TEST(PhysicsSteps, LogarithmicStepsAreEqualInTheLogarithmAndEndExactly) {
    const std::vector<double> e = FirstColumn(
        CsvLines({"range", "He", "Si", "--from", "1keV", "--to", "10GeV", "--steps", "7"}));
    ASSERT_EQ(e.size(), 8u);
    for (std::size_t k = 0; k < e.size(); ++k)
        EXPECT_NEAR(e[k], std::pow(10.0, static_cast<double>(k)), 1e-8 * e[k]) << k;
    EXPECT_EQ(e.back(), 1e7);
}

TEST(PhysicsSteps, StoppingUnitGivesOneUnitPerColumn) {
    const std::vector<std::string> mev =
        CsvLines({"stopping", "H", "Si", "1MeV", "--stopping-unit", "MeV cm2/g"});
    const std::vector<std::string> kev = CsvLines({"stopping", "H", "Si", "1MeV"});
    ASSERT_EQ(mev.size(), 2u);
    EXPECT_EQ(mev[0],
              "energy_keV,energy_keV_u,electronic_MeV_cm2_g,nuclear_MeV_cm2_g,"
              "total_MeV_cm2_g");
    // 1 keV/(mg/cm2) is 1 MeV cm2/g: the electronic columns agree digit for digit.
    std::vector<std::string> a, b;
    for (auto [line, cells] : {std::pair{mev[1], &a}, std::pair{kev[1], &b}}) {
        std::istringstream in(line);
        for (std::string cell; std::getline(in, cell, ',');) cells->push_back(cell);
    }
    EXPECT_EQ(a[2], b[5]);
    EXPECT_EQ(CsvLines({"stopping", "H", "Si", "1MeV", "--stopping-unit", "keV/nm"})[0],
              "energy_keV,energy_keV_u,electronic_keV_nm,nuclear_keV_nm,total_keV_nm");
    EXPECT_EQ(CsvLines({"stopping", "H", "Si", "1MeV", "--stopping-unit", "MeV/(mg/cm2)"})[0],
              "energy_keV,energy_keV_u,electronic_MeV_mg_cm2,nuclear_MeV_mg_cm2,"
              "total_MeV_mg_cm2");
}

TEST(PhysicsSteps, LayersGiveTheStopDepthInTheLayerAndFromTheFront) {
    const std::vector<std::string> lines =
        CsvLines({"layers", "He", "5MeV", "Si:100e15/cm2", "mylar:50000e15/cm2", "Si:1mm"});
    ASSERT_EQ(lines.size(), 4u);
    std::vector<std::string> cells;
    std::istringstream in(lines[3]);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    const double inLayer = std::stod(cells[6]), fromFront = std::stod(cells[7]);
    EXPECT_GT(inLayer, 0);
    EXPECT_NEAR(fromFront, 50100 + inLayer, 1e-8 * fromFront);
    EXPECT_EQ(lines[1].substr(lines[1].find(",,"), 3), ",,,");  // passed: both empty
}

TEST(PhysicsSteps, BadInputNamesTheArgumentAndExits2) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string onlySteps = "--from, --to and --steps go together: give all three";
    const Case cases[] = {
        {{"range", "H", "Si", "--from", "1"}, onlySteps},
        {{"range", "H", "Si", "--from", "1", "--to", "2"}, onlySteps},
        {{"range", "H", "Si", "--steps", "3"}, onlySteps},
        {{"range", "H", "Si", "1", "--linear"}, "--linear needs --from, --to and --steps"},
        {{"layers", "H", "1MeV", "Si:1um", "--from", "1", "--to", "2", "--steps", "2"},
         "--from, --to and --steps are for the stopping and range commands"},
        {{"range", "H", "Si", "--from", "1", "--to", "2", "--steps", "0"},
         "--steps \"0\" is not a whole number from 1 to 100000"},
        {{"range", "H", "Si", "--from", "1", "--to", "2", "--steps", "100001"},
         "--steps \"100001\" is not a whole number from 1 to 100000"},
        {{"range", "H", "Si", "--from", "1", "--to", "2", "--steps", "2.5"},
         "--steps \"2.5\" is not a whole number from 1 to 100000"},
        {{"range", "H", "Si", "--from", "1", "--to", "2", "--steps", "99999999999999999999"},
         "--steps \"99999999999999999999\" is not a whole number from 1 to 100000"},
        {{"range", "H", "Si", "--from", "0", "--to", "2", "--steps", "2"},
         "--from and --to must be above 0 for logarithmic steps (or give --linear)"},
        {{"range", "H", "Si", "--from", "x", "--to", "2", "--steps", "2"},
         "--from \"x\" is not a number with a unit"},
        {{"range", "H", "Si", "--from", "1", "--to", "-2MeV", "--steps", "2", "--linear"},
         "--to \"-2MeV\" is negative"},
        {{"range", "H", "Si", "--from", "1"}, onlySteps},
        {{"range", "H", "Si", "1", "--stopping-unit", "keV/um"},
         "--stopping-unit is for the stopping command"},
        {{"stopping", "H", "Si", "1", "--stopping-unit", "MeV/mg/cm2"},
         "--stopping-unit \"MeV/mg/cm2\" is not one of eV/(1e15 atoms/cm2), keV/(mg/cm2), "
         "MeV/(mg/cm2), MeV cm2/g, eV/A, keV/um or keV/nm"},
        {{"stopping", "H", "Si", "1", "--stopping-unit"}, "option --stopping-unit needs a value"},
        {{"range", "H", "Si", "5 MeV"}, "ENERGY \"5 MeV\" is not a number with a unit"},
        {{"range", "H", "Si", "5MeV/n"}, "ENERGY \"5MeV/n\" is not a number with a unit"},
        {{"range", "H", "Si", "1e400GeV"},
         "ENERGY \"1e400GeV\" overflows: it is beyond the numbers the program holds (1.8e308)"},
        {{"range", "H", "Si", "1e305GeV/u"},
         "ENERGY \"1e305GeV/u\" overflows: it is beyond 1.8e308 keV"},
        {{"energy-for-range", "H", "Si", "5in"}, "RANGE \"5in\" is not a number with a unit"},
        {{"energy-for-range", "H", "Si", "-1A"}, "RANGE \"-1A\" is negative"},
        {{"range", "300U", "Si", "1"},
         "ION \"300U\": the isotope \"300U\" has no measured mass in the isotope table (U: mass "
         "numbers 219 to 240)"},
        {{"range", "Proton", "Si", "1"},
         "ION \"Proton\": the ion \"Proton\" is not in the element table"},
    };
    for (const Case& c : cases) {
        const Outcome o = CalcOnTestDatabase(c.args);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_EQ(o.err, "fenra32-calc: " + c.message + "\n");
        EXPECT_EQ(o.out, "");
    }
}

TEST(PhysicsSteps, HelpNamesWhatTheCommandsTake) {
    const Outcome o = Calc({"--help"});
    ASSERT_EQ(o.status, 0);
    for (const char* words :
         {"--from E1 --to E2 --steps N [--linear]", "  --linear         equal steps",
          "  --stopping-unit UNIT\n", "'MeV cm2/g'", "stop_depth_in_layer_e15",
          "stop_depth_from_front_e15", "(p, d, t, helion, alpha; proton,", "(12C, 238U)",
          "eV, keV (default), MeV, GeV, keV/u, MeV/u or GeV/u", "A (or \u00c5), nm",
          "ug/cm2 (or \u00b5g/cm2), mg/cm2, g/cm2 or e15/cm2"})
        EXPECT_NE(o.out.find(words), std::string::npos) << words;
}

}  // namespace
}  // namespace fenra
