// The energies of a table from one energy to another.

#include <gtest/gtest.h>

#include <cmath>

#include "range/EnergySteps.h"

namespace fenra {
namespace {

struct StepsRow {
    double from, to;
    int steps;
    bool linear;
    std::vector<double> energies;
};

class EnergyStepsRows : public ::testing::TestWithParam<StepsRow> {};

TEST_P(EnergyStepsRows, IncludeBothEndsInEqualSteps) {
    const StepsRow& r = GetParam();
    const std::vector<double> e = EnergySteps(r.from, r.to, r.steps, r.linear);
    ASSERT_EQ(e.size(), r.energies.size());
    for (std::size_t k = 0; k < e.size(); ++k)
        EXPECT_NEAR(e[k], r.energies[k], 1e-12 * r.energies[k]) << k;
    EXPECT_EQ(e.front(), r.from);
    EXPECT_EQ(e.back(), r.to);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EnergyStepsRows,
    ::testing::Values(StepsRow{10, 1000, 2, false, {10, 100, 1000}},
                      StepsRow{1000, 10, 2, false, {1000, 100, 10}},
                      StepsRow{1, 1e4, 4, false, {1, 10, 100, 1000, 1e4}},
                      StepsRow{0, 300, 3, true, {0, 100, 200, 300}},
                      StepsRow{5, 5, 2, false, {5, 5, 5}}, StepsRow{1, 2, 1, true, {1, 2}},
                      // No ratio of the ends overflows: 1e-300 to 1e300 in logarithms.
                      StepsRow{1e-300, 1e300, 2, false, {1e-300, 1, 1e300}}));

}  // namespace
}  // namespace fenra
