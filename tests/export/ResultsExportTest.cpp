// The results CSV and the tab-separated text of grid selections, byte for byte.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "export/CsvText.h"
#include "export/ResultsExport.h"
#include "messages/OutcomeMessages.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

const ElementDatabase& Db() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    return db;
}

// Data set 1: H in Si, calculated; 2: He in H2O, calculated; 3: never calculated;
// 4: Si in an unknown element, its calculation failed after an earlier result.
WorkingState FourDataSets() {
    WorkingState s;
    InitWorkingState(s, "/tmp/");
    s.DataSetCount = 4;
    for (int i = 1; i <= 4; ++i) SetNewDataSetDefaults(s.DataSets[i]);
    s.DataSets[1].TargetElement[1] = "Si";
    s.DataSets[2].IonName = "He";
    s.DataSets[2].IonMass = 4.0026f;
    s.DataSets[2].IonEnergy = 2500.5f;
    s.DataSets[2].ElementCount = 2;
    s.DataSets[2].TargetRatio[1] = 2;
    s.DataSets[2].TargetElement[2] = "O";
    s.DataSets[2].TargetRatio[2] = 1;
    s.DataSets[4].IonName = "Si";
    s.DataSets[4].IonMass = 28;
    s.DataSets[4].TargetElement[1] = "Al";
    return s;
}

std::vector<ResultState> Calculate(WorkingState& s) {
    std::vector<ResultState> states(4, ResultState::NotCalculated);
    for (int i : {1, 2, 4})
        states[static_cast<std::size_t>(i - 1)] =
            ResultStateOf(CalculateDataSet(s.DataSets[i], Db()).outcome);
    // Data set 4 then gets a target the database does not know: its results stay behind.
    s.DataSets[4].TargetElement[1] = "Qq";
    states[3] = ResultStateOf(CalculateDataSet(s.DataSets[4], Db()).outcome);
    return states;
}

std::string Nine(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

TEST(ResultsCsv, WritesEveryDataSetWithItsStateAndNoStaleResult) {
    WorkingState s = FourDataSets();
    const std::vector<ResultState> states = Calculate(s);
    ASSERT_EQ(states[3], ResultState::Failed);
    ASSERT_NE(s.DataSets[4].StopEvAtoms, 0.0f);  // the former result is still stored
    const DataSet& a = s.DataSets[1];
    const DataSet& b = s.DataSets[2];
    const std::string expected =
        std::string(kResultsCsvHeader) + "\r\n" + "1,H,1.008,1000,Si1," + Nine(a.StopEvAtoms) +
        "," + Nine(a.StopKevMg) + "," + Nine(a.StopEvA) + "," + Nine(a.StopKevUm) +
        ",calculated\r\n" + "2,He,4.0026,2500.5,H2O1," + Nine(b.StopEvAtoms) + "," +
        Nine(b.StopKevMg) + ",,,calculated\r\n" + "3,H,1.008,1000,H1,,,,,not calculated\r\n" +
        "4,Si,28,1000,Qq1,,,,,failed\r\n";
    EXPECT_EQ(ResultsCsvText(s, states), expected);
}

TEST(ResultsCsv, WithoutARecordJudgesByTheStoredResult) {
    WorkingState s = FourDataSets();
    CalculateDataSet(s.DataSets[1], Db());
    const std::string text = ResultsCsvText(s);
    EXPECT_NE(text.find(",calculated\r\n2,He,"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n3,H,1.008,1000,H1,,,,,not calculated\r\n"), std::string::npos);
}

TEST(ResultsCsv, KeepsThePointInAGermanLocale) {
    WorkingState s = FourDataSets();
    const std::vector<ResultState> states = Calculate(s);
    const std::string before = ResultsCsvText(s, states);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale here";
    const std::string after = ResultsCsvText(s, states);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(after, before);
}

TEST(ResultsCsv, IsWrittenThroughTheFileWriter) {
    WorkingState s = FourDataSets();
    const std::vector<ResultState> states = Calculate(s);
    const std::string path =
        (std::filesystem::temp_directory_path() / "fenra_results_export.csv").string();
    ASSERT_TRUE(SaveResultsCsv(s, states, path));
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), ResultsCsvText(s, states));
    std::filesystem::remove(path);
    FileError fileError;
    EXPECT_FALSE(SaveResultsCsv(s, states, "/nonexistent-folder/x.csv", &fileError));
    EXPECT_NE(DescribeFileError(fileError).find("/nonexistent-folder/x.csv"), std::string::npos)
        << DescribeFileError(fileError);
}

TEST(CsvField, QuotesWhatWouldSplitAFieldAndWritesUtf8) {
    EXPECT_EQ(CsvField("H2O1"), "H2O1");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("\xB5m"), "\xC2\xB5m");      // Latin-1 micro sign
    EXPECT_EQ(CsvField("\xC2\xB5m"), "\xC2\xB5m");  // already UTF-8
    EXPECT_EQ(TabField("a\tb\nc"), "a b c");
}

TEST(GridSelection, CopiesRowsWithAHeaderNamingTheUnit) {
    WorkingState s = FourDataSets();
    const std::vector<ResultState> states = Calculate(s);
    const std::string text = GridSelectionText(s, StopUnit::KevMgCm2, WholeRows({2, 1}), states);
    EXPECT_EQ(text,
              "Ion\tMass (amu)\tE (keV)\tTarget\tStopping power (keV/mg/cm2)\n"
              "H\t1.008\t1000\tSi1\t" +
                  GeneralText(s.DataSets[1].StopKevMg) + "\n" + "He\t4.0026\t2500.5\tH2O1\t" +
                  GeneralText(s.DataSets[2].StopKevMg) + "\n");
}

TEST(GridSelection, LeavesUnselectedCellsAndMissingResultsEmpty) {
    WorkingState s = FourDataSets();
    const std::vector<ResultState> states = Calculate(s);
    // Ion of data set 1, stopping of data sets 2, 3 and 4 in eV/A: a compound, a data set never
    // calculated and a failed one have none.
    const std::vector<GridCell> cells = {{1, 0}, {2, 4}, {3, 4}, {4, 4}, {99, 0}, {1, 7}};
    EXPECT_EQ(GridSelectionText(s, StopUnit::EvAngstrom, cells, states),
              "Ion\tStopping power (ev/A)\nH\t\n\t\n\t\n\t\n");
    EXPECT_EQ(GridSelectionText(s, StopUnit::EvAngstrom, {{1, 4}}, states),
              "Stopping power (ev/A)\n" + GeneralText(s.DataSets[1].StopEvA) + "\n");
    EXPECT_EQ(GridSelectionText(s, StopUnit::EvAngstrom, {{5, 1}}, states), "");
    EXPECT_EQ(AllCells(s).size(), 20u);
}

}  // namespace
}  // namespace fenra
