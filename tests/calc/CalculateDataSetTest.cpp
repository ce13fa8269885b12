#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calc/CalcTestSupport.h"
#include "calc/CalculateDataSet.h"
#include "messages/OutcomeMessages.h"
#include "physics/StopUnits.h"
#include "physics/Stopping.h"

namespace fenra {
namespace {

CoefficientSet ProtonCoefficients(int z) {
    CoefficientSet c;
    c.P = TestDatabase().FindCoefficientsByZ(CoefficientTable::PCoef, z).value().values;
    return c;
}

// Results that no calculation gives, to see whether a refusal kept them.
void MarkResults(DataSet& d) {
    d.StopEvAtoms = 111;
    d.StopKevMg = 222;
    d.StopEvA = 333;
    d.StopKevUm = 444;
}

void ExpectMarkedResults(const DataSet& d) {
    EXPECT_EQ(d.StopEvAtoms, 111);
    EXPECT_EQ(d.StopKevMg, 222);
    EXPECT_EQ(d.StopEvA, 333);
    EXPECT_EQ(d.StopKevUm, 444);
}

TEST(CalculateDataSet, ProtonInOneElementIsProtonStopAndItsConversion) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    ASSERT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
    const float E = 1000.0f / 1.0078f;
    const float S = static_cast<float>(ProtonStop(14, E, ProtonCoefficients(14)));
    const ElementRecord& si = *TestDatabase().FindElementBySymbol("Si");
    const OtherStopUnits other = ConvertStopUnits(si.NatMass, si.AtomDensity, S);
    const DataSet& d = s.DataSets[1];
    EXPECT_EQ(d.StopEvAtoms, S);
    EXPECT_EQ(d.StopKevMg, other.KevMg);
    EXPECT_EQ(d.StopEvA, other.EvA);
    EXPECT_EQ(d.StopKevUm, other.KevUm);
    EXPECT_EQ(d.TargetName, "Si1");
}

TEST(CalculateDataSet, MassZeroTakesTheIonsMostAbundantIsotope) {
    WorkingState s = OneDataSet("He", 0, 2000, {{"Si", 1}});
    WorkingState withMass = OneDataSet("He", 4.0026f, 2000, {{"Si", 1}});
    ASSERT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
    ASSERT_EQ(CalculateDataSet(withMass.DataSets[1], TestDatabase()).outcome,
              CalcOutcome::Calculated);
    EXPECT_EQ(s.DataSets[1].IonMass, 4.0026f);
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, withMass.DataSets[1].StopEvAtoms);
}

TEST(CalculateDataSet, HighEnergyCoefficientsAreLookedUpFromTenThousandKevPerAmu) {
    // Silicon without its "HiCoef" record: only a calculation that looks it up notices.
    const ElementDatabase db = ElementDatabase::OpenFile(
        DatabaseCopyWith("nohicoef_si.mdb", "DELETE FROM HiCoef WHERE AtomNum = 14"));
    WorkingState s = OneDataSet("H", 1, std::nextafter(10000.0f, 0.0f), {{"Si", 1}});
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], db).outcome, CalcOutcome::Calculated);

    s.DataSets[1].IonEnergy = 10000;
    MarkResults(s.DataSets[1]);
    const CalcResult r = CalculateDataSet(s.DataSets[1], db);
    EXPECT_EQ(r.outcome, CalcOutcome::MissingCoefficients);
    EXPECT_EQ(r.table, CoefficientTable::HiCoef);
    EXPECT_EQ(r.atomNum, 14);
    EXPECT_EQ(DescribeCalcResult(4, r),
              "Data set 4: the element database has no \"HiCoef\" record for \"Si\" (atomic "
              "number 14).");
    ExpectMarkedResults(s.DataSets[1]);
    std::filesystem::remove(db.Path());
}

TEST(CalculateDataSet, CompoundIsTheRatioWeightedMean) {
    const float E = 1000.0f / 1.0078f;
    const double sH = ProtonStop(1, E, ProtonCoefficients(1));
    const double sO = ProtonStop(8, E, ProtonCoefficients(8));
    const float mean = static_cast<float>((sH + sO) / 2);

    for (float ratio : {1.0f, 2.0f}) {
        WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"H", ratio}, {"O", ratio}});
        MarkResults(s.DataSets[1]);
        ASSERT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
        const DataSet& d = s.DataSets[1];
        EXPECT_EQ(d.StopEvAtoms, mean) << ratio;
        // Per mass: the mean stopping per atom over the mean mass, in keV/(mg/cm2).
        const ElementRecord& h = *TestDatabase().FindElementBySymbol("H");
        const ElementRecord& o = *TestDatabase().FindElementBySymbol("O");
        const double perMass = (sH + sO) * 6.022045e23 * 1e-21 / (double(h.NatMass) + o.NatMass);
        EXPECT_NEAR(d.StopKevMg, perMass, perMass * 1e-6) << ratio;
        EXPECT_EQ(d.StopEvA, 0) << ratio;
        EXPECT_EQ(d.StopKevUm, 0) << ratio;
    }
}

TEST(CalculateDataSet, OneElementRatioOnlySaysWhetherTheTargetIsThere) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 0}});
    MarkResults(s.DataSets[1]);
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::RatioZero);
    ExpectMarkedResults(s.DataSets[1]);
    EXPECT_EQ(s.DataSets[1].TargetName, "Si0");
    EXPECT_EQ(DescribeCalcResult(1, {CalcOutcome::RatioZero, "", 0, CoefficientTable::PCoef, 0, 0}),
              "");

    WorkingState five = OneDataSet("H", 1.0078f, 1000, {{"Si", 5}});
    WorkingState one = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    ASSERT_EQ(CalculateDataSet(five.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
    ASSERT_EQ(CalculateDataSet(one.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
    EXPECT_EQ(five.DataSets[1].StopEvAtoms, one.DataSets[1].StopEvAtoms);
    EXPECT_EQ(five.DataSets[1].StopKevUm, one.DataSets[1].StopKevUm);
    EXPECT_EQ(five.DataSets[1].TargetName, "Si5");
}

TEST(CalculateDataSet, CompositionText) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"H", 2}, {"O", 1}});
    CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(s.DataSets[1].TargetName, "H2O1");

    s = OneDataSet("H", 1.0078f, 1000, {{"H", 0.5f}, {"C", 2.5f}, {"N", 1000}});
    CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(s.DataSets[1].TargetName, "H.5C2.5N1000");

    // The text trims the symbols and is written even when a symbol cannot be found.
    s = OneDataSet("H", 1.0078f, 1000, {{" Si ", 1}, {"O", 2}});
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::UnknownElement);
    EXPECT_EQ(s.DataSets[1].TargetName, "Si1O2");
}

TEST(CalculateDataSet, DataSetsThatCannotBeCalculatedKeepTheirResults) {
    WorkingState s = OneDataSet("H", 0, 1000, {{"Si", 1}});
    DataSet& d = s.DataSets[1];
    d.ElementCount = 0;
    d.TargetName = "before";
    MarkResults(d);
    CalcResult r = CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::NoTargetElement);
    EXPECT_EQ(d.TargetName, "before");
    EXPECT_EQ(d.IonMass, 0);  // nothing at all changed
    ExpectMarkedResults(d);
    EXPECT_EQ(DescribeCalcResult(2, r),
              "Data set 2 has no target element: enter a ratio for target 1.");

    d.ElementCount = 1;
    d.IonName = "Xx";
    r = CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::UnknownIon);
    EXPECT_EQ(r.symbol, "Xx");
    EXPECT_EQ(d.TargetName, "Si1");
    ExpectMarkedResults(d);
    EXPECT_EQ(DescribeCalcResult(7, r),
              "Data set 7: the ion \"Xx\" is not in the element database.");

    d.IonName = "H";
    d.TargetElement[1] = "si";  // the lookup is exact
    r = CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::UnknownElement);
    EXPECT_EQ(d.IonMass, 1.0078f);  // the mass was taken before the target was looked up
    ExpectMarkedResults(d);
    EXPECT_EQ(DescribeCalcResult(3, r),
              "Data set 3: the element \"si\" is not in the element database.");
    EXPECT_EQ(r.slot, 1);

    // A target-file line cut short by a bad symbol leaves a slot without one.
    d.ElementCount = 3;
    d.TargetElement[2] = "O";
    d.TargetElement[3] = "";
    d.TargetElement[1] = "Si";
    r = CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::UnknownElement);
    EXPECT_EQ(r.slot, 3);
    EXPECT_EQ(DescribeCalcResult(8, r), "Data set 8: target 3 has no element symbol.");
}

TEST(CalculateDataSet, FloatingPointFaultsStoreNothing) {
    const std::string message =
        "Data set 5: the stopping power at 1000 keV is beyond the range of the numbers the "
        "program holds.";
    // Energy per unit mass beyond the range of a Single.
    WorkingState s = OneDataSet("H", 1e-40f, 1000, {{"Si", 1}});
    MarkResults(s.DataSets[1]);
    CalcResult r = CalculateDataSet(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::FloatingPointFault);
    EXPECT_EQ(DescribeCalcResult(5, r), message);
    ExpectMarkedResults(s.DataSets[1]);

    // Ratios that add up to 0: Bragg's rule divides by their sum.
    s = OneDataSet("H", 1.0078f, 1000, {{"H", 1}, {"O", -1}});
    MarkResults(s.DataSets[1]);
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome,
              CalcOutcome::FloatingPointFault);
    ExpectMarkedResults(s.DataSets[1]);

    // A negative energy has no stopping.
    s = OneDataSet("H", 1.0078f, -5, {{"Si", 1}});
    MarkResults(s.DataSets[1]);
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome,
              CalcOutcome::FloatingPointFault);
    ExpectMarkedResults(s.DataSets[1]);

    // An ion mass of 0 in the database as well would make E infinite: such a database is
    // refused when it is opened.
    const std::string maiw0 =
        DatabaseCopyWith("maiw0.mdb", "UPDATE \"Ion Data\" SET MAIW = 0 WHERE AtomNum = 1");
    EXPECT_THROW(ElementDatabase::OpenFile(maiw0), ElementDatabaseError);
    std::filesystem::remove(maiw0);

    // A fault leaves nothing behind for the next calculation.
    s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    EXPECT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
}

TEST(CalculateDataSet, ZeroEnergyGivesZeroStopping) {
    for (const char* ion : {"H", "He", "Fe"}) {
        WorkingState s = OneDataSet(ion, 0, 0, {{"Si", 1}});
        MarkResults(s.DataSets[1]);
        ASSERT_EQ(CalculateDataSet(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated)
            << ion;
        EXPECT_EQ(s.DataSets[1].StopEvAtoms, 0) << ion;
        EXPECT_EQ(s.DataSets[1].StopKevUm, 0) << ion;
    }
}

TEST(DescribeCalcResult, MakesInvisibleCharactersOfSymbolsVisible) {
    EXPECT_EQ(DescribeCalcResult(
                  1, {CalcOutcome::UnknownElement, "\t", 0, CoefficientTable::PCoef, 0, 2}),
              "Data set 1: the element \"\\t\" is not in the element database.");
    EXPECT_EQ(DescribeCalcResult(3, {CalcOutcome::UnknownIon, std::string("X\0", 2), 0,
                                     CoefficientTable::PCoef, 0, 0}),
              "Data set 3: the ion \"X\\x00\" is not in the element database.");
}

TEST(CalculateCommand, AFailedCalculationLeavesNoStaleResult) {
    WorkingState s = OneDataSet("He", 4.0026f, 1e30f, {{"Si", 1}});
    ASSERT_EQ(CalculateCommand(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::Calculated);
    EXPECT_TRUE(s.DataSets[1].Calculated);
    EXPECT_NE(s.DataSets[1].StopEvAtoms, 0);

    s.DataSets[1].IonEnergy = -1000;
    const CalcResult r = CalculateCommand(s.DataSets[1], TestDatabase());
    EXPECT_EQ(r.outcome, CalcOutcome::EnergyNotAboveZero);
    EXPECT_EQ(DescribeCalcResult(1, r), "Data set 1: the energy -1000 keV is not above 0.");
    const DataSet& d = s.DataSets[1];
    EXPECT_FALSE(d.Calculated);
    EXPECT_FALSE(HasResultsToShow(d));
    EXPECT_EQ(d.StopEvAtoms, 0);
    EXPECT_EQ(d.StopKevMg, 0);
    EXPECT_EQ(d.StopEvA, 0);
    EXPECT_EQ(d.StopKevUm, 0);
}

TEST(CalculateCommand, RefusesInputsThatMeanNothingInAPhysicistsWords) {
    struct Case {
        DataSet d;
        CalcOutcome outcome;
        const char* message;
    };
    auto set = [](float mass, float energy, const Target& t) {
        return OneDataSet("H", mass, energy, t).DataSets[1];
    };
    const Case cases[] = {
        {set(1, 0, {{"Si", 1}}), CalcOutcome::EnergyNotAboveZero,
         "Data set 2: the energy 0 keV is not above 0."},
        {set(-28, 1000, {{"Si", 1}}), CalcOutcome::MassBelowZero,
         "Data set 2: the ion mass -28 amu is below 0."},
        {set(1, 1000, {{"H", 1}, {"O", -1}}), CalcOutcome::RatioBelowZero,
         "Data set 2: the ratio -1 of target 2 is below 0."},
        {set(1, 1000, {{"H", 0}, {"O", 0}}), CalcOutcome::RatiosAddToZero,
         "Data set 2: the ratios of the target elements add up to 0."},
    };
    for (const Case& c : cases) {
        WorkingState s;
        s.DataSetCount = 2;
        s.DataSets[2] = c.d;
        s.DataSets[2].StopEvAtoms = 5;
        const CalcResult r = CalculateCommand(s.DataSets[2], TestDatabase());
        EXPECT_EQ(r.outcome, c.outcome) << c.message;
        EXPECT_EQ(DescribeCalcResult(2, r), c.message);
        EXPECT_EQ(s.DataSets[2].StopEvAtoms, 0) << c.message;
    }
    // A lone element of ratio 0 says nothing, but loses its old results too.
    WorkingState s = OneDataSet("H", 1, 1000, {{"Si", 0}});
    s.DataSets[1].StopEvAtoms = 5;
    EXPECT_EQ(CalculateCommand(s.DataSets[1], TestDatabase()).outcome, CalcOutcome::RatioZero);
    EXPECT_EQ(s.DataSets[1].StopEvAtoms, 0);
    EXPECT_EQ(DescribeRatioZero(3),
              "Data set 3: its one target element has ratio 0; nothing was calculated.");
}

}  // namespace
}  // namespace fenra
