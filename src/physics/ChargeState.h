#pragma once
// The mean equilibrium charge of an ion moving through matter and the width of its charge
// distribution, from the semi-empirical fits of Schiwietz and Grande. Pure functions, double.
//  - Solids: the improved fit of G. Schiwietz, K. Czerski, M. Roth, F. Staufenbiel and
//    P.L. Grande, Nucl. Instr. Meth. B 225 (2004) 4: vs = v / (v0 Z1^0.543),
//    c1 = 1 - 0.26 exp(-Zt/11) exp(-(Zt - Z1)^2 / 9), c2 = 1 + 0.030 vs ln Zt,
//    x = c1 (vs / (1.54 c2))^(1 + 1.83/Z1),
//    q/Z1 = (8.29 x + x^4) / (0.06/x + 4 + 7.4 x + x^4).
//  - Gases: G. Schiwietz and P.L. Grande, Nucl. Instr. Meth. B 175-177 (2001) 125, eqs. (1)
//    and (2): vr = v / (v0 Z1^0.52), x = (vr Zt^(0.03 - 0.017 vr))^(1 + 0.4/Z1),
//    q/Z1 = (376 x + x^6) / (1428 - 1206 x^0.5 + 690 x + x^6). Its x falls again past
//    vr = 1 / (0.017 ln Zt), far above the velocities it was fitted to, where the ion is
//    practically bare: x is held at its maximum there.
//  - Width, for solids (same 2001 paper, eqs. (5) and (6)):
//    d = 0.7 / (Z1^-0.27 Zt^(0.035 - 0.0009 Z1) f(q) f(Z1 - q)), f(y) = sqrt((y + 0.37 Z1^0.6) /
//    y).

namespace fenra {

enum class ChargeMedium { Solid, Gas };

// Materials of known density below this are gases for the charge state: gases at normal
// conditions lie below about 0.01 g/cm3, the lightest liquids and solids near 0.07 and above.
constexpr double kGasDensityLimit = 0.02;  // g/cm3

struct ChargeState {
    double mean = 0;   // mean charge q, 0..Z1
    double width = 0;  // standard deviation of the charge distribution; 0 where not given
};

// Z1: the ion's atomic number; Zt: the target's atomic number (for a compound the
// ratio-weighted mean); velocity: the ion's velocity in Bohr velocities. Where the fit runs
// past Z1 (an ion practically bare), the mean is Z1.
ChargeState EquilibriumCharge(int Z1, double Zt, double velocity, ChargeMedium medium);

// The same with the parts that depend on the ion and target alone worked out once, for tables
// over the velocity.
struct ChargeFit {
    int Z1 = 0;
    double Zt = 0;
    ChargeMedium medium = ChargeMedium::Solid;
    double velocityScale = 0;  // Z1^-0.543 (solids) or Z1^-0.52 (gases)
    double exponent = 0;       // 1 + 1.83/Z1 (solids) or 1 + 0.4/Z1 (gases)
    double c1 = 0;             // solids
    double lnZt = 0;
    double reducedLimit = 0;  // gases: where x peaks; 0 for none
    double widthScale = 0;    // w / (Z1^-0.27 Zt^(0.035 - 0.0009 Z1))
    double widthA = 0;        // 0.37 Z1^0.6
    double bareAbove = 0;     // solids: vs / (1.54 c2) beyond which the fit gives Z1 or more
};

ChargeFit PrepareChargeFit(int Z1, double Zt, ChargeMedium medium);
ChargeState EquilibriumCharge(const ChargeFit& fit, double velocity);

// The charges at n velocities (n <= kMaxChargeBatch), each the value EquilibriumCharge gives:
// the steps of the fit run side by side, so that the processor overlaps their divisions.
constexpr int kMaxChargeBatch = 4;
void EquilibriumCharges(const ChargeFit& fit, const double* velocity, ChargeState* out, int n);

// <q^2> = mean^2 + width^2: the effective charge squared of the energy-loss straggling.
double MeanSquareCharge(const ChargeState& c);

}  // namespace fenra
