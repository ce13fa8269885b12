// Whole calculations of the one-element rows of the example target file, checked digit for
// digit against the example result values: these pin every float rounding on the way, from
// E = energy / mass down to the converted units.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ElementTable.h"
#include "physics/StopUnits.h"
#include "physics/Stopping.h"
#include "support/ReferenceTables.h"

namespace fenra {
namespace {

struct ExampleCase {
    int set = 0;  // 1-based row of the example file
    std::string ion;
    float mass = 0;    // amu
    float energy = 0;  // keV
    std::string target;
};

std::vector<ExampleCase> ReadTargetFile() {
    std::vector<ExampleCase> cases;
    for (const std::string& line : test::ReferenceTargetLines()) {
        ExampleCase c;
        c.set = static_cast<int>(cases.size()) + 1;
        std::string range;
        std::istringstream(line) >> c.ion >> c.mass >> c.energy >> range >> c.target;
        cases.push_back(c);
    }
    return cases;
}

// Row set -> the four values as printed, "%.9g" of the stored floats.
std::vector<std::vector<std::string>> ReadValues() {
    const std::vector<std::string> lines = test::ReferenceValueLines();
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        std::istringstream s(lines[k]);
        std::string set, a, b, c, d;
        s >> set >> a >> b >> c >> d;
        rows.push_back({a, b, c, d});
    }
    return rows;
}

std::string Print9(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

TEST(ReferenceValues, OneElementTargetsMatchToTheLastDigit) {
    const std::vector<ExampleCase> cases = ReadTargetFile();
    const auto values = ReadValues();
    ASSERT_EQ(cases.size(), 22u);
    ASSERT_EQ(values.size(), cases.size());

    const std::regex oneElement("([A-Z][a-z]?)([0-9.]+)");
    int checked = 0;
    for (const ExampleCase& c : cases) {
        std::smatch m;
        if (!std::regex_match(c.target, m, oneElement)) continue;  // compounds: Bragg's rule
        SCOPED_TRACE(c.ion + " " + Print9(c.energy) + " keV in " + c.target);
        const test::ElementRow& ion = test::ElementSymbol(c.ion);
        const test::ElementRow& el = test::ElementSymbol(m[1]);
        const float E = static_cast<float>(static_cast<double>(c.energy) / c.mass);

        double S = 0;
        if (ion.Z == 1)
            S = ProtonStop(el.Z, E, el.coef);
        else if (ion.Z == 2)
            S = HeliumStop(el.Z, E, el.coef);
        else
            S = HeavyIonStop(ion.Z, el.Z, E, el.fermi, ion.scrnFac, el.coef);
        const float stop = static_cast<float>(S);
        const OtherStopUnits o = ConvertStopUnits(el.natMass, el.atomDensity, stop);

        const auto& want = values[c.set - 1];
        EXPECT_EQ(Print9(stop), want[0]);
        EXPECT_EQ(Print9(o.KevMg), want[1]);
        EXPECT_EQ(Print9(o.EvA), want[2]);
        EXPECT_EQ(Print9(o.KevUm), want[3]);
        ++checked;
    }
    EXPECT_EQ(checked, 17);  // every row but the five compounds
}

TEST(ReferenceValues, ProtonsInSiliconAt1MeV) {
    const test::ElementRow& si = test::ElementZ(14);
    ASSERT_EQ(si.natMass, 28.086f);
    ASSERT_EQ(si.atomDensity, 4.977f);
    const float E = static_cast<float>(1000.0 / static_cast<double>(1.0078f));
    EXPECT_EQ(Print9(E), "992.260376");
    const float stop = static_cast<float>(ProtonStop(14, E, si.coef));
    EXPECT_EQ(Print9(stop), "8.30559921");
    const OtherStopUnits o = ConvertStopUnits(si.natMass, si.atomDensity, stop);
    EXPECT_EQ(Print9(o.KevMg), "178.084076");
    EXPECT_EQ(Print9(o.EvA), "4.13369703");
    // Ten times the stored 4.13369703; ten times the unrounded product would print 41.3369675.
    EXPECT_EQ(Print9(o.KevUm), "41.3369713");
}

}  // namespace
}  // namespace fenra
