#include "physics/DensityEffect.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kTwoLn10 = 4.605170185988091;
constexpr double kPlasmaEnergyFactor = 28.816;  // eV per sqrt(g/cm3), ICRU 37 eq. 2.3

struct StepRow {
    double cbarBelow, X0, X1;
};

// Gases: X0 and X1 by the range of Cbar (Sternheimer and Peierls 1971, table I); above
// 13.804, X0 = 0.326 Cbar - 2.5 and X1 = 5.
constexpr StepRow kGasSteps[] = {{10.0, 1.6, 4.0}, {10.5, 1.7, 4.0},  {11.0, 1.8, 4.0},
                                 {11.5, 1.9, 4.0}, {12.25, 2.0, 4.0}, {13.804, 2.0, 5.0}};

}  // namespace

double DensityEffect(const SternheimerParameters& p, double betaGamma) {
    const double X = std::log10(betaGamma);
    if (X < p.X0) return p.delta0 > 0 ? p.delta0 * std::pow(10.0, 2 * (X - p.X0)) : 0;
    double delta = kTwoLn10 * X - p.Cbar;
    if (X < p.X1) delta += p.a * std::pow(p.X1 - X, p.m);
    return delta;
}

double PlasmaEnergy(double density, double electronsPerAmu) {
    return kPlasmaEnergyFactor * std::sqrt(density * electronsPerAmu);
}

SternheimerParameters SternheimerPeierlsParameters(double meanExcitation, double plasmaEnergy,
                                                   bool gas) {
    SternheimerParameters p;
    p.Cbar = 2 * std::log(meanExcitation / plasmaEnergy) + 1;
    p.m = 3;
    if (gas) {
        p.X0 = 0.326 * p.Cbar - 2.5;
        p.X1 = 5.0;
        for (const StepRow& s : kGasSteps)
            if (p.Cbar < s.cbarBelow) {
                p.X0 = s.X0;
                p.X1 = s.X1;
                break;
            }
    } else if (meanExcitation < 100) {
        p.X1 = 2.0;
        p.X0 = p.Cbar < 3.681 ? 0.2 : 0.326 * p.Cbar - 1.0;
    } else {
        p.X1 = 3.0;
        p.X0 = p.Cbar < 5.215 ? 0.2 : 0.326 * p.Cbar - 1.5;
    }
    p.a = (p.Cbar - kTwoLn10 * p.X0) / std::pow(p.X1 - p.X0, p.m);
    return p;
}

SternheimerParameters ScaledSternheimerParameters(const SternheimerParameters& p,
                                                  double meanExcitation, double plasmaEnergy) {
    SternheimerParameters q = p;
    q.Cbar = 2 * std::log(meanExcitation / plasmaEnergy) + 1;
    const double shift = (q.Cbar - p.Cbar) / kTwoLn10;  // in X
    q.X0 += shift;
    q.X1 += shift;
    return q;
}

}  // namespace fenra
