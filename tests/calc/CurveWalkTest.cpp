#include <gtest/gtest.h>

#include <filesystem>

#include "calc/CalcTestSupport.h"
#include "calc/CurveWalk.h"
#include "messages/OutcomeMessages.h"
#include "state/NumberText.h"

namespace fenra {
namespace {

// The stopping a fresh calculation gives at one energy: what each curve point must hold.
float StopAt(const WorkingState& walked, float energy) {
    WorkingState s = walked;
    s.DataSets[s.CurrentDataSet].IonEnergy = energy;
    EXPECT_EQ(CalculateDataSet(s.DataSets[s.CurrentDataSet], TestDatabase()).outcome,
              CalcOutcome::Calculated);
    return s.DataSets[s.CurrentDataSet].StopEvAtoms;
}

struct Recorder {
    std::vector<CurveProgress> steps;
    CurveWalkHooks Hooks() {
        CurveWalkHooks h;
        h.progress = [this](const CurveProgress& p) { steps.push_back(p); };
        return h;
    }
};

TEST(CurveWalk, EnergyStepsOfTenKevReachZeroAtPointHundred) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    Recorder rec;
    const CurveWalkResult w =
        WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::EnergyStop, rec.Hooks());
    ASSERT_EQ(w.result.outcome, CalcOutcome::Calculated);
    EXPECT_EQ(w.pointsReached, 100);
    ASSERT_EQ(rec.steps.size(), 100u);
    EXPECT_EQ(rec.steps[0].step, 1);
    EXPECT_EQ(rec.steps[0].energyText, "990");
    EXPECT_EQ(rec.steps[0].rangeText, "");
    EXPECT_EQ(rec.steps[98].energyText, "10");
    EXPECT_EQ(rec.steps[99].energyText, "0");

    ASSERT_EQ(w.curve.stop.size(), 101u);
    ASSERT_EQ(w.curve.energy.size(), 101u);
    EXPECT_EQ(w.curve.ionName, "H");
    EXPECT_EQ(w.curve.ionEnergy, 1000);
    EXPECT_EQ(w.curve.stop[0], StopAt(s, 1000));
    EXPECT_EQ(w.curve.stop[50], StopAt(s, 500));
    EXPECT_EQ(w.curve.stop[99], StopAt(s, 10));
    EXPECT_EQ(w.curve.stop[100], 0);
    for (float e : w.curve.energy) EXPECT_EQ(e, 0);
    // The energy is back; the results are those of the last point, at 0 keV.
    EXPECT_EQ(s.DataSets[1].IonEnergy, 1000);
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, 0);
}

TEST(CurveWalk, EnergyStepsEndingARoundingBelowZeroStopAtRest) {
    const float E0 = 999.9f;
    // Precondition: a hundred Single subtractions of E0/100 from E0 end below 0.
    const float dE = E0 / 100.0f;
    float e = E0;
    for (int i = 0; i < 100; ++i) e -= dE;
    ASSERT_LT(e, 0.0f);

    WorkingState s = OneDataSet("H", 1.0078f, E0, {{"Si", 1}});
    Recorder rec;
    const CurveWalkResult w =
        WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::EnergyStop, rec.Hooks());
    ASSERT_EQ(w.result.outcome, CalcOutcome::Calculated) << DescribeCalcResult(1, w.result);
    EXPECT_EQ(rec.steps.back().energyText, "0");
    EXPECT_EQ(w.curve.stop[100], 0);
    EXPECT_EQ(s.DataSets[1].IonEnergy, E0);
}

TEST(CurveWalk, DepthWalkOfAnIonThatStopsBeforeTheRange) {
    // 1 MeV helium loses over 100 keV in each slab of 1000E15 gold atoms/cm2.
    WorkingState s = OneDataSet("He", 4.0026f, 1000, {{"Au", 1}}, 100000);
    Recorder rec;
    const CurveWalkResult w =
        WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::DepthEnergy, rec.Hooks());
    ASSERT_EQ(w.result.outcome, CalcOutcome::Calculated);
    const int last = w.pointsReached;
    ASSERT_GT(last, 2);
    ASSERT_LT(last, 100);

    // Point 1: the thickness 1000 times the stopping at the entrance, in keV, is lost.
    const float S0 = StopAt(s, 1000);
    EXPECT_EQ(w.curve.stop[0], S0);
    EXPECT_EQ(w.curve.energy[0], 1000);
    EXPECT_EQ(w.curve.energy[1], static_cast<float>(1000.0 - 1000.0 * S0 / 1000.0));
    EXPECT_EQ(w.curve.stop[1], StopAt(s, w.curve.energy[1]));
    for (int i = 1; i <= last; ++i) EXPECT_GT(w.curve.energy[i], 0) << i;
    // The energy that ended the walk is kept; nothing is calculated for it or after it.
    EXPECT_LE(w.curve.energy[last + 1], 0);
    for (int i = last + 1; i <= 100; ++i) EXPECT_EQ(w.curve.stop[i], 0) << i;
    for (int i = last + 2; i <= 100; ++i) EXPECT_EQ(w.curve.energy[i], 0) << i;

    ASSERT_EQ(rec.steps.size(), static_cast<std::size_t>(last));
    EXPECT_EQ(rec.steps[0].rangeText, "1000");
    EXPECT_EQ(rec.steps[1].rangeText, "2000");
    EXPECT_EQ(rec.steps[0].energyText, GeneralText(w.curve.energy[1]));
    EXPECT_EQ(s.DataSets[1].IonEnergy, 1000);
    // The data set is as the walk found it: never calculated, no results.
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, 0);
    EXPECT_FALSE(s.DataSets[1].Calculated);
}

TEST(CurveWalk, LeavesTheResultsOfTheDataSetAsItFoundThem) {
    for (CurveKind kind : {CurveKind::DepthStop, CurveKind::DepthEnergy, CurveKind::EnergyStop}) {
        WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}}, 100000);
        ASSERT_EQ(CalculateCommand(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
        const DataSet before = s.DataSets[1];
        ASSERT_EQ(WalkCurve(s.DataSets[1], TestDatabase(), kind).result.outcome,
                  CalcOutcome::Calculated);
        const DataSet& d = s.DataSets[1];
        EXPECT_EQ(d.StopEvAtoms, before.StopEvAtoms);
        EXPECT_EQ(d.StopKevMg, before.StopKevMg);
        EXPECT_EQ(d.StopEvA, before.StopEvA);
        EXPECT_EQ(d.StopKevUm, before.StopKevUm);
        EXPECT_TRUE(d.Calculated);
        EXPECT_EQ(d.IonEnergy, 1000);
    }
    // Also when the walk stops on a fault.
    const ElementDatabase db = ElementDatabase::OpenFile(
        DatabaseCopyWith("walk_restore.mdb", "DELETE FROM HiCoef WHERE AtomNum = 14"));
    WorkingState s = OneDataSet("H", 1, 20000, {{"Si", 1}}, 100000);
    s.DataSets[1].StopEvAtoms = 3;
    s.DataSets[1].Calculated = true;
    EXPECT_EQ(WalkCurve(s.DataSets[1], db, CurveKind::DepthStop).result.outcome,
              CalcOutcome::MissingCoefficients);
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, 3);
    EXPECT_TRUE(s.DataSets[1].Calculated);
    std::filesystem::remove(db.Path());
}

TEST(CurveWalk, DepthWalkWithLowStoppingMakesAllSteps) {
    // Protons of 2 MeV through 1000E15 hydrogen atoms/cm2 lose a few keV in all.
    WorkingState s = OneDataSet("H", 1.0078f, 2000, {{"H", 1}}, 1000);
    Recorder rec;
    const CurveWalkResult w =
        WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::DepthStop, rec.Hooks());
    ASSERT_EQ(w.result.outcome, CalcOutcome::Calculated);
    EXPECT_EQ(w.pointsReached, 100);
    ASSERT_EQ(rec.steps.size(), 100u);
    EXPECT_EQ(rec.steps[0].rangeText, "10");
    EXPECT_EQ(rec.steps[99].rangeText, "1000");
    EXPECT_GT(w.curve.stop[100], w.curve.stop[0]);   // slower protons stop more, above the peak
    for (float e : w.curve.energy) EXPECT_EQ(e, 0);  // only the energy curve keeps energies
    EXPECT_EQ(s.DataSets[1].IonEnergy, 2000);
}

TEST(CurveWalk, ADepthCurveNeedsARangeAboveZero) {
    for (float range : {0.0f, -100.0f}) {
        for (CurveKind kind : {CurveKind::DepthStop, CurveKind::DepthEnergy}) {
            WorkingState s = OneDataSet("O", 15.995f, 4000, {{"Si", 1}, {"O", 2}}, range);
            Recorder rec;
            const CurveWalkResult w = WalkCurve(s.DataSets[1], TestDatabase(), kind, rec.Hooks());
            ASSERT_EQ(w.result.outcome, CalcOutcome::RangeNotAboveZero);
            EXPECT_TRUE(rec.steps.empty());
            EXPECT_TRUE(w.curve.stop.empty());  // nothing walked
            EXPECT_EQ(DescribeCalcResult(1, w.result), "Data set 1: the range " +
                                                           GeneralText(range) +
                                                           " (1E15 atoms/cm2) is not above 0.");
        }
    }
    // The energy curve does not follow a depth.
    WorkingState s = OneDataSet("O", 15.995f, 4000, {{"Si", 1}, {"O", 2}}, 0);
    EXPECT_EQ(WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::EnergyStop).result.outcome,
              CalcOutcome::Calculated);
}

TEST(CurveWalk, ALoneElementOfRatioZeroIsRefusedByEveryKind) {
    for (CurveKind kind : {CurveKind::DepthStop, CurveKind::DepthEnergy, CurveKind::EnergyStop}) {
        WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 0}}, 100000);
        s.DataSets[1].StopEvAtoms = 7;
        const CurveWalkResult w = WalkCurve(s.DataSets[1], TestDatabase(), kind);
        EXPECT_EQ(w.result.outcome, CalcOutcome::RatioZero);
        EXPECT_TRUE(w.curve.energy.empty());
    }
}

TEST(CurveWalk, CalculationThatCannotGoOnStopsTheWalk) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Xx", 1}});
    Recorder rec;
    CurveWalkResult w = WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::DepthStop, rec.Hooks());
    EXPECT_EQ(w.result.outcome, CalcOutcome::UnknownElement);
    EXPECT_EQ(w.result.symbol, "Xx");
    EXPECT_TRUE(rec.steps.empty());
    ASSERT_EQ(w.curve.stop.size(), 101u);  // points of nothing calculated
    EXPECT_EQ(w.curve.stop[3], 0);
    EXPECT_EQ(s.DataSets[1].IonEnergy, 1000);

    // An energy that needs the missing high-energy coefficients of silicon stops at point 0.
    const ElementDatabase db = ElementDatabase::OpenFile(
        DatabaseCopyWith("walk_nohicoef.mdb", "DELETE FROM HiCoef WHERE AtomNum = 14"));
    s = OneDataSet("H", 1, 20000, {{"Si", 1}}, 100000);
    rec.steps.clear();
    w = WalkCurve(s.DataSets[1], db, CurveKind::DepthStop, rec.Hooks());
    EXPECT_EQ(w.result.outcome, CalcOutcome::MissingCoefficients);
    EXPECT_EQ(w.pointsReached, 0);
    EXPECT_TRUE(rec.steps.empty());
    EXPECT_EQ(s.DataSets[1].IonEnergy, 20000);
    std::filesystem::remove(db.Path());

    // An energy that is not above 0 is refused before the walk.
    s = OneDataSet("H", 1.0078f, -1000, {{"Si", 1}});
    w = WalkCurve(s.DataSets[1], TestDatabase(), CurveKind::EnergyStop);
    EXPECT_EQ(w.result.outcome, CalcOutcome::EnergyNotAboveZero);
    EXPECT_EQ(DescribeCalcResult(1, w.result), "Data set 1: the energy -1000 keV is not above 0.");
    EXPECT_EQ(s.DataSets[1].IonEnergy, -1000);
}

}  // namespace
}  // namespace fenra
