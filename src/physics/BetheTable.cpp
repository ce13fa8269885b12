#include "physics/BetheTable.h"

#include <algorithm>
#include <cmath>

#include "physics/BetheCorrections.h"
#include "physics/LindhardSorensen.h"

namespace fenra {

namespace {

constexpr double kAmuKeV = 931494.10242;  // atomic mass unit, keV (as BetheStop.cpp)
constexpr double kFineStructure = 7.2973525693e-3;
constexpr double kInverseCell = 1 / kBetheTableCell;
// A kink this close to a cell's edge (in ln E) is taken as the edge itself.
constexpr double kKinkMerge = 1e-9;
// The Chebyshev nodes of a piece, (1 - cos((2j + 1) pi / 8)) / 2 for j = 0..3.
constexpr double kChebyshevNodes[4] = {0.03806023374435663, 0.30865828381745514,
                                       0.69134171618254486, 0.96193976625564337};

// beta^2 of an ion of perAmu keV/amu, as BetheStop forms it.
double BetaSquared(double perAmu) {
    const double gamma = LorentzGamma(perAmu);
    return 1 - 1 / (gamma * gamma);
}

double EnergyOfBetaGamma(double betaGamma) {
    return kAmuKeV * (std::sqrt(1 + betaGamma * betaGamma) - 1);
}

void AddDensityKinks(const SternheimerParameters& p, std::vector<double>* bg) {
    bg->push_back(std::pow(10.0, p.X0));
    bg->push_back(std::pow(10.0, p.X1));
}

}  // namespace

std::vector<double> BetheKinks(const BetheTarget& t, double lowPerAmu, double highPerAmu) {
    std::vector<double> bg;  // the kinks in beta gamma
    const double eta = kShellFitLowEta;
    bg.push_back(eta / std::sqrt(1 - eta * eta));
    for (int i = 0; i < t.parts; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        for (double v : kBarkasKnots) bg.push_back(v * kFineStructure * std::sqrt(t.Z[k] * 1.0));
        if (!t.ownDensityEffect) AddDensityKinks(t.density[k], &bg);
    }
    if (t.ownDensityEffect) AddDensityKinks(t.compoundDensity, &bg);
    const double lsLow = std::log(kLindhardSorensenLowBetaGamma);
    const double lsHigh = std::log(kLindhardSorensenHighBetaGamma);
    for (double x = lsLow; x < lsHigh + kLindhardSorensenStep; x += kLindhardSorensenStep)
        bg.push_back(std::exp(std::min(x, lsHigh)));
    std::vector<double> kinks;
    for (double b : bg) {
        const double E = EnergyOfBetaGamma(b);
        if (E > lowPerAmu && E < highPerAmu) kinks.push_back(E);
    }
    std::sort(kinks.begin(), kinks.end());
    kinks.erase(std::unique(kinks.begin(), kinks.end()), kinks.end());
    return kinks;
}

BetheTable::BetheTable(int Z1, const BetheTarget& t, double lowPerAmu)
    : Z1_(Z1), target_(t), low_(lowPerAmu), high_(kBetheTableHighEnergy), xLow_(std::log(low_)) {
    const double xHigh = std::log(high_);
    const std::vector<double> kinks = BetheKinks(t, low_, high_);
    std::size_t next = 0;  // the first kink not yet passed
    const int cells = static_cast<int>(std::ceil((xHigh - xLow_) * kInverseCell));
    for (int i = 0; i < cells; ++i) {
        firstPiece_.push_back(static_cast<uint32_t>(pieces_.size()));
        double a = xLow_ + i * kBetheTableCell;
        const double b = std::min(xLow_ + (i + 1) * kBetheTableCell, xHigh);
        for (; next < kinks.size() && std::log(kinks[next]) < b; ++next) {
            const double k = std::log(kinks[next]);
            if (k - a < kKinkMerge || b - k < kKinkMerge) continue;
            AddPiece(a, k);
            a = k;
        }
        AddPiece(a, b);
    }
    firstPiece_.push_back(static_cast<uint32_t>(pieces_.size()));
}

void BetheTable::AddPiece(double x0, double x1) {
    // Y at the four Chebyshev nodes of the piece, inside it: where the formula jumps at a kink
    // (the density effect of a tabulated element at X0 meets its lower branch only to the
    // digits of its parameters), each side is taken from its own branch. Newton's divided
    // differences give the cubic, then turned into powers of s.
    double s[4], f[4];
    for (int j = 0; j < 4; ++j) {
        s[j] = kChebyshevNodes[j];
        const double E = std::exp(x0 + (x1 - x0) * s[j]);
        f[j] = BetheStop(Z1_, E, target_) * BetaSquared(E);
    }
    for (int order = 1; order < 4; ++order)
        for (int j = 3; j >= order; --j) f[j] = (f[j] - f[j - 1]) / (s[j] - s[j - order]);
    Piece p;
    p.x0 = x0;
    p.x1 = x1;
    p.inverseWidth = 1 / (x1 - x0);
    // c(s) = f3; then c = c (s - s_j) + f_j for j = 2, 1, 0.
    double c[4] = {f[3], 0, 0, 0};
    for (int j = 2; j >= 0; --j) {
        for (int k = 3; k > 0; --k) c[k] = c[k - 1] - s[j] * c[k];
        c[0] = f[j] - s[j] * c[0];
    }
    std::copy(c, c + 4, p.c);
    pieces_.push_back(p);
}

double BetheTable::Stop(double perAmu) const {
    return Stop(perAmu, std::log(perAmu));
}

double BetheTable::Stop(double perAmu, double lnPerAmu) const {
    if (!(perAmu >= low_ && perAmu < high_)) return BetheStop(Z1_, perAmu, target_);
    const double position = std::max((lnPerAmu - xLow_) * kInverseCell, 0.0);
    const std::size_t cell = std::min(static_cast<std::size_t>(position), firstPiece_.size() - 2);
    std::size_t k = firstPiece_[cell];
    const std::size_t last = firstPiece_[cell + 1] - 1;
    while (k < last && lnPerAmu > pieces_[k].x1) ++k;
    const Piece& p = pieces_[k];
    const double s = (lnPerAmu - p.x0) * p.inverseWidth;
    const double Y = p.c[0] + s * (p.c[1] + s * (p.c[2] + s * p.c[3]));
    return Y / BetaSquared(perAmu);
}

}  // namespace fenra
