// The report file and the layout of the printed report.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "files/FileTestSupport.h"
#include "files/ResultReport.h"
#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

const std::string kFileHeadings =
    std::string(100, '*') + "\r\n" +
    "*  Ion    IonMass      IonEnergy      Target                S T O P P I N G   P O W E R"
    "            *\r\n"
    "*          (amu)         (keV)                    eV/(1E15/cm2)  keV/mg/cm2     eV/A"
    "    keV/um     *\r\n" +
    std::string(100, '*') + "\r\n";

DataSet Compound() {
    DataSet d = test::MakeDataSet("H", 1.008f, 1000, 100000, {{"Si", 1}, {"O", 2}});
    d.TargetName = "Si1O2";
    d.StopEvAtoms = 10.5f;
    d.StopKevMg = 200.25f;
    return d;
}

DataSet OneElement() {
    DataSet d = test::MakeDataSet("He", 4.0026f, 2000, 100000, {{"Si", 1}});
    d.TargetName = "Si1";
    d.StopEvAtoms = 48.63163f;
    d.StopKevMg = 1042.733f;
    d.StopEvA = .5f;
    d.StopKevUm = 242.0396f;
    return d;
}

WorkingState StateOf(std::initializer_list<DataSet> sets) {
    WorkingState s;
    for (const DataSet& d : sets) s.DataSets[++s.DataSetCount] = d;
    s.CurrentDataSet = 1;
    return s;
}

TEST(ResultReportText, HeadingsThenOneZoneRowPerDataSet) {
    const WorkingState s = StateOf({Compound(), OneElement()});
    EXPECT_EQ(ResultReportText(s),
              kFileHeadings +
                  "H              1.008         1000         Si1O2          10.5          "
                  "200.25       -             -\r\n"
                  "He             4.0026        2000         Si1            48.63163      "
                  "1042.733      .5            242.0396 \r\n");
}

TEST(ResultReportText, DataSetsWithoutResultsStillHaveTheirRows) {
    WorkingState s = StateOf({OneElement(), test::MakeDataSet("Li", 0, 3000, 1, {{"Si", 1}})});
    EXPECT_EQ(ResultReportText(s),
              kFileHeadings +
                  "He             4.0026        2000         Si1            48.63163      "
                  "1042.733      .5            242.0396 \r\n"
                  // No results: "-" in every result column, never a stopping of 0.
                  "Li             0             3000                       -             "
                  "-             -             -\r\n");
}

TEST(ResultReportText, HundredDataSetsGiveHundredAndFourLines) {
    WorkingState s;
    for (int i = 1; i <= 100; ++i) s.DataSets[i] = OneElement();
    s.DataSetCount = 100;
    s.CurrentDataSet = 100;
    const std::string text = ResultReportText(s);
    EXPECT_EQ(test::CountCrLf(text), 104);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(HasResults, LooksAtDataSetOneOnly) {
    WorkingState s = StateOf({test::MakeDataSet("H", 1, 1, 1, {{"Si", 1}}), OneElement()});
    EXPECT_FALSE(HasResults(s));
    s.DataSets[1].StopEvAtoms = -0.5f;
    EXPECT_TRUE(HasResults(s));
}

TEST(SaveResult, WritesTheReport) {
    const WorkingState s = StateOf({Compound()});
    const std::string path = test::ScratchPath("report.Fre");
    FileError fileError;
    ASSERT_TRUE(SaveResult(s, path, &fileError)) << DescribeFileError(fileError);
    EXPECT_EQ(test::ReadBytes(path), ResultReportText(s));
}

// The working state after a calculation of the reference inputs: the inputs from the target
// file, the four results from the table of values, the composition text from the slots.
WorkingState ReferenceState() {
    WorkingState s;
    const OpenTargetResult r = OpenTarget(s, std::string(FENRA_EXAMPLES_DIR) + "/reference.fta");
    EXPECT_EQ(r.status, OpenTargetStatus::Read) << DescribeFileError(r.error);
    std::istringstream values(
        test::ReadBytes(std::string(FENRA_EXAMPLES_DIR) + "/reference.values"));
    std::string line;
    std::getline(values, line);  // column names
    int rows = 0;
    while (std::getline(values, line)) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        std::string set, a, b, c, d;
        fields >> set >> a >> b >> c >> d;
        DataSet& ds = s.DataSets[std::atoi(set.c_str())];
        ds.StopEvAtoms = std::strtof(a.c_str(), nullptr);
        ds.StopKevMg = std::strtof(b.c_str(), nullptr);
        ds.StopEvA = std::strtof(c.c_str(), nullptr);
        ds.StopKevUm = std::strtof(d.c_str(), nullptr);
        ++rows;
    }
    EXPECT_EQ(rows, s.DataSetCount);
    for (int i = 1; i <= s.DataSetCount; ++i) {
        DataSet& ds = s.DataSets[i];
        for (int j = 1; j <= ds.ElementCount; ++j)
            ds.TargetName += ds.TargetElement[j] + ShortForm(ds.TargetRatio[j]);
    }
    return s;
}

TEST(ResultReportText, ReproducesTheReferenceReport) {
    const WorkingState s = ReferenceState();
    ASSERT_TRUE(HasResults(s));
    EXPECT_EQ(ResultReportText(s),
              test::ReadBytes(std::string(FENRA_EXAMPLES_DIR) + "/reference.Fre"));
}

TEST(PrintedReportLines, HeadingsEmptyLineAndRowsAtTheirColumns) {
    const WorkingState s = StateOf({OneElement(), Compound()});
    const std::vector<PrintedLine> lines = PrintedReportLines(s);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].text, std::string(80, '*'));
    const auto columns = [](const PrintedLine& l) {
        std::vector<std::pair<int, std::string>> out;
        for (const PrintedField& f : l.fields) out.emplace_back(f.column, f.text);
        return out;
    };
    using Row = std::vector<std::pair<int, std::string>>;
    // Each heading stands at the column of the values under it.
    EXPECT_EQ(lines[1].text, "   Ion");
    EXPECT_EQ(
        columns(lines[1]),
        (Row{{17, " Mass"}, {28, " E"}, {40, "Target"}, {55, " S T O P P I N G   P O W E R"}}));
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(columns(lines[2]), (Row{{17, " (amu)"},
                                      {28, " (keV)"},
                                      {55, " eV/(1E15/cm2)"},
                                      {75, " keV/mg/cm2"},
                                      {90, " eV/A"},
                                      {103, " keV/um"}}));
    EXPECT_EQ(lines[3].text, std::string(80, '*'));
    EXPECT_EQ(lines[4].text, "");
    for (int i : {0, 3, 4}) EXPECT_TRUE(lines[static_cast<std::size_t>(i)].fields.empty()) << i;
    EXPECT_EQ(lines[5].text, "   He");
    EXPECT_EQ(columns(lines[5]), (Row{{17, " 4.0026 "},
                                      {28, " 2000 "},
                                      {40, "Si1"},
                                      {55, " 48.63163 "},
                                      {75, " 1042.733 "},
                                      {90, " .5 "},
                                      {103, " 242.0396 "}}));
    EXPECT_EQ(lines[6].text, "   H");
    EXPECT_EQ(columns(lines[6]), (Row{{17, " 1.008 "},
                                      {28, " 1000 "},
                                      {40, "Si1O2"},
                                      {55, " 10.5 "},
                                      {75, " 200.25 "},
                                      {96, "-"},
                                      {108, "-"}}));
}

}  // namespace
}  // namespace fenra
