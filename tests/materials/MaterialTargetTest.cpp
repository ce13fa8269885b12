// A material text put into a data set's target gives the data set, file line and report row of
// the same target picked by hand in the main window.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "calc/CalculateDataSet.h"
#include "files/ResultReport.h"
#include "files/TargetFile.h"
#include "materials/MaterialTarget.h"
#include "state/CompositionText.h"
#include "state/NumberText.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

// What the main window does, slot by slot: the element list stores the chosen symbol; a key
// release in the ratio field counts the next free slot and stores the field's leading number.
void PickByHand(DataSet& d, const std::vector<std::pair<std::string, std::string>>& picks) {
    int j = 0;
    for (const auto& [symbol, ratioText] : picks) {
        ++j;
        d.TargetElement[j] = Db().FindElementBySymbol(symbol)->Symbol;
        if (j == d.ElementCount + 1) d.ElementCount = static_cast<int16_t>(j);
        d.TargetRatio[j] = LeadingNumberAsSingle(ratioText);
    }
}

// A working state of one data set as "Add target" leaves it, with another ion and energy.
WorkingState OneNewDataSet() {
    WorkingState s;
    InitWorkingState(s, "/tmp/");
    SetNewDataSetDefaults(s.DataSets[1]);
    s.DataSets[1].IonName = "He";
    s.DataSets[1].IonMass = 4.0026f;
    s.DataSets[1].IonEnergy = 2000;
    return s;
}

void ExpectSameDataSet(const DataSet& a, const DataSet& b) {
    EXPECT_EQ(a.IonName, b.IonName);
    EXPECT_EQ(a.IonMass, b.IonMass);
    EXPECT_EQ(a.IonEnergy, b.IonEnergy);
    EXPECT_EQ(a.Range, b.Range);
    EXPECT_EQ(a.ElementCount, b.ElementCount);
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        EXPECT_EQ(a.TargetElement[j], b.TargetElement[j]) << "slot " << j;
        EXPECT_EQ(a.TargetRatio[j], b.TargetRatio[j]) << "slot " << j;
    }
    EXPECT_EQ(a.TargetName, b.TargetName);
    EXPECT_EQ(a.StopEvAtoms, b.StopEvAtoms);
}

void ExpectLikeHandPicked(const std::string& text,
                          const std::vector<std::pair<std::string, std::string>>& picks) {
    SCOPED_TRACE(text);
    WorkingState byHand = OneNewDataSet();
    WorkingState byText = OneNewDataSet();
    PickByHand(byHand.DataSets[1], picks);
    const TargetFill fill = FillTargetFromMaterial(byText.DataSets[1], text, Db(), List());
    ASSERT_TRUE(fill.filled) << Words(fill.message);
    EXPECT_TRUE(fill.message.Empty());
    ExpectSameDataSet(byText.DataSets[1], byHand.DataSets[1]);
    EXPECT_EQ(TargetFileText(byText), TargetFileText(byHand));
    ASSERT_EQ(CalculateDataSet(byHand.DataSets[1], Db()).outcome, CalcOutcome::Calculated);
    ASSERT_EQ(CalculateDataSet(byText.DataSets[1], Db()).outcome, CalcOutcome::Calculated);
    EXPECT_EQ(ResultReportText(byText), ResultReportText(byHand));
}

TEST(FillTargetFromMaterial, GivesTheHandPickedDataSetFileLineAndReportRow) {
    ExpectLikeHandPicked("H2O", {{"H", "2"}, {"O", "1"}});
    ExpectLikeHandPicked("mylar", {{"C", "10"}, {"H", "8"}, {"O", "4"}});
    ExpectLikeHandPicked("Bi4Ge3O12", {{"Bi", "4"}, {"Ge", "3"}, {"O", "12"}});
    ExpectLikeHandPicked(" Si ", {{"Si", "1"}});
    ExpectLikeHandPicked("C1H1.5", {{"C", "1"}, {"H", "1.5"}});
    ExpectLikeHandPicked("(C1.1H)3", {{"C", "3.3"}, {"H", "3"}});
}

TEST(FillTargetFromMaterial, BigMaterialWritesTheExpectedLineAndReportRow) {
    WorkingState s = OneNewDataSet();
    ASSERT_TRUE(FillTargetFromMaterial(s.DataSets[1], "mylar", Db(), List()).filled);
    const std::string file = TargetFileText(s);
    EXPECT_NE(file.find("C10H8O4\r\n"), std::string::npos) << file;
    ASSERT_EQ(CalculateDataSet(s.DataSets[1], Db()).outcome, CalcOutcome::Calculated);
    EXPECT_EQ(s.DataSets[1].TargetName, "C10H8O4");
}

TEST(FillTargetFromMaterial, ReplacesALargerTargetWithoutLeftoverSlots) {
    WorkingState s = OneNewDataSet();
    PickByHand(s.DataSets[1], {{"Si", "1"}, {"O", "2"}, {"Al", "3"}});
    const TargetFill fill = FillTargetFromMaterial(s.DataSets[1], "water", Db(), List());
    ASSERT_TRUE(fill.filled);
    EXPECT_DOUBLE_EQ(fill.material.density, List().Find("water")->density);
    const DataSet& d = s.DataSets[1];
    EXPECT_EQ(d.ElementCount, 2);
    EXPECT_EQ(d.TargetRatio[3], 0.0f);
    EXPECT_EQ(d.TargetElement[3], "Al");  // an uncounted slot's symbol is not part of the target
    EXPECT_EQ(CompositionText(d, CompositionEnd::FirstZeroRatio), "H2O1");
    ASSERT_EQ(CalculateDataSet(s.DataSets[1], Db()).outcome, CalcOutcome::Calculated);
    EXPECT_EQ(d.TargetName, "H2O1");
}

TEST(FillTargetFromMaterial, RefusalGivesTheParsersMessageAndLeavesTheDataSet) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"H2O)", "the formula \"H2O)\" has an unmatched ')' at character 4"},
        {"Xx3", "the formula \"Xx3\" has the unknown element symbol \"Xx\" at character 1"},
        {"HHeLiBeBCNOFNeNa",
         "the formula \"HHeLiBeBCNOFNeNa\" has more than 10 elements: the 11th is \"Na\""},
        {"unobtainium",
         "the material \"unobtainium\" is neither an element symbol, a formula "
         "nor a listed material"},
        {"", "the formula \"\" is empty"},
        {"H1000000000000000000000000000000000000000000O",
         "the ratio of \"H\" in \"H1000000000000000000000000000000000000000000O\" is too small "
         "or too large for a target ratio"},
    };
    for (const Case& c : cases) {
        WorkingState s = OneNewDataSet();
        PickByHand(s.DataSets[1], {{"Si", "1"}, {"O", "2"}});
        const DataSet before = s.DataSets[1];
        const TargetFill fill = FillTargetFromMaterial(s.DataSets[1], c.text, Db(), List());
        EXPECT_FALSE(fill.filled) << c.text;
        EXPECT_EQ(Words(fill.message), c.message);
        ExpectSameDataSet(s.DataSets[1], before);
    }
}

TEST(TargetMaterialText, ResolvesToTheSameSlotsAndRatios) {
    DataSet d;
    PickByHand(d, {{"C", "10"}, {"H", "0.1"}, {"O", "1.2345678"}});
    EXPECT_EQ(TargetMaterialText(d), "C10H0.1O1.2345678");
    DataSet back;
    ASSERT_TRUE(FillTargetFromMaterial(back, TargetMaterialText(d), Db(), List()).filled);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(back.TargetRatio[j], d.TargetRatio[j]);

    DataSet si;
    PickByHand(si, {{"Si", "3"}});
    EXPECT_EQ(TargetMaterialText(si), "Si");  // so that it takes the table's density
    EXPECT_EQ(TargetMaterialText(DataSet{}), "");
}

}  // namespace
}  // namespace fenra
