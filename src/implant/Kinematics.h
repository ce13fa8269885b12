#pragma once
// The laboratory outcome of one elastic collision of an ion (mass M1, energy E) with a target
// atom at rest (mass M2), given sin^2 and cos^2 of half the centre-of-mass angle theta.
// Energy and momentum are conserved exactly (to rounding):
//   transfer T = gamma E sin^2(theta/2), gamma = 4 M1 M2 / (M1 + M2)^2;
//   ion deflection psi: tan psi = sin theta / (cos theta + M1/M2);
//   recoil direction phi = (pi - theta)/2 from the ion's incoming direction, on the other side.
// (Goldstein, Classical Mechanics, ch. 3; the same relations as ZBL 1985, ch. 8.)

#include "implant/ScatteringTable.h"

namespace fenra {

struct CollisionOutcome {
    double transfer = 0;  // energy given to the recoil, same unit as E
    double cosIon = 1;    // cosine of the ion's laboratory deflection
    double sinIon = 0;    // its sine (>= 0)
};

// The recoil's direction: angle (pi - theta)/2 to the ion's incoming direction, on the
// opposite azimuth. Not needed while recoils are not followed.
struct RecoilDirection {
    double cos = 0, sin = 1;
};

// The mass factor gamma = 4 M1 M2 / (M1 + M2)^2: the largest share of E a collision gives.
double TransferFactor(double M1, double M2);

CollisionOutcome Collide(double E, double M1, double M2, const HalfAngle& half);

RecoilDirection RecoilOf(const HalfAngle& half);

}  // namespace fenra
