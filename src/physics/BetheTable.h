#pragma once
// The corrected Bethe stopping of one ion in one target (BetheStop.h), worked out once on a grid
// and read back by interpolation: the formula costs a dozen logarithms, powers and square
// roots per call (the density effect, the shell and Barkas terms of each element, the ion's
// charge, the Lindhard-Sorensen table), the table one logarithm and a cubic.
//
// The range of E is cut into cells of 16 per octave (read off the exponent and the top four
// mantissa bits of E, so that finding the cell costs no logarithm), and each cell further at
// every kink of the formula inside it (BetheKinks), so that each piece is smooth; on each piece
// S is the cubic in E through the formula's values at the piece's four Chebyshev nodes. The
// error is below kBetheTableTolerance of S everywhere in the table (about 2e-7 at worst), a
// bound the tests check against the formula over the whole range.
//
// A table never changes after it is built: it can be read from several threads at once.

#include <cstdint>
#include <vector>

#include "physics/BetheStop.h"

namespace fenra {

constexpr int kBetheTableCellBits = 4;         // 2^4 cells per octave of E
constexpr double kBetheTableHighEnergy = 1e8;  // keV/amu (100 GeV/amu)
constexpr double kBetheTableTolerance = 1e-6;  // relative, the bound the tests check

// The energies per unit mass (keV/amu, ascending) between lowPerAmu and highPerAmu where the
// Bethe formula in t changes its slope or steps: the points of Walske's tables in each element's
// shell term (or the polynomial's eta = 0.13 above kBichselShellLastZ), the points
// of ARB's function in each element's Barkas term, the ends of the density effect's middle branch
// (with a step at X0 of a tabulated element, whose parameters meet the lower branch only to their
// digits), and the nodes of the Lindhard-Sorensen tables (the same for every ion).
std::vector<double> BetheKinks(const BetheTarget& t, double lowPerAmu, double highPerAmu);

class BetheTable {
  public:
    // The table of ion Z1 in t from lowPerAmu (> 0) to kBetheTableHighEnergy keV/amu.
    BetheTable(int Z1, const BetheTarget& t, double lowPerAmu);

    // BetheStop(Z1, perAmu, t) within kBetheTableTolerance; the formula itself outside the
    // table.
    double Stop(double perAmu) const;

    int Z1() const { return Z1_; }
    double LowEnergy() const { return low_; }
    double HighEnergy() const { return high_; }
    std::size_t PieceCount() const { return pieces_.size(); }

  private:
    // The cubic c0 + c1 s + c2 s^2 + c3 s^3 of S on [x0, x1] keV/amu, s = (E - x0) / (x1 - x0).
    struct Piece {
        double x0 = 0, x1 = 0, inverseWidth = 0;
        double c[4] = {};
    };
    void AddPiece(double x0, double x1);

    int Z1_ = 0;
    BetheTarget target_;
    double low_ = 0, high_ = 0;  // keV/amu: the interpolation's range
    uint64_t firstCell_ = 0;     // the cell number of low_
    std::vector<Piece> pieces_;
    std::vector<uint32_t> firstPiece_;  // of each cell, and one past the last piece at the end
};

}  // namespace fenra
