// Reading target files: which lines count, how fields split, symbols, limits and failures.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/FileTestSupport.h"
#include "files/LineReader.h"
#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

std::vector<std::string> NoticeTexts(const std::vector<TargetNotice>& notices) {
    std::vector<std::string> texts;
    for (const TargetNotice& n : notices) texts.push_back(DescribeTargetNotice(n));
    return texts;
}

// A working state of five data sets with results, to see what reading replaces or keeps.
WorkingState FiveDataSetsWithResults() {
    WorkingState s;
    for (int i = 1; i <= 5; ++i) {
        s.DataSets[i] = test::MakeDataSet("Ar", 39.962f, 100.0f * i, 100000, {{"Cu", 1}});
        s.DataSets[i].TargetName = "Cu1";
        s.DataSets[i].StopEvAtoms = 10.0f * i;
        s.DataSets[i].StopKevMg = 20.0f * i;
    }
    s.DataSetCount = 5;
    s.CurrentDataSet = 3;
    s.AppPath = "/keep/";
    return s;
}

TEST(OpenTargetFromText, SkipsCommentsAndBlankLinesAndAcceptsFreeSpacing) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s,
                           "\r\n'a comment\r\n   \r\n   h   1.008    1000 100000    si1o2   \r\n"
                           "  ' an indented comment\r\n\r\nFE 55.94 560 100000 C1\r\n'\r\n");
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_TRUE(r.notices.empty());
    ASSERT_EQ(s.DataSetCount, 2);
    EXPECT_EQ(s.CurrentDataSet, 2);
    const DataSet& h = s.DataSets[1];
    EXPECT_EQ(h.IonName, "H");
    EXPECT_EQ(h.IonMass, 1.008f);
    EXPECT_EQ(h.IonEnergy, 1000.0f);
    EXPECT_EQ(h.Range, 100000.0f);
    ASSERT_EQ(h.ElementCount, 2);
    EXPECT_EQ(h.TargetElement[1], "Si");
    EXPECT_EQ(h.TargetRatio[1], 1.0f);
    EXPECT_EQ(h.TargetElement[2], "O");
    EXPECT_EQ(h.TargetRatio[2], 2.0f);
    EXPECT_EQ(s.DataSets[2].IonName, "Fe");
    EXPECT_EQ(s.DataSets[2].IonEnergy, 560.0f);
}

TEST(OpenTargetFromText, LinesEndWithLfCrLfOrCrAndTheLastNeedsNoEnd) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s, "'x\nH 1 2 3 Si1\r\n\rHe 4 5 6 C1\rLi 7 8 9 N1\n\nB 10 11 12 Au1");
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    ASSERT_EQ(s.DataSetCount, 4);
    EXPECT_EQ(s.DataSets[1].IonName, "H");
    EXPECT_EQ(s.DataSets[2].IonName, "He");
    EXPECT_EQ(s.DataSets[3].IonName, "Li");
    EXPECT_EQ(s.DataSets[4].IonName, "B");
    EXPECT_EQ(s.DataSets[4].Range, 12.0f);
    EXPECT_EQ(s.DataSets[4].TargetElement[1], "Au");
}

TEST(OpenTargetFromText, NormalisesSymbols) {
    WorkingState s;
    ASSERT_EQ(OpenTargetFromText(s, "si 1 1 1 h1SI2fe3FE4Si5\r\nh 1 1 1 sI1\r\n").status,
              OpenTargetStatus::Read);
    EXPECT_EQ(s.DataSets[1].IonName, "Si");
    EXPECT_EQ(s.DataSets[2].IonName, "H");
    const DataSet& d = s.DataSets[1];
    ASSERT_EQ(d.ElementCount, 5);
    EXPECT_EQ(d.TargetElement[1], "H");
    EXPECT_EQ(d.TargetElement[2], "Si");
    EXPECT_EQ(d.TargetElement[3], "Fe");
    EXPECT_EQ(d.TargetElement[4], "Fe");
    EXPECT_EQ(d.TargetElement[5], "Si");
    EXPECT_EQ(s.DataSets[2].TargetElement[1], "Si");

    // Bytes outside ASCII are kept as they are; a symbol is one or two bytes of the file.
    ASSERT_EQ(OpenTargetFromText(s,
                                 "\xe9\xc9 1 1 1 \xc9"
                                 "1\r\n")
                  .status,
              OpenTargetStatus::Read);
    EXPECT_EQ(s.DataSets[1].IonName, "\xe9\xc9");
    EXPECT_EQ(s.DataSets[1].TargetElement[1], "\xc9");
}

TEST(OpenTargetFromText, FieldsAndNumbers) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s,
                           "H 1.008kev -2.5e1 1d2 Si1.2.3\r\n"  // leading-number rule, D exponent
                           "H 1e39 1e999 3e38 Si1\r\n"  // values beyond a Single are read as 0
                           "H abc\r\n"                  // fields missing at the end of the line
                           "H 1 2 3 12Si1\r\n"       // a number before the first symbol is skipped
                           "H 1 2 3 O2Si\r\n"        // a symbol without a number has ratio 0
                           "H 1 2 3 Si 1 O 2\r\n");  // blanks inside the target belong to symbols
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    ASSERT_EQ(s.DataSetCount, 6);

    EXPECT_EQ(s.DataSets[1].IonMass, 1.008f);
    EXPECT_EQ(s.DataSets[1].IonEnergy, -25.0f);
    EXPECT_EQ(s.DataSets[1].Range, 100.0f);
    EXPECT_EQ(s.DataSets[1].TargetRatio[1], 1.2f);

    EXPECT_EQ(s.DataSets[2].IonMass, 0.0f);
    EXPECT_EQ(s.DataSets[2].IonEnergy, 0.0f);
    EXPECT_EQ(s.DataSets[2].Range, 3e38f);

    EXPECT_EQ(s.DataSets[3].IonMass, 0.0f);
    EXPECT_EQ(s.DataSets[3].IonEnergy, 0.0f);
    EXPECT_EQ(s.DataSets[3].ElementCount, 0);

    ASSERT_EQ(s.DataSets[4].ElementCount, 1);
    EXPECT_EQ(s.DataSets[4].TargetElement[1], "Si");
    EXPECT_EQ(s.DataSets[4].TargetRatio[1], 1.0f);

    ASSERT_EQ(s.DataSets[5].ElementCount, 2);
    EXPECT_EQ(s.DataSets[5].TargetElement[2], "Si");
    EXPECT_EQ(s.DataSets[5].TargetRatio[2], 0.0f);

    ASSERT_EQ(s.DataSets[6].ElementCount, 2);
    EXPECT_EQ(s.DataSets[6].TargetElement[2], "O");
    EXPECT_EQ(s.DataSets[6].TargetRatio[2], 2.0f);
}

TEST(OpenTargetFromText, ANulByteRefusesTheFileAndChangesNothing) {
    WorkingState s;
    InitWorkingState(s, "/");
    const OpenTargetResult r =
        OpenTargetFromText(s, std::string("H 1 2 3 Si1\r\nH 1 2 3 Si1\0", 25));
    EXPECT_EQ(r.status, OpenTargetStatus::NotText);
    EXPECT_EQ(DescribeFileError(r.error),
              "the file is not a plain text target file: line 2 holds NUL bytes or other control "
              "characters (UTF-16 text or binary data).");
    EXPECT_EQ(s.DataSetCount, 1);
    EXPECT_EQ(s.DataSets[1].IonEnergy, 1000.0f);
}

TEST(OpenTargetFromText, TabsAreBlanks) {
    WorkingState s;
    const OpenTargetResult r = OpenTargetFromText(s, "H\t1.008 1000\t\t100000 Si1O2\t\r\n");
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    const DataSet& d = s.DataSets[1];
    EXPECT_EQ(d.IonName, "H");
    EXPECT_EQ(d.IonMass, 1.008f);
    EXPECT_EQ(d.IonEnergy, 1000.0f);
    EXPECT_EQ(d.Range, 100000.0f);
    ASSERT_EQ(d.ElementCount, 2);
    EXPECT_EQ(d.TargetElement[2], "O");
    EXPECT_EQ(d.TargetRatio[2], 2.0f);
}

TEST(OpenTargetFromText, AnInvalidSymbolIsQuotedVisibly) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s, "' head\r\nH 1 2 3 Si1\r\nH 1 2 3 Si1A\fbc2\r\n");
    ASSERT_EQ(r.status, OpenTargetStatus::InvalidElement);
    EXPECT_EQ(r.badLine, 3);
    EXPECT_EQ(r.badSymbol, "A\\x0cbc");
}

TEST(OpenTargetFromText, AUtf8MarkIsSkipped) {
    WorkingState s;
    ASSERT_EQ(OpenTargetFromText(s, "\xEF\xBB\xBFHe 4.0026 2000 100000 Si1\r\n").status,
              OpenTargetStatus::Read);
    EXPECT_EQ(s.DataSets[1].IonName, "He");
}

TEST(OpenTargetFromText, Utf16IsRefusedInEitherByteOrder) {
    for (const std::string& mark : {std::string("\xFF\xFE"), std::string("\xFE\xFF")}) {
        WorkingState s;
        const OpenTargetResult r = OpenTargetFromText(s, mark + "H");
        EXPECT_EQ(r.status, OpenTargetStatus::NotText);
        EXPECT_EQ(DescribeFileError(r.error),
                  "the file is not a plain text target file: it holds UTF-16 text.");
    }
    // Without a mark the NUL bytes of the other half of each character give it away.
    WorkingState s;
    EXPECT_EQ(OpenTargetFromText(s, std::string("H\0 \0001\0", 6)).status,
              OpenTargetStatus::NotText);
}

TEST(OpenTargetFromText, ALineTooLongIsAnErrorNamingItsLine) {
    WorkingState s;
    const std::string text = "' ok\r\n" + std::string(kMaxLineBytes + 1, 'x') + "\r\n";
    const OpenTargetResult r = OpenTargetFromText(s, text);
    EXPECT_EQ(r.status, OpenTargetStatus::NotText);
    EXPECT_EQ(DescribeFileError(r.error),
              "line 2 is longer than 65536 characters: this is not a target file.");
    // A line of exactly the limit is read.
    const std::string longest = "H 1 2 3 Si1" + std::string(kMaxLineBytes - 11, ' ');
    EXPECT_EQ(OpenTargetFromText(s, longest + "\r").status, OpenTargetStatus::Read);
}

TEST(OpenTargetFromText, StopsReadingAfterTheDataLinesItCanHold) {
    // Junk after data line 101 is never read: it cannot refuse the file.
    std::string text;
    for (int i = 0; i < 101; ++i) text += "H 1 2 3 Si1\n";
    text += std::string(kMaxLineBytes * 2, '\0');
    WorkingState s;
    const OpenTargetResult r = OpenTargetFromText(s, text);
    EXPECT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_EQ(s.DataSetCount, 100);
    ASSERT_EQ(r.notices.size(), 1u);
}

TEST(OpenTarget, ZerosWithoutEndAreRefusedQuickly) {
    // A sparse file of 1 GB and the endless /dev/zero: refused at their first line.
    const std::string sparse = test::ScratchPath("sparse.fta");
    {
        std::ofstream f(sparse, std::ios::binary);
        f.seekp((1LL << 30) - 1);
        f.put('\0');
    }
    WorkingState s;
    const OpenTargetResult r = OpenTarget(s, sparse);
    EXPECT_EQ(r.status, OpenTargetStatus::NotText);
    EXPECT_EQ(DescribeFileError(r.error),
              sparse +
                  ": the file is not a plain text target file: line 1 holds NUL "
                  "bytes or other control characters (UTF-16 text or binary data).");
    std::filesystem::remove(sparse);
    // The device is no regular file: refused before a byte of it is read.
    const OpenTargetResult zero = OpenTarget(s, "/dev/zero");
    EXPECT_EQ(zero.status, OpenTargetStatus::CannotOpen);
    EXPECT_EQ(DescribeFileError(zero.error),
              "Cannot open /dev/zero: not a regular file (a folder, FIFO or device)");
}

TEST(OpenTargetFromText, EmptyTargetTextGivesNoElement) {
    WorkingState s;
    ASSERT_EQ(OpenTargetFromText(s,
                                 "He             4.0026        2000          100000       \r\n"
                                 "H 1 2 3\r\n")
                  .status,
              OpenTargetStatus::Read);
    ASSERT_EQ(s.DataSetCount, 2);
    EXPECT_EQ(s.DataSets[1].Range, 100000.0f);
    EXPECT_EQ(s.DataSets[1].ElementCount, 0);
    EXPECT_EQ(s.DataSets[2].Range, 3.0f);
    EXPECT_EQ(s.DataSets[2].ElementCount, 0);
}

TEST(OpenTargetFromText, ReplacesEveryDataSetAndResult) {
    WorkingState s = FiveDataSetsWithResults();
    ASSERT_EQ(OpenTargetFromText(s, "H 1 2 3 Si1\r\nHe 4 5 6 C1\r\n").status,
              OpenTargetStatus::Read);
    EXPECT_EQ(s.DataSetCount, 2);
    EXPECT_EQ(s.CurrentDataSet, 2);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(s.DataSets[i].StopEvAtoms, 0.0f) << i;
        EXPECT_EQ(s.DataSets[i].TargetName, "") << i;
    }
    EXPECT_EQ(s.DataSets[3].IonName, "");
    EXPECT_EQ(s.DataSets[5].IonEnergy, 0.0f);
    EXPECT_EQ(s.DataSets[5].TargetElement[1], "");
    // Only the data sets and their counters belong to the file.
    EXPECT_EQ(s.AppPath, "/keep/");
}

TEST(OpenTargetFromText, InvalidIonStopsReadingAtItsLine) {
    WorkingState s = FiveDataSetsWithResults();
    const OpenTargetResult r = OpenTargetFromText(s,
                                                  "'header\r\n"
                                                  "H 1 2 3 Si1\r\n"
                                                  "\r\n"
                                                  "He 4 5 6 C1\r\n"
                                                  "'comment\r\n"
                                                  "Xyz 7 8 9 N1\r\n"
                                                  "Li 7 8 9 N1\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::InvalidElement);
    EXPECT_EQ(r.badLine, 6);
    EXPECT_EQ(s.DataSetCount, 3);
    EXPECT_EQ(s.CurrentDataSet, 3);
    EXPECT_EQ(s.DataSets[2].IonName, "He");
    EXPECT_EQ(s.DataSets[2].TargetElement[1], "C");
    const DataSet& bad = s.DataSets[3];
    EXPECT_EQ(bad.IonName, "Xyz");  // kept as read
    EXPECT_EQ(bad.IonMass, 0.0f);
    EXPECT_EQ(bad.IonEnergy, 0.0f);
    EXPECT_EQ(bad.ElementCount, 0);
    EXPECT_EQ(bad.StopEvAtoms, 0.0f);  // cleared with the rest
    EXPECT_EQ(s.DataSets[4].IonName, "");
}

TEST(OpenTargetFromText, InvalidTargetSymbolKeepsWhatCameBefore) {
    WorkingState s;
    OpenTargetResult r = OpenTargetFromText(s, "H 1 2 3 Si1\r\nfe 55.9 560 7 Si1Abc2O3\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::InvalidElement);
    EXPECT_EQ(r.badLine, 2);
    ASSERT_EQ(s.DataSetCount, 2);
    EXPECT_EQ(s.CurrentDataSet, 2);
    const DataSet& d = s.DataSets[2];
    EXPECT_EQ(d.IonName, "Fe");
    EXPECT_EQ(d.IonMass, 55.9f);
    EXPECT_EQ(d.Range, 7.0f);
    EXPECT_EQ(d.ElementCount, 3);  // counted before the symbols are checked
    EXPECT_EQ(d.TargetElement[1], "Si");
    EXPECT_EQ(d.TargetRatio[1], 1.0f);
    EXPECT_EQ(d.TargetElement[2], "");
    EXPECT_EQ(d.TargetRatio[2], 0.0f);
    EXPECT_EQ(d.TargetElement[3], "");

    // A blank inside the target makes a symbol that trims to nothing.
    r = OpenTargetFromText(s, "'\r\n'\r\nH 1 2 3 Si1 2\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::InvalidElement);
    EXPECT_EQ(r.badLine, 3);
    EXPECT_EQ(s.DataSetCount, 1);
    EXPECT_EQ(s.DataSets[1].TargetElement[1], "Si");
}

TEST(OpenTargetFromText, KeepsTheFirstHundredDataSets) {
    std::string text = "'many\r\n";
    for (int i = 1; i <= 101; ++i) text += "H 1 " + std::to_string(i) + " 3 Si1\r\n";
    WorkingState s;
    OpenTargetResult r = OpenTargetFromText(s, text);
    EXPECT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_EQ(NoticeTexts(r.notices),
              std::vector<std::string>{"Only the first 100 data sets were read."});
    EXPECT_EQ(s.DataSetCount, 100);
    EXPECT_EQ(s.CurrentDataSet, 100);
    EXPECT_EQ(s.DataSets[100].IonEnergy, 100.0f);

    // Exactly 100 lines and comments after them: nothing kept back.
    text = "";
    for (int i = 1; i <= 100; ++i) text += "H 1 " + std::to_string(i) + " 3 Si1\r\n";
    r = OpenTargetFromText(s, text + "'end\r\n\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(s.DataSetCount, 100);

    // The 101st line is not read at all, so its bad symbol does not count.
    r = OpenTargetFromText(s, text + "Xyz 1 2 3 Si1\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(s.DataSets[100].IonName, "H");
}

TEST(OpenTargetFromText, KeepsTheFirstTenElements) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s, "H 1 2 3 Si1\r\nH 1 2 3 H1He2Li3Be4B5C6N7O8F9Ne10Na11\r\n");
    EXPECT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_EQ(NoticeTexts(r.notices),
              std::vector<std::string>{"Data set 2: only the first 10 target elements were read."});
    const DataSet& d = s.DataSets[2];
    ASSERT_EQ(d.ElementCount, 10);
    EXPECT_EQ(d.TargetElement[1], "H");
    EXPECT_EQ(d.TargetElement[10], "Ne");
    EXPECT_EQ(d.TargetRatio[10], 10.0f);
}

TEST(OpenTargetFromText, WithoutDataLineChangesNothing) {
    for (const char* text : {"", "'only\r\n'comments\r\n", "\r\n   \r\n\n\r", "   '"}) {
        WorkingState s = FiveDataSetsWithResults();
        const OpenTargetResult r = OpenTargetFromText(s, text);
        EXPECT_EQ(r.status, OpenTargetStatus::NoDataLine) << text;
        EXPECT_EQ(s.DataSetCount, 5);
        EXPECT_EQ(s.CurrentDataSet, 3);
        EXPECT_EQ(s.DataSets[5].IonName, "Ar");
        EXPECT_EQ(s.DataSets[5].StopEvAtoms, 50.0f);
    }
}

TEST(OpenTarget, UnreadableFileChangesNothing) {
    const std::string missing = test::ScratchPath("missing.fta");
    for (const std::string& path : {missing, test::ScratchPath("folder")}) {
        if (path != missing) std::filesystem::create_directories(path);
        WorkingState s = FiveDataSetsWithResults();
        const OpenTargetResult r = OpenTarget(s, path);
        EXPECT_EQ(r.status, OpenTargetStatus::CannotOpen) << path;
        EXPECT_NE(DescribeFileError(r.error).find(path), std::string::npos)
            << DescribeFileError(r.error);
        EXPECT_EQ(s.DataSetCount, 5);
        EXPECT_EQ(s.DataSets[1].StopEvAtoms, 10.0f);
    }
}

}  // namespace
}  // namespace fenra
