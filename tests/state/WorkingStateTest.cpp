// Clearing, new data set defaults, the start-up state and the curve window's copy.

#include <gtest/gtest.h>

#include <memory>

#include "state/CurveSnapshot.h"
#include "state/WorkingState.h"

namespace fenra {
namespace {

// Every field of a data set set to something that is not zero or empty.
void FillWithJunk(DataSet& d, int n) {
    d.IonName = "Xx";
    d.IonMass = 7.5f + n;
    d.IonEnergy = 123;
    d.Range = 456;
    d.ElementCount = 10;
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        d.TargetElement[j] = "Si";
        d.TargetRatio[j] = 0.25f * j;
    }
    d.TargetName = "Si1O2";
    d.MaterialText = "silica";
    d.StopEvAtoms = 11;
    d.StopKevMg = 12;
    d.StopEvA = 13;
    d.StopKevUm = 14;
}

void ExpectEmpty(const DataSet& d, int n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(d.IonName, "");
    EXPECT_EQ(d.IonMass, 0);
    EXPECT_EQ(d.IonEnergy, 0);
    EXPECT_EQ(d.Range, 0);
    EXPECT_EQ(d.ElementCount, 0);
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        EXPECT_EQ(d.TargetElement[j], "");
        EXPECT_EQ(d.TargetRatio[j], 0);
    }
    EXPECT_EQ(d.TargetName, "");
    EXPECT_EQ(d.MaterialText, "");
    EXPECT_EQ(d.StopEvAtoms, 0);
    EXPECT_EQ(d.StopKevMg, 0);
    EXPECT_EQ(d.StopEvA, 0);
    EXPECT_EQ(d.StopKevUm, 0);
}

// The state is large; keep it off the test's stack.
std::unique_ptr<WorkingState> DirtyState() {
    auto s = std::make_unique<WorkingState>();
    for (int i = 1; i <= kMaxDataSets; ++i) FillWithJunk(s->DataSets[i], i);
    s->DataSetCount = 7;
    s->CurrentDataSet = 3;
    s->AppPath = "/old/";
    return s;
}

TEST(ClearDataSets, EmptiesAllHundredResultsIncluded) {
    auto s = DirtyState();
    ClearDataSets(*s);
    for (int i = 1; i <= kMaxDataSets; ++i) ExpectEmpty(s->DataSets[i], i);
    // Only the table: the caller sets the counters afterwards.
    EXPECT_EQ(s->DataSetCount, 7);
    EXPECT_EQ(s->CurrentDataSet, 3);
    EXPECT_EQ(s->AppPath, "/old/");
}

TEST(NewDataSetDefaults, ProtonIntoHydrogen) {
    DataSet d;
    SetNewDataSetDefaults(d);
    EXPECT_EQ(d.IonName, "H");
    EXPECT_EQ(d.IonMass, 1.008f);
    EXPECT_EQ(d.IonEnergy, 1000.0f);
    EXPECT_EQ(d.Range, 100000.0f);
    EXPECT_EQ(d.ElementCount, 1);
    EXPECT_EQ(d.TargetElement[1], "H");
    EXPECT_EQ(d.TargetRatio[1], 1.0f);
    EXPECT_EQ(d.TargetElement[2], "");
    EXPECT_EQ(d.StopEvAtoms, 0);
}

TEST(NewDataSetDefaults, OtherFieldsKeepTheirValues) {
    DataSet d;
    FillWithJunk(d, 0);
    SetNewDataSetDefaults(d);
    EXPECT_EQ(d.ElementCount, 1);
    EXPECT_EQ(d.TargetRatio[1], 1.0f);
    EXPECT_EQ(d.TargetElement[2], "Si");
    EXPECT_EQ(d.TargetRatio[2], 0.5f);
    EXPECT_EQ(d.TargetName, "Si1O2");
    EXPECT_EQ(d.StopKevUm, 14);
    EXPECT_EQ(d.MaterialText, "");  // the new target came from no text
}

TEST(FirstDataSetDefaults, StartEnergyRangeAndOneSlotWithoutRatio) {
    DataSet d;
    FillWithJunk(d, 0);
    SetFirstDataSetDefaults(d);
    EXPECT_EQ(d.IonEnergy, 1000.0f);
    EXPECT_EQ(d.Range, 100000.0f);
    EXPECT_EQ(d.ElementCount, 1);
    EXPECT_EQ(d.TargetRatio[1], 0.0f);
    // The ion and the symbols are the window's to set.
    EXPECT_EQ(d.TargetElement[2], "Si");
    EXPECT_EQ(d.TargetName, "Si1O2");
}

TEST(InitWorkingState, StartValues) {
    auto s = DirtyState();
    InitWorkingState(*s, "/opt/fenra");
    EXPECT_EQ(s->DataSetCount, 1);
    EXPECT_EQ(s->CurrentDataSet, 1);
    EXPECT_EQ(s->AppPath, "/opt/fenra/");

    const DataSet& first = s->DataSets[1];
    EXPECT_EQ(first.IonEnergy, 1000.0f);
    EXPECT_EQ(first.Range, 100000.0f);
    EXPECT_EQ(first.ElementCount, 1);
    EXPECT_EQ(first.TargetRatio[1], 0.0f);  // until the user enters a ratio
    // The ion and target symbols are the caller's, from the element list.
    EXPECT_EQ(first.IonName, "");
    EXPECT_EQ(first.IonMass, 0.0f);
    EXPECT_EQ(first.StopEvAtoms, 0.0f);
    for (int i = 2; i <= kMaxDataSets; ++i) ExpectEmpty(s->DataSets[i], i);
}

TEST(InitWorkingState, AppPathEndsInSeparator) {
    WorkingState s;
    InitWorkingState(s, "/opt/fenra/");
    EXPECT_EQ(s.AppPath, "/opt/fenra/");
    EXPECT_EQ(WithTrailingSeparator("/opt/fenra"), "/opt/fenra/");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("bin"), "bin/");
    EXPECT_EQ(WithTrailingSeparator(""), "./");  // not the root
}

TEST(SetCurveIon, TakesTheIonValuesOfTheDataSet) {
    CurveSnapshot c;
    c.stop.assign(101, 1.0f);
    DataSet d;
    d.IonName = "He";
    d.IonMass = 4.0026f;
    d.IonEnergy = 2000;
    d.Range = 5000;
    SetCurveIon(c, d);
    EXPECT_EQ(c.N(), 100);
    EXPECT_EQ(c.ionName, "He");
    EXPECT_EQ(c.ionMass, 4.0026f);
    EXPECT_EQ(c.ionEnergy, 2000.0f);
    EXPECT_EQ(c.range, 5000.0f);
}

TEST(HasPositivePoint, NeedsOneValueAboveZero) {
    EXPECT_FALSE(HasPositivePoint({}));
    EXPECT_FALSE(HasPositivePoint({0.0f, 0.0f}));
    EXPECT_FALSE(HasPositivePoint({0.0f, -1.0f, -0.0f}));
    EXPECT_TRUE(HasPositivePoint({0.0f, 0.0f, 1e-30f}));
}

}  // namespace
}  // namespace fenra
