#pragma once
// Conversion of a stopping power from eV/(1E15 atoms/cm2) into the three other units.

namespace fenra {

constexpr double kAvogadro = 6.022045e23;  // atoms per mole

// atoms/g times eV per (1E15 atoms/cm2) gives 1E-15 eV cm2/g; with 1E-3 from eV to keV and
// 1E-3 from g to mg this factor makes it keV per (mg/cm2).
constexpr double kMassStopFactor = 1e-21;

struct OtherStopUnits {
    float KevMg = 0;  // keV/(mg/cm2)
    float EvA = 0;    // eV/Angstrom
    float KevUm = 0;  // keV/um
};

// M: target atomic mass (amu); N: atomic density (1E22 atoms/cm3); S: eV/(1E15 atoms/cm2).
OtherStopUnits ConvertStopUnits(float M, float N, float S);

}  // namespace fenra
