// The energy table behind fenra32-calc's `stopping` and `range` and the range window's table:
// each row holds what the stopping, range and straggling functions give at its energy, in the
// three units of a depth, and a failure at one energy spoils only its own row.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "range/EnergyTable.h"
#include "range/Range.h"
#include "range/Spread.h"
#include "support/MaterialTestData.h"

namespace fenra {
namespace {

Target Of(const char* ion, const char* material) {
    return ResolveTarget(Db(), List(), ResolveIon(Db(), ion), material);
}

struct PartsRow {
    const char* ion;
    const char* material;
    EnergyTableParts parts;
};

class EnergyTableRows : public ::testing::TestWithParam<PartsRow> {};

TEST_P(EnergyTableRows, HoldWhatTheFunctionsGive) {
    const PartsRow& p = GetParam();
    const Target t = Of(p.ion, p.material);
    const std::vector<double> energies = {0, 50, 2000, 3e5};
    const std::vector<EnergyTableRow> rows = EnergyTable(t, energies, p.parts);
    ASSERT_EQ(rows.size(), energies.size());
    const bool length = t.atomsPerCm3 > 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const EnergyTableRow& r = rows[k];
        const double E = energies[k];
        SCOPED_TRACE(E);
        EXPECT_EQ(r.energy, E);
        EXPECT_TRUE(r.error.Empty()) << Words(r.error);
        if (p.parts.stopping) {
            const StoppingValues s = StoppingAt(t, E);
            EXPECT_EQ(r.stopping.electronic, s.electronic);
            EXPECT_EQ(r.stopping.nuclear, s.nuclear);
            EXPECT_EQ(r.stopping.total, s.total);
        } else {
            EXPECT_EQ(r.stopping.total, 0);
        }
        if (!p.parts.range) {
            EXPECT_EQ(r.range, 0);
            EXPECT_TRUE(std::isnan(r.sigma));
            continue;
        }
        const RangeResult range = Range(t, E);
        const RangeSpread spread = RangeStraggling(t, E);
        EXPECT_EQ(r.range, range.range);
        EXPECT_EQ(r.rangeMgCm2, MgCm2FromE15(t, range.range));
        EXPECT_EQ(r.sigma, spread.sigma);
        EXPECT_EQ(r.sigmaMgCm2, MgCm2FromE15(t, spread.sigma));
        EXPECT_EQ(r.sigmaOutOfValidity, spread.outOfValidity);
        EXPECT_EQ(std::isnan(r.rangeUm), !length);
        EXPECT_EQ(std::isnan(r.sigmaUm), !length);
        if (length) {
            EXPECT_EQ(r.rangeUm, UmFromE15(t, range.range));
        }
        const bool outOfModel =
            (p.parts.stopping && StoppingAt(t, E).outOfModel) || range.outOfModel;
        EXPECT_EQ(r.outOfModel, outOfModel);
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, EnergyTableRows,
                         ::testing::Values(PartsRow{"He", "Si", {true, true}},
                                           PartsRow{"He", "Si", {true, false}},
                                           PartsRow{"p", "mylar", {false, true}},
                                           // A formula has no density: no lengths.
                                           PartsRow{"Au", "C2H4", {true, true}}));

TEST(EnergyTable, SlowIonIsOutOfModelAndItsStragglingAnEstimate) {
    const std::vector<EnergyTableRow> rows = EnergyTable(Of("He", "Si"), {2, 2000});
    EXPECT_TRUE(rows[0].outOfModel);
    EXPECT_TRUE(rows[0].sigmaOutOfValidity);
    EXPECT_FALSE(rows[1].outOfModel);
    EXPECT_FALSE(rows[1].sigmaOutOfValidity);
}

TEST(EnergyTable, FailureSpoilsOnlyItsRow) {
    const Target t = Of("He", "Si");
    for (const double bad : {-1.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        const std::vector<EnergyTableRow> rows = EnergyTable(t, {1000, bad, 2000});
        ASSERT_EQ(rows.size(), 3u);
        // The window translates the sentence; fenra32-calc and the CSV say it in English.
        EXPECT_EQ(Words(rows[1].error), "the energy is not a finite number of at least 0 keV");
        EXPECT_NE(rows[1].error.text, nullptr);
        EXPECT_EQ(rows[1].stopping.total, 0);
        EXPECT_EQ(rows[1].range, 0);
        EXPECT_FALSE(rows[1].outOfModel);
        EXPECT_TRUE(rows[0].error.Empty());
        EXPECT_TRUE(rows[2].error.Empty());
        EXPECT_EQ(rows[2].range, Range(t, 2000).range);
    }
    EXPECT_TRUE(EnergyTable(t, {}).empty());
}

}  // namespace
}  // namespace fenra
