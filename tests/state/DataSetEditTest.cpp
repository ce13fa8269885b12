// An edit of a data set's inputs: results that answer other inputs go, an edit that changes
// nothing keeps them, and the material text stays only with the target it filled.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "state/DataSet.h"

namespace fenra {
namespace {

// Helium at 2000 keV in mylar, calculated, its target filled from the name.
DataSet CalculatedMylar() {
    DataSet d;
    d.IonName = "He";
    d.IonMass = 4.0026f;
    d.IonEnergy = 2000;
    d.Range = 100000;
    d.ElementCount = 3;
    const char* symbols[] = {"C", "H", "O"};
    const float ratios[] = {10, 8, 4};
    for (int j = 1; j <= 3; ++j) {
        d.TargetElement[j] = symbols[j - 1];
        d.TargetRatio[j] = ratios[j - 1];
    }
    d.TargetElement[4] = "H";  // a slot beyond the target, as the window shows it
    d.TargetName = "C10H8O4";
    d.MaterialText = "mylar";
    d.StopEvAtoms = 61.5f;
    d.StopKevMg = 1234.5f;
    d.Calculated = true;
    return d;
}

struct EditCase {
    const char* name;
    std::function<void(DataSet&)> edit;
    bool resultsStay;
    bool materialStays;
};

class DataSetEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(DataSetEdit, KeepsOnlyWhatStillHolds) {
    const EditCase& c = GetParam();
    DataSet d = CalculatedMylar();
    EditInputs(d, c.edit);
    if (c.resultsStay) {
        EXPECT_TRUE(d.Calculated);
        EXPECT_EQ(d.StopEvAtoms, 61.5f);
        EXPECT_EQ(d.StopKevMg, 1234.5f);
        EXPECT_EQ(d.TargetName, "C10H8O4");
        EXPECT_TRUE(HasResultsToShow(d));
    } else {
        // As a data set never calculated: no result, no composition text.
        EXPECT_FALSE(d.Calculated);
        EXPECT_EQ(d.StopEvAtoms, 0);
        EXPECT_EQ(d.StopKevMg, 0);
        EXPECT_EQ(d.StopEvA, 0);
        EXPECT_EQ(d.StopKevUm, 0);
        EXPECT_EQ(d.TargetName, "");
        EXPECT_FALSE(HasResultsToShow(d));
    }
    EXPECT_EQ(d.MaterialText, c.materialStays ? "mylar" : "");
}

const EditCase kEdits[] = {
    {"Energy", [](DataSet& d) { d.IonEnergy = 3000; }, false, true},
    {"Mass", [](DataSet& d) { d.IonMass = 4; }, false, true},
    {"Ion", [](DataSet& d) { d.IonName = "Li"; }, false, true},
    {"Range", [](DataSet& d) { d.Range = 5000; }, false, true},
    {"Ratio", [](DataSet& d) { d.TargetRatio[2] = 9; }, false, false},
    {"Element", [](DataSet& d) { d.TargetElement[1] = "N"; }, false, false},
    {"SlotAdded", [](DataSet& d) { d.ElementCount = 4; }, false, false},
    // The same value stored again (a key that changes nothing), and a slot beyond the target.
    {"SameEnergy", [](DataSet& d) { d.IonEnergy = 2000; }, true, true},
    {"SameRatio", [](DataSet& d) { d.TargetRatio[1] = 10; }, true, true},
    {"SlotBeyondTarget", [](DataSet& d) { d.TargetElement[4] = "Au"; }, true, true},
    {"RatioBeyondTarget", [](DataSet& d) { d.TargetRatio[5] = 3; }, true, true},
    // Edited and put back within one edit: the inputs are the calculated ones.
    {"Restored",
     [](DataSet& d) {
         d.IonEnergy = 1;
         d.IonEnergy = 2000;
     },
     true, true},
};

INSTANTIATE_TEST_SUITE_P(Inputs, DataSetEdit, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// Once forgotten, results stay forgotten: editing the value back is no calculation.
TEST(DataSetEdit, EditingBackDoesNotBringResultsBack) {
    DataSet d = CalculatedMylar();
    EditInputs(d, [](DataSet& x) { x.IonEnergy = 3000; });
    EditInputs(d, [](DataSet& x) { x.IonEnergy = 2000; });
    EXPECT_FALSE(HasResultsToShow(d));
    EXPECT_EQ(d.TargetName, "");
}

TEST(DataSetEdit, SameInputsIgnoresResultsAndSlotsBeyondTheTarget) {
    const DataSet a = CalculatedMylar();
    DataSet b = a;
    b.StopEvAtoms = 0;
    b.TargetName.clear();
    b.MaterialText = "C10H8O4";
    b.TargetElement[7] = "U";
    EXPECT_TRUE(SameInputs(a, b));
    EXPECT_TRUE(SameTarget(a, b));
    b.Range = 1;
    EXPECT_FALSE(SameInputs(a, b));
    EXPECT_TRUE(SameTarget(a, b));
}

}  // namespace
}  // namespace fenra
