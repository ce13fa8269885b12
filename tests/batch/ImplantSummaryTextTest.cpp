// The summary of fenra32-calc implant, word for word, on a result made up so that every line it
// can print appears: an interrupted run without straggling, two layers with their own
// displacement energies, ions backscattered, transmitted and beyond the histogram.

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "batch/ImplantLayers.h"
#include "batch/ImplantSummaryText.h"

namespace fenra {
namespace {

struct Summary {
    ImplantArguments o;
    ImplantCommandStack s;
    ImplantResult r;
};

Summary EveryLine() {
    Summary m;
    m.o.angle = 7;
    m.o.cutoff = 5;
    m.o.seed = 42;
    m.o.straggling = false;
    m.s.ion.symbol = "B";
    m.s.ion.mass = 11.009;
    m.s.energy = 30;
    m.s.names = {"Si", "SiO2"};
    m.s.layers.resize(2);
    m.s.layers[0].thickness = 100;
    m.s.layers[1].thickness = 250.5;
    m.s.displacement = {{"Si", 15}, {"O", 28}};
    ImplantResult& r = m.r;
    r.ionsRun = 256;
    r.ionsRequested = 1000;
    r.cancelled = true;
    r.stopped = 200;
    r.backscattered = 13;
    r.transmitted = 43;
    r.backscatteredFraction = {0.25, 0.5};
    r.transmittedFraction = {0.125, 0.0625};
    r.projectedRange = {84.25, 0.75};
    r.straggle = {30.5, 1.5};
    r.skewness = -0.5;
    r.kurtosis = 3.25;
    r.lateralSpread = {40.25, 3.5};
    r.radialRange = {50.5, 3.25};
    r.pathLength = {163.5, 4.25};
    r.stoppedPerLayer = {120, 80};
    r.backscatteredEnergy = {3.25, 0.25};
    r.backscatteredEnergySpread = {1.25, 0.125};
    r.backscatteredAngle = {42.5, 3.5};
    r.transmittedEnergy = {1973.5, 0.5};
    r.transmittedEnergySpread = {4.5, 0.25};
    r.transmittedAngle = {0.5, 0.0625};
    r.electronicEnergy = 18.5;
    r.electronicEnergyError = 0.5;
    r.nuclearEnergy = 11.75;
    r.nuclearEnergyError = 0.25;
    r.displacementsPerIon = {143.75, 5.5};
    r.collisionsPerIon = 171.1;
    r.collisionsPerIonError = 4.25;
    r.beyondDepthRange = 2;
    return m;
}

const char* const kEveryLine =
    "ion: B 11.009 amu, 30 keV, 7 deg from the normal\n"
    "layers: Si 100 nm, SiO2 250.5 nm\n"
    "ions: 256 of 1000 (interrupted), seed 42, cut-off 5 eV, stopping model classic, electronic "
    "straggling off\n"
    "recoils: not followed: their energy counts as nuclear energy where they were struck\n"
    "stopped: 200\n"
    "backscattered: 25 +- 50 %\n"
    "transmitted: 12.5 +- 6.25 %\n"
    "projected range: 84.25 +- 0.75 nm\n"
    "straggle: 30.5 +- 1.5 nm\n"
    "skewness: -0.5\n"
    "kurtosis: 3.25\n"
    "lateral spread: 40.25 +- 3.5 nm\n"
    "radial range: 50.5 +- 3.25 nm\n"
    "path length: 163.5 +- 4.25 nm\n"
    "stopped in layer 1 (Si): 120\n"
    "stopped in layer 2 (SiO2): 80\n"
    "backscattered energy: 3.25 +- 0.25 keV\n"
    "backscattered energy spread: 1.25 +- 0.125 keV\n"
    "backscattered angle: 42.5 +- 3.5 deg\n"
    "transmitted energy: 1973.5 +- 0.5 keV\n"
    "transmitted energy spread: 4.5 +- 0.25 keV\n"
    "transmitted angle: 0.5 +- 0.0625 deg\n"
    "energy per ion to electrons: 18.5 +- 0.5 keV\n"
    "energy per ion to nuclei: 11.75 +- 0.25 keV\n"
    "displacements per ion (Kinchin-Pease, Ed Si 15 eV, O 28 eV): 143.75 +- 5.5\n"
    "collisions per ion: 171.1 +- 4.25\n"
    "stopped beyond the histogram: 2\n";

std::string Printed(const Summary& m, const char* lead) {
    std::ostringstream out;
    PrintImplantSummary(out, m.o, m.s, m.r, lead);
    return out.str();
}

TEST(ImplantSummaryText, SaysEveryLineWordForWord) {
    EXPECT_EQ(Printed(EveryLine(), ""), kEveryLine);
}

TEST(ImplantSummaryText, LeadsEveryLineForTheCsv) {
    std::string commented;
    std::istringstream lines(kEveryLine);
    for (std::string line; std::getline(lines, line);) commented += "# " + line + "\n";
    EXPECT_EQ(Printed(EveryLine(), "# "), commented);
}

// A whole run with straggling and one displacement energy: the optional parts are left out.
TEST(ImplantSummaryText, LeavesOutWhatDidNotHappen) {
    Summary m = EveryLine();
    m.o.straggling = true;
    m.s.displacement = {{"Si", 25}, {"O", 25}};
    m.r.cancelled = false;
    m.r.ionsRun = 1000;
    m.r.backscattered = 0;
    m.r.transmitted = 0;
    m.r.beyondDepthRange = 0;
    const std::string text = Printed(m, "");
    EXPECT_NE(text.find("\nions: 1000 of 1000, seed 42, cut-off 5 eV, stopping model classic\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\ndisplacements per ion (Kinchin-Pease, Ed 25 eV): "), std::string::npos);
    for (const char* gone :
         {"backscattered energy", "transmitted energy", "beyond", "interrupted", "straggling off"})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
}

// The displacement energies as the summary names them: one for all, or each element's.
struct EdCase {
    std::vector<ElementDisplacement> elements;
    const char* words;
};

class DisplacementWords : public ::testing::TestWithParam<EdCase> {};

TEST_P(DisplacementWords, NameOneEnergyOrEach) {
    EXPECT_EQ(DisplacementText(GetParam().elements), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Table, DisplacementWords,
                         ::testing::Values(EdCase{{}, "Ed 25 eV"}, EdCase{{{"Si", 15}}, "Ed 15 eV"},
                                           EdCase{{{"Si", 15}, {"O", 15}}, "Ed 15 eV"},
                                           EdCase{{{"Si", 15}, {"O", 28.5}},
                                                  "Ed Si 15 eV, O 28.5 eV"},
                                           EdCase{{{"Ga", 10}, {"As", 10}, {"N", 1000}},
                                                  "Ed Ga 10 eV, As 10 eV, N 1000 eV"}));

}  // namespace
}  // namespace fenra
