#pragma once
// The twelve proton stopping coefficients of one target element.

#include <array>

namespace fenra {

struct CoefficientSet {
    std::array<double, 8> P{};  // PCoef1..PCoef8, used at and below 10000 keV/amu
    std::array<double, 4> H{};  // HiCoef1..HiCoef4, used above 10000 keV/amu; 0 when not read
};

}  // namespace fenra
