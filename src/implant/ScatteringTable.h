#pragma once
// The centre-of-mass scattering angle of the universal potential as a table over the reduced
// energy epsilon and the reduced impact parameter b, computed once per process from the
// scattering integral (UniversalScattering.h) and read by bilinear interpolation.
//
// The table holds q = ln tan^2(theta/2), which for bare Coulomb scattering is the plane
// -2 ln(2 epsilon b); screening bends it smoothly. Its nodes sit at x = 2^e (1 + k/8) in both
// variables, so that a node and the weight between two nodes come from the bits of a double
// without a logarithm (the indexing of F. Schiettekatte, Nucl. Instr. Meth. B 266 (2008) 1880).
// Beyond the table the angle follows the Coulomb scalings: tan(theta/2) proportional to
// 1/epsilon above the highest energy (small-angle limit) and to 1/b below the smallest impact
// parameter (deep inside the screening); beyond the largest b it is 0.
//
// The table is read-only after it is built and may be read from several threads at once.

#include <vector>

namespace fenra {

// sin^2 and cos^2 of half the centre-of-mass angle; each formed without cancellation, so that
// glancing collisions keep their small transfers.
struct HalfAngle {
    double sin2 = 0;
    double cos2 = 1;
};

class ScatteringTable {
  public:
    // The table, built on the first call (about 0.1 s; later calls wait for it).
    static const ScatteringTable& Universal();

    // epsilon > 0, b >= 0.
    HalfAngle Lookup(double epsilon, double b) const;

    // The bounds of the table.
    static double MinEpsilon();
    static double MaxEpsilon();
    static double MinImpact();
    static double MaxImpact();

  private:
    ScatteringTable();
    double Q(double epsilon, double b) const;

    std::vector<double> q_;  // row-major: epsilon rows, b columns
};

}  // namespace fenra
