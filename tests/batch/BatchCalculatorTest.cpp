#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/BatchCalculator.h"
#include "support/BatchRun.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = FENRA_EXAMPLES_DIR;
const std::string kReference = kExamples + "/reference.fta";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

int CountLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// A folder of its own for the files one test writes.
class BatchFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("fenra_batch_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

const std::string kHeader =
    "'Fenra32 v1.1 target file\r\n"
    "'Ion             Mass        E (keV)  Range(1e15 atom/cm2)   target\r\n"
    "'---------------------------------------------------------------------\r\n";

TEST(BatchCalculator, ValuesOfTheReferenceFileByteForByte) {
    const Outcome o = Calc({"values", kReference});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, ReadFile(kExamples + "/reference.values"));
}

TEST(BatchCalculator, ReportOfTheReferenceFileByteForByte) {
    const Outcome o = Calc({"--db", FENRA_TEST_DATABASE, "report", kReference});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, ReadFile(kExamples + "/reference.Fre"));
}

TEST(BatchCalculator, VersionNamesProgramVersionAndLicence) {
    const Outcome o = Calc({"values", "--version", kReference});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, std::string("fenra32-calc (Fenra32) ") + FENRA_VERSION +
                         "\nCopyright (c) 2026 Fenra32 developers. MIT License.\n");
}

TEST(BatchCalculator, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"sum", kReference},
        {"values"},
        {"values", kReference, kReference},
        {"report", kReference, "-o"},
        {"report", kReference, "--db"},
        {"report", kReference, "--fast"},
        {"curve", "depth", "1", kReference},
        {"curve", "depth-stop", "0", kReference},
        {"curve", "depth-stop", "101", kReference},
        {"curve", "depth-stop", "1x", kReference},
        {"curve", "depth-stop", kReference},
    };
    for (const auto& args : wrong) {
        const Outcome o = Calc(args);
        EXPECT_EQ(o.status, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find("Try 'fenra32-calc --help'."), std::string::npos);
    }
    EXPECT_EQ(Calc({"report", kReference, "--fast"}).err,
              "fenra32-calc: unknown option --fast\nTry 'fenra32-calc --help'.\n");
    EXPECT_EQ(Calc({"curve", "sideways", "1", kReference}).err,
              "fenra32-calc: unknown curve kind sideways (depth-stop, depth-energy or "
              "energy-stop)\nTry 'fenra32-calc --help'.\n");

    // A data set the file does not have.
    const Outcome o = Calc({"curve", "depth-stop", "23", kReference});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err,
              "fenra32-calc: " + kReference + " has 22 data set(s); there is no data set 23.\n");
}

// Every refusal of the command line, word for word, with exit status 2 and nothing written.
struct UsageError {
    std::vector<std::string> args;
    std::string words;    // after "fenra32-calc: "
    bool tryHelp = true;  // followed by the pointer to --help
};

class BatchUsageErrors : public ::testing::TestWithParam<UsageError> {};

TEST_P(BatchUsageErrors, AreSaidWordForWordAndExitTwo) {
    const UsageError& c = GetParam();
    const Outcome o = Calc(c.args);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "fenra32-calc: " + c.words + "\n" +
                         (c.tryHelp ? "Try 'fenra32-calc --help'.\n" : ""));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchUsageErrors,
    ::testing::Values(
        UsageError{{}, "no command given"}, UsageError{{"-o", "out.txt"}, "no command given"},
        UsageError{{"sum", kReference}, "unknown command sum"},
        UsageError{{"values"}, "values needs one target file"},
        UsageError{{"report", kReference, kReference}, "report needs one target file"},
        UsageError{{"report", kReference, "-o"}, "option -o needs a path"},
        UsageError{{"report", kReference, "-o", ""}, "option -o needs a path"},
        UsageError{{"--db", "", "values", kReference}, "option --db needs a path"},
        UsageError{{"report", kReference, "--db"}, "option --db needs a path"},
        UsageError{{"report", kReference, "--fast"}, "unknown option --fast"},
        UsageError{{"values", kReference, "--%1"}, "unknown option --%1"},
        UsageError{{"curve", "depth", "1", kReference},
                   "unknown curve kind depth (depth-stop, depth-energy or energy-stop)"},
        UsageError{{"curve", "depth-stop", "0", kReference},
                   "data set number 0 is not a whole number from 1 to 100"},
        UsageError{{"curve", "depth-stop", "101", kReference},
                   "data set number 101 is not a whole number from 1 to 100"},
        UsageError{{"curve", "depth-stop", "1x", kReference},
                   "data set number 1x is not a whole number from 1 to 100"},
        UsageError{{"curve", "depth-stop", kReference},
                   "curve needs a curve kind, a data set number and a file"},
        UsageError{{"curve", "energy-stop", "23", kReference},
                   kReference + " has 22 data set(s); there is no data set 23.",
                   false}));

TEST(BatchCalculator, HelpPrintsTheUsage) {
    const Outcome o = Calc({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("usage: fenra32-calc", 0), 0u);
    EXPECT_NE(o.out.find("energy-stop"), std::string::npos);
    // What values prints where a result has no meaning.
    EXPECT_NE(o.out.find("StopKevUm are 0 for a compound (no atomic density of its own)"),
              std::string::npos);
    EXPECT_NE(o.out.find("data set that could not be calculated has \"-\" in all four"),
              std::string::npos);
}

// FENRA32_DB names the database when --db does not; --db wins over it.
TEST_F(BatchFiles, EnvironmentNamesTheDatabaseUnlessDbDoes) {
    const std::string noDb = Path("elsewhere.mdb");
    ASSERT_EQ(setenv("FENRA32_DB", noDb.c_str(), 1), 0);
    Outcome o = Calc({"values", kReference});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: Element database \"" + noDb + "\" not found (FENRA32_DB).\n");
    o = Calc({"--db", FENRA_TEST_DATABASE, "values", kReference});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, ReadFile(kExamples + "/reference.values"));
    ASSERT_EQ(unsetenv("FENRA32_DB"), 0);
    o = Calc({"values", kReference});  // beside the program
    EXPECT_EQ(o.status, 0) << o.err;
}

TEST_F(BatchFiles, MissingInputsExitOneNamingThem) {
    const std::string missing = Path("nothing.fta");
    Outcome o = Calc({"values", missing});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(missing), std::string::npos) << o.err;

    const std::string noDb = Path("none.mdb");
    o = Calc({"--db", noDb, "values", kReference});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "fenra32-calc: Element database \"" + noDb + "\" not found (--db).\n");
    EXPECT_FALSE(fs::exists(noDb));

    const std::string empty = Write("empty.fta", kHeader);
    o = Calc({"report", empty});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: " + empty +
                         ": The file holds no data line: the data sets are unchanged.\n");
}

TEST_F(BatchFiles, UnknownSymbolIsReportedAndTheOthersAreWritten) {
    const std::string file = Write("xx.fta", kHeader +
                                                 "H              1.0078        1000          "
                                                 "100000       Si1\r\n"
                                                 "H              1.0078        1000          "
                                                 "100000       Xx1\r\n"
                                                 "H              1.0078        2000          "
                                                 "100000       Au1\r\n");
    const Outcome o = Calc({"values", file});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: " + file +
                         ": Data set 2: the element \"Xx\" is not in the element database.\n");
    const std::string ref = ReadFile(kExamples + "/reference.values");
    // Data sets 1 and 3 are reference cases 1 and 2; data set 2 keeps no result.
    const std::string line1 = ref.substr(ref.find("\n1\t") + 1);
    const std::string line2 = ref.substr(ref.find("\n2\t") + 3);
    EXPECT_EQ(o.out, "set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm\n" +
                         line1.substr(0, line1.find('\n') + 1) + "2\t-\t-\t-\t-\n3\t" +
                         line2.substr(0, line2.find('\n') + 1));
}

TEST_F(BatchFiles, TargetOfRatioZeroIsNotCalculatedAndSaidSo) {
    const std::string file = Write("zero.fta", kHeader +
                                                   "H   1.0078  1000  100000  Si1\r\n"
                                                   "H   1.0078  2000  100000  Au0\r\n"
                                                   "H   1.0078  0     100000  Si1\r\n");
    const std::string ratioZero = "fenra32-calc: " + file +
                                  ": Data set 2: its one target element has ratio 0; nothing was "
                                  "calculated.\n";
    const std::string noEnergy =
        "fenra32-calc: " + file + ": Data set 3: the energy 0 keV is not above 0.\n";
    for (const char* command : {"values", "report"}) {
        const Outcome o = Calc({command, file});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, ratioZero + noEnergy);
    }
    const std::string ref = ReadFile(kExamples + "/reference.values");
    const std::string line1 = ref.substr(ref.find("\n1\t") + 1);
    EXPECT_EQ(Calc({"values", file}).out, "set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm\n" +
                                              line1.substr(0, line1.find('\n') + 1) +
                                              "2\t-\t-\t-\t-\n" + "3\t-\t-\t-\t-\n");

    // Every curve kind refuses both data sets as values does, and writes nothing.
    for (const std::string kind : {"depth-stop", "energy-stop", "depth-energy"}) {
        for (const std::string set : {"2", "3"}) {
            const std::string out = Path(kind + set + ".Fcv");
            const Outcome c = Calc({"curve", kind, set, file, "-o", out});
            EXPECT_EQ(c.status, 1) << kind;
            EXPECT_EQ(c.err, set == "2" ? ratioZero : noEnergy) << kind;
            EXPECT_FALSE(fs::exists(out)) << kind;
        }
    }
    // Data set 1 has a curve.
    EXPECT_EQ(Calc({"curve", "depth-energy", "1", file}).status, 0);
}

TEST_F(BatchFiles, InvalidElementKeepsTheDataSetsBeforeIt) {
    const std::string file = Write("bad.fta", kHeader +
                                                  "H   1.0078  1000  100000  Si1\r\n"
                                                  "Abc 1  1000  100000  Si1\r\n"
                                                  "He  4.0026  2000  100000  Si1\r\n");
    const Outcome o = Calc({"values", file});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.rfind("fenra32-calc: " + file + ", line 5: Invalid element !! (\"Abc\")\n", 0),
              0u)
        << o.err;
    EXPECT_EQ(CountLines(o.out), 3) << o.out;  // header, data set 1, the half-read one
    EXPECT_EQ(o.out.find("1\t8.30559921\t"), o.out.find('\n') + 1) << o.out;
}

TEST_F(BatchFiles, DataSetsPastHundredAreNotCalculatedAndSaidSo) {
    std::string text = kHeader;
    for (int i = 1; i <= 101; ++i) text += "H 1.0078 " + std::to_string(i) + " 100000 Si1\r\n";
    const std::string file = Write("many.fta", text);
    const Outcome o = Calc({"values", file});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(CountLines(o.out), 101);  // header and 100 data sets
    EXPECT_NE(o.out.find("\n100\t"), std::string::npos);
    EXPECT_EQ(o.err.rfind("fenra32-calc: " + file + ": ", 0), 0u) << o.err;
    EXPECT_EQ(CountLines(o.err), 1) << o.err;
}

TEST_F(BatchFiles, MassIsCalculatedAsTheWindowShowsIt) {
    // Typed with 8 digits, the window shows and stores 1.007825.
    const std::string longMass = Write("m8.fta", kHeader + "H 1.0078251 1000 100000 Si1\r\n");
    const std::string shownMass = Write("m7.fta", kHeader + "H 1.007825 1000 100000 Si1\r\n");
    const Outcome a = Calc({"values", longMass});
    const Outcome b = Calc({"values", shownMass});
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out,
              Calc({"values", Write("m.fta", kHeader + "H 1.0078 1000 100000 Si1\r\n")}).out);
}

TEST_F(BatchFiles, CurvesOfEachKind) {
    const std::string depthStop = Path("ds.Fcv");
    Outcome o = Calc({"curve", "depth-stop", "1", kReference, "-o", depthStop});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    const std::string ds = ReadFile(depthStop);
    EXPECT_EQ(CountLines(ds), 110);
    EXPECT_EQ(ds.rfind("'Fenra32 Depth vs dE/dx curve data\r\n\r\nIon : H\r\nMass of ion : 1.0078 "
                       "\r\nEnergy : 1000  keV\r\nTarget :Si1\r\n",
                       0),
              0u);
    // Point 0 is the stopping of data set 1 at its full energy (8.30559921, reference case 1).
    EXPECT_NE(ds.find("\r\n\r\n8.3056\r\n"), std::string::npos);

    o = Calc({"curve", "depth-energy", "2", kReference});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(CountLines(o.out), 110);
    EXPECT_EQ(o.out.rfind("'Fenra32 Depth vs Energy curve data\r\n", 0), 0u);
    EXPECT_NE(o.out.find("Target :Au1\r\n"), std::string::npos);
    EXPECT_NE(o.out.find("\r\n\r\n2000.\r\n"), std::string::npos);  // point 0: the full energy

    o = Calc({"curve", "energy-stop", "6", kReference});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(CountLines(o.out), 109);
    EXPECT_NE(o.out.find("Target :H2O1\r\nEnergy range : 0 - 3000  keV\r\nSlab energy : 30 keV"),
              std::string::npos);
    // Point 0 (3000 keV, 1.21920717 in reference case 6) is the last line; 0 keV the first.
    EXPECT_EQ(o.out.substr(o.out.size() - 8), "1.2192\r\n");
    EXPECT_NE(o.out.find("Slab energy : 30 keV\r\n\r\n 0 \r\n"), std::string::npos);
}

TEST_F(BatchFiles, CurveOfADataSetThatCannotBeCalculatedWritesNothing) {
    const std::string out = Path("never.Fcv");
    const std::string file = Write("xx.fta", kHeader + "H 1.0078 1000 100000 Xx1\r\n");
    const Outcome o = Calc({"curve", "depth-stop", "1", file, "-o", out});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "fenra32-calc: " + file +
                         ": Data set 1: the element \"Xx\" is not in the element database.\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(BatchFiles, ReportToAFile) {
    const std::string out = Path("r.Fre");
    const Outcome o = Calc({"report", kReference, "-o", out});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(ReadFile(out), ReadFile(kExamples + "/reference.Fre"));

    const Outcome bad = Calc({"report", kReference, "-o", Path("no/such/folder/r.Fre")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("no/such/folder/r.Fre"), std::string::npos);
}

TEST(BatchCalculator, DemoFileCalculates) {
    const Outcome o = Calc({"values", std::string(FENRA_SOURCE_DIR) + "/examples/demo.fta"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_GE(CountLines(o.out), 6);
    EXPECT_EQ(o.out.find("\t0\t0\t0\t0"), std::string::npos) << "every data set has a result";
}

TEST_F(BatchFiles, NumbersReadOtherwiseThanWrittenAreSaid) {
    const std::string nines(50, '9');
    const std::string file = Write("numbers.fta", kHeader +
                                                      "H  1.0078  1,000  100000  Si1\r\n"
                                                      "H  1,008   1e39   100000  Si1\r\n"
                                                      "H  1.0078  inf    100000  Si1\r\n"
                                                      "H  1.0078  0x10   100000  Si" +
                                                      nines + "\r\n");
    const std::string at = "fenra32-calc: " + file + ", line ";
    for (const char* command : {"values", "report"}) {
        const Outcome o = Calc({command, file});
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_EQ(o.err,
                  at + "4: the energy \"1,000\" is not wholly a number; it was read as 1.\n" + at +
                      "5: the mass \"1,008\" is not wholly a number; it was read as 1.\n" + at +
                      "5: the energy \"1e39\" is beyond the range of a Single; it was read as "
                      "0.\n" +
                      at + "6: the energy \"inf\" is not wholly a number; it was read as 0.\n" +
                      at + "7: the energy \"0x10\" is not wholly a number; it was read as 0.\n" +
                      at + "7: the ratio of Si \"" + nines +
                      "\" is beyond the range of a Single; it was read as 0.\n" +
                      "fenra32-calc: " + file + ": Data set 2: the energy 0 keV is not above 0.\n" +
                      "fenra32-calc: " + file + ": Data set 3: the energy 0 keV is not above 0.\n" +
                      "fenra32-calc: " + file + ": Data set 4: the energy 0 keV is not above 0.\n")
            << command;
    }
    // Every curve kind refuses the data set whose energy was read as 0.
    for (const char* kind : {"depth-stop", "depth-energy", "energy-stop"}) {
        const Outcome c = Calc({"curve", kind, "2", file});
        EXPECT_EQ(c.status, 1) << kind;
        EXPECT_NE(c.err.find("Data set 2: the energy 0 keV is not above 0."), std::string::npos)
            << c.err;
    }
}

}  // namespace
}  // namespace fenra
