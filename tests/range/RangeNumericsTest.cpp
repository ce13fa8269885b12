// The numerics of the range: the table against direct integration, direct integration against
// a brute-force sum, the inverses, split invariance of layers.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "range/Range.h"
#include "range/RangeTable.h"
#include "range/RangeTestSupport.h"

namespace fenra {
namespace {

using test::MakeIonTarget;

struct Pair {
    const char* ion;
    const char* material;
};
const Pair kPairs[] = {{"H", "Al"},   {"He", "mylar"}, {"Li", "Si"},    {"C", "H2O"},
                       {"O", "SiO2"}, {"Si", "Al2O3"}, {"Fe", "C"},     {"Xe", "Au"},
                       {"U", "U"},    {"He", "air"},   {"Ar", "havar"}, {"N", "GaN"}};

// Log-uniform random energies per amu from 0.001 keV/amu to 20 GeV/amu, times the mass.
std::vector<double> RandomEnergies(double mass, int n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> u(std::log(0.001), std::log(2e7));
    std::vector<double> e;
    for (int i = 0; i < n; ++i) e.push_back(std::exp(u(rng)) * mass);
    return e;
}

// Simpson's rule in ln E with n panels per piece between the model's breakpoints, from
// 1e-30 keV/amu, plus the closed integral of the power law below that.
double BruteForceRange(const Target& t, double E, int n) {
    auto f = [&](double x) { return std::exp(x) * 1000 / TotalStop(t, std::exp(x)); };
    const double tiny = 1e-30 * t.ion.mass;
    const double p = std::log(TotalStop(t, 2 * tiny) / TotalStop(t, tiny)) / std::log(2.0);
    double sum = 1000 * tiny / ((1 - p) * TotalStop(t, tiny));
    std::vector<double> cuts = {tiny};
    for (double b : ModelBreakpoints(t))
        if (b > tiny && b < E) cuts.push_back(b);
    cuts.push_back(E);
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        // A step at a breakpoint meets only the end points' weights, h/3 of n panels.
        const double a = std::log(cuts[k]), b = std::log(cuts[k + 1]);
        const double h = (b - a) / n;
        double s = f(a) + f(b);
        for (int i = 1; i < n; ++i) s += f(a + i * h) * (i % 2 ? 4 : 2);
        sum += s * h / 3;
    }
    return sum;
}

TEST(RangeNumerics, DirectIntegrationMatchesABruteForceSum) {
    for (const Pair& p : {Pair{"H", "Al"}, Pair{"He", "mylar"}, Pair{"Xe", "Au"}}) {
        const Target t = MakeIonTarget(p.ion, p.material);
        for (double perAmu : {0.5, 30.0, 1250.0, 3e6}) {
            const double E = perAmu * t.ion.mass;
            EXPECT_NEAR(IntegrateRange(t, E) / BruteForceRange(t, E, 200000), 1, 1e-7)
                << p.ion << " in " << p.material << " at " << E << " keV";
        }
    }
}

TEST(RangeNumerics, CachedTableMatchesDirectIntegrationTo1e7) {
    RangeCache cache(4);
    for (const Pair& p : kPairs) {
        const Target t = MakeIonTarget(p.ion, p.material);
        for (double E : RandomEnergies(t.ion.mass, 20, 7)) {
            EXPECT_NEAR(Range(t, E, cache).range / IntegrateRange(t, E), 1, 1e-7)
                << p.ion << " in " << p.material << " at " << E << " keV";
        }
    }
    EXPECT_EQ(cache.Size(), 4u);
}

TEST(RangeNumerics, EnergyForRangeInvertsTheRange) {
    RangeCache cache;
    for (const Pair& p : kPairs) {
        const Target t = MakeIonTarget(p.ion, p.material);
        for (double E : RandomEnergies(t.ion.mass, 20, 11)) {
            const double R = IntegrateRange(t, E);
            EXPECT_NEAR(EnergyForRange(t, R, cache).energy / E, 1, 1e-7)
                << p.ion << " in " << p.material << " at " << E << " keV";
        }
    }
    EXPECT_EQ(EnergyForRange(MakeIonTarget("H", "Si"), 0, cache).energy, 0);
}

TEST(RangeNumerics, ALayerSplitInTwoGivesTheSameEnergy) {
    RangeCache cache;
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> share(0.01, 0.99);
    for (const Pair& p : kPairs) {
        const Target t = MakeIonTarget(p.ion, p.material);
        for (double E : RandomEnergies(t.ion.mass, 10, 5)) {
            const double thick = Range(t, E, cache).range * share(rng);
            const double t1 = thick * share(rng);
            const LayerResult whole = EnergyAfterLayer(t, E, thick, cache);
            const LayerResult first = EnergyAfterLayer(t, E, t1, cache);
            const LayerResult second = EnergyAfterLayer(t, first.energyOut, thick - t1, cache);
            ASSERT_FALSE(whole.stopped);
            EXPECT_NEAR(second.energyOut / whole.energyOut, 1, 1e-7)
                << p.ion << " in " << p.material << " at " << E << " keV";
        }
    }
}

}  // namespace
}  // namespace fenra
