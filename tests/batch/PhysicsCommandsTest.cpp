// The commands stopping, range, layers, energy-before and energy-for-range of fenra32-calc.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "batch/BatchCalculator.h"
#include "support/BatchRun.h"

namespace fenra {
namespace {

std::vector<std::string> Split(const std::string& line, char sep) {
    std::vector<std::string> cells;
    std::string cell;
    std::stringstream ss(line);
    while (std::getline(ss, cell, sep)) cells.push_back(cell);
    if (!line.empty() && line.back() == sep) cells.push_back("");
    return cells;
}

// The lines of a text that ends with a newline.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

TEST(PhysicsCommands, CsvHeadersAreExactlyThese) {
    EXPECT_EQ(Lines(CalcOnTestDatabase({"stopping", "H", "Si", "1000", "--csv"}).out)[0],
              "energy_keV,energy_keV_u,electronic_eV_e15,nuclear_eV_e15,total_eV_e15,"
              "electronic_keV_mg_cm2,total_keV_mg_cm2,electronic_keV_um,total_keV_um");
    EXPECT_EQ(Lines(CalcOnTestDatabase({"range", "H", "Si", "1000", "--csv"}).out)[0],
              "energy_keV,range_e15,range_mg_cm2,range_um,range_sigma_e15,range_sigma_mg_cm2,"
              "range_sigma_um");
    const std::string layers =
        "layer,material,thickness_e15,energy_in_keV,energy_out_keV,energy_loss_keV,"
        "stop_depth_in_layer_e15,stop_depth_from_front_e15,energy_sigma_keV,angle_sigma_mrad,"
        "lateral_sigma_um,charge_mean";
    EXPECT_EQ(Lines(CalcOnTestDatabase({"layers", "He", "5MeV", "Si:1um", "--csv"}).out)[0],
              layers);
    EXPECT_EQ(Lines(CalcOnTestDatabase({"energy-before", "He", "5MeV", "Si:1um", "--csv"}).out)[0],
              layers);
    EXPECT_EQ(Lines(CalcOnTestDatabase({"energy-for-range", "H", "Si", "1um", "--csv"}).out)[0],
              "range_e15,range_mg_cm2,range_um,energy_keV");
}

// The reference target file: ion, mass, energy and composition of each data set.
struct ReferenceCase {
    std::string ion, mass, energy, composition;
};

std::vector<ReferenceCase> ReferenceCases() {
    std::ifstream in(std::string(FENRA_EXAMPLES_DIR) + "/reference.fta");
    std::vector<ReferenceCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '\'') continue;
        std::istringstream fields(line);
        ReferenceCase c;
        std::string range;
        fields >> c.ion >> c.mass >> c.energy >> range >> c.composition;
        cases.push_back(c);
    }
    return cases;
}

TEST(PhysicsCommands, StoppingElectronicEqualsValuesForAllReferenceCases) {
    const std::vector<ReferenceCase> cases = ReferenceCases();
    ASSERT_EQ(cases.size(), 22u);
    const Outcome values =
        CalcOnTestDatabase({"values", std::string(FENRA_EXAMPLES_DIR) + "/reference.fta"});
    ASSERT_EQ(values.status, 0);
    const std::vector<std::string> rows = Lines(values.out);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const ReferenceCase& c = cases[i];
        const Outcome o = CalcOnTestDatabase({"stopping", c.ion, c.composition, c.energy, "--mass",
                                              c.mass, "--csv", "--model", "classic"});
        ASSERT_EQ(o.status, 0) << o.err;
        const std::vector<std::string> cells = Split(Lines(o.out)[1], ',');
        EXPECT_EQ(cells[2], Split(rows[i + 1], '\t')[1]) << "data set " << i + 1;
    }
}

// A mass of more than 7 significant digits: the main window shows it, and the calculator
// divides by it, rounded to 7 digits (1.0078251 becomes 1.007825); stopping's electronic
// column must use the same Single to give the same number.
struct LongMassCase {
    const char* ion;
    const char* mass;
    const char* energy;
    const char* element;
    const char* electronic;  // values' StopEvAtoms
};

class LongMass : public ::testing::TestWithParam<LongMassCase> {};

TEST_P(LongMass, StoppingElectronicEqualsValues) {
    const LongMassCase& c = GetParam();
    // One file per case: ctest runs the cases as processes side by side, and two share Ag.
    const std::string path =
        ::testing::TempDir() + "long_mass_" + c.ion + "_" + c.mass + "_" + c.element + ".fta";
    {
        std::ofstream fta(path, std::ios::binary);
        fta << "'Fenra32 v1.1 target file\r\n'Ion  Mass  E (keV)  Range  target\r\n'---\r\n"
            << c.ion << "              " << c.mass << "     " << c.energy
            << "          100000       " << c.element << "1\r\n";
    }
    const Outcome values = CalcOnTestDatabase({"values", path});
    ASSERT_EQ(values.status, 0) << values.err;
    ASSERT_EQ(Split(Lines(values.out).at(1), '\t').at(1), c.electronic);
    const Outcome o = CalcOnTestDatabase(
        {"stopping", c.ion, c.element, c.energy, "--mass", c.mass, "--csv", "--model", "classic"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Split(Lines(o.out).at(1), ',').at(2), c.electronic);
}

INSTANTIATE_TEST_SUITE_P(
    PhysicsCommands, LongMass,
    ::testing::Values(LongMassCase{"H", "1.0078251", "2000", "Ag", "11.4590073"},
                      LongMassCase{"H", "1.007825", "2000", "Ag", "11.4590073"},
                      LongMassCase{"He", "4.0026033", "8000", "Au", "61.5958595"},
                      LongMassCase{"O", "15.9949146", "1000", "Cu", "208.102295"},
                      LongMassCase{"Li", "7.0160034", "50000", "C", "9.80107594"}));

TEST(PhysicsCommands, TableAlignsAndCsvLeavesLengthsEmptyWithoutDensity) {
    const Outcome table = CalcOnTestDatabase({"range", "H", "Al", "1MeV", "2000"});
    ASSERT_EQ(table.status, 0);
    const std::vector<std::string> lines = Lines(table.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "model: modern");
    EXPECT_EQ(lines[1].size(), lines[2].size());
    EXPECT_EQ(lines[2].substr(0, 10), "      1000");
    const Outcome csv = CalcOnTestDatabase({"range", "H", "H2O", "1MeV", "--csv"});
    EXPECT_EQ(Split(Lines(csv.out)[1], ',').size(), 7u);
    EXPECT_EQ(Split(Lines(csv.out)[1], ',')[3], "");
    EXPECT_EQ(Split(Lines(csv.out)[1], ',')[6], "");
    EXPECT_NE(Split(Lines(csv.out)[1], ',')[5], "");
    EXPECT_EQ(
        Split(Lines(CalcOnTestDatabase({"range", "H", "H2O", "1MeV", "--csv", "--density", "1"})
                        .out)[1],
              ',')[3]
            .empty(),
        false);
}

struct ModelCase {
    std::vector<std::string> args;
    const char* firstLine;  // of the aligned table
};

// Each command takes --model; the aligned table names the model first, CSV keeps its layout.
const ModelCase kModelCases[] = {
    {{"stopping", "H", "Al", "100MeV"}, "model: modern"},  // the default
    {{"stopping", "H", "Al", "100MeV", "--model", "classic"}, "model: classic"},
    {{"--model", "modern", "stopping", "H", "Al", "100MeV"}, "model: modern"},
    {{"range", "He", "water", "50MeV", "--model", "modern"}, "model: modern"},
    {{"layers", "C", "1000MeV", "Al:1mm", "Au:10um", "--model", "modern"}, "model: modern"},
    {{"energy-before", "H", "10MeV", "Si:1mm", "--model", "modern"}, "model: modern"},
    {{"energy-for-range", "U", "Al", "1mm", "--model", "modern"}, "model: modern"},
};

TEST(PhysicsCommands, ModelOptionNamesTheModelAndKeepsTheCsvLayout) {
    for (const ModelCase& c : kModelCases) {
        const Outcome table = CalcOnTestDatabase(c.args);
        ASSERT_EQ(table.status, 0) << table.err;
        EXPECT_EQ(Lines(table.out)[0], c.firstLine);
        std::vector<std::string> csvArgs = c.args;
        csvArgs.push_back("--csv");
        const Outcome csv = CalcOnTestDatabase(csvArgs);
        ASSERT_EQ(csv.status, 0) << csv.err;
        // The CSV header is the table's second line, its columns joined by commas.
        std::stringstream words(Lines(table.out)[1]);
        std::string word, joined;
        while (words >> word) joined += (joined.empty() ? "" : ",") + word;
        EXPECT_EQ(Lines(csv.out)[0], joined);
        EXPECT_NE(Lines(csv.out)[0].rfind("model", 0), 0u) << "CSV starts with its header";
    }
}

TEST(PhysicsCommands, ModernStoppingDiffersAboveTheJoinOnly) {
    const auto electronic = [](const char* energy, const char* model) {
        const Outcome o =
            CalcOnTestDatabase({"stopping", "H", "Au", energy, "--csv", "--model", model});
        return Split(Lines(o.out)[1], ',')[2];
    };
    EXPECT_EQ(electronic("100keV", "modern"), electronic("100keV", "classic"));
    EXPECT_NE(electronic("100MeV", "modern"), electronic("100MeV", "classic"));
}

TEST(PhysicsCommands, UnknownModelIsAUsageError) {
    const Outcome o = CalcOnTestDatabase({"stopping", "H", "Al", "1MeV", "--model", "bethe"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "fenra32-calc: unknown model \"bethe\" (choose classic or modern)\n");
    EXPECT_EQ(CalcOnTestDatabase({"stopping", "H", "Al", "1MeV", "--model"}).err,
              "fenra32-calc: option --model needs a value\n");
}

TEST(PhysicsCommands, ModernWarnsWhereNuclearStoppingDominates) {
    const Outcome modern =
        CalcOnTestDatabase({"stopping", "U", "Al", "10keV/u", "--model", "modern"});
    EXPECT_EQ(modern.status, 0);
    EXPECT_NE(modern.err.find("outside the modern model's 1 keV/u to 10 GeV/u or where nuclear "
                              "stopping is more than half the total"),
              std::string::npos)
        << modern.err;
    // The default is the modern model, which warns; the classic fit does not.
    EXPECT_EQ(CalcOnTestDatabase({"stopping", "U", "Al", "10keV/u"}).err, modern.err);
    EXPECT_EQ(CalcOnTestDatabase({"stopping", "U", "Al", "10keV/u", "--model", "classic"}).err, "");
}

TEST(PhysicsCommands, EnergyUnits) {
    // keV (default), MeV, keV/u and MeV/u of a helium ion of 4 amu.
    for (const char* e : {"8000", "8000keV", "8MeV", "2000keV/u", "2MeV/u"}) {
        const Outcome o = CalcOnTestDatabase({"stopping", "He", "Si", e, "--mass", "4", "--csv"});
        ASSERT_EQ(o.status, 0) << e;
        EXPECT_EQ(Split(Lines(o.out)[1], ',')[0], "8000") << e;
        EXPECT_EQ(Split(Lines(o.out)[1], ',')[1], "2000") << e;
    }
}

TEST(PhysicsCommands, LayersStopAndAreNotListedAfterTheStop) {
    const Outcome o =
        CalcOnTestDatabase({"layers", "He", "5MeV", "mylar:2um", "Si:1mm", "Al:1um", "--csv"});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::vector<std::string> lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::string> first = Split(lines[1], ','), second = Split(lines[2], ',');
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[1], "mylar");
    EXPECT_EQ(first[6], "");
    EXPECT_EQ(first[7], "");
    EXPECT_EQ(second[4], "0");
    EXPECT_NE(second[6], "");
    EXPECT_NE(second[7], "");
    EXPECT_EQ(second[3], first[4]);
    // Spreads behind the first layer; where the ion stops, only the lateral spread there.
    ASSERT_EQ(first.size(), 12u);
    for (int c = 8; c < 12; ++c) EXPECT_NE(first[c], "") << c;
    EXPECT_EQ(first[11], "2");
    ASSERT_EQ(second.size(), 12u);
    EXPECT_EQ(second[8], "");
    EXPECT_EQ(second[9], "");
    EXPECT_NE(second[10], "");
    EXPECT_EQ(second[11], "");
}

TEST(PhysicsCommands, SpreadsAreTheLibrarysToTheLastDigit) {
    // The numbers of the layer and range commands for scale cases, as the library gives them
    // (tests/range checks the library): 9 significant digits.
    const Outcome o = CalcOnTestDatabase({"layers", "He", "5.486MeV", "mylar:10um", "--csv"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    const std::vector<std::string> cells = Split(Lines(o.out)[1], ',');
    EXPECT_NEAR(std::stod(cells[8]), 23, 2.3);     // keV
    EXPECT_NEAR(std::stod(cells[9]), 17, 2.6);     // mrad
    EXPECT_NEAR(std::stod(cells[10]), 0.1, 0.02);  // um
    EXPECT_EQ(cells[11], "2");
    const Outcome r = CalcOnTestDatabase({"range", "H", "water", "150MeV", "--csv"});
    const std::vector<std::string> range = Split(Lines(r.out)[1], ',');
    EXPECT_NEAR(std::stod(range[6]) / std::stod(range[3]), 0.0107, 0.0005);
    EXPECT_NEAR(std::stod(range[4]) / std::stod(range[1]), 0.0107, 0.0005);
}

TEST(PhysicsCommands, LateralSpreadNeedsADensity) {
    const Outcome o =
        CalcOnTestDatabase({"layers", "H", "10MeV", "C2H4:1mg/cm2", "Si:10um", "--csv"});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const std::string& line : {Lines(o.out)[1], Lines(o.out)[2]}) {
        const std::vector<std::string> cells = Split(line, ',');
        ASSERT_EQ(cells.size(), 12u);
        EXPECT_NE(cells[9], "");
        EXPECT_EQ(cells[10], "");
    }
    const Outcome d = CalcOnTestDatabase(
        {"layers", "H", "10MeV", "C2H4:1mg/cm2", "Si:10um", "--density", "0.94", "--csv"});
    EXPECT_NE(Split(Lines(d.out)[2], ',')[10], "");
}

TEST(PhysicsCommands, SpreadsOutsideTheirFormulasAreWarned) {
    const Outcome o = CalcOnTestDatabase({"layers", "Ar", "400keV", "C:10ug/cm2", "--csv"});
    ASSERT_EQ(o.status, 0);
    EXPECT_EQ(o.err,
              "fenra32-calc: warning: the spreads behind LAYER 1: outside the validity of the "
              "formulas (below 25 keV/u, an ion that nearly stops, or angles beyond 0.2 rad); "
              "estimates only\n");
    const Outcome r = CalcOnTestDatabase({"range", "Ar", "C", "400keV", "--csv"});
    EXPECT_EQ(r.err,
              "fenra32-calc: warning: the range straggling of ENERGY 400keV: outside the "
              "validity of the formulas (below 25 keV/u, an ion that nearly stops, or angles "
              "beyond 0.2 rad); estimates only\n");
}

TEST(PhysicsCommands, BadInputNamesTheArgumentAndExits2) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"range", "Qq", "Si", "1"}, "ION \"Qq\": the ion \"Qq\" is not in the element table"},
        {{"range", "H", "H2O)", "1"},
         "MATERIAL \"H2O)\": the formula \"H2O)\" has an unmatched ')' at character 4"},
        {{"range", "H", "Si", "-5"}, "ENERGY \"-5\" is negative"},
        {{"range", "H", "Si", "abc"}, "ENERGY \"abc\" is not a number with a unit"},
        {{"range", "H", "Si", "5TeV"}, "ENERGY \"5TeV\" is not a number with a unit"},
        {{"layers", "H", "1MeV", "H2O:1um"},
         "THICKNESS \"1um\" is a length, and the material \"H2O\" has no density: give "
         "--density G_CM3"},
        {{"layers", "H", "1MeV", "Si:1"},
         "THICKNESS \"1\" has no unit (1e15 atoms/cm2 (e15/cm2), g/cm2, mg/cm2, ug/cm2, A, nm, "
         "um, mm or cm)"},
        {{"layers", "H", "1MeV", "Si"}, "LAYER \"Si\" is not MATERIAL:THICKNESS"},
        {{"energy-for-range", "H", "Si", "x1um"}, "RANGE \"x1um\" is not a number with a unit"},
        {{"range", "H", "Si", "1", "--density", "0"}, "--density \"0\" is not a positive number"},
        {{"range", "H", "Si", "1", "--mass", "x"}, "--mass \"x\" is not a positive number"},
        {{"range", "H", "Si"}, "range needs ION MATERIAL ENERGY..."},
        {{"range", "H", "Si", "1", "--bogus"}, "unknown option --bogus"},
    };
    for (const Case& c : cases) {
        const Outcome o = CalcOnTestDatabase(c.args);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_EQ(o.err, "fenra32-calc: " + c.message + "\n");
        EXPECT_EQ(o.out, "");
    }
}

TEST(PhysicsCommands, AFailedEnergyIsNamedAfterTheOthersArePrinted) {
    const Outcome o = CalcOnTestDatabase({"stopping", "H", "Si", "1000", "1e300", "2000", "--csv"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(Lines(o.out).size(), 3u);
    EXPECT_EQ(o.err,
              "fenra32-calc: ENERGY 1e300: the stopping is not a finite number at this energy\n");
}

TEST(PhysicsCommands, OutOfModelEnergiesWarnOnStderr) {
    const Outcome o = CalcOnTestDatabase(
        {"range", "H", "Si", "0.5keV/u", "1MeV", "3000MeV/u", "--csv", "--model", "classic"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(Lines(o.out).size(), 4u);
    EXPECT_EQ(o.err,
              "fenra32-calc: warning: ENERGY 0.5keV/u is outside the model's 1 keV/u to 2 GeV/u; "
              "the result is extrapolated\n"
              "fenra32-calc: warning: the range straggling of ENERGY 0.5keV/u: outside the "
              "validity of the formulas (below 25 keV/u, an ion that nearly stops, or angles "
              "beyond 0.2 rad); estimates only\n"
              "fenra32-calc: warning: ENERGY 3000MeV/u is outside the model's 1 keV/u to "
              "2 GeV/u; the result is extrapolated\n");
}

TEST(PhysicsCommands, NumbersUseAPointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    const Outcome o = CalcOnTestDatabase({"range", "H", "Si", "1.5MeV", "--csv"});
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(Lines(o.out).size(), 2u) << o.err;
    EXPECT_EQ(Split(Lines(o.out)[1], ',')[0], "1500");
    EXPECT_NE(Split(Lines(o.out)[1], ',')[1].find('.'), std::string::npos);
}

// Every fenra32-calc command of the README's examples of these commands runs.
TEST(PhysicsCommands, ReadmeExamplesRun) {
    std::ifstream in(std::string(FENRA_SOURCE_DIR) + "/README.md");
    std::string line;
    int examples = 0;
    const std::string prefix = "    build/bin/fenra32-calc ";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        std::vector<std::string> args;
        std::istringstream words(line.substr(prefix.size(), line.find('#') - prefix.size()));
        for (std::string w; words >> w;) args.push_back(w);
        if (args.empty() || args[0] == "report" || args[0] == "values" || args[0] == "curve")
            continue;
        // The ion paths run a few ions only, and write their files into the test's folder.
        for (std::size_t k = 1; args[0] == "implant" && k < args.size(); ++k) {
            if (args[k - 1] == "--ions") args[k] = "200";
            if (args[k - 1] == "--out-prefix") args[k] = testing::TempDir() + args[k];
        }
        const Outcome o = CalcOnTestDatabase(args);
        EXPECT_EQ(o.status, 0) << line << "\n" << o.err;
        ++examples;
    }
    EXPECT_GE(examples, 5);
}

}  // namespace
}  // namespace fenra
