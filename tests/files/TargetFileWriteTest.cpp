// Writing target files, and reading back what was written.

#include <gtest/gtest.h>

#include "files/FileTestSupport.h"
#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"
#include "state/CompositionText.h"

namespace fenra {
namespace {

using test::MakeDataSet;

const std::string kHeader =
    "'Fenra32 v1.1 target file\r\n"
    "'Ion             Mass        E (keV)  Range(1e15 atom/cm2)   target\r\n"
    "'---------------------------------------------------------------------\r\n";

WorkingState StateOf(std::initializer_list<DataSet> sets) {
    WorkingState s;
    for (const DataSet& d : sets) s.DataSets[++s.DataSetCount] = d;
    s.CurrentDataSet = s.DataSetCount;
    return s;
}

TEST(TargetFileText, HeaderAndZoneLayoutOfOneDataLine) {
    const WorkingState s = StateOf({MakeDataSet("H", 1.008f, 1000, 100000, {{"Si", 1}, {"O", 2}})});
    const std::string line = "H              1.008         1000          100000       Si1O2";
    EXPECT_EQ(TargetFileText(s), kHeader + line + "\r\n");
    // Columns 1, 16, 30, 44, 57 (1-based) of the first characters of the five fields.
    EXPECT_EQ(line.find("1.008"), 15u);
    EXPECT_EQ(line.find("1000 "), 29u);
    EXPECT_EQ(line.find("100000"), 43u);
    EXPECT_EQ(line.find("Si1O2"), 56u);
}

// The target column of a target file.
std::string TargetText(const DataSet& d) {
    return CompositionText(d, CompositionEnd::FirstZeroRatio);
}

TEST(TargetFileText, TargetTextStopsAtFirstZeroRatio) {
    const DataSet skipped = MakeDataSet("H", 1, 1, 1, {{"Si", 1}, {"O", 0}, {"N", 2}});
    EXPECT_EQ(TargetText(skipped), "Si1");
    EXPECT_EQ(TargetText(MakeDataSet("H", 1, 1, 1, {{"H", .5f}})), "H.5");
    EXPECT_EQ(TargetText(MakeDataSet("H", 1, 1, 1, {{"H", 2}, {"O", 1}})), "H2O1");

    // ElementCount is not what ends the text: slots past it with a ratio are written too.
    DataSet d = MakeDataSet("H", 1, 1, 1, {{"C", 1}, {"H", 4}});
    d.ElementCount = 1;
    EXPECT_EQ(TargetText(d), "C1H4");
}

TEST(TargetFileText, EmptyTargetKeepsThePaddingBeforeIt) {
    const WorkingState s = StateOf({MakeDataSet("He", 4.0026f, 2000, 100000, {{"Si", 0}})});
    EXPECT_EQ(TargetFileText(s),
              kHeader + "He             4.0026        2000          100000       \r\n");
}

TEST(SaveTarget, WritesTheTextAndReplacesAnOldFile) {
    const std::string path = test::ScratchPath("replace.fta");
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(5000, 'x');
    }
    const WorkingState s = StateOf({MakeDataSet("H", 1.008f, 1000, 100000, {{"Si", 1}})});
    FileError fileError;
    ASSERT_TRUE(SaveTarget(s, path, &fileError)) << DescribeFileError(fileError);
    EXPECT_EQ(test::ReadBytes(path), TargetFileText(s));
}

TEST(SaveTarget, ReportsAPathThatCannotBeWritten) {
    const std::string path = test::ScratchPath("no-such-folder") + "/t.fta";
    const WorkingState s = StateOf({MakeDataSet("H", 1.008f, 1000, 100000, {{"Si", 1}})});
    FileError fileError;
    EXPECT_FALSE(SaveTarget(s, path, &fileError));
    EXPECT_NE(DescribeFileError(fileError).find(path), std::string::npos)
        << DescribeFileError(fileError);
    EXPECT_NE(DescribeFileError(fileError).find("No such file or directory"), std::string::npos)
        << DescribeFileError(fileError);
}

TEST(TargetFileRoundTrip, GivesTheSameDataSets) {
    const WorkingState saved =
        StateOf({MakeDataSet("H", 1.008f, 1000, 100000, {{"Si", 1}, {"O", 2}}),
                 MakeDataSet("Xe", 131.904f, 123456.7f, .001f, {{"Au", .5f}}),
                 MakeDataSet("He", 0, 2.5f, 100000,
                             {{"H", 1},
                              {"He", 2},
                              {"Li", 3},
                              {"Be", 4},
                              {"B", 5},
                              {"C", 6},
                              {"N", 7},
                              {"O", 8},
                              {"F", 9},
                              {"Ne", 10}}),
                 MakeDataSet("O", 15.995f, 4000, 100000, {{"Si", 1}, {"O", 0}, {"N", 2}})});
    const std::string path = test::ScratchPath("roundtrip.fta");
    ASSERT_TRUE(SaveTarget(saved, path));

    WorkingState read;
    const OpenTargetResult r = OpenTarget(read, path);
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_TRUE(r.notices.empty());
    ASSERT_EQ(read.DataSetCount, 4);
    EXPECT_EQ(read.CurrentDataSet, 4);
    for (int i = 1; i <= 3; ++i) {
        const DataSet& a = saved.DataSets[i];
        const DataSet& b = read.DataSets[i];
        EXPECT_EQ(b.IonName, a.IonName) << i;
        EXPECT_EQ(b.IonMass, a.IonMass) << i;
        EXPECT_EQ(b.IonEnergy, a.IonEnergy) << i;
        EXPECT_EQ(b.Range, a.Range) << i;
        ASSERT_EQ(b.ElementCount, a.ElementCount) << i;
        for (int j = 1; j <= a.ElementCount; ++j) {
            EXPECT_EQ(b.TargetElement[j], a.TargetElement[j]) << i << "/" << j;
            EXPECT_EQ(b.TargetRatio[j], a.TargetRatio[j]) << i << "/" << j;
        }
    }
    // The slots from the first ratio 0 on are not written, so they are not read back.
    EXPECT_EQ(read.DataSets[4].ElementCount, 1);
    EXPECT_EQ(read.DataSets[4].TargetElement[1], "Si");
    EXPECT_EQ(read.DataSets[4].TargetRatio[2], 0.0f);
    EXPECT_EQ(read.DataSets[4].TargetElement[2], "");
}

TEST(TargetFileRoundTrip, ExponentRatioStartsAnElementOfItsOwn) {
    const WorkingState saved = StateOf(
        {MakeDataSet("H", 1, 1, 1, {{"Si", 1e7f}}), MakeDataSet("H", 1, 1, 1, {{"Si", 1.5e-5f}})});
    const std::string text = TargetFileText(saved);
    EXPECT_NE(text.find("Si1E+07\r\n"), std::string::npos);
    EXPECT_NE(text.find("Si1.5E-05\r\n"), std::string::npos);

    WorkingState read;
    ASSERT_EQ(OpenTargetFromText(read, text).status, OpenTargetStatus::Read);
    const DataSet& big = read.DataSets[1];
    ASSERT_EQ(big.ElementCount, 2);
    EXPECT_EQ(big.TargetElement[1], "Si");
    EXPECT_EQ(big.TargetRatio[1], 1.0f);
    EXPECT_EQ(big.TargetElement[2], "E+");
    EXPECT_EQ(big.TargetRatio[2], 7.0f);
    const DataSet& small = read.DataSets[2];
    ASSERT_EQ(small.ElementCount, 2);
    EXPECT_EQ(small.TargetRatio[1], 1.5f);
    EXPECT_EQ(small.TargetElement[2], "E-");
    EXPECT_EQ(small.TargetRatio[2], 5.0f);
}

TEST(TargetFileRoundTrip, ReferenceFileIsWrittenBackByteForByte) {
    const std::string path = std::string(FENRA_EXAMPLES_DIR) + "/reference.fta";
    WorkingState s;
    const OpenTargetResult r = OpenTarget(s, path);
    ASSERT_EQ(r.status, OpenTargetStatus::Read) << DescribeFileError(r.error);
    EXPECT_EQ(s.DataSetCount, 22);
    EXPECT_EQ(TargetFileText(s), test::ReadBytes(path));
}

}  // namespace
}  // namespace fenra
