// The spread tables are worked out from the bottom up as far as each request reaches: whatever
// the order of the requests, and from however many threads at once, every value must be the
// one of a table worked out whole, to the last bit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "range/RangeTestSupport.h"
#include "range/SpreadTable.h"

namespace fenra {
namespace {

struct GrowthCase {
    const char* ion;
    const char* material;
    StoppingModel model;
};

const GrowthCase kGrowthCases[] = {
    {"H", "Al", StoppingModel::classic},  {"He", "mylar", StoppingModel::classic},
    {"Ar", "Au", StoppingModel::classic}, {"U", "water", StoppingModel::modern},
    {"C", "air", StoppingModel::modern},  {"H", "water", StoppingModel::modern},
};

// Every quantity a layer reads, at energies across the whole table.
struct Reading {
    double variance, between, stopping, charge;
    ScatteringSlab slab;
};

std::vector<double> Probes(const RangeTable& range) {
    std::vector<double> e;
    for (const RangeInterval& iv : range.Intervals()) {
        e.push_back(iv.e0);
        e.push_back(iv.e0 + 0.37 * (iv.e1 - iv.e0));
    }
    return e;
}

Reading Read(const SpreadTable& table, double E) {
    const double low = std::max(E / 3, table.Ranges().LowEnergy());
    return {table.VarianceIntegral(E), table.VarianceBetween(low, E), table.Stopping(E),
            table.MeanCharge(E), table.Scattering(low, E)};
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectSame(const Reading& got, const Reading& whole, double E) {
    EXPECT_TRUE(SameBits(got.variance, whole.variance)) << E;
    EXPECT_TRUE(SameBits(got.between, whole.between)) << E;
    EXPECT_TRUE(SameBits(got.stopping, whole.stopping)) << E;
    EXPECT_TRUE(SameBits(got.charge, whole.charge)) << E;
    EXPECT_TRUE(SameBits(got.slab.thickness, whole.slab.thickness)) << E;
    EXPECT_TRUE(SameBits(got.slab.m0, whole.slab.m0)) << E;
    EXPECT_TRUE(SameBits(got.slab.m1, whole.slab.m1)) << E;
    EXPECT_TRUE(SameBits(got.slab.m2, whole.slab.m2)) << E;
}

class Growth : public ::testing::TestWithParam<GrowthCase> {
  protected:
    void SetUp() override {
        const GrowthCase& c = GetParam();
        target_ = MakeTarget(test::Db(), ResolveIon(test::Db(), c.ion),
                             ResolveMaterial(c.material, test::Db(), test::Materials()), c.model);
        range_ = std::make_shared<const RangeTable>(target_);
        probes_ = Probes(*range_);
        // The reference: the first request at the top works out every node at once.
        const SpreadTable whole(target_, range_);
        whole.Locate(range_->Intervals().back().e0);
        for (double E : probes_) wholeReadings_.push_back(Read(whole, E));
    }

    Target target_;
    std::shared_ptr<const RangeTable> range_;
    std::vector<double> probes_;
    std::vector<Reading> wholeReadings_;
};

TEST_P(Growth, UpwardsEqualsTheWholeTable) {
    const SpreadTable table(target_, range_);
    for (std::size_t k = 0; k < probes_.size(); ++k)
        ExpectSame(Read(table, probes_[k]), wholeReadings_[k], probes_[k]);
}

TEST_P(Growth, InAnyOrderEqualsTheWholeTable) {
    const SpreadTable table(target_, range_);
    std::vector<std::size_t> order(probes_.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::shuffle(order.begin(), order.end(), std::mt19937(19));
    for (std::size_t k : order) ExpectSame(Read(table, probes_[k]), wholeReadings_[k], probes_[k]);
}

// Four threads grow one table at once, each from its own shuffled requests: no value may
// differ from the whole table's (run under ThreadSanitizer, no race may be reported either).
TEST_P(Growth, FromSeveralThreadsEqualsTheWholeTable) {
    const SpreadTable table(target_, range_);
    constexpr int kThreads = 4;
    std::vector<std::vector<Reading>> readings(kThreads);
    std::vector<std::vector<std::size_t>> orders(kThreads);
    std::vector<std::thread> threads;
    for (int n = 0; n < kThreads; ++n) {
        orders[n].resize(probes_.size());
        for (std::size_t k = 0; k < probes_.size(); ++k) orders[n][k] = k;
        std::shuffle(orders[n].begin(), orders[n].end(), std::mt19937(100 + n));
        threads.emplace_back([&, n] {
            for (std::size_t k : orders[n]) readings[n].push_back(Read(table, probes_[k]));
        });
    }
    for (std::thread& t : threads) t.join();
    for (int n = 0; n < kThreads; ++n)
        for (std::size_t j = 0; j < probes_.size(); ++j) {
            const std::size_t k = orders[n][j];
            ExpectSame(readings[n][j], wholeReadings_[k], probes_[k]);
        }
}

INSTANTIATE_TEST_SUITE_P(IonsAndModels, Growth, ::testing::ValuesIn(kGrowthCases));

// Reading at a low energy works out only the nodes up to it: a later request higher up still
// finds the values of the whole table (the running sum of Q continues where it stopped).
TEST(SpreadTableGrowth, ALowRequestFirstThenTheTop) {
    const Target t = test::MakeIonTarget("He", "Si");
    const auto range = std::make_shared<const RangeTable>(t);
    const SpreadTable grown(t, range), whole(t, range);
    const double top = range->Intervals().back().e0;
    whole.Locate(top);
    for (double E : {10.0, 100.0, 5000.0, 2e5, top}) {
        const Reading a = Read(grown, E), b = Read(whole, E);
        ExpectSame(a, b, E);
        EXPECT_GT(a.variance, 0) << E;
    }
}

}  // namespace
}  // namespace fenra
