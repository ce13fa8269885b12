// The batch calculator's steps on a target file, as other callers (the Python module) take them:
// the texts of its messages and the kind of fault each one reports.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "batch/TargetRun.h"
#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

const ElementDatabase& Db() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    return db;
}

// A working state holding one data set of the given target text ("Si1", "Xx1").
WorkingState OneDataSet(const std::string& target, float energy = 5000) {
    WorkingState s;
    InitWorkingState(s, "");
    const std::string line = "He             0           " + std::to_string(energy) +
                             "    100000       " + target + "\r\n";
    EXPECT_EQ(OpenTargetFromText(s, "'h\r\n" + line).status, OpenTargetStatus::Read);
    return s;
}

TEST(CalculateShownDataSet, CalculatesAsTheWindowShowsIt) {
    WorkingState s = OneDataSet("Si1");
    EXPECT_FALSE(CalculateShownDataSet(s, Db(), 1).has_value());
    EXPECT_GT(s.DataSets[1].StopEvAtoms, 0);
    EXPECT_EQ(s.CurrentDataSet, 1);
    // The mass 0 became the mass of the ion's most abundant isotope.
    EXPECT_EQ(s.DataSets[1].IonMass, Db().FindElementBySymbol("He")->MAIW);
}

TEST(CalculateShownDataSet, AnUnknownSymbolIsAnUnknownName) {
    WorkingState s = OneDataSet("Xx1");
    const std::optional<RunMessage> m = CalculateShownDataSet(s, Db(), 1);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->fault, RunFault::UnknownName);
    EXPECT_EQ(m->text, "Data set 1: the element \"Xx\" is not in the element database.");
}

TEST(CalculateShownDataSet, AMissingSymbolOrARatioOfZeroIsABadInput) {
    WorkingState s = OneDataSet("Si1");
    s.DataSets[1].TargetElement[1] = "  ";
    std::optional<RunMessage> m = CalculateShownDataSet(s, Db(), 1);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->fault, RunFault::BadInput);
    EXPECT_EQ(m->text, "Data set 1: target 1 has no element symbol.");

    s = OneDataSet("Si0");
    m = CalculateShownDataSet(s, Db(), 1);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->fault, RunFault::BadInput);
    EXPECT_EQ(m->text, "Data set 1: its one target element has ratio 0; nothing was calculated.");
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, 0);
}

class TargetRunFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("fenra_run_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& bytes) const {
        const std::string path = (dir_ / "t.fta").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

TEST_F(TargetRunFiles, AnUnreadableFileGivesNothingToCalculate) {
    WorkingState s;
    std::vector<RunMessage> messages;
    const std::string missing = (dir_ / "none.fta").string();
    EXPECT_FALSE(ReadTargetForRun(s, missing, &messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].fault, RunFault::Unreadable);
    EXPECT_NE(messages[0].text.find(missing), std::string::npos);
}

TEST_F(TargetRunFiles, NoDataLineGivesNothingToCalculate) {
    WorkingState s;
    std::vector<RunMessage> messages;
    const std::string path = Write("'only a comment\r\n");
    EXPECT_FALSE(ReadTargetForRun(s, path, &messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].fault, RunFault::BadInput);
    EXPECT_EQ(messages[0].text, path + ": " + kNoDataLineMessage);
}

TEST_F(TargetRunFiles, TheDataSetsBeforeAnInvalidElementStay) {
    WorkingState s;
    std::vector<RunMessage> messages;
    const std::string path = Write("'h\r\nH 0 100 100000 Si1\r\nH 0 100 100000 Siii1\r\n");
    EXPECT_TRUE(ReadTargetForRun(s, path, &messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].fault, RunFault::BadInput);
    EXPECT_EQ(messages[0].text, path + ", line 3: Invalid element !! (\"Siii\")");
    EXPECT_EQ(s.DataSetCount, 2);
}

}  // namespace
}  // namespace fenra
