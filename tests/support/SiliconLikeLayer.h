#pragma once
// A silicon layer for the ion-path tests whose electronic stopping is known in closed form, so
// that a test's numbers do not move with the program's stopping tables.

#include <cmath>

#include "implant/Implant.h"

namespace fenra {

// Silicon with an electronic stopping rising as the square root of the energy (the
// velocity-proportional stopping of slow ions): 10 eV/(1E15 atoms/cm2) at 10 keV, tabled up to
// `tableKev` with a 10 eV cut-off.
inline ImplantLayer SiliconLike(double thicknessNm, double tableKev = 200) {
    ImplantLayer L;
    L.elements = {{14, 28.086, 1, 25}};
    L.atomsPerCm3 = 4.99e22;
    L.thickness = thicknessNm;
    for (double E : ImplantTableEnergies(tableKev, 10)) {
        L.electronic.energy.push_back(E);
        L.electronic.stopping.push_back(10 * std::sqrt(E / 10));
    }
    return L;
}

}  // namespace fenra
