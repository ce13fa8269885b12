#include <gtest/gtest.h>

#include "calc/CalcTestSupport.h"
#include "calc/CalculateDataSet.h"

namespace fenra {
namespace {

TEST(DataSetDisplay, MassPassesThroughItsSevenDigitText) {
    WorkingState s = OneDataSet("H", 1.0078251f, 1000, {{"Si", 1}});
    ApplyDataSetDisplay(s.DataSets[1], TestDatabase());
    EXPECT_EQ(s.DataSets[1].IonMass, 1.007825f);

    for (float kept : {1.008f, 0.0f, 238.04f, 4.0026f}) {
        s.DataSets[1].IonMass = kept;
        ApplyDataSetDisplay(s.DataSets[1], TestDatabase());
        EXPECT_EQ(s.DataSets[1].IonMass, kept);
    }
}

TEST(DataSetDisplay, SlotsBeyondTheTargetShowTheFirstElement) {
    WorkingState s = OneDataSet("He", 4.0026f, 2000, {{"Si", 1}, {"O", 2}});
    DataSet& d = s.DataSets[1];
    d.TargetElement[3] = "Au";
    d.TargetRatio[3] = 7;
    d.TargetElement[10] = "";
    ApplyDataSetDisplay(s.DataSets[1], TestDatabase());
    EXPECT_EQ(d.IonName, "He");
    EXPECT_EQ(d.TargetElement[1], "Si");
    EXPECT_EQ(d.TargetElement[2], "O");
    for (int j = 3; j <= 10; ++j) EXPECT_EQ(d.TargetElement[j], "H") << j;
    EXPECT_EQ(d.TargetRatio[3], 7);  // ratios are not touched
    EXPECT_EQ(d.ElementCount, 2);
    EXPECT_EQ(d.IonEnergy, 2000);
}

TEST(DataSetDisplay, SymbolsNotInTheTableStayAsTheyAre) {
    WorkingState s = OneDataSet("Xx", 1, 1000, {{"Qq", 1}, {"Si", 1}});
    ApplyDataSetDisplay(s.DataSets[1], TestDatabase());
    EXPECT_EQ(s.DataSets[1].IonName, "Xx");
    EXPECT_EQ(s.DataSets[1].TargetElement[1], "Qq");
    EXPECT_EQ(s.DataSets[1].TargetElement[2], "Si");
    EXPECT_EQ(s.DataSets[1].TargetElement[3], "H");

    // A data set without a target shows the first element in every slot.
    s.DataSets[1].ElementCount = 0;
    ApplyDataSetDisplay(s.DataSets[1], TestDatabase());
    EXPECT_EQ(s.DataSets[1].TargetElement[1], "H");
}

}  // namespace
}  // namespace fenra
