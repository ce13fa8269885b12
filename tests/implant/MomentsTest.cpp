// The sample moments and the random streams the determinism rests on.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <pcg_random.hpp>

#include "implant/Moments.h"

namespace fenra {
namespace {

TEST(Moments, KnowsASmallSample) {
    Moments m;
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0}) m.Add(x);
    EXPECT_DOUBLE_EQ(m.mean, 3);
    EXPECT_DOUBLE_EQ(m.Variance(), 2);
    EXPECT_NEAR(m.Skewness(), 0, 1e-15);
    EXPECT_NEAR(m.Kurtosis(), 1.7, 1e-14);  // (1/5) sum d^4 / var^2 = 6.8/4
    EXPECT_NEAR(m.StandardError(), std::sqrt(2.5 / 5), 1e-15);
}

TEST(Moments, MergingBlocksEqualsOneRun) {
    Moments all, a, b, c;
    for (int k = 0; k < 3000; ++k) {
        const double x = std::pow(1.0 + k % 97, 1.3) + 1000;
        all.Add(x);
        (k < 1000 ? a : k < 1700 ? b : c).Add(x);
    }
    a.Merge(b);
    a.Merge(c);
    EXPECT_EQ(a.n, all.n);
    EXPECT_NEAR(a.mean, all.mean, 1e-12 * all.mean);
    EXPECT_NEAR(a.m2, all.m2, 1e-10 * all.m2);
    EXPECT_NEAR(a.m3, all.m3, 1e-9 * std::fabs(all.m3));
    EXPECT_NEAR(a.m4, all.m4, 1e-10 * all.m4);
    Moments empty;
    a.Merge(empty);
    EXPECT_EQ(a.n, all.n);
    empty.Merge(all);
    EXPECT_EQ(empty.mean, all.mean);
}

TEST(Moments, SkewedSampleHasPositiveSkewness) {
    Moments m;
    for (double x : {0.0, 0.0, 0.0, 0.0, 10.0}) m.Add(x);
    EXPECT_GT(m.Skewness(), 1);
    EXPECT_GT(m.Kurtosis(), 3);
}

// The reference output of pcg32 seeded with 42 on stream 54 (pcg-c-basic's pcg32-demo).
TEST(RandomStream, Pcg32GivesItsReferenceSequence) {
    pcg32 rng(42u, 54u);
    const uint32_t expected[] = {0xa15c02b7, 0x7b47f409, 0xba1d3330,
                                 0x83d2f293, 0xbfa4784b, 0xcbed606e};
    for (uint32_t e : expected) EXPECT_EQ(rng(), e);
}

TEST(RandomStream, StreamsOfOneSeedDiffer) {
    pcg32 a(7u, 0u), b(7u, 1u);
    int same = 0;
    for (int k = 0; k < 100; ++k) same += a() == b();
    EXPECT_LT(same, 3);
}

}  // namespace
}  // namespace fenra
