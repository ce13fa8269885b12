#include <gtest/gtest.h>

#include "state/CompositionText.h"

namespace fenra {
namespace {

DataSet Target(int count, std::initializer_list<std::pair<const char*, float>> slots) {
    DataSet d;
    d.ElementCount = static_cast<int16_t>(count);
    int j = 1;
    for (const auto& [symbol, ratio] : slots) {
        d.TargetElement[j] = symbol;
        d.TargetRatio[j] = ratio;
        ++j;
    }
    return d;
}

TEST(CompositionText, CountedSlotsKeepRatiosOfZeroAndStopAtTheCount) {
    const DataSet d = Target(3, {{"Si", 1}, {"O", 0}, {"N", 2.5f}, {"C", 4}});
    EXPECT_EQ(CompositionText(d, CompositionEnd::CountedSlots), "Si1O0N2.5");
    EXPECT_EQ(CompositionText(Target(1, {{"H", .5f}}), CompositionEnd::CountedSlots), "H.5");
    // A count outside 0..10 is held to the slots there are.
    EXPECT_EQ(CompositionText(Target(-2, {{"H", 1}}), CompositionEnd::CountedSlots), "");
    DataSet full = Target(40, {});
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        full.TargetElement[j] = "C";
        full.TargetRatio[j] = 1;
    }
    EXPECT_EQ(CompositionText(full, CompositionEnd::CountedSlots), "C1C1C1C1C1C1C1C1C1C1");
}

TEST(CompositionText, FirstZeroRatioEndsTheTextWhateverTheCount) {
    const DataSet d = Target(3, {{"Si", 1}, {"O", 0}, {"N", 2}});
    EXPECT_EQ(CompositionText(d, CompositionEnd::FirstZeroRatio), "Si1");
    EXPECT_EQ(CompositionText(Target(1, {{"C", 1}, {"H", 4}}), CompositionEnd::FirstZeroRatio),
              "C1H4");
    EXPECT_EQ(CompositionText(Target(1, {{"Si", 0}}), CompositionEnd::FirstZeroRatio), "");
}

TEST(CompositionText, SymbolsLoseTheSpacesAroundThem) {
    const DataSet d = Target(2, {{" Si ", 1}, {"O  ", 2}});
    EXPECT_EQ(CompositionText(d, CompositionEnd::CountedSlots), "Si1O2");
    EXPECT_EQ(CompositionText(d, CompositionEnd::FirstZeroRatio), "Si1O2");
}

}  // namespace
}  // namespace fenra
