#include "physics/BetheTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "physics/BetheCorrections.h"
#include "physics/LindhardSorensen.h"
#include "physics/ShellCorrections.h"

namespace fenra {

namespace {

constexpr double kAmuKeV = 931494.10242;  // atomic mass unit, keV (as BetheStop.cpp)
// The cell of E: its exponent and the top kBetheTableCellBits bits of its mantissa.
constexpr int kCellShift = 52 - kBetheTableCellBits;
// A kink this close to a cell's edge (relative) is taken as the edge itself.
constexpr double kKinkMerge = 1e-9;
// The Chebyshev nodes of a piece, (1 - cos((2j + 1) pi / 8)) / 2 for j = 0..3.
constexpr double kChebyshevNodes[4] = {0.03806023374435663, 0.30865828381745514,
                                       0.69134171618254486, 0.96193976625564337};

uint64_t CellOf(double E) {
    uint64_t bits;
    std::memcpy(&bits, &E, sizeof bits);
    return bits >> kCellShift;
}

double CellEdge(uint64_t cell) {
    const uint64_t bits = cell << kCellShift;
    double E;
    std::memcpy(&E, &bits, sizeof E);
    return E;
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
    for (int i = 0; i < t.parts; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (t.Z[k] <= kBichselShellLastZ) {
            for (double beta : ShellKnots(t.Z[k])) bg.push_back(beta / std::sqrt(1 - beta * beta));
        } else {
            bg.push_back(eta / std::sqrt(1 - eta * eta));
        }
        for (double beta : BarkasKnots(t.Z[k])) bg.push_back(beta / std::sqrt(1 - beta * beta));
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
    : Z1_(Z1), target_(t), low_(lowPerAmu), high_(kBetheTableHighEnergy) {
    if (!(low_ > 0 && low_ < high_)) return;  // no table: the formula everywhere
    const std::vector<double> kinks = BetheKinks(t, low_, high_);
    std::size_t next = 0;  // the first kink not yet passed
    firstCell_ = CellOf(low_);
    for (uint64_t cell = firstCell_; CellEdge(cell) < high_; ++cell) {
        firstPiece_.push_back(static_cast<uint32_t>(pieces_.size()));
        double a = std::max(CellEdge(cell), low_);
        const double b = std::min(CellEdge(cell + 1), high_);
        for (; next < kinks.size() && kinks[next] < b; ++next) {
            const double k = kinks[next];
            if (k - a < kKinkMerge * a || b - k < kKinkMerge * b) continue;
            AddPiece(a, k);
            a = k;
        }
        AddPiece(a, b);
    }
    firstPiece_.push_back(static_cast<uint32_t>(pieces_.size()));
}

void BetheTable::AddPiece(double x0, double x1) {
    // S at the four Chebyshev nodes of the piece, inside it: where the formula jumps at a kink
    // (the density effect of a tabulated element at X0 meets its lower branch only to the
    // digits of its parameters), each side is taken from its own branch. Newton's divided
    // differences give the cubic, then turned into powers of s.
    double s[4], f[4];
    for (int j = 0; j < 4; ++j) {
        s[j] = kChebyshevNodes[j];
        f[j] = BetheStop(Z1_, x0 + (x1 - x0) * s[j], target_);
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
    if (!(perAmu >= low_ && perAmu < high_) || firstPiece_.empty())
        return BetheStop(Z1_, perAmu, target_);
    const std::size_t cell =
        std::min(static_cast<std::size_t>(CellOf(perAmu) - firstCell_), firstPiece_.size() - 2);
    std::size_t k = firstPiece_[cell];
    const std::size_t last = firstPiece_[cell + 1] - 1;
    while (k < last && perAmu > pieces_[k].x1) ++k;
    const Piece& p = pieces_[k];
    const double s = (perAmu - p.x0) * p.inverseWidth;
    return p.c[0] + s * (p.c[1] + s * (p.c[2] + s * p.c[3]));
}

}  // namespace fenra
