// The range-and-layers table and plot as CSV, byte for byte.

#include <gtest/gtest.h>

#include "export/StackExport.h"

namespace fenra {
namespace {

StackDepth Depth(double e15, double mg, double um, bool hasUm = true) {
    StackDepth d;
    d.e15 = e15;
    d.mgCm2 = mg;
    d.um = um;
    d.hasUm = hasUm;
    return d;
}

// Two layers read, the ion stopping in the second; a third layer never reached.
StackCalculation Calculation() {
    StackCalculation c;
    c.stackComplete = true;
    StackLayerRow a;
    a.name = "mylar";
    a.density = 1.397;
    a.thicknessE15 = 100;
    a.thickness = Depth(100, 0.25, 2);
    a.reached = true;
    a.energyIn = 5000;
    a.energyOut = 4500.25;
    a.energyLoss = 499.75;
    a.energySigma = 12.3456789012;
    a.angleSigma = 0.0123456789012;
    a.lateralSigma = 0.5;
    a.chargeMean = 2;
    StackLayerRow b;
    b.name = "C,H";  // a name that needs quotes
    b.thicknessE15 = 1000;
    b.thickness = Depth(1000, 3.5, 0, false);
    b.reached = true;
    b.energyIn = 4500.25;
    b.energyLoss = 4500.25;
    b.stopped = true;
    b.stopDepth = Depth(700, 2.75, 0, false);
    b.stopDepthInLayer = Depth(300, 1.25, 0, false);
    b.lateralSigma = 3;  // at the stopping point; the rest unknown
    StackLayerRow x;
    x.error = Value("layer 3: the formula \"H2O)\" has an unmatched ')' at character 4");
    c.layers = {a, b, x};
    StackPlotPoint p0;
    p0.energy = 5000;
    p0.stoppingKnown = true;
    p0.stopping = 123.456789012;
    p0.energySigma = 0;
    StackPlotPoint p1;
    p1.layer = 1;
    p1.depth = Depth(700, 2.75, 0, false);
    c.plot = {p0, p1};
    return c;
}

TEST(StackTableCsv, WritesEachLayerAndLeavesUnknownsEmpty) {
    EXPECT_EQ(
        StackTableCsvText(Calculation()),
        std::string(kStackTableCsvHeader) + "\r\n" +
            "1,mylar,1.397,100,0.25,2,5000,4500.25,499.75,,,,,,,12.3456789,12.3456789,0.5,2\r\n"
            "2,\"C,H\",,1000,3.5,,4500.25,0,4500.25,300,1.25,,700,2.75,,,,3,\r\n"
            "3,\"layer 3: the formula \"\"H2O)\"\" has an unmatched ')' at character 4\","
            ",,,,,,,,,,,,,,,,\r\n");
}

TEST(StackTableCsv, NamesBothDepthsOfTheStop) {
    EXPECT_STREQ(kStackTableCsvHeader,
                 "layer,material,density_g_cm3,thickness_e15,thickness_mg_cm2,thickness_um,"
                 "energy_in_keV,energy_out_keV,energy_loss_keV,stop_depth_in_layer_e15,"
                 "stop_depth_in_layer_mg_cm2,stop_depth_in_layer_um,stop_depth_from_front_e15,"
                 "stop_depth_from_front_mg_cm2,stop_depth_from_front_um,energy_sigma_keV,"
                 "angle_sigma_mrad,lateral_sigma_um,charge_mean");
}

TEST(StackTableCsv, NoEnergiesForAStackThatCouldNotBeCalculated) {
    StackCalculation c = Calculation();
    c.stackComplete = false;
    const std::string text = StackTableCsvText(c);
    EXPECT_NE(text.find("\r\n1,mylar,1.397,100,0.25,2,,,,,,,,,,,,,\r\n"), std::string::npos)
        << text;
}

TEST(StackPlotCsv, NamesTheStoppingUnitAndLeavesUnknownsEmpty) {
    EXPECT_EQ(StackPlotCsvText(Calculation(), StopUnit::KevUm),
              "layer,depth_e15,depth_mg_cm2,depth_um,energy_keV,total_stopping_keV_um,"
              "energy_sigma_keV\r\n"
              "1,0,0,0,5000,123.456789,0\r\n"
              "2,700,2.75,,0,,\r\n");
    EXPECT_EQ(StoppingColumnName(StopUnit::EvE15), "total_stopping_eV_e15");
    EXPECT_EQ(StoppingColumnName(StopUnit::KevMgCm2), "total_stopping_keV_mg_cm2");
    EXPECT_EQ(StoppingColumnName(StopUnit::EvAngstrom), "total_stopping_eV_A");
}

}  // namespace
}  // namespace fenra
