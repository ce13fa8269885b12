// fenra32-calc implant: the ion paths through a stack from the command line.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "batch/BatchCalculator.h"
#include "batch/ImplantCommand.h"
#include "support/BatchRun.h"

namespace fenra {
namespace {

std::string Line(const std::string& text, const std::string& key) {
    const std::size_t at = text.find("\n" + key + ": ");
    if (at == std::string::npos) return "";
    const std::size_t start = at + key.size() + 3;
    return text.substr(start, text.find('\n', start) - start);
}

TEST(ImplantCommand, PrintsTheSummaryThenTheDepthHistogram) {
    const Outcome o = CalcOnTestDatabase(
        {"implant", "B", "30keV", "Si:500nm", "--ions", "300", "--bins", "8", "--threads", "2"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out.rfind("ion: B 11.009 amu, 30 keV, 0 deg from the normal\n", 0), 0u);
    EXPECT_EQ(Line(o.out, "layers"), "Si 500 nm");
    EXPECT_EQ(Line(o.out, "ions"), "300 of 300, seed 1, cut-off 10 eV, stopping model classic");
    EXPECT_EQ(Line(o.out, "recoils"),
              "not followed: their energy counts as nuclear energy where they were struck");
    EXPECT_NE(Line(o.out, "projected range").find(" +- "), std::string::npos);
    EXPECT_NE(Line(o.out, "stopped in layer 1 (Si)"), "");
    const std::size_t table = o.out.find("\n\ndepth_from_nm  depth_to_nm  stopped_ions");
    ASSERT_NE(table, std::string::npos);
    int rows = 0;
    for (std::size_t k = table + 2; k < o.out.size(); ++k) rows += o.out[k] == '\n';
    EXPECT_EQ(rows, 9);  // header and 8 bins
}

TEST(ImplantCommand, SameSeedSameOutputAnyThreads) {
    const std::vector<std::string> run = {"implant", "P",   "40keV",  "Al:20nm", "Si:1um",
                                          "--ions",  "300", "--seed", "11"};
    std::vector<std::string> one = run, four = run;
    one.insert(one.end(), {"--threads", "1"});
    four.insert(four.end(), {"--threads", "4"});
    const Outcome a = CalcOnTestDatabase(one), b = CalcOnTestDatabase(four);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    std::vector<std::string> other = one;
    other[8] = "12";
    EXPECT_NE(CalcOnTestDatabase(other).out, a.out);
}

TEST(ImplantCommand, CsvPutsTheSummaryInCommentsAndWritesEveryHistogram) {
    const std::string prefix = testing::TempDir() + "implant_cli";
    const Outcome o = CalcOnTestDatabase({"implant", "H", "300keV", "Si:1um", "--ions", "200",
                                          "--bins", "4", "--csv", "--out-prefix", prefix});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.rfind("# ion: H ", 0), 0u);
    EXPECT_NE(o.out.find("\ndepth_from_nm,depth_to_nm,stopped_ions,stopped_per_nm_per_ion,"
                         "electronic_eV_nm,nuclear_eV_nm,displacements_per_nm,stopped_ions_error,"
                         "electronic_eV_nm_error,nuclear_eV_nm_error,displacements_per_nm_error"
                         "\r\n0,250,"),
              std::string::npos);
    EXPECT_NE(Line(o.out, "# transmitted"), "");
    for (const char* name : {"depth", "backscattered_energy", "backscattered_angle",
                             "transmitted_energy", "transmitted_angle"}) {
        const std::string path = prefix + "_" + name + ".csv";
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first.back(), '\r') << path;
        std::remove(path.c_str());
    }
}

struct Refusal {
    std::vector<std::string> args;
    int status;
    const char* message;
};

class ImplantRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(ImplantRefusals, SayWhatIsWrong) {
    const Refusal r = GetParam();
    std::vector<std::string> args = {"implant"};
    args.insert(args.end(), r.args.begin(), r.args.end());
    const Outcome o = CalcOnTestDatabase(args);
    EXPECT_EQ(o.status, r.status);
    EXPECT_EQ(o.err, std::string("fenra32-calc: ") + r.message + "\n");
    EXPECT_EQ(o.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImplantRefusals,
    ::testing::Values(
        Refusal{{"B", "50keV"}, 2, "implant needs ION ENERGY MATERIAL:THICKNESS..."},
        Refusal{{"B", "50keV", "Si"}, 2, "LAYER \"Si\" is not MATERIAL:THICKNESS"},
        Refusal{{"B", "50keV", "SiO2:1um"},
                2,
                "MATERIAL \"SiO2\" has no density; give one with --density"},
        Refusal{
            {"Xx", "50keV", "Si:1um"}, 2, "ION \"Xx\": the ion \"Xx\" is not in the element table"},
        Refusal{{"B", "50keV", "Qq:1um"},
                2,
                "MATERIAL \"Qq\": the formula \"Qq\" has the unknown element symbol \"Qq\" at "
                "character 1"},
        Refusal{{"B", "50keV", "Si:1um", "--density", "1e9"},
                2,
                "--density \"1e9\" is above 1000 g/cm3, denser than any solid"},
        Refusal{{"B", "50keV", "Si:1um", "--mass", "1e9"},
                2,
                "--mass \"1e9\" is above 1000 amu, heavier than any nucleus"},
        Refusal{{"B", "50keV", "Si:1um", "--db", "/nonexistent/x.mdb"},
                1,
                "Element database \"/nonexistent/x.mdb\" not found (--db)."},
        Refusal{{"B", "50keV", "Si:1um", "--model", "bethe"},
                2,
                "unknown model \"bethe\" (choose classic or modern)"},
        Refusal{{"B", "50keV", "Si:1um", "--ions", "0"},
                2,
                "option --ions needs a whole number from 1 to 1000000000000, not \"0\""},
        Refusal{{"B", "50keV", "Si:1um", "--ions", "1\n2"},
                2,
                "option --ions needs a whole number from 1 to 1000000000000, not \"1\\x0a2\""},
        Refusal{{"B", "50keV", "Si:1um", "--angle", "1\t"},
                2,
                "option --angle needs a number from 0 to 89.9, not \"1\\t\""},
        Refusal{{"B", "50keV", "Si:1um", "--threads", "-2"},
                2,
                "option --threads needs a whole number from 1 to 1024, not \"-2\""},
        Refusal{{"B", "50keV", "Si:1um", "--angle", "90"},
                2,
                "option --angle needs a number from 0 to 89.9, not \"90\""},
        Refusal{{"B", "50keV", "Si:1um", "--cutoff", "nan"},
                2,
                "option --cutoff needs a number from 0.1 to 1000000, not \"nan\""},
        Refusal{{"B", "50keV", "Si:1um", "--bins"}, 2, "option --bins needs a value"},
        Refusal{{"B", "0.005keV", "Si:1um"}, 2, "ENERGY must lie above the cut-off"},
        Refusal{{"B", "50keV", "Si:1um", "--fast"}, 2, "unknown option --fast"},
        Refusal{{"B", "50keV", "Si:1um", "Si:1um", "Si:1um", "Si:1um", "Si:1um", "Si:1um", "Si:1um",
                 "Si:1um", "Si:1um", "Si:1um", "Si:1um"},
                2,
                "implant takes at most 10 layers"}));

// The number before " +- " of a summary value ("4.2 +- 0.05 keV").
double Leading(const std::string& value) {
    return std::stod(value.substr(0, value.find(' ')));
}

// Behind 1 um of silicon the energies of 2 MeV protons spread by about 4.3 keV from the
// electrons' straggling (Bohr), and by some tens of eV from the collisions and the paths'
// detours alone; --no-straggling leaves only the latter, and without it the run is the default
// one to the byte.
TEST(ImplantCommand, NoStragglingLeavesTheSpreadOfTheCollisions) {
    const std::vector<std::string> run = {"implant", "H",   "2MeV",   "Si:1um",
                                          "--ions",  "400", "--bins", "4"};
    std::vector<std::string> off = run, on = run;
    off.push_back("--no-straggling");
    on.insert(on.end(), {"--seed", "1"});
    const Outcome a = CalcOnTestDatabase(run), b = CalcOnTestDatabase(off),
                  c = CalcOnTestDatabase(on);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, c.out);
    EXPECT_EQ(Line(a.out, "ions"), "400 of 400, seed 1, cut-off 10 eV, stopping model classic");
    EXPECT_EQ(Line(b.out, "ions"),
              "400 of 400, seed 1, cut-off 10 eV, stopping model classic, electronic "
              "straggling off");
    const double with = Leading(Line(a.out, "transmitted energy spread"));
    const double without = Leading(Line(b.out, "transmitted energy spread"));
    EXPECT_GT(with, 3.6);
    EXPECT_LT(with, 4.9);
    EXPECT_GT(without, 0);
    EXPECT_LT(without, 0.1);
    // The mean energy behind the layer is the stopping's either way.
    EXPECT_NEAR(Leading(Line(b.out, "transmitted energy")),
                Leading(Line(a.out, "transmitted energy")), 1.0);
}

TEST(ImplantCommand, UnwritableOutPrefixFailsAfterPrinting) {
    const Outcome o = CalcOnTestDatabase({"implant", "B", "30keV", "Si:500nm", "--ions", "10",
                                          "--out-prefix", "/nonexistent-folder/x"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("projected range"), std::string::npos);
    EXPECT_EQ(o.err.rfind("fenra32-calc: ", 0), 0u);
    EXPECT_NE(o.err.find("/nonexistent-folder/x_depth.csv"), std::string::npos) << o.err;
}

TEST(ImplantCommand, IsFoundAmongTheOptions) {
    EXPECT_TRUE(IsImplantCommand({"--ions", "5", "implant", "B"}));
    EXPECT_TRUE(IsImplantCommand({"--db", "x", "implant"}));
    EXPECT_FALSE(IsImplantCommand({"implant", "--help"}));
    EXPECT_FALSE(IsImplantCommand({"layers", "B"}));
    const Outcome help = CalcOnTestDatabase({"--help"});
    EXPECT_NE(help.out.find("fenra32-calc [OPTIONS] implant ION ENERGY MATERIAL:THICKNESS..."),
              std::string::npos);
    EXPECT_NE(help.out.find("  --no-straggling   each flight loses exactly the mean electronic "
                            "energy (no\n"),
              std::string::npos);
    EXPECT_TRUE(IsImplantCommand({"--no-straggling", "implant", "B"}));
}

}  // namespace
}  // namespace fenra
