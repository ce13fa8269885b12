#include "implant/Kinematics.h"

#include <cmath>

namespace fenra {

double TransferFactor(double M1, double M2) {
    const double sum = M1 + M2;
    return 4 * M1 * M2 / (sum * sum);
}

CollisionOutcome Collide(double E, double M1, double M2, const HalfAngle& half) {
    CollisionOutcome c;
    c.transfer = TransferFactor(M1, M2) * E * half.sin2;
    const double cosTheta = half.cos2 - half.sin2;
    const double sinTheta = 2 * std::sqrt(half.sin2 * half.cos2);
    const double ratio = M1 / M2;
    // |p1'| / |p1| = sqrt(1 + 2 ratio cos theta + ratio^2) / (1 + ratio); the ion's direction
    // follows from its momentum components in the laboratory.
    const double along = ratio + cosTheta;
    const double norm = std::sqrt(along * along + sinTheta * sinTheta);
    if (norm > 0) {
        const double inverse = 1 / norm;
        c.cosIon = along * inverse;
        c.sinIon = sinTheta * inverse;
    }
    return c;
}

RecoilDirection RecoilOf(const HalfAngle& half) {
    return {std::sqrt(half.sin2), std::sqrt(half.cos2)};
}

}  // namespace fenra
