// How far each stopping model's electronic stopping is from the published NIST PSTAR (protons)
// and ASTAR (alphas) tables: mean and largest |deviation| per energy band, protons and alphas,
// solids and gases apart. The table is written to the test's output and to
// accuracy_table.md in the working folder; the test fails when a band's mean deviation grows
// by more than 0.1 percentage point over the value recorded below, for either model, so that a
// change of the physics cannot slip in unnoticed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "range/RangeTestSupport.h"
#include "support/ReferenceTables.h"

namespace fenra {
namespace {

constexpr double kBandEdges[] = {0.1, 1, 10, 100};  // MeV/u
constexpr int kBands = 5;
const char* const kBandNames[kBands] = {"< 0.1", "0.1-1", "1-10", "10-100", "> 100"};

struct Band {
    int n = 0;
    double sum = 0, max = 0;  // of |deviation| in percent
    double Mean() const { return n ? sum / n : 0; }
};

// Key: "H solid", "He gas", ...
using Table = std::map<std::string, std::array<Band, kBands>>;

// The name in the material list of a target of the tables: the element's symbol, or the named
// material the tables mean by a qualified one (their amorphous carbon has its own density and I;
// their bare C is graphite, the element).
std::string MaterialName(const std::string& target) {
    if (target == "C(amorphous)") return "amorphous-carbon";
    return target;
}

Table CompareWithReference(StoppingModel model) {
    Table table;
    std::map<std::string, Target> targets;
    const std::vector<test::TableRow> rows = test::ReferenceCsv("pstar_astar_stopping.csv");
    EXPECT_FALSE(rows.empty());
    for (const test::TableRow& row : rows) {
        EXPECT_GE(row.size(), 5u);  // ion, target, phase, energy, stopping, then the source
        if (row.size() < 5) continue;
        const std::string &ion = row[0], &target = row[1], &phase = row[2], &energy = row[3],
                          &value = row[4];
        const std::string key = ion + " " + target;
        if (!targets.count(key))
            targets.emplace(key, MakeTarget(test::Db(), ResolveIon(test::Db(), ion),
                                            ResolveMaterial(MaterialName(target), test::Db(),
                                                            test::Materials()),
                                            model));
        const Target& t = targets.at(key);
        const double E = std::stod(energy);
        const double calc = KevPerMgCm2(t, StoppingAt(t, E).electronic);
        const double deviation = std::fabs(calc / std::stod(value) - 1) * 100;
        const double mevPerU = E / 1000 / t.ion.mass;
        const int band = static_cast<int>(
            std::upper_bound(std::begin(kBandEdges), std::end(kBandEdges), mevPerU) -
            std::begin(kBandEdges));
        Band& b = table[ion + " " + phase][band];
        ++b.n;
        b.sum += deviation;
        b.max = std::max(b.max, deviation);
    }
    return table;
}

// One row per group and band, one column pair (mean, largest |deviation| in %) per model.
std::string Markdown(const Table& classic, const Table& modern) {
    std::string s =
        "| ions, targets | MeV/u | points | classic mean / largest |dev| % | modern mean / "
        "largest |dev| % |\n|---|---|---|---|---|\n";
    char buf[200];
    for (const auto& [key, bands] : classic)
        for (int k = 0; k < kBands; ++k) {
            if (!bands[k].n) continue;
            const Band& m = modern.at(key)[k];
            std::snprintf(buf, sizeof buf, "| %s | %s | %d | %.2f / %.1f | %.2f / %.1f |\n",
                          key.c_str(), kBandNames[k], bands[k].n, bands[k].Mean(), bands[k].max,
                          m.Mean(), m.max);
            s += buf;
        }
    return s;
}

using Recorded = std::map<std::string, std::array<double, kBands>>;

// The mean |deviation| in percent recorded for each group and band, per model.
const Recorded kClassicMeans = {
    {"H gas", {25.71, 4.72, 2.24, 1.19, 0.62}},
    {"H solid", {11.75, 2.62, 1.68, 1.73, 1.53}},
    {"He gas", {19.61, 4.36, 2.61, 1.15, 0.74}},
    {"He solid", {11.79, 1.74, 1.88, 1.63, 1.20}},
};
const Recorded kModernMeans = {
    {"H gas", {25.71, 4.72, 0.67, 0.28, 0.16}},
    {"H solid", {11.75, 2.62, 1.00, 0.29, 0.17}},
    {"He gas", {19.61, 4.36, 0.87, 0.32, 0.24}},
    {"He solid", {11.79, 1.74, 0.89, 0.34, 0.21}},
};

void ExpectNoGrowth(const Table& table, const Recorded& recorded, const char* model) {
    ASSERT_EQ(table.size(), recorded.size());
    for (const auto& [key, bands] : table)
        for (int k = 0; k < kBands; ++k)
            EXPECT_LE(bands[k].Mean(), recorded.at(key)[k] + 0.1)
                << model << ": " << key << ", " << kBandNames[k] << " MeV/u";
}

TEST(Accuracy, DeviationFromPstarAndAstarDoesNotGrow) {
    const Table classic = CompareWithReference(StoppingModel::classic);
    const Table modern = CompareWithReference(StoppingModel::modern);
    const std::string text = Markdown(classic, modern);
    std::ofstream("accuracy_table.md") << text;
    std::printf("%s", text.c_str());
    ExpectNoGrowth(classic, kClassicMeans, "classic");
    ExpectNoGrowth(modern, kModernMeans, "modern");
}

// Above 1 MeV/u the modern model is no worse than the classic fit in any group and band.
TEST(Accuracy, ModernIsNoWorseThanClassicAboveOneMeVPerU) {
    const Table classic = CompareWithReference(StoppingModel::classic);
    const Table modern = CompareWithReference(StoppingModel::modern);
    for (const auto& [key, bands] : classic)
        for (int k = 2; k < kBands; ++k)
            EXPECT_LE(modern.at(key)[k].Mean(), bands[k].Mean())
                << key << ", " << kBandNames[k] << " MeV/u";
}

}  // namespace
}  // namespace fenra
