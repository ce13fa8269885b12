#include <gtest/gtest.h>

#include "physics/StopUnits.h"

namespace fenra {
namespace {

TEST(ConvertStopUnits, MicronValueIsTenTimesTheStoredAngstromValue) {
    // Silicon: the unrounded N*S*0.1*10 rounds to 41.3369675, ten times the float 4.13369703
    // to 41.3369713.
    const OtherStopUnits o = ConvertStopUnits(28.086f, 4.977f, 8.30559921f);
    EXPECT_EQ(o.EvA, 4.13369703f);
    EXPECT_EQ(o.KevUm, 41.3369713f);
    EXPECT_EQ(o.KevUm, o.EvA * 10.0f);
}

TEST(ConvertStopUnits, ZeroStoppingOrDensity) {
    const OtherStopUnits zero = ConvertStopUnits(28.086f, 4.977f, 0.0f);
    EXPECT_EQ(zero.KevMg, 0.0f);
    EXPECT_EQ(zero.EvA, 0.0f);
    EXPECT_EQ(zero.KevUm, 0.0f);

    // No density: the linear units are 0, the mass stopping needs only M.
    const OtherStopUnits noDensity = ConvertStopUnits(28.086f, 0.0f, 8.30559921f);
    EXPECT_EQ(noDensity.EvA, 0.0f);
    EXPECT_EQ(noDensity.KevUm, 0.0f);
    EXPECT_EQ(noDensity.KevMg, 178.084076f);
}

}  // namespace
}  // namespace fenra
