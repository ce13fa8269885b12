#pragma once
// The stack the range-and-layers tests share: a detector behind its window.

#include "range/StackCalculation.h"

namespace fenra::test {

// An alpha of 5 MeV through 2 um of mylar, 50 nm of Al and 30 um of Si (where it stops).
inline StackInput DetectorStack() {
    StackInput in;
    in.ion = "He";
    in.energy = 5000;
    in.material = "Si";
    in.unit = StopUnit::KevUm;
    in.layers = {{"mylar", 2, ThicknessUnit::Um, 0},
                 {"Al", 50, ThicknessUnit::Nm, 0},
                 {"Si", 30, ThicknessUnit::Um, 0}};
    return in;
}

}  // namespace fenra::test
