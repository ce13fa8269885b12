// What the target-file reader reports besides the data sets, as values: the kind, where in the
// file, and the text and the number read.

#include <gtest/gtest.h>

#include "files/LineReader.h"
#include "files/TargetFile.h"

namespace fenra {
namespace {

TEST(TargetNotice, ANumberReadOtherwiseThanWrittenSaysWhereAndWhat) {
    WorkingState s;
    // Ratios are runs of digits and points: only one beyond the range of a Single is said.
    const std::string huge = "1" + std::string(39, '0');
    const OpenTargetResult r =
        OpenTargetFromText(s, "' head\r\nH 1 2 3 Si1\r\nHe 4,0 1e39 3 Si" + huge + "O2\r\n");
    ASSERT_EQ(r.status, OpenTargetStatus::Read);
    EXPECT_TRUE(r.notices.empty());
    ASSERT_EQ(r.warnings.size(), 3u);
    const TargetNotice& mass = r.warnings[0];
    EXPECT_EQ(mass.kind, TargetNoticeKind::NotWhollyNumber);
    EXPECT_EQ(mass.line, 3);
    EXPECT_EQ(mass.dataSet, 2);
    EXPECT_EQ(mass.field, TargetField::Mass);
    EXPECT_EQ(mass.text, "4,0");
    EXPECT_EQ(mass.value, 4.0f);
    EXPECT_EQ(r.warnings[1].kind, TargetNoticeKind::BeyondSingle);
    EXPECT_EQ(r.warnings[1].field, TargetField::Energy);
    EXPECT_EQ(r.warnings[1].value, 0.0f);
    const TargetNotice& ratio = r.warnings[2];
    EXPECT_EQ(ratio.kind, TargetNoticeKind::BeyondSingle);
    EXPECT_EQ(ratio.field, TargetField::Ratio);
    EXPECT_EQ(ratio.symbol, "Si");
    EXPECT_EQ(ratio.text, huge);
    EXPECT_EQ(ratio.value, 0.0f);
}

TEST(TargetNotice, WhatWasKeptBackNamesItsDataSet) {
    WorkingState s;
    const OpenTargetResult r =
        OpenTargetFromText(s, "H 1 2 3 Si1\r\nH 1 2 3 H1He2Li3Be4B5C6N7O8F9Ne10Na11\r\n");
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].kind, TargetNoticeKind::ElementsKeptBack);
    EXPECT_EQ(r.notices[0].dataSet, 2);
}

TEST(TargetNotice, ARefusedTextSaysWhyWithoutAPathWhenItCameFromNoFile) {
    WorkingState s;
    const std::string text = "' ok\r\n" + std::string(kMaxLineBytes + 1, 'x') + "\r\n";
    const OpenTargetResult r = OpenTargetFromText(s, text);
    EXPECT_EQ(r.status, OpenTargetStatus::NotText);
    EXPECT_EQ(r.error.action, FileAction::Read);
    EXPECT_EQ(r.error.fault, FileFault::LineTooLong);
    EXPECT_EQ(r.error.line, 2);
    EXPECT_TRUE(r.error.path.empty());
}

}  // namespace
}  // namespace fenra
