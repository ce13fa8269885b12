// The physics commands on hostile command lines: the exit status --help promises (2 for a wrong
// command line only, 1 for a file or a calculation), and messages that name the argument.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/BatchCalculator.h"
#include "support/BatchRun.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err;  // the whole standard error
};

class HostileArguments : public ::testing::TestWithParam<Case> {};

TEST_P(HostileArguments, EndWithTheirStatusAndMessage) {
    const Outcome o = CalcOnTestDatabase(GetParam().args);
    EXPECT_EQ(o.status, GetParam().status);
    EXPECT_EQ(o.err, GetParam().err);
}

const std::string kBeyondReach =
    ": the range is beyond the model's reach: the highest energy it holds, 3.39942064e+38 keV, "
    "has a range of ";

INSTANTIATE_TEST_SUITE_P(
    PhysicsCommands, HostileArguments,
    ::testing::Values(
        Case{"EnergyOverflowsAfterItsUnit",
             {"range", "H", "Si", "1e308MeV"},
             2,
             "fenra32-calc: ENERGY \"1e308MeV\" overflows: it is beyond 1.8e308 keV\n"},
        Case{"EnergyOverflowsAsANumber",
             {"range", "H", "Si", "1e400"},
             2,
             "fenra32-calc: ENERGY \"1e400\" overflows: it is beyond the numbers the program "
             "holds (1.8e308)\n"},
        Case{"EnergyUnderflows",
             {"stopping", "H", "Si", "1e-400keV"},
             2,
             "fenra32-calc: ENERGY \"1e-400keV\" underflows: it is nearer 0 than the numbers "
             "the program holds (2.2e-308)\n"},
        Case{"ThicknessOverflowsAfterItsUnit",
             {"layers", "H", "5MeV", "Si:1e306mm"},
             2,
             "fenra32-calc: THICKNESS \"1e306mm\" overflows: it is beyond 1.8e308 "
             "1E15 atoms/cm2\n"},
        Case{"MassBeyondAnyNucleus",
             {"range", "H", "Si", "5MeV", "--mass", "1e300"},
             2,
             "fenra32-calc: --mass \"1e300\" is above 1000 amu, heavier than any nucleus\n"},
        Case{"MassOverflows",
             {"range", "H", "Si", "5MeV", "--mass", "1e999"},
             2,
             "fenra32-calc: --mass \"1e999\" overflows: it is beyond the numbers the program "
             "holds (1.8e308)\n"},
        Case{"DensityBeyondAnySolid",
             {"range", "H", "Si", "5MeV", "--density", "1e300"},
             2,
             "fenra32-calc: --density \"1e300\" is above 1000 g/cm3, denser than any solid\n"},
        Case{"RatioOverflowsASingle",
             {"range", "H", "H1000000000000000000000000000000000000000O", "5MeV"},
             2,
             "fenra32-calc: the ratio 1e+39 of \"H\" in "
             "\"H1000000000000000000000000000000000000000O\" overflows a single-precision "
             "number (1.2e-38 to 3.4e38)\n"},
        Case{"NonAsciiFormula",
             {"stopping", "H", "Si\u2082", "5MeV"},
             2,
             "fenra32-calc: MATERIAL \"Si\u2082\": the formula \"Si\u2082\" has '\u2082' where "
             "an element symbol or '(' must stand at character 3\n"},
        Case{"RangeBeyondTheModel",
             {"energy-for-range", "H", "Si", "1e300e15/cm2"},
             1,
             "fenra32-calc: RANGE 1e300e15/cm2" + kBeyondReach +
                 "5.67786003e+41 (1E15 atoms/cm2)\n"},
        Case{"RangeBeyondTheClassicModel",
             {"energy-for-range", "H", "Si", "1e300e15/cm2", "--model", "classic"},
             1,
             "fenra32-calc: RANGE 1e300e15/cm2" + kBeyondReach +
                 "3.28897942e+13 (1E15 "
                 "atoms/cm2)\n"},
        Case{"EnergyBeforeThroughTooMuch",
             {"energy-before", "He", "250", "Si:1e45nm"},
             1,
             "fenra32-calc: ENERGY 250" + kBeyondReach + "1.44299715e+41 (1E15 atoms/cm2)\n"},
        Case{"EnergyBeforeThroughTooMuchForTheClassicModel",
             {"energy-before", "He", "250", "Si:1e30nm", "--model", "classic"},
             1,
             "fenra32-calc: ENERGY 250" + kBeyondReach + "3.1615155e+13 (1E15 atoms/cm2)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A formula nested far deeper than the reader takes ends with a message, not a crash.
TEST(PhysicsCommands, ADeeplyNestedFormulaIsRefused) {
    const std::string deep = std::string(40000, '(') + "H" + std::string(40000, ')');
    const Outcome o = CalcOnTestDatabase({"stopping", "H", deep, "5MeV"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "fenra32-calc: MATERIAL \"" + std::string(60, '(') + "...\": the formula \"" +
                         std::string(60, '(') + "...\" is longer than 1000 characters\n");
}

TEST(PhysicsCommands, AZeroThicknessLayerKeepsTheEnergy) {
    const Outcome o = CalcOnTestDatabase({"layers", "He", "250", "mylar:0mm", "--csv"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out,
              "layer,material,thickness_e15,energy_in_keV,energy_out_keV,energy_loss_keV,"
              "stop_depth_in_layer_e15,stop_depth_from_front_e15,energy_sigma_keV,angle_sigma_mrad,"
              "lateral_sigma_um,charge_mean\n"
              "1,mylar,0,250,250,0,,,0,0,0,0.978929482\n");
}

class FileArguments : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("fenra_physics_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

// A database folder without its material list is a file problem, also for element targets.
TEST_F(FileArguments, ADatabaseWithoutItsMaterialListEndsWithStatusOne) {
    const fs::path db = dir_ / "Fenra32.mdb";
    fs::copy_file(FENRA_TEST_DATABASE, db);
    const Outcome o = Calc({"--db", db.string(), "range", "He", "Si", "5MeV"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: cannot read the material list " +
                         (dir_ / "materials.csv").string() + ": No such file or directory\n");
}

TEST_F(FileArguments, AFifoAsTheDatabaseIsRefusedWithoutBlocking) {
    const fs::path fifo = dir_ / "f.mdb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Outcome o = Calc({"--db", fifo.string(), "range", "He", "Si", "5MeV"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: Element database \"" + fifo.string() +
                         "\" is a FIFO, not a regular file.\n");
}

// --help lists -o for every command: the physics commands write their table there, through
// the safe writer.
TEST_F(FileArguments, MinusOWritesTheTableToAFile) {
    const fs::path file = dir_ / "range.csv";
    const Outcome o =
        CalcOnTestDatabase({"range", "He", "Si", "5MeV", "--csv", "-o", file.string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), CalcOnTestDatabase({"range", "He", "Si", "5MeV", "--csv"}).out);

    const Outcome folder = CalcOnTestDatabase({"range", "He", "Si", "5MeV", "-o", dir_.string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find(dir_.string()), std::string::npos) << folder.err;
}

}  // namespace
}  // namespace fenra
