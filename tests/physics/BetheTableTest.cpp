// The tabulated Bethe stopping and the modern model's per-ion table against the formulas they
// stand for, over the whole range of the table and across its kinks, and the table's edges.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "physics/BetheTable.h"
#include "physics/ElectronicStopping.h"
#include "physics/ModernTable.h"

namespace fenra {
namespace {

// Water with its own I and Sternheimer-Peierls density effect; argon gas as a compound of one
// kind with a measured I; air as a gas mixture by Bragg's rule.
BetheTarget Water() {
    const int Z[] = {1, 8};
    const double ratios[] = {2, 1}, masses[] = {1.008, 15.999};
    return BetheTargetOfCompound(Z, ratios, masses, 2, 1.0, 75, false);
}
BetheTarget Air() {
    const int Z[] = {7, 8, 18};
    const double ratios[] = {1.56, 0.42, 0.0093}, masses[] = {14.007, 15.999, 39.948};
    return BetheTargetOfCompound(Z, ratios, masses, 3, 1.205e-3, 85.7, true);
}

struct TableCase {
    const char* name;
    BetheTarget target;
};

TableCase Cases(int k) {
    switch (k) {
        case 0:
            return {"H", BetheTargetOfElement(1)};
        case 1:
            return {"C", BetheTargetOfElement(6)};
        case 2:
            return {"Al", BetheTargetOfElement(13)};
        case 3:
            return {"Ar", BetheTargetOfElement(18)};
        case 4:
            return {"Au", BetheTargetOfElement(79)};
        case 5:
            return {"U", BetheTargetOfElement(92)};
        case 6:
            return {"water", Water()};
        default:
            return {"air", Air()};
    }
}

// 37 points per step of the table, log-spaced from its start to its end, so that every cell and
// every kink of the formula is met off the nodes.
TEST(BetheTable, MatchesTheFormulaEverywhereWithinItsTolerance) {
    for (int Z1 : {1, 2, 6, 18, 54, 92})
        for (int k = 0; k < 8; ++k) {
            const TableCase c = Cases(k);
            const double low = JoinOf(Z1, c.target).low;
            const BetheTable table(Z1, c.target, low);
            const double step = std::log(2.0) / (1 << kBetheTableCellBits) / 37;
            double worst = 0, worstAt = 0;
            for (double x = std::log(low); x < std::log(kBetheTableHighEnergy); x += step) {
                const double E = std::exp(x);
                const double error = std::fabs(table.Stop(E) / BetheStop(Z1, E, c.target) - 1);
                if (error > worst) worst = error, worstAt = E;
            }
            std::printf("Z1 %2d in %-5s worst %.2e at %.4g keV/u\n", Z1, c.name, worst, worstAt);
            EXPECT_LT(worst, kBetheTableTolerance) << Z1 << " in " << c.name << " at " << worstAt;
        }
}

TEST(BetheTable, IsTheFormulaItselfOutsideItsRangeAndAtItsNodes) {
    const BetheTarget al = BetheTargetOfElement(13);
    const BetheTable table(2, al, 1000);
    for (double E : {999.0, 1e8, 3e8}) EXPECT_EQ(table.Stop(E), BetheStop(2, E, al)) << E;
    // Its first and last energies, and both sides of a kink (the points of ARB's function in Al's
    // Barkas term and the ends of its density effect's middle branch), are within the tolerance.
    std::vector<double> edges = {1000, std::nextafter(kBetheTableHighEnergy, 0.0)};
    for (double k : BetheKinks(al, 1000, kBetheTableHighEnergy))
        for (double side : {1 - 1e-12, 1 + 1e-12}) edges.push_back(k * side);
    for (double E : edges)
        EXPECT_NEAR(table.Stop(E) / BetheStop(2, E, al), 1, kBetheTableTolerance) << E;
    EXPECT_EQ(table.Z1(), 2);
    EXPECT_EQ(table.LowEnergy(), 1000);
    EXPECT_EQ(table.HighEnergy(), kBetheTableHighEnergy);
}

TargetElementData Element(int16_t Z2, float vF) {
    TargetElementData t;
    t.Z2 = Z2;
    t.vF = vF;
    t.coef.P = {4.2, 0.005, 3.0, 0.4, 1800, 0.95, 1600, 0.02};  // a plausible proton fit
    t.coef.H = {0.05, 1976, -249433, 1.17e-07};
    return t;
}

// The table of the whole model is the model's formula: the fit exactly below the join (the
// same Single energies, the same factors), within the Bethe table's tolerance above it.
TEST(ModernTable, IsTheModelsFormulaFromOneKeVPerUToTenGeVPerU) {
    const int Z[] = {14, 8};
    const double ratios[] = {1, 2}, masses[] = {28.086, 15.999};
    CompoundData sio2{{Element(14, 0.97f), Element(8, 0.6f)},
                      {1.0f, 2.0f},
                      BetheTargetOfCompound(Z, ratios, masses, 2, 2.32, 0, false),
                      nullptr};
    for (int16_t Z1 : {1, 2, 6, 26, 92}) {
        const StoppingIon ion{Z1, 0.9f, 2.0 * Z1};
        sio2.modern = MakeModernTable(ion, sio2);
        ASSERT_TRUE(sio2.modern->IsFor(Z1, 0.9f));
        EXPECT_FALSE(sio2.modern->IsFor(Z1, 1.0f));
        const JoinInterval join = sio2.modern->Join();
        for (double E = 1; E < 1e7; E *= 1.0137) {
            const float Es = static_cast<float>(E);
            CompoundData direct = sio2;
            direct.modern = nullptr;
            const double formula = CompoundStop(ion, Es, direct, StoppingModel::modern);
            const double tabled = CompoundStop(ion, Es, sio2, StoppingModel::modern);
            if (Es <= join.low)
                EXPECT_NEAR(tabled / formula, 1, 1e-14) << Z1 << " at " << E;
            else
                EXPECT_NEAR(tabled / formula, 1, kBetheTableTolerance) << Z1 << " at " << E;
        }
        // Another ion is not served from this table.
        const StoppingIon other{static_cast<int16_t>(Z1 + 1), 0.9f, 2.0 * Z1 + 2};
        CompoundData direct = sio2;
        direct.modern = nullptr;
        EXPECT_EQ(CompoundStop(other, 5e4f, sio2, StoppingModel::modern),
                  CompoundStop(other, 5e4f, direct, StoppingModel::modern));
    }
}

}  // namespace
}  // namespace fenra
