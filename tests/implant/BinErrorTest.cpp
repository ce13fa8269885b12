// The standard errors of the depth histograms: binomial for the counts of stopped ions, the
// batch means of the blocks of ions for the deposits, worked here from the blocks themselves.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "implant/Implant.h"
#include "implant/IonPath.h"
#include "implant/PreparedStack.h"
#include "implant/Tally.h"
#include "support/SiliconLikeLayer.h"

namespace fenra {
namespace {

constexpr uint64_t kBlockIons = 256;  // the run's unit of work and of its batch statistics

struct ErrorCase {
    const char* name;
    uint64_t ions;
};

class BinErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(BinErrors, FollowTheBlocksOfIons) {
    const ImplantIon ion{5, 10.81, 20, 0};
    const std::vector<ImplantLayer> stack = {SiliconLike(30, 100), SiliconLike(300, 100)};
    ImplantOptions o;
    o.ions = GetParam().ions;
    o.threads = 2;
    o.seed = 11;
    o.depthBins = 40;
    const ImplantResult r = RunImplant(ion, stack, o);
    // The same ions block by block, and the batch means of their nuclear deposit by hand.
    const PreparedStack s = PrepareStack(ion, stack, o);
    std::vector<std::vector<double>> blockMeans;  // per block, per bin: keV per ion
    std::vector<double> blockIons;
    for (uint64_t first = 0; first < o.ions; first += kBlockIons) {
        Tally t(s);
        const uint64_t count = std::min(kBlockIons, o.ions - first);
        ASSERT_TRUE(FollowBlock(s, first, count, t, nullptr));
        std::vector<double> m = t.nuclearDeposit;
        for (double& v : m) v /= static_cast<double>(count);
        blockMeans.push_back(m);
        blockIons.push_back(static_cast<double>(count));
    }
    const double n = static_cast<double>(o.ions), dz = r.depth.width;
    const std::size_t blocks = blockMeans.size();
    ASSERT_EQ(r.nuclearDeposit.errors.size(), r.nuclearDeposit.values.size());
    ASSERT_EQ(r.depth.errors.size(), r.depth.values.size());
    int binsWithIons = 0;
    for (std::size_t k = 0; k < r.nuclearDeposit.values.size(); ++k) {
        double mean = 0;
        for (std::size_t b = 0; b < blocks; ++b) mean += blockIons[b] * blockMeans[b][k];
        mean /= n;
        EXPECT_NEAR(mean * 1000 / dz, r.nuclearDeposit.values[k],
                    1e-9 * r.nuclearDeposit.values[k]);
        double expected = 0;
        if (blocks > 1) {
            double spread = 0;
            for (std::size_t b = 0; b < blocks; ++b)
                spread += blockIons[b] * std::pow(blockMeans[b][k] - mean, 2);
            expected = std::sqrt(spread / (static_cast<double>(blocks - 1) * n)) * 1000 / dz;
        }
        EXPECT_NEAR(r.nuclearDeposit.errors[k], expected, 1e-7 * expected + 1e-12) << k;
        // Counts: binomial.
        const double c = r.depth.values[k];
        EXPECT_DOUBLE_EQ(r.depth.errors[k], std::sqrt(c * (1 - c / n))) << k;
        if (c > 0) ++binsWithIons;
    }
    EXPECT_GT(binsWithIons, 5);
    // A deposit's error is a small share of it where the ions pass in numbers.
    if (blocks > 1) {
        const auto peak =
            std::max_element(r.electronicDeposit.values.begin(), r.electronicDeposit.values.end()) -
            r.electronicDeposit.values.begin();
        const double e = r.electronicDeposit.errors[static_cast<std::size_t>(peak)];
        EXPECT_GT(e, 0);
        EXPECT_LT(e, 0.1 * r.electronicDeposit.values[static_cast<std::size_t>(peak)]);
    } else {
        for (double e : r.electronicDeposit.errors) EXPECT_EQ(e, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, BinErrors,
                         ::testing::Values(ErrorCase{"OneBlockHasNoBatchError", 200},
                                           ErrorCase{"WholeBlocks", 2048},
                                           ErrorCase{"ALastBlockShort", 1500}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fenra
