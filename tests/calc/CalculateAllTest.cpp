#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/CalcTestSupport.h"
#include "calc/CalculateAll.h"

namespace fenra {
namespace {

TEST(CalculateAll, ShowsThenCalculatesEachDataSetInOrderAndLeavesTheLastCurrent) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    SetDataSet(s.DataSets[2], "He", 4.0026f, -5, {{"Si", 1}});  // refused: energy below 0
    SetDataSet(s.DataSets[3], "H", 1.0078f, 2000, {{"Au", 1}});
    s.DataSets[2].StopEvAtoms = 9;  // a stale result the refusal must clear
    s.DataSetCount = 3;
    s.CurrentDataSet = 1;

    std::vector<std::string> events;
    CalculateAllHooks hooks;
    hooks.show = [&](int i) {
        events.push_back("show " + std::to_string(i) + " current " +
                         std::to_string(s.CurrentDataSet));
    };
    hooks.outcome = [&](int i, const CalcResult& r) {
        events.push_back("outcome " + std::to_string(i) + " " +
                         std::to_string(static_cast<int>(r.outcome)));
    };
    CalculateAll(s, TestDatabase(), hooks);

    const std::string calculated = std::to_string(static_cast<int>(CalcOutcome::Calculated));
    const std::string refused = std::to_string(static_cast<int>(CalcOutcome::EnergyNotAboveZero));
    EXPECT_EQ(events, (std::vector<std::string>{"show 1 current 1", "outcome 1 " + calculated,
                                                "show 2 current 2", "outcome 2 " + refused,
                                                "show 3 current 3", "outcome 3 " + calculated}));
    EXPECT_EQ(s.CurrentDataSet, 3);
    EXPECT_TRUE(s.DataSets[1].Calculated);
    EXPECT_EQ(s.DataSets[2].StopEvAtoms, 0);
    EXPECT_FALSE(s.DataSets[2].Calculated);
    EXPECT_GT(s.DataSets[3].StopEvAtoms, 0);
}

TEST(CalculateAll, WithoutHooksCalculatesEveryDataSet) {
    WorkingState s = OneDataSet("H", 1.0078f, 1000, {{"Si", 1}});
    SetDataSet(s.DataSets[2], "H", 1.0078f, 500, {{"Si", 1}});
    s.DataSetCount = 2;
    CalculateAll(s, TestDatabase(), {});
    EXPECT_TRUE(s.DataSets[1].Calculated);
    EXPECT_TRUE(s.DataSets[2].Calculated);
    EXPECT_EQ(s.CurrentDataSet, 2);
}

}  // namespace
}  // namespace fenra
