#pragma once
// The four units of a stopping power and the one conversion between them. The base unit of
// every calculation is eV/(1E15 atoms/cm2); the others need the target's mean atomic mass
// (keV/(mg/cm2)) or its atomic density (eV/Angstrom, keV/um).

namespace fenra {

constexpr double kAvogadro = 6.022045e23;  // atoms per mole

// atoms/g times eV per (1E15 atoms/cm2) gives 1E-15 eV cm2/g; with 1E-3 from eV to keV and
// 1E-3 from g to mg this factor makes it keV per (mg/cm2).
constexpr double kMassStopFactor = 1e-21;

// The units, in the order of the main window's unit list (its index is the value).
enum class StopUnit { EvE15 = 0, KevMgCm2 = 1, EvAngstrom = 2, KevUm = 3 };
constexpr int kStopUnitCount = 4;

// eV/Angstrom and keV/um: per length, so they need an atomic density.
bool IsLength(StopUnit unit);

// What a conversion needs of the target.
struct StopUnitBasis {
    double massAmu = 0;    // mean atomic mass, amu per atom
    double density22 = 0;  // atomic density, 1E22 atoms/cm3 (0 when unknown)
};

// A stopping S in eV/(1E15 atoms/cm2) in `unit`, in double precision.
double ConvertStop(double S, StopUnit unit, const StopUnitBasis& basis);

// The calculator's Single results of a one-element target.
struct OtherStopUnits {
    float KevMg = 0;  // keV/(mg/cm2)
    float EvA = 0;    // eV/Angstrom
    float KevUm = 0;  // keV/um
};

// M: target atomic mass (amu); N: atomic density (1E22 atoms/cm3); S: the Single result in
// eV/(1E15 atoms/cm2). Each unit is ConvertStop's, rounded to a Single, except keV/um: ten
// times the Single eV/Angstrom in single precision, so that the two agree digit for digit.
OtherStopUnits ConvertStopUnits(float M, float N, float S);

}  // namespace fenra
