// The words fenra32-calc makes of the core's outcomes, for those no run of the program shows in
// the other tests: the reasons given when the system gave no errno, and the rarer notices.

#include <gtest/gtest.h>

#include <cerrno>

#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

FileError Error(FileAction a, int err, FileFault f = FileFault::System) {
    FileError e = MakeFileError(a, "/d/x.Fre", err, f);
    e.folder = "/d";
    e.other = "/d/.x.Fre.Ab12Cd";
    e.line = 12;
    return e;
}

TEST(DescribeFileError, EachStepHasItsOwnReasonWithoutErrno) {
    EXPECT_EQ(DescribeFileError(Error(FileAction::ReadLink, 0)),
              "Cannot read the link /d/x.Fre: unreadable link");
    EXPECT_EQ(DescribeFileError(Error(FileAction::OpenToWrite, 0)),
              "Cannot open /d/x.Fre: cannot open");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Write, 0)), "Cannot write /d/x.Fre: write error");
    EXPECT_EQ(DescribeFileError(Error(FileAction::CreateTemporary, 0)),
              "Cannot create a temporary file in /d to write /d/x.Fre: cannot create");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Replace, 0)),
              "Cannot replace /d/x.Fre: rename failed");
    EXPECT_EQ(DescribeFileError(Error(FileAction::OpenToRead, 0)),
              "Cannot open /d/x.Fre: read error");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Read, 0)), "Cannot read /d/x.Fre: read error");
    EXPECT_EQ(DescribeFileError(FileError{}), "");
}

TEST(DescribeFileError, TheSystemsReasonWhenThereIsOne) {
    EXPECT_EQ(DescribeFileError(Error(FileAction::Write, ELOOP)),
              "Cannot write /d/x.Fre: Too many levels of symbolic links");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Replace, EXDEV)),
              "Cannot replace /d/x.Fre: Invalid cross-device link");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Replace, ENOENT, FileFault::TemporaryRemoved)),
              "Cannot replace /d/x.Fre: the temporary file /d/.x.Fre.Ab12Cd was removed by "
              "another program before it could take its place");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Write, 0, FileFault::NoSlab)),
              "Cannot write /d/x.Fre: a curve needs at least one slab");
}

// The window's settings file, word for word as the status bar showed it.
TEST(SettingsProblems, EachSentence) {
    const struct {
        Message said;
        const char* words;
    } cases[] = {
        {SettingsNotHeldSentence(),
         "The settings could not be held in a temporary folder; the defaults are used and "
         "changes are not saved."},
        {SettingsKeptAsideSentence("/c/f.ini", "/c/f.ini.unreadable"),
         "The settings file \"/c/f.ini\" could not be read and was kept as "
         "\"/c/f.ini.unreadable\"; the defaults are used."},
        {SettingsUnreadableSentence("/c/%1.ini"),
         "The settings file \"/c/%1.ini\" could not be read; the defaults are used and changes "
         "are not saved."},
        {SettingsNotSavedSentence(Error(FileAction::Write, ENOSPC)),
         "The settings could not be saved: Cannot write /d/x.Fre: No space left on device."},
    };
    for (const auto& c : cases) EXPECT_EQ(Words(c.said), c.words);
}

TEST(DescribeFileError, ATextRefusedFromAFileNamesTheFileFirst) {
    EXPECT_EQ(DescribeFileError(Error(FileAction::Read, 0, FileFault::LineTooLong)),
              "/d/x.Fre: line 12 is longer than 65536 characters: this is not a target file.");
    EXPECT_EQ(DescribeFileError(Error(FileAction::Read, 0, FileFault::Utf16Text)),
              "/d/x.Fre: the file is not a plain text target file: it holds UTF-16 text.");
}

TEST(DescribeTargetNotice, NamesTheFieldAndTheElementOfARatio) {
    TargetNotice n;
    n.kind = TargetNoticeKind::NotWhollyNumber;
    n.line = 3;
    n.field = TargetField::Ratio;
    n.symbol = "Si";
    n.text = "1,5";
    n.value = 1;
    EXPECT_EQ(DescribeTargetNotice(n),
              "line 3: the ratio of Si \"1,5\" is not wholly a number; it was read as 1.");
    n.kind = TargetNoticeKind::BeyondSingle;
    n.field = TargetField::Range;
    n.symbol.clear();
    n.text = "1e39";
    n.value = 0;
    EXPECT_EQ(DescribeTargetNotice(n),
              "line 3: the range \"1e39\" is beyond the range of a Single; it was read as 0.");
}

TEST(DescribeCalcResult, TheRefusalsOfEachValue) {
    CalcResult r;
    r.outcome = CalcOutcome::MassBelowZero;
    r.value = -0.5f;
    EXPECT_EQ(DescribeCalcResult(9, r), "Data set 9: the ion mass -0.5 amu is below 0.");
    r.outcome = CalcOutcome::FloatingPointFault;
    r.value = 3e38f;
    EXPECT_EQ(DescribeCalcResult(9, r),
              "Data set 9: the stopping power at 3E+38 keV is beyond the range of the numbers "
              "the program holds.");
    r.outcome = CalcOutcome::MissingCoefficients;
    r.symbol = "Fe";
    r.table = CoefficientTable::PCoef;
    r.atomNum = 26;
    EXPECT_EQ(DescribeCalcResult(9, r),
              "Data set 9: the element database has no \"PCoef\" record for \"Fe\" (atomic "
              "number 26).");
    r.outcome = CalcOutcome::RatiosAddToZero;
    EXPECT_EQ(DescribeCalcResult(9, r),
              "Data set 9: the ratios of the target elements add up to 0.");
}

// The limits of a target, said by the window and the Python module in the same words, each
// from one translatable template filled with the limit.
TEST(LimitSentences, SayTheLimitOfATarget) {
    const Message sets = TooManyDataSetsSentence();
    EXPECT_EQ(Words(sets), "Number of target can't exceed 100");
    EXPECT_STREQ(sets.text, "Number of target can't exceed %1");
    const Message elements = TooManyElementsSentence();
    EXPECT_EQ(Words(elements), "A data set holds at most 10 target elements.");
    EXPECT_STREQ(elements.text, "A data set holds at most %1 target elements.");
}

}  // namespace
}  // namespace fenra
