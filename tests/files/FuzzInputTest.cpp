// Inputs the fuzzer found or started from, and a few hostile ones of our own: whatever the
// bytes, reading them keeps the working state within its limits.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "files/FileTestSupport.h"
#include "files/TargetFile.h"

namespace fenra {
namespace {

void ExpectWithinLimits(const std::string& bytes, const std::string& name) {
    auto s = std::make_unique<WorkingState>();
    InitWorkingState(*s, "/");
    const OpenTargetResult r = OpenTargetFromText(*s, bytes);
    if (r.status == OpenTargetStatus::NoDataLine) {
        EXPECT_EQ(s->DataSetCount, 1) << name;
        EXPECT_EQ(s->DataSets[1].IonEnergy, 1000.0f) << name;
    }
    if (r.status == OpenTargetStatus::InvalidElement) {
        EXPECT_GE(r.badLine, 1) << name;
    }
    EXPECT_GE(s->DataSetCount, 1) << name;
    EXPECT_LE(s->DataSetCount, kMaxDataSets) << name;
    EXPECT_GE(s->CurrentDataSet, 1) << name;
    EXPECT_LE(s->CurrentDataSet, s->DataSetCount) << name;
    for (int i = 1; i <= kMaxDataSets; ++i) {
        EXPECT_GE(s->DataSets[i].ElementCount, 0) << name << " data set " << i;
        EXPECT_LE(s->DataSets[i].ElementCount, kMaxTargetSlots) << name << " data set " << i;
    }
}

TEST(FuzzInputs, StoredInputsStayWithinLimits) {
    int files = 0;
    for (const char* folder : {"/fuzz/regressions", "/fuzz/seeds"}) {
        const std::filesystem::path dir = std::string(FENRA_SOURCE_DIR) + folder;
        if (!std::filesystem::is_directory(dir)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            ExpectWithinLimits(test::ReadBytes(entry.path().string()), entry.path().string());
            ++files;
        }
    }
    EXPECT_GE(files, 1) << "the seeds at least are kept in the repository";
}

TEST(FuzzInputs, HostileBytesStayWithinLimits) {
    std::string manyLines;
    for (int i = 0; i < 300; ++i) manyLines += "\x01\r";
    std::string manyElements = "H 1 2 3 ";
    for (int i = 0; i < 500; ++i) manyElements += "X" + std::to_string(i);
    const std::string inputs[] = {
        std::string("\0\0\0", 3),
        manyLines,
        manyElements,
        std::string(10000, '1'),
        "H 1 2 3 " + std::string(5000, '.'),
        "'\r\r\r\n\n\nH",
        "\xff\xfe 1 2 3 \xff"
        "1",
        "H 1 2 3 Si1\r\n" + std::string(3, '\0') + " 1 2 3 Si1",
    };
    for (const std::string& in : inputs) ExpectWithinLimits(in, in.substr(0, 20));
}

}  // namespace
}  // namespace fenra
