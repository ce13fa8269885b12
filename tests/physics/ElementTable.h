#pragma once
// The element data of data/elements.csv, pcoef.csv and hicoef.csv (the numbers the element
// database is generated from), read once for the physics tests.

#include <cstdint>
#include <string>
#include <vector>

#include "physics/Coefficients.h"

namespace fenra::test {

struct ElementRow {
    int16_t Z = 0;
    std::string symbol;
    float scrnFac = 0;      // screening factor as an ion
    float natMass = 0;      // amu
    float atomDensity = 0;  // 1E22 atoms/cm3
    float fermi = 0;        // Bohr velocities
    CoefficientSet coef;    // PCoef and HiCoef both filled
};

// Row Z - 1 is element Z; 92 rows.
const std::vector<ElementRow>& Elements();
const ElementRow& ElementZ(int Z);
const ElementRow& ElementSymbol(const std::string& symbol);

}  // namespace fenra::test
