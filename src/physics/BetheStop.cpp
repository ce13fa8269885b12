#include "physics/BetheStop.h"

#include <cmath>

#include "physics/BetheCorrections.h"
#include "physics/DensityEffect.h"
#include "physics/EquilibriumCharge.h"
#include "physics/LindhardSorensen.h"
#include "physics/ShellCorrections.h"

namespace fenra {

namespace {

constexpr double kAmuKeV = 931494.10242;             // atomic mass unit, keV (CODATA 2018)
constexpr double kTwoElectronMassEv = 1.02199789e6;  // 2 m c^2, eV
constexpr double kBetheK = 0.307075;                 // 4 pi N_A r_e^2 m c^2, MeV cm2/mol (PDG)
constexpr double kAvogadro = 6.02214076e23;          // 1/mol
constexpr double kMeVcm2ToEvPerE15 = 1e21;           // 1 MeV cm2 = 1e21 eV/(1E15 atoms/cm2)
// The bound on the shell term C/Z2 of the elements above kBichselShellLastZ (ShellTerm).
constexpr double kShellBound = 0.045;  // C/Z2 times beta
constexpr double kStopPerAtom = kBetheK / kAvogadro * kMeVcm2ToEvPerE15;

// The charge number the Bethe formula takes for the ion: bare up to helium, whose fast ions are
// stripped above the join with the low-energy fit; Pierce-Blann's mean charge above.
double IonCharge(int Z1, double beta) {
    return Z1 <= 2 ? static_cast<double>(Z1) : PierceBlannCharge(Z1, beta);
}

// The shell term C/Z2 of one element at velocity beta: Walske's K and L shells with Bichsel's
// outer shells (ShellCorrections.h) up to Z2 = kBichselShellLastZ, whose parameters end there.
// Above it, the Barkas-Berger polynomial, taken in beta rather than beta gamma: the shell
// correction measures the target electrons' speeds against the ion's (Fano, Annu. Rev. Nucl.
// Sci. 13 (1963) 1, sect. 4), and with beta gamma it falls short by gamma^2 at high energy. For
// these heaviest elements the polynomial's I^3 term, fitted on lighter ones, overshoots between
// 10 and 100 MeV/u; the term is held below kShellBound / beta by a soft minimum, a bound read off
// the ICRU 49 proton tables of Au, Pb and U (where their shell corrections fall as 1/v).
double ShellTerm(double beta, double I, int Z2) {
    if (Z2 <= kBichselShellLastZ) return BichselShellTerm(beta, Z2);
    const double polynomial = ShellCorrection(beta, I) / Z2;
    const double bound = kShellBound / beta;
    // The soft minimum (p^-n + b^-n)^(-1/n) with n = 4, without pow.
    const double p2 = polynomial * polynomial, b2 = bound * bound;
    return polynomial * bound / std::sqrt(std::sqrt(p2 * p2 + b2 * b2));
}

}  // namespace

BetheTarget BetheTargetOfElement(int Z2) {
    const BetheElement* e = FindBetheElement(Z2);
    BetheTarget t;
    t.parts = 1;
    t.Z[0] = Z2;
    t.electronShare[0] = 1;
    t.meanExcitation[0] = e->meanExcitation;
    t.density[0] = e->density;
    t.electronsPerAtom = Z2;
    t.lnI = std::log(e->meanExcitation);
    return t;
}

BetheTarget BetheTargetOfCompound(const int* Z, const double* ratios, const double* masses, int n,
                                  double density, double meanExcitation, bool gas) {
    if (n == 1 && !(meanExcitation > 0)) return BetheTargetOfElement(Z[0]);
    BetheTarget t;
    t.parts = n;
    double atoms = 0, electrons = 0, mass = 0, lnI = 0;
    for (int i = 0; i < n; ++i) {
        const BetheElement* e = FindBetheElement(Z[i]);
        t.Z[i] = Z[i];
        t.meanExcitation[i] = e->meanExcitation;
        t.density[i] = e->density;
        atoms += ratios[i];
        electrons += ratios[i] * Z[i];
        mass += ratios[i] * masses[i];
        lnI += ratios[i] * Z[i] * std::log(e->meanExcitation);
    }
    for (int i = 0; i < n; ++i) t.electronShare[i] = ratios[i] * Z[i] / electrons;
    t.electronsPerAtom = electrons / atoms;
    t.lnI = meanExcitation > 0 ? std::log(meanExcitation) : lnI / electrons;
    if (density > 0) {
        t.ownDensityEffect = true;
        const double plasma = PlasmaEnergy(density, electrons / mass);
        // One element keeps the shape of its own tabulated curve; a compound takes the general
        // parameters.
        t.compoundDensity = n == 1
                                ? ScaledSternheimerParameters(t.density[0], std::exp(t.lnI), plasma)
                                : SternheimerPeierlsParameters(std::exp(t.lnI), plasma, gas);
    }
    return t;
}

double LorentzGamma(double perAmu) {
    return 1 + perAmu / kAmuKeV;
}

double BetheStoppingNumber(int Z1, double gamma, const BetheTarget& t) {
    const double beta2 = 1 - 1 / (gamma * gamma);
    const double betaGamma = std::sqrt(gamma * gamma - 1);
    const double z = IonCharge(Z1, std::sqrt(beta2));
    const double beta = std::sqrt(beta2);
    double shell = 0, barkas = 0, delta = 0;
    for (int i = 0; i < t.parts; ++i) {
        const double w = t.electronShare[i];
        shell += w * ShellTerm(beta, t.meanExcitation[i], t.Z[i]);
        barkas += w * BarkasTerm(beta, t.Z[i]);
        if (!t.ownDensityEffect) delta += w * DensityEffect(t.density[i], betaGamma);
    }
    if (t.ownDensityEffect) delta = DensityEffect(t.compoundDensity, betaGamma);
    const double L0 = std::log(kTwoElectronMassEv * betaGamma * betaGamma) - t.lnI - beta2;
    const double L = L0 - shell - delta / 2 + z * barkas + LindhardSorensenCorrection(Z1, gamma);
    return z * z * L;
}

double BetheStop(int Z1, double perAmu, const BetheTarget& t) {
    const double gamma = LorentzGamma(perAmu);
    const double beta2 = 1 - 1 / (gamma * gamma);
    return kStopPerAtom * t.electronsPerAtom / beta2 * BetheStoppingNumber(Z1, gamma, t);
}

}  // namespace fenra
