// A curve's points as CSV, for each kind, beside the unchanged curve file.

#include <gtest/gtest.h>

#include "export/CurveExport.h"
#include "files/CurveFile.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

// Four slabs: range 100 (slab 25), energy 10 keV (slab 2.5).
CurveSnapshot Snapshot() {
    CurveSnapshot c;
    c.stop = {12.5f, 13, 14.25f, 0, 0};
    c.energy = {10, 7, 3.5f, -0.25f, 0};
    c.ionName = "H";
    c.ionMass = 1.008f;
    c.ionEnergy = 10;
    c.range = 100;
    return c;
}

TEST(CurveCsv, DepthStopRunsFromTheSurfaceWithBothCoordinates) {
    EXPECT_EQ(CurveCsvText(CurveKind::DepthStop, Snapshot(), 4),
              "depth_e15,stopping_eV_e15\r\n0,12.5\r\n25,13\r\n50,14.25\r\n75,0\r\n100,0\r\n");
}

TEST(CurveCsv, DepthEnergyWritesTheNegativeLastEnergyAsRest) {
    EXPECT_EQ(CurveCsvText(CurveKind::DepthEnergy, Snapshot(), 4),
              "depth_e15,energy_keV\r\n0,10\r\n25,7\r\n50,3.5\r\n75,0\r\n100,0\r\n");
}

TEST(CurveCsv, EnergyStopRunsFromEnergyZeroAsTheCurveFile) {
    EXPECT_EQ(CurveCsvText(CurveKind::EnergyStop, Snapshot(), 4),
              "energy_keV,stopping_eV_e15\r\n0,0\r\n2.5,0\r\n5,14.25\r\n7.5,13\r\n10,12.5\r\n");
}

TEST(CurveCsv, EnergyCoordinateIsTheWalksEnergyNotAFreshProduct) {
    // 1000 keV in 3 steps of 333.333344 (a Single): the walk reaches 333.333313 after two
    // steps and 0 after three (a rounding below 0 is taken as rest).
    CurveSnapshot c = Snapshot();
    c.ionEnergy = 1000;
    EXPECT_EQ(CurvePointX(CurveKind::EnergyStop, c, 3, 0), 1000.0);
    EXPECT_EQ(CurvePointX(CurveKind::EnergyStop, c, 3, 1), double(1000.0f - 1000.0f / 3.0f));
    EXPECT_EQ(CurvePointX(CurveKind::EnergyStop, c, 3, 3), 0.0);
    EXPECT_EQ(CurvePointX(CurveKind::DepthStop, c, 3, 2), 2.0 * double(100.0f / 3.0f));
}

TEST(CurveCsv, ShortCopyAndNoSlab) {
    CurveSnapshot c = Snapshot();
    c.stop.resize(2);
    EXPECT_EQ(CurveCsvText(CurveKind::DepthStop, c, 4),
              "depth_e15,stopping_eV_e15\r\n0,12.5\r\n25,13\r\n");
    EXPECT_EQ(CurveCsvText(CurveKind::DepthStop, c, 0), "");
    FileError fileError;
    EXPECT_FALSE(SaveCurveCsv(CurveKind::DepthStop, c, 0, "/tmp/x.csv", &fileError));
    EXPECT_EQ(DescribeFileError(fileError),
              "Cannot write /tmp/x.csv: a curve needs at least one slab");
}

TEST(CurveCsv, TheCurveFileStaysAsItWas) {
    const std::string file = CurveFileText(CurveKind::DepthStop, Snapshot(), "Si1", 4);
    EXPECT_EQ(file.substr(file.find("Slab thickness")),
              "Slab thickness : 25 e15(atom/cm2)\r\n\r\n"
              "12.5\r\n13.\r\n14.25\r\n 0 \r\n 0 \r\n");
}

}  // namespace
}  // namespace fenra
